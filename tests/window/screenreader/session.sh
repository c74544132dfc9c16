#!/bin/sh
# Runs the game under its own X server with the desktop's accessibility bus,
# inside a private session bus (call through dbus-run-session), and lets the
# AT-SPI client drive it:
#   session.sh <game program> <client script> <mode>
# Exit status: the client's; 77 when the X server or the accessibility bus
# cannot be started (the reason on standard output).
set -u
game="$1"; client="$2"; mode="$3"
work=$(mktemp -d)
trap 'kill $game_pid $registry_pid $launcher_pid $xvfb_pid 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
game_pid=; registry_pid=; launcher_pid=; xvfb_pid=

# The X server, on a display it picks itself (so sessions that run at once
# do not meet). -noreset: without it the server resets whenever its last
# client leaves (the accessibility bus launcher connects only for a moment),
# and a game connecting during the reset finds no display.
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp -noreset 5>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for i in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
if [ ! -s "$work/display" ]; then
  echo "SKIP: no X server could be started (Xvfb)"; cat "$work/xvfb.log"; exit 77
fi
export DISPLAY=":$(cat "$work/display")"

# The accessibility bus and its registry.
launcher=/usr/libexec/at-spi-bus-launcher
registry=/usr/libexec/at-spi2-registryd
if [ ! -x "$launcher" ] || [ ! -x "$registry" ]; then
  echo "SKIP: the AT-SPI bus launcher or registry is not installed (at-spi2-core)"; exit 77
fi
"$launcher" --launch-immediately >"$work/launcher.log" 2>&1 &
launcher_pid=$!
for i in $(seq 50); do
  address=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress 2>/dev/null) && [ -n "$address" ] && break
  sleep 0.1
done
if [ -z "${address:-}" ]; then
  echo "SKIP: the accessibility bus could not be started"; cat "$work/launcher.log"; exit 77
fi
"$registry" >"$work/registry.log" 2>&1 &
registry_pid=$!

# The game, from a folder of its own (it writes its data files beside it).
cp "$game" "$work/lumora"
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 \
  "$work/lumora" >"$work/game.log" 2>&1 &
game_pid=$!

LUMORA_FOLDER="$work" /usr/bin/python3 "$client" "$mode"
status=$?
if [ $status -ne 0 ] && [ $status -ne 77 ]; then
  echo "--- game output"; cat "$work/game.log"
fi
exit $status
