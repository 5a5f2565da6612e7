#!/usr/bin/env bash
# Prints the capacity of the shipped results server (no pass or fail): N exchanges as the game
# makes them (log in, CWD WWW, RETR records.rec, merge the player's entry into it, STOR records.prf
# with the proof of that entry, STOR records.rec, STOR table.html, QUIT; passive mode), 20 at a
# time, in the same run against
#   - the shipped server with the table in a file,
#   - the shipped server with the table in PostgreSQL (a throw-away one in /dev/shm),
#   - two front ends on that one database, the exchanges split between them,
#   - vsftpd, which stores what it gets without a merge.
# The shipped servers verify (their default): every player's entry is a game played to its end
# through the game core (build/play_games), a new one in every exchange, and the players' scores
# rise through the run, so that nearly every entry enters and its proof is replayed.
# Prints exchanges per second for each (the median of ROUNDS rounds, default 3; rounds go round
# the servers in turn, so that load from elsewhere hits all of them), the CPU time per exchange of
# each server's processes (children included; PostgreSQL's own beside it), which does not depend
# on how busy the clients keep the machine, and how many of the best 20 results each table kept.
# WORKERS (default 2) is the shipped server's --workers. PROFILE=1 also runs each worker of the
# file store under cProfile and prints where its time went.
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
  if ! cmake --build "$build" -j2 --target kvelli99-records play_games >"$build/measure-server.log" 2>&1; then
    cat "$build/measure-server.log" >&2
    exit 1
  fi
  tool=$PWD/$build/kvelli99-records
fi
play=${KVELLI99_PLAY_GAMES:-$(dirname "$tool")/play_games}

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

# The players' games: ROUNDS x N games played to their end, lowest score first, so that each
# round's entries rise above the last's.
mkdir -p "$work/games"
"$play" 1 $((rounds * n * 11 / 10 + 20)) "$work/games" | sort -k2,2n -k1,1n | head -n $((rounds * n)) >"$work/games.txt"
[ "$(wc -l <"$work/games.txt")" -eq $((rounds * n)) ] || { echo "play_games made too few games" >&2; exit 1; }
# The best 20 distinct scores of the run: what every table should end with.
awk '{ print $2 }' "$work/games.txt" | sort -n -u | tail -n 20 >"$work/best20.txt"

# The shipped server, as it starts (enough connections for the run, all from 127.0.0.1).
shipped() { # NAME [OPTIONS...]: sets port to its FTP port
  local name=$1
  shift
  server/results-server.sh --dir "$work/$name" --ftp-port 0 --http-port 0 --records-tool "$tool" \
    --max-connections 100 --max-per-address 100 --workers "$workers" "$@" >"$work/$name.out" 2>"$work/$name.log" &
  pids+=($!)
  server_pid=$!
  for _ in $(seq 150); do grep -q '^READY ' "$work/$name.out" && break; sleep 0.1; done
  port=$(sed -n 's/^READY ftp=\([0-9]*\) .*/\1/p' "$work/$name.out")
  [ -n "$port" ] || { cat "$work/$name.out" "$work/$name.log" >&2; exit 1; }
}
for db in one fronts; do
  /usr/bin/psql -q "$PG_CONNINFO dbname=postgres" -c "CREATE DATABASE $db" >/dev/null
done
shipped file
file_port=$port file_pid=$server_pid
shipped db --database "$PG_CONNINFO dbname=one"
db_port=$port db_pid=$server_pid
shipped fe1 --database "$PG_CONNINFO dbname=fronts"
fe1_port=$port fe1_pid=$server_pid
shipped fe2 --database "$PG_CONNINFO dbname=fronts"
fe2_port=$port fe2_pid=$server_pid

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
vs_pid=$!
for _ in $(seq 50); do
  /usr/bin/python3 -c "import socket,sys; socket.create_connection(('127.0.0.1',$vs),1).close()" 2>/dev/null && break
  sleep 0.1
done

