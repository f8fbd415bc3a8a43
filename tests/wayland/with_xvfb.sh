#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on a virtual X display of its own (Xvfb on a display number
# it reports itself, so runs side by side never share one), with
# QT_QPA_PLATFORM=xcb; Xvfb is stopped by its process id afterwards, and the
# command's exit status is returned.
# Usage: with_xvfb.sh COMMAND [ARGUMENT...]
set -u
work=$(mktemp -d)
xvfb_pid=
stop_xvfb() {
  if [ -n "$xvfb_pid" ]; then
    kill -TERM "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
  rm -rf "$work"
}
trap stop_xvfb EXIT
trap 'exit 143' TERM INT HUP

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
tries=0
until [ -s "$work/display" ] && DISPLAY=":$(cat "$work/display")" xdpyinfo >/dev/null 2>&1; do
  tries=$((tries + 1))
  if [ "$tries" -gt 300 ] || ! kill -0 "$xvfb_pid" 2>/dev/null; then
    echo "Xvfb did not come up: $(cat "$work/xvfb.log")"
    exit 1
  fi
  sleep 0.1
done

DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb "$@"
exit $?
