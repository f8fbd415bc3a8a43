#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays the real game through a PulseAudio server of its own, on a virtual
# display, and checks from a recording of the server's null sink that each
# cue is heard when it should be: silence on the title screen, the music from
# the countdown on and looping from its start, the music stopping at a stop
# and the end sound following, a new start cutting the end sound off, hits
# restarting their sound, and no hit sound during the stop slide; then that
# hits are heard again after the server is killed in a game and restarted.
# Arguments: the game, zunpeko_board_probe, the server (pulse or pipewire) and
# "restart" for the restart alone. SDL_AUDIODRIVER may name the driver.
GAME=$1
PROBE=$2
SERVER=${3:-pulse}
here=$(cd "$(dirname "$0")" && pwd)
SOUNDS=$(mktemp -d)
. "$here/../xvfb/session.sh"
. "$here/$SERVER.sh"
RECORDER_PID=
PAIRS=0

stop_recorder() { [ -n "$RECORDER_PID" ] && kill "$RECORDER_PID" && wait "$RECORDER_PID"; RECORDER_PID=; } 2>/dev/null

end_all() {
  stop_recorder
  "stop_$SERVER"
  end_session
  rm -rf "$SOUNDS"
}
trap end_all EXIT

now() { date +%s%N; }
event() { echo "$1 $(now)" >>"$WORK/events"; }

# Sets points to the centres of the hit boxes of the moles the last shot
# shows up (frames 1, 2, 3, 5 and 6).
mole_points() {
  local frames frame i=0
  frames=$("$PROBE" board "$WORK/shot.ppm" "$CX" "$CY")
  points=()
  for frame in $frames; do
    case $frame in 1 | 2 | 3 | 5 | 6)
      points+=($((CX + 75 + 100 * (i % 4))) $((CY + 85 + 70 * (i / 4)))) ;;
    esac
    i=$((i + 1))
  done
}

# Presses every mole the screen shows up at the centres of their hit boxes,
# the presses' times going to the events.
hit_moles() {
  local points=()
  shot
  mole_points
  [ ${#points[@]} -gt 0 ] || return 1
  python3 "$here/soundcheck.py" click "${points[@]}" >>"$WORK/events"
  [ ${#points[@]} -ge 4 ] && PAIRS=$((PAIRS + 1))
  return 0
}

focus() { xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true; }

# A name prompt for a new hi-score is a second window: cancel it.
dismiss_prompt() {
  local w
  for w in $(xdotool search --onlyvisible --pid "$GAME_PID" 2>/dev/null); do
    [ "$w" != "$WINDOW" ] && xdotool key --window "$w" Escape 2>/dev/null
  done
  return 0
}

# Starts the server and records its sink into `1`, from its first sample on.
start_server() {
  "start_$SERVER" "$WORK/server" || fail "no sound server"
  python3 "$here/soundcheck.py" record "$1" & RECORDER_PID=$!
  timeout 10 bash -c "until [ -s '$1.start' ]; do sleep 0.05; done" || fail "nothing recorded: $(tail -5 "$WORK/server/server.log")"
}

python3 "$here/soundcheck.py" sounds "$SOUNDS" || fail "no test sounds"
start_xvfb
start_server "$WORK/rec.raw"

mkdir -p "$WORK/run" "$WORK/data"
cp "$SOUNDS"/* "$WORK/run/"
# The music is opened again beside the executable: the test's music must be there.
cp "$GAME" "$WORK/run/zunpeko"
GAME=$WORK/run/zunpeko
# As on a desktop, the server's sockets are in the game's runtime folder.
runtime=${PIPEWIRE_DIR:+$PIPEWIRE_DIR/rt}
(cd "$WORK/run" && XDG_DATA_HOME="$WORK/data" XDG_RUNTIME_DIR="${runtime:-$PULSE_DIR}" exec "$GAME" >"$WORK/game.log" 2>&1) &
GAME_PID=$!
find_window
if [ "${4:-}" != restart ]; then
event title
sleep 2

focus
event start
xdotool key --window "$WINDOW" F5
# The countdown, then moles: pressing every mole up, for eight seconds and
# until two moles were up together three times (quick successive hits), but
# not for longer than sixteen.
sleep 3.5
PAIRS=0
begun=$(now)
while [ "$(now)" -lt $((begun + 8000000000)) ] ||
  { [ "$PAIRS" -lt 3 ] && [ "$(now)" -lt $((begun + 16000000000)) ]; }; do
  hit_moles || sleep 0.05
done
# The stop, and presses on the moles while the title panel slides in.
shot
mole_points
focus
# No mole up: the holes of the top row then, where the next ones will rise.
[ ${#points[@]} -gt 0 ] || points=($((CX + 75)) $((CY + 85)) $((CX + 175)) $((CY + 85)))
# The stop and the presses from one process, a few milliseconds apart.
python3 "$here/soundcheck.py" click --key F6 "${points[@]:0:4}" | sed 's/^key/stop/' >>"$WORK/events"
sleep 0.3
dismiss_prompt
sleep 0.2
focus
event start2
xdotool key --window "$WINDOW" F5
sleep 2
focus
event stop2
xdotool key --window "$WINDOW" F6
sleep 1.5
dismiss_prompt

stop_recorder
echo "--- game's standard error:"
cat "$WORK/game.log"
echo "---"
[ -z "${KEEP_RECORDING:-}" ] || cp "$WORK/rec.raw" "$WORK/rec.raw.start" "$WORK/events" "$KEEP_RECORDING/"
python3 "$here/soundcheck.py" check "$WORK/rec.raw" "$WORK/events" || fail "the cues were not heard as they should be"
# Neither the sound library's complaints nor a word about playing silently.
! grep -q "ALSA lib\|zunpeko:" "$WORK/game.log" || fail "the game wrote about its sound to standard error"
fi

focus
xdotool key --window "$WINDOW" F5
sleep 4.5
kill -KILL ${PULSE_PID:-} ${PIPEWIRE_PIDS[@]+"${PIPEWIRE_PIDS[@]}"}
stop_recorder
"stop_$SERVER"
start_server "$WORK/back.raw"
: >"$WORK/events"
# Hits for five seconds and until a dozen presses: about half of them come
# too late for a mole that sinks between the shot and the press. Never past
# fifteen seconds, well inside the game.
begun=$(now)
while [ "$(now)" -lt $((begun + 5000000000)) ] ||
  { [ "$(grep -c press "$WORK/events")" -lt 12 ] && [ "$(now)" -lt $((begun + 15000000000)) ]; }; do
  hit_moles || sleep 0.05
done
stop_recorder
echo "--- game's standard error after the restart:" && cat "$WORK/game.log"
python3 "$here/soundcheck.py" latency "$WORK/back.raw" "$WORK/events" || fail "no hit heard after the restart"
pactl list sink-inputs | grep -q 'application.name = "ずんぺこ"' || fail "the stream is not named ずんぺこ"
[ "$(grep -c . "$WORK/game.log")" -eq 1 ] && grep -q "^zunpeko: the sound device" "$WORK/game.log" ||
  fail "not one line about the lost device on standard error"
echo "PASS"
