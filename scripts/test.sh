#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite twice: in a Release build, as a
# distribution makes it (GCC), and in an AddressSanitizer + UBSan build made with clang, so that
# both compilers build everything. Then the package installed as a player installs it, the fuzz
# targets briefly and the format. Warnings are errors in every build here (KV_WERROR), though not
# in a packager's. Each stage says how long the run had taken when it began.
set -euo pipefail
cd "$(dirname "$0")/.."
stage() { echo "== $* == (at $((SECONDS / 60)) min $((SECONDS % 60)) s)"; }
stage "packages"
scripts/install-deps.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi

configure() {
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja -DKV_WERROR=ON "${launcher[@]}" "$@" >/dev/null
}
run_suite() {
  local dir=$1; shift
  configure "$dir" "$@"
  cmake --build "$dir" -j "$jobs"
  ctest --test-dir "$dir" --output-on-failure -j "$jobs" --timeout 600
}

stage "Release build (GCC)"
run_suite build-test -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=g++
stage "AddressSanitizer + UBSan build (clang)"
run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DKV_SANITIZE=ON -DKV_BENCH=OFF -DCMAKE_CXX_COMPILER=clang++

stage "the package, installed and started from the menu"
rm -rf build-test/pkg
cpack -G DEB -B build-test/pkg --config build-test/CPackConfig.cmake >/dev/null
deb=$(ls build-test/pkg/kvelli99_*.deb)
if [ "${CI:-}" = true ] && [ "$(id -u)" -eq 0 ]; then
  # As a player installs it; the machine is CI's own, and the package goes again afterwards.
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q "./$deb" >/dev/null
  status=0
  packaging/tests/check-first-start.sh /usr/share/applications/io.github.kvelli99.kvelli99.desktop || status=$?
  DEBIAN_FRONTEND=noninteractive apt-get purge -y -q kvelli99 >/dev/null
  [ "$status" -eq 0 ]
else
  x=$(mktemp -d)
  dpkg-deb -x "$deb" "$x"
  status=0
  packaging/tests/check-first-start.sh "$x/usr/share/applications/io.github.kvelli99.kvelli99.desktop" "$x/usr/games" || status=$?
  rm -rf "$x"
  [ "$status" -eq 0 ]
fi

stage "fuzz targets, briefly (longer: scripts/fuzz.sh SECONDS)"
scripts/fuzz.sh "${KV_FUZZ_SECONDS:-10}"
stage "format"
scripts/format-check.sh
stage "done"
