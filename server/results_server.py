"""The Kvelli 99 results server: the FTP server that the game's results exchange talks to, and a
web server for the page of results.

FTP (Debian's pyftpdlib): the account "kvelli99" / "quillon84", whose login directory holds
"WWW" with the common table "records.rec" and the page "table.html". The server keeps the table:
a stored "records.rec" is checked and merged into it by the records tool (kvelli99-records, the
game's own implementation of the format, running as a helper process that takes one request a
line) under a lock, and never replaces it; an upload that is
no records table is refused with a 5xx reply and changes nothing. After every merge the server
writes "table.html" itself from the table; an uploaded page is received and discarded. A new entry
enters only when the proof of its game, from the "records.prf" the game stores before its
"records.rec" in the same session, replays in the records tool (the game core's own rules) to
exactly its score; the 226 reply says how many did not ("kvelli99-verdict ..."), and
--accept-unverified merges every entry as before. Nothing
may be deleted, renamed or made. Uploads are taken byte for byte, as the format's CR LF lines
come in on the wire; downloads keep pyftpdlib's default ASCII mode, as the game sends no TYPE.

The table is a file in WWW, or, with --database, a table in PostgreSQL that several front ends
share: the helper merges in one transaction there, and a watcher (kvelli99-records watch) keeps
this front end's WWW/records.rec and WWW/table.html a copy of it, which is what downloads and the
page serve (also while the database is down). --workers N runs N FTP processes on one port.

HTTP: serves the page and its pictures, nothing else; "/" leads to the page.

Run it through results-server.sh. It prints where it listens, then a line
"READY ftp=<port> http=<port>" for scripts. One log line on stderr per exchange: the peer, the
entries received, how many entered the table.
"""
import argparse
import ctypes
import errno
import fcntl
import glob
import http.server
import ipaddress
import logging
import os
import re
import select
import shutil
import socket
import signal
import stat
import subprocess
import sys
import tempfile
import threading
import time
import urllib.parse

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import DTPHandler, FTPHandler
from pyftpdlib.ioloop import RetryError
from pyftpdlib.servers import ThreadedFTPServer

try:  # Debian's python3-openssl; only --tls-cert needs it.
    from OpenSSL import SSL
    from pyftpdlib.handlers import TLS_DTPHandler, TLS_FTPHandler
except ImportError:
    SSL = None

USER = "kvelli99"
PASSWORD = "quillon84"
TABLE = "records.rec"
PAGE = "table.html"
# The proofs of the entries a game sends, stored before its records.rec in the same session.
PROOFS = "records.prf"
STORABLE = (TABLE, PAGE, PROOFS)
# The page the game sends is a few kilobytes; the table is refused by the tool past its bound.
MAX_UPLOAD = 256 * 1024
# A proofs file holds at most 20 proofs of at most 64 KiB each (a whole game is a few KiB); the
# records tool reads no more than that either.
MAX_PROOFS = 20 * (64 * 1024 + 32) + 64
ASSETS = ("back.gif", "styles.css", "tr.gif", "tn.gif", "ts.gif")
SERVED = (PAGE,) + ASSETS
UMASK = os.umask(0o022)
os.umask(UMASK)
HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_HTTP_PORT = 8099
USER_FTP_PORT = 2121
TOOL_NAME = "kvelli99-records"
# A merge takes milliseconds; these only keep a stuck tool or lock holder from stalling uploads.
TOOL_SECONDS = 10
LOCK_SECONDS = 10
# A page client is let go when it sends nothing (or takes nothing) for this long, so that silent
# connections cannot pile up and take every descriptor, the FTP side's too.
HTTP_SECONDS = 10
# A watcher that ends within this many seconds of its start counts towards WATCH_STARTS: starts in
# a row after which one that cannot run is given up rather than started again for ever.
WATCH_SETTLED_SECONDS = 60
WATCH_STARTS = 5
# The tool's exit status for a FROM table that is not valid.
TOOL_BAD_INPUT = 1

