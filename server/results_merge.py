"""The results server's merge pipeline: the records tool as a long-lived helper, the merger that
runs it on each table a player sends, and the start's preparation of the data directory
(adopting a table an older server stored in text mode, under the table's lock)."""
import fcntl
import glob
import logging
import os
import re
import select
import shutil
import stat
import subprocess
import tempfile
import threading
import time

TABLE = "records.rec"
PAGE = "table.html"
# The proofs of the entries a game sends, stored before its records.rec in the same session.
PROOFS = "records.prf"
# The page the game sends is a few kilobytes; the table is refused by the tool past its bound.
MAX_UPLOAD = 256 * 1024
ASSETS = ("back.gif", "styles.css", "tr.gif", "tn.gif", "ts.gif")
UMASK = os.umask(0o022)
os.umask(UMASK)
HERE = os.path.dirname(os.path.abspath(__file__))
TOOL_NAME = "kvelli99-records"
# A merge takes milliseconds; these only keep a stuck tool or lock holder from stalling uploads.
TOOL_SECONDS = 10
LOCK_SECONDS = 10
# The tool's exit status for a FROM table that is not valid.
TOOL_BAD_INPUT = 1

log = logging.getLogger("kvelli99-server")


def run_tool(tool, *args):
    """(exit status, stdout, stderr) of the records tool; status None if it did not finish."""
    try:
        p = subprocess.run([tool] + list(args), stdin=subprocess.DEVNULL, capture_output=True,
                           timeout=TOOL_SECONDS, close_fds=True)
    except subprocess.TimeoutExpired:
        return None, "", "no answer within %d s" % TOOL_SECONDS
    except OSError as e:
        return None, "", str(e)
    return p.returncode, p.stdout.decode("utf-8", "replace"), p.stderr.decode("utf-8", "replace")


def tool_env(database):
    """The tool's environment: the connection string goes there ("-" on the command line), since
    every user of the machine can read a process's command line, and a password with it."""
    env = dict(os.environ)
    env.pop("KVELLI99_DATABASE", None)
    if database:
        env["KVELLI99_DATABASE"] = database
    return env


class Helper:
    """The records tool as a long-lived helper ("kvelli99-records serve"): one request a line,
    the reply's lines up to "end STATUS[ why]". Started when first needed and again after it
    failed to answer, so that a merge costs no start of a process."""

    def __init__(self, tool, database=None):
        self.tool, self.database = tool, database
        self.proc = None
        self.buffer = b""
        self.lock = threading.Lock()

    def request(self, *fields):
        """(status, lines, why); status None if the helper gave no answer."""
        with self.lock:
            if any("\t" in f or "\n" in f for f in fields):
                return None, [], "a name with a tab or a line end"
            try:
                if self.proc is None:
                    self._start()
                self.proc.stdin.write(("\t".join(fields) + "\n").encode("utf-8", "surrogateescape"))
                self.proc.stdin.flush()
                return self._reply(time.monotonic() + TOOL_SECONDS)
            except (OSError, TimeoutError, EOFError) as e:
                self.close()
                return None, [], str(e) or "the records tool ended"

    def _start(self):
        args = [self.tool, "serve"] + (["--database", "-"] if self.database else [])
        self.buffer = b""
        self.proc = subprocess.Popen(args, stdin=subprocess.PIPE, stdout=subprocess.PIPE, close_fds=True,
                                     env=tool_env(self.database))
        first = self._line(time.monotonic() + TOOL_SECONDS)
        if first != "ready":
            self.close()
            raise OSError(first.split(" ", 2)[2] if first.startswith("end ") and first.count(" ") >= 2
                          else "the records tool did not start")

    def _line(self, deadline):
        fd = self.proc.stdout.fileno()
        while b"\n" not in self.buffer:
            left = deadline - time.monotonic()
            if left <= 0 or not select.select([fd], [], [], left)[0]:
                raise TimeoutError("no answer from the records tool within %d s" % TOOL_SECONDS)
            chunk = os.read(fd, 65536)
            if not chunk:
                raise EOFError("the records tool ended")
            self.buffer += chunk
        line, self.buffer = self.buffer.split(b"\n", 1)
        return line.decode("utf-8", "replace")

    def _reply(self, deadline):
        lines = []
        while True:
            line = self._line(deadline)
            if line.startswith("end "):
                parts = line.split(" ", 2)
                return int(parts[1]), lines, parts[2] if len(parts) > 2 else ""
            lines.append(line)

    def close(self):
        if self.proc is not None:
            try:
                self.proc.kill()
                self.proc.wait(5)
            except (OSError, subprocess.TimeoutExpired):
                pass
            for f in (self.proc.stdin, self.proc.stdout):
                try:
                    f.close()
                except OSError:
                    pass
        self.proc = None


class FileLock:
    """flock on the table's lock file, the one the records tool takes, against the tool's merges
    and other servers on the same table; waits at most LOCK_SECONDS."""

    def __init__(self, path):
        self.path = path
        self.fd = None

    def __enter__(self):
        deadline = time.monotonic() + LOCK_SECONDS
        self.fd = os.open(self.path, os.O_RDWR | os.O_CREAT | os.O_CLOEXEC, 0o644)
        while True:
            try:
                fcntl.flock(self.fd, fcntl.LOCK_EX | fcntl.LOCK_NB)
                return self
            except BlockingIOError:
                if time.monotonic() > deadline:
                    os.close(self.fd)
                    raise TimeoutError("the table stayed locked for %d s" % LOCK_SECONDS)
                time.sleep(0.005)

    def __exit__(self, *exc):
        os.close(self.fd)


