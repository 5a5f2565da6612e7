# Checks shared by the install and package tests; sourced, not run.
PY=/usr/bin/python3
tmp=$(mktemp -d /tmp/kvelli-pkg-test.XXXXXX)
trap 'rm -rf "$tmp"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The value of KEY in the [Desktop Entry] group of FILE.
desktop_value() {
    sed -n '/^\[Desktop Entry\]/,/^\[/p' "$1" | grep -m1 -F "$2=" | cut -d= -f2-
}

check_desktop_file() {
    local f=$1 id=$2 out
    [ -f "$f" ] || fail "no desktop file $f"
    # Warnings and hints count too: a clean file prints nothing.
    out=$(desktop-file-validate "$f" 2>&1) || fail "desktop-file-validate: $out"
    [ -z "$out" ] || fail "desktop-file-validate: $out"
    [ "$(desktop_value "$f" Name)" = "Kvelli '99" ] || fail "Name is $(desktop_value "$f" Name)"
    [ "$(desktop_value "$f" 'Name[ru]')" = "Квелли 99" ] || fail "Name[ru] is $(desktop_value "$f" 'Name[ru]')"
    [ "$(desktop_value "$f" Exec)" = "kvelli99 %f" ] || fail "Exec is $(desktop_value "$f" Exec)"
    [ "$(desktop_value "$f" MimeType)" = "application/x-kvelli99-save;" ] || fail "MimeType is $(desktop_value "$f" MimeType)"
    [ "$(desktop_value "$f" Icon)" = "$id" ] || fail "Icon is $(desktop_value "$f" Icon)"
    [ "$(desktop_value "$f" StartupWMClass)" = "$id" ] || fail "StartupWMClass is $(desktop_value "$f" StartupWMClass)"
    local cat
    for cat in Game LogicGame; do
        case ";$(desktop_value "$f" Categories)" in
        *";$cat;"*) ;;
        *) fail "Categories lack $cat: $(desktop_value "$f" Categories)" ;;
        esac
    done
}

# without_developer FILE OUT: the metainfo without its <developer> element, which Debian 12's
# appstreamcli (0.16) does not know yet and reports as an unknown tag; check_developer checks it.
without_developer() {
    "$PY" -c 'import re, sys
text = open(sys.argv[1], encoding="utf-8").read()
open(sys.argv[2], "w", encoding="utf-8").write(re.sub(r"\s*<developer\b.*?</developer>", "", text, count=1, flags=re.S))' "$1" "$2"
}

check_metainfo() {
    local f=$1 id=$2 out
    [ -f "$f" ] || fail "no metainfo file $f"
    without_developer "$f" "$tmp/validate.metainfo.xml"
    out=$(appstreamcli validate --no-net --strict --pedantic "$tmp/validate.metainfo.xml" 2>&1) ||
        fail "appstreamcli validate: $out"
    grep -q "<id>$id</id>" "$f" || fail "metainfo id is not $id"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$f" || fail "metainfo launches no $id.desktop"
    grep -q '<content_rating type="oars-1.1"' "$f" || fail "metainfo has no content rating"
    grep -q '<image[^>]*>[^<]*/docs/screenshot-main\.png</image>' "$f" || fail "metainfo shows no screenshot-main.png"
    grep -q '<release version="3.35"' "$f" || fail "metainfo has no release 3.35"
}

