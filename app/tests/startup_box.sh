# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced. expect_startup_box PID STDERR PATTERN: the game (process PID, its
# standard error in the file STDERR) must end its start-up with a message that
# matches PATTERN on standard error, written just before its error box opens,
# and exit status 1. The box waits for its OK; the test ends it the way a
# desktop session ends a program, with SIGTERM, which closes it as OK would.
# Prints what the game said; fails, saying why, if it fell short.
expect_startup_box() {
  tries=0
  until grep -q "$3" "$2" 2>/dev/null; do
    tries=$((tries + 1))
    if [ "$tries" -gt 200 ] || ! kill -0 "$1" 2>/dev/null; then
      break
    fi
    sleep 0.05
  done
  kill -TERM "$1" 2>/dev/null
  wait "$1"
  status=$?
  echo "--- exit status $status, stderr:"
  cat "$2"
  verdict=0
  if [ "$status" -ne 1 ]; then
    echo "FAIL: exit status $status, expected 1"
    verdict=1
  fi
  if ! grep -q "$3" "$2"; then
    echo "FAIL: no message matching \"$3\""
    verdict=1
  fi
  return $verdict
}
