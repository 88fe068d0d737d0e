#!/bin/sh
# Runs the desktop window test on an X display of its own, 1920 x 1080, when
# Xvfb and xdotool are there; without them it says so and passes.
#   run_desktop.sh TEST_PROGRAM
command -v Xvfb >/dev/null && command -v xdotool >/dev/null || { echo "no Xvfb or xdotool: skipped"; exit 0; }
n=$(( 70 + $$ % 50 ))
Xvfb :$n -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
for i in 1 2 3 4 5 6 7 8 9 10; do
  [ -e /tmp/.X11-unix/X$n ] && break
  sleep 0.3
done
DISPLAY=:$n "$1"
