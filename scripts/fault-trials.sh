#!/usr/bin/env bash
# Runs the fault proofs at their full counts and prints the figures (docs/faults.md keeps them):
#   - every writer killed (SIGKILL) at random moments, 1,000 trials each;
#   - every writer failing by a file-size limit and by a full disk;
#   - four processes entering 400 results on one records directory, 10 rounds;
#   - the scripted session of the real window under AddressSanitizer and LeakSanitizer.
# Needs root for the tmpfs of the full-disk cases (as CI has).
#
#   scripts/fault-trials.sh [--trials N] [--rounds N] [--seed N] [--no-session]
# BUILD_DIR (default build-faults-rel) and ASAN_BUILD_DIR (default build-faults-asan) are reused.
set -euo pipefail
cd "$(dirname "$0")/.."

trials=1000
rounds=10
seed=99
session=1
while [ $# -gt 0 ]; do
  case $1 in
    --trials) trials=$2; shift 2 ;;
    --rounds) rounds=$2; shift 2 ;;
    --seed) seed=$2; shift 2 ;;
    --no-session) session=0; shift ;;
    *) echo "usage: $0 [--trials N] [--rounds N] [--seed N] [--no-session]" >&2; exit 2 ;;
  esac
done

build=${BUILD_DIR:-build-faults-rel}
asan=${ASAN_BUILD_DIR:-build-faults-asan}
jobs=${JOBS:-2}

echo "== building $build (RelWithDebInfo) =="
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKV_BENCH=OFF >/dev/null
cmake --build "$build" -j "$jobs" --target test_faults

status=0
# Prints the figure lines and the verdicts of one test binary run.
run() {
  local log
  log=$(mktemp)
  local start=$SECONDS
  if ! "$@" >"$log" 2>&1; then status=1; fi
  grep -E '^(killed-writer|shared-dir|failed-write|session)|^\[ *(OK|FAILED|SKIPPED) *\]|Failure|ERROR' "$log" || true
  echo "   ($((SECONDS - start)) s)"
  rm -f "$log"
}

echo
echo "== processes killed while writing: $trials trials per writer (seed $seed) =="
KV_FAULT_TRIALS=$trials KV_FAULT_SEED=$seed run "$build/tests/test_faults" --gtest_filter='KilledWriter.*'

echo
echo "== writes that fail: a file-size limit and a full disk, in every writer =="
run "$build/tests/test_faults" --gtest_filter='FailedWrite*'

echo
echo "== four processes, 400 results, one records directory: $rounds rounds =="
KV_FAULT_ROUNDS=$rounds run "$build/tests/test_faults" --gtest_filter='SharedRecordsDir.*'

if [ "$session" = 1 ]; then
  echo
  echo "== scripted session under AddressSanitizer + LeakSanitizer ($asan) =="
  cmake -S . -B "$asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKV_SANITIZE=ON -DKV_BENCH=OFF >/dev/null
  cmake --build "$asan" -j "$jobs" --target test_app_ui
  export QT_QPA_PLATFORM=offscreen
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
  run "$asan/tests/test_app_ui" --gtest_filter='Session.*'
fi

echo
if [ "$status" = 0 ]; then echo "all fault proofs passed"; else echo "FAULT PROOFS FAILED"; fi
exit "$status"
