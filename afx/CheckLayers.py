#!/usr/bin/env python3
"""Fails when a framework file includes a file of a layer above its own.

The layers, lowest first, are the folders below afx/, each with the headers only the framework's
own layers use in its private/ folder; a file may include files of its own layer and of the layers
below it. The headers at the top of afx/ gather layers: including one counts as
including the highest layer it reaches. Tests are left out: they may use any layer.
"""
import os
import re
import sys

LAYERS = ["core", "gdi", "windows", "ole", "controls", "dialogs", "frames"]
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.M)


def includes(path):
    with open(path, encoding="utf-8", errors="replace") as f:
        return INCLUDE.findall(f.read())


def files(root, layer):
    """The headers and sources of a layer, its private ones included, as paths below root."""
    for sub in (layer, os.path.join(layer, "private")):
        folder = os.path.join(root, sub)
        if os.path.isdir(folder):
            for name in sorted(os.listdir(folder)):
                if name.endswith((".h", ".cpp")):
                    yield os.path.join(sub, name)


def main(root):
    where = {}  # header name -> layer index, or None for the gathering headers at the top
    for name in os.listdir(root):
        if name.endswith(".h"):
            where[name] = None
    for rank, layer in enumerate(LAYERS):
        for path in files(root, layer):
            name = os.path.basename(path)
            if name.endswith(".h"):
                if name in where:
                    sys.exit("layers: %s is in two places" % name)
                where[name] = rank

    reach = {}  # highest layer a top header reaches

    def reach_of(name, seen=()):
        if name in reach:
            return reach[name]
        best = -1
        for inc in includes(os.path.join(root, name)):
            if inc not in where or inc in seen:
                continue
            r = where[inc] if where[inc] is not None else reach_of(inc, seen + (name,))
            best = max(best, r)
        reach[name] = best
        return best

    def rank_of(path, inc):
        """The layer an include reaches: a header named by a path is the one that path finds."""
        if "/" in inc or "\\" in inc:
            found = os.path.normpath(os.path.join(root, os.path.dirname(path), inc))
            rel = os.path.relpath(found, root)
            if rel.startswith(".."):
                return -1
            top = rel.split(os.sep)[0]
            if top in LAYERS:
                return LAYERS.index(top)
            return reach_of(rel) if rel in where else -1
        if inc not in where:
            return -1
        return where[inc] if where[inc] is not None else reach_of(inc)

    faults = []
    for rank, layer in enumerate(LAYERS):
        for path in files(root, layer):
            for inc in includes(os.path.join(root, path)):
                r = rank_of(path, inc)
                if r > rank:
                    faults.append("afx/%s includes %s, which reaches the %s layer" % (path, inc, LAYERS[r]))
    for fault in faults:
        print("layers: " + fault, file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))))
