"""Loads every drawing kvscenario dumped (its manifest.txt lists "<file> <entities>")
with ezdxf, audits it, and checks the entity count; exits 1 on any fault."""
import sys
from pathlib import Path

import ezdxf


def check(path: Path, expected: int) -> list[str]:
    try:
        doc = ezdxf.readfile(str(path))
    except (IOError, ezdxf.DXFError) as e:
        return [f"{path.name}: does not load: {e}"]
    faults = []
    auditor = doc.audit()
    # A defect ezdxf repaired on loading is still a defect of the file.
    for error in auditor.errors:
        faults.append(f"{path.name}: audit error: {error.message}")
    for fix in auditor.fixes:
        faults.append(f"{path.name}: audit had to fix: {fix.message}")
    count = len(doc.modelspace())
    if count != expected:
        faults.append(f"{path.name}: {count} entities, the runner wrote {expected}")
    return faults


def main() -> int:
    if len(sys.argv) != 2:
        print("usage: check_dumped_drawings.py DUMP_DIR")
        return 2
    folder = Path(sys.argv[1])
    entries = [line.split() for line in (folder / "manifest.txt").read_text().splitlines() if line.strip()]
    if not entries:
        print("no drawings were dumped")
        return 1
    faults = []
    for name, expected in entries:
        faults += check(folder / name, int(expected))
    for fault in faults:
        print(fault)
    total = sum(int(expected) for _, expected in entries)
    print(f"{len(entries)} drawings, {total} entities checked, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
