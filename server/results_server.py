"""The Kvelli 99 results server: the FTP server that the game's results exchange talks to, and a
web server for the page of results that the exchange publishes.

FTP (Debian's pyftpdlib): the account "kvelli99" / "quillon84", whose login directory holds
"WWW" with the common table "records.rec" and the page "table.html". Only those two names may be
stored there; an upload goes to a temporary file that replaces the old one only once it has come
in whole, so a broken upload never leaves a torn table behind. Nothing may be deleted, renamed or
made. The server keeps pyftpdlib's default ASCII mode, as the game sends no TYPE.

HTTP: serves the files of "WWW" (no listings, no hidden files); "/" leads to the page.

Run it through results-server.sh. It prints where it listens, then a line
"READY ftp=<port> http=<port>" for scripts.
"""
import argparse
import http.server
import logging
import os
import shutil
import signal
import sys
import tempfile
import threading
import urllib.parse

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import DTPHandler, FTPHandler
from pyftpdlib.servers import FTPServer

USER = "kvelli99"
PASSWORD = "quillon84"
STORABLE = ("records.rec", "table.html")
# The table is at most 20 short lines and the page a few kilobytes.
MAX_UPLOAD = 256 * 1024
ASSETS = ("back.gif", "styles.css", "tr.gif", "tn.gif", "ts.gif")
UMASK = os.umask(0o022)
os.umask(UMASK)
HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_HTTP_PORT = 8099
USER_FTP_PORT = 2121

log = logging.getLogger("kvelli99-server")


def default_dir():
    base = os.environ.get("XDG_DATA_HOME") or os.path.join(os.path.expanduser("~"), ".local", "share")
    return os.path.join(base, "kvelli99-server")


def prepare(data_dir):
    """Makes WWW with an empty records.rec (an existing one is kept) and the page's pictures."""
    www = os.path.join(data_dir, "WWW")
    os.makedirs(www, exist_ok=True)
    try:
        with open(os.path.join(www, "records.rec"), "xb"):
            pass
    except FileExistsError:
        pass
    for name in ASSETS:
        target = os.path.join(www, name)
        if not os.path.exists(target):
            shutil.copyfile(os.path.join(HERE, "www", name), target)
    return os.path.realpath(www)


class LimitedDTPHandler(DTPHandler):
    def handle_read(self):
        super().handle_read()
        if self.receive and not self._closed and self.tot_bytes_received > MAX_UPLOAD:
            self._resp = ("552 Upload too large.", log.info)
            self.close()


class ResultsHandler(FTPHandler):
    dtp_handler = LimitedDTPHandler
    banner = "Kvelli 99 results server ready."
    www = None  # set at start-up

    def __init__(self, *args, **kwargs):
        self._incoming = {}  # temporary file -> the file it will replace
        super().__init__(*args, **kwargs)

    def ftp_STOR(self, file, mode="w"):
        name = os.path.basename(file)
        if os.path.realpath(os.path.dirname(file)) != self.www or name not in STORABLE or "a" in mode:
            self.respond("553 Only records.rec and table.html may be stored, in WWW.")
            return None
        fd, temp = tempfile.mkstemp(prefix="." + name + ".", suffix=".part", dir=self.www)
        # As an ordinary new file would be: a web server of its own may read it.
        os.fchmod(fd, 0o666 & ~UMASK)
        os.close(fd)
        self._incoming[temp] = file
        stored = super().ftp_STOR(temp, mode)
        if stored is None:
            self._drop(temp)
        return stored

    def ftp_STOU(self, line):
        self.respond("553 Only records.rec and table.html may be stored, in WWW.")

    def on_file_received(self, file):
        target = self._incoming.pop(file, None)
        if target:
            os.replace(file, target)

    def on_incomplete_file_received(self, file):
        self._drop(file)

    def on_disconnect(self):
        for temp in list(self._incoming):
            self._drop(temp)

    def _drop(self, temp):
        if self._incoming.pop(temp, None) is not None:
            try:
                os.remove(temp)
            except OSError:
                pass


def make_ftp(address, port, home, www):
    auth = DummyAuthorizer()
    auth.add_user(USER, PASSWORD, home, perm="el")
    auth.override_perm(USER, www, "elrw", recursive=True)
    ResultsHandler.authorizer = auth
    ResultsHandler.www = www
    server = FTPServer((address, port), ResultsHandler)
    server.max_cons = 64
    server.max_cons_per_ip = 8
    return server


def make_http(address, port, www):
    class PageHandler(http.server.SimpleHTTPRequestHandler):
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
            if not name or "/" in name or name.startswith(".") or not os.path.isfile(os.path.join(www, name)):
                if name == "table.html":
                    self.send_error(404, "No results yet", "No results have been sent to this server yet.")
                else:
                    self.send_error(404)
                return None
            return super().send_head()

        def end_headers(self):
            # The table changes with every exchange.
            self.send_header("Cache-Control", "no-cache")
            super().end_headers()

        def log_message(self, format, *args):
            log.info("http %s %s", self.address_string(), format % args)

    server = http.server.ThreadingHTTPServer((address, port), PageHandler)
    server.daemon_threads = True
    return server


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
    p.add_argument("--verbose", action="store_true", help="log every FTP command")
    a = p.parse_args()

    logging.basicConfig(stream=sys.stderr, format="%(asctime)s %(message)s",
                        level=logging.DEBUG if a.verbose else logging.INFO)
    logging.getLogger("pyftpdlib").setLevel(logging.DEBUG if a.verbose else logging.INFO)

    home = os.path.realpath(a.dir)
    try:
        www = prepare(home)
    except OSError as e:
        sys.exit("results-server: cannot prepare %s: %s" % (home, e))
    try:
        ftp = make_ftp(a.address, a.ftp_port, home, www)
    except OSError as e:
        hint = " (ports below 1024 need root; try --ftp-port %d)" % USER_FTP_PORT if a.ftp_port < 1024 else ""
        sys.exit("results-server: cannot listen for FTP on %s:%d: %s%s" % (a.address, a.ftp_port, e, hint))
    try:
        web = make_http(a.address, a.http_port, www)
    except OSError as e:
        sys.exit("results-server: cannot listen for HTTP on %s:%d: %s" % (a.address, a.http_port, e))

    ftp_port = ftp.socket.getsockname()[1]
    http_port = web.server_address[1]
    shown = a.address if a.address not in ("0.0.0.0", "") else "<this machine's address>"
    print("Kvelli 99 results server")
    print("  data:  %s" % www)
    print("  FTP:   %s:%d  (account %s)" % (a.address, ftp_port, USER))
    print("  page:  http://%s:%d/table.html" % (shown, http_port))
    if ftp_port == 21:
        print("Players send results with the game as it is (results server on port 21).")
    else:
        print("Play against it:  KVELLI99_RESULTS_SERVER=%s:%d kvelli99" % (shown, ftp_port))
    if http_port != DEFAULT_HTTP_PORT or shown != "127.0.0.1":
        print("Results site:     KVELLI99_RESULTS_SITE=http://%s:%d/table.html" % (shown, http_port))
    print("READY ftp=%d http=%d" % (ftp_port, http_port), flush=True)

    threading.Thread(target=web.serve_forever, daemon=True).start()

    def stop(signum, frame):
        raise SystemExit(0)

    signal.signal(signal.SIGTERM, stop)
    try:
        ftp.serve_forever(handle_exit=True)
    finally:
        web.shutdown()


if __name__ == "__main__":
    main()
