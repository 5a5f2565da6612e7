#!/usr/bin/env bash
# Starts the game and a bare Qt 6 main window (a menu bar and a client area of the game's size,
# built here from a few lines) side by side under Xvfb, alternately, and prints for each the
# median time to its first painted window (from the moment it is started), the CPU time spent by
# then, its resident memory and its CPU use over idle seconds, and the game's figures against the
# bare window's.
# Builds build/kvelli99 first if it is missing; KVELLI_EXE names another executable.
# KVELLI_LANGUAGES="de ar ja" (or "all": Russian and every translations/kvelli99_*.ts) measures
# the first painting in each language instead, both programs under LANGUAGE=<language>.
#   scripts/measure-startup.sh [runs, default 3] [idle seconds, default 10]
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/xvfb-game.sh
runs=${1:-3}
idle=${2:-10}
need_tools Xvfb xwininfo g++ pkg-config
ensure_game_built
start_xvfb

# The bare window: what any Qt Widgets program of this shape costs.
cat >"$work/bare.cpp" <<'CPP'
#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>
class Probe : public QObject {
  public:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && !done_) {
            done_ = true;
            QTimer::singleShot(0, this, [] {
                timespec ts{}, cpu{};
                clock_gettime(CLOCK_REALTIME, &ts);
                clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
                std::fprintf(stderr, "first-paint %lld %lld\n", ts.tv_sec * 1000000000LL + ts.tv_nsec,
                             cpu.tv_sec * 1000000000LL + cpu.tv_nsec);
                std::fflush(stderr);
            });
        }
        return QObject::eventFilter(o, e);
    }
    bool done_ = false;
};
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow w;
    for (const char* m : {"Game", "Internet", "?"}) w.menuBar()->addMenu(QString::fromUtf8(m))->addAction("Item");
    auto* client = new QWidget;
    client->setFixedSize(491, 531);
    w.setCentralWidget(client);
    Probe probe;
    w.installEventFilter(&probe);
    w.show();
    return app.exec();
}
CPP
# shellcheck disable=SC2046
g++ -std=c++17 -O2 -fPIC "$work/bare.cpp" -o "$work/bare" $(pkg-config --cflags --libs Qt6Widgets)

mkdir -p "$work/home"
# Sets game_pid and paint_ms for a start of "$@" in a home of its own (no message box: the game
# keeps its records in the data directory there, as at a first start from the menu).
start_one() {
  : >"$work/err"
  rm -rf "$work/home" && mkdir -p "$work/home"
  local t0
  t0=$(date +%s%N)
  (cd "$work/home" && HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share \
     QT_QPA_PLATFORM=xcb KVELLI_REPORT_FIRST_PAINT=1 exec "$@" >/dev/null 2>"$work/err") &
  game_pid=$!
  local line=
  for _ in $(seq 400); do
    line=$(grep -m1 '^first-paint ' "$work/err" || true)
    [ -n "$line" ] && break
    sleep 0.025
  done
  [ -n "$line" ] || { echo "the window of $1 was not painted within 10 s" >&2; cat "$work/err" >&2; exit 1; }
  local painted cpu
  read -r _ painted cpu <<<"$line"
  paint_ms=$(( (painted - t0) / 1000000 ))
  # The CPU time it had used by then: steadier than the wall clock on a busy machine.
  cpu_ms=$(( ${cpu:-0} / 1000000 ))
}
stop_one() {
  kill "$game_pid" 2>/dev/null || true
  wait "$game_pid" 2>/dev/null || true
  game_pid=
}
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
# Prints "RSS_KB CPU_PERCENT" of the running process over $idle idle seconds.
settle_and_measure() {
  sleep 1
  local rss c0 c1 hz
  rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$game_pid/status")
  hz=$(getconf CLK_TCK)
  c0=$(awk '{print $14 + $15}' "/proc/$game_pid/stat")
  sleep "$idle"
  c1=$(awk '{print $14 + $15}' "/proc/$game_pid/stat")
  awk -v r="$rss" -v d=$((c1 - c0)) -v hz="$hz" -v s="$idle" 'BEGIN { printf "%d %.1f\n", r, 100 * d / hz / s }'
}

# One language: the first paintings side by side, alternately, and their ratios, by the wall
# clock and by the CPU time spent until then (steadier on a busy machine).
per_language() {
  local lang=$1 g=() b=() gc=() bc=() gm bm gcm bcm
  for _ in $(seq "$runs"); do
    LANGUAGE=$lang start_one "$exe"; g+=("$paint_ms"); gc+=("$cpu_ms"); stop_one
    LANGUAGE=$lang start_one "$work/bare"; b+=("$paint_ms"); bc+=("$cpu_ms"); stop_one
  done
  gm=$(median "${g[@]}") bm=$(median "${b[@]}") gcm=$(median "${gc[@]}") bcm=$(median "${bc[@]}")
  printf '%-6s wall: game %4d ms, bare %4d ms, ratio %s; CPU: game %4d ms, bare %4d ms, ratio %s\n' \
    "$lang" "$gm" "$bm" "$(awk -v g="$gm" -v b="$bm" 'BEGIN {printf "%.2f", g / b}')" \
    "$gcm" "$bcm" "$(awk -v g="$gcm" -v b="$bcm" 'BEGIN {printf "%.2f", g / b}')"
}
if [ -n "${KVELLI_LANGUAGES:-}" ]; then
  langs=$KVELLI_LANGUAGES
  if [ "$langs" = all ]; then
    langs="ru $(cd translations && ls kvelli99_*.ts | sed 's/^kvelli99_//; s/\.ts$//' | tr '\n' ' ')"
  fi
  echo "first painted window, median of $runs, per language (LANGUAGE=...):"
  for lang in $langs; do per_language "$lang"; done
  exit 0
fi

game_times=() bare_times=() game_cpus=() bare_cpus=()
for i in $(seq "$runs"); do
  start_one "$exe"; game_times+=("$paint_ms"); game_cpus+=("$cpu_ms")
  if [ "$i" -lt "$runs" ]; then stop_one; fi
  if [ "$i" -eq "$runs" ]; then read -r game_rss game_cpu < <(settle_and_measure); stop_one; fi
  start_one "$work/bare"; bare_times+=("$paint_ms"); bare_cpus+=("$cpu_ms")
  if [ "$i" -lt "$runs" ]; then stop_one; fi
  if [ "$i" -eq "$runs" ]; then read -r bare_rss bare_cpu < <(settle_and_measure); stop_one; fi
done
game_ms=$(median "${game_times[@]}")
bare_ms=$(median "${bare_times[@]}")
echo "first painted window, runs in order: game ${game_times[*]} ms; bare window ${bare_times[*]} ms"
echo "median: game $game_ms ms, bare window $bare_ms ms, ratio $(awk -v g="$game_ms" -v b="$bare_ms" 'BEGIN {printf "%.2f", g / b}')"
game_cpu_ms=$(median "${game_cpus[@]}")
bare_cpu_ms=$(median "${bare_cpus[@]}")
echo "CPU time to the first painting, median: game $game_cpu_ms ms, bare window $bare_cpu_ms ms, ratio $(awk -v g="$game_cpu_ms" -v b="$bare_cpu_ms" 'BEGIN {printf "%.2f", g / b}')"
echo "resident memory: game $((game_rss / 1024)) MiB ($game_rss kB), bare window $((bare_rss / 1024)) MiB ($bare_rss kB)"
echo "CPU over $idle idle seconds: game $game_cpu %, bare window $bare_cpu %"
