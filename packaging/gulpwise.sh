#!/bin/sh
# Starts Gulpwise in the player's own game folder,
# $XDG_DATA_HOME/gulpwise (by default ~/.local/share/gulpwise). The first
# start copies the shipped data there; later starts add only the shipped files
# that are missing, so the player's configuration, keys, mazes, progress and
# replays are never overwritten. The game and its data are found relative to
# this script, so an unpacked package runs from wherever it lies.
set -eu

here=$(dirname "$(readlink -f "$0")")
prefix=$(cd "$here/.." && pwd)
game_binary="$prefix/lib/games/gulpwise/gulpwise"
shipped="$prefix/share/games/gulpwise"

data_home=${XDG_DATA_HOME:-}
if [ -z "$data_home" ]; then
    data_home="$HOME/.local/share"
fi
game="$data_home/gulpwise"
mkdir -p "$game"

(cd "$shipped" && find . -type f) | while IFS= read -r file; do
    if [ ! -e "$game/$file" ]; then
        mkdir -p "$game/$(dirname "$file")"
        cp "$shipped/$file" "$game/$file"
    fi
done

cd "$game"
exec "$game_binary" "$@"
