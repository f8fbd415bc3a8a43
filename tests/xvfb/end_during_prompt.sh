#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The real game told to end (SIGTERM) while its name prompt is open: the
# prompt closes as cancelled, the stop in progress records the customary
# anonymous name and saves the table, and the program ends with status 0.
# Arguments: the game, zunpeko_board_probe, the folder of the sound files.
GAME=$1
PROBE=$2
SOUNDS=$3
. "$(dirname "$0")/session.sh"

store="$WORK/data/zunpeko/user.reg"
mkdir -p "$(dirname "$store")"
write_losing_store "$store"

start_xvfb
start_game
xdotool windowfocus --sync "$WINDOW"
press_start
sleep 3.5
xdotool key F6
tries=0
until xwininfo -root -tree | grep -q "$(printf 'ハイスコア')"; do
  tries=$((tries + 1))
  [ "$tries" -gt 50 ] && fail "no name prompt after the stop"
  sleep 0.1
done

end_game
names=$(iconv -f CP932 -t UTF-8 "$store" | grep '^"SName')
echo "$names"
echo "$names" | grep -q '^"SName1"="権兵衛"' || fail "the anonymous name was not recorded first"
echo "$names" | grep -q '^"SName2"="old1"' || fail "the old first place did not move down"
echo "PASS"