log = logging.getLogger("kvelli99-server")


def default_dir():
    base = os.environ.get("XDG_DATA_HOME") or os.path.join(os.path.expanduser("~"), ".local", "share")
    return os.path.join(base, "kvelli99-server")


def find_tool(given):
    """The records tool: as given, else $KVELLI99_RECORDS_TOOL, beside this file, on PATH, or in
    the source tree's build directory."""
    candidates = [given, os.environ.get("KVELLI99_RECORDS_TOOL"), os.path.join(HERE, TOOL_NAME),
                  shutil.which(TOOL_NAME), os.path.join(HERE, "..", "build", TOOL_NAME)]
    for c in candidates:
        if c and os.path.isfile(c) and os.access(c, os.X_OK):
            return os.path.realpath(c)
        if c and c is given:
            return None
    return None


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
    """flock on a lock file in the data directory, against other servers or an administrator's
    tool on the same table; waits at most LOCK_SECONDS."""

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
    """Merges the tables players send into the server's table, one run of the records tool at a
    time. Tables that come in while a run goes on wait for it and then go together into the next
    run, in the order they came, so that a crowd of players costs few runs."""

    MAX_BATCH = 32

    def __init__(self, tool, www, lock_path, database=None, verify=True):
        self.tool, self.www, self.database, self.verify = tool, www, database, verify
        self.helper = Helper(tool, database)
        # Several worker processes on one data directory take turns at the file; with a database
        # its transaction does that, for every front end.
        self.lock = FileLock(lock_path) if not database else None
        self.cv = threading.Condition()
        self.pending = []
        self.running = False

    def merge(self, temp, proofs=None):
        """("ok", received, entered, verdict), ("refused", why) or ("failed", why). With verify,
        proofs is the proofs file that came with the table (None: none came), and verdict the
        counts and reasons of the entries not accepted (None without verify)."""
        job = {"temp": temp, "proofs": proofs, "result": None}
        deadline = time.monotonic() + LOCK_SECONDS + TOOL_SECONDS
        with self.cv:
            self.pending.append(job)
            while job["result"] is None:
                if not self.running:
                    batch, self.pending = self.pending[:self.MAX_BATCH], self.pending[self.MAX_BATCH:]
                    self.running = True
                    self.cv.release()
                    try:
                        results = self._run(batch)
                    except Exception as e:
                        results = [("failed", str(e))] * len(batch)
                    finally:
                        self.cv.acquire()
                        self.running = False
                    for j, r in zip(batch, results):
                        j["result"] = r
                    self.cv.notify_all()
                elif time.monotonic() > deadline and job in self.pending:
                    self.pending.remove(job)
                    job["result"] = ("failed", "no turn to merge within %d s" % (LOCK_SECONDS + TOOL_SECONDS))
                else:
                    self.cv.wait(0.5)
        return job["result"]

    def _run(self, batch):
        table, page = os.path.join(self.www, TABLE), os.path.join(self.www, PAGE)
        temps = [j["temp"] for j in batch]
        if self.verify:
            # Each table with its proofs file; the tool replays the proofs of new entries.
            request = ["verify", table, page] + [f for j in batch for f in (j["temp"], j["proofs"] or "-")]
        else:
            request = ["merge", table, page] + temps
        if self.lock:
            with self.lock:
                # The table may have been put back from a copy made by an older server.
                adopt_text_mode_table(table, self.tool)
                status, lines, why = self.helper.request(*request)
        else:
            status, lines, why = self.helper.request(*request)
        if status not in (0, TOOL_BAD_INPUT) or len(lines) != len(temps):
            return [("failed", why or "no answer")] * len(temps)
        results = []
        for j, line in zip(batch, lines):
            temp = j["temp"]
            m = VERDICT_LINE.fullmatch(line)
            if m:
                verdict = m.group(3)
                if verdict and j["proofs"]:
                    verdict = verdict.replace(j["proofs"], PROOFS)
                results.append(("ok", m.group(1), m.group(2), verdict))
            else:
                # The tool names the file it read; the player knows it as records.rec.
                results.append(("refused", line.replace("refused: ", "", 1).replace(temp, TABLE)))
        return results


