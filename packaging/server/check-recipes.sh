#!/usr/bin/env bash
# The administrator's recipes of docs/results-server.md (its fenced blocks marked
# "<!-- recipe: NAME -->"), run as written, as root, on this machine: from the install of the
# package through PostgreSQL, two front ends, nginx over HTTP and HTTPS, TLS, a backup and a
# restore, to the purge, with checks between them that the server does what the guide says.
# It changes the machine (packages, PostgreSQL's main cluster, nginx's sites, ports 21, 80, 443,
# 2121, 8098, 8099): CI runs it (CI=true, as root); everything it made goes again at its end.
# Usage: check-recipes.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
src=$1
build=$2
doc=$src/docs/results-server.md
PY=/usr/bin/python3
tmp=$(mktemp -d /tmp/kvelli-recipes.XXXXXX)
began=$SECONDS
fail() {
    echo "FAIL: $*" >&2
    for log in /var/log/kvelli99-server.log /var/log/kvelli99-server-2.log; do
        [ ! -f "$log" ] || { echo "--- $log" >&2; tail -20 "$log" >&2; }
    done
    exit 1
}
[ "$(id -u)" -eq 0 ] || fail "the recipes are run as root"
systemd=
[ -d /run/systemd/system ] && systemd=1

# What was there before, to leave it so.
had_default_site=
[ -e /etc/nginx/sites-enabled/default ] && had_default_site=1
nginx_ran=
pgrep -x nginx >/dev/null && nginx_ran=1
pg_ran=
pg_isready -q -h /var/run/postgresql 2>/dev/null && pg_ran=1
if dpkg-query -W -f='${Status}' kvelli99-server 2>/dev/null | grep -q 'install ok installed'; then
    fail "kvelli99-server is installed here already; the recipes start from a machine without it"
fi
# Its cleanup removes the server's data: never a table that was here before.
for d in /var/lib/kvelli99-server /var/lib/kvelli99-server-2 /etc/kvelli99-server; do
    [ ! -e "$d" ] || fail "$d is here already (a results server's data?); the recipes start from a machine without it"
done

cleanup() {
    set +e
    for pidfile in /run/kvelli99-server.pid /run/kvelli99-server-2.pid; do
        [ -f "$pidfile" ] && kill "$(cat "$pidfile")" 2>/dev/null
        rm -f "$pidfile"
    done
    dpkg-query -W kvelli99-server >/dev/null 2>&1 && DEBIAN_FRONTEND=noninteractive apt-get purge -y -q kvelli99-server >/dev/null
    rm -f /etc/nginx/sites-enabled/kvelli99-server /etc/nginx/sites-enabled/kvelli99-server-https
    [ -n "$had_default_site" ] && [ ! -e /etc/nginx/sites-enabled/default ] &&
        ln -s /etc/nginx/sites-available/default /etc/nginx/sites-enabled/default
    if [ -z "$nginx_ran" ]; then nginx -s quit 2>/dev/null; else nginx -s reload 2>/dev/null; fi
    if pg_isready -q -h /var/run/postgresql 2>/dev/null; then
        su postgres -c "dropdb --if-exists kvelli99; dropuser --if-exists kvelli99" >/dev/null 2>&1
        [ -n "$pg_ran" ] || pg_ctlcluster 15 main stop
    fi
    userdel kvelli99-server 2>/dev/null
    rm -rf /etc/kvelli99-server /var/lib/kvelli99-server /var/lib/kvelli99-server-2 \
        /var/log/kvelli99-server.log /var/log/kvelli99-server-2.log "$tmp"
    rm -f /root/backup/kvelli99-*.dump /root/backup/kvelli99.dump.part /root/backup/records-*.rec
    rmdir /root/backup 2>/dev/null
}
trap cleanup EXIT

