#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the game (path in $1) in a folder that holds the sound files of $2
# except one, for each of the two files the players open at start-up, and
# checks that start-up ends with the media system's message naming the file
# and exit status 1.
set -u
. "$(dirname "$0")/startup_box.sh"
game=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
sounds=$(cd "$2" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0

for missing in doa.wav d3l.mp3; do
  dir="$work/$missing"
  mkdir "$dir"
  for file in doa.wav d3l.mp3 Smash.wav; do
    [ "$file" = "$missing" ] || cp "$sounds/$file" "$dir/"
  done
  (cd "$dir" && exec "$game" 2>stderr.txt) &
  pid=$!

  echo "--- without $missing:"
  expect_startup_box "$pid" "$dir/stderr.txt" "^zunpeko: .*$missing" || fail=1
done
exit $fail
