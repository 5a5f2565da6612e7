#!/usr/bin/python3
"""The board as a screen reader meets it, through the real accessibility bus.

Starts, each bounded in time and stopped at the end: Xvfb on a display of its own choosing, a
private session bus on a unix socket in a temporary directory, the AT-SPI bus launcher and
registry on that bus, and the game, opening a saved game as the desktop opens one. Then, as an
AT-SPI client:
  - the 64 balls are found, each a button named "<colour> шар, ряд R, столбец C", once per
    place; the colour word is the saved game's colour there and the colour painted at the
    ball's place on the screen;
  - the two counters are read with their words and the saved game's values;
  - arrow keys move the accessibility focus with the keyboard frame, to the framed ball only;
  - Space chooses the framed ball, and the ball says so;
  - H puts the frame, and so the reader, on a ball that can move, which says the way to go;
  - a move made with the keys is heard: the frame, the choice, the board and the score changing.

Usage: atspi_board.py GAME_EXECUTABLE
Exit status 0: passed, 1: failed, 77: skipped (a tool is missing; the reason is printed).
"""

import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIP = 77
OVERALL_SECONDS = 120

TOOLS = {
    "Xvfb": "/usr/bin/Xvfb",
    "dbus-daemon": "/usr/bin/dbus-daemon",
    "dbus-send": "/usr/bin/dbus-send",
    "at-spi-bus-launcher": "/usr/libexec/at-spi-bus-launcher",
    "at-spi2-registryd": "/usr/libexec/at-spi2-registryd",
    "xdotool": "/usr/bin/xdotool",
    "import": "/usr/bin/import",
}

# The colours of the dealt balls as painted, and the word a ball of that colour is named by.
COLOURS = {
    (0x00, 0x00, 0xFF): "синий",
    (0xFF, 0x00, 0x00): "красный",
    (0x00, 0x80, 0x00): "зелёный",
    (0x00, 0x00, 0x00): "чёрный",
    (0xFF, 0xFF, 0x00): "жёлтый",
    (0x00, 0xFF, 0xFF): "голубой",
    (0x80, 0x80, 0x80): "серый",
    (0xFF, 0x00, 0xFF): "пурпурный",
}
WORDS = ["синий", "красный", "зелёный", "чёрный", "жёлтый", "голубой", "серый", "пурпурный"]
# Every colour on the board; one move: row 1, column 3 with the ball below it makes a run of 1s.
BOARD = ["11345678", "45178123", "78123456", "23456781", "56781234", "81234567", "34567812", "67812345"]
SCORE, MOVABLE = 35, 12
BALL_NAME = re.compile(r"^(\S+) шар, ряд ([1-8]), столбец ([1-8])(, выбран)?$")


def first_movable(board):
    """The first ball in reading order that stands in a run after trading with a neighbour."""
    def run_at(b, r, c):
        v = b[r][c]
        def line(dr, dc):
            n, rr, cc = 1, r + dr, c + dc
            while 0 <= rr < 8 and 0 <= cc < 8 and b[rr][cc] == v:
                n, rr, cc = n + 1, rr + dr, cc + dc
            rr, cc = r - dr, c - dc
            while 0 <= rr < 8 and 0 <= cc < 8 and b[rr][cc] == v:
                n, rr, cc = n + 1, rr - dr, cc - dc
            return n
        return line(0, 1) >= 3 or line(1, 0) >= 3
    for r in range(8):
        for c in range(8):
            for dr, dc in ((0, -1), (0, 1), (-1, 0), (1, 0)):
                nr, nc = r + dr, c + dc
                if 0 <= nr < 8 and 0 <= nc < 8:
                    b = [list(row) for row in board]
                    b[r][c], b[nr][nc] = b[nr][nc], b[r][c]
                    if run_at(b, nr, nc):
                        return (r + 1, c + 1)
    return None


class Failed(Exception):
    pass


def log(*args):
    print(*args, flush=True)


def wait_for(what, test, seconds, step=0.05, pump=None):
    deadline = time.monotonic() + seconds
    while True:
        if pump:
            pump()
        value = test()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failed("timed out after %g s waiting for %s" % (seconds, what))
        time.sleep(step)


