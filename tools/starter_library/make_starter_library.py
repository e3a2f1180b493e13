#!/usr/bin/env python3
"""Writes the starter symbol library from its description (symbols.txt beside this script).

    make_starter_library.py OUTPUT_FOLDER [DESCRIPTION]

Each symbol becomes OUTPUT_FOLDER/NAME.dxf (release 12, its geometry in the ENTITIES section,
its base point at the origin); the library's settings file Kvane2k.ini gets the comment. A
description that does not read stops with the file, the line and what is wrong.
"""
import os
import shlex
import sys


class DescriptionError(Exception):
    pass


def number(text, where):
    try:
        return float(text)
    except ValueError:
        raise DescriptionError(f"{where}: '{text}' is not a number") from None


def point(text, where):
    parts = text.split(",")
    if len(parts) != 2:
        raise DescriptionError(f"{where}: '{text}' is not a point x,y")
    return number(parts[0], where), number(parts[1], where)


def real(v):
    return repr(float(v))


def pairs(*items):
    return "".join(f"{code:>3}\r\n{value}\r\n" for code, value in items)


def line(a, b):
    return pairs((0, "LINE"), (8, "0"), (10, real(a[0])), (20, real(a[1])), (30, "0.0"),
                 (11, real(b[0])), (21, real(b[1])), (31, "0.0"))


def entities_of(verb, words, where):
    if verb == "line":
        points = [point(w, where) for w in words]
        if len(points) < 2:
            raise DescriptionError(f"{where}: a line needs two points or more")
        return "".join(line(a, b) for a, b in zip(points, points[1:]))
    if verb == "rect":
        if len(words) != 2:
            raise DescriptionError(f"{where}: a rect takes two corners")
        (x1, y1), (x2, y2) = point(words[0], where), point(words[1], where)
        corners = [(x1, y1), (x2, y1), (x2, y2), (x1, y2), (x1, y1)]
        return "".join(line(a, b) for a, b in zip(corners, corners[1:]))
    if verb == "circle":
        if len(words) != 2:
            raise DescriptionError(f"{where}: a circle takes a centre and a radius")
        (x, y), r = point(words[0], where), number(words[1], where)
        return pairs((0, "CIRCLE"), (8, "0"), (10, real(x)), (20, real(y)), (30, "0.0"), (40, real(r)))
    if verb == "arc":
        if len(words) != 4:
            raise DescriptionError(f"{where}: an arc takes a centre, a radius and two angles")
        (x, y) = point(words[0], where)
        r, start, end = (number(w, where) for w in words[1:])
        return pairs((0, "ARC"), (8, "0"), (10, real(x)), (20, real(y)), (30, "0.0"), (40, real(r)),
                     (50, real(start)), (51, real(end)))
    if verb == "text":
        if len(words) != 3:
            raise DescriptionError(f"{where}: a text takes a point, a height and the text")
        (x, y), height = point(words[0], where), number(words[1], where)
        return pairs((0, "TEXT"), (8, "0"), (10, real(x)), (20, real(y)), (30, "0.0"), (40, real(height)),
                     (1, words[2]))
    raise DescriptionError(f"{where}: unknown word '{verb}'")


def symbol_file(entities):
    return (pairs((0, "SECTION"), (2, "HEADER"), (9, "$ACADVER"), (1, "AC1009"), (9, "$INSBASE"),
                  (10, "0.0"), (20, "0.0"), (30, "0.0"), (0, "ENDSEC"),
                  (0, "SECTION"), (2, "ENTITIES"))
            + entities + pairs((0, "ENDSEC"), (0, "EOF")))


def read_description(path):
    """The library's comment and its symbols as (name, DXF entities)."""
    comment, symbols, current = None, [], None
    with open(path, encoding="utf-8") as f:
        for number_, text in enumerate(f, 1):
            where = f"{path}:{number_}"
            words = shlex.split(text, comments=True)
            if not words:
                continue
            verb, rest = words[0], words[1:]
            if verb == "library":
                comment = " ".join(rest)
            elif verb == "symbol":
                if current or len(rest) != 1:
                    raise DescriptionError(f"{where}: 'symbol NAME' opens a symbol after the last one's 'end'")
                current = (rest[0], [])
            elif current is None:
                raise DescriptionError(f"{where}: '{verb}' outside a symbol")
            elif verb == "end":
                if not current[1]:
                    raise DescriptionError(f"{where}: the symbol {current[0]} draws nothing")
                symbols.append((current[0], "".join(current[1])))
                current = None
            elif verb == "terminals":
                for w in rest:
                    point(w, where)
            else:
                current[1].append(entities_of(verb, rest, where))
    if current:
        raise DescriptionError(f"{path}: the symbol {current[0]} has no 'end'")
    return comment, symbols


def main(argv):
    if len(argv) not in (2, 3):
        print(__doc__.strip().splitlines()[2].strip(), file=sys.stderr)
        return 2
    output = argv[1]
    description = argv[2] if len(argv) == 3 else os.path.join(os.path.dirname(__file__), "symbols.txt")
    try:
        comment, symbols = read_description(description)
    except DescriptionError as e:
        print(e, file=sys.stderr)
        return 1
    os.makedirs(output, exist_ok=True)
    for name, entities in symbols:
        with open(os.path.join(output, name + ".dxf"), "w", encoding="cp932", newline="") as f:
            f.write(symbol_file(entities))
    if comment:
        with open(os.path.join(output, "Kvane2k.ini"), "w", encoding="cp932", newline="") as f:
            f.write(f"[Config]\r\nComment={comment}\r\n")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
