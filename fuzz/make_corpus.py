#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz targets into fuzz/corpus/<target>/.

The text seeds are written directly. The program files for the version reader are made with
clang and objcopy, by the ELF writer below, or by the PE writer of the reader's test samples
(tests/app/data/make_samples.py), from the program's version block, which the main build leaves
in <build>/version/version.bin:

    fuzz/make_corpus.py [path/to/version.bin]

The output is committed; run this again only to change the seeds.
"""

import glob
import os
import shutil
import struct
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
# The PE writer the version reader's test samples are made with.
sys.path.insert(0, os.path.join(HERE, "..", "tests", "app", "data"))
from make_samples import pe, version_resource  # noqa: E402
CORPUS = os.path.join(HERE, "corpus")


def put(target, name, data):
    d = os.path.join(CORPUS, target)
    os.makedirs(d, exist_ok=True)
    with open(os.path.join(d, name), "wb") as f:
        f.write(data)


def neg(b):
    return bytes((256 - x) % 256 for x in b)


def stored(*plain, end=b"\r\n"):
    """Records lines in their stored form; each plain line is str (cp1251) or bytes."""
    out = b""
    for line in plain:
        if isinstance(line, str):
            line = line.encode("cp1251")
        out += neg(line) + end
    return out


def records_seeds():
    table = [("Вася", 9120), ("Петя", 7305), ("User", 6000), ("Маша Иванова", 4410),
             ("abc", 5), ("Zz", 1)]
    seeds = {
        "abc5.rec": bytes.fromhex("9F9E9DA1CB0D0A"),  # the plain text abc_5
        "empty.rec": b"",
        "table.rec": stored(*["%s_%d" % row for row in table]),
        "full20.rec": stored(*["Игрок%02d_%d" % (k, 2000 - 50 * k) for k in range(20)]),
        "lines25.rec": stored(*["p%d_%d" % (k, 100 + k) for k in range(25)]),
        "gaps.rec": stored("noseparator", "A_100", "", "zero_0", "neg_-5", "B_+50", "C_007"),
        "longname.rec": stored("ABCDEFGHIJKLMNOPQRST_77"),
        "badscore.rec": stored("ok_10", "x_1_2", "later_3"),
        "overflow.rec": stored("max_2147483647", "min_-2147483648", "big_2147483648"),
        "eof-mark.rec": stored("before_9") + b"\x1a" + stored("after_8"),
        "lf-only.rec": stored("unix_12", "ends_11", end=b"\n"),
        "cr-only.rec": stored("mac_12", "ends_11", end=b"\r"),
        "no-last-end.rec": stored("first_4") + neg(b"last_3"),
        # Names holding the bytes the format itself uses.
        "markup.rec": stored('<b>&"x"</b>_1', b"\xf3\xe6\xf6_2", b"cr\x0dlf\x0a_3"),
    }
    sep = b"\n--net--\n"
    merges = {
        "merge-basic.rec": stored("A_100", "B_50") + sep + stored("C_100", "D_70"),
        "merge-ties.rec": stored("L1_30", "L2_30") + sep + stored("N1_30", "N2_20"),
        "merge-negative.rec": stored(*["l%d_%d" % (k, -k - 1) for k in range(20)]) + sep +
                              stored(*["n%d_%d" % (k, 40 - k) for k in range(20)]),
        "merge-badnet.rec": stored("A_1") + sep + stored("bad_score"),
        "merge-emptylocal.rec": sep + stored(*["%s_%d" % row for row in table]),
    }
    for name, data in seeds.items():
        put("records", name, data)
        put("html", name, data)
    for name, data in merges.items():
        put("records", name, data)
    # What may stand in the records file's place: a FIFO, a directory, a sparse file past the
    # read limit (the target makes them from these headers).
    for kind, rest in (("fifo", b""), ("dir", b""), ("huge", stored("abc_5"))):
        put("records", "hostile-%s.rec" % kind, b"\x01" + kind.encode() + b"\n" + rest)


def savegame_seeds():
    board = [[(r * 3 + c * 5) % 8 + 1 for c in range(8)] for r in range(8)]

    def game(score, movable, cells, end="\r\n"):
        lines = [str(score), str(movable)] + [str(v) for row in cells for v in row]
        return (end.join(lines) + end).encode()

    put("savegame", "game.sav", game(1235, 17, board))
    put("savegame", "new.sav", game(0, 12, board))
    put("savegame", "lf.sav", game(40, 3, board, end="\n"))
    put("savegame", "cr.sav", game(40, 3, board, end="\r"))
    put("savegame", "extreme.sav", game(2147483647, -2147483648, [[0, 9, 10, -1, 99, 8, 7, 1]] * 8))
    blanks = game(5, 6, board).replace(b"1235", b"").split(b"\r\n")
    blanks[0] = b"  \t 5 trailing words"
    blanks[1] = b"\r\n 6\tmore"
    blanks[2] = b" +0003 "
    put("savegame", "blanks.sav", b"\r\n".join(blanks))
    put("savegame", "short.sav", game(1, 2, board)[:-40])
    put("savegame", "no-last-end.sav", game(1, 2, board)[:-2])
    put("savegame", "extra-lines.sav", game(1, 2, board) + b"garbage\r\nmore\r\n")
    put("savegame", "hex.sav", game(1, 2, board).replace(b"\r\n8\r\n", b"\r\n0x8\r\n", 1))


# A whole game played to its end (score 1875), with a load after 20 exchanges: the seed of the
# deal, then each segment's exchanges.
GAME_PROOF = [
    ("000000000135295a",
     "23-24 24-14 24-34 44-45 27-26 34-35 23-24 24-23 13-14 22-32 44-45 24-25 25-24 22-21 "
     "33-43 23-13 35-36 44-45 43-33 23-22 23-24"),
    ("e5a77d960b8044ba",
     "11-21 24-34 23-33 44-45 45-46 27-26 47-46 16-26 27-17 48-58 44-45 52-51 55-56 35-36 "
     "37-47 47-46 14-13 44-45 24-25 14-24 13-14 32-31 32-33 57-67 44-45 17-18 44-34 36-35 "
     "16-15 15-14 15-16 44-45 37-36 11-12 15-14 24-25 12-13 25-26 44-45 55-54 16-15 33-43 "
     "23-22 37-36 17-16 44-45 46-47 35-45 45-46 25-35 26-16 55-65 44-45 73-83 22-21 53-54 "
     "13-14 53-54 33-43 44-45 34-44 36-46 24-25 35-45 43-33 44-43 44-45 54-44 15-25 23-33 "
     "13-23 14-15 15-25 44-45 36-37 36-35 14-15 24-25 36-37 41-42 44-45 22-23 15-14 34-24 "
     "65-64 12-22 12-11 44-45 51-41 32-31 42-41 33-23 63-62 52-42 44-45 22-23"),
]


def proof_text(segments):
    out = "KV99PROOF 1\n"
    for seed, moves in segments:
        out += "seed %s\n" % seed
        out += "".join(m.replace("-", " ") + "\n" for m in moves.split())
    return (out + "end\n").encode()


def proof_seeds():
    game = proof_text(GAME_PROOF)
    put("proof", "game.proof", game)
    put("proof", "deal-only.proof", proof_text([("00000000075bcd15", "")]))
    put("proof", "cut.proof", game[:len(game) // 2])
    put("proof", "after-end.proof", game + b"45 46\n")
    put("proof", "move-after-end.proof", game.replace(b"end\n", b"45 46\nend\n"))
    put("proof", "crlf.proof", game.replace(b"\n", b"\r\n"))
    put("proof", "not-neighbours.proof", proof_text([("0000000000000001", "45-47 11-22")]))
    put("proof", "off-board.proof", proof_text([("0000000000000001", "09-19 89-99")]))
    put("proof", "refused.proof", proof_text([("0000000000000002", " ".join(["11-12", "12-11"] * 40))]))
    put("proof", "loads.proof", proof_text([("%016x" % (k * 0x9E3779B97F4A7C15 % 2**64), "44-45") for k in range(1, 12)]))


def proofs_seeds():
    def prf(entries):
        out = b"Kvelli99 proofs 1\n"
        for score, text in entries:
            out += b"%d %d\n" % (score, len(text)) + text + b"\n"
        return out
    game = proof_text(GAME_PROOF)
    two = prf([(1250, game), (980, proof_text([("00000000075bcd15", "44-45")]))])
    put("proofs", "two.prf", two)
    put("proofs", "empty.prf", prf([]))
    put("proofs", "cut.prf", two[:-10])
    put("proofs", "rising.prf", prf([(5, b"x"), (6, b"y")]))
    put("proofs", "binary.prf", prf([(7, bytes(range(256)))]))
    put("proofs", "version2.prf", b"Kvelli99 proofs 2\n")


def ftp_seeds():
    seeds = {
        "greeting.txt": b"220-Welcome to the results server\r\n220-Be nice.\r\n 220 indented\r\n"
                        b"220 Ready.\r\n",
        "login.txt": b"220 Ready\r\n331 Password required for kvelli\r\n230 User logged in.\r\n"
                     b"250 CWD command successful.\r\n",
        "login-refused.txt": b"220 Ready\r\n331 Password please\r\n530 Login incorrect.\r\n",
        "pasv.txt": b"227 Entering Passive Mode (127,0,0,1,4,1)\r\n",
        "pasv-odd.txt": b"227 =127,0,0,1, 200 ,  13 )\r\n227 (1,2,3,4,256,0)\r\n227 (1,2,3,4,5)\r\n"
                        b"227 (1,2,3,4,x,9)\r\n",
        "retr.txt": b"150 Opening BINARY mode data connection for records.rec (1234 bytes).\r\n"
                    b"226 Transfer complete.\r\n",
        "retr-multi.txt": b"150-Opening data connection\r\n150-for records.rec\r\n150 (77 BYTES)\r\n"
                          b"226-Transfer complete\r\n226 Bye\r\n",
        "counts.txt": b"150 x (4294967295 bytes)\r\n150 x (4294967296 bytes)\r\n150 (bytes follow)\r\n"
                      b"bytes first\r\n",
        "codes.txt": b"32767 top\r\n32768 beyond\r\n0000000221 ten\r\nHello there\r\n99999 what\r\n",
        "lf-only.txt": b"230-Hi\n230 Done\n221 Goodbye.\n",
        "unterminated.txt": b"230-Welcome\r\n230 unfinished",
        "stor.txt": b"227 Entering Passive Mode (127,0,0,1,195,80)\r\n150 Ok to send data.\r\n"
                    b"226 Transfer complete.\r\n221 Goodbye.\r\n",
        "verdict.txt": b"150 Ok to send data.\r\n226-Table merged;\r\n"
                       b"226 kvelli99-verdict unproven=1 forged=0 duplicate=2\r\n",
    }
    for name, data in seeds.items():
        put("ftp_reply", name, data)


def elf(block, bits, big, extended=False):
    """A bare ELF file of section headers only: null, .shstrtab, .vs_version_info. With
    `extended`, the section count and the name table's index live in section 0."""
    e = ">" if big else "<"
    names = b"\0.shstrtab\0.vs_version_info\0"
    ehsize, shentsize = (64, 64) if bits == 64 else (52, 40)
    strtab_off = ehsize
    block_off = strtab_off + len(names)
    shoff = (block_off + len(block) + 7) & ~7
    ident = b"\x7fELF" + bytes([2 if bits == 64 else 1, 2 if big else 1, 1]) + bytes(9)
    shnum, shstrndx = (0, 0xFFFF) if extended else (3, 1)
    if bits == 64:
        head = ident + struct.pack(e + "HHIQQQIHHHHHH", 1, 62, 1, 0, 0, shoff, 0, ehsize, 0, 0,
                                   shentsize, shnum, shstrndx)
    else:
        head = ident + struct.pack(e + "HHIIIIIHHHHHH", 1, 3, 1, 0, 0, shoff, 0, ehsize, 0, 0,
                                   shentsize, shnum, shstrndx)

    def sh(name, kind, off, size, link=0):
        if bits == 64:
            return struct.pack(e + "IIQQQQIIQQ", name, kind, 0, 0, off, size, link, 0, 1, 0)
        return struct.pack(e + "IIIIIIIIII", name, kind, 0, 0, off, size, link, 0, 1, 0)

    zero = sh(0, 0, 0, 3 if extended else 0, 1 if extended else 0)
    out = head + names + block
    out += bytes(shoff - len(out))
    out += zero + sh(1, 3, strtab_off, len(names)) + sh(11, 1, block_off, len(block))
    return out