today=$(date +%F)
# run NAME: the recipe as written, the guide's example names replaced by this machine's (the
# database host and the announced address are this machine; the backup's date is today's), in a
# directory whose build/ is this build. Without systemd, "systemctl" does what the guide says to
# do there instead: the recipes that start and stop the server, nginx by itself.
run() {
    local name=$1 script=$tmp/$1.sh
    {
        # As an administrator's shell runs them, stopping at the first failure.
        echo 'set -e -o pipefail'
        if [ -z "$systemd" ]; then
            echo 'start_server() {'
            block start-without-systemd
            echo '}'
            echo 'stop_server() {'
            block stop-without-systemd
            echo '}'
            cat <<'EOF'
systemctl() {
    case "$*" in
    "restart kvelli99-server") if [ -f /run/kvelli99-server.pid ]; then stop_server; fi; start_server ;;
    "reload nginx") if pgrep -x nginx >/dev/null; then nginx -s reload; else nginx; fi ;;
    *) echo "no systemd here for: systemctl $*" >&2; return 1 ;;
    esac
}
EOF
        fi
        block "$name"
    } >"$script"
    echo "== recipe $name"
    (cd "$tmp/work" && bash "$script") || fail "the recipe \"$name\" of docs/results-server.md failed"
}
block() {
    "$PY" - "$doc" "$1" "$today" <<'EOF'
import re, sys
doc, name, today = sys.argv[1:]
found = re.findall(r"<!-- recipe: %s -->\n```sh\n(.*?)```\n" % re.escape(name), open(doc, encoding="utf-8").read(), re.S)
if len(found) != 1:
    sys.exit("docs/results-server.md holds %d recipes named %s" % (len(found), name))
text = found[0].replace("db.example.org", "127.0.0.1").replace("203.0.113.7", "127.0.0.1")
print(text.replace("2026-12-01", today), end="")
EOF
}

# The players' genuine games, played through the game core to their end (the server believes
# only what it can replay): Ann, Bob, Cyd and Dee in rising order of score.
cmake --build "$build" --target play_games >"$tmp/play_games.log" 2>&1 || { cat "$tmp/play_games.log"; fail "play_games not built"; }
mkdir -p "$tmp/games"
"$build/play_games" 1 40 "$tmp/games" | sort -k2,2n | awk '!seen[$2]++' | head -n 4 |
    paste -d' ' <(printf '%s\n' Ann Bob Cyd Dee) - >"$tmp/players.txt"
[ "$(wc -l <"$tmp/players.txt")" -eq 4 ] || fail "play_games made too few games"
score() { awk -v n="$1" '$1 == n { print $3 }' "$tmp/players.txt"; }

# send PORT NAME [CAFILE]: a player's game as the game sends it, its proofs file before its
# table, over TLS when a CA file is given.
send() {
    local seed
    seed=$(awk -v n="$2" '$1 == n { print $2 }' "$tmp/players.txt")
    "$PY" - "$1" "$2" "$(score "$2")" "$tmp/games/$seed.prf" "${3:-}" <<'EOF' || fail "no table sent to port $1"
import ftplib, io, ssl, sys
port, name, score, proofs, ca = int(sys.argv[1]), sys.argv[2], sys.argv[3], sys.argv[4], sys.argv[5]
if ca:
    ctx = ssl.create_default_context(cafile=ca)
    ctx.check_hostname = False
    f = ftplib.FTP_TLS(context=ctx, timeout=10)
else:
    f = ftplib.FTP(timeout=10)
f.connect("127.0.0.1", port)
if ca:
    f.auth()
f.login("kvelli99", "quillon84")
if ca:
    f.prot_p()
f.cwd("WWW")
with open(proofs, "rb") as p:
    f.storbinary("STOR records.prf", p)
reply = f.storbinary("STOR records.rec", io.BytesIO(bytes((256 - b) % 256 for b in ("%s_%s" % (name, score)).encode()) + b"\r\n"))
if "unproven=0 forged=0 duplicate=0" not in reply:
    sys.exit("%s was not taken: %s" % (name, reply))
f.quit()
EOF
}
# waits for an FTP greeting on PORT
wait_ftp() {
    for _ in $(seq 100); do
        "$PY" -c "import socket,sys; s=socket.create_connection(('127.0.0.1', $1), 1); sys.exit(0 if s.recv(64).startswith(b'220') else 1)" \
            2>/dev/null && return 0
        sleep 0.2
    done
    fail "nothing answers FTP on port $1"
}
# page URL: the page, or nothing
page() { curl -s --max-time 10 "$@" || true; }
# shows PATTERN URL...: the page holds PATTERN within 10 s
shows() {
    local pattern=$1
    shift
    for _ in $(seq 50); do
        page "$@" | grep -q -- "$pattern" && return 0
        sleep 0.2
    done
    fail "$* does not show $pattern"
}

# The recipes' "apt-get install" of a package that is here already does not upgrade it in the
# middle of the check (nor reach for the network).
printf 'APT::Get::Upgrade "false";\n' >"$tmp/apt.conf"
export APT_CONFIG=$tmp/apt.conf DEBIAN_FRONTEND=noninteractive
mkdir -p "$tmp/work/build"
# The server and PostgreSQL's tools, started from here as other users, may look into it.
chmod 755 "$tmp" "$tmp/work"
ln -s "$build/CPackServerConfig.cmake" "$tmp/work/build/CPackServerConfig.cmake"

run install
[ "$(stat -c '%a %U %G' /etc/default/kvelli99-server)" = "640 root kvelli99-server" ] ||
    fail "/etc/default/kvelli99-server is $(stat -c '%a %U %G' /etc/default/kvelli99-server)"
