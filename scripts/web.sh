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

# The browser tests (browser/SiteTest.js): builds the site and the desktop's
# snapshot tool, takes the desktop's first frame from a fresh copy of the
# shipped data, and plays the site in headless Chromium. Returns 2 when the
# tools cannot be installed, so that the caller can skip with a warning.
run_browser_tests() {
    local shots=${1:-}
    if ! install_missing "${web_packages[@]}" "${browser_test_packages[@]}"; then
        return 2
    fi
    local node_dir="$top/build-web/node"
    if [ ! -d "$node_dir/node_modules/puppeteer-core" ]; then
        mkdir -p "$node_dir"
        [ -f "$node_dir/package.json" ] || echo '{"private": true}' > "$node_dir/package.json"
        # Only the driver: it uses the system's Chromium, it downloads no browser.
        if ! (cd "$node_dir" && npm install --no-audit --no-fund --silent puppeteer-core >/dev/null); then
            return 2
        fi
    fi
    build_site
    cmake --build "$top/build" --target gulpwise-snapshot -j "$(nproc)" >/dev/null

    local game
    game=$(mktemp -d)
    cp -r "$top/gamedata/." "$game/"
    (cd "$game" && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
        "$top/build/tools/snapshot/gulpwise-snapshot" first-frame.bmp 1)
    local status=0
    NODE_PATH="$node_dir/node_modules" node "$top/browser/SiteTest.js" \
        "$top/build-web/site" "$game/first-frame.bmp" $shots || status=1
    # The site on a phone, by touch alone.
    NODE_PATH="$node_dir/node_modules" node "$top/browser/TouchTest.js" "$top/build-web/site" $shots || status=1
    # The site kept by its service worker, played with the network off.
    NODE_PATH="$node_dir/node_modules" node "$top/browser/OfflineTest.js" "$top/build-web/site" || status=1
    rm -rf "$game"
    # Online play from the page against the desktop's headless peer, through the relay.
    cmake --build "$top/build" --target gulpwise-relay gulpwise-netpeer gulpwise-sim -j "$(nproc)" >/dev/null
    NODE_PATH="$node_dir/node_modules" node "$top/browser/OnlineTest.js" \
        "$top/build" "$top/build-web/site" $shots || status=1
    return $status
}
