"""A pyftpdlib server on 127.0.0.1 for tests and measurements.

Prints "PORT <n>" once it listens, and ends when its standard input closes (the test that started
it went away) or on SIGTERM.
"""
import argparse
import logging
import os
import sys
import threading

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--home", required=True)
    p.add_argument("--user", default="kvelli99")
    p.add_argument("--password", default="quillon84")
    p.add_argument("--port", type=int, default=0)
    p.add_argument("--read-only-www", action="store_true")
    p.add_argument("--binary", action="store_true",
                   help="start each session in TYPE I instead of pyftpdlib's ASCII")
    p.add_argument("--passive-ports", help="first-last")
    p.add_argument("--masquerade", help="the address PASV replies name")
    p.add_argument("--no-passive", action="store_true", help="refuse PASV and EPSV as unknown")
    p.add_argument("--tls-cert", help="PEM file: TLS required on control and data connections")
    p.add_argument("--tls-key", help="its key")
    p.add_argument("--verbose", action="store_true")
    a = p.parse_args()

    log = logging.getLogger("pyftpdlib")
    log.addHandler(logging.StreamHandler(sys.stderr))
    log.setLevel(logging.DEBUG if a.verbose else logging.WARNING)

    auth = DummyAuthorizer()
    auth.add_user(a.user, a.password, a.home, perm="elradfmwMT")
    www = os.path.join(a.home, "WWW")
    if a.read_only_www and os.path.isdir(www):
        auth.override_perm(a.user, www, "elr", recursive=True)

    base = FTPHandler
    if a.tls_cert:
        from pyftpdlib.handlers import TLS_FTPHandler
        base = TLS_FTPHandler

    class Handler(base):
        pass

    if a.tls_cert:
        Handler.certfile = a.tls_cert
        Handler.keyfile = a.tls_key
        Handler.tls_control_required = True
        Handler.tls_data_required = True

    Handler.authorizer = auth
    # A refused login is answered at once rather than after pyftpdlib's three seconds.
    Handler.auth_failed_timeout = 0.1
    if a.binary:
        def init(self, *args, **kw):
            base.__init__(self, *args, **kw)
            self._current_type = "i"

        def flush_account(self):
            base.flush_account(self)
            self._current_type = "i"

        Handler.__init__ = init
        Handler.flush_account = flush_account
    # Data connections only from and to the control connection's peer (pyftpdlib's default,
    # and vsftpd's): a PORT naming another address is refused.
    Handler.permit_foreign_addresses = False
    if a.masquerade:
        Handler.masquerade_address = a.masquerade
    if a.no_passive:
        Handler.proto_cmds = {k: v for k, v in FTPHandler.proto_cmds.items() if k not in ("PASV", "EPSV")}
    if a.passive_ports:
        first, last = (int(x) for x in a.passive_ports.split("-"))
        Handler.passive_ports = range(first, last + 1)

    server = FTPServer(("127.0.0.1", a.port), Handler)
    server.max_cons = 64
    print("PORT %d" % server.socket.getsockname()[1], flush=True)

    def watch_parent():
        sys.stdin.read()
        os._exit(0)

    threading.Thread(target=watch_parent, daemon=True).start()
    server.serve_forever(handle_exit=True)


if __name__ == "__main__":
    main()