# The tool's line for one table; with verification it ends in the verdict and the reasons.
VERDICT_LINE = re.compile(r"received (\d+) entr(?:y|ies), (\d+) entered the table(?:; (kvelli99-verdict .*))?")

LONE_LF = re.compile(rb"(?<!\r)\n")


def adopt_text_mode_table(table, tool):
    """A table that the older server stored in text mode has LF line ends, which the format's
    reader does not split: they become CR LF again, if the table then checks."""
    try:
        # Without blocking: a FIFO in the table's place would wait for a writer; the tool then
        # says what is wrong with it.
        fd = os.open(table, os.O_RDONLY | os.O_NONBLOCK | os.O_CLOEXEC)
    except OSError:
        return
    with os.fdopen(fd, "rb") as f:
        if not stat.S_ISREG(os.fstat(fd).st_mode):
            return
        data = f.read(MAX_UPLOAD + 1)
    if not LONE_LF.search(data):
        return
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


class ResultsDTPHandler(DTPHandler):
    timeout = 60

    def enable_receiving(self, type, cmd):
        # The format's lines end in CR LF, which is what the game puts on the wire; text mode
        # would store them as LF, which the format's reader does not split.
        super().enable_receiving("i", cmd)

    def handle_read(self):
        super().handle_read()
        if self.receive and not self._closed and self.tot_bytes_received > self.cmd_channel.upload_limit(self):
            self._resp = ("552 Upload too large.", log.info)
            self.close()

    # The I/O loop calls this name, which the base class binds to its own handle_read.
    handle_read_event = handle_read

    def recv(self, buffer_size):
        # pyftpdlib takes a reset connection for the end of the file; it is a broken upload.
        if self.receive:
            try:
                data = self.socket.recv(buffer_size)
            except ConnectionResetError:
                self._resp = ("426 Connection reset; the upload is dropped.", log.info)
                self.close()
                return b""
            except (BlockingIOError, InterruptedError):
                raise RetryError
            if data:
                return data
        return super().recv(buffer_size)

    def close(self):
        # The reply to a complete upload waits for the merge, so that a refused table gets a 5xx
        # instead of 226 and is dropped as an incomplete one.
        if (not self._closed and self.receive and self.transfer_finished and self.file_obj is not None
                and self._resp and self._resp[0].startswith("226")):
            # Flushed, not closed: pyftpdlib still asks the open file for its descriptor.
            self.file_obj.flush()
            reply = self.cmd_channel.take_upload(self.file_obj.name)
            if reply:
                self._resp = (reply, log.debug)
                # A 226 that tells the verdict; any other reply refuses the upload.
                self.transfer_finished = reply.startswith("226")
        # Gone before the reply: whatever comes of it, the temporary file has done its work.
        if not self._closed and self.receive and self.file_obj is not None:
            self.cmd_channel.drop(self.file_obj.name)
        super().close()


