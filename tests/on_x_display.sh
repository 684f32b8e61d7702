#!/usr/bin/env bash
# Runs a command on a screen of its own as a desktop draws it: an X server of 1280x768 on a
# free display number, with a window manager that frames and places the windows. Both are
# stopped afterwards, however the command ends.
#   tests/on_x_display.sh COMMAND [ARGS...]
set -u
for needed in Xvfb openbox xprop; do
  command -v "$needed" >/dev/null 2>&1 || { echo "$needed is missing (scripts/setup installs it)"; exit 1; }
done
work="$(mktemp -d)"
server="" manager=""
stop() {
  [ -n "$manager" ] && kill "$manager" 2>/dev/null && wait "$manager" 2>/dev/null
  [ -n "$server" ] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
  rm -rf "$work"
}
trap stop EXIT
trap 'exit 1' INT TERM HUP

# The server picks a free display number itself and writes it once it accepts clients.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1280x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
server=$!
if ! read -r -t 20 number <"$work/display"; then
  echo "the X server did not start:"; cat "$work/xvfb.log"; exit 1
fi
export DISPLAY=":$number"

openbox --sm-disable >"$work/openbox.log" 2>&1 &
manager=$!
# The window manager announces itself on the root window once it manages the screen.
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  kill -0 "$manager" 2>/dev/null || break
  sleep 0.1
done
if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
  echo "the window manager did not start:"; cat "$work/openbox.log"; exit 1
fi

QT_QPA_PLATFORM=xcb "$@"
