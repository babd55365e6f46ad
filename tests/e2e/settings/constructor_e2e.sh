#!/usr/bin/env bash
# End to end: the installed program under Xvfb with openbox. In the settings
# dialog's constructor a skin is put together from the shipped libraries
# with the "<"/">" buttons, saved under a typed name and applied; the clock
# on the desktop then shows the new dial at the new size.
#
# usage: constructor_e2e.sh BUILD_DIR [SCREENSHOT_FOLDER]
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
source "$HERE/../lib.sh"
BUILD=$1
SHOTS=${2:-}

skip_unless_installed Xvfb openbox xdotool xwininfo import convert

install_program "$BUILD"
start_x with-wm
# A desktop colour and a compositor, so the clock's transparent corners show
# the desktop as a user sees it.
xsetroot -solid '#5b7a99' 2>/dev/null
if command -v xcompmgr >/dev/null; then
  xcompmgr >/dev/null 2>&1 &
  E2E_PIDS+=($!)
fi
# The shipped data folder as a first start leaves it, without the box.
data_home "$E2E_PREFIX/share/orvella/app_data"

cd "$E2E_TMP"
launch "$E2E_TMP/log" "$E2E_PREFIX/bin/orvella"

clock=$(wait_window '^Orvella$' 15)
check "clock window is shown" test -n "$clock"
sleep 1.5 # the fade-in

# click WINDOW X Y: a left click at a point of the window.
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.25; }
# press WINDOW KEYS...: keys to the window once it has the focus.
press() { local w=$1; shift; xdotool windowactivate --sync "$w" >/dev/null 2>&1; xdotool key --clearmodifiers "$@"; sleep 0.4; }
ini_value() { grep -a "^$2=" "$1" | head -n1 | cut -d= -f2- | tr -d '\r'; }
window_size() { xwininfo -id "$1" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h}'; }

# No tray here: a right click on the clock opens its menu; the settings
# are the first item. The dialog goes to the top left corner, where the
# layout below was measured.
open_dialog() {
  xdotool mousemove --window "$clock" 30 30 click 3
  sleep 0.6
  xdotool key Down Return
  dialog=$(wait_window '^Настройка$' 10)
  [ -n "$dialog" ] || return 1
  xdotool windowmove "$dialog" 0 0
  sleep 0.5
  constructor_layout "$dialog"
  click "$dialog" $TAB_CONSTRUCTOR
}
close_dialog() {
  press "$dialog" Escape
  sleep 1
}

source "$HERE/layout.sh"
dialog=
open_dialog
check "settings dialog opens" test -n "$dialog"
[ -n "$dialog" ] || { echo "--- log"; cat "$E2E_TMP/log"; finish; exit 1; }

# build_skin NAME DIAL HOUR MINUTE SECOND CAP: takes the library picture at
# each index (the first with "<", then ">" as often as the index says),
# saves the skin under NAME and says yes to applying it.
build_skin() {
  local name=$1 part i n
  shift
  for part in FACE HOUR MINS SECS DOTS; do
    local down=${part}_DOWN up=${part}_UP
    n=$1
    shift
    for _ in 1 2 3 4 5 6 7 8 9 10 11 12; do click "$dialog" ${!down}; done
    for ((i = 0; i < n; ++i)); do click "$dialog" ${!up}; done
  done
  click "$dialog" $CREATE
  local ask
  ask=$(wait_window '^Сохранение скина$' 10)
  check "$name: name is asked for" test -n "$ask"
  press "$ask" ctrl+a
  xdotool type --delay 30 "$name"
  press "$ask" Return
  local box
  box=$(wait_window '^Внимание!$' 10)
  check "$name: creation is reported" test -n "$box"
  press "$box" Return
  box=$(wait_window '^Внимание!$' 10)
  # "No" has the focus; "Yes" comes before it.
  press "$box" shift+Tab space
  sleep 1
}

# check_applied NAME: the skin is on disk, named in clock.ini and on the clock.
check_applied() {
  local skin="$DATA/Skins/$1"
  check "$1: skin folder written" test -f "$skin/settings.ini"
  local dial
  dial=$(ini_value "$skin/settings.ini" fon)
  check "$1: dial copied" test -f "$skin/$dial"
  check "$1: my_skin names it" test "$(ini_value "$DATA/clock.ini" my_skin)" = "$skin"
  local want
  want=$(identify -format '%wx%h' "$skin/$dial")
  check "$1: the clock takes its dial's size ($want)" test "$(window_size "$clock")" = "$want"
}

# shoot_clock FILE: the clock window as it stands on the desktop.
shoot_clock() {
  eval "$(xdotool getwindowgeometry --shell "$clock")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$1"
}

# Minimal: white dial, black stick hands, red seconds stick and cap.
build_skin "E2E minimal" 3 7 7 8 6
[ -n "$SHOTS" ] && import -window "$dialog" "$SHOTS/constructor.png"
check_applied "E2E minimal"
ini="$DATA/Skins/E2E minimal/settings.ini"
check "the stepped-to pictures are in the skin" test "$(ini_value "$ini" fon) $(ini_value "$ini" hour) \
$(ini_value "$ini" mins) $(ini_value "$ini" secunds) $(ini_value "$ini" shapocka)" = \
  "minimal_white.png stick_black.png min_stick_black.png stick_red.png red.png"
close_dialog
shoot_clock "$E2E_TMP/clock.png"
# The minimal dial is white: most points on a circle half way out show it,
# whichever way the hands point now.
white=0
for a in 0 45 90 135 180 225 270 315; do
  px=$(awk -v a=$a -v w=$WIDTH -v h=$HEIGHT 'BEGIN{r=w/4; printf "%d,%d", w/2 + r*sin(a*3.14159/180), h/2 - r*cos(a*3.14159/180)}')
  v=$(convert "$E2E_TMP/clock.png" -format "%[fx:int(255*min(p{$px}.r,min(p{$px}.g,p{$px}.b)))]" info:)
  [ "${v:-0}" -gt 200 ] && white=$((white + 1))
done
check "the clock shows the white dial ($white of 8 points white)" test "$white" -ge 5

if [ -n "$SHOTS" ]; then
  cp "$E2E_TMP/clock.png" "$SHOTS/skin_minimal.png"
  # Modern: black dial, ivory swords, orange lollipop seconds and cap.
  open_dialog
  build_skin "E2E modern" 4 8 8 1 5
  check_applied "E2E modern"
  close_dialog
  shoot_clock "$SHOTS/skin_modern.png"
fi

if [ "$fails" -ne 0 ]; then
  echo "--- program log"; cat "$E2E_TMP/log"
  import -window root /tmp/orvella-constructor-e2e.png 2>/dev/null
fi
finish
