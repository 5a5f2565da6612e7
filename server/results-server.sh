#!/bin/sh
# Starts the Kvelli 99 results server on this machine: FTP for the game's exchange (port 21 as
# root, else 2121) and the web page of results (port 8099), on 127.0.0.1 unless told otherwise.
# It runs the records tool kvelli99-records (build/, PATH, or --records-tool PATH).
#   server/results-server.sh [--dir DATA] [--address 0.0.0.0] [--ftp-port N] [--http-port N]
#     [--passive-ports FIRST-LAST] [--announce-address ADDR] [--max-connections N]
#     [--max-per-address N] [--workers N] [--database CONNINFO] [--records-tool PATH]
#     [--accept-unverified] [--verbose]
# Ends with Ctrl+C. See docs/results-server.md.
set -e
here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3
if ! "$python" -c 'import pyftpdlib' 2>/dev/null; then
  echo "results-server: Debian's python3-pyftpdlib is needed: apt-get install python3-pyftpdlib" >&2
  exit 1
fi
exec "$python" "$here/results_server.py" "$@"
