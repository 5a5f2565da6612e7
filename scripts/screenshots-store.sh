#!/usr/bin/env bash
# The store page's pictures, all at 96 dpi: the main window, the balls with their symbols, the
# records window, the advertisement window (under Xvfb) and the results page (in Chromium).
# The metainfo links them at the commit that holds them; after remaking them, commit them and
# point the metainfo's <image> links at that commit.
#   scripts/screenshots-store.sh [output-directory]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-docs}
scripts/screenshot.sh "$dir/screenshot-main.png"
scripts/screenshot.sh --marks "$dir/screenshot-marks.png"
scripts/screenshot.sh --show records "$dir/screenshot-records.png"
scripts/screenshot.sh --show advert "$dir/screenshot-advert.png"
scripts/browser-screenshot.sh "$dir/screenshot-results-page.png"
