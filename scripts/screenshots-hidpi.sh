#!/usr/bin/env bash
# The main window at 96 dpi, at 120 dpi and on a screen that doubles pixels, for the README:
# docs/screenshot-96dpi.png, docs/screenshot-120dpi.png, docs/screenshot-scale2.png.
#   scripts/screenshots-hidpi.sh [output-directory]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-docs}
scripts/screenshot.sh --dpi 96 "$dir/screenshot-96dpi.png"
scripts/screenshot.sh --dpi 120 "$dir/screenshot-120dpi.png"
scripts/screenshot.sh --dpi 96 --scale 2 "$dir/screenshot-scale2.png"
