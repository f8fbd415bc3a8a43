#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The real game told to end (SIGTERM) while a box of its start-up is open (the
# store is a link to a file that is not one, and the key cannot be made, so a
# second box would follow): the boxes close and the program ends there, with
# status 0, without ever showing its window.
# Arguments: the game, zunpeko_board_probe, the folder of the sound files.
GAME=$1
PROBE=$2
SOUNDS=$3
. "$(dirname "$0")/session.sh"

store="$WORK/data/zunpeko/user.reg"
mkdir -p "$(dirname "$store")" "$WORK/run"
printf 'not a registry file' >"$WORK/notes.txt"
ln -s "$WORK/notes.txt" "$store"
cp "$SOUNDS/doa.wav" "$SOUNDS/d3l.mp3" "$SOUNDS/Smash.wav" "$WORK/run/"

start_xvfb
(cd "$WORK/run" && XDG_DATA_HOME="$WORK/data" SDL_AUDIODRIVER=dummy \
   exec "$GAME" >"$WORK/game.log" 2>&1) &
GAME_PID=$!
BOX=$(timeout 20 xdotool search --sync --onlyvisible --name "$(printf 'ずんぺこ')" | head -n 1)
[ -n "$BOX" ] || fail "no box at start-up: $(cat "$WORK/game.log")"

kill -TERM "$GAME_PID"
tries=0
while kill -0 "$GAME_PID" 2>/dev/null; do
  tries=$((tries + 1))
  if [ "$tries" -gt 100 ]; then
    xdotool search --onlyvisible --name 'ver1\.0' >/dev/null && fail "the window opened after the signal"
    fail "the game did not end within 10 s of the signal"
  fi
  sleep 0.1
done
wait "$GAME_PID"
status=$?
GAME_PID=
[ "$status" -eq 0 ] || fail "exit status $status"
[ "$(cat "$WORK/notes.txt")" = 'not a registry file' ] || fail "the linked file changed"
echo "PASS"