class ResultsHandler(FTPHandler):
    dtp_handler = ResultsDTPHandler
    banner = "Kvelli 99 results server ready."
    timeout = 120
    www = None  # set at start-up
    merger = None

    def __init__(self, *args, **kwargs):
        self._incoming = {}  # temporary file -> the name it was stored as
        self._proofs = None  # the session's records.prf, kept until its records.rec comes
        super().__init__(*args, **kwargs)

    def upload_limit(self, dtp):
        name = self._incoming.get(dtp.file_obj.name) if dtp.file_obj is not None else None
        return MAX_PROOFS if name == PROOFS else MAX_UPLOAD

    def keep_proofs(self, temp):
        """The session's records.prf, received whole: kept for its records.rec (a later one
        replaces it)."""
        self._incoming.pop(temp, None)
        self.drop_proofs()
        self._proofs = temp

    def drop_proofs(self):
        if self._proofs is not None:
            try:
                os.remove(self._proofs)
            except OSError:
                pass
        self._proofs = None

    def ftp_STOR(self, file, mode="w"):
        name = os.path.basename(file)
        if os.path.realpath(os.path.dirname(file)) != self.www or name not in STORABLE or "a" in mode:
            self.respond("553 Only records.prf, records.rec and table.html may be stored, in WWW.")
            return None
        try:
            fd, temp = tempfile.mkstemp(prefix="." + name + ".", suffix=".part", dir=self.www)
        except OSError as e:
            log.error("exchange %s:%s: %s not stored: %s", self.remote_ip, self.remote_port, name, e)
            self.respond("451 The table could not be updated; try again later.")
            return None
        os.close(fd)
        self._incoming[temp] = name
        stored = super().ftp_STOR(temp, mode)
        if stored is None:
            self.drop(temp)
        return stored

    def ftp_STOU(self, line):
        self.respond("553 Only records.prf, records.rec and table.html may be stored, in WWW.")

    def take_upload(self, temp):
        """None if the upload is taken as it is, a 226 line that tells the verdict, or the 5xx or
        4xx reply line."""
        name = self._incoming.get(temp)
        if name == PROOFS:
            if self.merger.verify:
                self.keep_proofs(temp)
            return None
        if name != TABLE:
            return None  # the page: received, and replaced by the server's own
        peer = "%s:%s" % (self.remote_ip, self.remote_port)
        try:
            result = self.merger.merge(temp, self._proofs)
        finally:
            # One records.rec uses up the proofs stored before it.
            self.drop_proofs()
        if result[0] == "ok":
            verdict = result[3]
            received = "%s entr%s received, %s entered the table" % (
                result[1], "y" if result[1] == "1" else "ies", result[2])
            if verdict is None:
                log.info("exchange %s: %s", peer, received)
                return None
            counts, _, reasons = verdict.partition("; ")
            if reasons:
                log.info("exchange %s: %s; not accepted: %s", peer, received, reasons)
            else:
                log.info("exchange %s: %s", peer, received)
            return "226 Table merged; %s" % counts
        why = result[1].replace("\r", " ").replace("\n", " ")
        if result[0] == "refused":
            log.info("exchange %s: records.rec refused: %s", peer, why)
            return "550 Not a records table: %s" % why
        log.error("exchange %s: records.rec not merged: %s", peer, why)
        return "451 The table could not be updated; try again later."

    def on_file_received(self, file):
        self.drop(file)

    def on_incomplete_file_received(self, file):
        self.drop(file)

    def on_disconnect(self):
        for temp in list(self._incoming):
            self.drop(temp)
        self.drop_proofs()

    def drop(self, temp):
        if self._incoming.pop(temp, None) is not None:
            try:
                os.remove(temp)
            except OSError:
                pass


if SSL is not None:
    class ResultsTLSDTPHandler(TLS_DTPHandler, ResultsDTPHandler):
        def readable(self):
            # curl starts a data connection's handshake before it sends RETR or STOR; pyftpdlib
            # takes bytes on a data connection with no transfer yet for a hang-up and drops it.
            if self._ssl_accepting:
                return True
            return super().readable()

        def recv(self, buffer_size):
            if not (self.receive and self._ssl_established):
                return super().recv(buffer_size)
            # As in plain FTP, a reset data connection is a broken upload, not the end of the
            # file (pyftpdlib's TLS layer takes either for an end).
            try:
                return self.socket.recv(buffer_size)
            except SSL.WantReadError:
                self._ssl_want_read = True
                raise RetryError
            except SSL.WantWriteError:
                self._ssl_want_write = True
                raise RetryError
            except SSL.ZeroReturnError:
                self.handle_close()
                return b""
            except SSL.SysCallError as e:
                if e.args and e.args[0] == errno.ECONNRESET:
                    self._resp = ("426 Connection reset; the upload is dropped.", log.info)
                    self.close()
                    return b""
                self.handle_close()
                return b""

    class ResultsTLSHandler(TLS_FTPHandler, ResultsHandler):
        dtp_handler = ResultsTLSDTPHandler

        def ftp_PROT(self, line):
            # pyftpdlib checks PROT P at PASV and PORT only: PROT C after them made the data
            # connection plain.
            if self.tls_data_required and line.strip().upper() == "C":
                self.respond("534 Clear data connections are refused here: TLS is required.")
                return
            super().ftp_PROT(line)


