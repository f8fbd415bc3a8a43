#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays the real game on a virtual display and saves three pictures of its
# window into the folder $4: title.png (the title screen as it first shows),
# countdown.png (the big "3" after START!!) and game.png (a game under way,
# whacked a little, with moles of several kinds).
# Arguments: the game, zunpeko_board_probe, the folder of the sound files, the
# folder for the pictures.
GAME=$1
PROBE=$2
SOUNDS=$3
OUT=$4
. "$(dirname "$0")/session.sh"

window_shot() {
  import -window "$WINDOW" -depth 8 "$1" || fail "no picture of the window"
}

start_xvfb
start_game
window_shot "$OUT/title.png"
press_start
sleep 0.5
window_shot "$OUT/countdown.png"
sleep 3.2

# Whack the full-grown moles now and then, until a picture holds at least
# three kinds among the mole, the yellow mole, the white mole, the sparkle
# and the burst.
kinds_in() {
  for frame in $1; do
    case $frame in
      1 | 2 | 3) echo mole ;;
      4) echo sparkle ;;
      5) echo yellow ;;
      6) echo white ;;
      8 | 9 | 10 | 11) echo burst ;;
    esac
  done | sort -u | wc -l
}

tries=0
while :; do
  shot
  if frames=$("$PROBE" board "$WORK/shot.ppm" "$CX" "$CY"); then
    if [ "$(kinds_in "$frames")" -ge 3 ]; then
      window_shot "$OUT/game.png"
      echo "game.png shows frames: $frames"
      break
    fi
    # Whack the first full-grown mole in every other picture.
    if [ $((tries % 2)) -eq 0 ]; then
      hole=0
      for frame in $frames; do
        if [ "$frame" = 2 ] || [ "$frame" = 3 ]; then
          click $((50 + 100 * (hole % 4) + 25)) $((60 + 70 * (hole / 4) + 25))
          break
        fi
        hole=$((hole + 1))
      done
    fi
  fi
  tries=$((tries + 1))
  [ "$tries" -gt 300 ] && fail "no picture with moles of three kinds"
  sleep 0.1
done
