#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the game (path in $1) where its window cannot be shown and checks that
# it ends with status 1 and no core dump. Without $2, no display answers: the
# reason is one line on stderr. With $2, QT_QPA_PLATFORM names a platform that
# fails: the first line names that platform, Qt's lines that follow hold the
# text $2, and no display is blamed.
set -u
game=$1
qt_says=${2-}
platform=${QT_QPA_PLATFORM-}
platform=${platform%%:*}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 2
ulimit -c unlimited 2>/dev/null || true

"$game" >stdout.txt 2>stderr.txt
status=$?
cat stderr.txt

fail=0
fail() {
  echo "FAIL: $*"
  fail=1
}
[ "$status" -eq 1 ] || fail "exit status $status, expected 1 (134 would mean an abort)"
if ls core* >/dev/null 2>&1; then
  fail "a core file was written"
fi
if [ -z "$qt_says" ]; then
  lines=$(wc -l <stderr.txt)
  [ "$lines" -eq 1 ] || fail "$lines lines on stderr, expected exactly one"
else
  head -n 1 stderr.txt | grep -qF "zunpeko: the window system \"$platform\"" ||
    fail "the first line does not name the window system $platform"
  tail -n +2 stderr.txt | grep -qF "$qt_says" || fail "Qt's words \"$qt_says\" are not passed on"
  if grep -qE '^zunpeko: .*(no|the) display' stderr.txt; then
    fail "the display is blamed"
  fi
fi
exit $fail
