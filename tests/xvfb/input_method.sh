#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The name prompt through mozc under ibus or fcitx5 ($4): yamada, Space, Return
# commits 山田, ~ commits 〜, a reading cancelled with Esc stays out, and the
# store holds 8E 52 93 63 81 60. mozc refuses root, so the session bus, the
# input method and the game run as nobody; where that cannot be, it skips (77).
GAME=$1 PROBE=$2 SOUNDS=$3 IM=$4
AS_NOBODY="setpriv --reuid=65534 --regid=65534 --clear-groups"
$AS_NOBODY true 2>/dev/null || { echo "cannot run as nobody: skipped"; exit 77; }
. "$(dirname "$0")/session.sh"

# mozc_server detaches: this test's own copies are found by their config
# folder, and stopped before it is removed.
stop_input_method() {
  [ -n "$IM_PIDS" ] && kill -TERM $IM_PIDS 2>/dev/null; [ -n "$IM_PIDS" ] && wait $IM_PIDS
  for try in 1 2 3 4 5 6 7 8 9 10; do
    pids=$(grep -lsxz "XDG_CONFIG_HOME=$WORK/nobody" /proc/[0-9]*/environ | cut -d/ -f3)
    [ -n "$pids" ] && kill -TERM $pids 2>/dev/null && sleep 0.2
  done
  end_session
}
IM_PIDS=
trap stop_input_method EXIT
trap 'exit 1' HUP INT TERM

chmod 755 "$WORK"  # nobody may not reach the build folder: it runs a copy
mkdir -p "$WORK/run" "$WORK/nobody/mozc" "$WORK/nobody/fcitx5" "$WORK/rt" "$WORK/data/zunpeko"
cp "$GAME" "$WORK/run/zunpeko" && GAME="$WORK/run/zunpeko"
write_losing_store "$WORK/data/zunpeko/user.reg"
export HOME="$WORK/nobody" XDG_CONFIG_HOME="$WORK/nobody" XDG_RUNTIME_DIR="$WORK/rt"
export DBUS_SESSION_BUS_ADDRESS="unix:path=$WORK/rt/bus" GSETTINGS_BACKEND=memory QT_IM_MODULE=$IM
echo 'engines { name: "mozc-jp" layout: "default" } active_on_launch: True' \
  >"$HOME/mozc/ibus_config.textproto"
printf '[Groups/0]\nName=Default\nDefault Layout=us\nDefaultIM=mozc\n%s\nName=mozc\n' \
  '[Groups/0/Items/0]' >"$HOME/fcitx5/profile"
printf '[Behavior]\nActiveByDefault=True\n' >"$HOME/fcitx5/config"
chmod 700 "$WORK/rt" && chown -R 65534:65534 "$WORK/nobody" "$WORK/rt" "$WORK/data"

start_xvfb
$AS_NOBODY dbus-daemon --session --address="$DBUS_SESSION_BUS_ADDRESS" --nofork --nopidfile \
  >"$WORK/bus.log" 2>&1 &
IM_PIDS=$!
case $IM in
  ibus) $AS_NOBODY ibus-daemon --panel=disable --emoji-extension=disable >"$WORK/im.log" 2>&1 & ;;
  fcitx) $AS_NOBODY fcitx5 >"$WORK/im.log" 2>&1 & ;;
esac
IM_PIDS="$IM_PIDS $!"
# ibus engine exits 1 even when it worked; fcitx5-remote answers once fcitx5 is up.
ready_ibus() { $AS_NOBODY ibus engine mozc-jp; [ "$($AS_NOBODY ibus engine)" = mozc-jp ]; }
ready_fcitx() { timeout 5 $AS_NOBODY fcitx5-remote; }
started=$(date +%s)
until "ready_$IM" >/dev/null 2>&1; do
  [ $(($(date +%s) - started)) -gt 30 ] && fail "$IM did not come up: $(cat "$WORK/im.log")"
  sleep 0.1
done

RUN_AS=$AS_NOBODY start_game
xdotool windowfocus --sync "$WINDOW"
press_start
sleep 3.5
xdotool key F6
PROMPT=$(timeout 10 xdotool search --sync --name ハイスコア | head -n 1)
[ -n "$PROMPT" ] || fail "no name prompt after the stop"
xdotool windowfocus --sync "$PROMPT"
for keys in "y a m a d a" space Return asciitilde Return x Escape Return; do
  xdotool key --delay 50 $keys
  sleep 0.3
done
timeout 10 sh -c 'while xwininfo -root -tree | grep -q ハイスコア; do sleep 0.1; done' ||
  fail "the name prompt did not close"
end_game
LC_ALL=C grep -qF "$(printf '"SName1"="\216\122\223\143\201\140"')" "$WORK/data/zunpeko/user.reg" ||
  fail "not stored as 山田〜: $(LC_ALL=C grep SName1 "$WORK/data/zunpeko/user.reg" | od -An -c)"
echo "PASS"
