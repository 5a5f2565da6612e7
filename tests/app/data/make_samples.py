#!/usr/bin/python3
"""Writes the Windows program files the version reader is tested on, from the descriptions below,
with a small PE writer and version-block writer of our own (no Windows toolchain):

    tests/app/data/make_samples.py            # writes the *.exe samples beside this script
    tests/app/data/make_samples.py --check    # only checks that they are as committed

The block writer lays nodes out as the Windows resource compiler does; --check also proves that
it writes the program's reference block, version.bin (which that compiler made), byte for byte.
fuzz/make_corpus.py builds its program seeds with pe() from here. Run it again only to change a
sample, then commit what it writes.
"""

import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))

RT_STRING, RT_VERSION = 6, 16


# ---- version blocks (VS_VERSIONINFO)

def node(key, value=b"", value_length=0, kind=1, children=()):
    """Length, value length, type, key (UTF-16, NUL), padding to 4, value, then the children, each
    on a 4-byte boundary. The length leaves out the padding after the last part."""
    out = bytearray(6) + (key + "\0").encode("utf-16-le")
    out += bytes(-len(out) % 4) + value
    for child in children:
        out += bytes(-len(out) % 4) + child
    struct.pack_into("<HHH", out, 0, len(out), value_length, kind)
    return bytes(out)


def text(key, value):
    # A value's length is in characters, its NUL included (an empty value is a NUL, length 1).
    return node(key, (value + "\0").encode("utf-16-le"), len(value) + 1)


def fixed(version, mask, flags, os_, kind=1, subtype=0):
    v = [version[0] << 16 | version[1], version[2] << 16 | version[3]]
    return struct.pack("<13I", 0xFEEF04BD, 0x10000, *v, *v, mask, flags, os_, kind, subtype, 0, 0)


def block(fixed_info, *children):
    return node("VS_VERSION_INFO", fixed_info, len(fixed_info), 0, children)


def strings(table, pairs):
    return node("StringFileInfo", children=[node(table, children=[text(k, v) for k, v in pairs])])


def translations(*pairs):
    value = b"".join(struct.pack("<HH", lang, cp) for lang, cp in pairs)
    return node("VarFileInfo", children=[node("Translation", value, len(value), 0)])


# ---- PE files

