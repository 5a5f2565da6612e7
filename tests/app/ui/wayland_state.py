#!/usr/bin/python3
"""The game on a real Wayland compositor, and the window state it leaves.

The game on Weston's headless backend, over a window state stored on X11: a Wayland client
cannot learn where its window stands, so after a move (pressed over AT-SPI: headless Weston has
no input devices) and an exit from the menu, the stored place is kept byte for byte.

Usage: wayland_state.py GAME_EXECUTABLE
Exit status 0: passed, 1: failed, 77: skipped (a tool is missing; the reason is printed).
"""

import os
import re
import shutil
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from atspi_board import BOARD, MOVABLE, SCORE, Client, Failed, Session, log, run, wait_for  # noqa: E402

WESTON = "/usr/bin/weston"
QT_WAYLAND = "/usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqwayland-generic.so"
# Placed at 123,45 on X11; N4 checked; the window then closed normally.
STORED = ("[MainForm]\r\nFormVersion=0\r\nFlags=0\r\nShowCmd=1\r\nPixelsPerInch=96\r\n"
          "MinMaxPos=-1,-1,-1,-1\r\nNormPos=123,45,516,496\r\nVisible=0\r\nN4_Checked=True\r\n"
          "N5_Checked=False\r\n")
# The screen reader's board, with a move in the bottom row that the first move cannot take away:
# whatever falls in, the game goes on and no end-of-game window comes between the move and the exit.
BOARD = BOARD[:7] + ["66768123"]
PLACE = re.compile(r"^(PixelsPerInch|MinMaxPos|NormPos)=.*$", re.M)


def check(exe):
    tmp = tempfile.mkdtemp(prefix="kv-wayland-")
    session = Session(tmp)
    try:
        env = session.env
        session.spawn("weston", [WESTON, "--backend=headless-backend.so", "--socket=kv-wayland",
                                 "--idle-time=0", "--no-config"])
        socket = os.path.join(env["XDG_RUNTIME_DIR"], "kv-wayland")
        wait_for("Weston's socket", lambda: os.path.exists(socket), 15)
        session.start_session_bus()
        session.start_atspi()

        state = os.path.join(env["XDG_CONFIG_HOME"], "software", "quorvane", "kvelli", "storage.ini")
        os.makedirs(os.path.dirname(state))
        with open(state, "w", newline="") as f:
            f.write(STORED)
        saved = os.path.join(env["HOME"], "Партия.sav")
        with open(saved, "wb") as f:
            f.write("".join("%d\r\n" % v for v in [SCORE, MOVABLE] + [int(ch) for row in BOARD for ch in row]).encode())

        game_env = {k: v for k, v in env.items() if k != "AT_SPI_BUS_ADDRESS"}
        # The sanitizers' settings of a sanitized build (its suppressions among them) go along.
        game_env.update({k: v for k, v in os.environ.items() if k.endswith("SAN_OPTIONS")})
        game_env.update({"QT_QPA_PLATFORM": "wayland", "WAYLAND_DISPLAY": "kv-wayland",
                         "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "KVELLI_REPORT_FIRST_PAINT": "1"})
        game = session.spawn("game", [os.path.abspath(exe), saved], env=game_env, cwd=env["HOME"])
        wait_for("the game's first painting", lambda: "first-paint" in session.log_of("game") or game.poll() is not None, 30)
        if game.poll() is not None:
            raise Failed("the game ended at its start")

        client = Client(env)
        app = client.application(game.pid)
        by_place = {}

        def balls():
            for b in client.balls(app):
                row, col = re.search(r"ряд ([1-8]), столбец ([1-8])", b.name).groups()
                by_place[(int(row), int(col))] = b
            return len(by_place) == 64
        wait_for("64 balls on the accessibility bus", balls, 20, step=0.25, pump=client.pump)

        def press(node):
            action = node.queryAction()
            names = [action.getName(i) for i in range(action.nActions)]
            if "Press" not in names:
                raise Failed("%s offers no press, only %r" % (node.name, names))
            action.doAction(names.index("Press"))

        def score():
            for n in client.walk(app):
                m = re.fullmatch(r"Счет: (\d+)", client.name_of(n))
                if m:
                    return int(m.group(1))
            return None
        wait_for("the saved game's score", lambda: score() == SCORE, 20, step=0.25, pump=client.pump)
        # Row 1, column 3 with the ball below makes a run of 1s.
        press(by_place[(1, 3)])
        press(by_place[(2, 3)])
        wait_for("the score after the move", lambda: (score() or 0) > SCORE, 15, step=0.25, pump=client.pump)

        exits = [n for n in client.walk(app) if client.name_of(n).replace("&", "") == "Выход"]
        if not exits:
            raise Failed("no exit item on the accessibility bus")
        press(exits[0])
        wait_for("the game to end", lambda: game.poll() is not None, 20, pump=client.pump)
        if game.returncode != 0:
            raise Failed("the game ended with status %s" % game.returncode)

        with open(state, newline="") as f:
            written = f.read()
        place = [line for line in STORED.splitlines() if PLACE.match(line)]
        if [line for line in written.splitlines() if PLACE.match(line)] != place:
            raise Failed("the place stored on X11 changed:\n" + written)
        if "ShowCmd=1" not in written.splitlines():
            raise Failed("the show state was not written:\n" + written)
        log("passed")
        return 0
    except Exception as e:
        game = dict(session.procs).get("game")
        ended = "" if game is None or game.poll() is None else " (the game ended with status %s)" % game.returncode
        raise Failed("%s: %s%s\ngame's output:\n%s\nWeston's:\n%s" % (
            type(e).__name__, e, ended, session.log_of("game"), session.log_of("weston")[-2000:])) from e
    finally:
        session.stop()
        shutil.rmtree(tmp, ignore_errors=True)


def main():
    return run(__doc__, check, [p for p in (WESTON, QT_WAYLAND) if not os.path.exists(p)])


if __name__ == "__main__":
    sys.exit(main())
