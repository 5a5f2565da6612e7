#!/usr/bin/env bash
# Prints figures of the FTP client (no pass or fail):
#  1. processor time the client uses while a server holds its greeting for 5 seconds, and while
#     a server says nothing at all until the idle bound (set to 5 s here) ends the wait;
#  2. loopback throughput of a 256 MiB download and upload against vsftpd, side by side with curl
#     against the same server in the same run, in passive mode (what the game uses) and in active
#     mode (its fallback for a server without PASV);
#  3. the same transfers over TLS (AUTH TLS, PROT P, session reuse required), this client against
#     curl --ssl-reqd on the same server;
#  4. the results exchange in plain and over TLS against the same server, in the same run.
# Everything runs on 127.0.0.1. Usage: scripts/measure-net.sh [build-dir] (default build-net-rel).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/vsftpd.sh
build=${1:-build-net-rel}
size_mib=${SIZE_MIB:-256}
runs=${RUNS:-3}

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKV_BENCH=OFF >/dev/null
if ! ninja -C "$build" -j2 ftp_transfer results_exchange >"$build/measure-build.log" 2>&1; then
  cat "$build/measure-build.log" >&2
  exit 1
fi
tool=$build/tests/ftp_transfer
exchange=$build/tests/results_exchange

work=$(mktemp -d /dev/shm/kv-measure-XXXXXX)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

echo "== Waiting for a server that holds its greeting 5 s =="
coproc HOLD { exec /usr/bin/python3 tests/support/hold_ftpd.py 5; }
hold_pid=$HOLD_PID  # bash unsets HOLD_PID once the server has ended
pids+=("$hold_pid")
read -r _ port <&"${HOLD[0]}"
"$tool" 127.0.0.1 "$port" login
wait "$hold_pid" 2>/dev/null || true
coproc SILENT { exec /usr/bin/python3 tests/support/hold_ftpd.py 30 2>/dev/null; }
pids+=("$SILENT_PID")
read -r _ port <&"${SILENT[0]}"
"$tool" --idle-limit 5000 127.0.0.1 "$port" login || true
echo "   (cpu_pct is the share of one core used during the wait; pumps: event-pump runs)"

