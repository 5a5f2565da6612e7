#!/usr/bin/env python3
"""The program's translations, made with Qt's own tools (Debian's qt6-l10n-tools).

  translations.py update           refresh every translations/kvelli99_<lang>.ts from the sources
  translations.py add LANG         start translations/kvelli99_LANG.ts (then fill it in Qt Linguist)
  translations.py check            fail when a text of the interface is not marked, or a marked
                                   text lacks a finished translation in a committed .ts
  translations.py desktop [--check]  write (or check) the desktop entry, AppStream metainfo and
                                   MIME type in every language from the catalogues' "Desktop"
  translations.py fonts            fail when a letter of a translation is in no installed face
                                   (fontconfig), so that the windows would show boxes for it
  translations.py --self-test      show that the check sees each fault

The source texts are Russian, marked in the code with tr(), QCoreApplication::translate,
QT_TRANSLATE_NOOP, or in the cores (no Qt) with KV_TRANSLATE_NOOP. A text that must stay as it
is (it goes into a shared file or to the server) carries the comment "untranslated:" and why.
"""
import argparse
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from xml.sax.saxutils import escape, unescape
from pathlib import Path

import translations_desktop

TOP = Path(__file__).resolve().parent.parent
LUPDATE_OPTIONS = ["-silent", "-locations", "none", "-source-language", "ru",
                   "-tr-function-alias", "QT_TRANSLATE_NOOP+=KV_TRANSLATE_NOOP",
                   "-extensions", "cpp,h"]
# The sources of the interface; the records tool and the server speak to administrators only.
SOURCE_DIRS = ["src/base", "src/game", "src/records", "src/net", "src/app", "src/ui"]
SKIPPED = ["src/records/tool/"]
# Texts that are in every catalogue but never shown: the desktop files' texts and the terms.
EXTRA_SOURCES = ["translations/texts-beside-program.h"]
# Files whose texts are marked in a later step; the check names them and does not fail on them.
PENDING = []

# lupdate's remarks on code that holds no texts.
IGNORED_WARNINGS = ["Ignoring definition of undeclared qualified class"]
# tr() takes its context from the class, which lupdate cannot place in "namespace kv::ui {": the
# catalogue would hold the text under a context the program never asks for.
TR_CALL = re.compile(r"(?<![\w:.>])tr\s*\(")

# The context of the terms: each catalogue keeps its words for them, with a translator comment.
TERMS = "Terms"
# The texts of the files beside the program.
DESKTOP = "Desktop"
ENGLISH = "en"
# What the check reports of each catalogue.
KINDS = ("missing", "unfinished", "stale", "wrong")
# How a catalogue's developer comment gives the English text.
NOTE = "English: "
CYRILLIC = re.compile(r"[\u0400-\u04FF]")
MARKERS = r"(?:\btr|\btranslate|\bQT_TR_NOOP|\bQT_TRANSLATE_NOOP3?|\bKV_TRANSLATE_NOOP)"
# A marker's opening: the call, and for the forms with a context the context's literal.
MARKED = re.compile(MARKERS + r"\s*\(\s*(?:\"(?:[^\"\\]|\\.)*\"\s*,\s*)?$")
LITERAL = re.compile(r'(?:u8|u|U|L)?"(?:[^"\\\n]|\\.)*"')


def default_lupdate():
    for p in ("/usr/lib/qt6/bin/lupdate", shutil.which("lupdate6") or "", shutil.which("lupdate") or ""):
        if p and Path(p).exists():
            return p
    sys.exit("lupdate not found: install qt6-l10n-tools (scripts/install-deps.sh)")


def sources(top):
    out = []
    for d in SOURCE_DIRS:
        for p in sorted((top / d).rglob("*")):
            rel = p.relative_to(top).as_posix()
            if p.suffix in (".cpp", ".h") and not any(rel.startswith(s) for s in SKIPPED):
                out.append(p)
    out += [top / f for f in EXTRA_SOURCES if (top / f).exists()]
    return out


def ts_files(top):
    return sorted((top / "translations").glob("kvelli99_*.ts"))


