#!/usr/bin/env bash
# End-to-end run under Wine: starts simhost.exe (when built) and kvane2k.exe, lets the driver
# kve2e.exe check them through window messages, saves screenshots under out/, and ends with
# the driver's "N passed, N failed" as the last line. Builds nothing.
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
    rm -rf "$requests"
    kv_wine_cleanup
}
trap cleanup EXIT

kv_lock_prefix || fail_before_checks "another end-to-end run holds $WINEPREFIX.run.lock"
wineserver -k >/dev/null 2>&1

mkdir -p "$out"
# Serves the driver's screenshot requests: <name>.request becomes out/e2e-<name>.png, cut to
# the rectangle the request holds ("WxH+X+Y") or of the whole screen when it is empty.
snapshot() {
    local geometry=$1 file=$2
    if [[ -z $geometry ]]; then
        import -window root "$file"
    else
        import -window root png:- | convert - -crop "$geometry" +repage "$file"
    fi
}
serve_snapshots() {
    while true; do
        for request in "$requests"/*.request; do
            [[ -e $request ]] || continue
            local name geometry
            name=$(basename "$request" .request)
            geometry=$(tr -cd '0-9x+' < "$request")
            if snapshot "$geometry" "$out/e2e-$name.png" 2>/dev/null; then
                echo "screenshot: out/e2e-$name.png" >&2
            else
                echo "screenshot: import failed for $name" >&2
            fi
            rm -f "$request"
        done
        sleep 0.1
    done
}
serve_snapshots &
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

counts=$(grep -aE '^[0-9]+ passed, [0-9]+ failed$' "$log" | tail -n1)
if [[ -z $counts ]]; then
    # The driver died or hung: count what it reported and fail the run.
    passed=$(grep -ac '^PASS ' "$log")
    failed=$(($(grep -ac '^FAIL ' "$log") + 1))
    echo "e2e: the driver ended without a summary (exit status $driver_status)" >&2
    counts="$passed passed, $failed failed"
fi
echo "$counts"
[[ $driver_status -eq 0 && $counts == *" 0 failed" ]]
