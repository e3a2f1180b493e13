#!/usr/bin/python3
"""The fault matrix: every operation of operations.txt under every fault that applies to it.

    fault_matrix.py KVSCENARIO [--work DIR] [--doc FILE] [--only OPERATION] [--jobs N]

Each operation's happy path is cut from a story (its setup and one pass of its actions), run
once to learn what it does (the command texts typed, the prompts waited on, the entities it
removes), and then varied: Esc, Enter or a pick of the wrong kind of object at each wait, the
host failing DXFOUT or -INSERT, the scratch file unwritable, the host quitting at each wait and
starting again, a non-number in each of the operation's fields, a 300-byte current layer, a
second button at each wait, and a slow host. After each the palette must be idle, the host values
typed back, and nothing of the drawing lost but what the happy path removes itself.

Prints a failure's lines per story and the summary; with --doc, writes the summary between the
markers of FILE. Exits 1 when a story fails.
"""
import argparse
import os
import re
import subprocess
import sys
import tempfile
from concurrent.futures import ThreadPoolExecutor
from pathlib import Path

HERE = Path(__file__).resolve().parent
REPO = HERE.parent.parent
STORIES = REPO / "tests" / "scenarios"

SETUP_VERBS = {"line", "arc", "circle", "pline", "insert", "text", "solid", "layer", "linetype", "block",
               "load", "sysvar", "host", "tolerance", "library"}
HOST_ACTIONS = {"pick", "corners", "type", "enter", "esc"}
BODY_VERBS = {"block", "dialog"}
# After a fault the user presses Esc until the palette has nothing left to wait for.
TAIL = ["wait", "esc", "wait", "esc", "wait", "esc", "wait"]
CHECKS = ["expect idle", "expect restored"]
WRONG_OBJECT = "circle 9000,9000 r=5"
WRONG_PICK = "pick 9005,9000"
LONG_LAYER = "L" * 300
# A picker replaces the running operation rather than waiting for it to end.
PICKER = "SpeedButtonGetLay"
NOT_A_NUMBER = '"1,5x"'
# Failures of a story cut short that say only that its later answers or dialogs were not needed.
CUT_SHORT = re.compile(r"never asked for|never opened$")
FAULTS = ["cancel", "enter", "wrong pick", "dxfout fails", "insert fails", "scratch unwritable", "host quits",
          "not a number", "long layer", "second button", "slow host"]
BEGIN, END = "<!-- fault matrix: begin -->", "<!-- fault matrix: end -->"


class Unit:
    """One line of a story, or a verb with its body up to "end"."""

    def __init__(self, lines):
        self.lines = lines
        words = lines[0].split()
        self.verb = words[0] if words else ""


def parse_story(path):
    units, body = [], None
    for raw in path.read_text(encoding="utf-8").splitlines():
        line = raw.strip()
        if not line or line.startswith("#"):
            continue
        if body is not None:
            if line.split()[0] not in ("expect", "screenshot"):
                body.append(raw)
            if line == "end":
                units.append(Unit(body))
                body = None
            continue
        verb = line.split()[0]
        if verb in BODY_VERBS and "file=" not in line:
            body = [raw]
            continue
        units.append(Unit([raw]))
    if body is not None:
        raise SystemExit(f"{path}: a '{body[0].split()[0]}' has no 'end'")
    return units


