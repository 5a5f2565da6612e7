#!/usr/bin/env bash
# Installs the build into temporary trees, once with the /usr layout of a distribution and once
# under a prefix of its own, and checks that every file landed in its place and is valid.
# Usage: check-install.sh BUILD_DIR APP_ID "ICON_SIZES" SOURCE_DIR EXECUTABLE
set -euo pipefail
build=$1
id=$2
read -r -a sizes <<<"$3"
src=$4
exe=$5
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=common.sh
source "$here/common.sh"

# Every font alias must hold with our file alone, not only thanks to the system's own aliases.
check_fontconfig() {
    local conf=$1 fc=$tmp/fc
    mkdir -p "$fc"
    cat >"$fc/fonts.conf" <<EOF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>/usr/share/fonts</dir>
  <cachedir>$fc/cache</cachedir>
  <include ignore_missing="no">$conf</include>
</fontconfig>
EOF
    local requested expected got
    for pair in "Times New Roman=Liberation Serif" "MS Sans Serif=Liberation Sans" \
        "Microsoft Sans Serif=Liberation Sans"; do
        requested=${pair%%=*}
        expected=${pair#*=}
        for style in "" ":bold"; do
            got=$(FONTCONFIG_FILE=$fc/fonts.conf fc-match --format '%{family[0]}' "$requested$style:lang=ru" 2>"$fc/err")
            [ ! -s "$fc/err" ] || fail "fontconfig complains about $conf: $(cat "$fc/err")"
            [ "$got" = "$expected" ] || fail "\"$requested$style\" gives \"$got\", expected \"$expected\""
        done
        [ -n "$(fc-list ":family=$expected:lang=ru")" ] || fail "$expected has no Cyrillic"
    done
}

# check_tree PREFIX ETC: installs with that prefix into a fresh DESTDIR and checks the result;
# ETC is where the configuration of that prefix goes.
check_tree() {
    local prefix=$1 etc=$2
    local root=$tmp/root${prefix//\//_}
    local top=$root$prefix share=$root$prefix/share
    echo "== prefix $prefix"
    DESTDIR=$root cmake --install "$build" --prefix "$prefix" >"$tmp/install.log" 2>&1 ||
        { cat "$tmp/install.log"; fail "cmake --install --prefix $prefix failed"; }

    # Nothing outside the prefix but the fontconfig link and the results server's options file.
    local stray
    stray=$(cd "$root" && find . \( -type f -o -type l \) |
        grep -v -e "^\.$prefix/" -e "^\.$etc/fonts/conf\.d/65-kvelli99\.conf\$" -e "^\.$etc/default/kvelli99-server\$" || true)
    [ -z "$stray" ] || fail "installed outside $prefix: $stray"

    [ -x "$top/games/kvelli99" ] || fail "no executable $prefix/games/kvelli99"
    file -b "$top/games/kvelli99" | grep -q '^ELF' || fail "$prefix/games/kvelli99 is not a program"
    same_version_block "$top/games/kvelli99" "$exe"

    check_desktop_file "$share/applications/$id.desktop" "$id"
    check_metainfo "$share/metainfo/$id.metainfo.xml" "$id"
    check_mime "$share" "$id"
    # The tree as a whole: the metainfo file finds its desktop file and icon.
    local tree=$tmp/tree${prefix//\//_}
    rm -rf "$tree" && cp -a "$top" "$tree"
    without_developer "$top/share/metainfo/$id.metainfo.xml" "$tree/share/metainfo/$id.metainfo.xml"
    appstreamcli validate-tree --no-net --strict "$tree" >"$tmp/tree.log" 2>&1 ||
        { cat "$tmp/tree.log"; fail "appstreamcli validate-tree rejects $prefix"; }

    local size
    for size in "${sizes[@]}"; do
        check_png "$share/icons/hicolor/${size}x${size}/apps/$id.png" "$size"
    done
    check_same_drawing "$share/icons/hicolor" "$id" "${sizes[@]}"

    local conf=$share/fontconfig/conf.avail/65-kvelli99.conf link=$root$etc/fonts/conf.d/65-kvelli99.conf
    [ -f "$conf" ] || fail "no fontconfig file in $prefix/share/fontconfig/conf.avail"
    [ -L "$link" ] || fail "no link $etc/fonts/conf.d/65-kvelli99.conf"
    [ "$(readlink "$link")" = "$prefix/share/fontconfig/conf.avail/65-kvelli99.conf" ] ||
        fail "$link points to $(readlink "$link")"
    check_fontconfig "$conf"
}

check_tree /usr /etc
check_tree /opt/kvelli99 /etc/opt/kvelli99
check_tree /usr/local /usr/local/etc

# The screenshot the metainfo shows is the one the repository publishes.
shot=$src/docs/screenshot-main.png
[ -f "$shot" ] || fail "the metainfo shows docs/screenshot-main.png, which the repository lacks"
file -b "$shot" | grep -q '^PNG image' || fail "$shot is not a PNG"

# On this machine fontconfig itself must already give the metric-compatible serif face.
got=$(fc-match --format '%{family[0]}' "Times New Roman:lang=ru")
[ "$got" = "Liberation Serif" ] || fail "fontconfig gives \"$got\" for \"Times New Roman\""
echo "install tree: all checks passed"