class Merger:
    """Merges each table a player sends into the server's table, one run of the records tool.
    A worker's sessions share one thread, so a merge holds up the worker's other sessions for its
    milliseconds (at most the tool's bound); workers and other servers take turns at the table's
    lock in the tool, front ends at the database's transaction."""

    def __init__(self, tool, www, database=None, verify=True):
        self.tool, self.www, self.database, self.verify = tool, www, database, verify
        self.helper = Helper(tool, database)

    def merge(self, temp, proofs=None):
        """("ok", received, entered, verdict), ("refused", why) or ("failed", why). With verify,
        proofs is the proofs file that came with the table (None: none came), and verdict the
        counts and reasons of the entries not accepted (None without verify)."""
        result = self._run(temp, proofs)
        # The table may have been put back from a copy an older server stored in text mode:
        # mended, and merged once more.
        if result[0] == "failed" and not self.database:
            try:
                if adopt_text_mode_table(os.path.join(self.www, TABLE), self.tool):
                    result = self._run(temp, proofs)
            except OSError as e:
                log.error("records.rec: a text-mode copy could not be mended: %s", e)
        return result

    def _run(self, temp, proofs):
        table, page = os.path.join(self.www, TABLE), os.path.join(self.www, PAGE)
        if self.verify:
            # The table with its proofs file; the tool replays the proofs of new entries.
            request = ["verify", table, page, temp, proofs or "-"]
        else:
            request = ["merge", table, page, temp]
        status, lines, why = self.helper.request(*request)
        if status not in (0, TOOL_BAD_INPUT) or len(lines) != 1:
            return ("failed", why or "no answer")
        m = VERDICT_LINE.fullmatch(lines[0])
        if not m:
            # The tool names the file it read; the player knows it as records.rec.
            return ("refused", lines[0].replace("refused: ", "", 1).replace(temp, TABLE))
        verdict = m.group(3)
        if verdict and proofs:
            verdict = verdict.replace(proofs, PROOFS)
        return ("ok", m.group(1), m.group(2), verdict)


# The tool's line for one table; with verification it ends in the verdict and the reasons.
VERDICT_LINE = re.compile(r"received (\d+) entr(?:y|ies), (\d+) entered the table(?:; (kvelli99-verdict .*))?")

LONE_LF = re.compile(rb"(?<!\r)\n")


def adopt_text_mode_table(table, tool):
    """A table that the older server stored in text mode has LF line ends, which the format's
    reader does not split: they become CR LF again, if the table then checks. Whether it did."""
    with FileLock(table + ".lock"):
        return _adopt(table, tool)


def _adopt(table, tool):
    try:
        # Without blocking: a FIFO in the table's place would wait for a writer; the tool then
        # says what is wrong with it.
        fd = os.open(table, os.O_RDONLY | os.O_NONBLOCK | os.O_CLOEXEC)
    except OSError:
        return False
    with os.fdopen(fd, "rb") as f:
        if not stat.S_ISREG(os.fstat(fd).st_mode):
            return False
        data = f.read(MAX_UPLOAD + 1)
    if not LONE_LF.search(data):
        return False
    fd, temp = tempfile.mkstemp(prefix="." + TABLE + ".", suffix=".part", dir=os.path.dirname(table))
    try:
        with os.fdopen(fd, "wb") as f:
            f.write(LONE_LF.sub(b"\r\n", data))
            f.flush()
            os.fsync(f.fileno())
        os.chmod(temp, 0o666 & ~UMASK)
        if run_tool(tool, "check", temp)[0] == 0:
            os.replace(temp, table)
            log.info("records.rec: the LF line ends of a text-mode copy made CR LF")
            return True
        return False
    finally:
        if os.path.exists(temp):
            os.remove(temp)


class DatabaseError(Exception):
    pass


def prepare(data_dir, tool, database=None):
    """Makes WWW with an empty records.rec (an existing one is kept, and must be a valid table),
    the page's pictures and the server's page; removes what a killed server left half-received.
    With a database, records.rec and the page are written from the database's table."""
    www = os.path.join(data_dir, "WWW")
    os.makedirs(www, exist_ok=True)
    table = os.path.join(www, TABLE)
    try:
        with open(table, "xb"):
            pass
    except FileExistsError:
        pass
    for name in ASSETS:
        target = os.path.join(www, name)
        if not os.path.exists(target):
            shutil.copyfile(os.path.join(HERE, "www", name), target)
    for stale in glob.glob(os.path.join(glob.escape(www), ".*.part")):
        try:
            os.remove(stale)
        except OSError:
            pass
    # Every upload is received into a file beside the table: a directory that takes none (its
    # mode, its owner, a read-only mount) stops the start here rather than every upload later.
    fd, probe = tempfile.mkstemp(prefix=".start.", suffix=".part", dir=www)
    os.close(fd)
    os.remove(probe)
    if database:
        helper = Helper(tool, database)
        status, _, why = helper.request("publish", table, os.path.join(www, PAGE))
        helper.close()
        if status != 0:
            raise DatabaseError(why)
        return os.path.realpath(www)
    adopt_text_mode_table(table, tool)
    # The page is always the server's own, also where an older server kept an uploaded one.
    status, _, err = run_tool(tool, "page", table, os.path.join(www, PAGE))
    if status != 0:
        raise RuntimeError("%s%s(repair it with: %s repair %s)" % (err.strip(), "\n  ", TOOL_NAME, table))
    return os.path.realpath(www)
