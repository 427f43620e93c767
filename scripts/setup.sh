#!/usr/bin/env bash
# Shared set-up of ./play and ./test: installs the Debian packages the game
# needs when they are missing, then configures and builds in build/.
set -euo pipefail

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# The SDL 1.2 API comes from the maintained implementation on SDL2; it must be
# installed together with the mixer, whose package would otherwise pull in
# the old SDL 1.2 library.
packages=(build-essential cmake pkg-config libsdl1.2-compat-dev libsdl-mixer1.2-dev
          libgtest-dev libbenchmark-dev)

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

build() {
    local dir=$1
    shift
    cmake -S "$top" -B "$top/$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$top/$dir" -j "$(nproc)"
}
