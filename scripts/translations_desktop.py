"""The files beside the program in every language: the desktop entry's Name, GenericName, Comment
and Keywords, the AppStream metainfo's name and summary (and its list of languages), and the
saved game's MIME type comment, written from the context "Desktop" of the catalogues
(translations/texts-beside-program.h holds the source texts). Used by scripts/translations.py."""
import re
import xml.etree.ElementTree as ET
from xml.sax.saxutils import escape

APP_ID = "io.github.kvelli99.kvelli99"
DESKTOP_FILE = f"packaging/{APP_ID}.desktop"
METAINFO_FILE = f"packaging/{APP_ID}.metainfo.xml"
MIME_FILE = f"packaging/mime/{APP_ID}.xml"

CONTEXT = "Desktop"
SOURCE_LANGUAGE = "ru"
DEFAULT_LANGUAGE = "en"  # the untagged values
NAME = "Квелли 99"
ENTRY_KEYS = [("Name", NAME), ("GenericName", "Логическая игра"),
              ("Comment", "Меняйте местами соседние шары, чтобы собрать три и больше одного цвета в ряд"),
              ("Keywords", "головоломка;шары;три в ряд;рекорды;")]
# Top-level elements of the metainfo (two blanks in), and the MIME type's comment (four).
META_ELEMENTS = [("  ", "name", NAME), ("  ", "summary", "Меняйте шары, собирая ряды")]
MIME_ELEMENTS = [("    ", "comment", "Сохранённая игра Квелли 99")]
# Contexts that are no text of the program, left out of a language's share.
NOT_PROGRAM = (CONTEXT, "Terms", "QGuiApplication")


def language_of(ts):
    return ts.name[len("kvelli99_"):-len(".ts")]


def catalogue(ts):
    """(context, source): finished translation, and the share of the program's texts finished."""
    done, total, finished = {}, 0, 0
    root = ET.parse(ts).getroot()
    for ctx in root.iter("context"):
        name = ctx.findtext("name")
        for msg in ctx.iter("message"):
            tr = msg.find("translation")
            kind = tr.get("type") or ""
            if kind in ("vanished", "obsolete"):
                continue
            ok = not kind and bool((tr.text or "").strip())
            if ok:
                done[(name, msg.findtext("source"))] = tr.text.strip()
            if name not in NOT_PROGRAM:
                total += 1
                finished += ok
    return done, (100 * finished // total if total else 0)


def texts(tss):
    """{language: {source: text}} of the Desktop context, the source language's own included,
    and {language: percentage}."""
    out = {SOURCE_LANGUAGE: {src: src for _, src in ENTRY_KEYS + [(0, e[2]) for e in META_ELEMENTS + MIME_ELEMENTS]}}
    shares = {SOURCE_LANGUAGE: 100}
    for ts in tss:
        done, share = catalogue(ts)
        out[language_of(ts)] = {src: text for (ctx, src), text in done.items() if ctx == CONTEXT}
        shares[language_of(ts)] = share
    return out, shares


def entry_value(text):
    if "\n" in text or "\r" in text:
        raise ValueError(f"{text!r}: a desktop entry's value is one line")
    return text.replace("\\", "\\\\")


def desktop_entry(old, by_language):
    """The desktop entry with the localised keys written anew after each untagged key."""
    keys = dict(ENTRY_KEYS)
    out = []
    for line in old.splitlines():
        m = re.match(r"([A-Za-z]+)(\[[^]]*\])?=", line)
        if m and m.group(1) in keys:
            if m.group(2):
                continue
            key, src = m.group(1), keys[m.group(1)]
            out.append(f"{key}={entry_value(by_language[DEFAULT_LANGUAGE].get(src, line.split('=', 1)[1]))}")
            out += [f"{key}[{lang}]={entry_value(t[src])}" for lang, t in sorted(by_language.items())
                    if lang != DEFAULT_LANGUAGE and src in t]
        else:
            out.append(line)
    return "\n".join(out) + "\n"


def xml_elements(old, elements, by_language):
    """The XML with each element of `elements` written anew in every language after its
    untagged one."""
    out = []
    for line in old.splitlines():
        for indent, tag, src in elements:
            if re.match(rf"{indent}<{tag} xml:lang=", line):
                break
            if line.startswith(f"{indent}<{tag}>"):
                text = by_language[DEFAULT_LANGUAGE].get(src)
                out.append(f"{indent}<{tag}>{escape(text)}</{tag}>" if text else line)
                out += [f'{indent}<{tag} xml:lang="{lang}">{escape(t[src])}</{tag}>'
                        for lang, t in sorted(by_language.items()) if lang != DEFAULT_LANGUAGE and src in t]
                break
        else:
            out.append(line)
    return "\n".join(out) + "\n"


def languages_block(text, shares):
    """The metainfo's <languages>: every language with the share of the texts translated."""
    lines = "".join(f'    <lang percentage="{share}">{lang}</lang>\n' for lang, share in sorted(shares.items()))
    return re.sub(r"(<languages>\n).*?(\s*</languages>)", lambda m: m.group(1) + lines.rstrip("\n") + m.group(2),
                  text, count=1, flags=re.S)


def written(top, tss):
    """{path: the text it should hold}."""
    by_language, shares = texts(tss)
    out = {}
    path = top / DESKTOP_FILE
    out[path] = desktop_entry(path.read_text(encoding="utf-8"), by_language)
    path = top / METAINFO_FILE
    out[path] = languages_block(xml_elements(path.read_text(encoding="utf-8"), META_ELEMENTS, by_language), shares)
    path = top / MIME_FILE
    out[path] = xml_elements(path.read_text(encoding="utf-8"), MIME_ELEMENTS, by_language)
    return out


def write(top, tss, quiet=False):
    for path, text in written(top, tss).items():
        if path.read_text(encoding="utf-8") != text:
            path.write_text(text, encoding="utf-8")
            if not quiet:
                print(f"wrote {path.relative_to(top)}")


def stale(top, tss):
    """The files that do not hold what the catalogues say."""
    return [path.relative_to(top).as_posix() for path, text in written(top, tss).items()
            if path.read_text(encoding="utf-8") != text]
