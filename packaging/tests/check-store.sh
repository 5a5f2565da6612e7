#!/usr/bin/env bash
# The store page's rules that appstreamcli does not check: one id for the desktop entry, the
# metainfo, the icons and the window's class; the developer; the summary's length; three to six
# screenshots with captions, the English and the Russian texts, no larger than 1000 x 700, linked at a commit that holds them; the
# release notes, the brand colours and the homepage on the maker's domain.
# Usage: check-store.sh SOURCE_DIR APP_ID
set -euo pipefail
exec /usr/bin/python3 - "$@" <<'EOF_PY'
import re, struct, subprocess, sys
import xml.etree.ElementTree as ET
from pathlib import Path
from urllib.parse import urlparse

src, app_id = Path(sys.argv[1]), sys.argv[2]
problems = []
def check(ok, what):
    if not ok:
        problems.append(what)

LANG = "{http://www.w3.org/XML/1998/namespace}lang"
pkg = src / "packaging"
check(re.fullmatch(r"[a-z][a-z0-9_]*(\.[a-z0-9_]+){2,}", app_id) is not None,
      f"{app_id} is not a lower-case reverse-DNS id")
desktops = sorted(p.name for p in pkg.glob("*.desktop"))
metainfos = sorted(p.name for p in pkg.glob("*.metainfo.xml"))
check(desktops == [f"{app_id}.desktop"], f"desktop entries {desktops}, expected {app_id}.desktop")
check(metainfos == [f"{app_id}.metainfo.xml"], f"metainfo files {metainfos}, expected {app_id}.metainfo.xml")
if problems:
    sys.exit("FAIL: " + "\nFAIL: ".join(problems))

entry = {}
for line in (pkg / f"{app_id}.desktop").read_text(encoding="utf-8").splitlines():
    if "=" in line and not line.startswith("#"):
        k, v = line.split("=", 1)
        entry.setdefault(k.strip(), v.strip())
# English is the untranslated text, as the stores read it; Russian, the program's own, stands beside it.
for key in ("Name", "GenericName", "Comment", "Keywords"):
    check(bool(entry.get(key)) and bool(entry.get(f"{key}[ru]")), f"desktop {key} lacks its English or Russian text")
check(entry.get("Icon") == app_id, f"desktop Icon is {entry.get('Icon')}")
check(entry.get("StartupWMClass") == app_id, f"desktop StartupWMClass is {entry.get('StartupWMClass')}")

# The window's class (X11) is the application's name, its app id (Wayland) the desktop file name.
window = (src / "src/app/ui/Kvelli99_U1.h").read_text(encoding="utf-8")
m = re.search(r'kAppId = QStringLiteral\("([^"]+)"\)', window)
check(m is not None and m.group(1) == app_id, f"kAppId is {m.group(1) if m else 'missing'}")
main = (src / "src/app/main.cpp").read_text(encoding="utf-8")
for call in ("setApplicationName", "setDesktopFileName"):
    check(re.search(call + r"\(kv::ui::kAppId\)", main) is not None, f"main.cpp does not {call}(kAppId)")

root = ET.parse(pkg / f"{app_id}.metainfo.xml").getroot()
def text(path):
    e = root.find(path)
    return e.text.strip() if e is not None and e.text else None
check(text("id") == app_id, f"metainfo id is {text('id')}")
check(text("launchable[@type='desktop-id']") == f"{app_id}.desktop", "the metainfo launches another desktop entry")
icon = text("icon[@type='stock']")
check(icon == app_id, f"stock icon is {icon}")

dev = root.find("developer")
check(dev is not None and dev.get("id") and dev.find("name") is not None and (dev.find("name").text or "").strip(),
      "no <developer id=...> with a <name>")
check(root.find("developer_name") is None, "developer_name is still there")

for tag in ("name", "summary", "description/p"):
    langs = {e.get(LANG, "C") for e in root.findall(tag)}
    check({"C", "ru"} <= langs, f"metainfo {tag} lacks its English or Russian text")