class Operation:
    def __init__(self, name, story, passes, fields, line):
        self.name = name
        self.numbers = [f for f in fields if not f.startswith("layer:")]
        self.layers = [f[len("layer:"):] for f in fields if f.startswith("layer:")]
        path = next((p for p in (STORIES / f"{story}.scn", HERE / f"{story}.scn") if p.exists()), None)
        if path is None:
            raise SystemExit(f"operations.txt: line {line}: no story {story}")
        units = [u for u in parse_story(path) if u.verb not in ("title", "expect", "screenshot")]
        first = next((i for i, u in enumerate(units) if u.verb not in SETUP_VERBS), len(units))
        self.setup = [line for u in units[:first] for line in u.lines]
        self.actions = cut_after_passes(units[first:], passes, line)

    def host_actions(self):
        return [i for i, u in enumerate(self.actions) if u.verb in HOST_ACTIONS]

    def before_wait(self, k):
        """The actions before the k-th of the user's actions in the host (0-based), and the dialog
        scripts of the rest of the pass: a dialog the fault opens early still finds its script."""
        index = self.host_actions()[k]
        later = [u for u in self.actions[index:] if u.verb == "dialog"]
        return [line for u in self.actions[:index] + later for line in u.lines]

    def dialog_waits(self):
        """(action, line) of each of the user's actions in the host inside a dialog script."""
        return [(i, j) for i, u in enumerate(self.actions) if u.verb == "dialog"
                for j, line in enumerate(u.lines[1:-1], 1) if line.split()[0] in HOST_ACTIONS]

    def in_dialog(self, i, j, fault):
        """The pass with the dialog script of action i cut before its line j: the fault there, then the
        user closes the dialog."""
        cut = self.actions[i].lines[:j] + [f"  {line}" for line in fault + ["wait", "cancel"]] + ["end"]
        return [line for u in self.actions[:i] for line in u.lines] + cut + \
            [line for u in self.actions[i + 1:] for line in u.lines]

    def all_actions(self):
        return [line for u in self.actions for line in u.lines]

    def second_button(self):
        started = " ".join(self.all_actions())
        return "ButtonTW" if "ButtonDraw" in started else "ButtonDraw"


def cut_after_passes(actions, passes, line):
    hosts = [i for i, u in enumerate(actions) if u.verb in HOST_ACTIONS]
    if passes == 0:
        return actions
    if len(hosts) < passes:
        raise SystemExit(f"operations.txt: line {line}: the story has only {len(hosts)} actions in the host")
    end = hosts[passes - 1] + 1
    while end < len(actions) and actions[end].verb in ("wait", "dialog"):
        end += 1
    return actions[:end]


def read_operations(path):
    operations = []
    for number, raw in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if not raw.strip() or raw.lstrip().startswith("#"):
            continue
        cells = [c.strip() for c in raw.split("|")]
        if len(cells) != 4 or not cells[2].isdigit():
            raise SystemExit(f"{path}: line {number}: expected 'operation | story | actions | fields'")
        operations.append(Operation(cells[0], cells[1], int(cells[2]), cells[3].split(), number))
    return operations


class Variant:
    """One story of the matrix and the failures it met."""

    def __init__(self, operation, fault, label, path=None):
        self.operation, self.fault, self.label, self.path = operation, fault, label, path
        self.failures = []


def story_text(title, lines):
    return "\n".join([f"title {title}"] + lines) + "\n"


def happy_path(op):
    return op.setup + op.all_actions() + ["wait", "esc", "wait"]


def waited(learned, k):
    return learned.waited[k] if k < len(learned.waited) else ""


