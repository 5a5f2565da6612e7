#!/usr/bin/env bash
# Starts the game the way a desktop menu does: its desktop entry's Exec, in a fresh home that is
# also the working directory, under Xvfb. The first start must show the main window and no
# message box, and keep the records in the data directory with an empty table. Then the same
# start with a settings file naming a directory without a table must show the design's box.
# Usage: check-first-start.sh DESKTOP_FILE [BIN_DIR]   (BIN_DIR goes first on the PATH)
set -euo pipefail
desktop=$1
bindir=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=common.sh
source "$here/common.sh"
for tool in Xvfb xwininfo; do command -v $tool >/dev/null || fail "missing $tool: run scripts/install-deps.sh"; done

# The command line without the field codes (%f, %U, ...) a launcher would fill in.
exec_line=$(desktop_value "$desktop" Exec | sed -e 's/ *%[fFuUdDnNickvm]//g')
[ -n "$exec_line" ] || fail "no Exec in $desktop"

xvfb_pid= game_pid=
stop() {
    if [ -n "$game_pid" ]; then kill "$game_pid" 2>/dev/null || true; wait "$game_pid" 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$tmp"
}
trap stop EXIT
# Xvfb picks a free display itself and tells its number once it listens there: a display
# chosen by looking at lock files can be taken by another server meanwhile. -noreset: without
# it the server resets each time its last client leaves, and a game started during that reset
# cannot connect.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$tmp/display" >"$tmp/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 200); do [ -s "$tmp/display" ] && break; kill -0 "$xvfb_pid" 2>/dev/null || break; sleep 0.05; done
[ -s "$tmp/display" ] || fail "Xvfb did not start"
display=:$(tr -dc 0-9 <"$tmp/display")
export DISPLAY=$display
# Every question to the server is bounded: a server that stops answering fails the check, not hangs it.
xwi() { timeout 10 xwininfo "$@"; }
xwi -root >/dev/null 2>&1 || fail "Xvfb did not answer on $display"

# Whether the X server still runs, and what it said: a game that cannot connect needs both.
xvfb_state() {
    kill -0 "$xvfb_pid" 2>/dev/null && echo "Xvfb on $DISPLAY still runs" || echo "Xvfb on $DISPLAY has ended"
    sed 's/^/Xvfb: /' "$tmp/xvfb.log"
}

# The names of the windows on the screen (mapped, viewable).
shown_windows() {
    local id
    xwi -root -tree | grep -o '^ *0x[0-9a-f]* "[^"]*"' | while read -r id _; do
        xwi -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' &&
            xwi -id "$id" | sed -n 's/^xwininfo: Window id: 0x[0-9a-f]* "\(.*\)"$/\1/p'
    done
    return 0
}

# start HOME: runs the entry's command there; sets game_pid; waits for the first painting.
start() {
    local home=$1 attempt=${2:-1}
    mkdir -p "$home/run"
    chmod 700 "$home/run"
    for _ in $(seq 100); do xwi -root >/dev/null 2>&1 && break; sleep 0.05; done
    (
        cd "$home"
        # A user's PATH on Debian ends with /usr/games, where the package puts the game.
        exec env -i PATH="${bindir:+$bindir:}/usr/bin:/bin:/usr/games" HOME="$home" DISPLAY="$DISPLAY" \
            XDG_RUNTIME_DIR="$home/run" LANG=C.UTF-8 QT_QPA_PLATFORM=xcb KVELLI_REPORT_FIRST_PAINT=1 \
            sh -c "exec $exec_line" >"$home/out" 2>"$home/err"
    ) &
    game_pid=$!
    # A box shown while the main window is made holds back its painting: either ends the wait.
    for _ in $(seq 60); do
        grep -q '^first-paint ' "$home/err" 2>/dev/null && break
        shown_windows | grep -qx "Kvelli '99" && break
        if ! kill -0 "$game_pid" 2>/dev/null; then
            # Not reaching the X server is the machine's trouble, not the game's: one more try.
            if [ "$attempt" -eq 1 ] && grep -q 'could not connect to display' "$home/err"; then
                echo "note: the game could not reach $DISPLAY; starting it once more" >&2
                xvfb_state >&2
                start "$home" 2
                return
            fi
            cat "$home/err" >&2
            xvfb_state >&2
            fail "the game ended at its start"
        fi
        sleep 0.25
    done
    sleep 1  # a box would be up by now
}

# --- a first start from the menu
home=$tmp/first
start "$home"
grep -q '^first-paint ' "$home/err" || { cat "$home/err" >&2; fail "no window was painted within 15 s"; }
windows=$(shown_windows)
echo "first start shows: ${windows//$'\n'/ | }"
grep -q '^Квелли 99 Internet version' <<<"$windows" || fail "the main window is not shown"
! grep -qx "Kvelli '99" <<<"$windows" || fail "a message box is shown at the first start"
[ -f "$home/.local/share/kvelli99/Kvelli99.rec" ] || fail "no records table in the data directory"
[ ! -s "$home/.local/share/kvelli99/Kvelli99.rec" ] || fail "the new records table is not empty"
[ ! -e "$home/Kvelli99.rec" ] || fail "a records table was made in the working directory"
kill "$game_pid"
wait "$game_pid" 2>/dev/null || true
game_pid=

# --- the next start finds that table as it is (here holding one result) and says nothing
table=$home/.local/share/kvelli99/Kvelli99.rec
printf '\x9f\x9e\x9d\xa1\xcb\r\n' >"$table"  # abc 5
start "$home"
windows=$(shown_windows)
echo "next start shows: ${windows//$'\n'/ | }"
! grep -qx "Kvelli '99" <<<"$windows" || fail "a message box is shown at the next start"
[ "$(od -An -tx1 "$table" | tr -d ' \n')" = 9f9e9da1cb0d0a ] || fail "the next start changed the table"
kill "$game_pid"
wait "$game_pid" 2>/dev/null || true
game_pid=

# --- a directory picked without a table keeps the design's message, and gets no table
home=$tmp/picked
mkdir -p "$home/.config/kvelli99" "$home/share"
printf '[Data]\nDirectory=%s\n' "$home/share" >"$home/.config/kvelli99/kvelli99.INI"
start "$home"
windows=$(shown_windows)
echo "start with a picked directory shows: ${windows//$'\n'/ | }"
grep -qx "Kvelli '99" <<<"$windows" || fail "no message box for a picked directory without a table"
[ ! -e "$home/share/Kvelli99.rec" ] || fail "a records table was made in the picked directory"
[ ! -e "$home/.local/share/kvelli99" ] || fail "the data directory was made although a directory was picked"
echo "first start: all checks passed"