# check_mime SHARE_DIR ID: the file type of a saved game, as the desktop (GIO, over the database
# built from SHARE_DIR's mime/packages as the package's trigger builds it) sees a ".sav" file.
check_mime() {
    local share=$1 id=$2 db=$tmp/mime-db
    local xml=$share/mime/packages/$id.xml
    [ -f "$xml" ] || fail "no shared-mime-info file $xml"
    rm -rf "$db" && mkdir -p "$db/mime/packages" "$db/home"
    cp "$xml" "$db/mime/packages/"
    XDG_DATA_HOME="$db/home" XDG_DATA_DIRS="$db:/usr/share" update-mime-database "$db/mime" >"$db/log" 2>&1 || fail "update-mime-database rejects $xml: $(cat "$db/log")"
    [ ! -s "$db/log" ] || fail "update-mime-database complains about $xml: $(cat "$db/log")"
    guess() {
        # $1: data dirs; prints the type guessed for a saved game's name and content, then its comment.
        env -i PATH=/usr/bin:/bin HOME="$db/home" XDG_DATA_HOME="$db/home" XDG_DATA_DIRS="$1" LANGUAGE="${2:-C}" \
            LANG=C.UTF-8 "$PY" -c 'from gi.repository import Gio
t, _ = Gio.content_type_guess("Game 1.sav", b"35\r\n12\r\n" + b"1\r\n" * 64)
print(t)
print(Gio.content_type_get_description(t))'
    }
    local seen
    seen=$(guess "$db:/usr/share") || fail "GIO cannot look the type up"
    [ "$(sed -n 1p <<<"$seen")" = application/x-kvelli99-save ] || fail "a .sav file is typed $(sed -n 1p <<<"$seen")"
    [ "$(sed -n 2p <<<"$seen")" = "Kvelli '99 saved game" ] || fail "the type reads $(sed -n 2p <<<"$seen")"
    seen=$(guess "$db:/usr/share" ru) || fail "GIO cannot look the type up"
    [ "$(sed -n 2p <<<"$seen")" = "Сохранённая игра Квелли 99" ] || fail "in Russian the type reads $(sed -n 2p <<<"$seen")"
    # The machine's database alone does not know the type: the file above is what does it.
    seen=$(guess /usr/share) || fail "GIO cannot look the type up"
    [ "$(sed -n 1p <<<"$seen")" != application/x-kvelli99-save ] || fail "the type is known without the package's file"
}

# check_png FILE SIZE: a PNG of SIZE x SIZE pixels.
check_png() {
    local f=$1 size=$2 dims
    [ -f "$f" ] || fail "no icon $f"
    [ "$(head -c 8 "$f" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] || fail "$f is not a PNG"
    dims=$(od -An -tu1 -j16 -N8 "$f" | awk '{print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8}')
    [ "$dims" = "${size}x${size}" ] || fail "$f is $dims, expected ${size}x${size}"
}

# check_same_drawing DIR NAME SIZE...: the larger renderings of icon NAME, shrunk to the first
# size, look like it.
check_same_drawing() {
    local dir=$1
    shift
    "$PY" - "$dir" "$@" <<'EOF' || fail "the icon's renderings differ from the ${1}-pixel drawing"
import sys
from PIL import Image

def load(path, size):
    im = Image.open(path).convert("RGBA").resize((size, size), Image.LANCZOS)
    # Compare colours as seen on a mid-grey background, so transparency counts too.
    bg = Image.new("RGBA", im.size, (128, 128, 128, 255))
    return Image.alpha_composite(bg, im).convert("RGB")

root, name, sizes = sys.argv[1], sys.argv[2], [int(s) for s in sys.argv[3:]]
base_size = sizes[0]
path = lambda s: f"{root}/{s}x{s}/apps/{name}.png"
base = load(path(base_size), base_size)
for s in sizes[1:]:
    other = load(path(s), base_size)
    diff = sum(abs(a - b) for pa, pb in zip(base.getdata(), other.getdata()) for a, b in zip(pa, pb))
    mean = diff / (base_size * base_size * 3)
    print(f"{s}px shrunk to {base_size}px: mean difference {mean:.1f} of 255")
    if mean > 40:
        sys.exit(1)
EOF
}

# same_version_block INSTALLED BUILT: the program's version block (the ELF section the About window
# reads) survived installing and stripping, byte for byte.
same_version_block() {
    local installed=$1 built=$2
    readelf -S -W "$built" | grep -q ' \.vs_version_info ' || return 0
    objcopy --dump-section .vs_version_info="$tmp/built.ver" "$built" "$tmp/junk.o" ||
        fail "cannot read the version block of $built"
    objcopy --dump-section .vs_version_info="$tmp/installed.ver" "$installed" "$tmp/junk.o" 2>/dev/null ||
        fail "$installed lost its version block"
    cmp -s "$tmp/built.ver" "$tmp/installed.ver" || fail "$installed carries another version block"
    rm -f "$tmp/built.ver" "$tmp/installed.ver" "$tmp/junk.o"
}

# shellcheck source=lintian.sh
source "$(dirname "${BASH_SOURCE[0]}")/lintian.sh"
