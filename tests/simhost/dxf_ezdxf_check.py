"""Every DXFOUT variant of the stand-in host loads in ezdxf without errors and holds
what was written. Usage: dxf_ezdxf_check.py <simhost_tests executable>

The test executable writes the files (DxfOutFiles.*) into a temporary folder; the
drawing is the sample of tests/simhost/dxf_sample_drawing.h."""

import os
import subprocess
import sys
import tempfile

try:
    import ezdxf
    from ezdxf import recover
except ImportError:
    print("ezdxf is not installed")
    sys.exit(77)  # ctest SKIP_RETURN_CODE

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def close(a, b, tolerance):
    return len(a) == len(b) and all(abs(x - y) <= tolerance for x, y in zip(a, b))


def check_loads_cleanly(path):
    doc = ezdxf.readfile(path)
    auditor = doc.audit()
    check(not auditor.errors, f"{path}: audit errors {[str(e) for e in auditor.errors]}")
    check(not auditor.fixes, f"{path}: audit fixes {[str(e) for e in auditor.fixes]}")
    _, recovered = recover.readfile(path)
    check(not recovered.errors, f"{path}: recover errors {[str(e) for e in recovered.errors]}")
    return doc


def check_sample(path, release, decimals):
    doc = check_loads_cleanly(path)
    name = os.path.basename(path)
    check(doc.dxfversion == ("AC1015" if release == "2000" else "AC1009"), f"{name}: version {doc.dxfversion}")
    # Reals carry `decimals` places: 0 places round halves to the nearest even integer.
    tolerance = 0.5 if decimals == 0 else 10 ** -decimals
    check(doc.header["$CLAYER"] == "WIRE", f"{name}: $CLAYER {doc.header['$CLAYER']}")
    check(close([doc.header["$DIMSCALE"]], [2.5], tolerance), f"{name}: $DIMSCALE {doc.header['$DIMSCALE']}")

    msp = list(doc.modelspace())
    types = [e.dxftype() for e in msp]
    polylines = ["LWPOLYLINE"] * 2 + ["POLYLINE"] * 2 if release == "2000" else ["POLYLINE"] * 4
    expected = ["LINE", "LINE", "ARC", "CIRCLE"] + polylines + ["LINE", "INSERT", "TEXT", "SOLID"]
    check(types == expected, f"{name}: entities {types}")
    check([e.dxf.handle for e in msp][:2] == ["30", "31"], f"{name}: handles {[e.dxf.handle for e in msp][:2]}")
    if types != expected:
        return

    wire = msp[0]
    check(wire.dxf.layer == "WIRE" and wire.dxf.color == 1 and wire.dxf.linetype == "DASHED",
          f"{name}: wire attributes {wire.dxf.layer} {wire.dxf.color} {wire.dxf.linetype}")
    check(close(wire.dxf.end, (100.125, 50, 0), tolerance), f"{name}: wire end {wire.dxf.end}")
    check(close(msp[1].dxf.start, (1 / 3, 2, 3), tolerance), f"{name}: 3D line start {msp[1].dxf.start}")
    arc = msp[2]
    check((arc.dxf.radius, arc.dxf.start_angle, arc.dxf.end_angle) == (5, 30, 300), f"{name}: arc")

    first_polyline = msp[4]
    if release == "2000":
        bulges = [p[2] for p in first_polyline.get_points("xyb")]
        check(msp[5].closed, f"{name}: closed LWPOLYLINE")
    else:
        bulges = [v.dxf.bulge for v in first_polyline.vertices]
    check(close(bulges, [0.5, 0, -1], tolerance), f"{name}: bulges {bulges}")
    spatial = msp[6]
    check(spatial.is_3d_polyline, f"{name}: 3D POLYLINE")
    check([tuple(v.dxf.location) for v in spatial.vertices] == [(0, 0, 1), (1, 1, 2), (2, 0, 3)],
          f"{name}: 3D vertices")

    insert = msp[9]
    check(insert.dxf.name == "OUTER", f"{name}: insert {insert.dxf.name}")
    check(close([insert.dxf.xscale, insert.dxf.yscale, insert.dxf.rotation], [1.5, -1.5, 45], tolerance),
          f"{name}: insert placement")
    text = msp[10]
    check(text.dxf.text == "配線 A-1 " and text.dxf.layer == "配線" and text.dxf.style == "JIS",
          f"{name}: text {text.dxf.text!r} {text.dxf.layer} {text.dxf.style}")
    check(close([text.dxf.height, text.dxf.rotation], [3.5, 90], tolerance), f"{name}: text size")
    check((text.dxf.halign, text.dxf.valign) == (1, 2), f"{name}: text justification")

    check("OUTER" in doc.blocks and "INNER" in doc.blocks, f"{name}: used block definitions missing")
    check("UNUSED" not in doc.blocks, f"{name}: unused block definition written")
    inner = [e.dxftype() for e in doc.blocks.get("INNER")]
    check(inner == ["CIRCLE", "LINE"], f"{name}: INNER holds {inner}")

    layers = {layer.dxf.name: layer for layer in doc.layers}
    check(layers["HIDDEN"].is_off() and not layers["HIDDEN"].is_frozen(), f"{name}: HIDDEN off")
    check(layers["ICED"].is_frozen() and layers["ICED"].is_on(), f"{name}: ICED frozen")
    check("DOT.2" in doc.linetypes, f"{name}: linetype DOT.2 missing")
    check(doc.styles.get("JIS").dxf.bigfont == "extfont.shx", f"{name}: style JIS")


def main():
    executable = sys.argv[1]
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run([executable, "--gtest_filter=DxfOutFiles.*"], check=True, stdout=subprocess.DEVNULL,
                       env=dict(os.environ, KV_DXF_OUT_DIR=folder))
        written = sorted(os.listdir(folder))
        check(len(written) == 8, f"files written: {written}")
        for release in ("2000", "R12"):
            for decimals in (0, 4, 16):
                check_sample(os.path.join(folder, f"sample_{release}_{decimals}.dxf"), release, decimals)
            empty = check_loads_cleanly(os.path.join(folder, f"empty_{release}.dxf"))
            check(len(empty.modelspace()) == 0, f"empty_{release}: entities")
    for failure in failures:
        print("FAIL", failure)
    print(f"{len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
