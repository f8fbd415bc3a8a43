#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the game (path in $1) in a folder that holds the sound files of $2
# except one, for each of the two files the players open at start-up, and
# checks that start-up ends with the media system's message naming the file
# and exit status 1. The error box waits for its OK; the test ends it the way
# a desktop session ends a program, with SIGTERM, which closes it as OK would.
set -u
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

  # The message is written just before the box opens.
  tries=0
  until grep -q "$missing" "$dir/stderr.txt" 2>/dev/null; do
    tries=$((tries + 1))
    if [ "$tries" -gt 200 ] || ! kill -0 "$pid" 2>/dev/null; then
      break
    fi
    sleep 0.05
  done
  kill -TERM "$pid" 2>/dev/null
  wait "$pid"
  status=$?

  echo "--- without $missing: exit status $status, stderr:"
  cat "$dir/stderr.txt"
  if [ "$status" -ne 1 ]; then
    echo "FAIL: exit status $status, expected 1"
    fail=1
  fi
  if ! grep -q "^zunpeko: .*$missing" "$dir/stderr.txt"; then
    echo "FAIL: no message naming $missing"
    fail=1
  fi
done
exit $fail
