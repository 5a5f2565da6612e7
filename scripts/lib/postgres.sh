# Sourced by scripts: a throw-away PostgreSQL (Debian's postgresql) in a directory, on a port of
# 127.0.0.1 and a socket in that directory. PostgreSQL refuses to run as root, so as root it runs
# as nobody. start_postgres DIR PORT sets PG_CONNINFO (add dbname=...; "postgres" is there) and
# PG_PID; stop_postgres ends it.
PG_BIN=${PG_BIN:-/usr/lib/postgresql/15/bin}
pg_as() {
  if [ "$(id -u)" -eq 0 ]; then
    setpriv --reuid=nobody --regid=nogroup --clear-groups env LC_ALL=C "$@"
  else
    env LC_ALL=C "$@"
  fi
}
start_postgres() { # DIR PORT
  mkdir -p "$1"
  [ "$(id -u)" -ne 0 ] || chown nobody:nogroup "$1"
  pg_as "$PG_BIN/initdb" -D "$1/data" -U kvelli99 --auth=trust --no-sync -E UTF8 >"$1/initdb.log" 2>&1 ||
    { cat "$1/initdb.log" >&2; return 1; }
  # Started as a command, not a function, so that $! is PostgreSQL itself.
  local as=()
  [ "$(id -u)" -ne 0 ] || as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  env LC_ALL=C "${as[@]}" "$PG_BIN/postgres" -D "$1/data" -k "$1" -p "$2" -c listen_addresses=127.0.0.1 \
    -c fsync=off -c synchronous_commit=off -c max_connections=200 >"$1/postgres.log" 2>&1 &
  PG_PID=$!
  PG_CONNINFO="host=127.0.0.1 port=$2 user=kvelli99"
  for _ in $(seq 100); do
    "$PG_BIN/pg_isready" -q -h 127.0.0.1 -p "$2" && return 0
    sleep 0.1
  done
  cat "$1/postgres.log" >&2
  return 1
}
stop_postgres() {
  [ -z "${PG_PID:-}" ] || { kill -INT "$PG_PID" 2>/dev/null || true; wait "$PG_PID" 2>/dev/null || true; }
  PG_PID=
}
