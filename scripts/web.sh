#!/usr/bin/env bash
# The browser build, shared by ./web and ./test (source scripts/setup.sh first).
# Emscripten compiles the game into build-web/site/; its JavaScript optimizer
# needs the acorn module, which Debian installs in its shared node folder.

web_packages=(emscripten node-acorn)
# What the browser tests add: the browser; puppeteer-core drives it (from npm, into build-web/).
browser_test_packages=(chromium)

export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"

# Configures and builds the site; prints nothing but errors and the build's progress.
build_site() {
    if [ ! -f "$top/build-web/CMakeCache.txt" ]; then
        emcmake cmake -S "$top/browser" -B "$top/build-web" -DCMAKE_BUILD_TYPE=Release >/dev/null
    fi
    cmake --build "$top/build-web" -j "$(nproc)"
}
