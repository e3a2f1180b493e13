#!/usr/bin/env bash
# Runs the fuzz targets of a build (the asan preset), each for SECONDS, two at a time or as
# many as JOBS says. Usage: tests/fuzz/run.sh BUILD_DIR [SECONDS] [TARGET...]
# Each target's corpus grows in out/fuzz/<target>/ from the seeds below; a finding is saved
# as out/fuzz/<target>-crash-... (or -timeout-, -oom-) with the log beside it.
# Ends with one line "fuzz: N passed, N failed".
set -uo pipefail
cd "$(dirname "$0")/../.."

build=${1:?usage: tests/fuzz/run.sh BUILD_DIR [SECONDS] [TARGET...]}
seconds=${2:-30}
shift $(($# > 1 ? 2 : 1))
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(dxf_buffer_fuzz simhost_dxf_fuzz simhost_commands_fuzz settings_fuzz host_text_fuzz scenario_fuzz)
fi
jobs=${JOBS:-2}
work=out/fuzz
mkdir -p "$work/seeds/dxf" "$work/seeds/scenario"

# DXF seeds: the in-tree drawings and 20 small symbols of LibreCAD's library (Debian
# librecad-data), taken where they are rather than copied into the repository.
cp tests/e2e/data/*.dxf "$work/seeds/dxf/"
library=/usr/share/librecad/library
if [ -d "$library" ]; then
    find "$library" -name '*.dxf' -size -16k | sort | awk 'NR % 50 == 1' | head -n 20 |
        while read -r file; do cp "$file" "$work/seeds/dxf/$(basename "$(dirname "$file")")-$(basename "$file")"; done
fi
cp tests/scenarios/*.scn "$work/seeds/scenario/"

seeds_of() {
    case $1 in
    dxf_buffer_fuzz | simhost_dxf_fuzz) echo "$work/seeds/dxf" ;;
    scenario_fuzz) echo "$work/seeds/scenario" ;;
    settings_fuzz) echo tests/fuzz/seeds/settings ;;
    host_text_fuzz) echo tests/fuzz/seeds/host_text ;;
    simhost_commands_fuzz) echo tests/fuzz/seeds/simhost_commands ;;
    esac
}

run_one() {
    local target=$1 program="$build/tests/fuzz/$1"
    mkdir -p "$work/$target"
    if [ ! -x "$program" ]; then
        echo "fuzz $target: no program $program" >"$work/$target.log"
        return 1
    fi
    # -timeout: no single input may take longer (a block inserting itself once took minutes).
    "$program" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$work/$target-" "$work/$target" "$(seeds_of "$target")" >"$work/$target.log" 2>&1
}

passed=0
failed=0
running=()
finish() {  # waits for the oldest running target and reports it
    local entry=${running[0]} target pid
    running=("${running[@]:1}")
    target=${entry%%:*}
    pid=${entry##*:}
    if wait "$pid"; then
        passed=$((passed + 1))
        echo "fuzz $target: clean, $(grep -m1 -oE 'stat::number_of_executed_units: [0-9]+' "$work/$target.log" | grep -oE '[0-9]+') runs"
    else
        failed=$((failed + 1))
        echo "fuzz $target: FAILED ($work/$target.log)"
        grep -E '^(==[0-9]+==ERROR|SUMMARY|artifact_prefix|Test unit written)' "$work/$target.log" | head -n 5
    fi
}
for target in "${targets[@]}"; do
    [ ${#running[@]} -ge "$jobs" ] && finish
    run_one "$target" &
    running+=("$target:$!")
done
while [ ${#running[@]} -gt 0 ]; do finish; done

echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
