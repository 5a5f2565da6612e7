#!/usr/bin/env bash
# Starts the game under Xvfb and saves a picture of its main window to docs/screenshot-main.png
# (or to the file given). Builds the game first if build/kvelli99 is missing.
#   scripts/screenshot.sh [--dpi N] [--scale F] [output.png]
# --dpi sets the screen's logical resolution (Xft.dpi, as a desktop's settings do; default 96),
# --scale Qt's scale factor (QT_SCALE_FACTOR, as on a screen that doubles pixels; default 1).
set -euo pipefail
cd "$(dirname "$0")/.."
dpi=96
scale=1
while [ $# -gt 0 ]; do
  case $1 in
    --dpi) dpi=$2; shift 2 ;;
    --scale) scale=$2; shift 2 ;;
    -*) echo "screenshot.sh: unknown option $1" >&2; exit 2 ;;
    *) break ;;
  esac
done
[[ $dpi =~ ^[0-9]+$ ]] || { echo "screenshot.sh: --dpi needs a whole number" >&2; exit 2; }
[[ $scale =~ ^[0-9]+(\.[0-9]+)?$ ]] || { echo "screenshot.sh: --scale needs a number" >&2; exit 2; }
. scripts/lib/xvfb-game.sh
out=${1:-$root/docs/screenshot-main.png}
case $out in /*) ;; *) out=$root/$out ;; esac
need_tools Xvfb xwininfo xrdb import
ensure_game_built
# Room for the window at any of these settings; -noreset keeps the resources set below.
KV_XVFB_SCREEN=1600x1200x24 start_xvfb -dpi "$dpi" -noreset
echo "Xft.dpi: $dpi" | xrdb -nocpp -merge

# A fresh player: settings, window state and records in a temporary place.
mkdir -p "$work/config"
: >"$work/Kvelli99.rec"  # an empty table, so no start-up message about a missing records file
(cd "$work" && XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale exec "$exe") &
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
size=$(xwininfo -id "$id" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
echo "wrote $out ($size pixels at $dpi dpi, scale $scale)"
