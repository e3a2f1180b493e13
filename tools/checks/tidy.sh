#!/usr/bin/env bash
# clang-tidy over the palette's and the stand-in host's sources (the checks in .clang-tidy):
# the portable files through the native build's compile commands, the Win32 files through
# the mingw build's, parsed by clang for the same target. Prints each warning and a count;
# fails when any is left.
#
#   tools/checks/tidy.sh NATIVE_BUILD_DIR [MINGW_BUILD_DIR]
set -uo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
native=$(realpath "$1")
mingw=${2:+$(realpath "$2")}
jobs=$(nproc 2>/dev/null || echo 2)
log=$(mktemp)
trap 'rm -f "$log"' EXIT

tidy() {  # BUILD_DIR FILE_REGEX [EXTRA_ARGS...]
    local build=$1 regex=$2
    shift 2
    [[ -f $build/compile_commands.json ]] || { echo "tidy: no compile commands in $build" >&2; return 1; }
    run-clang-tidy-14 -quiet -j "$jobs" -p "$build" "$@" "$regex" >>"$log" 2>/dev/null
}

status=0
tidy "$native" "^$repo/(src|simhost)/" || status=1
if [[ -n $mingw ]]; then
    tidy "$mingw" "^$repo/(src|simhost)/win32/" -extra-arg=--target=x86_64-w64-mingw32 || status=1
fi
warnings=$(sed -E "s/\x1b\[[0-9;]*m//g" "$log" | grep -E '^/.*: (warning|error): ' | sort -u)
[[ -n $warnings ]] && echo "$warnings"
count=$(grep -c . <<<"$warnings")
[[ -z $warnings ]] && count=0
echo "clang-tidy: $count warning(s)"
[[ $status -eq 0 && $count -eq 0 ]]