def settings_seeds():
    put("settings", "windows.ini",
        "[Data]\r\nName=Вася\r\nDirectory=C:\\Games\\Kvelli\r\n".encode("cp1251"))
    put("settings", "quoted.ini",
        "Маша\0[Data]\nName=\" Петя \"\nDirectory=/srv/records\n\n[Other]\nKey=1\n".encode())
    put("settings", "sections.ini",
        b"; comment\n[other]\nname=x\n[ data ]\n  NAME = spaced \n[Data]\nDirectory=second\n")
    put("settings", "empty.ini", b"\0")
    # A file sent twice in text mode: every line ends in CR CR LF.
    put("settings", "crcrlf.ini", b"[Data]\r\r\nName=Vasya\r\r\nDirectory=/srv/records\r\r\n")


def run(*cmd, cwd):
    subprocess.run(cmd, cwd=cwd, check=True)


def verinfo_seeds(block_path):
    with open(block_path, "rb") as f:
        block = f.read()
    put("verinfo", "version.bin", block)
    put("verinfo", "truncated-block.bin", block[:len(block) // 2])
    put("verinfo", "bare32-le.elf", elf(block, 32, False))
    put("verinfo", "bare32-be.elf", elf(block, 32, True))
    put("verinfo", "bare64-be.elf", elf(block, 64, True))
    put("verinfo", "bare64-extended.elf", elf(block, 64, False, extended=True))
    put("verinfo", "bare32.exe", pe([version_resource(block, lang=0x419)], False, code=False))
    put("verinfo", "bare64-icon.exe", pe([(3, 1, 0x419, bytes(40)), version_resource(block, lang=0x419)], True,
                                         code=False))
    put("verinfo", "bare32-name7.exe", pe([version_resource(block, 7, 0x419)], False, code=False))
    put("verinfo", "tiny64.exe", pe([version_resource(block, lang=0x419)], True))
    with tempfile.TemporaryDirectory() as tmp:
        with open(os.path.join(tmp, "start.c"), "w") as f:
            f.write("void _start(void) { for (;;) {} }\nint WinMainCRTStartup(void) { return 0; }\n")
        with open(os.path.join(tmp, "block.bin"), "wb") as f:
            f.write(block)
        # ELF: a small static executable, and relocatable objects of 32 bits and of big endian.
        run("clang", "-Os", "-s", "-static", "-nostdlib", "-fno-asynchronous-unwind-tables",
            "-Wl,--build-id=none", "-o", "tiny", "start.c", cwd=tmp)
        run("clang", "-m32", "-Os", "-c", "-fno-asynchronous-unwind-tables", "-o", "tiny32.o",
            "start.c", cwd=tmp)
        add = ["--add-section", ".vs_version_info=block.bin",
               "--set-section-flags", ".vs_version_info=contents,readonly"]
        run("objcopy", *add, "tiny", "tiny.elf", cwd=tmp)
        run("objcopy", *add, "tiny32.o", "tiny32.o.elf", cwd=tmp)
        run("objcopy", "tiny", "plain.elf", cwd=tmp)
        for name in ["tiny.elf", "plain.elf"]:
            with open(os.path.join(tmp, name), "rb") as f:
                put("verinfo", name, f.read())
        put("verinfo", "tiny32.o.elf", open(os.path.join(tmp, "tiny32.o.elf"), "rb").read())


def main():
    if len(sys.argv) > 1:
        block = sys.argv[1]
    else:
        found = sorted(glob.glob(os.path.join(HERE, "..", "build*", "version", "version.bin")),
                       key=os.path.getmtime)
        if not found:
            sys.exit("make_corpus: no version.bin; build the program first or name one")
        block = found[-1]
    shutil.rmtree(CORPUS, ignore_errors=True)
    records_seeds()
    savegame_seeds()
    proof_seeds()
    proofs_seeds()
    ftp_seeds()
    settings_seeds()
    verinfo_seeds(block)
    total = sum(os.path.getsize(p) for p in glob.glob(os.path.join(CORPUS, "*", "*")))
    print("corpus: %d bytes" % total)


if __name__ == "__main__":
    main()
