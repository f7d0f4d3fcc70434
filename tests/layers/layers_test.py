#!/usr/bin/env python3
"""Checks the include structure of src/: every folder is one layer, and a file includes only
from its own layer and the layers below it; the core layers never include Qt.

    layers_test.py SRC_DIR --core base,storage,... --gui skin,widgets,...
    layers_test.py --self-test --core ... --gui ...

The layer lists come from src/CMakeLists.txt, the one place that orders them. Exit status 0 when
the tree keeps to them, 1 with one line per fault otherwise."""

import argparse
import os
import re
import sys
import tempfile

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
# Headers the build generates for a layer of its own, not a folder of src/.
GENERATED = {"embedded": "builder"}


def is_qt(header):
    return re.match(r"(Q[A-Za-z]|Qt[A-Za-z]*/|qt)", header) is not None


def problems(src, core, gui):
    layers = core + gui
    rank = {name: i for i, name in enumerate(layers)}
    found = []
    for folder in sorted(os.listdir(src)):
        path = os.path.join(src, folder)
        if not os.path.isdir(path):
            continue
        if folder not in rank:
            found.append(f"{folder}/: a folder that is no layer; add it to the lists in src/CMakeLists.txt")
            continue
        for root, _, files in os.walk(path):
            for name in sorted(files):
                if not name.endswith((".h", ".cpp")):
                    continue
                file = os.path.join(root, name)
                where = os.path.relpath(file, src)
                with open(file, encoding="utf-8", errors="replace") as text:
                    for number, line in enumerate(text, 1):
                        match = INCLUDE.match(line)
                        if not match:
                            continue
                        quote, header = match.groups()
                        if quote == "<":
                            if folder in core and is_qt(header):
                                found.append(f"{where}:{number}: the core layer {folder}/ includes Qt <{header}>")
                            continue
                        target = header.split("/")[0] if "/" in header else None
                        if target is None:
                            found.append(f"{where}:{number}: \"{header}\" names no folder")
                        elif GENERATED.get(target) == folder:
                            continue
                        elif target not in rank:
                            found.append(f"{where}:{number}: \"{header}\" is in no layer")
                        elif rank[target] > rank[folder]:
                            found.append(f"{where}:{number}: {folder}/ includes \"{header}\" from the higher "
                                         f"layer {target}/ (layers, lowest first: {', '.join(layers)})")
    return found


def self_test(core, gui):
    """The checker itself finds an upward include and Qt in the core, and passes a clean tree."""
    with tempfile.TemporaryDirectory() as src:
        def write(path, text):
            os.makedirs(os.path.dirname(os.path.join(src, path)), exist_ok=True)
            with open(os.path.join(src, path), "w") as f:
                f.write(text)
        low, high = core[0], gui[0]
        write(f"{low}/a.h", f'#include <string>\n#include "{low}/b.h"\n')
        write(f"{high}/c.cpp", f'#include <QWidget>\n#include "{low}/a.h"\n')
        if problems(src, core, gui):
            return ["a clean tree was refused"]
        write(f"{low}/d.cpp", f'#include "{high}/c.h"\n#include <QString>\n')
        found = problems(src, core, gui)
        expected = [f"{low}/d.cpp:1:", f"{low}/d.cpp:2:"]
        if [p.split(" ")[0] for p in found] != expected:
            return ["the checker reported " + repr(found) + " for an upward include and Qt in the core"]
    return []


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("src", nargs="?")
    parser.add_argument("--core", required=True)
    parser.add_argument("--gui", required=True)
    parser.add_argument("--self-test", action="store_true")
    args = parser.parse_args()
    core, gui = args.core.split(","), args.gui.split(",")
    found = self_test(core, gui) if args.self_test else problems(args.src, core, gui)
    for line in found:
        print(line)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
