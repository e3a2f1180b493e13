#!/usr/bin/env python3
"""Fails when a source file under src/ includes a folder above its own layer.

The layers, lowest first; a folder may include its own layer's files and any lower layer's,
never a folder of its own rank or above (hostlink and dxf are peers, so are the features
that share a rank). <windows.h> belongs to win32/ and to base's *_win.cpp only.
"""
import pathlib
import re
import sys

RANKS = {
    "base": 0,
    "platform": 1,
    "hostlink": 2, "dxf": 2,
    "geometry": 3,
    "operation": 4,
    # Features: the cut engine of wires/ serves the block tools; the library inserts
    # symbols with the block trim and labels them with the text tools.
    "wires": 5,
    "blocks": 6, "polyline": 6, "text": 6,
    "library": 7,
    "app": 8,
    "win32": 9,
}
INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^">]+)[">]')


def problems(root):
    for path in sorted((root / "src").rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        folder = path.relative_to(root / "src").parts[0]
        rank = RANKS.get(folder)
        if rank is None:
            yield f"{path}: folder '{folder}' has no layer"
            continue
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            target = match.group(1)
            if target.lower() == "windows.h":
                if folder != "win32" and not path.name.endswith("_win.cpp"):
                    yield f"{path}:{number}: <windows.h> outside win32/"
                continue
            top = target.split("/")[0]
            if "/" not in target or top not in RANKS or top == folder:
                continue
            if RANKS[top] >= rank:
                yield f"{path}:{number}: {folder}/ includes {target} (a layer not below it)"


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".")
    found = list(problems(root))
    for line in found:
        print(line)
    print(f"include direction: {len(found)} problem(s)")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
