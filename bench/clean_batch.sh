#!/bin/sh
# One clean-up of N cache folders on a fresh fake home, by Pelmo or by trash-put (the peer:
# the same items into the same freedesktop Trash). Usage: clean_batch.sh pelmo|trash-put N
# Example: bench/clean_batch.sh pelmo 900; its cost includes making the home, as the peer's does.
set -eu
tool=$1 count=$2
pelmo=${PELMO:-$(dirname "$0")/../build/pelmo}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
export HOME="$root/home" XDG_CONFIG_HOME="$root/home/.config" XDG_DATA_HOME="$root/home/.local/share" \
    XDG_CACHE_HOME="$root/home/.cache" XDG_STATE_HOME="$root/home/.local/state" PELMO_MOUNTINFO="$root/mountinfo"
: >"$PELMO_MOUNTINFO"
mkdir -p "$HOME/.cache" "$XDG_CONFIG_HOME/Pelmo"
printf '[General]\nhomeFolderBookmark=@ByteArray(%s)\n' "$HOME" >"$XDG_CONFIG_HOME/Pelmo/Pelmo.conf"
i=0
while [ $i -lt "$count" ]; do
    mkdir "$HOME/.cache/app$i"
    head -c 120000 /dev/zero >"$HOME/.cache/app$i/data"
    i=$((i + 1))
done
case $tool in
pelmo) "$pelmo" clean --category caches --yes >/dev/null ;;
trash-put) trash-put "$HOME"/.cache/app* ;;
esac
