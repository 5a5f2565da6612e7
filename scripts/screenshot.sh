#!/usr/bin/env bash
# Starts the game under Xvfb and saves a picture of its main window to docs/screenshot-main.png
# (or to the file given). Builds the game first if build/kvelli99 is missing.
#   scripts/screenshot.sh [output.png]
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/xvfb-game.sh
out=${1:-$root/docs/screenshot-main.png}
case $out in /*) ;; *) out=$root/$out ;; esac
need_tools Xvfb xwininfo import
ensure_game_built
start_xvfb -dpi 96

# A fresh player: settings, window state and records in a temporary place.
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