def pe(resources, plus, code=True):
    """A PE32 (or PE32+) file: a .text section with a `return 0` when `code`, then an .rsrc
    section holding `resources`, (type, name, language, bytes) by number, if there are any."""
    file_align, sect_align = 0x200, 0x1000
    sections = []  # (name, bytes, characteristics)
    if code:
        sections.append((b".text", b"\x31\xc0\xc3", 0x60000020))  # xor eax, eax; ret
    rsrc_index = len(sections)
    if resources:
        sections.append((b".rsrc", b"", 0x40000040))
    vas = [sect_align * (i + 1) for i in range(len(sections))]

    if resources:
        va = vas[rsrc_index]
        dir_bit = 0x80000000
        types = sorted({t for t, _, _, _ in resources})

        def directory(entries):
            return struct.pack("<IIHHHH", 0, 0, 0, 0, 0, len(entries)) + b"".join(
                struct.pack("<II", i, t) for i, t in entries)

        # Root, then one directory of names for each type, one of languages for each name, the
        # data entries and the data: offsets are known once the sizes are.
        names = {t: sorted({n for tt, n, _, _ in resources if tt == t}) for t in types}
        leaves = sorted(resources)
        size_dir = lambda n: 16 + 8 * n
        at = size_dir(len(types))
        name_dir_at = {}
        for t in types:
            name_dir_at[t] = at
            at += size_dir(len(names[t]))
        lang_dir_at = {}
        for t in types:
            for n in names[t]:
                lang_dir_at[(t, n)] = at
                at += size_dir(sum(1 for tt, nn, _, _ in leaves if (tt, nn) == (t, n)))
        entry_at = {}
        for r in leaves:
            entry_at[r[:3]] = at
            at += 16
        data_at = {}
        for r in leaves:
            at += -at % 4
            data_at[r[:3]] = at
            at += len(r[3])
        tree = bytearray(at)
        tree[0:size_dir(len(types))] = directory([(t, dir_bit | name_dir_at[t]) for t in types])
        for t in types:
            d = directory([(n, dir_bit | lang_dir_at[(t, n)]) for n in names[t]])
            tree[name_dir_at[t]:name_dir_at[t] + len(d)] = d
            for n in names[t]:
                langs = [(l, entry_at[(t, n, l)]) for tt, nn, l, _ in leaves if (tt, nn) == (t, n)]
                d = directory(langs)
                tree[lang_dir_at[(t, n)]:lang_dir_at[(t, n)] + len(d)] = d
        for t, n, l, data in leaves:
            e = struct.pack("<IIII", va + data_at[(t, n, l)], len(data), 0, 0)
            tree[entry_at[(t, n, l)]:entry_at[(t, n, l)] + 16] = e
            tree[data_at[(t, n, l)]:data_at[(t, n, l)] + len(data)] = data
        sections[rsrc_index] = (b".rsrc", bytes(tree), 0x40000040)

    opt_size = (112 if plus else 96) + 16 * 8
    head_size = 64 + 4 + 20 + opt_size + 40 * len(sections)
    raw = [(head_size + file_align - 1) // file_align * file_align]
    for _, data, _ in sections[:-1]:
        raw.append(raw[-1] + (len(data) + file_align - 1) // file_align * file_align)
    image = vas[-1] + (len(sections[-1][1]) + sect_align - 1) // sect_align * sect_align if sections \
        else sect_align
    entry = vas[0] if code else 0
    coff = struct.pack("<HHIIIHH", 0x8664 if plus else 0x14C, len(sections), 0, 0, 0, opt_size, 0x0102)
    if plus:
        opt = struct.pack("<HBBIIIIIQIIHHHHHHIIIIHHQQQQII", 0x20B, 2, 40, 0, 0, 0, entry, 0,
                          0x140000000, sect_align, file_align, 4, 0, 0, 0, 5, 2, 0, image, raw[0], 0, 2,
                          0, 0x100000, 0x1000, 0x100000, 0x1000, 0, 16)
    else:
        opt = struct.pack("<HBBIIIIIIIIIHHHHHHIIIIHHIIIIII", 0x10B, 2, 40, 0, 0, 0, entry, 0, 0,
                          0x400000, sect_align, file_align, 4, 0, 0, 0, 4, 0, 0, image, raw[0], 0, 2,
                          0, 0x100000, 0x1000, 0x100000, 0x1000, 0, 16)
    dirs = bytearray(16 * 8)
    if resources:
        struct.pack_into("<II", dirs, 2 * 8, vas[rsrc_index], len(sections[rsrc_index][1]))
    headers = b""
    for (name, data, flags), va, at in zip(sections, vas, raw):
        size = (len(data) + file_align - 1) // file_align * file_align
        headers += name.ljust(8, b"\0") + struct.pack("<IIIIIIHHI", len(data), va, size, at, 0, 0, 0, 0, flags)
    dos = bytearray(64)
    dos[0:2] = b"MZ"
    struct.pack_into("<I", dos, 0x3C, 64)
    out = bytes(dos) + b"PE\0\0" + coff + opt + bytes(dirs) + headers
    for (_, data, _), at in zip(sections, raw):
        out += bytes(at - len(out)) + data
    return out + bytes(-len(out) % file_align)


def version_resource(data, name=1, lang=0x409):
    return (RT_VERSION, name, lang, data)


def string_table(first_id, texts):
    """The block of 16 strings holding `texts` from string first_id on (a multiple of 16 plus k)."""
    slots = [""] * 16
    for i, t in enumerate(texts):
        slots[first_id % 16 + i] = t
    data = b"".join(struct.pack("<H", len(t)) + t.encode("utf-16-le") for t in slots)
    return (RT_STRING, first_id // 16 + 1, 0x409, data)


# ---- the samples

def program_block():
    """The program's block as it shipped (the reference version.bin)."""
    return block(
        fixed((3, 3, 5, 0), 0x3F, 0, 0x4),
        strings("041904E3", [
            ("CompanyName", "Quorvane, 1999"), ("FileDescription", ""), ("FileVersion", "3.3.5.0"),
            ("InternalName", "Квелли 99 Internet version"), ("LegalCopyright", "1999 Quorvane"),
            ("LegalTrademarks", ""), ("OriginalFilename", ""), ("ProductName", "Kvelli99"),
            ("ProductVersion", "3.35"), ("Comments", "Logical Game")]),
        translations((0x419, 1251)))


def samples():
    u16 = lambda *words: struct.pack("<%dH" % len(words), *words)
    # A block cut short: the root says 0x0200 bytes and the string table 0x01A0, but the data ends
    # after the first string; the translation list that should follow is missing.
    truncated = (u16(0x200, 0x34, 0) + "VS_VERSION_INFO\0".encode("utf-16-le") + u16(0) +
                 fixed((3, 3, 5, 0), 0x3F, 0, 4) +
                 u16(0x1A0, 0, 1) + "StringFileInfo\0".encode("utf-16-le") +
                 u16(0x190, 0, 1) + "041904E3\0".encode("utf-16-le") +
                 u16(0x2E, 5, 1) + "ProductVersion\0".encode("utf-16-le") + "3.35\0".encode("utf-16-le"))
    return {
        # No resources at all.
        "plain.exe": pe([], False),
        # Resources, but no version block among them.
        "noversion.exe": pe([string_table(1, ["no version information here"])], True),
        # The translation list names Russian first, but the only string table is US English.
        "otherlang.exe": pe([version_resource(block(
            fixed((1, 0, 0, 0), 0x3F, 0, 0x40004),
            strings("040904B0", [
                ("CompanyName", "Other"), ("FileDescription", "Other program"), ("FileVersion", "1.0.0.0"),
                ("InternalName", "other"), ("LegalCopyright", "Other"), ("LegalTrademarks", "Other"),
                ("OriginalFilename", "other.exe"), ("ProductName", "Other"), ("ProductVersion", "1.0"),
                ("Comments", "Other")]),
            translations((0x419, 1251), (0x409, 1200))))], True),
        # File flags set beyond the mask: only "Private build" (0x08) and "Debug" (0x01) are in
        # both. An icon's type before the version, as real programs have.
        "flags.exe": pe([(3, 1, 0x409, bytes(40)), version_resource(block(
            fixed((2, 0, 0, 0), 0x09, 0x2B, 0x10004),
            strings("040904B0", [("ProductVersion", "2.0 beta"), ("PrivateBuild", "built by hand")]),
            translations((0x409, 1200))))], True),
        # No operating system recorded; every build flag set and in the mask; the translation
        # list before the tables.
        "os0.exe": pe([version_resource(block(
            fixed((0, 0, 0, 1), 0x3F, 0x3F, 0, kind=2),
            translations((0x409, 1252)),
            strings("040904E4", [("Comments", "tables after the translation list")])))], False),
        "truncated.exe": pe([version_resource(truncated)], True),
    }


def main():
    check = sys.argv[1:] == ["--check"]
    if sys.argv[1:] not in ([], ["--check"]):
        sys.exit(__doc__)
    wrong = []
    with open(os.path.join(HERE, "version.bin"), "rb") as f:
        if program_block() != f.read():
            wrong.append("version.bin (the block writer no longer writes the reference)")
    for name, data in samples().items():
        path = os.path.join(HERE, name)
        if check:
            try:
                with open(path, "rb") as f:
                    same = f.read() == data
            except OSError:
                same = False
            if not same:
                wrong.append(name)
        else:
            with open(path, "wb") as f:
                f.write(data)
    if wrong:
        sys.exit("make_samples: not as written: " + ", ".join(wrong))


if __name__ == "__main__":
    main()
