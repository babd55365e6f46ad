#!/usr/bin/env bash
# The clock opens where the user left it: the installed program under Xvfb
# with openbox (and again with xcompmgr, and at scale factor 2), every face.
# A stored position of 300,200 opens at 300,200; a drag and a restart open
# where the clock was dropped; a position off the screen comes back to 1,1.
# usage: placement.sh BUILD_DIR [SCREENSHOT_FOLDER]
set -u
source "$(dirname "$0")/../lib.sh"
BUILD=$1
SHOTS=${2:-}

skip_unless_installed Xvfb openbox xdotool xwininfo

install_program "$BUILD"
start_x with-wm
unset QT_SCALE_FACTOR
data_home
APP_DATA=$E2E_PREFIX/share/orvella/app_data
cd "$E2E_TMP"

# prepare KEY=VALUE...: the shipped data folder with these TYPE keys.
prepare() { fresh_data "$DATA" "$APP_DATA" "$@"; }

PID=
WIN=
start_clock() {
  launch "$E2E_TMP/log" "$E2E_PREFIX/bin/orvella"
  WIN=$(wait_window '^Orvella$' 15)
  # Past the fade-in and the first second's repaints, when a face that
  # sizes itself late would have moved.
  sleep 2
}
stop_clock() {
  kill "$PID" 2>/dev/null
  wait "$PID" 2>/dev/null
}

# Where the window's own top-left corner is on the root window.
window_at() {
  xwininfo -id "$WIN" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x "," y}'
}
stored_at() {
  awk -F= '/^posx=/ {x=$2} /^posy=/ {y=$2} END {gsub(/\r/, "", x); gsub(/\r/, "", y); print x "," y}' "$DATA/clock.ini"
}
expect_at() { # expect_at WHAT X,Y
  local got
  got=$(window_at)
  if [ "$got" = "$2" ]; then check "$1 at $2" true; else check "$1 at $2 (is at $got)" false; fi
}

# drag DX DY: press in the window, move in steps, release.
drag() {
  eval "$(xdotool getwindowgeometry --shell "$WIN")"
  local x=$((X + WIDTH / 2)) y=$((Y + HEIGHT / 2)) i
  xdotool mousemove "$x" "$y"
  sleep 0.2
  xdotool mousedown 1
  for i in 1 2 3 4 5; do
    xdotool mousemove $((x + $1 * i / 5)) $((y + $2 * i / 5))
    sleep 0.1
  done
  xdotool mouseup 1
  # The settings object writes the file from the event loop.
  sleep 1.5
}

shot() { # shot NAME: the clock's corner of the screen
  [ -n "$SHOTS" ] && command -v import >/dev/null || return 0
  import -window root -crop 900x450+0+0 "$SHOTS/$1.png" 2>/dev/null && echo "screenshot: $SHOTS/$1.png"
}

for face in analog digital flip; do
  prepare clock=$face posx=300 posy=200 set_start=0
  start_clock
  check "$face: window shown" test -n "$WIN"
  expect_at "$face: opens at the stored position" 300,200
  sleep 1.5
  expect_at "$face: still there after its first resizes" 300,200
  shot "placement_$face"

  drag 150 90
  expect_at "$face: dropped" 450,290
  check "$face: drop written to clock.ini" test "$(stored_at)" = 450,290
  stop_clock
  start_clock
  expect_at "$face: opens where it was dropped" 450,290
  stop_clock

  prepare clock=$face posx=5000 posy=3000 set_start=0
  start_clock
  expect_at "$face: an off-screen position comes back" 1,1
  stop_clock
done

# With a compositor the window manager sees the same hints.
if command -v xcompmgr >/dev/null; then
  xcompmgr >/dev/null 2>&1 &
  E2E_PIDS+=($!)
  sleep 0.5
  for face in digital flip; do
    prepare clock=$face posx=300 posy=200 set_start=0
    start_clock
    expect_at "$face with xcompmgr: opens at the stored position" 300,200
    stop_clock
  done
fi

# Framed (no_trans): the stored position is the frame's, as the window
# manager draws it around the clock.
frame_at() {
  local ext
  ext=$(xprop -id "$WIN" _NET_FRAME_EXTENTS | sed 's/.*= *//; s/ //g')
  window_at | awk -F, -v e="$ext" '{ split(e, m, ","); print ($1 - m[1]) "," ($2 - m[3]) }'
}
prepare clock=digital posx=300 posy=200 set_start=0 no_trans=true
start_clock
got=$(frame_at)
check "framed digital: frame opens at 300,200 (is at $got)" test "$got" = 300,200
stop_clock

# At scale factor 2 the stored position is in device pixels, which are the
# X server's pixels.
export QT_SCALE_FACTOR=2
for face in analog digital flip; do
  prepare clock=$face posx=300 posy=200 set_start=0
  start_clock
  expect_at "$face at scale 2: opens at the stored device position" 300,200
  shot "placement_${face}_scale2"
  drag 100 60
  expect_at "$face at scale 2: dropped" 400,260
  check "$face at scale 2: device position written" test "$(stored_at)" = 400,260
  stop_clock
done

if [ "$fails" -ne 0 ]; then
  echo "--- program log"; cat "$E2E_TMP/log"
fi
finish
