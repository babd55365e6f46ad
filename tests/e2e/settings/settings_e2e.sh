#!/usr/bin/env bash
# The settings dialog on the installed program: opened from the tray menu,
# the face switched to flip and back, the opacity changed, and an event added
# on the scheduler page for the coming minute, which then fires once. The
# clock is moved with faketime so that minute comes soon after the start.
# Controls are reached by their place in the dialog, which has a fixed size.
#
# usage: settings_e2e.sh BUILD_DIR   (ORVELLA_E2E_SHOTS=folder keeps screenshots)
set -u
source "$(dirname "$0")/../lib.sh"
BUILD=$1
SHOTS=${ORVELLA_E2E_SHOTS:-}

skip_unless_installed Xvfb openbox trayer xdotool xwininfo faketime iconv

install_program "$BUILD"
start_x with-wm
data_home "$E2E_PREFIX/share/orvella/app_data"
: >"$DATA/alarm.ini"
sed -i 's/^clock=.*/clock=analog/; s/^transp=.*/transp=0.8/' "$DATA/clock.ini"

trayer --edge top --align right --widthtype request --height 32 --SetDockType true --transparent false \
  >/dev/null 2>&1 &
E2E_PIDS+=($!)
for _ in $(seq 1 100); do xwininfo -name panel >/dev/null 2>&1 && break; sleep 0.1; done

shot() { [ -n "$SHOTS" ] && import -window root "$SHOTS/$1.png" 2>/dev/null; return 0; }
key() { from_cp1251 "$DATA/$1" | grep -c "^$2\$"; }
value_is() { from_cp1251 "$DATA/$1" | grep -qx "$2"; }

cd "$E2E_TMP"
# Firings are logged at debug level; the checks below count them.
export QT_LOGGING_RULES="orvella.scheduler.debug=true"
launch "$E2E_TMP/log" faketime -f '@2026-03-05 10:13:30' "$E2E_PREFIX/bin/orvella"

clock=$(wait_window '^Orvella$' 15)
check "clock window shown" test -n "$clock"
PANEL=$(xwininfo -name panel 2>/dev/null | awk '/Window id:/ {print $4}')
icon_in_tray() { xwininfo -tree -id "$PANEL" | grep -q '("orvella" "orvella")'; }
check "tray icon in the tray" wait_for 10 icon_in_tray
ICON=$(xwininfo -tree -id "$PANEL" | awk '/\("orvella" "orvella"\)/ {print $1; exit}')

# The tray menu's first item opens the settings.
xdotool mousemove --window "$ICON" 8 8 click 3
sleep 1
menu=$(xdotool search --onlyvisible --classname '^orvella$' | while read -r w; do
  [ "$w" != "$clock" ] && xwininfo -id "$w" | grep -q 'Height: [1-9][0-9][0-9]' && echo "$w"; done | head -n1)
check "tray menu opened" test -n "$menu"
if [ -n "$menu" ]; then
  eval "$(xdotool getwindowgeometry --shell "$menu")"
  xdotool mousemove $((X + 40)) $((Y + 12)) click 1
fi
dialog=$(wait_window '^Настройка$' 10)
check "settings dialog opened from the tray" test -n "$dialog"
[ -n "$dialog" ] || { cat "$E2E_TMP/log"; finish; exit 1; }
sleep 0.5
shot settings_general
width_of() { xwininfo -id "$1" | awk '/Width:/ {print $2}'; }
clock_width=$(width_of "$clock")

# Face: flip, then back to analog. Each change is written at once.
xdotool mousemove --window "$dialog" 384 84 click 1
check "flip face written" wait_for 5 value_is clock.ini clock=flip
check "the running clock turned to flip cards" wait_for 5 sh -c "[ \"\$(xwininfo -id $clock | awk '/Width:/ {print \$2}')\" != $clock_width ]"
sleep 1
shot settings_flip
xdotool mousemove --window "$dialog" 41 84 click 1
check "analog face written" wait_for 5 value_is clock.ini clock=analog
check "the running clock is analog again" wait_for 5 sh -c "[ \"\$(xwininfo -id $clock | awk '/Width:/ {print \$2}')\" = $clock_width ]"
check "the face key is there once" test "$(key clock.ini 'clock=.*')" -eq 1

# Opacity: type a new value into its spin box.
xdotool mousemove --window "$dialog" 408 190 click --repeat 3 --delay 60 1
xdotool key ctrl+a type 0.4
xdotool key Tab
check "opacity written" wait_for 5 value_is clock.ini transp=0.4

# Scheduler page: an event for 10:14 (the coming minute), added.
xdotool mousemove --window "$dialog" 263 24 click 1
sleep 0.5
xdotool mousemove --window "$dialog" 449 85 click 1
xdotool type --delay 20 "e2e event"
# The page shows the time the program started (10:13): one step up in the
# minute section of the time edit.
xdotool mousemove --window "$dialog" 240 114 click 1
xdotool key Up
xdotool mousemove --window "$dialog" 363 246 click 1
xdotool type --delay 20 "from the settings page"
shot settings_scheduler
xdotool mousemove --window "$dialog" 89 647 click 1
check "event added to alarm.ini" wait_for 5 value_is alarm.ini "name=e2e event"
check "its time is the coming minute" value_is alarm.ini "time=10:14"
check "its date is today" value_is alarm.ini "date=05.03.2026"
check "listed on the page" wait_for 3 sh -c "[ \"$(key alarm.ini '\[[0-9]*\]')\" -eq 1 ]"
shot settings_scheduler_added

stiker=$(wait_window '^Вам напоминание\.\.\.$' 60)
check "the event fired in its minute" test -n "$stiker"
# The rest of the minute and the first tick after it.
sleep 50
check "exactly one sticker" test "$(xdotool search --onlyvisible --name '^Вам напоминание\.\.\.$' | wc -l)" -eq 1
check "fired once by the log" test "$(grep -c 'is due' "$E2E_TMP/log")" -eq 1
check "lastrun written" value_is alarm.ini "lastrun=05:03:2026:10:14"
check "program still running" kill -0 $PID

if [ "$fails" -ne 0 ]; then
  echo "--- program log"; cat "$E2E_TMP/log"
  echo "--- alarm.ini"; from_cp1251 "$DATA/alarm.ini"
  echo "--- clock.ini"; from_cp1251 "$DATA/clock.ini"
fi
finish
