#!/usr/bin/env bash
# Starts the game under Xvfb and prints the time to its first painted window (from the moment
# it is started), its resident memory, and its CPU use over 10 idle seconds.
# Builds build/kvelli99 first if it is missing; KVELLI_EXE names another executable.
#   scripts/measure-startup.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/xvfb-game.sh
runs=${1:-3}
need_tools Xvfb xwininfo
ensure_game_built
start_xvfb

mkdir -p "$work/config"
: >"$work/Kvelli99.rec"  # no start-up message about a missing records file

# Sets game_pid and paint_ms (no subshell: the game must stay this shell's child).
start_game() {
  : >"$work/err"
  local t0
  t0=$(date +%s%N)
  (cd "$work" && XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=xcb KVELLI_REPORT_FIRST_PAINT=1 \
     exec "$exe" >/dev/null 2>"$work/err") &
  game_pid=$!
  local line=
  for _ in $(seq 400); do
    line=$(grep -m1 '^first-paint ' "$work/err" || true)
    [ -n "$line" ] && break
    sleep 0.025
  done
  [ -n "$line" ] || { echo "the window was not painted within 10 s" >&2; cat "$work/err" >&2; exit 1; }
  paint_ms=$(( (${line#first-paint } - t0) / 1000000 ))
}

stop_game() {
  kill "$game_pid" 2>/dev/null || true
  wait "$game_pid" 2>/dev/null || true
  game_pid=
}

times=()
for i in $(seq "$runs"); do
  start_game
  times+=("$paint_ms")
  [ "$i" -lt "$runs" ] && stop_game
done
echo "time to first painted window: ${times[*]} ms (runs in order; the first may warm caches)"

sleep 1  # let start-up work settle
rss_kb=$(awk '/^VmRSS:/ {print $2}' "/proc/$game_pid/status")
echo "resident memory: $((rss_kb / 1024)) MiB ($rss_kb kB)"

ticks() { awk '{print $14 + $15}' "/proc/$game_pid/stat"; }
hz=$(getconf CLK_TCK)
c0=$(ticks)
sleep 10
c1=$(ticks)
awk -v d=$((c1 - c0)) -v hz="$hz" 'BEGIN { printf "CPU over 10 idle seconds: %.1f %% (%d ticks of 1/%d s)\n", 100 * d / hz / 10, d, hz }'
stop_game
