"""Pipes scripts through simhost-console and checks what it prints and writes.
Usage: console_check.py <simhost-console executable>"""

import os
import subprocess
import sys
import tempfile

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def run(console, folder, lines):
    script = "".join(line + "\n" for line in lines)
    result = subprocess.run([console], input=script.encode(), capture_output=True, cwd=folder)
    return result.returncode, result.stdout.decode(), result.stderr.decode()


def main():
    console = os.path.abspath(sys.argv[1])
    with tempfile.TemporaryDirectory() as folder:
        code, out, err = run(console, folder, [
            "FILEDIA 0 ",
            r"LINE 0,0 10,0 10,10 \r",
            ":entities",
            "SELECT ",
            ":corners -1,-1 11,1",
            ":enter",
            r"DXFOUT picked\rO P\r\r16\r",
            ":dump all.dxf",
            ":history",
        ])
        lines = out.splitlines()
        check(code == 0, f"first script failed: {err}")
        check(lines[:2] == ["コマンド: ", "コマンド: "], f"prompt after each line: {lines[:2]}")
        check("30 LINE 0 (0,0,0)-(10,0,0)" in lines and "31 LINE 0 (10,0,0)-(10,10,0)" in lines,
              f":entities: {lines}")
        check("オブジェクトを選択: 認識された数: 1" in lines, ":corners did not select one line")
        check(any(line.startswith("精度の小数点以下の桁数を入力") for line in lines), ":history lacks DXFOUT")
        check(os.path.exists(os.path.join(folder, "picked.dxf")), "DXFOUT wrote no file")
        check(os.path.exists(os.path.join(folder, "all.dxf")), ":dump wrote no file")

        code, out, err = run(console, folder, [
            ":load all.dxf",
            ":entities",
            r"ERASE SINGLE \x03",
            ":var CLAYER",
            ":pick nowhere",
            ":history",
        ])
        lines = out.splitlines()
        check(code == 1, "a failed action must give exit status 1")
        check("unknown" not in err and ":pick wants a point" in err, f"errors: {err}")
        check(sum(1 for line in lines if " LINE " in line) == 2, f":load brought {lines}")
        check('CLAYER = "0"' in lines, f":var: {lines}")
        check(lines[-1] == "コマンド: ", f"last prompt {lines[-1]!r}")
        check(any(line.endswith("*キャンセル*") for line in lines), "\\x03 did not cancel ERASE")

        code, _, err = run(console, folder, [":load missing.dxf", ":frobnicate"])
        check(code == 1 and "cannot read" in err and "unknown action :frobnicate" in err, f"errors: {err}")
    for failure in failures:
        print("FAIL", failure)
    print(f"{len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
