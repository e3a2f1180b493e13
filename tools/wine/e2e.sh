#!/usr/bin/env bash
# End-to-end run under Wine: starts simhost.exe (when built) and kvane2k.exe, lets the driver
# kve2e.exe check them through window messages, then plays the user stories listed below
# against a fresh simhost.exe (the driver starts a palette per story). Saves screenshots
# under out/ and ends with the sum "N passed, N failed" as the last line. Builds nothing.
#
#   tools/wine/e2e.sh [MINGW_BUILD_DIR]     (default: build/mingw)
#
# Exit code 0 only when every check passed. Wine processes left in the project's prefix
# by an earlier run are ended first.
set -u

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$(realpath -m "${1:-$repo/build/mingw}")
palette_exe="$build/src/win32/kvane2k.exe"
driver_exe="$build/tests/e2e/kve2e.exe"
simhost_exe="$build/simhost/win32/simhost.exe"
simhost_drawing="$repo/tests/e2e/data/demo_drawing.dxf"
out="$repo/out"
# The driver waits at most 30 s for the palette and 20 s per screenshot; this bounds a hang.
driver_timeout=300
stories_timeout=1500
# The stories that run end to end too: every tool, message boxes, failures switched on in the
# host, queueing, cancel and undo, keywords. Any story that sets up its drawing before its first
# action and leaves the host's windows alone can run this way.
stories=(
    draw_line_button_draw draw_line_button_ldrawn keyword_draw_line keyword_options half_width_prompt
    draw_line_cancel undo_to_mark block_figures_unchecked line_draw_bad_numbers
    queue_other_button block_trim_circle block_trim_filters block_trim_insert_fails block_trim_messages
    line_trim line_cut_junctions line_draw_junction_marks line_draw_merge_collinear line_draw_stale_marks
    junction_tool junction_block_pick block_erase_join_wire block_move_along_wire block_move_cancel
    block_copy_onto_wire demo_small_circuit half_width_host_block_trim
    line_joint_pieces stretch_repeat twist_two_wires shield_three_wires
    library_starter_symbols library_settings
    polyline_45pl_one_segment fillet_zero_on_joined_lines element_move_polyline_middle element_move_line_joints
    rectangle_edit_vertical_first_side rectangle_edit_fillet
    text_count_up_series text_reference_dialog text_reference_pick text_plain_placement text_style_pick
    text_preset_restart wire_number_fence wire_number_point two_line_label
    text_button_insert_fails
    block_trim_slow_host library_librecad library_insert_view_centre library_insert_attributes
    wire_number_hexadecimal
)
palette_exit_timeout=15
simhost_exit_timeout=15

fail_before_checks() {
    echo "e2e: $*" >&2
    echo "0 passed, 1 failed"
    exit 1
}

for exe in "$palette_exe" "$driver_exe"; do
    [[ -f $exe ]] || fail_before_checks "missing $exe (build the mingw preset first)"
done
# The palette runs installed, alone in a folder with the starter library beside it: the build's
# own folders beside the built one would be listed as libraries.
installed=$(mktemp -d)
cp "$palette_exe" "$installed/" && cp -r "$build/src/win32/SYMBOL" "$installed/" ||
    fail_before_checks "cannot install the palette and its starter library into $installed"
palette_exe=$installed/kvane2k.exe
# shellcheck source=env.sh
source "$repo/tools/wine/env.sh" || fail_before_checks "Wine could not be set up"

requests=$(mktemp -d)
watcher_pid=
palette_pid=
simhost_pid=
cleanup() {
    [[ -n $watcher_pid ]] && kill "$watcher_pid" 2>/dev/null
    [[ -n $palette_pid ]] && kill "$palette_pid" 2>/dev/null
    [[ -n $simhost_pid ]] && kill "$simhost_pid" 2>/dev/null
    rm -rf "$requests" "$installed"
    kv_wine_cleanup
}
trap cleanup EXIT

