#!/usr/bin/env bash
# Starts the game under Xvfb and saves a picture of its main window to docs/screenshot-main.png
# (or to the file given). Builds the game first if build/kvelli99 is missing.
#   scripts/screenshot.sh [--dpi N] [--scale F] [--marks] [--show records|advert] [output.png]
# --dpi sets the screen's logical resolution (Xft.dpi, as a desktop's settings do; default 96),
# --scale Qt's scale factor (QT_SCALE_FACTOR, as on a screen that doubles pixels; default 1),
# The game speaks the desktop's language (LANG and the like): Russian or English.
# --marks turns on the symbols on the balls, --show takes the records window (F5, with a few
# results in the table) or the advertisement window (F4) instead of the main window.
set -euo pipefail
cd "$(dirname "$0")/.."
dpi=96
scale=1
marks=0
show=main
while [ $# -gt 0 ]; do
  case $1 in
    --dpi) dpi=$2; shift 2 ;;
    --scale) scale=$2; shift 2 ;;
    --marks) marks=1; shift ;;
    --show) show=$2; shift 2 ;;
    -*) echo "screenshot.sh: unknown option $1" >&2; exit 2 ;;
    *) break ;;
  esac
done
[[ $dpi =~ ^[0-9]+$ ]] || { echo "screenshot.sh: --dpi needs a whole number" >&2; exit 2; }
[[ $scale =~ ^[0-9]+(\.[0-9]+)?$ ]] || { echo "screenshot.sh: --scale needs a number" >&2; exit 2; }
case $show in
  main) key= title="Квелли 99 Internet version" english="Kvelli 99 Internet version" ;;
  records) key=F5 title="Рекорды" english="Records" ;;
  advert) key=F4 title="Ваша реклама" english="Your advertisement" ;;
  *) echo "screenshot.sh: --show takes records or advert" >&2; exit 2 ;;
esac
. scripts/lib/xvfb-game.sh
out=${1:-$root/docs/screenshot-main.png}
case $out in /*) ;; *) out=$root/$out ;; esac
need_tools Xvfb xwininfo xrdb import
[ -z "$key" ] || need_tools xdotool
ensure_game_built
# Room for the window at any of these settings (start_xvfb's -noreset keeps the resources set below).
KV_XVFB_SCREEN=1600x1200x24 start_xvfb -dpi "$dpi"
echo "Xft.dpi: $dpi" | xrdb -nocpp -merge

# A fresh player: settings, window state and records in a temporary place.
mkdir -p "$work/config/kvelli99"
: >"$work/Kvelli99.rec"  # an empty table, so no start-up message about a missing records file
if [ "$show" = records ]; then
  # Lines "name_score", each byte b stored as (256 - b) mod 256, ending in CR LF.
  python3 -c 'import sys
rows = [("Марина", 2315), ("Oleg", 1840), ("Катя", 1205), ("Player", 760), ("Иван", 415)]
neg = lambda t: bytes((256 - b) % 256 for b in t)
sys.stdout.buffer.write(b"".join(neg(f"{n}_{s}".encode("cp1251")) + b"\r\n" for n, s in rows))' >"$work/Kvelli99.rec"
fi
[ "$marks" = 0 ] || printf '[Data]\nMarks=1\n' >"$work/config/kvelli99/kvelli99.INI"
(cd "$work" && XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale exec "$exe") &
game_pid=$!

id=
for _ in $(seq 200); do
  id=$(xwininfo -root -tree 2>/dev/null | awk '/"(Квелли|Kvelli) 99 Internet version/ {print $1; exit}')
  [ -n "$id" ] && break
  sleep 0.05
done
[ -n "$id" ] || { echo "the main window did not appear" >&2; exit 1; }
sleep 1  # let it paint
if [ -n "$key" ]; then
  # No window manager: the focus is set by hand, once the window can take it.
  for _ in $(seq 50); do xdotool windowfocus --sync "$id" 2>/dev/null && break; sleep 0.1; done
  xdotool key "$key"
  main=$id id=
  for _ in $(seq 100); do
    id=$(xwininfo -root -tree 2>/dev/null | awk -v t="\"$title\"" -v e="\"$english\"" 'index($0, t) || index($0, e) {print $1; exit}')
    [ -n "$id" ] && [ "$id" != "$main" ] && break
    id=
    sleep 0.05
  done
  [ -n "$id" ] || { echo "the window \"$title\" did not appear" >&2; xwininfo -root -tree | grep -F "\"" >&2; exit 1; }
  sleep 1
fi
mkdir -p "$(dirname "$out")"
import -window "$id" "$out"
size=$(xwininfo -id "$id" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
echo "wrote $out ($size pixels at $dpi dpi, scale $scale)"
