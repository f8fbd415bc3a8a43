#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The game (path in $1, sound files in the folder $2) started with standard
# input, output and error closed: it must hold /dev/null at all three, or the
# first file or socket it opens takes the number and gets its error lines.
set -u
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
cp "$2"/*.wav "$2"/*.mp3 "$work"
cd "$work" || exit 2
XDG_DATA_HOME="$work/data" "$1" <&- >&- 2>&- &
pid=$!
tries=0
until [ -f data/zunpeko/user.reg ]; do  # the first run's table is written
  tries=$((tries + 1))
  [ "$tries" -gt 100 ] && { echo "FAIL: the game did not start"; exit 1; }
  sleep 0.1
done
fail=0
for fd in 0 1 2; do
  target=$(readlink "/proc/$pid/fd/$fd")
  [ "$target" = /dev/null ] || { echo "FAIL: descriptor $fd is ${target:-closed}"; fail=1; }
done
kill -TERM "$pid"
wait "$pid" || { echo "FAIL: exit status $?"; fail=1; }
exit $fail