kv_lock_prefix || fail_before_checks "another end-to-end run holds $WINEPREFIX.run.lock"
wineserver -k >/dev/null 2>&1
# Boot the prefix now, with no output: Wine's own background processes keep the output of
# the program that started them open, and a pipe from the driver would never end.
wine wineboot >/dev/null 2>&1

mkdir -p "$out"
# shellcheck source=snapshots.sh
source "$repo/tools/wine/snapshots.sh"
kv_serve_snapshots "$requests" "$out" e2e- &
watcher_pid=$!

# The stand-in host first, with a drawing in it, so that the palette finds it running.
driver_options=()
if [[ -f $simhost_exe ]]; then
    wine "$simhost_exe" --text-window --load "Z:${simhost_drawing//\//\\}" >/dev/null 2>&1 &
    simhost_pid=$!
    driver_options+=(--simhost)
else
    echo "e2e: no $simhost_exe; the checks with the host are left out" >&2
fi

wine "$palette_exe" >/dev/null 2>&1 &
palette_pid=$!

log="$requests/driver.log"
timeout "$driver_timeout" wine "$driver_exe" --snapshots "Z:${requests//\//\\}" "${driver_options[@]}" 2>&1 |
    tr -d '\r' | tee "$log" |
    grep -a -v -E '^[0-9]+ passed, [0-9]+ failed$'
driver_status=${PIPESTATUS[0]}

palette_ended=0
for ((i = 0; i < palette_exit_timeout * 10; ++i)); do
    if ! kill -0 "$palette_pid" 2>/dev/null; then
        palette_ended=1
        break
    fi
    sleep 0.1
done
if ((palette_ended)); then
    palette_pid=
else
    echo "e2e: kvane2k.exe still running ${palette_exit_timeout} s after the checks; stopping it" >&2
fi

if [[ -n $simhost_pid ]]; then
    for ((i = 0; i < simhost_exit_timeout * 10; ++i)); do
        kill -0 "$simhost_pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$simhost_pid" 2>/dev/null; then
        echo "e2e: simhost.exe still running ${simhost_exit_timeout} s after the checks; stopping it" >&2
    else
        simhost_pid=
    fi
fi

# "P F" from a driver's log; a driver that died or hung counts one failure more.
tally() {
    local log=$1 status=$2 summary
    summary=$(grep -aE '^[0-9]+ passed, [0-9]+ failed$' "$log" | tail -n1)
    if [[ -n $summary ]]; then
        awk '{print $1, $3}' <<< "$summary"
        return
    fi
    echo "e2e: the driver ended without a summary (exit status $status)" >&2
    echo "$(grep -ac '^PASS ' "$log") $(($(grep -ac '^FAIL ' "$log") + 1))"
}
read -r passed failed < <(tally "$log" "$driver_status")

windows_path() { echo "Z:${1//\//\\}"; }
if [[ -f $simhost_exe ]]; then
    wine "$simhost_exe" --text-window >/dev/null 2>&1 &
    simhost_pid=$!
    story_files=()
    for story in "${stories[@]}"; do story_files+=("$(windows_path "$repo/tests/scenarios/$story.scn")"); done
    story_log="$requests/stories.log"
    timeout "$stories_timeout" wine "$driver_exe" --snapshots "$(windows_path "$requests")" \
        --stories "$(windows_path "$palette_exe")" "${story_files[@]}" 2>&1 |
        tr -d '\r' | tee "$story_log" |
        grep -a -v -E '^[0-9]+ passed, [0-9]+ failed$'
    story_status=${PIPESTATUS[0]}
    read -r story_passed story_failed < <(tally "$story_log" "$story_status")
    passed=$((passed + story_passed))
    failed=$((failed + story_failed))
    # Without /F, taskkill closes the windows (WM_CLOSE), as a user would.
    wine taskkill /IM simhost.exe >/dev/null 2>&1
    for ((i = 0; i < simhost_exit_timeout * 10; ++i)); do
        kill -0 "$simhost_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$simhost_pid" 2>/dev/null || simhost_pid=
fi

echo "$passed passed, $failed failed"
[[ $driver_status -eq 0 && $failed -eq 0 ]]
