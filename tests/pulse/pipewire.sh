# SPDX-License-Identifier: GPL-3.0-or-later
# A PipeWire server of the caller's own, as a desktop runs it (sourced):
# pipewire, wireplumber and pipewire-pulse on a session bus, with a null sink
# "game" recorded as pulse.sh's is. start_pipewire DIR: the runtime folder is
# DIR/rt; sets PIPEWIRE_PIDS, exports PULSE_SERVER. stop_pipewire ends them.
PIPEWIRE_PIDS=()

start_pipewire() {
  PIPEWIRE_DIR=$1
  local conf=$1/conf/pipewire/pipewire.conf.d tries=0
  mkdir -p "$1/state" "$1/home" "$conf" && mkdir -p -m 700 "$1/rt"
  echo 'context.objects = [ { factory = adapter args = { factory.name = support.null-audio-sink
    node.name = "game" media.class = "Audio/Sink" audio.position = [ FL FR ]
    monitor.channel-volumes = true object.linger = true } } ]' >"$conf/game-sink.conf"
  export PULSE_SERVER=unix:$1/rt/pulse/native
  rm -f "$1/rt/pipewire-0"  # left by a server that was killed
  for server in "dbus-daemon --session --address=unix:path=$1/rt/bus --nofork --nopidfile" \
    pipewire wireplumber pipewire-pulse; do
    XDG_RUNTIME_DIR=$1/rt XDG_CONFIG_HOME=$1/conf XDG_STATE_HOME=$1/state HOME=$1/home \
      DBUS_SESSION_BUS_ADDRESS=unix:path=$1/rt/bus $server >>"$1/server.log" 2>&1 &
    PIPEWIRE_PIDS+=($!)
    # wireplumber and pipewire-pulse connect to pipewire's socket.
    until [ "$server" != pipewire ] || [ -S "$1/rt/pipewire-0" ] || ((++tries > 100)); do sleep 0.05; done
  done
  # Ready when wireplumber has made the sink the default one.
  until [ "$(pactl get-default-sink 2>/dev/null)" = game ]; do
    ((++tries < 200)) || { echo "PipeWire did not start: $(cat "$1/server.log")" >&2 && return 1; }
    sleep 0.05
  done
}

stop_pipewire() {
  local i
  for ((i = ${#PIPEWIRE_PIDS[@]} - 1; i >= 0; i--)); do kill -TERM "${PIPEWIRE_PIDS[i]}" 2>/dev/null; done
  for i in "${PIPEWIRE_PIDS[@]}"; do wait "$i" 2>/dev/null; done
  PIPEWIRE_PIDS=()
}
