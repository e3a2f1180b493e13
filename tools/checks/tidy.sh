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

# The cross compiler's C++ library headers, which clang parsing for the same target does not find.
cross_std_includes() {  # BUILD_DIR
    local cxx
    cxx=$(grep -m1 -o '"command": "[^ ]*' "$1/compile_commands.json" | cut -d'"' -f4)
    "$cxx" -E -v -x c++ /dev/null 2>&1 | sed -n '/search starts here/,/End of search/p' | grep '/c++' |
        sed 's/^ */-extra-arg=-isystem/'
}

status=0
tidy "$native" "^$repo/(src|simhost)/" || status=1
if [[ -n $mingw ]]; then
    mapfile -t std_includes < <(cross_std_includes "$mingw")
    tidy "$mingw" "^$repo/(src|simhost)/win32/" -extra-arg=--target=x86_64-w64-mingw32 "${std_includes[@]}" || status=1
fi
warnings=$(sed -E "s/\x1b\[[0-9;]*m//g" "$log" | grep -E '^/.*: (warning|error): ' | sort -u)
[[ -n $warnings ]] && echo "$warnings"
count=$(grep -c . <<<"$warnings")
[[ -z $warnings ]] && count=0
echo "clang-tidy: $count warning(s)"
[[ $status -eq 0 && $count -eq 0 ]]