echo
echo "== ${size_mib} MiB over the loopback against vsftpd: this client and curl =="
mkdir -p "$work/root/WWW" "$work/empty" "$work/local"
chmod 555 "$work/root"
chmod 777 "$work/root/WWW"
head -c $((size_mib * 1048576)) /dev/urandom >"$work/root/WWW/big.bin"
cp "$work/root/WWW/big.bin" "$work/local/up.bin"
port=$(/usr/bin/python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')
# TLS offered, not forced, so that plain and TLS meet the same server: a CA and a certificate it
# signed for 127.0.0.1, which this client trusts through SSL_CERT_FILE and curl through --cacert.
key=(-newkey ec -pkeyopt ec_paramgen_curve:P-256 -nodes -days 2)
openssl req -x509 "${key[@]}" -subj /CN=measure-ca -keyout "$work/ca.key" -out "$work/ca.pem" 2>/dev/null
openssl req "${key[@]}" -subj /CN=127.0.0.1 -keyout "$work/srv.key" -out "$work/srv.csr" 2>/dev/null
printf 'subjectAltName=IP:127.0.0.1\n' >"$work/ext.cnf"
openssl x509 -req -in "$work/srv.csr" -CA "$work/ca.pem" -CAkey "$work/ca.key" -CAcreateserial -days 2 \
  -extfile "$work/ext.cnf" -out "$work/srv.pem" 2>/dev/null
export SSL_CERT_FILE=$work/ca.pem
write_vsftpd_conf "$work/vsftpd.conf" "$port" "$work/root" "$work/empty" "ssl_enable=YES
allow_anon_ssl=YES
force_anon_logins_ssl=NO
force_anon_data_ssl=NO
require_ssl_reuse=YES
ssl_ciphers=HIGH
rsa_cert_file=$work/srv.pem
rsa_private_key_file=$work/srv.key"
vsftpd "$work/vsftpd.conf" >"$work/vsftpd.log" 2>&1 &
pids+=("$!")
for _ in $(seq 50); do
  curl -s -o /dev/null "ftp://127.0.0.1:$port/" && break
  sleep 0.1
done

# Seconds of one command, best of $runs.
best() {
  local best_s=""
  for _ in $(seq "$runs"); do
    local t0 t1 s
    t0=$(date +%s.%N)
    "$@" >/dev/null
    t1=$(date +%s.%N)
    s=$(echo "$t1 - $t0" | bc -l)
    if [ -z "$best_s" ] || [ "$(echo "$s < $best_s" | bc -l)" = 1 ]; then best_s=$s; fi
  done
  echo "$best_s"
}

ours() { "$tool" --user anonymous --password kv@ --cwd WWW "$@"; }
url="ftp://127.0.0.1:$port/WWW"
printf '%-24s %10s %10s %10s %8s\n' "transfer" "ours MiB/s" "curl MiB/s" "ours s" "ratio"
row() {
  local name=$1 ours_s=$2 curl_s=$3
  if [ "$curl_s" = - ]; then
    printf '%-24s %10.1f %10s %10.3f %8s\n' "$name" "$(echo "$size_mib / $ours_s" | bc -l)" - "$ours_s" -
    return
  fi
  printf '%-24s %10.1f %10.1f %10.3f %7.0f%%\n' "$name" \
    "$(echo "$size_mib / $ours_s" | bc -l)" "$(echo "$size_mib / $curl_s" | bc -l)" "$ours_s" \
    "$(echo "100 * $curl_s / $ours_s" | bc -l)"
}
for tls in plain tls; do
  for mode in passive active; do
    flag=(); cflag=(--disable-epsv)
    if [ $mode = passive ]; then flag=(--passive); else cflag=(-P 127.0.0.1); fi
    name=$mode
    if [ $tls = tls ]; then
      flag+=(--tls required); cflag+=(--ssl-reqd --cacert "$work/ca.pem"); name="$mode, TLS"
    fi
    # curl 7.88 in active mode over TLS stalls against vsftpd 3.0.3: that row is ours alone.
    skip_curl=
    [ "$tls/$mode" = tls/active ] && skip_curl=1
    rm -f "$work/local/got.bin" "$work/root/WWW/up.bin"
    o=$(best ours "${flag[@]}" 127.0.0.1 "$port" get big.bin "$work/local/got.bin")
    c=-
    [ -n "$skip_curl" ] || c=$(best curl -s --max-time 300 "${cflag[@]}" -o "$work/local/curl.bin" "$url/big.bin")
    cmp -s "$work/local/got.bin" "$work/root/WWW/big.bin" || echo "download differs!"
    row "download ($name)" "$o" "$c"
    o=$(best ours "${flag[@]}" 127.0.0.1 "$port" put "$work/local/up.bin" up.bin)
    c=-
    [ -n "$skip_curl" ] || c=$(best curl -s --max-time 300 "${cflag[@]}" -T "$work/local/up.bin" "$url/up-curl.bin")
    cmp -s "$work/root/WWW/up.bin" "$work/local/up.bin" || echo "upload differs!"
    row "upload ($name)" "$o" "$c"
  done
done
echo "   (ratio: curl's time over ours; 100 % means as fast as curl. Files on tmpfs.)"

echo
exchanges=${EXCHANGES:-20}
echo "== The results exchange against the same vsftpd: plain and over TLS, ${exchanges} each =="
# The records line of a player: every byte stored negated, lines ending in CR LF.
rec() { /usr/bin/python3 -c 'import sys; sys.stdout.buffer.write(bytes((256 - b) % 256 for b in sys.argv[1].encode()) + b"\r\n")' "$1"; }
mkdir -p "$work/rec"
rec Bob_50 >"$work/rec/Kvelli99.rec"
rec Carl_100 >"$work/root/WWW/records.rec"
chmod 666 "$work/root/WWW/records.rec"
for tls in off required; do
  t0=$(date +%s.%N)
  for _ in $(seq "$exchanges"); do
    "$exchange" --user anonymous --password kv@ --tls "$tls" 127.0.0.1 "$port" "$work/rec" >/dev/null
  done
  t1=$(date +%s.%N)
  printf '%-22s %8.1f ms per exchange\n' "exchange (TLS $tls)" "$(echo "1000 * ($t1 - $t0) / $exchanges" | bc -l)"
done
echo "   (an exchange: login, CWD, RETR records.rec, merge, STOR records.rec, STOR table.html, QUIT)"
