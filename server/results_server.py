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

This file holds the options and the start; beside it: results_merge.py (the merge pipeline),
results_ftp.py (the FTP handlers) and results_workers.py (the processes).
"""
import argparse
import http.server
import ipaddress
import logging
import os
import re
import shutil
import socket
import sys
import urllib.parse

# The modules beside this file are not byte-compiled into their directory: a server started as root
# would leave a __pycache__ in the package's directory that no package removes.
sys.dont_write_bytecode = True

from results_ftp import USER, make_ftp, tls_context  # noqa: E402
from results_merge import ASSETS, HERE, PAGE, TOOL_NAME, DatabaseError, log, prepare  # noqa: E402
from results_workers import Watcher, stop_on_sigterm, supervise  # noqa: E402

SERVED = (PAGE,) + ASSETS
DEFAULT_HTTP_PORT = 8099
USER_FTP_PORT = 2121
# A page client is let go when it sends nothing (or takes nothing) for this long, so that silent
# connections cannot pile up and take every descriptor, the FTP side's too.
HTTP_SECONDS = 10


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

    stop_on_sigterm()

    watch = Watcher(tool, a.database, www) if a.database else None
    supervise(a.workers, lambda: make_ftp(a, sock, home, www, tool, tls), web, watch)

if __name__ == "__main__":
    main()
