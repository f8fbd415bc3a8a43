# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the scripts that drive the real game on a virtual display (sourced).
# Needs: GAME (the executable), PROBE (zunpeko_board_probe), SOUNDS (folder
# with the three sound files). Sets WORK, DISPLAY, WINDOW, CX, CY.

set -u
WORK=$(mktemp -d)
XVFB_PID=
GAME_PID=

end_session() {
  [ -n "$GAME_PID" ] && kill -TERM "$GAME_PID" 2>/dev/null && wait "$GAME_PID" 2>/dev/null
  [ -n "$XVFB_PID" ] && kill -TERM "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
  rm -rf "$WORK"
}
trap end_session EXIT

fail() {
  echo "FAIL: $*"
  exit 1
}

# Xvfb on a display number it finds free itself and reports (-displayfd), so
# runs side by side never share a display.
start_xvfb() {
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
  XVFB_PID=$!
  tries=0
  until [ -s "$WORK/display" ] && DISPLAY=":$(cat "$WORK/display")" xdpyinfo >/dev/null 2>&1; do
    tries=$((tries + 1))
    [ "$tries" -gt 100 ] && fail "Xvfb did not come up: $(cat "$WORK/xvfb.log")"
    kill -0 "$XVFB_PID" 2>/dev/null || fail "Xvfb ended: $(cat "$WORK/xvfb.log")"
    sleep 0.1
  done
  DISPLAY=":$(cat "$WORK/display")"
  export DISPLAY
}

shot() {
  import -window root -depth 8 "ppm:$WORK/shot.ppm" || fail "no screenshot"
}

pixel() {
  "$PROBE" pixel "$WORK/shot.ppm" "$1" "$2"
}

# Finds the window of the game just started and the origin (CX, CY) of its
# client area, which lies below the menu bar at the bottom of the window.
find_window() {
  WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --name 'ver1\.0' | head -n 1)
  [ -n "$WINDOW" ] || fail "no game window: $(cat "$WORK/game.log")"
  eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
  CX=$X
  CY=$((Y + HEIGHT - 334))
}

# Tells the game to end, as a desktop's logout does, and checks that it ends cleanly.
end_game() {
  kill -TERM "$GAME_PID"
  wait "$GAME_PID"
  local status=$?
  GAME_PID=
  [ "$status" -eq 0 ] || fail "exit status $status after SIGTERM"
}

# Starts the game (under the command RUN_AS, if set) in a folder with its
# sound files, its hi-scores in a store of its own, and waits for
# the title screen to be painted. The client area lies below the menu bar at
# the bottom of the window: its origin is (CX, CY) on the screen.
start_game() {
  mkdir -p "$WORK/run" "$WORK/data"
  cp "$SOUNDS/doa.wav" "$SOUNDS/d3l.mp3" "$SOUNDS/Smash.wav" "$WORK/run/"
  (cd "$WORK/run" && XDG_DATA_HOME="$WORK/data" SDL_AUDIODRIVER=dummy \
     exec ${RUN_AS:-} "$GAME" >"$WORK/game.log" 2>&1) &
  GAME_PID=$!
  find_window
  [ "$WIDTH" -eq 442 ] || fail "the window is $WIDTH wide, not 442"
  tries=0
  while :; do
    shot
    # The title panel's silver, left of START!!
    [ "$(pixel $((CX + 20)) $((CY + 300)))" = "192 192 192" ] && break
    tries=$((tries + 1))
    [ "$tries" -gt 100 ] && fail "the title screen was not painted: $(cat "$WORK/game.log")"
    sleep 0.1
  done
}

# A table of three scores of -1 at $1, so that the stop of any game asks for a name.
write_losing_store() {
  printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Zunpeko]\r\n' >"$1"
  for rank in 1 2 3; do
    printf '"HSC%d"=dword:ffffffff\r\n"SName%d"="old%d"\r\n' "$rank" "$rank" "$rank" >>"$1"
  done
}

# A left click at a point of the client area.
click() {
  xdotool mousemove --sync $((CX + $1)) $((CY + $2)) click 1
}

press_start() {
  click 320 300
}