def run_lupdate(lupdate, top, ts, extra=()):
    """Runs lupdate on the sources into `ts`; returns its warnings (a marked text it could not
    take, such as tr() outside a class)."""
    files = [str(p) for p in sources(top)]
    r = subprocess.run([lupdate, *LUPDATE_OPTIONS, *extra, *files, "-ts", str(ts)], cwd=top,
                       capture_output=True, text=True)
    if r.returncode != 0:
        sys.exit(f"lupdate failed:\n{r.stdout}{r.stderr}")
    lines = {line.replace(str(top) + "/", "") for line in (r.stdout + r.stderr).splitlines() if line.strip()}
    return sorted(line for line in lines if not any(i in line for i in IGNORED_WARNINGS))


def strip_comments(text):
    """The code with comments blanked (line breaks kept), literals left in place."""
    out, i, n = [], 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            out.append(" " * (j - i))
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            out.append(re.sub(r"[^\n]", " ", text[i:j]))
            i = j
        elif c == '"' or c == "'":
            j = i + 1
            while j < n and text[j] != c and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            out.append(text[i:j + 1])
            i = j + 1
        else:
            out.append(c)
            i += 1
    return "".join(out)


def unmarked_texts(top):
    """(file, line, text) of each literal with Russian letters outside a marker."""
    found = []
    for p in sources(top):
        raw = p.read_text(encoding="utf-8")
        raw_lines = raw.splitlines()
        code = strip_comments(raw)
        for m in LITERAL.finditer(code):
            if not CYRILLIC.search(m.group()):
                continue
            line = code.count("\n", 0, m.start()) + 1
            if "untranslated:" in raw_lines[line - 1]:
                continue
            # Literals written one after another are one text: look before the first of them.
            before = code[:m.start()]
            while True:
                prev = re.search(r'"\s*$', before)
                if not prev:
                    break
                start = None
                for lm in LITERAL.finditer(before[max(0, len(before) - 2000):]):
                    if lm.end() + max(0, len(before) - 2000) == prev.start() + 1:
                        start = lm.start() + max(0, len(before) - 2000)
                if start is None:
                    break
                before = before[:start]
            if MARKED.search(before[-300:]):
                continue
            # QStringLiteral(...) or QString::fromUtf8(...) around it, inside a marker, is not
            # what lupdate reads: only a plain literal counts.
            found.append((p.relative_to(top).as_posix(), line, m.group()))
    return found


def messages(ts):
    root = ET.parse(ts).getroot()
    for ctx in root.iter("context"):
        name = ctx.findtext("name")
        for msg in ctx.iter("message"):
            yield name, msg


def placeholders(text):
    return sorted(set(re.findall(r"%\d", text or "")))


def english_of(top):
    """(context, source): English, from the finished messages of kvelli99_en.ts."""
    en = top / "translations" / f"kvelli99_{ENGLISH}.ts"
    if not en.exists():
        return {}
    out = {}
    for ctx, m in messages(en):
        tr = m.find("translation")
        if not (tr.get("type") or "") and (tr.text or "").strip():
            out[(ctx, m.findtext("source"))] = tr.text
    return out


def note_of(comment, english):
    """The developer's comment with the English after it (a comment of an earlier run dropped)."""
    comment = re.sub(r"(?:^|\n)" + NOTE + r".*\Z", "", comment or "", flags=re.S)
    if english is None:
        return comment
    return (comment + "\n" if comment else "") + NOTE + english


def xml_text(text):
    return escape(text, {"'": "&apos;", '"': "&quot;"})


def with_english_notes(text, english):
    """The .ts text with each message's English as the last part of its developer comment
    (<extracomment>), which Qt Linguist and hosted services such as Weblate show beside it."""
    ctx = None
    out, pos = [], 0
    for m in re.finditer(r"<name>(.*?)</name>|<message\b[^>]*>.*?</message>", text, re.S):
        if m.group(1) is not None:
            ctx = unescape(m.group(1), {"&apos;": "'", "&quot;": '"'})
            continue
        block = m.group(0)
        src = unescape(re.search(r"<source>(.*?)</source>", block, re.S).group(1), {"&apos;": "'", "&quot;": '"'})
        old = re.search(r"\n *<extracomment>(.*?)</extracomment>", block, re.S)
        comment = unescape(old.group(1), {"&apos;": "'", "&quot;": '"'}) if old else ""
        note = note_of(comment, english.get((ctx, src)))
        if old:
            block = block[:old.start()] + block[old.end():]
        if note:
            at = re.search(r"\n *<(?:translatorcomment|translation)\b", block).start()
            block = block[:at] + f"\n        <extracomment>{xml_text(note)}</extracomment>" + block[at:]
        out.append(text[pos:m.start()] + block)
        pos = m.end()
    out.append(text[pos:])
    return "".join(out)


