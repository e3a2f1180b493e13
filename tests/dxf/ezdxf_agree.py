"""Checks the DXF readers against ezdxf, a DXF library written elsewhere.

Usage: ezdxf_agree.py DXFDUMP [FOLDER]

For every .dxf file under FOLDER (default: the symbol library of librecad-data), runs
`DXFDUMP FILE` and compares what our readers saw with what ezdxf reads:
  - entity counts in the ENTITIES section: LINE, ARC, INSERT, LWPOLYLINE + POLYLINE, and the
    polyline vertex count;
  - LINE end points (matched by handle);
  - block names, in file order;
  - CIRCLE count per block, following our rule that the anonymous blocks ("*" names) opening
    the BLOCKS section contribute no geometry (later anonymous blocks do).
A file ezdxf cannot read is skipped and counted as skipped. Exits 1 on any disagreement.
"""

import collections
import json
import os
import subprocess
import sys

import ezdxf

ENTITY_KINDS = ("LINE", "ARC", "INSERT", "LWPOLYLINE", "POLYLINE")


def our_view(dump):
    pl = dump["polylines"]
    return {
        "counts": {
            "LINE": len(dump["lines"]),
            "ARC": len(dump["arcs"]),
            "INSERT": len(dump["inserts"]),
            "POLYLINES": len(pl["items"]),
            "VERTICES": pl["vertexCount"],
        },
        "lines": {l["Handle"]: point_pair(l["P1"], l["P2"]) for l in dump["lines"]},
        "line_list": sorted(point_pair(l["P1"], l["P2"]) for l in dump["lines"]),
        "blocks": [b["Name"] for b in dump["blocks"]],
        "circles": circles_per_block(dump),
    }


def point_pair(p1, p2):
    return (p1["x"], p1["y"], p1["z"], p2["x"], p2["y"], p2["z"])


def circles_per_block(dump):
    counts = collections.Counter()
    seen = set()
    for b in dump["blocks"]:
        if b["Name"] in seen:
            continue  # a repeated name lists the same records again
        seen.add(b["Name"])
        counts[b["Name"]] = len(b["circles"])
    return dict(counts)


def entities_section(doc):
    """Entities stored in the ENTITIES section: model space and the active paper space."""
    return [e for space in (doc.modelspace(), doc.layouts.active_layout()) for e in space]


def vertex_count(entity):
    if entity.dxftype() == "LWPOLYLINE":
        return len(entity)
    return len(entity.vertices)


def ezdxf_view(doc):
    entities = entities_section(doc)
    kinds = collections.Counter(e.dxftype() for e in entities)
    polylines = [e for e in entities if e.dxftype() in ("LWPOLYLINE", "POLYLINE")]
    lines = [e for e in entities if e.dxftype() == "LINE"]
    block_names = [b.name for b in doc.blocks]
    return {
        "counts": {
            "LINE": kinds["LINE"],
            "ARC": kinds["ARC"],
            "INSERT": kinds["INSERT"],
            "POLYLINES": len(polylines),
            "VERTICES": sum(vertex_count(p) for p in polylines),
        },
        "lines": {e.dxf.handle: tuple(e.dxf.start) + tuple(e.dxf.end) for e in lines},
        "line_list": sorted(tuple(e.dxf.start) + tuple(e.dxf.end) for e in lines),
        "blocks": block_names,
        "circles": expected_circles(doc),
    }


def expected_circles(doc):
    """Per block, the CIRCLE count our reader should see: nothing until the first named block."""
    counts = {}
    body_open = False
    for block in doc.blocks:
        name = block.name
        if name and not name.startswith("*"):
            body_open = True
        if name in counts:
            continue
        counts[name] = sum(1 for e in block if e.dxftype() == "CIRCLE") if body_open else 0
    return counts


def drop_synthesized_layouts(theirs, path):
    """ezdxf adds the model and paper space blocks to a file that has none; the file does not."""
    with open(path, "rb") as f:
        raw = f.read().lower()
    theirs["blocks"] = [
        n for n in theirs["blocks"]
        if not (n.lower() in ("*model_space", "*paper_space") and n.lower().encode() not in raw)
    ]
    theirs["circles"] = {n: c for n, c in theirs["circles"].items() if n in theirs["blocks"]}


def compare(ours, theirs):
    problems = []
    for kind, n in theirs["counts"].items():
        if ours["counts"][kind] != n:
            problems.append(f"{kind} count: ours {ours['counts'][kind]}, ezdxf {n}")
    if ours["counts"]["LINE"] == theirs["counts"]["LINE"]:
        if set(ours["lines"]) == set(theirs["lines"]) and len(ours["lines"]) == ours["counts"]["LINE"]:
            for handle, pts in theirs["lines"].items():
                if ours["lines"][handle] != pts:
                    problems.append(f"LINE {handle}: ours {ours['lines'][handle]}, ezdxf {pts}")
        elif ours["line_list"] != theirs["line_list"]:
            problems.append("LINE end points differ")
    if ours["blocks"] != theirs["blocks"]:
        problems.append(f"block names: ours {ours['blocks']}, ezdxf {theirs['blocks']}")
    for name, n in theirs["circles"].items():
        if ours["circles"].get(name, 0) != n:
            problems.append(f"block {name}: ours {ours['circles'].get(name, 0)} circles, ezdxf {n}")
    return problems


def dxf_files(folder):
    for root, _dirs, files in os.walk(folder):
        for name in sorted(files):
            if name.lower().endswith(".dxf"):
                yield os.path.join(root, name)


def main():
    if len(sys.argv) not in (2, 3):
        print(__doc__)
        return 2
    dxfdump = sys.argv[1]
    folder = sys.argv[2] if len(sys.argv) == 3 else "/usr/share/librecad/library"
    agreed, skipped, disagreed = 0, [], []
    compared = collections.Counter()
    for path in sorted(dxf_files(folder)):
        try:
            doc = ezdxf.readfile(path)
        except Exception as e:  # ezdxf cannot read it: no opinion to compare with
            skipped.append(f"{path}: {type(e).__name__}: {e}")
            continue
        run = subprocess.run([dxfdump, path], capture_output=True, text=True)
        if run.returncode != 0:
            disagreed.append((path, [f"dxfdump failed: {run.stdout.strip()}{run.stderr.strip()}"]))
            continue
        theirs = ezdxf_view(doc)
        drop_synthesized_layouts(theirs, path)
        compared.update(theirs["counts"])
        compared["BLOCKS"] += len(theirs["blocks"])
        compared["BLOCK CIRCLES"] += sum(theirs["circles"].values())
        problems = compare(our_view(json.loads(run.stdout)), theirs)
        if problems:
            disagreed.append((path, problems))
        else:
            agreed += 1
    for path, problems in disagreed:
        print(f"DISAGREE {path}")
        for p in problems[:10]:
            print(f"    {p}")
    for s in skipped:
        print(f"SKIPPED {s}")
    print("compared: " + ", ".join(f"{n} {kind}" for kind, n in sorted(compared.items())))
    total = agreed + len(skipped) + len(disagreed)
    print(f"{total} files: {agreed} agree, {len(disagreed)} disagree, {len(skipped)} skipped (ezdxf cannot read)")
    return 1 if disagreed or total == 0 else 0


if __name__ == "__main__":
    sys.exit(main())
