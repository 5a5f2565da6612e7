#!/usr/bin/env python3
"""Fails when an #include in src/ crosses a layer the wrong way.

  base                      includes nothing of ours
  game, records, net        base and themselves, no Qt; records and net never each other
  app (the shell's core)    base and itself, no Qt
  ui (the widget kit)       base and itself
  <subsystem>/ui            base, ui, its own core and itself
  app/ui                    anything: the main window composes the rest
  records/tool              base, game, records and itself: the records tool is a program that
                            replays games with the game's own rules
Only src/app includes the main window's header.

check-layers.py SRC_DIR: checks the tree. check-layers.py --self-test: proves on a small tree of
its own that each rule is seen."""
import re
import sys
from pathlib import Path

MAIN_WINDOW = "app/ui/Kvelli99_U1.h"
CORES = {"game", "records", "net", "app"}
# Programs other than the game, beside the core they serve, and the cores each composes.
PROGRAMS = {"records/tool": {"base", "game", "records"}}

# The layer a file belongs to: "base", a core name, "ui", "<core>/ui", or "main" for main.cpp.
def layer_of(rel):
    parts = rel.split("/")
    if rel == "app/main.cpp":
        return "app/ui"
    if len(parts) >= 3 and parts[1] == "ui":
        return parts[0] + "/ui"
    if len(parts) >= 3 and "/".join(parts[:2]) in PROGRAMS:
        return "/".join(parts[:2])
    return parts[0]

def allowed(src, dst):
    if src == "base":
        return dst == "base"
    if src in CORES:
        return dst in ("base", src)
    if src in PROGRAMS:
        return dst in PROGRAMS[src] or dst == src
    if src == "ui":
        return dst in ("base", "ui")
    if src.endswith("/ui") and src != "app/ui":
        core = src[: -len("/ui")]
        return dst in ("base", "ui", core, src)
    return src == "app/ui"

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^">]+)[">]')

def check(src):
    files = sorted(p for p in src.rglob("*") if p.suffix in (".h", ".cpp"))
    problems = []
    for path in files:
        rel = path.relative_to(src).as_posix()
        me = layer_of(rel)
        for n, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            m = INCLUDE.match(line)
            if not m:
                continue
            kind, target = m.groups()
            where = f"{rel}:{n}: {target}"
            if kind == "<":
                if (me == "base" or me in CORES) and re.match(r"Q[A-Za-z]|qt", target):
                    problems.append(f"{where}: no Qt in a plain layer")
                continue
            if not (src / target).exists():
                continue  # a header beside the file, or generated
            if target == MAIN_WINDOW and not rel.startswith("app/"):
                problems.append(f"{where}: only src/app includes the main window")
                continue
            there = layer_of(target)
            if {me.split("/")[0], there.split("/")[0]} == {"records", "net"}:
                problems.append(f"{where}: records and net never include each other")
            elif not allowed(me, there):
                problems.append(f"{where}: {me} may not include {there}")
    return files, problems

def self_test():
    import tempfile
    bad = {
        "base/A.h": '#include "game/B.h"',
        "game/B.h": "#include <QString>",
        "net/C.cpp": '#include "records/D.h"',
        "records/D.h": '#include "base/A.h"',
        "records/ui/E.cpp": '#include "app/ui/Kvelli99_U1.h"',
        "game/ui/F.cpp": '#include "ui/G.h"\n#include "records/D.h"',
        "ui/G.h": '#include "base/A.h"',
        "app/ui/Kvelli99_U1.h": '#include "records/D.h"\n#include "net/C.cpp"',
        "records/tool/H.cpp": '#include "game/B.h"\n#include "records/D.h"\n#include "records/tool/H.h"',
        "records/tool/H.h": '#include "base/A.h"',
        "records/tool/I.cpp": '#include "ui/G.h"',
        "records/J.cpp": '#include "records/tool/H.h"',
    }
    with tempfile.TemporaryDirectory() as d:
        for name, text in bad.items():
            (Path(d) / name).parent.mkdir(parents=True, exist_ok=True)
            (Path(d) / name).write_text(text + "\n", encoding="utf-8")
        _, problems = check(Path(d))
    found = sorted(p.split(":")[0] for p in problems)
    expected = ["base/A.h", "game/B.h", "game/ui/F.cpp", "net/C.cpp", "records/J.cpp", "records/tool/I.cpp",
                "records/ui/E.cpp"]
    print("\n".join(problems))
    if found != expected:
        print(f"self-test: expected problems in {expected}, found {found}")
        return 1
    print("self-test: every rule seen")
    return 0

def main():
    if sys.argv[1:] == ["--self-test"]:
        return self_test()
    files, problems = check(Path(sys.argv[1]))
    for p in problems:
        print(p)
    print(f"{len(files)} files, {len(problems)} includes across a layer the wrong way")
    return 1 if problems else 0

if __name__ == "__main__":
    sys.exit(main())
