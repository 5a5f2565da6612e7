#!/usr/bin/env bash
# Prints the capacity of the shipped results server (no pass or fail): N exchanges as the game
# makes them (log in, CWD WWW, RETR records.rec, merge the player's entry into it, STOR records.rec,
# STOR table.html, QUIT; passive mode), 20 at a time, against the shipped server and, in the same
# run, against vsftpd, which stores what it gets without a merge. Prints exchanges per second for
# both (the median of ROUNDS rounds, default 3), and how many of the best 20 results each table
# kept.
# Everything runs on 127.0.0.1. Usage: scripts/measure-server.sh [N] [build-dir]
#   (default 400 exchanges, build dir build-server-rel; KVELLI99_RECORDS_TOOL=PATH skips the build)
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/vsftpd.sh
n=${1:-400}
build=${2:-build-server-rel}
parallel=${PARALLEL:-20}
rounds=${ROUNDS:-3}

tool=${KVELLI99_RECORDS_TOOL:-}
if [ -z "$tool" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKV_TESTS=OFF -DKV_BENCH=OFF >/dev/null
  if ! cmake --build "$build" -j2 --target kvelli99-records >"$build/measure-server.log" 2>&1; then
    cat "$build/measure-server.log" >&2
    exit 1
  fi
  tool=$PWD/$build/kvelli99-records
fi

work=$(mktemp -d /dev/shm/kv-capacity-XXXXXX)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

free_port() { /usr/bin/python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])'; }

# The shipped server, as it starts (enough connections for the run, all from 127.0.0.1).
server/results-server.sh --dir "$work/ours" --ftp-port 0 --http-port 0 --records-tool "$tool" \
  --max-connections 100 --max-per-address 100 >"$work/ours.out" 2>"$work/ours.log" &
pids+=($!)
for _ in $(seq 150); do grep -q '^READY ' "$work/ours.out" && break; sleep 0.1; done
ours=$(sed -n 's/^READY ftp=\([0-9]*\) .*/\1/p' "$work/ours.out")
[ -n "$ours" ] || { cat "$work/ours.out" "$work/ours.log" >&2; exit 1; }

# vsftpd: anonymous, WWW writable, an empty records.rec to start from.
mkdir -p "$work/vs/WWW" "$work/empty"
chmod 555 "$work/vs"
chmod 777 "$work/vs/WWW"
: >"$work/vs/WWW/records.rec"
chmod 666 "$work/vs/WWW/records.rec"
vs=$(free_port)
write_vsftpd_conf "$work/vsftpd.conf" "$vs" "$work/vs" "$work/empty" "max_clients=200
max_per_ip=200"
/usr/sbin/vsftpd "$work/vsftpd.conf" &
pids+=($!)
for _ in $(seq 50); do
  /usr/bin/python3 -c "import socket,sys; socket.create_connection(('127.0.0.1',$vs),1).close()" 2>/dev/null && break
  sleep 0.1
done

echo "== $n exchanges, $parallel at a time, on 127.0.0.1 ($(nproc) cores shared by clients and server)"
run() { # NAME PORT USER PASSWORD
  /usr/bin/python3 - "$1" "$2" "$3" "$4" "$n" "$parallel" "$tool" "$work" <<'EOF'
import ftplib, io, multiprocessing, os, subprocess, sys, time
name, port, user, password, n, parallel, tool, work = sys.argv[1:]
port, n, parallel = int(port), int(n), int(parallel)

def exchange(i):
    """One player's exchange, as the game makes it; the merge and the page by the records tool."""
    d = os.path.join(work, "%s-player%d" % (name, i))
    os.makedirs(d)
    # Player i scored 1000 + i: the best 20 are the last 20 players.
    line = ("p%d_%d" % (i, 1000 + i)).encode()
    with open(os.path.join(d, "Kvelli99.rec"), "wb") as f:
        f.write(bytes((256 - b) % 256 for b in line) + b"\r\n")
    f = ftplib.FTP(timeout=30)
    f.connect("127.0.0.1", port)
    f.login(user, password)
    f.cwd("WWW")
    net, page = os.path.join(d, "kvelint.rec"), os.path.join(d, "table.html")
    with open(net, "wb") as out:
        f.retrbinary("RETR records.rec", out.write)
    subprocess.run([tool, "merge", net, os.path.join(d, "Kvelli99.rec"), "--page", page],
                   check=True, stdout=subprocess.DEVNULL, timeout=30)
    with open(net, "rb") as src:
        f.storbinary("STOR records.rec", src)
    with open(page, "rb") as src:
        f.storbinary("STOR table.html", src)
    f.quit()

start = time.monotonic()
with multiprocessing.Pool(parallel) as pool:
    for _ in pool.imap_unordered(exchange, range(n)):
        pass
print("%.1f" % (n / (time.monotonic() - start)))
EOF
}
kept() { # TABLE: how many of the best 20 of the last round (players n-20 .. n-1) it holds
  "$tool" list "$1" | awk -v lo=$((n >= 20 ? n - 20 : 0)) -F'\t' '{ sub(/^p/, "", $2); if ($2 + 0 >= lo) k++ } END { print k + 0 }'
}
# Rounds alternate between the two, so that a load from elsewhere on the machine hits both; the
# median of each is printed.
median() { tr ' ' '\n' | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
all_ours= all_vs=
for round in $(seq "$rounds"); do
  r1=$(run "ours$round" "$ours" kvelli99 quillon84)
  r2=$(run "vsftpd$round" "$vs" anonymous "")
  echo "   round $round: shipped $r1, vsftpd $r2 exchanges/s"
  all_ours="$all_ours $r1" all_vs="$all_vs $r2"
done
rate_ours=$(median <<<"${all_ours# }")
rate_vs=$(median <<<"${all_vs# }")
printf '%-34s %8s exchanges/s   best 20 kept: %s of %s\n' \
  "shipped server (merge, own page)" "$rate_ours" "$(kept "$work/ours/WWW/records.rec")" 20 \
  "vsftpd (stores as sent)" "$rate_vs" "$(kept "$work/vs/WWW/records.rec")" 20
echo "log lines of the shipped server: $(grep -c ' entries received' "$work/ours.log") exchanges of $((n * rounds))"
