#!/usr/bin/python3
"""Independent check of the DXF writers: ezdxf makes an R2000 export, our writers turn it into
frame files and edited exports (writer_samples_test.cpp), and ezdxf must load every result
without errors and find in it exactly what we wrote."""
import os
import subprocess
import sys
import tempfile

import ezdxf

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def close(a, b, tol=1e-9):
    return all(abs(x - y) <= tol for x, y in zip(a, b))


def make_export(path):
    doc = ezdxf.new("R2000")
    doc.layers.add("WIRE", color=3)
    doc.linetypes.add("DOT.2", pattern=[0.5, 0.0, -0.5], description="dots")
    msp = doc.modelspace()
    lines = [msp.add_line((0, 0, 1), (10, 0, 1), dxfattribs={"layer": "WIRE", "linetype": "DOT.2"}),
             msp.add_line((0, 5), (10, 5), dxfattribs={"layer": "WIRE"}),
             msp.add_line((0, 9), (10, 9)),
             msp.add_line((3, 3), (4, 4))]
    arc = msp.add_arc((1, 1), 2, 0, 90)
    circle = msp.add_circle((5, 5), 1)
    doc.saveas(path)
    return [e.dxf.handle for e in lines], arc.dxf.handle, circle.dxf.handle


def load(path):
    """Loads strictly, in the code page the host writes and reads (CP932), then audits."""
    try:
        doc = ezdxf.readfile(path, encoding="cp932")
    except Exception as e:  # noqa: BLE001 - any load failure is the finding
        failures.append(f"{os.path.basename(path)}: ezdxf cannot load it: {e}")
        return None
    auditor = doc.audit()
    for err in auditor.errors:
        failures.append(f"{os.path.basename(path)}: audit error {err.code}: {err.message}")
    return doc


def check_frame(path, with_linetypes):
    raw = open(path, "rb").read()
    name = os.path.basename(path)
    check(raw.startswith(b"  0\r\nSECTION\r\n  2\r\nHEADER\r\n  9\r\n$ACADVER\r\n  1\r\nAC1009\r\n  0\r\nENDSEC\r\n"),
          f"{name}: header item")
    check(raw.endswith(b"  0\r\nENDSEC\r\n  0\r\nEOF\r\n"), f"{name}: end items")
    doc = load(path)
    if doc is None:
        return
    check(doc.dxfversion == "AC1009", f"{name}: version {doc.dxfversion}")
    if with_linetypes:
        check("DOT_2" in doc.linetypes, f"{name}: linetype DOT_2 missing")
        check("DOT.2" not in doc.linetypes, f"{name}: linetype DOT.2 still there")
    lines = list(doc.modelspace().query("LINE"))
    check(len(lines) == 2, f"{name}: {len(lines)} lines")
    if len(lines) != 2:
        return
    flat, raised = lines
    check(flat.dxf.layer == "配線", f"{name}: layer {flat.dxf.layer!r}")
    check(flat.dxf.color == 1 and flat.dxf.ltscale == 2.5, f"{name}: colour and linetype scale of the 2D line")
    if with_linetypes:
        check(flat.dxf.linetype == "DOT_2", f"{name}: linetype of the 2D line")
    check(close(flat.dxf.start, (1.25, -2, 0)) and close(flat.dxf.end, (1e-7, 1234567.125, 0)),
          f"{name}: 2D points {flat.dxf.start} {flat.dxf.end}")
    check(raised.dxf.layer == "WIRE" and raised.dxf.color == 256, f"{name}: attributes of the 3D line")
    check(close(raised.dxf.start, (1.25, -2, 3)) and close(raised.dxf.end, (1e-7, 1234567.125, -4.5)),
          f"{name}: 3D points {raised.dxf.start} {raised.dxf.end}")


def by_handle(doc, handle):
    return doc.entitydb.get(handle)


def check_applied(path, handles):
    doc = load(path)
    if doc is None:
        return
    moved = by_handle(doc, handles[0])
    check(moved is not None and close(moved.dxf.start, (100, 200, 1)) and close(moved.dxf.end, (300, 400, 1)),
          "applied.dxf: moved line keeps z and takes the new plan points")
    check(moved is not None and moved.dxf.linetype == "DOT_2", "applied.dxf: linetype renamed on the moved line")
    check(by_handle(doc, handles[1]) is None, "applied.dxf: removed line still there")
    rest = sorted(e.dxf.handle for e in doc.modelspace().query("LINE"))
    check(rest == sorted([handles[0], handles[2], handles[3]]), f"applied.dxf: lines left {rest}")


def check_patched(path, handles, arc_handle, circle_handle):
    doc = load(path)
    if doc is None:
        return
    line = by_handle(doc, handles[2])
    check(line is not None and close(line.dxf.start, (-1, -2, -3)) and close(line.dxf.end, (4, 5, 6)),
          "patched.dxf: line points")
    arc = by_handle(doc, arc_handle)
    check(arc is not None and close(arc.dxf.center, (50, 60, 0)) and arc.dxf.radius == 2
          and arc.dxf.start_angle == 30 and arc.dxf.end_angle == 120, "patched.dxf: arc")
    check(by_handle(doc, circle_handle) is None, "patched.dxf: circle still there")
    check(len(doc.modelspace().query("CIRCLE")) == 0, "patched.dxf: a circle is left")
    check(len(doc.modelspace().query("LINE")) == 4, "patched.dxf: a line went missing")


def main():
    tests = sys.argv[1]
    with tempfile.TemporaryDirectory() as folder:
        handles, arc_handle, circle_handle = make_export(os.path.join(folder, "export.dxf"))
        env = dict(os.environ, KV_WRITER_SAMPLES=folder, KV_SAMPLE_CIRCLE=circle_handle)
        run = subprocess.run([tests, "--gtest_filter=WriterSamples.*"], env=env, capture_output=True, text=True)
        if run.returncode != 0 or "[  PASSED  ] 1 test" not in run.stdout:
            print(run.stdout, run.stderr)
            print("FAIL: the sample writer did not run")
            return 1
        check_frame(os.path.join(folder, "frame_lines.dxf"), True)
        check_frame(os.path.join(folder, "frame_without_ltype.dxf"), False)
        check_applied(os.path.join(folder, "applied.dxf"), handles)
        check_patched(os.path.join(folder, "patched.dxf"), handles, arc_handle, circle_handle)
    for f in failures:
        print("FAIL:", f)
    print(f"{len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
