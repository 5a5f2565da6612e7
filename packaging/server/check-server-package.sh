#!/usr/bin/env bash
# The package kvelli99-server: its install tree (the unit passes systemd-analyze verify, and the
# server started by the unit's own command line from that tree takes a table and serves its
# page), and the .deb (control fields, dependencies met here, contents, maintainer scripts,
# Debian's lintian); the game's package holds none of it. In CI (CI=true, as root) the guide's
# recipes then install it and run it as an administrator would, to the purge (check-recipes.sh);
# elsewhere a test must not change the machine.
# Usage: check-server-package.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
PY=/usr/bin/python3
tmp=$(mktemp -d /tmp/kvelli-server-pkg.XXXXXX)
server_pid=
cleanup() {
    if [ -n "$server_pid" ]; then kill "$server_pid" 2>/dev/null || true; wait "$server_pid" 2>/dev/null || true; fi
    rm -rf "$tmp"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# --- the install tree
root=$tmp/root
DESTDIR=$root cmake --install "$build" --component server --prefix /usr >"$tmp/install.log" 2>&1 ||
    { cat "$tmp/install.log"; fail "cmake --install --component server failed"; }
unit=$root/usr/lib/systemd/system/kvelli99-server.service
for f in usr/bin/kvelli99-records usr/share/kvelli99-server/results_server.py usr/share/kvelli99-server/results-server.sh \
    usr/share/kvelli99-server/results_merge.py usr/share/kvelli99-server/results_ftp.py \
    usr/share/kvelli99-server/results_workers.py \
    usr/share/kvelli99-server/www/tr.gif usr/share/kvelli99-server/www/styles.css \
    usr/share/man/man1/kvelli99-records.1.gz usr/share/doc/kvelli99-server/results-server.md \
    usr/share/doc/kvelli99-server/copyright usr/share/doc/kvelli99-server/changelog.gz \
    usr/share/kvelli99-server/nginx-site.conf usr/share/kvelli99-server/nginx-site-https.conf \
    etc/default/kvelli99-server usr/lib/sysusers.d/kvelli99-server.conf; do
    [ -f "$root/$f" ] || fail "the server component lacks /$f"
done
[ -f "$unit" ] || fail "the server component lacks the unit"
[ -x "$root/usr/bin/kvelli99-records" ] || fail "kvelli99-records is not executable"
grep -qE '^u kvelli99-server ' "$root/usr/lib/sysusers.d/kvelli99-server.conf" || fail "sysusers.d makes no user kvelli99-server"
grep -qF 'root /var/lib/kvelli99-server/WWW;' "$root/usr/share/kvelli99-server/nginx-site.conf" ||
    fail "the nginx site does not serve the state directory"

if ! command -v systemd-analyze >/dev/null; then
    fail "systemd-analyze is missing (Debian's systemd package; scripts/install-deps.sh installs it)"
fi
# verify looks up the unit's man page; the one the package brings is in the tree.
MANPATH=$root/usr/share/man systemd-analyze verify "$unit" >"$tmp/verify.log" 2>&1 ||
    { cat "$tmp/verify.log"; fail "systemd-analyze verify rejects the unit"; }
[ ! -s "$tmp/verify.log" ] || { cat "$tmp/verify.log"; fail "systemd-analyze verify warns about the unit"; }
# Unprivileged, its data in the state directory (readable by nginx), port 21 by a capability,
# back after a failure; the user is the one sysusers.d makes.
for line in User=kvelli99-server StateDirectory=kvelli99-server StateDirectoryMode=0755 \
    AmbientCapabilities=CAP_NET_BIND_SERVICE Restart=on-failure WantedBy=multi-user.target \
    EnvironmentFile=-/etc/default/kvelli99-server; do
    grep -qxF "$line" "$unit" || fail "the unit lacks $line"
done

# The unit's command line, pointed at the tree and a free port, starts a server that works.
exec_line=$(sed -n 's/^ExecStart=//p' "$unit")
[ -n "$exec_line" ] || fail "no ExecStart"
read -r -a argv <<<"${exec_line//\$KVELLI99_SERVER_OPTIONS/}"
for i in "${!argv[@]}"; do
    case ${argv[$i]} in
    /usr/share/* | /usr/bin/kvelli99-records) argv[i]=$root${argv[$i]} ;;
    %S/*) argv[i]=$tmp/state/${argv[$i]#%S/} ;;
    esac
done
[ "${argv[0]}" = /usr/bin/python3 ] || fail "ExecStart runs ${argv[0]}, not Debian's python3"
# The table sent has no proof: taken as the options file's --accept-unverified takes it.
# systemd starts it without $PYTHONDONTWRITEBYTECODE, which a developer's shell may set.
env -u PYTHONDONTWRITEBYTECODE "${argv[@]}" --ftp-port 0 --http-port 0 --address 127.0.0.1 --accept-unverified \
    >"$tmp/server.out" 2>"$tmp/server.log" &
server_pid=$!
for _ in $(seq 150); do grep -q '^READY ' "$tmp/server.out" && break; sleep 0.1; done
read -r ftp http < <(sed -n 's/^READY ftp=\([0-9]*\) http=\([0-9]*\)$/\1 \2/p' "$tmp/server.out") ||
    { cat "$tmp/server.out" "$tmp/server.log"; fail "the installed server did not start"; }
$PY - "$ftp" <<'EOF' || fail "the installed server did not take a table"
import ftplib, io, sys
line = b"tree_77"
f = ftplib.FTP(timeout=10)
f.connect("127.0.0.1", int(sys.argv[1]))
f.login("kvelli99", "quillon84")
f.cwd("WWW")
f.storbinary("STOR records.rec", io.BytesIO(bytes((256 - b) % 256 for b in line) + b"\r\n"))
f.quit()
EOF
page=$($PY -c "import urllib.request,sys; print(urllib.request.urlopen('http://127.0.0.1:$http/table.html', timeout=10).read().decode('cp1251'))")
grep -q '>tree</FONT>' <<<"$page" || fail "the installed server's page lacks the entry sent: $page"
[ "$("$root/usr/bin/kvelli99-records" list "$tmp/state/kvelli99-server/WWW/records.rec")" = $'1\ttree\t77' ] ||
    fail "the table in the state directory is not the one sent"
kill "$server_pid"
wait "$server_pid" 2>/dev/null || true
server_pid=
# Run as root it could write there; no package would remove what it left.
[ ! -e "$root/usr/share/kvelli99-server/__pycache__" ] || fail "the server byte-compiled its modules beside itself"

# --- the .deb
cpack -G DEB -B "$tmp/out" --config "$build/CPackServerConfig.cmake" >"$tmp/cpack.log" 2>&1 ||
    { cat "$tmp/cpack.log"; fail "cpack of the server failed"; }
arch=$(dpkg --print-architecture)
deb=$tmp/out/kvelli99-server_${version}_${arch}.deb
[ -f "$deb" ] || fail "no kvelli99-server_${version}_${arch}.deb, found: $(ls "$tmp/out")"
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = kvelli99-server ] || fail "Package is $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version is $(field Version)"
depends=$(field Depends)
echo "Depends: $depends"
IFS=',' read -r -a clauses <<<"$depends"
for clause in "${clauses[@]}"; do
    name=$(sed -E 's/^ *([^ (]+).*/\1/' <<<"$clause")
    dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -q 'install ok installed' ||
        fail "dependency \"$clause\" is not met on this machine"
done
for p in python3-pyftpdlib python3-openssl systemd; do
    grep -qE "(^|, )$p( |,|$)" <<<"$depends" || fail "Depends lacks $p"
done
dpkg-deb -c "$deb" | awk '{print $6}' >"$tmp/contents"
for p in ./usr/bin/kvelli99-records ./usr/lib/systemd/system/kvelli99-server.service \
    ./usr/share/kvelli99-server/results_server.py ./usr/share/kvelli99-server/results_merge.py \
    ./usr/share/kvelli99-server/results_ftp.py ./usr/share/kvelli99-server/results_workers.py \
    ./usr/share/kvelli99-server/www/back.gif \
    ./usr/share/man/man1/kvelli99-records.1.gz; do
    grep -qxF "$p" "$tmp/contents" || fail "the package lacks $p"
done
! grep -q '^\./usr/\(bin\|games\)/kvelli99$' "$tmp/contents" || fail "the server's package holds the game"
! grep -qE '(\.pyc|/__pycache__/?)$' "$tmp/contents" || fail "the package holds byte-compiled Python"
grep -q 'ExecStart=/usr/bin/python3 /usr/share/kvelli99-server/results_server.py ' \
    <(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/lib/systemd/system/kvelli99-server.service) ||
    fail "the packaged unit does not run the packaged server"
dpkg-deb -e "$deb" "$tmp/control"
for s in postinst prerm postrm; do
    [ -x "$tmp/control/$s" ] || fail "the package has no $s"
    sh -n "$tmp/control/$s" || fail "$s is no valid shell script"
done
grep -q 'deb-systemd-helper enable "$unit"' "$tmp/control/postinst" || fail "postinst does not enable the server"
grep -q 'systemd-sysusers kvelli99-server.conf' "$tmp/control/postinst" || fail "postinst does not make the user"
grep -qxF /etc/default/kvelli99-server "$tmp/control/conffiles" || fail "the options file is no conffile"
[ "$(field Section)" = net ] || fail "Section is $(field Section)"
# shellcheck source=../tests/lintian.sh
source "$(dirname "$0")/../tests/lintian.sh"
check_lintian "$deb"
for p in ./usr/share/kvelli99-server/nginx-site.conf ./usr/lib/sysusers.d/kvelli99-server.conf \
    ./etc/default/kvelli99-server; do
    grep -qxF "$p" "$tmp/contents" || fail "the package lacks $p"
done

# The game's package does not take the server's files.
cpack -G DEB -B "$tmp/game" --config "$build/CPackConfig.cmake" >"$tmp/cpack-game.log" 2>&1 ||
    { cat "$tmp/cpack-game.log"; fail "cpack of the game failed"; }
game=$(ls "$tmp"/game/kvelli99_*.deb)
if dpkg-deb -c "$game" | grep -E 'kvelli99-records|kvelli99-server'; then
    fail "the game's package holds files of the server"
fi
# Once a CI run: on its release build (the sanitizers' build makes no package anyone installs).
build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt")
if [ "${CI:-}" = true ] && [ "$(id -u)" -eq 0 ] && [ "$build_type" = Release ]; then
    bash "$(dirname "$0")/check-recipes.sh" "$(cd "$(dirname "$0")/../.." && pwd)" "$build" ||
        fail "the guide's recipes"
else
    echo "the guide's recipes: not run (they install the package and change the machine: CI=true, as root, in a Release build)"
fi
echo "server package: all checks passed"
