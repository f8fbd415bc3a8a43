# SPDX-License-Identifier: GPL-3.0-or-later
# A PulseAudio server of the caller's own, with a null sink "game" whose
# monitor can be recorded (sourced). start_pulse DIR: DIR becomes the private
# runtime folder (mode 700); sets PULSE_PID and exports PULSE_SERVER.
# stop_pulse ends that server by its process id.

start_pulse() {
  PULSE_DIR=$1
  mkdir -p "$PULSE_DIR"
  chmod 700 "$PULSE_DIR"
  XDG_RUNTIME_DIR=$PULSE_DIR HOME=$PULSE_DIR pulseaudio -n --daemonize=no --exit-idle-time=-1 \
    --disallow-exit --disable-shm=yes --load="module-null-sink sink_name=game" \
    --load=module-native-protocol-unix >"$PULSE_DIR/server.log" 2>&1 &
  PULSE_PID=$!
  export PULSE_SERVER=unix:$PULSE_DIR/pulse/native
  local tries=0
  until pactl info >/dev/null 2>&1; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ] || ! kill -0 "$PULSE_PID" 2>/dev/null; then
      echo "PulseAudio did not start: $(cat "$PULSE_DIR/server.log")" >&2
      return 1
    fi
    sleep 0.1
  done
}

stop_pulse() {
  if [ -n "${PULSE_PID:-}" ]; then
    kill -TERM "$PULSE_PID" 2>/dev/null && wait "$PULSE_PID" 2>/dev/null
    PULSE_PID=
  fi
}