def add_english_notes(top, ts):
    if ts.name == f"kvelli99_{ENGLISH}.ts":
        return
    ts.write_text(with_english_notes(ts.read_text(encoding="utf-8"), english_of(top)), encoding="utf-8")


def check_catalogue(top, lupdate, ts, english):
    """{kind: [problem, ...]} of one catalogue against the sources."""
    found = {k: [] for k in KINDS}
    with tempfile.TemporaryDirectory() as tmp:
        fresh = Path(tmp) / ts.name
        shutil.copy(ts, fresh)
        found["wrong"] += [f"lupdate: {w}" for w in run_lupdate(lupdate, top, fresh)]
        if ts.name != f"kvelli99_{ENGLISH}.ts":
            add_english_notes(top, fresh)
        committed = {(c, m.findtext("source")): m for c, m in messages(ts)
                     if (m.find("translation").get("type") or "") not in ("vanished", "obsolete")}
        for ctx, msg in messages(fresh):
            src = msg.findtext("source")
            tr = msg.find("translation")
            kind = tr.get("type") or ""
            what = f"[{ctx}] {src!r}"
            if kind in ("vanished", "obsolete"):
                if (ctx, src) in committed:
                    found["stale"].append(f"{what} is no longer in the sources")
                continue
            if (ctx, src) not in committed:
                found["stale"].append(f"{what} is not in the committed file")
                continue
            mine = committed[(ctx, src)]
            if (mine.findtext("extracomment") or "") != (msg.findtext("extracomment") or ""):
                found["stale"].append(f"{what}: its comment or English note is out of date")
            forms = [f.text for f in tr.findall("numerusform")] or [tr.text]
            if all(not (f or "").strip() for f in forms):
                found["missing"].append(f"{what} has no translation")
                continue
            if kind == "unfinished" or any(not (f or "").strip() for f in forms):
                was = mine.findtext("oldsource")
                found["unfinished"].append(f"{what} has no finished translation"
                                           + (f" (its source was {was!r})" if was else ""))
                continue
            if ctx == TERMS and not (mine.findtext("translatorcomment") or "").strip():
                found["wrong"].append(f"{what} has no translator comment (the term's forms and why)")
            if ctx == "QGuiApplication" and src == "QT_LAYOUT_DIRECTION" and forms[0] not in ("LTR", "RTL"):
                found["wrong"].append(f"{what} is {forms[0]!r}, not LTR or RTL")
            if ctx == DESKTOP and src.endswith(";") and not forms[0].strip().endswith(";"):
                found["wrong"].append(f"{what}: the keywords do not end with ';'")
            if any(placeholders(f) != placeholders(src) for f in forms):
                found["wrong"].append(f"{what}: the translation's %-places differ")
    return found


def check(top, lupdate, report_pending=True):
    problems = []
    pending = []
    for p in sources(top):
        code = strip_comments(p.read_text(encoding="utf-8"))
        for m in TR_CALL.finditer(re.sub(LITERAL, '""', code)):
            rel = p.relative_to(top).as_posix()
            problems.append(f"{rel}:{code.count(chr(10), 0, m.start()) + 1}: tr() - use "
                            "QCoreApplication::translate(\"kv::ui::Class\", ...)")
    for f, line, text in unmarked_texts(top):
        where = f"{f}:{line}: {text} is not marked for translation"
        (pending if any(f.startswith(p) for p in PENDING) else problems).append(where)
    tss = ts_files(top)
    if not tss:
        problems.append("no translations/kvelli99_<lang>.ts")
    english = english_of(top)
    report = []
    for ts in tss:
        found = check_catalogue(top, lupdate, ts, english)
        if any(found.values()):
            report.append(f"{ts.name}: " + ", ".join(f"{len(v)} {k}" for k, v in found.items()))
            report += [f"  {k}: {p}" for k, v in found.items() for p in v]
    if report_pending and pending:
        print(f"{len(pending)} texts in files still to be marked:")
        for p in pending:
            print("  pending: " + p)
    if problems or report:
        print("\n".join("FAIL: " + p for p in problems))
        print("\n".join(report))
        print("Mark the texts, then: scripts/translations.py update, and translate the new ones "
              "(docs/translating.md).")
        return 1
    count = sum(1 for ts in tss for _, m in messages(ts)
                if (m.find("translation").get("type") or "") not in ("vanished", "obsolete"))
    print(f"translations: {count} texts in {len(tss)} languages, all marked and finished")
    return 0


