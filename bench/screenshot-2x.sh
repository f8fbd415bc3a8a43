#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Redraws docs/zunpeko-2x.png: the game a few seconds into a game, on an Xvfb
# display scaled twice (QT_SCALE_FACTOR=2). Uses the Release build of
# bench/run.sh (build-bench/, or BENCH_BUILD_DIR); build it first.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BENCH_BUILD_DIR:-$root/build-bench}
out=${1:-$root/docs/zunpeko-2x.png}
readonly scale=2

work=$(mktemp -d)
pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

for n in $(seq 150 190); do
  [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  pids+=($!)
  until [[ -e /tmp/.X11-unix/X$n ]]; do sleep 0.05; done
  export DISPLAY=:$n
  break
done
[[ -n ${DISPLAY:-} ]] || { echo "no free display number" >&2; exit 1; }

export QT_SCALE_FACTOR=$scale XDG_DATA_HOME=$work SDL_AUDIODRIVER=dummy
line=$(cd "$build/bin" && "$build/bench/zunpeko_window_probe" launch --keep \
  --client-height $((334 * scale)) --pixel $((10 * scale)),$((200 * scale)),c0c0c0 -- ./zunpeko)
for pair in $line; do printf -v "p_${pair%%=*}" '%s' "${pair#*=}"; done
pids+=("$p_pid")

# "START!!", then the countdown and a few seconds of moles.
xdotool mousemove $((p_left + 320 * scale)) $((p_top + p_client_top + 300 * scale)) click 1
sleep 7
import -window "$p_window" -depth 8 "$out"
echo "wrote $out ($(identify -format '%wx%h' "$out"))"
