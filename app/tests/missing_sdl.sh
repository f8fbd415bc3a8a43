#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the game (path in $1, sound files of $2 beside it) where SDL2_mixer
# cannot be loaded: in a mount namespace of its own, an empty file over the
# library. The game must still start far enough to say so: start-up ends with
# the box, a message naming the first sound file and the loader's reason on
# standard error, and exit status 1; never the dynamic loader's refusal to
# start the program at all. Needs root for the namespace; skipped without.
set -u
. "$(dirname "$0")/startup_box.sh"
game=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
sounds=$(cd "$2" && pwd)
library=$(ldconfig -p | awk '/libSDL2_mixer-2\.0\.so\.0 / { print $NF; exit }')
if [ -z "$library" ]; then
  echo "FAIL: SDL2_mixer is not installed"
  exit 1
fi
if [ "$(id -u)" -ne 0 ] || ! unshare -m true 2>/dev/null; then
  echo "SKIP: a mount namespace needs root"
  exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$sounds/doa.wav" "$sounds/d3l.mp3" "$sounds/Smash.wav" "$work/"
: >"$work/empty.so"

# unshare and then sh exec in turn: the process started here becomes the game.
(cd "$work" && exec unshare -m sh -c \
  'mount --bind "$1" "$2" && exec "$3"' sh "$work/empty.so" "$library" "$game" \
  2>"$work/stderr.txt") &
expect_startup_box $! "$work/stderr.txt" "^zunpeko: doa.wav: .*libSDL2_mixer"
