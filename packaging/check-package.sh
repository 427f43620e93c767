#!/usr/bin/env bash
# Checks the built packages. The game's: its menu entry, metainfo and the
# package itself with Debian's validators (no errors allowed), then the
# launcher of the unpacked package, run headless from a temporary root with
# HOME in a temporary folder: the player's folder must appear with the
# configuration written at exit, and a second start must keep a file the
# player edited. The relay's (when given): lintian with no errors or
# warnings, its service through systemd-analyze verify, and the unpacked
# server started on a free port, asked /health, and stopped by SIGTERM.
#   packaging/check-package.sh build-package/gulpwise_VERSION_ARCH.deb [build-package/gulpwise-relay_VERSION_ARCH.deb]
set -euo pipefail
deb=$(readlink -f "$1")
relay_deb=$(readlink -f "${2:-/nonexistent}" 2>/dev/null || true)
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

if [ -z "$relay_deb" ] || [ ! -f "$relay_deb" ]; then
    exit 0
fi
relay_root="$work/relay-root"
dpkg-deb -x "$relay_deb" "$relay_root"
echo "lintian (relay):"
lintian --fail-on error,warning --info "$relay_deb" || fail "lintian reports errors or warnings for the relay"
unit="$relay_root/lib/systemd/system/gulpwise-relay.service"
[ -f "$unit" ] || fail "no service in the relay's package"
for setting in DynamicUser=yes NoNewPrivileges=yes ProtectSystem=strict ProtectHome=yes PrivateTmp=yes \
    "RestrictAddressFamilies=AF_INET AF_INET6 AF_UNIX" SocketBindDeny=any; do
    grep -qx "$setting" "$unit" || fail "the relay's service lacks $setting"
done
# systemd-analyze checks the program named by ExecStart: the unpacked one stands in for it.
mkdir -p "$work/units"
sed "s|^ExecStart=/usr/bin/|ExecStart=$relay_root/usr/bin/|" "$unit" >"$work/units/gulpwise-relay.service"
# It exits 0 on settings it does not know, so any word from it is a fault.
verified=$(systemd-analyze verify --man=no "$work/units/gulpwise-relay.service" 2>&1) ||
    fail "systemd-analyze verify fails the relay's service: $verified"
[ -z "$verified" ] || fail "systemd-analyze verify finds fault with the relay's service: $verified"
# The exposure systemd rates on its scale of 0 to 10 stays under 2 ("OK").
systemd-analyze security --offline=yes --threshold=20 "$work/units/gulpwise-relay.service" >/dev/null ||
    fail "the relay's service is exposed: $(systemd-analyze security --offline=yes "$work/units/gulpwise-relay.service" | tail -n 1)"

relay="$relay_root/usr/bin/gulpwise-relay"
"$relay" --help | grep -q -- --max-rooms || fail "gulpwise-relay --help does not list its options"
"$relay" --port 0 >"$work/relay.txt" 2>&1 &
relay_pid=$!
for _ in $(seq 100); do
    grep -q "listening on" "$work/relay.txt" && break
    sleep 0.1
done
port=$(sed -n 's/.*listening on 127.0.0.1:\([0-9]*\).*/\1/p' "$work/relay.txt")
[ -n "$port" ] || fail "gulpwise-relay did not say its port: $(cat "$work/relay.txt")"
exec 3<>"/dev/tcp/127.0.0.1/$port"
printf 'GET /health HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n' >&3
health=$(cat <&3)
exec 3<&-
grep -q '"rooms":0' <<<"$health" || fail "the relay's /health answered: $health"
kill -TERM "$relay_pid"
wait "$relay_pid" || fail "gulpwise-relay did not exit 0 on SIGTERM"
echo "The relay's package, service and server work: $(basename "$relay_deb")"
