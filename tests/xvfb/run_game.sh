#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays the real game on a virtual display: presses START!!, checks the
# countdown shows no holes, waits through it, and checks from screenshots
# that the board's twelve holes are drawn at (50, 60) + (100c, 70r) of the
# client area, each a cell of the sprite sheet, with pale yellow between.
# Arguments: the game, zunpeko_board_probe, the folder of the sound files.
GAME=$1
PROBE=$2
SOUNDS=$3
. "$(dirname "$0")/session.sh"

start_xvfb
start_game
echo "window $WINDOW, client area at ($CX, $CY)"

press_start
sleep 0.6
shot
"$PROBE" blank "$WORK/shot.ppm" "$CX" "$CY" || fail "holes drawn during the countdown"
[ "$(pixel $((CX + 20)) $((CY + 300)))" = "255 255 128" ] || fail "the title panel did not slide out"

sleep 3
tries=0
until frames=$("$PROBE" board "$WORK/shot.ppm" "$CX" "$CY"); do
  tries=$((tries + 1))
  [ "$tries" -gt 40 ] && fail "no board at (50, 60) of the client area; last cells: $frames"
  sleep 0.1
  shot
done
echo "the board shows frames: $frames"

# Told to end, the game closes its window and ends cleanly.
end_game
echo "PASS"
