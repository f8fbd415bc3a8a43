#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the game (path in $1) with QT_QPA_PLATFORM naming a platform that fails
# and checks that it ends with status 1 and no core dump, naming that platform
# first and then passing on what Qt said: the text $2 among Qt's lines, and no
# blame on a display it never tried to open.
set -u
game=$1
qt_says=$2
platform=${QT_QPA_PLATFORM%%:*}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 2
ulimit -c unlimited 2>/dev/null || true

"$game" >stdout.txt 2>stderr.txt
status=$?
cat stderr.txt

fail=0
if [ "$status" -ne 1 ]; then
  echo "FAIL: exit status $status, expected 1 (134 would mean an abort)"
  fail=1
fi
if ! head -n 1 stderr.txt | grep -qF "zunpeko: the window system \"$platform\""; then
  echo "FAIL: the first line does not name the window system $platform"
  fail=1
fi
if ! tail -n +2 stderr.txt | grep -qF "$qt_says"; then
  echo "FAIL: Qt's words \"$qt_says\" are not passed on"
  fail=1
fi
if grep -qE '^zunpeko: .*(no|the) display' stderr.txt; then
  echo "FAIL: the display is blamed"
  fail=1
fi
if ls core* >/dev/null 2>&1; then
  echo "FAIL: a core file was written"
  fail=1
fi
exit $fail