def tls_context(cert, key):
    """The TLS context of every session, or SystemExit with what is wrong with the files."""
    if SSL is None:
        sys.exit("results-server: --tls-cert needs Debian's python3-openssl: apt-get install python3-openssl")
    try:
        for name in (cert, key):
            open(name, "rb").close()
        ctx = SSL.Context(SSL.TLS_SERVER_METHOD)
        ctx.set_options(SSL.OP_NO_SSLv2 | SSL.OP_NO_SSLv3 | SSL.OP_NO_COMPRESSION)
        ctx.set_min_proto_version(SSL.TLS1_2_VERSION)
        ctx.use_certificate_chain_file(cert)
        ctx.use_privatekey_file(key)
        ctx.check_privatekey()
        # Data connections resume the control connection's session (clients and servers that
        # insist on it are common); the server-side cache needs a context id for that.
        ctx.set_session_id(b"kvelli99-server")
        ctx.set_session_cache_mode(SSL.SESS_CACHE_SERVER)
    except SSL.Error as e:
        reasons = "; ".join(r[2] for r in (e.args[0] if e.args and isinstance(e.args[0], list) else [])
                            if len(r) > 2) or str(e)
        sys.exit("results-server: cannot use the certificate %s and key %s: %s" % (cert, key, reasons))
    except OSError as e:
        sys.exit("results-server: cannot read the certificate or key: %s" % e)
    return ctx


def listen(address, port):
    sock = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    sock.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
    try:
        sock.bind((address, port))
        sock.listen(100)
    except OSError:
        sock.close()
        raise
    return sock


def make_ftp(a, sock, home, www, tool, tls=None):
    auth = DummyAuthorizer()
    auth.add_user(USER, PASSWORD, home, perm="el")
    auth.override_perm(USER, www, "elrw", recursive=True)
    handler = ResultsHandler
    if tls:
        handler = ResultsTLSHandler
        handler.ssl_context = tls
        handler.tls_control_required = handler.tls_data_required = a.tls_required
    handler.authorizer = auth
    handler.www = www
    handler.merger = Merger(tool, www, os.path.join(home, "merge.lock"), a.database,
                            verify=not a.accept_unverified)
    handler.passive_ports = a.passive_ports
    handler.masquerade_address = a.announce_address
    server = ThreadedFTPServer(sock, handler)
    server.max_cons = a.max_connections
    server.max_cons_per_ip = a.max_per_address
    return server


def start_workers(count, serve):
    """count processes that run serve(); each ends when this one does, however it ends."""
    pids = []
    for _ in range(count):
        pid = os.fork()
        if pid == 0:
            try:
                ctypes.CDLL(None, use_errno=True).prctl(1, signal.SIGKILL)  # PR_SET_PDEATHSIG
                serve()
            finally:
                os._exit(0)
        pids.append(pid)
    return pids


def ending(code):
    return "killed by signal %d" % -code if code < 0 else "status %d" % code


