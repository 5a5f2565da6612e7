#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite twice: in a plain build and in
# an AddressSanitizer + UBSan build. Warnings are errors in both.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0

run_suite() {
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
  ctest --test-dir "$dir" --output-on-failure -j "$jobs" --timeout 600
}

echo "== plain build =="
run_suite build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo
echo "== AddressSanitizer + UBSan build =="
run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DKV_SANITIZE=ON -DKV_BENCH=OFF
echo "== fuzz targets, briefly =="
scripts/fuzz.sh "${KV_FUZZ_SECONDS:-30}"
echo "== format =="
scripts/format-check.sh