def update(top, lupdate):
    tss = ts_files(top)
    # English first: the other catalogues show its texts beside theirs.
    tss.sort(key=lambda ts: ts.name != f"kvelli99_{ENGLISH}.ts")
    for ts in tss:
        run_lupdate(lupdate, top, ts, ["-no-obsolete"])
        add_english_notes(top, ts)
        print(f"updated {ts.relative_to(top)}")


def add(top, lupdate, lang):
    if not re.fullmatch(r"[a-z]{2,3}(_[A-Z]{2})?", lang):
        sys.exit(f"{lang}: expected a language such as de or pt_BR")
    ts = top / "translations" / f"kvelli99_{lang}.ts"
    if ts.exists():
        sys.exit(f"{ts} exists already")
    ts.parent.mkdir(exist_ok=True)
    run_lupdate(lupdate, top, ts, ["-target-language", lang])
    add_english_notes(top, ts)
    print(f"made {ts.relative_to(top)}: translate it with linguist, then rebuild")


def fill(ts, translations, comments=None):
    """Writes `translations` (source: text) into `ts`, finished, and `comments` (source: text)
    as translator comments."""
    tree = ET.parse(ts)
    for msg in tree.getroot().iter("message"):
        src = msg.findtext("source")
        text = translations.get(src)
        if text is not None:
            tr = msg.find("translation")
            tr.text = text
            tr.attrib.pop("type", None)
        if (comments or {}).get(src):
            note = ET.Element("translatorcomment")
            note.text = comments[src]
            msg.insert(list(msg).index(msg.find("translation")), note)
    tree.write(ts, encoding="utf-8", xml_declaration=True)


def self_test(lupdate):
    good = ('#include "x.h"\nQString A() { return QCoreApplication::translate("W", "Закрыть %1"); }\n'
            '// "Комментарий" is no text\nconst char* k = KV_TRANSLATE_NOOP("kv::Text", "Ряд");\n'
            'const char* f = "records.rec";\nconst char* s = "Рекорды"; // untranslated: the shared file\n'
            'QString T() { return QCoreApplication::translate("W", "Два "\n "слова"); }\n'
            'const char* t = QT_TRANSLATE_NOOP("Terms", "шар");\n')
    done = {"Закрыть %1": "Close %1", "Ряд": "Row", "Два слова": "Two words", "шар": "ball"}
    term = {"шар": "ball, balls"}
    added = 'QString C() { return QCoreApplication::translate("W", "Новое"); }\n'
    # name, code, English, translator comments, code after the .ts was made, the German (made
    # with the English beside it) and then the English changed, the check's answer.
    cases = [
        ("finished", good, done, term, good, None, 0),
        ("unfinished", good, {"Закрыть %1": "Close %1", "шар": "ball"}, term, good, None, 1),
        ("lost placeholder", good, dict(done, **{"Закрыть %1": "Close"}), term, good, None, 1),
        ("unmarked", good + 'QString B() { return QStringLiteral("Новый"); }\n', done, term, None, None, 1),
        ("added after the .ts", good, done, term, good + added, None, 1),
        ("tr()", good + 'QString D() { return tr("Вне класса"); }\n', done, term, None, None, 1),
        ("removed after the .ts", good + added, dict(done, Новое="New"), term, good, None, 1),
        ("a term without its comment", good, done, {}, good, None, 1),
        ("a second language, finished", good, done, term, good, ("Zwei Wörter", None), 0),
        ("a second language, English changed", good, done, term, good, ("Zwei Wörter", "Two short words"), 1),
    ]
    failed = False
    for name, code, translations, comments, later, german, want in cases:
        with tempfile.TemporaryDirectory() as d:
            tmp = Path(d)
            (tmp / "src/ui").mkdir(parents=True)
            (tmp / "translations").mkdir()
            (tmp / "src/ui/W.cpp").write_text(code, encoding="utf-8")
            ts = tmp / "translations/kvelli99_en.ts"
            run_lupdate(lupdate, tmp, ts, ["-target-language", "en"])
            fill(ts, translations, comments)
            if german:
                de = tmp / "translations/kvelli99_de.ts"
                run_lupdate(lupdate, tmp, de, ["-target-language", "de"])
                add_english_notes(tmp, de)
                fill(de, dict(translations, **{"Два слова": german[0]}), comments)
                if german[1]:
                    fill(ts, dict(translations, **{"Два слова": german[1]}))
            if later is not None:
                (tmp / "src/ui/W.cpp").write_text(later, encoding="utf-8")
            got = check(tmp, lupdate, report_pending=False)
            if got != want:
                print(f"SELF-TEST FAIL: {name}: the check returned {got}, expected {want}")
                failed = True
    failed |= desktop_self_test()
    print("self-test " + ("FAILED" if failed else "passed"))
    return 1 if failed else 0


