#!/usr/bin/env bash
# Prints the capacity of the shipped results server (no pass or fail): N exchanges as the game
# makes them (log in, CWD WWW, RETR records.rec, merge the player's entry into it, STOR records.rec,
# STOR table.html, QUIT; passive mode), 20 at a time, in the same run against
#   - the shipped server with the table in a file,
#   - the shipped server with the table in PostgreSQL (a throw-away one in /dev/shm),
#   - two front ends on that one database, the exchanges split between them,
#   - vsftpd, which stores what it gets without a merge.
# Prints exchanges per second for each (the median of ROUNDS rounds, default 3; rounds go round
# the servers in turn, so that load from elsewhere hits all of them), and how many of the best 20
# results each table kept. WORKERS (default 2) is the shipped server's --workers.
# Everything runs on 127.0.0.1. Usage: scripts/measure-server.sh [N] [build-dir]
#   (default 400 exchanges, build dir build-server-rel; KVELLI99_RECORDS_TOOL=PATH skips the build)
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/vsftpd.sh
. scripts/lib/postgres.sh
n=${1:-400}
build=${2:-build-server-rel}
parallel=${PARALLEL:-20}
rounds=${ROUNDS:-3}
workers=${WORKERS:-2}

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
chmod 755 "$work"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  stop_postgres
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

free_port() { /usr/bin/python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])'; }

pg_port=$(free_port)
start_postgres "$work/pg" "$pg_port"

# The shipped server, as it starts (enough connections for the run, all from 127.0.0.1).
shipped() { # NAME [OPTIONS...]: sets port to its FTP port
  local name=$1
  shift
  server/results-server.sh --dir "$work/$name" --ftp-port 0 --http-port 0 --records-tool "$tool" \
    --max-connections 100 --max-per-address 100 --workers "$workers" "$@" >"$work/$name.out" 2>"$work/$name.log" &
  pids+=($!)
  for _ in $(seq 150); do grep -q '^READY ' "$work/$name.out" && break; sleep 0.1; done
  port=$(sed -n 's/^READY ftp=\([0-9]*\) .*/\1/p' "$work/$name.out")
  [ -n "$port" ] || { cat "$work/$name.out" "$work/$name.log" >&2; exit 1; }
}
for db in one fronts; do
  /usr/bin/psql -q "$PG_CONNINFO dbname=postgres" -c "CREATE DATABASE $db" >/dev/null
done
shipped file
file_port=$port
shipped db --database "$PG_CONNINFO dbname=one"
db_port=$port
shipped fe1 --database "$PG_CONNINFO dbname=fronts"
fe1_port=$port
shipped fe2 --database "$PG_CONNINFO dbname=fronts"
fe2_port=$port

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

echo "== $n exchanges, $parallel at a time, on 127.0.0.1 ($(nproc) cores shared by clients and servers;" \
  "load before: $(cut -d' ' -f1-3 /proc/loadavg)); shipped server with --workers $workers"
run() { # NAME USER PASSWORD PORT...: exchange i goes to the i-th port in turn
  /usr/bin/python3 - "$n" "$parallel" "$tool" "$work" "$@" <<'PY'
import ftplib, multiprocessing, os, subprocess, sys, time
n, parallel, tool, work, name, user, password = sys.argv[1:8]
ports = [int(p) for p in sys.argv[8:]]
n, parallel = int(n), int(parallel)

def exchange(i):
    """One player's exchange, as the game makes it; the merge and the page by the records tool."""
    d = os.path.join(work, "%s-player%d" % (name, i))
    os.makedirs(d)
    # Player i scored 1000 + i: the best 20 are the last 20 players.
    line = ("p%d_%d" % (i, 1000 + i)).encode()
    with open(os.path.join(d, "Kvelli99.rec"), "wb") as f:
        f.write(bytes((256 - b) % 256 for b in line) + b"\r\n")
    f = ftplib.FTP(timeout=30)
    f.connect("127.0.0.1", ports[i % len(ports)])
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
PY
}
kept() { # TABLE: how many of the best 20 of the last round (players n-20 .. n-1) it holds
  "$tool" list "$1" | awk -v lo=$((n >= 20 ? n - 20 : 0)) -F'\t' '{ sub(/^p/, "", $2); if ($2 + 0 >= lo) k++ } END { print k + 0 }'
}
median() { tr ' ' '\n' | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
all_file= all_db= all_two= all_vs=
for round in $(seq "$rounds"); do
  r1=$(run "file$round" kvelli99 quillon84 "$file_port")
  r2=$(run "db$round" kvelli99 quillon84 "$db_port")
  r3=$(run "two$round" kvelli99 quillon84 "$fe1_port" "$fe2_port")
  r4=$(run "vsftpd$round" anonymous "" "$vs")
  echo "   round $round: file $r1, database $r2, two front ends $r3, vsftpd $r4 exchanges/s"
  all_file="$all_file $r1" all_db="$all_db $r2" all_two="$all_two $r3" all_vs="$all_vs $r4"
done
# The front ends' copies follow the database within moments.
sleep 1
printf '%-44s %8s exchanges/s   best 20 kept: %s of 20\n' \
  "shipped server, table in a file" "$(median <<<"${all_file# }")" "$(kept "$work/file/WWW/records.rec")" \
  "shipped server, table in PostgreSQL" "$(median <<<"${all_db# }")" "$(kept "$work/db/WWW/records.rec")" \
  "two front ends on one PostgreSQL" "$(median <<<"${all_two# }")" "$(kept "$work/fe1/WWW/records.rec")" \
  "vsftpd (stores as sent)" "$(median <<<"${all_vs# }")" "$(kept "$work/vs/WWW/records.rec")"
same=no
cmp -s "$work/fe1/WWW/table.html" "$work/fe2/WWW/table.html" && same=yes
echo "the two front ends' pages are the same: $same; load after: $(cut -d' ' -f1-3 /proc/loadavg)"
for s in file db fe1 fe2; do
  echo "log lines of $s: $(grep -c ' entries received' "$work/$s.log"), not merged: $(grep -c 'not merged' "$work/$s.log" || true)"
done