def variants(op, learned):
    """Every fault that applies to the operation, as (fault, label, story lines)."""
    s, full = op.setup, op.all_actions()
    hosts = [op.actions[i] for i in op.host_actions()]
    out = []
    for k, unit in enumerate(hosts):
        at = f"at wait {k + 1}"
        before = op.before_wait(k)
        out.append(("cancel", at, s + before + ["esc"] + TAIL))
        # A prompt that offers a default ("<...>") takes Enter as an answer, not as nothing picked.
        if unit.verb in ("pick", "corners") and not re.search(r"<.+>", waited(learned, k)):
            out.append(("enter", at, s + before + ["enter"] + TAIL))
        if unit.verb == "pick" and "選択" in waited(learned, k):
            out.append(("wrong pick", at, s + [WRONG_OBJECT] + before + [WRONG_PICK] + TAIL))
        out.append(("host quits", at, s + before + ["host quit", "wait", "host start", "wait"] + TAIL))
        for button in (op.second_button(), PICKER):
            out.append(("second button", f"{button} {at}", s + before + [f"click {button}", "wait"] + TAIL))
    # A pick a dialog waits for: the dialog stays open, so the user closes it after the fault.
    for n, (i, j) in enumerate(op.dialog_waits()):
        at = f"in {op.actions[i].lines[0].split()[1]} at wait {n + 1}"
        out.append(("cancel", at, s + op.in_dialog(i, j, ["esc"]) + TAIL))
        if op.actions[i].lines[j].split()[0] in ("pick", "corners"):
            out.append(("enter", at, s + op.in_dialog(i, j, ["enter"]) + TAIL))
    if learned.exports:
        out.append(("dxfout fails", "", s + ["host dxfout-fails"] + full + TAIL))
    if learned.inserts:
        out.append(("insert fails", "", s + ["host insert-fails"] + full + TAIL))
    if learned.exports or learned.inserts:
        out.append(("scratch unwritable", "", s + ["palette scratch-unwritable"] + full + TAIL))
    for field in op.numbers:
        out.append(("not a number", field, s + [f"set {field} {NOT_A_NUMBER}"] + full + TAIL))
    long_layer = [f"layer {LONG_LAYER}", f"sysvar CLAYER {LONG_LAYER}"]
    out.append(("long layer", "", s + long_layer + [f"set {f} {LONG_LAYER}" for f in op.layers] + full + TAIL))
    out.append(("slow host", "", s + ["host slow"] + full + ["wait", "esc", "wait"]))
    return out


class Learned:
    """What the happy path did: typed, waited on, removed."""

    def __init__(self):
        self.typed, self.waited, self.removed, self.problems = [], [], [], []
        self.exports = self.inserts = False


def unescape(text):
    return re.sub(r"\\x([0-9A-F]{2})", lambda m: chr(int(m.group(1), 16)), text)


def run_stories(kvscenario, paths, jobs, trace=None):
    """Failures per story path, from kvscenario's report; the stories split over `jobs` runners."""
    chunks = [paths[i::jobs] for i in range(jobs) if paths[i::jobs]]

    def run(chunk):
        command = [kvscenario, "--files-from", str(STORIES)]
        if trace:
            command += ["--trace", trace]
        result = subprocess.run(command + [str(p) for p in chunk], capture_output=True, text=True, timeout=1800)
        return result.stdout

    failures = {str(p): [] for p in paths}
    with ThreadPoolExecutor(max_workers=len(chunks)) as pool:
        for output in pool.map(run, chunks):
            for line in output.splitlines():
                m = re.match(r"  (\S+): (.*)$", line)
                if m and m.group(1) in failures:
                    failures[m.group(1)].append(m.group(2))
    return failures


def learn(kvscenario, operations, work, jobs):
    paths = []
    for i, op in enumerate(operations):
        path = work / f"happy-{i:02}.scn"
        path.write_text(story_text(f"{op.name}: happy path", happy_path(op) + CHECKS + ["expect nothing lost"]),
                        encoding="utf-8")
        paths.append(path)
    trace = work / "happy.trace"
    trace.unlink(missing_ok=True)
    failures = run_stories(kvscenario, paths, jobs, str(trace))
    learned = {str(p): Learned() for p in paths}
    current = None
    for line in trace.read_text(encoding="utf-8").splitlines():
        kind, _, text = line.partition(" ")
        if kind == "story":
            current = learned[text]
        elif kind == "typed":
            current.typed.append(unescape(text))
        elif kind == "waited":
            current.waited.append(unescape(text))
    result = []
    for path in paths:
        knows = learned[str(path)]
        knows.exports = any("DXFOUT" in t for t in knows.typed)
        knows.inserts = any("-INSERT" in t for t in knows.typed)
        for f in failures[str(path)]:
            lost = re.search(r": lost .* \[([0-9A-F]+)\]$", f)
            if lost:
                knows.removed.append(lost.group(1))
            elif not CUT_SHORT.search(f):
                knows.problems.append(f)
        result.append(knows)
    return result


def slug(text):
    return re.sub(r"[^a-z0-9]+", "-", text.lower()).strip("-")


