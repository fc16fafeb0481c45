#!/usr/bin/env python3
"""Fails when a source file includes a header from a layer above its own.

Layers, bottom up: platform, world, the rules (engine, magic, ai, save),
battlefield and sound, windows, app. A file includes only its own layer and those
below; where a lower layer must reach up, it goes through a narrow interface
declared below and implemented above (world/FieldView.h,
battlefield/WindowOpener.h). An include that still has to run up is listed
in ALLOWED with its reason, and carries a comment saying why on the line
itself or the line above it.

Usage: check_layers.py SOURCE_ROOT
"""
import os
import re
import sys
import tempfile

LAYERS = {
    "platform": 0,
    "world": 1,
    "engine": 2,
    "magic": 2,
    "ai": 2,
    "save": 2,
    "battlefield": 3,
    "sound": 3,
    "windows": 4,
    "app": 5,
}

# (including file, included header) -> why it may run up. Keep it short.
ALLOWED = {}

SOURCE_SUFFIXES = (".h", ".hpp", ".cpp")
INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^>"]+)[>"]')

# A tree this small means the root is wrong, and the check would pass on nothing.
MIN_FILES = 50


def sources(root):
    for folder in LAYERS:
        base = os.path.join(root, folder)
        for dirpath, _, names in os.walk(base):
            for name in sorted(names):
                if name.endswith(SOURCE_SUFFIXES):
                    path = os.path.join(dirpath, name)
                    yield os.path.relpath(path, root).replace(os.sep, "/")


def target_folder(including, header):
    """The top folder an include names, as seen from the source root."""
    if header.startswith("."):
        header = os.path.normpath(os.path.join(os.path.dirname(including), header))
    return header.replace(os.sep, "/").split("/")[0]


def explained(lines, index):
    here = lines[index].split("//", 1)
    above = lines[index - 1].strip() if index > 0 else ""
    return len(here) == 2 and here[1].strip() or above.startswith("//")


def check(root, allowed):
    """Returns (files scanned, problems found, allowed includes seen)."""
    problems, seen, count = [], set(), 0
    for rel in sources(root):
        count += 1
        own = LAYERS[rel.split("/")[0]]
        with open(os.path.join(root, rel), encoding="utf-8") as f:
            lines = f.read().splitlines()
        for i, line in enumerate(lines):
            m = INCLUDE.match(line)
            if not m:
                continue
            header = m.group(1)
            folder = target_folder(rel, header)
            if folder not in LAYERS or LAYERS[folder] <= own:
                continue
            if (rel, header) in allowed:
                seen.add((rel, header))
                if not explained(lines, i):
                    problems.append(f"{rel}:{i + 1}: includes {header} from a higher layer "
                                    "without a comment saying why")
                continue
            problems.append(f"{rel}:{i + 1}: includes {header}, which is in {folder}/, "
                            f"a higher layer than {rel.split('/')[0]}/")
    return count, problems, seen


def self_test():
    """The checker finds what it must on a small tree of its own, and only that."""
    files = {
        "engine/Bad.cpp": '#include "engine/Blows.h"\n#include "battlefield/Drawing.h"\n',
        "platform/qt/Bad.h": "#include <QObject>\n#include <world/Game.h>\n",
        "world/Relative.cpp": '#include "../engine/TurnCycle.h"\n',
        "magic/Fine.cpp": '#include "engine/Effects.h"\n#include "world/Game.h"\n'
                          '// #include "app/Forms.h"\n#include "Spells.h"\n',
        "app/Fine.cpp": '#include "windows/FrmMenu.h"\n#include "platform/Numbers.h"\n',
        "ai/Excused.cpp": '// The reason this one may reach up.\n#include "windows/FrmCast.h"\n',
        "ai/Unexplained.cpp": '#include "windows/FrmCast.h"\n',
    }
    allowed = {("ai/Excused.cpp", "windows/FrmCast.h"): "test",
               ("ai/Unexplained.cpp", "windows/FrmCast.h"): "test"}
    with tempfile.TemporaryDirectory() as root:
        for rel, text in files.items():
            path = os.path.join(root, rel)
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "w", encoding="utf-8") as f:
                f.write(text)
        count, problems, seen = check(root, allowed)
    found = sorted(p.split(":")[0] for p in problems)
    expected = ["ai/Unexplained.cpp", "engine/Bad.cpp", "platform/qt/Bad.h", "world/Relative.cpp"]
    if count != len(files) or found != expected or seen != set(allowed):
        print("the layer check itself is broken: on its test tree it reported", file=sys.stderr)
        for p in problems:
            print("  " + p, file=sys.stderr)
        return False
    return True


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    if not self_test():
        return 2
    root = sys.argv[1]
    count, problems, seen = check(root, ALLOWED)
    if count < MIN_FILES:
        problems.append(f"only {count} source files under {root}: is that the source root?")
    for rel, header in sorted(set(ALLOWED) - seen):
        problems.append(f"{rel}: no longer includes {header}; drop it from ALLOWED")
    for p in problems:
        print(p, file=sys.stderr)
    if problems:
        return 1
    print(f"{count} files, every include within its layer or below"
          + (f" ({len(seen)} explained exceptions)" if seen else ""))
    return 0


if __name__ == "__main__":
    sys.exit(main())
