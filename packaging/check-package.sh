#!/usr/bin/env bash
# Checks a built package: its menu entry, metainfo and the package itself
# with Debian's validators (no errors allowed), then the launcher of the
# unpacked package, run headless from a temporary root with HOME in a
# temporary folder: the player's folder must appear with the configuration
# written at exit, and a second start must keep a file the player edited.
#   packaging/check-package.sh build-package/gulpwise_VERSION_ARCH.deb
set -euo pipefail
deb=$(readlink -f "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAILED: $*"
    exit 1
}

root="$work/root"
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml
echo "lintian:"
lintian --fail-on error --info "$deb" || fail "lintian reports errors"

export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy HOME="$work/home"
unset XDG_DATA_HOME
game="$HOME/.local/share/gulpwise"
launch() {
    "$root/usr/games/gulpwise" --window --quit-after-frames 5 >"$work/output.txt" 2>&1 ||
        fail "the launcher failed: $(cat "$work/output.txt")"
}

launch
[ -f "$game/data/config.cfg" ] || fail "no configuration written at exit in $game"
[ -f "$game/images/icon.bmp" ] || fail "the shipped data was not copied to $game"
diff -r "$root/usr/share/games/gulpwise/music" "$game/music" >/dev/null || fail "the music differs"

# The player edits the keys and loses a shipped maze: the next start keeps
# the edit and brings the maze back.
echo "0 275 276 273 274 32" >"$game/data/keys.cfg"
rm "$game/data/map_1.lev"
launch
[ "$(cat "$game/data/keys.cfg")" = "0 275 276 273 274 32" ] || fail "the player's keys were overwritten"
[ -f "$game/data/map_1.lev" ] || fail "a missing shipped file was not added back"

# XDG_DATA_HOME chooses where the player's folder lives.
XDG_DATA_HOME="$work/elsewhere" launch
[ -f "$work/elsewhere/gulpwise/data/config.cfg" ] || fail "XDG_DATA_HOME was not followed"
echo "The package and its launcher work: $(basename "$deb")"
