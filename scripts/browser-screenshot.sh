#!/usr/bin/env bash
# Starts the shipped results server on free ports, sends two players' results to it the way the
# game's exchange does (the network core's workflow with the records code, through a small tool),
# and renders the served page in Debian's headless Chromium to docs/screenshot-results-page.png
# (or to the file given). Not part of CI; needs chromium (apt-get install chromium).
#   scripts/browser-screenshot.sh [output.png]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=${1:-$root/docs/screenshot-results-page.png}
case $out in /*) ;; *) out=$root/$out ;; esac
build=${KV_BUILD:-$root/build-shot}

browser=$(command -v chromium || true)
[ -n "$browser" ] || { echo "missing chromium: apt-get install chromium" >&2; exit 1; }

work=$(mktemp -d)
server_pid=
cleanup() {
  [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# The driver: the network core's exchange with the records core, without the window.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKV_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target results_exchange kvelli99-records >/dev/null
exchange=$build/tests/results_exchange

server/results-server.sh --dir "$work/server" --ftp-port 0 --http-port 0 --records-tool "$build/kvelli99-records" >"$work/server.out" 2>"$work/server.log" &
server_pid=$!
for _ in $(seq 150); do grep -q '^READY ' "$work/server.out" && break; sleep 0.1; done
read -r ftp http < <(sed -n 's/^READY ftp=\([0-9]*\) http=\([0-9]*\)$/\1 \2/p' "$work/server.out")
[ -n "${http:-}" ] || { cat "$work/server.out" "$work/server.log" >&2; exit 1; }

# Two players' records files (Windows-1251, bytes negated, CR LF), sent one after the other. The
# names avoid "у", "ж" and "ц", which the format cannot carry (the game stores stand-ins for them).
records() {
  /usr/bin/python3 - "$1" "${@:2}" <<'EOF'
import sys
with open(sys.argv[1], "wb") as f:
    for entry in sys.argv[2:]:
        f.write(bytes((256 - b) % 256 for b in entry.encode("cp1251")) + b"\r\n")
EOF
}
mkdir -p "$work/p1" "$work/p2"
records "$work/p1/Kvelli99.rec" "Фёдор_2315" "Ёлкин_1840" "Щербаков_1205" "Іван_960" "Player One_415"
records "$work/p2/Kvelli99.rec" "Эльвира_2650" "Яна Гришина_1510" "Ґалина_1020" "Љиљана_780" "Зоя_305"
"$exchange" 127.0.0.1 "$ftp" "$work/p1" >/dev/null
"$exchange" 127.0.0.1 "$ftp" "$work/p2" >/dev/null

mkdir -p "$(dirname "$out")"
"$browser" --headless --no-sandbox --disable-gpu --disable-background-networking \
  --disable-component-update --disable-sync --no-first-run --hide-scrollbars \
  --user-data-dir="$work/chromium" --window-size=560,480 --screenshot="$out" \
  "http://127.0.0.1:$http/table.html" >/dev/null 2>"$work/chromium.log" || { cat "$work/chromium.log" >&2; exit 1; }
echo "wrote $out"
