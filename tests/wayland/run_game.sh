#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The real game under weston (run by with_weston.sh): its title screen, menu
# bar included, turns up in the compositor's output exactly as the X11
# screenshot in docs/ shows it; told to end (SIGTERM) it ends with status 0
# and leaves its hi-score table stored.
# Input: none; the window is only looked at, and the signal comes from here.
# Arguments: the game, zunpeko_find_in_shot, the sound folder, the docs folder,
# and optionally a file to write the window's screenshot to.
set -u
GAME=$1
FIND=$2
SOUNDS=$3
DOCS=$4
KEEP=${5:-}
work=$(mktemp -d)
game_pid=
end() {
  [ -n "$game_pid" ] && kill -TERM "$game_pid" 2>/dev/null && wait "$game_pid" 2>/dev/null
  rm -rf "$work"
}
trap end EXIT
fail() {
  echo "FAIL: $*"
  exit 1
}

mkdir -p "$work/run" "$work/data" "$work/shots"
cp "$SOUNDS/doa.wav" "$SOUNDS/d3l.mp3" "$SOUNDS/Smash.wav" "$work/run/"
(cd "$work/run" && XDG_DATA_HOME="$work/data" SDL_AUDIODRIVER=dummy exec "$GAME" >"$work/game.log" 2>&1) &
game_pid=$!

tries=0
until at=$(cd "$work/shots" && rm -f ./*.png && weston-screenshooter >/dev/null 2>&1 &&
           "$FIND" "$work/shots"/*.png "$DOCS/title.png"); do
  tries=$((tries + 1))
  kill -0 "$game_pid" 2>/dev/null || fail "the game ended: $(cat "$work/game.log")"
  [ "$tries" -gt 200 ] && fail "the X11 title screen never showed in weston's output"
  sleep 0.1
done
echo "the title screen, menu bar included, is at $at in weston's output"
if [ -n "$KEEP" ]; then
  # The window with Qt's own title bar and frame around the X11 picture.
  set -- $at
  convert "$work/shots"/*.png -crop "452x393+$(($1 - 5))+$(($2 - 35))" +repage "$KEEP"
fi

kill -TERM "$game_pid"
wait "$game_pid"
status=$?
game_pid=
[ "$status" -eq 0 ] || fail "exit status $status after SIGTERM: $(cat "$work/game.log")"
grep -q 'SName1' "$work/data/zunpeko/user.reg" || fail "no hi-score table stored"
echo "PASS"
