#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real game where no sound device is: it starts, and a game plays, with at
# most one line on standard error saying it plays silently and none of the
# sound library's complaints. Then doa.wav as a FIFO, as a link to /dev/zero
# and as a file too large for a sound: each ends the start-up at once with
# "ｱﾌﾟﾘｹｰｼｮﾝ ｴﾗｰ", exit status 1, and a line naming the file and the reason.
# Arguments: the game, the folder of the sound files.
GAME=$1
SOUNDS=$2
PROBE=/bin/false
. "$(dirname "$0")/../xvfb/session.sh"

start_xvfb
mkdir -m 700 "$WORK/runtime"
export XDG_RUNTIME_DIR=$WORK/runtime XDG_DATA_HOME=$WORK/data
# No server to find, and no driver named: SDL makes its own choice.
unset SDL_AUDIODRIVER PULSE_SERVER

mkdir -p "$WORK/run"
cp "$SOUNDS/doa.wav" "$SOUNDS/d3l.mp3" "$SOUNDS/Smash.wav" "$WORK/run/"
(cd "$WORK/run" && exec "$GAME" >"$WORK/game.log" 2>&1) &
GAME_PID=$!
find_window
xdotool windowfocus --sync "$WINDOW" 2>/dev/null
xdotool key --window "$WINDOW" F5
sleep 1.5
xdotool key --window "$WINDOW" F6
sleep 1
end_game
echo "standard error without a sound device:"
cat "$WORK/game.log"
! grep -q "ALSA lib" "$WORK/game.log" || fail "the sound library's complaints reached standard error"
[ "$(grep -vc '^$' "$WORK/game.log")" -le 1 ] || fail "more than one line on standard error"

# Starts the game on the doa.wav just made; expects the start-up failure.
expect_refusal() {
  local what=$1 reason=$2 box
  (cd "$WORK/run" && exec "$GAME" >"$WORK/game.log" 2>&1) &
  GAME_PID=$!
  box=$(timeout 15 xdotool search --sync --onlyvisible --name 'ｱﾌﾟﾘｹｰｼｮﾝ ｴﾗｰ' | head -n 1)
  [ -n "$box" ] || fail "$what: no start-up error box: $(cat "$WORK/game.log")"
  [ -z "$(xdotool search --onlyvisible --name 'ver1\.0' 2>/dev/null)" ] || fail "$what: the window showed"
  xdotool key --window "$box" Return 2>/dev/null
  wait "$GAME_PID"
  local status=$?
  GAME_PID=
  [ "$status" -eq 1 ] || fail "$what: exit status $status, not 1"
  grep -q "^zunpeko: doa.wav: $reason" "$WORK/game.log" ||
    fail "$what: standard error does not name the file and the reason: $(cat "$WORK/game.log")"
  echo "$what: refused ($(cat "$WORK/game.log"))"
}

rm "$WORK/run/doa.wav"
mkfifo "$WORK/run/doa.wav"
expect_refusal "a FIFO" "not a regular file"
rm "$WORK/run/doa.wav"
ln -s /dev/zero "$WORK/run/doa.wav"
expect_refusal "a link to /dev/zero" "not a regular file"
rm "$WORK/run/doa.wav"
truncate -s 100M "$WORK/run/doa.wav"
expect_refusal "a 100 MB file" "larger than"
echo "PASS"
