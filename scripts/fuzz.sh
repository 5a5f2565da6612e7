#!/usr/bin/env bash
# Builds the fuzz targets (fuzz/, clang + libFuzzer + AddressSanitizer + UBSan) and runs each one,
# one after the other, from the committed seed corpus. Fails on any crash, sanitizer report,
# broken invariant, leak or hang. Prints runs and executions per second for each target.
#
#   scripts/fuzz.sh [seconds-per-target] [target...]      (default 30 seconds, all targets)
#   KV_FUZZ_RUNS=10000000 scripts/fuzz.sh 0 records       (a number of runs instead of a time)
#
# Environment: KV_FUZZ_BUILD (build dir, default build-fuzz), KV_FUZZ_OUT (where logs and any
# crashing inputs go, default a new directory under /tmp), KV_FUZZ_TMP (scratch files of the
# targets, default /dev/shm), KV_FUZZ_JOBS (build jobs, default 2), KV_FUZZ_UAR (see below).
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-30}
shift || true
all_targets=(records html savegame ftp_reply verinfo settings proof proofs)
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then targets=("${all_targets[@]}"); fi
for t in "${targets[@]}"; do
  if [[ ! " ${all_targets[*]} " == *" $t "* ]]; then
    echo "fuzz.sh: no target '$t' (targets: ${all_targets[*]})" >&2
    exit 2
  fi
done
if ! [[ $seconds =~ ^[0-9]+$ ]]; then
  echo "fuzz.sh: seconds must be a whole number, not '$seconds'" >&2
  exit 2
fi
runs=${KV_FUZZ_RUNS:--1}
if [ "$seconds" -eq 0 ] && [ "$runs" -lt 0 ]; then
  echo "fuzz.sh: 0 seconds needs KV_FUZZ_RUNS, or the runs would never end" >&2
  exit 2
fi

if [ -x scripts/install-deps.sh ]; then scripts/install-deps.sh; fi
clang=$(command -v clang++-14 || command -v clang++ || true)
if [ -z "$clang" ]; then
  echo "fuzz.sh: clang++ not found (packages clang and libclang-rt-14-dev)" >&2
  exit 1
fi

build=${KV_FUZZ_BUILD:-build-fuzz}
cmake -S fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER="$clang" >/dev/null
cmake --build "$build" -j "${KV_FUZZ_JOBS:-2}" -- $(printf 'fuzz_%s ' "${targets[@]}")

out=${KV_FUZZ_OUT:-$(mktemp -d /tmp/kv-fuzz-out.XXXXXX)}
mkdir -p "$out"
# Sanitizer reports end the run; a report on a path the run allows to go on would hide a fault.
# KV_FUZZ_UAR=0 leaves out the stack-use-after-return check: ASan sweeps its fake stack on every
# thrown exception, which makes a long run of a target that throws on most inputs (ftp_reply)
# three times slower. The short runs of CI keep it.
export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=0:detect_stack_use_after_return=${KV_FUZZ_UAR:-1}
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
unset LSAN_OPTIONS

failed=()
printf '\n%-10s %12s %8s %10s  %s\n' target runs seconds execs/s result
for t in "${targets[@]}"; do
  # New inputs go to a scratch corpus; the committed seeds are only read.
  grown="$out/corpus-$t"
  mkdir -p "$grown"
  log="$out/$t.log"
  args=(-max_total_time="$seconds" -runs="$runs" -timeout=10 -rss_limit_mb=2560
        -print_final_stats=1 -artifact_prefix="$out/$t-")
  if [ -f "fuzz/$t.dict" ]; then args+=(-dict="fuzz/$t.dict"); fi
  start=$(date +%s)
  set +e
  "$build/fuzz_$t" "${args[@]}" "$grown" "fuzz/corpus/$t" >"$log" 2>&1
  rc=$?
  set -e
  elapsed=$(($(date +%s) - start))
  done_runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  result=ok
  if [ $rc -ne 0 ] || grep -qE '^==[0-9]+==ERROR|runtime error:|invariant broken|^SUMMARY: ' "$log"; then
    result="FAILED (exit $rc, see $log)"
    failed+=("$t")
  fi
  printf '%-10s %12s %8s %10s  %s\n' "$t" "${done_runs:-?}" "$elapsed" "${rate:-?}" "$result"
  if [ "$result" != ok ]; then
    grep -E 'ERROR|runtime error:|invariant broken|SUMMARY|Test unit written' "$log" | head -20 | sed 's/^/    /'
  fi
done

if [ ${#failed[@]} -ne 0 ]; then
  echo "fuzz.sh: findings in: ${failed[*]} (inputs and logs in $out)" >&2
  exit 1
fi
if [ -z "${KV_FUZZ_OUT:-}" ]; then rm -rf "$out"; fi
