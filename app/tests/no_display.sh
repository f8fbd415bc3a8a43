#!/bin/sh
# Runs the game (path in $1) in an environment without a usable display and
# checks that it ends with status 1, one line on stderr, and no core dump.
set -u
game=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 2
ulimit -c unlimited 2>/dev/null || true

"$game" >stdout.txt 2>stderr.txt
status=$?
lines=$(wc -l <stderr.txt)
cat stderr.txt

fail=0
if [ "$status" -ne 1 ]; then
  echo "FAIL: exit status $status, expected 1 (134 would mean an abort)"
  fail=1
fi
if [ "$lines" -ne 1 ]; then
  echo "FAIL: $lines lines on stderr, expected exactly one"
  fail=1
fi
if ls core* >/dev/null 2>&1; then
  echo "FAIL: a core file was written"
  fail=1
fi
exit $fail
