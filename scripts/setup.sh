#!/usr/bin/env bash
# Shared set-up of ./play and ./test: installs the Debian packages the game
# needs when they are missing, then configures and builds in build/.
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# The SDL 1.2 API comes from the maintained implementation on SDL2; it must be
# installed together with the mixer, whose package would otherwise pull in
# the old SDL 1.2 library.
packages=(build-essential cmake pkg-config ccache libsdl1.2-compat-dev libsdl-mixer1.2-dev
          libgtest-dev libbenchmark-dev libenet-dev libboost-dev)
# The fuzz targets (scripts/fuzz.sh): clang with libFuzzer and the sanitizer
# run-times, and llvm-symbolizer for readable stack traces.
fuzz_packages=(clang libclang-rt-14-dev llvm)
# The Debian packages (./package) and their checks: dpkg-shlibdeps for the
# dependencies, the validators of the menu entry, the metainfo and the
# packages, and systemd-analyze for the relay's service.
package_packages=(dpkg-dev desktop-file-utils appstream lintian systemd)

install_missing() {
    local missing=()
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return
    fi
    echo "Installing: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
}

# Sets compiler_cache to the CMake options that put the compiler cache in
# front of the compilers, when it is installed: ./test builds the same sources
# several ways, and a file built before costs nothing the next time.
find_compiler_cache() {
    compiler_cache=()
    if command -v ccache >/dev/null; then
        compiler_cache=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
        # Paths inside the checkout count as relative, so that another clone
        # of the same sources finds the same entries.
        export CCACHE_BASEDIR="$top" CCACHE_NOHASHDIR=1
    fi
}

build() {
    local dir=$1
    shift
    find_compiler_cache
    cmake -S "$top" -B "$top/$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${compiler_cache[@]}" "$@" >/dev/null
    cmake --build "$top/$dir" -j "$(nproc)"
}

# Sanitizer settings of the sanitized tests and the fuzz targets: the first
# report of AddressSanitizer, UndefinedBehaviorSanitizer or LeakSanitizer
# fails the run. The only leaks let pass are those the media libraries make
# inside themselves, listed and explained in scripts/leak-suppressions.txt.
use_sanitizer_options() {
    # The media libraries are built without frame pointers: the slow unwinder
    # is needed for leak stacks to reach the library functions that the
    # suppressions name.
    export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:fast_unwind_on_malloc=0:check_initialization_order=1:strict_init_order=1"
    export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
    export LSAN_OPTIONS="suppressions=$top/scripts/leak-suppressions.txt:print_suppressions=0"
    if command -v llvm-symbolizer >/dev/null; then
        export ASAN_SYMBOLIZER_PATH
        ASAN_SYMBOLIZER_PATH=$(command -v llvm-symbolizer)
    fi
}