class Watcher:
    """kvelli99-records watch: keeps WWW a copy of the database's table; ends when our end of its
    stdin closes. Downloads serve that copy, so a watcher that ends otherwise (a crash, the OOM
    killer) would leave it old for ever: a thread blocked in its wait starts it again. One that
    keeps ending soon after its start is given up after a few starts, with a log line."""

    def __init__(self, tool, database, www):
        self.args = [tool, "watch", "-", os.path.join(www, TABLE), os.path.join(www, PAGE)]
        self.env = tool_env(database)
        self.lock = threading.Lock()
        self.stopping = threading.Event()
        # Exit codes of watchers that the workers' loop reaped before the thread's wait did.
        self.reaped = {}
        self.proc = None
        self._start()
        threading.Thread(target=self._keep, daemon=True).start()

    def _start(self):
        self.started = time.monotonic()
        try:
            self.proc = subprocess.Popen(self.args, stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                                         close_fds=True, env=self.env)
        except OSError as e:
            log.error("the watcher cannot be started: %s", e)
            self.proc = None

    def _keep(self):
        in_a_row = 0
        while True:
            proc, started = self.proc, self.started
            code = proc.wait() if proc else None
            in_a_row = in_a_row + 1 if time.monotonic() - started < WATCH_SETTLED_SECONDS else 1
            # A pause between starts; by its end the workers' loop has told what it reaped.
            if self.stopping.wait(1):
                return
            how = ending(self.reaped.pop(proc.pid, code)) if proc else "not started"
            if in_a_row > WATCH_STARTS:
                log.error("the watcher ended (%s), %d times in a row soon after its start; it is not "
                          "started again: downloads and the page keep the table they have until the "
                          "server is restarted", how, in_a_row)
                return
            log.error("the watcher ended (%s); starting it again", how)
            with self.lock:
                if self.stopping.is_set():
                    return
                self._start()

    def ended(self, pid, status):
        """The workers' loop reaped pid: whether it was the watcher (its thread goes on)."""
        proc = self.proc
        if not proc or proc.pid != pid:
            return False
        self.reaped[pid] = os.waitstatus_to_exitcode(status)
        return True

    def close_in_worker(self):
        """A forked worker keeps no end of the watcher's stdin, so that the watcher ends with us."""
        proc = self.proc
        if proc and proc.stdin:
            proc.stdin.close()

    def stop(self):
        self.stopping.set()
        with self.lock:
            proc = self.proc
        if proc:
            proc.stdin.close()
            try:
                proc.wait(5)
            except subprocess.TimeoutExpired:
                proc.kill()


def make_http(address, port, www):
    class PageHandler(http.server.SimpleHTTPRequestHandler):
        timeout = HTTP_SECONDS

        def __init__(self, *args, **kwargs):
            super().__init__(*args, directory=www, **kwargs)

        def send_head(self):
            path = urllib.parse.unquote(urllib.parse.urlsplit(self.path).path)
            if path == "/":
                self.send_response(302)
                self.send_header("Location", "/table.html")
                self.send_header("Content-Length", "0")
                self.end_headers()
                return None
            name = path[1:]
            if name not in SERVED or not os.path.isfile(os.path.join(www, name)):
                self.send_error(404)
                return None
            return super().send_head()

        def end_headers(self):
            # The table changes with every exchange.
            self.send_header("Cache-Control", "no-cache")
            super().end_headers()

        def log_message(self, format, *args):
            log.debug("http %s %s", self.address_string(), format % args)

    server = http.server.ThreadingHTTPServer((address, port), PageHandler)
    server.daemon_threads = True
    return server


def port_range(text):
    m = re.fullmatch(r"(\d+)-(\d+)", text)
    if not m or not 1024 <= int(m.group(1)) <= int(m.group(2)) <= 65535:
        raise argparse.ArgumentTypeError("give FIRST-LAST, within 1024-65535")
    return list(range(int(m.group(1)), int(m.group(2)) + 1))


def ipv4(text):
    try:
        return str(ipaddress.IPv4Address(text))
    except ValueError:
        raise argparse.ArgumentTypeError("an IPv4 address is needed, e.g. 203.0.113.7")


def positive(text):
    if not text.isdigit() or int(text) < 1:
        raise argparse.ArgumentTypeError("a number of at least 1 is needed")
    return int(text)


