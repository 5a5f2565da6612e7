#!/usr/bin/env bash
# Builds the Debian package with CPack and checks its control fields, that this machine (Debian 12)
# satisfies its dependencies, its contents, that the packaged program starts (offscreen), and its
# first start from the desktop entry under Xvfb (check-first-start.sh).
# Installing it is left to people: a test must not change the machine.
# Usage: check-deb.sh BUILD_DIR VERSION APP_ID "ICON_SIZES" EXECUTABLE
set -euo pipefail
build=$1
version=$2
id=$3
read -r -a sizes <<<"$4"
exe=$5
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=common.sh
source "$here/common.sh"

cpack -G DEB -B "$tmp/out" --config "$build/CPackConfig.cmake" >"$tmp/cpack.log" 2>&1 ||
    { cat "$tmp/cpack.log"; fail "cpack failed"; }
shopt -s nullglob
debs=("$tmp"/out/kvelli99_*.deb)
[ ${#debs[@]} -eq 1 ] || fail "expected one kvelli99_*.deb, found: $(ls "$tmp/out")"
deb=${debs[0]}
arch=$(dpkg --print-architecture)
[ "$(basename "$deb")" = "kvelli99_${version}_${arch}.deb" ] || fail "package file is $(basename "$deb")"
echo "built $(basename "$deb") ($(stat -c %s "$deb") bytes)"

# --- control fields
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = kvelli99 ] || fail "Package is $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version is $(field Version), the project's is $version"
[ "$(field Section)" = games ] || fail "Section is $(field Section)"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is $(field Architecture)"
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "Maintainer is \"$(field Maintainer)\""
[ -n "$(field Description)" ] || fail "no Description"

depends=$(field Depends)
echo "Depends: $depends"
# Every clause must be met by what is installed here, so apt-get install ./kvelli99_*.deb resolves.
satisfied() { # NAME [OP VERSION]
    local have
    have=$(dpkg-query -W -f='${Status} ${Version}' "$1" 2>/dev/null) || return 1
    [[ "$have" == "install ok installed "* ]] || return 1
    [ $# -eq 1 ] || dpkg --compare-versions "${have##* }" "$2" "$3"
}
declare -A named=()
IFS=',' read -r -a clauses <<<"$depends"
for clause in "${clauses[@]}"; do
    ok=
    IFS='|' read -r -a alts <<<"$clause"
    for alt in "${alts[@]}"; do
        [[ "$alt" =~ ^\ *([a-z0-9][a-z0-9.+-]+)(:any)?\ *(\((<<|<=|=|>=|>>)\ *([^\)]*[^\ \)])\ *\))?\ *$ ]] ||
            fail "cannot read dependency \"$alt\""
        name=${BASH_REMATCH[1]} op=${BASH_REMATCH[4]} ver=${BASH_REMATCH[5]}
        named[$name]=1
        if [ -n "$op" ]; then satisfied "$name" "$op" "$ver" && ok=1; else satisfied "$name" && ok=1; fi
    done
    [ -n "$ok" ] || fail "dependency \"$clause\" is not met on this machine"
done
# libc6 comes from dpkg-shlibdeps: without it the libraries were not scanned.
for p in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins qt6-translations-l10n fonts-liberation fonts-dejavu-core fonts-noto-cjk libssl3 libc6; do
    [ -n "${named[$p]:-}" ] || fail "Depends lacks $p"
done

# --- contents
dpkg-deb -c "$deb" >"$tmp/contents"
paths=$(awk '{print $6}' "$tmp/contents")
expect=(./usr/games/kvelli99 ./usr/share/man/man6/kvelli99.6.gz ./usr/share/doc/kvelli99/copyright
    ./usr/share/doc/kvelli99/changelog.gz "./usr/share/applications/$id.desktop" "./usr/share/metainfo/$id.metainfo.xml"
    "./usr/share/mime/packages/$id.xml"
    ./usr/share/fontconfig/conf.avail/65-kvelli99.conf ./etc/fonts/conf.d/65-kvelli99.conf)
for size in "${sizes[@]}"; do expect+=("./usr/share/icons/hicolor/${size}x${size}/apps/$id.png"); done
for p in "${expect[@]}"; do
    grep -qxF "$p" <<<"$paths" || fail "package lacks $p"
done
stray=$(grep -v -e '^\./usr/\(games\|share\)/' -e '^\./etc/fonts/conf\.d/' -e '^\./$' -e '^\./usr/$' -e '^\./etc/$' \
    -e '^\./etc/fonts/$' <<<"$paths" || true)
[ -z "$stray" ] || fail "package installs outside /usr/games, /usr/share, /etc/fonts/conf.d: $stray"
grep -q ' root/root .* \./usr/games/kvelli99$' "$tmp/contents" || fail "the program is not owned by root"
grep -q '^-rwxr-xr-x .* \./usr/games/kvelli99$' "$tmp/contents" || fail "the program is not mode 755"
grep -q '^l.* \./etc/fonts/conf\.d/65-kvelli99\.conf -> /usr/share/fontconfig/conf\.avail/65-kvelli99\.conf$' \
    "$tmp/contents" || fail "the fontconfig link does not point to /usr/share/fontconfig/conf.avail"

# --- Debian's package checker: no error and no warning (overrides say why where there are any)
check_lintian "$deb"

# --- the packaged files themselves
x=$tmp/x
dpkg-deb -x "$deb" "$x"
check_desktop_file "$x/usr/share/applications/$id.desktop" "$id"
check_metainfo "$x/usr/share/metainfo/$id.metainfo.xml" "$id"
check_mime "$x/usr/share" "$id"
for size in "${sizes[@]}"; do check_png "$x/usr/share/icons/hicolor/${size}x${size}/apps/$id.png" "$size"; done
same_version_block "$x/usr/games/kvelli99" "$exe"
missing=$(ldd "$x/usr/games/kvelli99" | grep 'not found' || true)
[ -z "$missing" ] || fail "the program needs libraries that are missing: $missing"

# --- the packaged program starts and keeps running, in a home of its own
mkdir -p "$tmp/home/run" "$tmp/run"
chmod 700 "$tmp/home/run"
(
    cd "$tmp/run"
    exec env -u DISPLAY -u WAYLAND_DISPLAY HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/home/.config" \
        XDG_DATA_HOME="$tmp/home/.local/share" XDG_CACHE_HOME="$tmp/home/.cache" \
        XDG_RUNTIME_DIR="$tmp/home/run" QT_QPA_PLATFORM=offscreen "$x/usr/games/kvelli99" \
        >"$tmp/run.out" 2>"$tmp/run.err"
) &
pid=$!
sleep 2
if ! kill -0 "$pid" 2>/dev/null; then
    rc=0
    wait "$pid" || rc=$?
    cat "$tmp/run.out" "$tmp/run.err" >&2
    fail "the packaged program ended within 2 seconds (exit status $rc)"
fi
kill -TERM "$pid"
wait "$pid" || true
if grep -i -e 'could not load the qt platform plugin' -e 'fontconfig error' "$tmp/run.err"; then
    fail "the packaged program reported a broken environment"
fi
# --- started from its desktop entry as the menu starts it, in a fresh home, under Xvfb
bash "$here/check-first-start.sh" "$x/usr/share/applications/io.github.kvelli99.kvelli99.desktop" "$x/usr/games" ||
    fail "the packaged program's first start from its desktop entry"
echo "deb package: all checks passed"
