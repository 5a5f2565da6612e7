# Shared by the scripts that run the game under Xvfb: sourced, not run.
# Sets root, exe, work (a temporary directory removed at exit), game_pid (killed at exit).

root=$PWD
exe=${KVELLI_EXE:-$root/build/kvelli99}
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

# need_tools TOOL...: fails unless every tool is on the PATH.
need_tools() {
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "missing $tool: run scripts/install-deps.sh" >&2; exit 1; }
  done
}

# Builds build/kvelli99 if the executable to run is missing.
ensure_game_built() {
  if [ ! -x "$exe" ]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKV_TESTS=OFF -DKV_BENCH=OFF >/dev/null
    cmake --build build --target kvelli99
  fi
}

# start_xvfb [XVFB-ARGS...]: starts Xvfb on a free display (screen KV_XVFB_SCREEN, default
# 1024x768x24), exports DISPLAY, waits until it answers. -noreset: a client that connects while
# the server resets after its last client left is refused.
start_xvfb() {
  local display= n
  for n in $(seq 90 140); do
    if [ ! -e /tmp/.X$n-lock ] && [ ! -e /tmp/.X11-unix/X$n ]; then display=:$n; break; fi
  done
  [ -n "$display" ] || { echo "no free X display" >&2; exit 1; }
  Xvfb "$display" -screen 0 "${KV_XVFB_SCREEN:-1024x768x24}" -nolisten tcp -noreset "$@" >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=$display
  for _ in $(seq 100); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.05; done
}