def covered_letters():
    """The code points that some face installed for fontconfig has."""
    r = subprocess.run(["fc-list", "--format", "%{charset}\n"], capture_output=True, text=True, check=True)
    covered = set()
    for line in r.stdout.splitlines():
        for part in line.split():
            first, _, last = part.partition("-")
            covered.update(range(int(first, 16), int(last or first, 16) + 1))
    return covered


def fonts(top):
    """Each catalogue's letters against the installed faces."""
    covered = covered_letters()
    failed = False
    for ts in ts_files(top):
        letters = set()
        for ctx, m in messages(ts):
            if ctx in (DESKTOP, TERMS):  # not shown by the program
                continue
            tr = m.find("translation")
            for f in [f.text for f in tr.findall("numerusform")] or [tr.text]:
                letters.update(c for c in (f or "") if c.isprintable() and not c.isspace())
        missing = sorted(c for c in letters if ord(c) not in covered and c not in "\u200c\u200d")
        if missing:
            failed = True
            print(f"FAIL: {ts.name}: no installed face has " + " ".join(f"{c} (U+{ord(c):04X})" for c in missing)
                  + ": install the language's fonts (scripts/install-deps.sh)")
    if not failed:
        print(f"fonts: every letter of {len(ts_files(top))} catalogues is in an installed face")
    return 1 if failed else 0


def desktop_self_test():
    """The desktop files, written from a catalogue, are stale once a translation changes."""
    with tempfile.TemporaryDirectory() as d:
        tmp = Path(d)
        for f in (translations_desktop.DESKTOP_FILE, translations_desktop.METAINFO_FILE,
                  translations_desktop.MIME_FILE, "translations/kvelli99_en.ts"):
            (tmp / f).parent.mkdir(parents=True, exist_ok=True)
            shutil.copy(TOP / f, tmp / f)
        de = tmp / "translations/kvelli99_de.ts"
        shutil.copy(TOP / "translations/kvelli99_en.ts", de)
        fill(de, {translations_desktop.NAME: "Kvelli 99 (de)"})
        translations_desktop.write(tmp, ts_files(tmp), quiet=True)
        entry = (tmp / translations_desktop.DESKTOP_FILE).read_text(encoding="utf-8")
        ok = "Name[de]=Kvelli 99 (de)\n" in entry and not translations_desktop.stale(tmp, ts_files(tmp))
        fill(de, {translations_desktop.NAME: "Kvelli"})
        ok &= translations_desktop.stale(tmp, ts_files(tmp)) == [translations_desktop.DESKTOP_FILE,
                                                                 translations_desktop.METAINFO_FILE]
        if not ok:
            print("SELF-TEST FAIL: the desktop files' check")
        return not ok


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("command", nargs="?", choices=["update", "add", "check", "desktop", "fonts"])
    ap.add_argument("lang", nargs="?")
    ap.add_argument("--lupdate", default=None)
    ap.add_argument("--top", default=str(TOP))
    ap.add_argument("--self-test", action="store_true")
    ap.add_argument("--check", action="store_true", help="desktop: fail when the files are stale")
    a = ap.parse_args()
    lupdate = a.lupdate or default_lupdate()
    top = Path(a.top)
    if a.self_test:
        return self_test(lupdate)
    if a.command == "update":
        update(top, lupdate)
    elif a.command == "add":
        if not a.lang:
            sys.exit("add: which language?")
        add(top, lupdate, a.lang)
    elif a.command == "check":
        return check(top, lupdate)
    elif a.command == "fonts":
        return fonts(top)
    elif a.command == "desktop":
        if not a.check:
            translations_desktop.write(top, ts_files(top))
            return 0
        stale = translations_desktop.stale(top, ts_files(top))
        for f in stale:
            print(f"FAIL: {f} does not hold the catalogues' texts: run scripts/translations.py desktop")
        return 1 if stale else 0
    else:
        ap.print_help()
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main())
