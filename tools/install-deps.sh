#!/usr/bin/env bash
# Installs the Debian packages the project needs to build, test and run under Wine.
# As root, installs what is missing (apt-get update only then); otherwise lists what is
# missing and fails. Quiet when everything is there.
set -u

packages=(
    cmake g++ libgtest-dev libgmock-dev libbenchmark-dev   # native build, tests, benchmarks
    clang libclang-rt-dev                                  # sanitizers and libFuzzer
    clang-tidy-14 clang-format-14                          # the checks of tools/checks
    g++-mingw-w64-x86-64                                   # the Windows executables
    wine wine64 fonts-wine xvfb x11-utils locales          # running them headless
    imagemagick fonts-ipafont-gothic                       # screenshots, Japanese glyphs
    python3-ezdxf librecad-data                            # independent DXF checks
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null)
    [[ $status == "install ok installed" ]] || missing+=("$package")
done
((${#missing[@]} == 0)) && exit 0

if [[ $(id -u) -ne 0 ]]; then
    echo "install-deps: missing Debian packages: ${missing[*]}" >&2
    echo "install-deps: as root: apt-get update && apt-get install -y ${missing[*]}" >&2
    exit 1
fi

echo "install-deps: installing ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq && apt-get install -y -qq "${missing[@]}" >/dev/null
