#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and starts Solenorium, or runs its tests.
#   ./solenorium.sh run    install what is missing, build in Release, start the program
#   ./solenorium.sh test   install what is missing, check the layout, build in Release, run every test
#   ./solenorium.sh sanitize   the same tests, built with address and undefined-behaviour sanitizers
#   ./solenorium.sh fuzz [s]   the fuzz targets, built with clang, each run for s seconds (default 20)
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# qt6-charts-dev draws the coil sheet's chart; on Debian 12 its CMake package needs libqt6opengl6-dev,
# which it does not pull in.
packages=(cmake g++ ninja-build clang-format qt6-base-dev qt6-svg-dev qt6-charts-dev libqt6opengl6-dev
          qt6-tools-dev qt6-l10n-tools
          qt6-translations-l10n fonts-liberation2 fonts-comic-neue fonts-dejavu-core desktop-file-utils dpkg-dev
          appstream lintian)

install_missing() { # install_missing [extra packages...]
    local missing=()
    for p in "${packages[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

check_format() { # every C++ file as .clang-format writes it; names the ones that are not
    (cd "$here" && find src tests fuzz bench ui \( -name '*.cpp' -o -name '*.h' \) -print0 \
        | xargs -0 -r clang-format --dry-run --Werror)
}

build() { # build <preset>: configure with a preset of CMakePresets.json and build in build/<preset>
    (cd "$here" && cmake --preset "$1" >/dev/null)
    cmake --build "$here/build/$1" --parallel "$(nproc)"
}

case "${1:-}" in
run)
    install_missing
    build release
    exec "$here/build/release/solenorium"
    ;;
test)
    install_missing
    check_format
    build release
    ctest --test-dir "$here/build/release" --output-on-failure --parallel "$(nproc)"
    ;;
sanitize)
    install_missing
    build sanitize
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --test-dir "$here/build/sanitize" --output-on-failure --parallel "$(nproc)"
    ;;
fuzz)
    install_missing clang-14 libclang-rt-14-dev llvm-14
    "$here/fuzz/run-short" "${2:-20}"
    ;;
*)
    echo "usage: $0 run|test|sanitize|fuzz" >&2
    exit 2
    ;;
esac