for s in root.findall("screenshots/screenshot"):
    check({c.get(LANG, "C") for c in s.findall("caption")} >= {"C", "ru"}, "a screenshot caption lacks English or Russian")
names = [e.text.strip().lower() for e in root.findall("name")]
for s in root.findall("summary"):
    t = (s.text or "").strip()
    lang = s.get(LANG, "C")
    check(10 <= len(t) <= 35, f"summary ({lang}) has {len(t)} characters: {t!r}")
    check(not any(n in t.lower() for n in names), f"summary ({lang}) repeats the name: {t!r}")
    check(not t.endswith("."), f"summary ({lang}) ends with a full stop")

def png_size(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        return None
    return struct.unpack(">II", data[16:24])

shots = root.findall("screenshots/screenshot")
check(3 <= len(shots) <= 6, f"{len(shots)} screenshots, expected 3 to 6")
check(sum(s.get("type") == "default" for s in shots) == 1, "not exactly one default screenshot")
have_git = subprocess.run(["git", "-C", str(src), "rev-parse", "--git-dir"], capture_output=True).returncode == 0
for s in shots:
    captions = [c for c in s.findall("caption") if LANG not in c.attrib]
    check(len(captions) == 1 and (captions[0].text or "").strip(), "a screenshot without a caption")
    image = s.find("image")
    if image is None:
        check(False, "a screenshot without an image")
        continue
    url = (image.text or "").strip()
    u = urlparse(url)
    check(u.scheme == "https", f"{url} is not https")
    m = re.search(r"/([0-9a-f]{40})/(docs/[^/]+\.png)$", u.path)
    check(m is not None, f"{url} is not linked at a commit's docs/*.png")
    if not m:
        continue
    commit, rel = m.groups()
    want = (int(image.get("width", 0)), int(image.get("height", 0)))
    blobs = {"working tree": (src / rel).read_bytes() if (src / rel).exists() else None}
    check(blobs["working tree"] is not None, f"{rel} is missing")
    if have_git:
        shown = subprocess.run(["git", "-C", str(src), "show", f"{commit}:{rel}"], capture_output=True)
        shallow = subprocess.run(["git", "-C", str(src), "rev-parse", "--is-shallow-repository"],
                                 capture_output=True, text=True).stdout.strip() == "true"
        if shown.returncode == 0:
            blobs[f"commit {commit[:12]}"] = shown.stdout
        else:
            check(shallow, f"commit {commit[:12]} does not hold {rel}")
    for where, data in blobs.items():
        if data is None:
            continue
        size = png_size(data)
        check(size is not None, f"{rel} ({where}) is not a PNG")
        if size:
            check(size[0] <= 1000 and size[1] <= 700, f"{rel} ({where}) is {size[0]} x {size[1]}, over 1000 x 700")
            if where != "working tree":
                check(size == want, f"{rel} ({where}) is {size[0]} x {size[1]}, the metainfo says {want[0]} x {want[1]}")

version = re.search(r'set\(KV_PRODUCT_VERSION\s+"([0-9.]+)"\)', (src / "src/app/version/version.cmake").read_text())
release = root.find(f"releases/release[@version='{version.group(1) if version else ''}']")
check(release is not None and release.find("description") is not None,
      f"no release notes for version {version.group(1) if version else '?'}")

schemes = {c.get("scheme_preference") for c in root.findall("branding/color[@type='primary']")}
check({"light", "dark"} <= schemes, "brand colours lack light or dark")

about = (src / "src/app/ui/UAbout.h").read_text(encoding="utf-8")
maker = re.search(r'kMakerUrl = QStringLiteral\("([^"]+)"\)', about)
home = text("url[@type='homepage']") or ""
check(maker is not None and urlparse(home).hostname == urlparse(maker.group(1)).hostname,
      f"homepage {home} is not on the maker's domain {maker.group(1) if maker else '?'}")

if problems:
    sys.exit("FAIL: " + "\nFAIL: ".join(problems))
print(f"store page: {len(shots)} screenshots, all checks passed")
EOF_PY
