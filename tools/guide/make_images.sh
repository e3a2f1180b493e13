#!/usr/bin/env bash
# Makes the pictures of docs/user-guide.md: plays the guide stories (tests/scenarios/guide_*.scn)
# against simhost.exe under Wine and keeps each story's screenshots as docs/images/NAME.png,
# NAME being the story's "screenshot NAME". Needs the mingw build (kvane2k, simhost, kve2e,
# starter_library); builds nothing. Slow: run it in the background with its output to a file.
#
#   tools/guide/make_images.sh [MINGW_BUILD_DIR]     (default: build/mingw)
set -u

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$(realpath -m "${1:-$repo/build/mingw}")
images=$repo/docs/images
palette_exe=$build/src/win32/kvane2k.exe
driver_exe=$build/tests/e2e/kve2e.exe
simhost_exe=$build/simhost/win32/simhost.exe
stories_timeout=900
simhost_exit_timeout=15

fail() {
    echo "make_images: $*" >&2
    exit 1
}
for exe in "$palette_exe" "$driver_exe" "$simhost_exe"; do
    [[ -f $exe ]] || fail "missing $exe (build the mingw preset first)"
done

work=$(mktemp -d)
# Installed alone in a folder with the starter library beside it, as a user installs it.
mkdir "$work/palette" "$work/requests" "$work/shots"
cp "$palette_exe" "$work/palette/" && cp -r "$build/src/win32/SYMBOL" "$work/palette/" ||
    fail "cannot install the palette into $work/palette"
# shellcheck source=../wine/env.sh
source "$repo/tools/wine/env.sh" || fail "Wine could not be set up"

watcher_pid=
simhost_pid=
cleanup() {
    [[ -n $watcher_pid ]] && kill "$watcher_pid" 2>/dev/null
    [[ -n $simhost_pid ]] && kill "$simhost_pid" 2>/dev/null
    rm -rf "$work"
    kv_wine_cleanup
}
trap cleanup EXIT

kv_lock_prefix || fail "another run holds $WINEPREFIX.run.lock"
wineserver -k >/dev/null 2>&1
wine wineboot >/dev/null 2>&1

# shellcheck source=../wine/snapshots.sh
source "$repo/tools/wine/snapshots.sh"
kv_serve_snapshots "$work/requests" "$work/shots" "" 2>/dev/null &
watcher_pid=$!

windows_path() { echo "Z:${1//\//\\}"; }
wine "$simhost_exe" --text-window >/dev/null 2>&1 &
simhost_pid=$!
stories=()
for story in "$repo"/tests/scenarios/guide_*.scn; do stories+=("$(windows_path "$story")"); done
timeout "$stories_timeout" wine "$driver_exe" --snapshots "$(windows_path "$work/requests")" \
    --stories "$(windows_path "$work/palette/kvane2k.exe")" "${stories[@]}" 2>&1 | tr -d '\r' |
    grep -a -E '^(PASS|FAIL|  )|passed, '
status=${PIPESTATUS[0]}
# The last picture is being saved as the driver ends.
for ((i = 0; i < 100; ++i)); do
    compgen -G "$work/requests/*.request" >/dev/null || break
    sleep 0.1
done
wine taskkill /IM simhost.exe >/dev/null 2>&1
for ((i = 0; i < simhost_exit_timeout * 10; ++i)); do
    kill -0 "$simhost_pid" 2>/dev/null || break
    sleep 0.1
done

# Palette images keep the file small; a picture whose pixels did not change keeps its file, so
# that an unchanged story leaves the tree unchanged.
mkdir -p "$images"
made=0
for shot in "$work"/shots/scenario-*.png; do
    [[ -e $shot ]] || continue
    name=${shot##*/scenario-}
    # The driver's own picture of the screen at each story's end.
    [[ $name == guide_* ]] && continue
    target=$images/$name
    convert "$shot" -strip PNG8:"$work/small.png" || continue
    if [[ -f $target ]] && compare -metric AE "$work/small.png" "$target" null: 2>/dev/null; then
        :
    else
        cp "$work/small.png" "$target"
    fi
    made=$((made + 1))
done
echo "make_images: $made pictures in docs/images"
((made > 0)) || fail "no picture was taken"
exit "$status"
