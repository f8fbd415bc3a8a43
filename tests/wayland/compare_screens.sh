#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws every screen of the game on a virtual X display and keeps what the
# X server shows of the client area, then draws the same screens under a
# headless weston and finds each X11 capture, pixel for pixel, in weston's
# output. Both servers are the test's own, each stopped by its process id.
# Argument: wayland_test. KEEP_SCREENS=folder keeps the captures there.
set -u
TEST_PROGRAM=$1
here=$(dirname "$0")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
screens=${KEEP_SCREENS:-$work}
mkdir -p "$screens"

echo "== X11: the reference captures"
ZUNPEKO_SCREENS_DIR=$screens sh "$here/with_xvfb.sh" "$TEST_PROGRAM" --gtest_filter='Screens.*' ||
  exit 1
echo "== Wayland: the same screens under weston"
ZUNPEKO_SCREENS_DIR=$screens sh "$here/with_weston.sh" "$TEST_PROGRAM" --gtest_filter='Screens.*'