def summarise(operations, results):
    """The table: per operation and fault, passed/tried and entities lost."""
    header = "| operation | " + " | ".join(FAULTS) + " |"
    rows = [header, "|" + "---|" * (len(FAULTS) + 1)]
    totals = {f: [0, 0, 0] for f in FAULTS}
    for op in operations:
        cells = []
        for fault in FAULTS:
            mine = [v for v in results if v.operation is op and v.fault == fault]
            if not mine:
                cells.append("-")
                continue
            passed = sum(not v.failures for v in mine)
            lost = sum(sum(f.split(": ", 1)[-1].startswith("lost ") for f in v.failures) for v in mine)
            totals[fault][0] += passed
            totals[fault][1] += len(mine)
            totals[fault][2] += lost
            cells.append(f"{passed}/{len(mine)}" + (f" ({lost} lost)" if lost else ""))
        rows.append(f"| {op.name} | " + " | ".join(cells) + " |")
    rows.append("| **all** | " + " | ".join(("-" if not t else f"{p}/{t}") + (f" ({lost} lost)" if lost else "")
                                         for p, t, lost in totals.values()) + " |")
    def figures(vs):
        lost = sum(sum(f.split(": ", 1)[-1].startswith("lost ") for f in v.failures) for v in vs)
        return f"{sum(not v.failures for v in vs)} of {len(vs)} passed, {lost} entities lost"

    lines = [f"{len(operations)} operations; faults tried: {figures(results)}.", "", *rows]
    return "\n".join(lines)


def write_doc(path, summary):
    text = path.read_text(encoding="utf-8")
    start, end = text.find(BEGIN), text.find(END)
    if start < 0 or end < start:
        raise SystemExit(f"{path} has no {BEGIN} ... {END}")
    path.write_text(text[:start + len(BEGIN)] + "\n" + summary + "\n" + text[end:], encoding="utf-8")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("kvscenario")
    parser.add_argument("--work", help="where the generated stories go (kept); default: a temporary folder")
    parser.add_argument("--doc", type=Path, help="the file whose marked part gets the summary")
    parser.add_argument("--only", help="the one operation to try")
    parser.add_argument("--jobs", type=int, default=max(1, min(2, os.cpu_count() or 1)))
    args = parser.parse_args()

    operations = read_operations(HERE / "operations.txt")
    if args.only:
        operations = [op for op in operations if op.name == args.only]
        if not operations:
            raise SystemExit(f"no operation {args.only!r} in operations.txt")
    temporary = None if args.work else tempfile.TemporaryDirectory(prefix="fault-matrix-")
    work = Path(args.work or temporary.name)
    work.mkdir(parents=True, exist_ok=True)

    learned = learn(args.kvscenario, operations, work, args.jobs)
    results, paths = [], []
    for op, knows in zip(operations, learned):
        if knows.problems:
            variant = Variant(op, "happy path", "")
            variant.failures = knows.problems
            results.append(variant)
        nothing_lost = "expect nothing lost" + (" but " + " ".join(knows.removed) if knows.removed else "")
        for j, (fault, label, lines) in enumerate(variants(op, knows)):
            path = work / f"{slug(op.name)}-{j:02}-{slug(fault)}.scn"
            title = f"{op.name}: {fault}" + (f" {label}" if label else "")
            path.write_text(story_text(title, lines + CHECKS + [nothing_lost]), encoding="utf-8")
            results.append(Variant(op, fault, label, path))
            paths.append(path)
    failures = run_stories(args.kvscenario, paths, args.jobs)
    for v in results:
        if v.path:
            v.failures = [f for f in failures[str(v.path)] if not CUT_SHORT.search(f)]

    verdict_failed = False
    for v in results:
        if not v.failures:
            continue
        verdict_failed = True
        where = f" ({v.path.name})" if args.work and v.path else ""
        print(f"FAIL {v.operation.name}: {v.fault} {v.label}{where}")
        for f in v.failures[:6]:
            print(f"    {f}")
    summary = summarise(operations, [v for v in results if v.fault != "happy path"])
    print(summary)
    if args.doc:
        write_doc(args.doc, summary)
    return 1 if verdict_failed else 0


if __name__ == "__main__":
    sys.exit(main())
