#!/usr/bin/env python3
"""Fails when an #include in src/ crosses a layer the wrong way.

  base                      includes nothing of ours
  game, records, net        base and themselves, no Qt; records and net never each other
  app (the shell's core)    base and itself, no Qt
  ui (the widget kit)       base and itself
  <subsystem>/ui            base, ui, its own core and itself
  app/ui                    anything: the main window composes the rest
Only src/app includes the main window's header.

check-layers.py SRC_DIR [FILE ...]: with files, checks only those (paths relative to SRC_DIR)."""
import re
import sys
from pathlib import Path

MAIN_WINDOW = "app/ui/Kvelli99_U1.h"
CORES = {"game", "records", "net", "app"}

# The layer a file belongs to: "base", a core name, "ui", "<core>/ui", or "main" for main.cpp.
def layer_of(rel):
    parts = rel.split("/")
    if rel == "app/main.cpp":
        return "app/ui"
    if len(parts) >= 3 and parts[1] == "ui":
        return parts[0] + "/ui"
    return parts[0]

def allowed(src, dst):
    if src == "base":
        return dst == "base"
    if src in CORES:
        return dst in ("base", src)
    if src == "ui":
        return dst in ("base", "ui")
    if src.endswith("/ui") and src != "app/ui":
        core = src[: -len("/ui")]
        return dst in ("base", "ui", core, src)
    return src == "app/ui"

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^">]+)[">]')

def main():
    src = Path(sys.argv[1])
    files = [src / f for f in sys.argv[2:]] or sorted(p for p in src.rglob("*") if p.suffix in (".h", ".cpp"))
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
    for p in problems:
        print(p)
    print(f"{len(files)} files, {len(problems)} includes across a layer the wrong way")
    return 1 if problems else 0

if __name__ == "__main__":
    sys.exit(main())
