#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real game read through AT-SPI (read_screens.py), on a session bus of the test's
# own that starts the accessibility bus, each server stopped by PID. Arguments: the
# game, zunpeko_board_probe, the folder of the sound files.
GAME=$1 PROBE=$2 SOUNDS=$3
. "$(dirname "$0")/../xvfb/session.sh"
export XDG_RUNTIME_DIR=$WORK/rt HOME=$WORK GSETTINGS_BACKEND=memory
export DBUS_SESSION_BUS_ADDRESS=unix:path=$WORK/rt/bus QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
pid_of() { # the process holding name $2 on bus $1
  dbus-send --bus="$1" --print-reply=literal --dest=org.freedesktop.DBus / \
    org.freedesktop.DBus.GetConnectionUnixProcessID "string:$2" | awk '{print $2}'
}
stop_all() { # each after its children, and gone before the next
  end_game
  for pid in $(pid_of "$A11Y" org.a11y.atspi.Registry) $(ps -o pid= --ppid "$LAUNCHER") \
    "$LAUNCHER" "$BUS"; do
    kill "$pid" && for _ in $(seq 50); do kill -0 "$pid" || break; sleep 0.1; done
  done
}
trap 'stop_all 2>/dev/null; end_session' EXIT

mkdir -m 700 "$WORK/rt" && mkdir -p "$WORK/data/zunpeko"
printf '%s\r\n' REGEDIT4 '' '[HKEY_CURRENT_USER\Zunpeko]' '"HSC1"=dword:0000012c' '"SName1"="山田"' \
  '"HSC2"=dword:000000c8' '"SName2"="鈴木"' '"HSC3"=dword:ffffffff' '"SName3"="佐藤"' |
  iconv -t CP932 >"$WORK/data/zunpeko/user.reg"
start_xvfb
BUS=$(dbus-daemon --session --address="$DBUS_SESSION_BUS_ADDRESS" --fork --print-pid \
  2>"$WORK/bus.log") || fail "no session bus: $(cat "$WORK/bus.log")"
A11Y=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
  org.a11y.Bus.GetAddress | tr -d ' ') || fail "no accessibility bus"
LAUNCHER=$(pid_of "$DBUS_SESSION_BUS_ADDRESS" org.a11y.Bus)
start_game
/usr/bin/python3 "$(dirname "$0")/read_screens.py" "$WINDOW" "$PROBE" "$CX" "$CY" "$WORK" ||
  fail "the screens do not read as they show"