class Session:
    """The processes of one run; stop() ends every one still running, newest first."""

    def __init__(self, tmp):
        self.tmp = tmp
        self.procs = []
        self.env = {
            "PATH": "/usr/bin:/bin",
            "HOME": os.path.join(tmp, "home"),
            "XDG_RUNTIME_DIR": os.path.join(tmp, "run"),
            "XDG_CONFIG_HOME": os.path.join(tmp, "home", ".config"),
            "XDG_DATA_HOME": os.path.join(tmp, "home", ".local", "share"),
            "LANG": "C.UTF-8",
        }
        for d in ("home", "run"):
            os.makedirs(os.path.join(tmp, d), mode=0o700)

    def spawn(self, name, argv, env=None, **kw):
        out = open(os.path.join(self.tmp, name + ".log"), "wb")
        p = subprocess.Popen(argv, env=env or self.env, stdout=out, stderr=subprocess.STDOUT, **kw)
        self.procs.append((name, p))
        return p

    def log_of(self, name):
        try:
            with open(os.path.join(self.tmp, name + ".log"), "rb") as f:
                return f.read().decode("utf-8", "replace")
        except OSError:
            return ""

    def stop(self):
        for name, p in reversed(self.procs):
            if p.poll() is None:
                p.terminate()
                try:
                    p.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    p.kill()
                    p.wait(timeout=5)

    def start_display(self):
        rd, wr = os.pipe()
        # Listening on the abstract socket too is what keeps the display ours: another server
        # choosing its display by -displayfd takes one whose abstract socket is free, replacing
        # its socket file, and the game and the tools would then draw and look on that one.
        self.spawn("xvfb", [TOOLS["Xvfb"], "-displayfd", str(wr), "-screen", "0", "1024x768x24",
                            "-nolisten", "tcp", "-noreset"], pass_fds=(wr,))
        os.close(wr)
        got = b""
        deadline = time.monotonic() + 15
        os.set_blocking(rd, False)
        while not got.endswith(b"\n"):
            if time.monotonic() > deadline:
                raise Failed("Xvfb named no display within 15 s:\n" + self.log_of("xvfb"))
            try:
                chunk = os.read(rd, 16)
                if chunk == b"":
                    raise Failed("Xvfb ended:\n" + self.log_of("xvfb"))
                got += chunk
            except BlockingIOError:
                time.sleep(0.05)
        os.close(rd)
        self.env["DISPLAY"] = ":" + got.decode().strip()

    def start_session_bus(self):
        address = "unix:path=" + os.path.join(self.tmp, "run", "session-bus")
        config = os.path.join(self.tmp, "session.conf")
        # The standard session bus, but only on our socket and with no activation of services
        # from the machine's lists: the launcher and the registry are started here.
        with open(config, "w") as f:
            f.write(
                '<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"\n'
                ' "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">\n'
                "<busconfig><type>session</type><listen>%s</listen><auth>EXTERNAL</auth>\n"
                '<policy context="default"><allow send_destination="*" eavesdrop="true"/>\n'
                '<allow eavesdrop="true"/><allow own="*"/></policy></busconfig>\n' % address)
        self.spawn("session-bus", [TOOLS["dbus-daemon"], "--config-file=" + config, "--nofork",
                                   "--nopidfile", "--nosyslog"])
        socket = os.path.join(self.tmp, "run", "session-bus")
        wait_for("the session bus", lambda: os.path.exists(socket), 10)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address

    def start_atspi(self):
        # Without a display the launcher leaves the bus's address off the X root window, and the
        # game asks the session bus for it. Qt 6.4 misses the address it reads from the window
        # at its start (it enables itself before it listens for being enabled).
        env = {k: v for k, v in self.env.items() if k != "DISPLAY"}
        self.spawn("bus-launcher", [TOOLS["at-spi-bus-launcher"], "--launch-immediately", "--a11y=1"], env=env)
        # The launcher owns org.a11y.Bus once the accessibility bus runs; ask it for the address.
        def address():
            r = subprocess.run(
                [TOOLS["dbus-send"], "--session", "--print-reply=literal", "--dest=org.a11y.Bus",
                 "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
                env=self.env, capture_output=True, timeout=5)
            text = r.stdout.decode().strip()
            return text if r.returncode == 0 and text.startswith("unix:") else None
        a11y = wait_for("the accessibility bus", address, 15, step=0.2)
        self.env["AT_SPI_BUS_ADDRESS"] = a11y
        self.spawn("registry", [TOOLS["at-spi2-registryd"]])
        # The registry answers once it has taken its name on the accessibility bus.
        def registry_up():
            r = subprocess.run(
                [TOOLS["dbus-send"], "--bus=" + a11y, "--print-reply", "--dest=org.a11y.atspi.Registry",
                 "/org/a11y/atspi/accessible/root", "org.freedesktop.DBus.Properties.Get",
                 "string:org.a11y.atspi.Accessible", "string:ChildCount"],
                env=self.env, capture_output=True, timeout=5)
            return r.returncode == 0
        wait_for("the AT-SPI registry", registry_up, 15, step=0.2)

    def start_game(self, exe, argument=None):
        env = {k: v for k, v in self.env.items() if k != "AT_SPI_BUS_ADDRESS"}
        env.update({"QT_QPA_PLATFORM": "xcb", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
                    "KVELLI_REPORT_FIRST_PAINT": "1"})
        out = open(os.path.join(self.tmp, "game.log"), "wb")
        argv = [os.path.abspath(exe)] + ([argument] if argument else [])
        p = subprocess.Popen(argv, env=env, cwd=env["HOME"], stdout=out, stderr=subprocess.STDOUT)
        self.procs.append(("game", p))
        wait_for("the game's first painting", lambda: "first-paint" in self.log_of("game") or p.poll() is not None, 30)
        if p.poll() is not None:
            raise Failed("the game ended at its start:\n" + self.log_of("game"))
        return p

    def screen(self):
        """The X screen as rows of RGB triples."""
        path = os.path.join(self.tmp, "screen.ppm")
        subprocess.run([TOOLS["import"], "-window", "root", "-depth", "8", "ppm:" + path],
                       env=self.env, check=True, timeout=30, capture_output=True)
        with open(path, "rb") as f:
            data = f.read()
        m = re.match(rb"P6\s+(\d+)\s+(\d+)\s+(\d+)\s", data)
        w, h = int(m.group(1)), int(m.group(2))
        pixels = data[m.end():]
        return lambda x, y: tuple(pixels[3 * (y * w + x):3 * (y * w + x) + 3])

    def key(self, window, *keys):
        r = subprocess.run([TOOLS["xdotool"], "key", "--window", window, "--delay", "50"] + list(keys),
                           env=self.env, timeout=10, capture_output=True)
        if r.returncode != 0:
            raise Failed("xdotool key %s: %s\nXvfb: %s\ngame: %s" % (
                " ".join(keys), r.stderr.decode(errors="replace"), self.log_of("xvfb"), self.log_of("game")))


class Client:
    """pyatspi on the session's bus (imported only once the bus is up)."""

    def __init__(self, env):
        for k in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS", "XDG_RUNTIME_DIR"):
            if k in env:  # no DISPLAY on Wayland
                os.environ[k] = env[k]
        import pyatspi
        from gi.repository import GLib
        self.at = pyatspi
        self.context = GLib.MainContext.default()
        self.focused = []  # names of the objects that took the focus, in order
        self.changed = []  # (object name, state, on) of other state changes
        self.said = []  # what a screen reader would say, in order: focus, names and states
        self.named = []  # (object role, new name) of name changes
        pyatspi.Registry.registerEventListener(self.on_focus, "object:state-changed:focused")
        pyatspi.Registry.registerEventListener(self.on_state, "object:state-changed:checked",
                                               "object:state-changed:selected")
        pyatspi.Registry.registerEventListener(self.on_name, "object:property-change:accessible-name")

    def on_focus(self, event):
        if event.detail1:
            self.focused.append(event.source.name)
            self.said.append("focus: " + event.source.name)

    def on_state(self, event):
        self.changed.append((event.source.name, event.type.minor, bool(event.detail1)))
        self.said.append("%s %s: %s" % (event.type.minor, "on" if event.detail1 else "off", event.source.name))

    def on_name(self, event):
        name = event.source.name
        self.named.append((event.source.getRoleName(), name))
        self.said.append("name: " + name)

    def pump(self):
        while self.context.iteration(False):
            pass

    def application(self, pid):
        def find():
            desktop = self.at.Registry.getDesktop(0)
            for i in range(desktop.childCount):
                app = desktop.getChildAtIndex(i)
                try:
                    if app is not None and app.get_process_id() == pid:
                        return app
                except Exception:
                    pass
            return None
        return wait_for("the game on the accessibility bus", find, 20, step=0.25, pump=self.pump)

    def walk(self, root, limit=2000):
        out, stack = [], [root]
        while stack and len(out) < limit:
            node = stack.pop()
            if node is None:
                continue
            try:
                stack.extend(node.getChildAtIndex(i) for i in range(node.childCount))
                out.append(node)
            except Exception:
                pass  # an object the toolkit dropped meanwhile (a menu's popup); the game checks below
        return out

    def balls(self, app):
        return [n for n in self.walk(app) if BALL_NAME.match(self.name_of(n))]

    def is_label(self, node):
        try:
            return node.getRole() == self.at.ROLE_LABEL
        except Exception:
            return False

    @staticmethod
    def name_of(node):
        try:
            return node.name or ""
        except Exception:
            return ""


def check(exe):
    tmp = tempfile.mkdtemp(prefix="kv-atspi-")
    session = Session(tmp)
    try:
        session.start_display()
        session.start_session_bus()
        session.start_atspi()
        saved = os.path.join(tmp, "home", "Партия.sav")
        with open(saved, "wb") as f:
            f.write("".join("%d\r\n" % v for v in [SCORE, MOVABLE] + [int(ch) for row in BOARD for ch in row]).encode())
        game = session.start_game(exe, saved)
        client = Client(session.env)
        app = client.application(game.pid)
        log("application on the bus:", app.name)

        # --- the saved game is in: the counters say so
        def labels():
            return [client.name_of(n) for n in client.walk(app) if client.is_label(n) and client.name_of(n)]
        wanted = ["Счет: %d" % SCORE, "Осталось: %d" % MOVABLE]
        wait_for("the counters of the saved game, %r" % wanted,
                 lambda: all(w in labels() for w in wanted), 20, step=0.25, pump=client.pump)
        log("counters:", [n for n in labels() if n.startswith(("Счет", "Осталось"))])

        # --- the 64 balls, their names, roles and colours
        balls = wait_for("64 named balls", lambda: (lambda b: b if len(b) == 64 else None)(client.balls(app)),
                         20, step=0.25, pump=client.pump)
        places = {}
        for b in balls:
            colour, row, col, chosen = BALL_NAME.match(b.name).groups()
            if chosen:
                raise Failed("a ball is chosen before any press: " + b.name)
            if b.getRole() != client.at.ROLE_PUSH_BUTTON:
                raise Failed("%s has the role %s, not a button" % (b.name, b.getRoleName()))
            if colour != WORDS[int(BOARD[int(row) - 1][int(col) - 1]) - 1]:
                raise Failed("%s holds %s in the saved game" % (b.name, WORDS[int(BOARD[int(row) - 1][int(col) - 1]) - 1]))
            places[(int(row), int(col))] = (colour, b)
        if len(places) != 64:
            raise Failed("the balls do not name 64 different places")
        pixel = session.screen()
        by_place = {}
        for (row, col), (colour, b) in sorted(places.items()):
            x, y, w, h = b.queryComponent().getExtents(client.at.DESKTOP_COORDS)
            painted = pixel(x + w // 2 + w // 8, y + h // 2 + h // 8)  # off the middle: no symbol
            if COLOURS.get(painted) != colour:
                raise Failed("%s is painted %s" % (b.name, "#%02x%02x%02x" % painted))
            by_place[(row, col)] = b
        # Left to right and top to bottom, as the board is laid out.
        (x11, y11, _, _) = by_place[(1, 1)].queryComponent().getExtents(client.at.DESKTOP_COORDS)
        (x23, y23, _, _) = by_place[(2, 3)].queryComponent().getExtents(client.at.DESKTOP_COORDS)
        if not (x23 > x11 and y23 > y11):
            raise Failed("row 2, column 3 is not right of and below row 1, column 1")
        log("64 balls, each named once with its colour and place, e.g.", by_place[(1, 1)].name)

        # --- the keyboard frame moves the accessibility focus
        # Tried for a bounded time rather than with --sync, which waits for ever; a search that
        # never finds the window says what xdotool said.
        said = [None, ""]

        def game_window():
            r = subprocess.run([TOOLS["xdotool"], "search", "--onlyvisible", "--pid", str(game.pid)],
                               env=session.env, capture_output=True, timeout=10)
            said[:] = [r.returncode, r.stderr.decode("utf-8", "replace").strip()]
            return r.stdout.split()
        try:
            window = wait_for("the game's window", game_window, 20, step=0.25)[0].decode()
        except Failed as e:
            raise Failed("%s; xdotool's last search: exit %s, %r" % (e, said[0], said[1]))
        subprocess.run([TOOLS["xdotool"], "windowfocus", "--sync", window], env=session.env, timeout=10)
        client.pump()
        del client.focused[:]

        def focused_ball():
            return [b for b in by_place.values() if b.getState().contains(client.at.STATE_FOCUSED)]

        def focus_on(row, col, what):
            name = by_place[(row, col)].name
            wait_for(what, lambda: client.focused and client.focused[-1] == name, 10, pump=client.pump)
            others = [b.name for b in focused_ball() if b is not by_place[(row, col)]]
            if others:
                raise Failed("other balls are focused too: %r" % others)
            if not by_place[(row, col)].getState().contains(client.at.STATE_FOCUSED):
                raise Failed("%s took the focus but its state is not focused" % name)

        session.key(window, "Right")  # the first arrow shows the frame where it stands
        focus_on(1, 1, "the focus on the framed ball at row 1, column 1")
        session.key(window, "Right", "Right", "Down")
        focus_on(2, 3, "the focus on row 2, column 3 after Right Right Down")
        log("focus after the arrows:", client.focused)

        # --- Space chooses the framed ball, and the ball says so
        ball = by_place[(2, 3)]
        session.key(window, "space")
        wait_for("the chosen ball to say so", lambda: ball.name.endswith(", выбран"), 10, pump=client.pump)
        if not (ball.getState().contains(client.at.STATE_CHECKED)):
            raise Failed("the chosen ball is not in the checked state")
        log("after Space:", ball.name)
        session.key(window, "space")  # the same ball again lets it go
        wait_for("the ball let go", lambda: not ball.name.endswith(", выбран"), 10, pump=client.pump)
        if ball.getState().contains(client.at.STATE_CHECKED):
            raise Failed("the ball let go still reads as checked")
        log("state changes heard:", client.changed)

        # --- H: the frame, and with it the reader, goes to a ball that can move, which says the way
        ball = first_movable(BOARD)
        del client.focused[:]
        session.key(window, "h")
        wait_for("the hint's ball to take the focus", lambda: client.focused and "подсказка, ход" in client.focused[-1],
                 10, pump=client.pump)
        if not client.focused[-1].startswith(by_place[ball].name.split(", подсказка")[0] + ", подсказка, ход"):
            raise Failed("the hint went to %r, not to row %d, column %d" % (client.focused[-1], ball[0], ball[1]))
        log("after H:", client.focused[-1])
        keys = (["Down"] * (2 - ball[0]) + ["Up"] * (ball[0] - 2) + ["Right"] * (3 - ball[1]) +
                ["Left"] * (ball[1] - 3))
        if keys:
            session.key(window, *keys)  # back to row 2, column 3

        # --- a move from the keyboard, as a screen reader hears it
        del client.said[:]
        session.key(window, "Up", "space", "Down", "space")  # row 1, column 3 with the ball below
        wait_for("the score after the move", lambda: any(
            re.fullmatch(r"Счет: (\d+)", n) and int(n.split()[-1]) > SCORE for n in labels()), 15, pump=client.pump)
        time.sleep(0.5)
        client.pump()
        log("a move, as heard:")
        for line in client.said:
            log("   ", line)
        if not any(line.startswith("focus: ") and "ряд 1, столбец 3" in line for line in client.said):
            raise Failed("the frame's move to row 1, column 3 was not heard")
        if not any(line.startswith("checked on: ") and "ряд 1, столбец 3" in line for line in client.said):
            raise Failed("choosing row 1, column 3 was not heard")
        if not any(role == "label" and name.startswith("Счет: ") for role, name in client.named):
            raise Failed("the score's change was not heard")
        log("passed")
        return 0
    except Exception as e:
        game = dict(session.procs).get("game")
        ended = "" if game is None or game.poll() is None else " (the game ended with status %s)" % game.returncode
        raise Failed("%s: %s%s\ngame's output:\n%s" % (type(e).__name__, e, ended, session.log_of("game"))) from e
    finally:
        session.stop()
        shutil.rmtree(tmp, ignore_errors=True)


def run(doc, check, missing):
    """The command line of a check through the accessibility bus: the executable as its one
    argument, a skip for missing tools, and a bound on the whole check."""
    if len(sys.argv) != 2:
        print(doc)
        return 2
    try:
        import pyatspi  # noqa: F401
    except ImportError:
        missing.append("python3-pyatspi")
    if missing:
        print("SKIPPED: missing %s (scripts/install-deps.sh installs them)" % ", ".join(missing))
        return SKIP

    def overall(signum, frame):
        raise Failed("the whole check took longer than %d s" % OVERALL_SECONDS)
    signal.signal(signal.SIGALRM, overall)
    signal.alarm(OVERALL_SECONDS)
    try:
        return check(sys.argv[1])
    except Failed as e:
        print("FAILED:", e)
        return 1


def main():
    return run(__doc__, check, [name for name, path in TOOLS.items() if not os.access(path, os.X_OK)])


if __name__ == "__main__":
    sys.exit(main())
