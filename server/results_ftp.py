"""The results server's FTP side: the session handler that takes the game's uploads (records.prf,
records.rec, table.html) and answers each records.rec with the merge's verdict, the data
connection handler that receives uploads byte for byte, their TLS variants, and the server made
of them."""
import logging
import os
import stat
import sys
import tempfile

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.filesystems import AbstractedFS
from pyftpdlib.handlers import ActiveDTP, DTPHandler, FTPHandler, PassiveDTP
from pyftpdlib.ioloop import RetryError
from pyftpdlib.servers import FTPServer

from results_merge import MAX_UPLOAD, PAGE, PROOFS, TABLE, Merger

try:  # Debian's python3-openssl; only --tls-cert needs it.
    from OpenSSL import SSL
    from pyftpdlib.handlers import TLS_DTPHandler, TLS_FTPHandler
except ImportError:
    SSL = None

USER = "kvelli99"
PASSWORD = "quillon84"
STORABLE = (TABLE, PAGE, PROOFS)
# A proofs file holds at most 20 proofs of at most 64 KiB each (a whole game is a few KiB); the
# records tool reads no more than that either.
MAX_PROOFS = 20 * (64 * 1024 + 32) + 64

log = logging.getLogger("kvelli99-server")


class ResultsFS(AbstractedFS):
    """pyftpdlib resolves each path a command names from / on, and the account's home with it,
    several times a command: most of a session's system calls. The home (the root, which the
    authorizer resolved when the account was made) is not looked at again; below it, each part of
    the path is, and a symbolic link falls back to the full resolution, so that a link out of the
    home is refused as before."""

    def realpath(self, path):
        home = self.root
        if path == home:
            return home
        if not path.startswith(home + os.sep) or os.path.normpath(path) != path:
            return os.path.realpath(path)
        at = home
        for part in path[len(home) + 1:].split(os.sep):
            at = at + os.sep + part
            try:
                mode = os.lstat(at).st_mode
            except OSError:
                return path  # what is not there stays as named, as realpath leaves it
            if stat.S_ISLNK(mode):
                return os.path.realpath(path)
        return path


class OwnChannel:
    """Leaves the event loop only with a descriptor that is still its own. pyftpdlib's channels
    leave it by number: a data channel's connector or listener, closed again after its socket
    was handed on and closed and its number taken by another session's socket, took that
    session out of the loop, and it hung. One loop serves every session of a worker, so that a
    session costs no thread and loop of its own."""

    def del_channel(self, map=None):
        # The number stays: a session that failed its login leaves the loop for a while and
        # comes back with it.
        fd = self._fileno
        if fd is not None and self.ioloop.socket_map.get(fd) is self:
            self.ioloop.unregister(fd)


class ResultsPassiveDTP(OwnChannel, PassiveDTP):
    pass


class ResultsActiveDTP(OwnChannel, ActiveDTP):
    pass


class ResultsDTPHandler(OwnChannel, DTPHandler):
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


class ResultsHandler(OwnChannel, FTPHandler):
    dtp_handler = ResultsDTPHandler
    passive_dtp = ResultsPassiveDTP
    active_dtp = ResultsActiveDTP
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
        if self.fs.realpath(os.path.dirname(file)) != self.www or name not in STORABLE or "a" in mode:
            self.respond("553 Only records.prf, records.rec and table.html may be stored, in WWW.")
            return None
        if name == PAGE:
            # The server writes its own page: the player's is received and thrown away, and
            # never among the files this session removes.
            return super().ftp_STOR(os.devnull, mode)
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
            # An upload over TLS ends with the client's close_notify (the game, curl and ftplib all
            # send it); a reset, or an end of the connection without it, is a broken upload, as a
            # reset is in plain FTP (pyftpdlib's TLS layer takes either for the end of the file).
            try:
                return self.socket.recv(buffer_size)
            except SSL.WantReadError:
                self._ssl_want_read = True
                raise RetryError
            except SSL.WantWriteError:
                self._ssl_want_write = True
                raise RetryError
            except SSL.ZeroReturnError:
                self._tls_ended = True
                self.handle_close()
                return b""
            except SSL.SysCallError:
                self._resp = ("426 Connection reset; the upload is dropped.", log.info)
                self.close()
                return b""

        def handle_close(self):
            # The TLS layer also closes on a reset met in the handshake or in a write (TLS 1.3's
            # session tickets go out after it), and a closed upload counts as complete: only the
            # end that the upload's own reading met is one.
            if self.receive and self._ssl_requested and not self._closed and not getattr(self, "_tls_ended", False):
                self._resp = ("426 Connection reset; the upload is dropped.", log.info)
                self.close()
                return
            super().handle_close()

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
    handler.abstracted_fs = ResultsFS
    handler.www = www
    handler.merger = Merger(tool, www, a.database, verify=not a.accept_unverified)
    handler.passive_ports = a.passive_ports
    handler.masquerade_address = a.announce_address
    server = FTPServer(sock, handler)
    server.max_cons = a.max_connections
    server.max_cons_per_ip = a.max_per_address
    return server