[ "$(stat -c '%U' /var/lib/kvelli99-server)" = kvelli99-server ] || fail "no state directory of the server's user"
[ -n "$systemd" ] || run start-without-systemd
wait_ftp 21
send 21 Ann
shows '>Ann</FONT>' http://127.0.0.1:8099/table.html
if [ -z "$systemd" ]; then
    grep -q "^Uid:.*\b$(id -u kvelli99-server)\b" "/proc/$(cat /run/kvelli99-server.pid)/status" ||
        fail "the server does not run as kvelli99-server"
fi

run options
wait_ftp 21
"$PY" - <<'EOF' || fail "the options are not in force"
import ftplib
f = ftplib.FTP(timeout=10)
f.connect("127.0.0.1", 21)
f.login("kvelli99", "quillon84")
reply = f.sendcmd("PASV")
numbers = [int(n) for n in reply[reply.index("(") + 1:reply.index(")")].split(",")]
assert numbers[:4] == [127, 0, 0, 1] and 50000 <= numbers[4] * 256 + numbers[5] <= 50099, reply
EOF

[ -n "$systemd" ] || [ -n "$pg_ran" ] || pg_ctlcluster 15 main start
run postgresql
run database-options
wait_ftp 21
run second-front-end
wait_ftp 2121
send 21 Bob
shows '>Bob</FONT>' http://127.0.0.1:8098/table.html
send 2121 Cyd
shows '>Cyd</FONT>' http://127.0.0.1:8099/table.html

run nginx
shows '>Cyd</FONT>' http://127.0.0.1/table.html
[ "$(page -o /dev/null -w '%{http_code}' http://127.0.0.1/records.rec)" = 404 ] || fail "nginx serves the table"

run tls-certificate
run tls-options
wait_ftp 21
cert=/etc/kvelli99-server/tls/fullchain.pem
tls=(--ssl-reqd --cacert "$cert" --resolve results.example.org:21:127.0.0.1 -u kvelli99:quillon84)
send 21 Dee "$cert"
curl -sS --max-time 20 "${tls[@]}" -o "$tmp/down.rec" ftp://results.example.org/WWW/records.rec ||
    fail "curl does not fetch over TLS"
kvelli99-records list "$tmp/down.rec" | grep -q $'\tDee\t'"$(score Dee)"'$' || fail "the table fetched over TLS lacks Dee"
if curl -sS --max-time 20 -u kvelli99:quillon84 -o /dev/null ftp://127.0.0.1/WWW/records.rec 2>/dev/null; then
    fail "--tls-required let a plain session fetch the table"
fi

run nginx-https
shows '>Dee</FONT>' --cacert "$cert" --resolve results.example.org:443:127.0.0.1 https://results.example.org/table.html

run backup
[ -s "/root/backup/kvelli99-$today.dump" ] || fail "no dump"
# Ann went to the file store, before the database came.
[ "$(kvelli99-records list "/root/backup/records-$today.rec" | cut -f2 | tr '\n' ' ')" = "Dee Cyd Bob " ] ||
    fail "the exported table is not Dee, Cyd, Bob: $(kvelli99-records list "/root/backup/records-$today.rec")"

# The database is lost; the front ends stop, then the restore brings it back.
if [ -n "$systemd" ]; then systemctl stop kvelli99-server; else kill "$(cat /run/kvelli99-server.pid)"; fi
kill "$(cat /run/kvelli99-server-2.pid)"
rm -f /run/kvelli99-server.pid /run/kvelli99-server-2.pid
sleep 1
su postgres -c "dropdb kvelli99"
run restore
wait_ftp 21
for name in Bob Cyd Dee; do
    kvelli99-records list /var/lib/kvelli99-server/WWW/records.rec | grep -q $'\t'"$name"$'\t' ||
        fail "the restored table lacks $name"
done
run restore-records

[ -n "$systemd" ] || { kill "$(cat /run/kvelli99-server.pid)" && rm /run/kvelli99-server.pid; }
run purge
for gone in /etc/nginx/sites-enabled/kvelli99-server /etc/nginx/sites-enabled/kvelli99-server-https \
    /etc/default/kvelli99-server; do
    [ ! -e "$gone" ] && [ ! -L "$gone" ] || fail "$gone is still there after the purge"
done
! dpkg-statoverride --list /etc/default/kvelli99-server >/dev/null || fail "the purge left a stat override"
[ -f /var/lib/kvelli99-server/WWW/records.rec ] || fail "the purge took the table"
echo "the administrator's recipes: all ran as written ($((SECONDS - began)) s)"
