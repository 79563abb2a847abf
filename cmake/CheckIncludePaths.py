#!/usr/bin/env python3
"""Fails when a file of the tree includes another by a path relative to its own folder.

Each library sees the headers of the libraries below it through its include folders, and nothing
else: that is what keeps a higher layer out of reach of a lower one. A quoted include that climbs
out of the including file's folder ("../bars/X.h"), names an absolute path, or reaches into a
folder below it by path, would be found by the compiler beside the including file and pass the
walls unseen; such an include must name the header as the include folders give it.
"""
import os
import re
import sys

FOLDERS = ["afx", "datetime", "xml", "uicore", "uiextras", "clock", "tzeditor", "testsupport", "tools", "bench"]
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.M)


def sources(root):
    for top in FOLDERS:
        for folder, dirs, names in os.walk(os.path.join(root, top)):
            dirs.sort()
            for name in sorted(names):
                if name.endswith((".h", ".cpp", ".c", ".rc")):
                    yield os.path.join(folder, name)


def faults_of(root, path):
    with open(path, encoding="utf-8", errors="replace") as f:
        text = f.read()
    here = os.path.dirname(path)
    for inc in INCLUDE.findall(text):
        parts = re.split(r"[\\/]", inc)
        if os.path.isabs(inc) or ".." in parts:
            yield inc
        elif len(parts) > 1 and os.path.exists(os.path.join(here, inc)):
            yield inc


def main(root):
    faults = []
    for path in sources(root):
        for inc in faults_of(root, path):
            faults.append('%s includes "%s" by a path of its own, past the include folders'
                          % (os.path.relpath(path, root), inc))
    for fault in faults:
        print("includes: " + fault, file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.dirname(os.path.abspath(__file__)))))
