#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command against a compositor of its own: weston's headless backend
# with a private runtime folder (mode 700) and socket, software rendering and
# its screenshooter enabled. The command sees WAYLAND_DISPLAY, XDG_RUNTIME_DIR
# and QT_QPA_PLATFORM=wayland; weston is stopped by its process id afterwards,
# and the command's exit status is returned.
# Usage: with_weston.sh COMMAND [ARGUMENT...]
set -u
runtime=$(mktemp -d)
chmod 700 "$runtime"
socket=zunpeko-$$
weston_pid=

# TERM, and KILL if weston has not gone after five seconds: a stuck
# compositor must not hold the test until its time-out.
stop_weston() {
  if [ -n "$weston_pid" ]; then
    kill -TERM "$weston_pid" 2>/dev/null
    tries=0
    while kill -0 "$weston_pid" 2>/dev/null && [ "$tries" -lt 50 ]; do
      tries=$((tries + 1))
      sleep 0.1
    done
    kill -KILL "$weston_pid" 2>/dev/null
    wait "$weston_pid" 2>/dev/null
  fi
  rm -rf "$runtime"
}
trap stop_weston EXIT
trap 'exit 143' TERM INT HUP

XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --width=1024 --height=768 \
  --socket="$socket" --debug --use-pixman --idle-time=0 >"$runtime/weston.log" 2>&1 &
weston_pid=$!

# Up when its socket accepts clients; weston-info style probing is not
# needed: the socket and its lock appear only once the compositor listens.
tries=0
until [ -S "$runtime/$socket" ] && grep -q "launching\|desktop-shell\|Output" "$runtime/weston.log"; do
  tries=$((tries + 1))
  if ! kill -0 "$weston_pid" 2>/dev/null; then
    echo "weston ended at start-up:"
    cat "$runtime/weston.log"
    exit 1
  fi
  [ "$tries" -gt 300 ] && { echo "weston did not come up"; cat "$runtime/weston.log"; exit 1; }
  sleep 0.1
done

# The headless backend has no seat devices, and Qt's own Wayland text input
# then dereferences the missing keyboard on the first key a test types into a
# line edit. The compose input context, Qt's choice on X11, types the same.
# Under the sanitizers: Qt's EGL buffer integration starts Mesa's software
# renderer, whose LLVM keeps a buffer it never frees and is unloaded before
# the leak check, so only a full unwind reaches the libEGL_mesa frame that
# scripts/lsan.supp names. The flag costs well under a second here.
if [ -n "${LSAN_OPTIONS:-}" ]; then
  export LSAN_OPTIONS="$LSAN_OPTIONS:fast_unwind_on_malloc=0"
fi
XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland QT_IM_MODULE=none "$@"
status=$?
exit "$status"