def main():
    root = os.geteuid() == 0
    p = argparse.ArgumentParser(
        prog="results-server.sh",
        description="The Kvelli 99 results server: FTP for the game's exchange, HTTP for the page.")
    p.add_argument("--dir", default=default_dir(),
                   help="data directory, holding WWW (default: %(default)s)")
    p.add_argument("--address", default="127.0.0.1",
                   help="address to listen on; 0.0.0.0 for every interface (default: %(default)s)")
    p.add_argument("--ftp-port", type=int, default=21 if root else USER_FTP_PORT,
                   help="FTP port (default: 21 as root, else %d); 0: any free port" % USER_FTP_PORT)
    p.add_argument("--http-port", type=int, default=DEFAULT_HTTP_PORT,
                   help="web port (default: %(default)s); 0: any free port")
    p.add_argument("--passive-ports", type=port_range, metavar="FIRST-LAST",
                   help="ports for passive data connections, to open in a firewall (default: any)")
    p.add_argument("--announce-address", type=ipv4, metavar="ADDR",
                   help="the address PASV replies give, for a server behind its own NAT")
    p.add_argument("--max-connections", type=positive, default=64, metavar="N",
                   help="FTP connections in all (default: %(default)s)")
    p.add_argument("--max-per-address", type=positive, default=8, metavar="N",
                   help="FTP connections from one address (default: %(default)s)")
    p.add_argument("--database", metavar="CONNINFO", default=os.environ.get("KVELLI99_DATABASE") or None,
                   help="keep the common table in PostgreSQL (a libpq connection string or URI), shared "
                        "by every front end started with it (default: $KVELLI99_DATABASE, else the file "
                        "WWW/records.rec)")
    p.add_argument("--workers", type=positive, default=1, metavar="N",
                   help="FTP processes on the one port; the connection limits hold for each (default: 1)")
    p.add_argument("--records-tool", metavar="PATH",
                   help="the records tool %s (default: $KVELLI99_RECORDS_TOOL, else found on PATH)" % TOOL_NAME)
    p.add_argument("--accept-unverified", action="store_true",
                   help="merge every entry of a table sent, as older servers did, instead of only the new "
                        "entries whose proof the records tool replays to their score")
    p.add_argument("--tls-cert", metavar="FILE",
                   help="offer TLS (AUTH TLS) with this certificate (PEM, the chain after it)")
    p.add_argument("--tls-key", metavar="FILE", help="the certificate's private key (PEM; default: in --tls-cert)")
    p.add_argument("--tls-required", action="store_true",
                   help="refuse a login and any transfer without TLS (needs --tls-cert)")
    p.add_argument("--verbose", action="store_true", help="log every FTP command")
    a = p.parse_args()
    if (a.tls_key or a.tls_required) and not a.tls_cert:
        p.error("--tls-key and --tls-required need --tls-cert")

    logging.basicConfig(stream=sys.stderr, format="%(asctime)s %(message)s",
                        level=logging.DEBUG if a.verbose else logging.INFO)
    # pyftpdlib's own lines (logins, transfers) only when asked: the exchange line says it all.
    logging.getLogger("pyftpdlib").setLevel(logging.DEBUG if a.verbose else logging.WARNING)

    tls = tls_context(a.tls_cert, a.tls_key or a.tls_cert) if a.tls_cert else None
    tool = find_tool(a.records_tool)
    if not tool:
        sys.exit("results-server: the records tool %s is needed: give --records-tool PATH, or build it "
                 "(cmake --build build --target %s)" % (a.records_tool or TOOL_NAME, TOOL_NAME))
    home = os.path.realpath(a.dir)
    if "\t" in home or "\n" in home:
        sys.exit("results-server: the data directory's path may hold no tab or line end: %r" % home)
    try:
        www = prepare(home, tool, a.database)
    except OSError as e:
        sys.exit("results-server: cannot prepare %s: %s" % (home, e))
    except RuntimeError as e:
        sys.exit("results-server: the table is damaged: %s" % e)
    except DatabaseError as e:
        sys.exit("results-server: cannot use the database: %s" % e)
    try:
        sock = listen(a.address, a.ftp_port)
    except OSError as e:
        hint = (" (ports below 1024 need root or the capability CAP_NET_BIND_SERVICE; try --ftp-port %d)"
                % USER_FTP_PORT if isinstance(e, PermissionError) and a.ftp_port < 1024 else "")
        sys.exit("results-server: cannot listen for FTP on %s:%d: %s%s" % (a.address, a.ftp_port, e, hint))
    try:
        web = make_http(a.address, a.http_port, www)
    except OSError as e:
        sys.exit("results-server: cannot listen for HTTP on %s:%d: %s" % (a.address, a.http_port, e))

    # pyftpdlib's CWD goes back to the directory the server started in: one its user may not
    # enter (root's home, for a server started as root for another user) broke every CWD.
    os.chdir("/")

    ftp_port = sock.getsockname()[1]
    http_port = web.server_address[1]
    shown = a.address if a.address not in ("0.0.0.0", "") else "<this machine's address>"
    print("Kvelli 99 results server")
    print("  data:  %s" % www)
    print("  FTP:   %s:%d  (account %s)" % (a.address, ftp_port, USER))
    if tls:
        print("  TLS:   %s" % ("required" if a.tls_required else "offered (AUTH TLS)"))
    if a.passive_ports or a.announce_address:
        ports = "%d-%d" % (a.passive_ports[0], a.passive_ports[-1]) if a.passive_ports else "any"
        print("  PASV:  ports %s, announced as %s" % (ports, a.announce_address or "the address dialled"))
    if a.database:
        print("  table: in the database (%d worker%s)" % (a.workers, "s" if a.workers > 1 else ""))
    elif a.workers > 1:
        print("  workers: %d" % a.workers)
    print("  page:  http://%s:%d/table.html" % (shown, http_port))
    if ftp_port == 21 and a.address == "127.0.0.1":
        # The game's own default is 127.0.0.1, port 21.
        print("Players send results with the game as it is (results server on port 21).")
    else:
        print("Play against it:  KVELLI99_RESULTS_SERVER=%s:%d kvelli99" % (shown, ftp_port))
    if http_port != DEFAULT_HTTP_PORT or shown != "127.0.0.1":
        print("Results site:     KVELLI99_RESULTS_SITE=http://%s:%d/table.html" % (shown, http_port))
    print("READY ftp=%d http=%d" % (ftp_port, http_port), flush=True)

    def stop(signum, frame):
        raise SystemExit(0)

    signal.signal(signal.SIGTERM, stop)

    watch = Watcher(tool, a.database, www) if a.database else None

    def serve():
        web.socket.close()
        if watch:
            watch.close_in_worker()
        make_ftp(a, sock, home, www, tool, tls).serve_forever(handle_exit=True)

    workers = []
    try:
        if a.workers == 1:
            threading.Thread(target=web.serve_forever, daemon=True).start()
            make_ftp(a, sock, home, www, tool, tls).serve_forever(handle_exit=True)
        else:
            # The listening socket stays open here too, for the workers that replace others.
            workers = start_workers(a.workers, serve)
            threading.Thread(target=web.serve_forever, daemon=True).start()
            # A worker that dies is replaced; the others serve meanwhile.
            while True:
                pid, status = os.wait()
                if pid in workers:
                    log.error("worker %d ended (status %d); starting another", pid, status)
                    workers.remove(pid)
                    time.sleep(1)
                    workers += start_workers(1, serve)
                elif watch:
                    watch.ended(pid, status)
    except (KeyboardInterrupt, SystemExit):
        pass
    finally:
        for pid in workers:
            try:
                os.kill(pid, signal.SIGTERM)
            except OSError:
                pass
        for pid in workers:
            try:
                os.waitpid(pid, 0)
            except OSError:
                pass
        if watch:
            watch.stop()
        web.shutdown()


if __name__ == "__main__":
    main()