echo "== $n exchanges, $parallel at a time, on 127.0.0.1 ($(nproc) cores shared by clients and servers;" \
  "load before: $(cut -d' ' -f1-3 /proc/loadavg)); shipped server with --workers $workers"
run() { # NAME ROUND USER PASSWORD PORT...: exchange i goes to the i-th port in turn
  /usr/bin/python3 - "$n" "$parallel" "$tool" "$work" "$@" <<'PY'
import ftplib, multiprocessing, os, subprocess, sys, time
n, parallel, tool, work, name, rnd, user, password = sys.argv[1:9]
ports = [int(p) for p in sys.argv[9:]]
n, parallel, rnd = int(n), int(parallel), int(rnd)
with open(os.path.join(work, "games.txt")) as f:
    games = [line.split() for line in f][(rnd - 1) * n:rnd * n]

def exchange(i):
    """One player's exchange, as the game makes it; the merge and the page by the records tool."""
    d = os.path.join(work, "%s-player%d" % (name, i))
    os.makedirs(d)
    seed, score = games[i]
    line = ("p%s_%s" % (seed, score)).encode()
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
    with open(os.path.join(work, "games", seed + ".prf"), "rb") as src:
        f.storbinary("STOR records.prf", src)
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
kept() { # TABLE: how many of the best 20 scores of the run it holds
  "$tool" list "$1" | awk -F'\t' 'NR == FNR { best[$1] = 1; next } ($3 in best) { k++ } END { print k + 0 }' \
    "$work/best20.txt" -
}
# CPU seconds (user and system, reaped children included) of the processes PID... and all their
# descendants, now.
cpu() {
  /usr/bin/python3 - "$@" <<'PY'
import os, sys
procs = {}
for d in os.listdir("/proc"):
    if d.isdigit():
        try:
            with open("/proc/%s/stat" % d) as f:
                s = f.read()
        except OSError:
            continue
        f = s[s.rindex(")") + 2:].split()
        procs[int(d)] = (int(f[1]), sum(int(x) for x in f[11:15]))
tree, grew = {int(p) for p in sys.argv[1:]}, True
while grew:
    more = {p for p, (pp, _) in procs.items() if pp in tree} - tree
    grew, tree = bool(more), tree | more
print(sum(procs[p][1] for p in tree if p in procs) / os.sysconf("SC_CLK_TCK"))
PY
}
# RESULT-VAR CPU-VAR PG-CPU-VAR NAME ROUND USER PASSWORD PIDS PORT...: one run, and the CPU
# milliseconds per exchange of the server's processes PIDS (a comma-separated list) and of
# PostgreSQL's during it.
measured() {
  local -n rate=$1 ms=$2 pgms=$3
  local name=$4 rnd=$5 user=$6 password=$7 pids=${8//,/ }
  shift 8
  local _cpu0 _pg0 _cpu1 _pg1
  _cpu0=$(cpu $pids) _pg0=$(cpu "$PG_PID")
  rate=$(run "$name" "$rnd" "$user" "$password" "$@")
  _cpu1=$(cpu $pids) _pg1=$(cpu "$PG_PID")
  ms=$(awk -v a="$_cpu0" -v b="$_cpu1" -v n="$n" 'BEGIN { printf "%.2f", (b - a) * 1000 / n }')
  pgms=$(awk -v a="$_pg0" -v b="$_pg1" -v n="$n" 'BEGIN { printf "%.2f", (b - a) * 1000 / n }')
}
median() { tr ' ' '\n' | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
all_file= all_db= all_two= all_vs= cpu_file= cpu_db= cpu_two= cpu_vs= pg_db= pg_two=
for round in $(seq "$rounds"); do
  measured r1 c1 unused "file$round" "$round" kvelli99 quillon84 "$file_pid" "$file_port"
  measured r2 c2 g2 "db$round" "$round" kvelli99 quillon84 "$db_pid" "$db_port"
  measured r3 c3 g3 "two$round" "$round" kvelli99 quillon84 "$fe1_pid,$fe2_pid" "$fe1_port" "$fe2_port"
  measured r4 c4 unused "vsftpd$round" "$round" anonymous "" "$vs_pid" "$vs"
  echo "   round $round: file $r1, database $r2, two front ends $r3, vsftpd $r4 exchanges/s;" \
    "CPU ms/exchange: $c1, $c2 (+$g2 PostgreSQL), $c3 (+$g3), $c4"
  all_file="$all_file $r1" all_db="$all_db $r2" all_two="$all_two $r3" all_vs="$all_vs $r4"
  cpu_file="$cpu_file $c1" cpu_db="$cpu_db $c2" cpu_two="$cpu_two $c3" cpu_vs="$cpu_vs $c4"
  pg_db="$pg_db $g2" pg_two="$pg_two $g3"
done
# The front ends' copies follow the database within moments.
sleep 1
printf '%-44s %8s exchanges/s %6s ms CPU/exchange %-22s best 20 kept: %s of 20\n' \
  "shipped server, table in a file" "$(median <<<"${all_file# }")" "$(median <<<"${cpu_file# }")" "" \
  "$(kept "$work/file/WWW/records.rec")" \
  "shipped server, table in PostgreSQL" "$(median <<<"${all_db# }")" "$(median <<<"${cpu_db# }")" \
  "(+$(median <<<"${pg_db# }") in PostgreSQL)" "$(kept "$work/db/WWW/records.rec")" \
  "two front ends on one PostgreSQL" "$(median <<<"${all_two# }")" "$(median <<<"${cpu_two# }")" \
  "(+$(median <<<"${pg_two# }") in PostgreSQL)" "$(kept "$work/fe1/WWW/records.rec")" \
  "vsftpd (stores as sent)" "$(median <<<"${all_vs# }")" "$(median <<<"${cpu_vs# }")" "" \
  "$(kept "$work/vs/WWW/records.rec")"
if [ "${PROFILE:-0}" = 1 ]; then
  # One more file store, --workers 1, every thread under cProfile, for one round of new players.
  /usr/bin/python3 scripts/lib/profile_server.py "$work/prof.out" server/results_server.py --dir "$work/prof" \
    --ftp-port 0 --http-port 0 --records-tool "$tool" --max-connections 100 --max-per-address 100 \
    >"$work/prof.txt" 2>"$work/prof.log" &
  prof_pid=$!
  pids+=($prof_pid)
  for _ in $(seq 150); do grep -q '^READY ' "$work/prof.txt" && break; sleep 0.1; done
  prof_port=$(sed -n 's/^READY ftp=\([0-9]*\) .*/\1/p' "$work/prof.txt")
  measured rp cp unused "profiled" 1 kvelli99 quillon84 "$prof_pid" "$prof_port"
  # The records tool's share of that CPU time: the helper is the server's child.
  helper=$(pgrep -P "$prof_pid" -x kvelli99-record || true)
  echo "== profile: file store, --workers 1, under cProfile: $rp exchanges/s, $cp ms CPU/exchange," \
    "of which the records tool $(awk -v s="$(cpu $helper)" -v n="$n" 'BEGIN { printf "%.2f", s * 1000 / n }') ms"
  kill "$prof_pid"
  wait "$prof_pid" 2>/dev/null || true
  /usr/bin/python3 -c "import pstats; s = pstats.Stats('$work/prof.out'); s.sort_stats('tottime').print_stats(25)" |
    sed -n '/ncalls/,$p'
fi
same=no
cmp -s "$work/fe1/WWW/table.html" "$work/fe2/WWW/table.html" && same=yes
echo "the two front ends' pages are the same: $same; load after: $(cut -d' ' -f1-3 /proc/loadavg)"
for s in file db fe1 fe2; do
  echo "log lines of $s: $(grep -c ' entries received' "$work/$s.log"), not merged: $(grep -c 'not merged' "$work/$s.log" || true)," \
    "entries not accepted: $(grep -c 'not accepted' "$work/$s.log" || true)"
  grep -m2 'not accepted' "$work/$s.log" | sed 's/.*not accepted: /   e.g. /' || true
done
