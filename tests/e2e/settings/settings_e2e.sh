#!/usr/bin/env bash
# The settings dialog on the installed program: opened from the tray menu,
# the face switched to flip and back, the opacity changed; on the scheduler
# page, over two events already there, a name typed and Tab pressed through
# the whole page (no other event is loaded, nothing asked), and the form
# added as a new event for the coming minute. It fires once while the dialog
# is still open, and its sticker can be dragged and closed with a right
# click on its text all the same. The clock is moved with faketime so that
# minute comes soon after the start. Controls are reached by their place in
# the dialog, which has a fixed size.
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
# Two events switched off, both at 10:14: the form opens on the first.
printf '[1700000000]\nname=Заглушка 1\nrepeat=0\ntime=10:14\ndate=05.03.2026\ndisable=true\n\n[1700000100]\nname=Заглушка 2\nrepeat=0\ntime=10:14\ndate=05.03.2026\ndisable=true\n' |
  to_cp1251 "$DATA/alarm.ini"
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

# Scheduler page: the form shows the first event (10:14, today, switched
# off). A new name, then Tab round the whole page: Tab goes through the form,
# its buttons and the list without walking the list, so no other event is
# loaded into the form and nothing is asked.
xdotool mousemove --window "$dialog" 263 24 click 1
sleep 0.5
xdotool mousemove --window "$dialog" 449 85 click 1
xdotool key ctrl+a
xdotool type --delay 20 "e2e event"
for _ in $(seq 1 35); do xdotool key Tab; sleep 0.05; done
sleep 0.5
shot settings_scheduler_tabbed
check "no question about unsaved edits" test -z "$(xdotool search --onlyvisible --name '^Планировщик событий$' 2>/dev/null)"
xdotool mousemove --window "$dialog" 363 246 click 1
xdotool type --delay 20 "from the settings page"
# "Отключить выполнение события" off, then "Добавить новое".
xdotool mousemove --window "$dialog" 321 520 click 1
shot settings_scheduler
xdotool mousemove --window "$dialog" 89 647 click 1
check "event added to alarm.ini" wait_for 5 value_is alarm.ini "name=e2e event"
check "the name typed, not another event's" test "$(key alarm.ini 'name=Заглушка 2')" -eq 1
check "no tab typed into the message" value_is alarm.ini "alarmmessage=from the settings page"
check "its time is the coming minute" value_is alarm.ini "time=10:14"
check "its date is today" value_is alarm.ini "date=05.03.2026"
check "it is switched on" value_is alarm.ini "disable=false"
check "listed on the page" test "$(key alarm.ini '\[[0-9]*\]')" -eq 3
shot settings_scheduler_added

stiker=$(wait_window '^Вам напоминание\.\.\.$' 60)
check "the event fired in its minute" test -n "$stiker"
# The rest of the minute and the first tick after it.
sleep 50
check "exactly one sticker" test "$(xdotool search --onlyvisible --name '^Вам напоминание\.\.\.$' | wc -l)" -eq 1
check "fired once by the log" test "$(grep -c 'is due' "$E2E_TMP/log")" -eq 1
check "lastrun written" value_is alarm.ini "lastrun=05:03:2026:10:14"

# The dialog is still open, modal: the sticker moves and closes all the same.
check "the dialog is still open" test -n "$(xdotool search --onlyvisible --name '^Настройка$' 2>/dev/null)"
stiker=$(xdotool search --onlyvisible --name '^Вам напоминание\.\.\.$' | head -n1)
at() { xwininfo -id "$stiker" | awk '/Absolute upper-left X:/ {x=$4} /Absolute upper-left Y:/ {y=$4} END {print x "," y}'; }
before=$(at)
# Towards the middle of the screen, by its margin above the text (below
# the torn edge).
dx=30 dy=40
[ "${before%,*}" -gt 640 ] && dx=-30
[ "${before#*,}" -gt 400 ] && dy=-40
xdotool mousemove --window "$stiker" 60 19
sleep 0.2
xdotool mousedown 1
for _ in 1 2 3; do sleep 0.15; xdotool mousemove_relative -- "$dx" "$dy"; done
sleep 0.2
xdotool mouseup 1
sleep 0.5
check "the sticker was dragged over the open dialog" test "$(at)" != "$before"
shot settings_sticker_dragged
xdotool mousemove --window "$stiker" 100 60 click 3
no_stiker() { [ -z "$(xdotool search --onlyvisible --name '^Вам напоминание\.\.\.$' 2>/dev/null)" ]; }
check "a right click on its text closed it" wait_for 3 no_stiker
check "program still running" kill -0 $PID

if [ "$fails" -ne 0 ]; then
  echo "--- program log"; cat "$E2E_TMP/log"
  echo "--- alarm.ini"; from_cp1251 "$DATA/alarm.ini"
  echo "--- clock.ini"; from_cp1251 "$DATA/clock.ini"
fi
finish
