#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws every screen of the game on a virtual X display and keeps what the
# X server shows of the client area, then draws the same screens under a
# headless weston and finds each X11 capture, pixel for pixel, in weston's
# output. Both servers are the test's own and stopped by their process ids.
# Argument: wayland_test. KEEP_SCREENS=folder keeps the captures there.
set -u
TEST_PROGRAM=$1
work=$(mktemp -d)
xvfb_pid=
end() {
  if [ -n "$xvfb_pid" ]; then
    kill -TERM "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
  rm -rf "$work"
}
trap end EXIT
trap 'exit 143' TERM INT HUP

# A free display number, reported by Xvfb itself.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
tries=0
until [ -s "$work/display" ] && DISPLAY=":$(cat "$work/display")" xdpyinfo >/dev/null 2>&1; do
  tries=$((tries + 1))
  if [ "$tries" -gt 300 ] || ! kill -0 "$xvfb_pid" 2>/dev/null; then
    echo "Xvfb did not come up: $(cat "$work/xvfb.log")"
    exit 1
  fi
  sleep 0.1
done

screens=${KEEP_SCREENS:-$work/screens}
mkdir -p "$screens"
echo "== X11: the reference captures"
DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb ZUNPEKO_SCREENS_DIR=$screens \
  "$TEST_PROGRAM" --gtest_filter='Screens.*' || exit 1
kill -TERM "$xvfb_pid" && wait "$xvfb_pid" 2>/dev/null
xvfb_pid=
echo "== Wayland: the same screens under weston"
ZUNPEKO_SCREENS_DIR=$screens sh "$(dirname "$0")/with_weston.sh" \
  "$TEST_PROGRAM" --gtest_filter='Screens.*'
