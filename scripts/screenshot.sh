#!/usr/bin/env bash
# Starts the game under Xvfb and saves a picture of its main window to docs/screenshot-main.png
# (or to the file given). Builds the game first if build/kvelli99 is missing.
#   scripts/screenshot.sh [output.png]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=${1:-$root/docs/screenshot-main.png}
case $out in /*) ;; *) out=$root/$out ;; esac
exe=${KVELLI_EXE:-$root/build/kvelli99}

for tool in Xvfb xwininfo import; do
  command -v "$tool" >/dev/null || { echo "missing $tool: run scripts/install-deps.sh" >&2; exit 1; }
done
if [ ! -x "$exe" ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKV_TESTS=OFF -DKV_BENCH=OFF >/dev/null
  cmake --build build --target kvelli99
fi

# A fresh player: settings, window state and records in a temporary place.
work=$(mktemp -d)
xvfb_pid=
game_pid=
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

display=
for n in $(seq 90 140); do
  if [ ! -e /tmp/.X$n-lock ] && [ ! -e /tmp/.X11-unix/X$n ]; then display=:$n; break; fi
done
[ -n "$display" ] || { echo "no free X display" >&2; exit 1; }
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -dpi 96 >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 100); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.05; done

mkdir -p "$work/config"
: >"$work/Kvelli99.rec"  # an empty table, so no start-up message about a missing records file
(cd "$work" && XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=xcb exec "$exe") &
game_pid=$!

id=
for _ in $(seq 200); do
  id=$(xwininfo -root -tree 2>/dev/null | awk '/"Квелли 99 Internet version/ {print $1; exit}')
  [ -n "$id" ] && break
  sleep 0.05
done
[ -n "$id" ] || { echo "the main window did not appear" >&2; exit 1; }
sleep 1  # let it paint
mkdir -p "$(dirname "$out")"
import -window "$id" "$out"
echo "wrote $out"
