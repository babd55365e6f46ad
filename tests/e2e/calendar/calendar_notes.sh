#!/usr/bin/env bash
# Notes through the real windows of the installed program: a note typed into
# the calendar's editor lands in my_notes.ini as CP1251 and survives a
# restart; a right click on another day makes the note that day's; a timed
# note written into the file for the coming minute pops up as a sticker with
# the note sound; the overview lists it, finds it and deletes it. The
# program runs under an English locale; the calendar's month name stays
# readable under the pointer.
set -u
source "$(dirname "$0")/../lib.sh"
BUILD=$1
SHOTS=${ORVELLA_E2E_SHOTS:-}

skip_unless_installed Xvfb openbox xdotool faketime iconv setxkbmap import convert

start_x with-wm
setxkbmap -layout ru
install_program "$BUILD"
data_home "$E2E_PREFIX/share/orvella/app_data"
# Start with the calendar shown (and the clock); the note sound is a shipped one.
sed -i 's/^set_start=.*/set_start=1/' "$DATA/clock.ini"
printf '\n[Sound]\nsound=%s\n' "$DATA/Sound/marimba.wav" >>"$DATA/calendar.ini"

notes_utf8() { from_cp1251 "$DATA/my_notes.ini"; }
# A Russian keyboard: xdotool types Cyrillic from the layout itself instead
# of remapping spare key codes on the fly, which loses letters.
type_text() { xdotool type --delay 60 -- "$1"; }
# type_into WINDOW TEXT: the text typed into the window once it has the focus.
type_into() { xdotool windowactivate --sync "$1" 2>/dev/null; type_text "$2"; }
shot() { [ -n "$SHOTS" ] && import -window root "$SHOTS/$1.png" 2>/dev/null; true; }

start_program() {
  cd "$E2E_TMP"
  launch_faked "@2026-03-05 $1"
}

# The day cells of the shipped calendar (its size and skin): column c
# (0 = Monday) and row r of the grid, in the window. March 2026 begins on a
# Sunday, so its first row is the week of 23 February.
cell_x() { echo $((30 + 40 * $1)); }
cell_y() { echo $((69 + 23 * $1)); }
# Opens the context menu on a day (column, row) and picks entry number N.
day_menu() { menu_pick "$1" "$(cell_x "$2")" "$(cell_y "$3")" "$4"; }
# Opens the calendar's context menu on today (Thursday, 5 March) and picks
# entry number $2 (1 = first).
calendar_menu() { day_menu "$1" 3 1 "$2"; }

start_program "10:14:10"
cal=$(wait_window '^Календарик$' 30)
check "calendar shown at start" test -n "$cal"
sleep 1
shot calendar_start
# The month name under the pointer: no light panel swallows its white letters.
eval "$(xdotool getwindowgeometry --shell "$cal")"
month_shade() { import -window root -crop 36x12+$((X + 102))+$((Y + 15)) png:- 2>/dev/null | convert - -colorspace Gray -format '%[fx:mean]' info:; }
plain=$(month_shade)
xdotool mousemove --window "$cal" 120 21
sleep 0.8
hovered=$(month_shade)
echo "month name: mean grey $plain, under the pointer $hovered"
readable() { [ -n "$plain" ] && [ -n "$hovered" ] && awk -v p="$plain" -v h="$hovered" 'BEGIN { exit !(h < 0.8 && h < p + 0.15) }'; }
check "month name readable under the pointer" readable
xdotool mousemove 640 700

# 1. A note through the context menu and the editor.
calendar_menu "$cal" 2   # "Добавление новой заметки"
editor=$(wait_window '^05\.03\.2026$' 10)
check "note editor opened for today" test -n "$editor"
type_into "$editor" 'Купить молоко'
sleep 0.3
shot editor
xdotool key Return   # OK is the default button
sleep 1
check "editor closed" test -z "$(xdotool search --onlyvisible --name '^05\.03\.2026$' 2>/dev/null)"
check "note in my_notes.ini" grep -q 'Купить молоко, 0, 00:00' <(notes_utf8)
check "stored as CP1251" grep -q "$(printf 'Купить молоко' | iconv -f UTF-8 -t CP1251)" "$DATA/my_notes.ini"
shot calendar_with_note

# 1b. A right click on Thursday 12 March: the note is that day's.
day_menu "$cal" 3 2 2   # "Добавление новой заметки на 12.03.2026"
editor=$(wait_window '^12\.03\.2026$' 10)
check "the editor opened for the day clicked" test -n "$editor"
type_into "$editor" 'Позвонить маме'
xdotool key Return
sleep 1
check "the note went to the day clicked" grep -qx '\[12\.03\.2026\]' <(notes_utf8)
check "with its text" grep -q 'Позвонить маме, 0, 00:00' <(notes_utf8)
check "not to today" bash -c "! iconv -f CP1251 -t UTF-8 '$DATA/my_notes.ini' | sed -n '/^\[05\.03\.2026\]/,/^\[/p' | grep -q 'Позвонить маме'"

# 2. A timed note for the coming minute, written by another program.
printf '\n[05.03.2026]\n1772705100=Проверка заметки, 2, 10:15\n' | iconv -f UTF-8 -t CP1251 >>"$DATA/my_notes.ini"
start_recording
stiker=$(wait_window '^Вам напоминание\.\.\.$' 60)
check "reminder sticker shown" test -n "$stiker"
sleep 2
shot reminder
check "reminder marked shown" grep -q 'Проверка заметки, 2, 10:15, 05:03:2026:10:15, 1' <(notes_utf8)
if [ -n "$recording" ]; then
  stop_recording
  rms=$(recorded_rms)
  echo "recorded RMS $rms"
  check "note sound reached the sound server" awk -v v="$rms" 'BEGIN { exit !(v > 0.005) }'
fi
sleep 7
check "fired once" test "$(xdotool search --onlyvisible --name '^Вам напоминание\.\.\.$' | wc -l)" -eq 1

# 3. Restart: the notes are still there and the overview lists, finds and deletes.
kill "$PID"
for _ in $(seq 1 50); do kill -0 "$PID" 2>/dev/null || break; sleep 0.1; done
start_program "10:20:00"
cal=$(wait_window '^Календарик$' 30)
check "calendar shown after restart" test -n "$cal"
check "notes survived the restart" grep -q 'Купить молоко' <(notes_utf8)
sleep 1
calendar_menu "$cal" 1   # "Обзор заметок"
overview=$(wait_window '^Показать все заметки$' 10)
check "overview opened" test -n "$overview"
sleep 0.5
shot overview
# Find by content: the find dialog selects the note's cell. The menu is
# opened on the empty part of the table, which leaves the current cell be.
overview_menu() { menu_pick "$overview" 250 150 "$1"; }
overview_menu 5   # "Найти по содержимому"
find=$(wait_window '^Найти\.\.\.$' 10)
check "find dialog opened" test -n "$find"
type_into "$find" 'молоко'
sleep 0.5
shot find
xdotool key Escape
sleep 0.5
overview_menu 4   # "Удалить заметку"
sleep 1
box=$(wait_window '^Удаление$' 10)
check "delete asks" test -n "$box"
xdotool key Return
sleep 1
check "deleted from my_notes.ini" bash -c "! grep -q 'Купить молоко' <(iconv -f CP1251 -t UTF-8 '$DATA/my_notes.ini')"
check "the other note stays" grep -q 'Проверка заметки' <(notes_utf8)
check "program still running" kill -0 "$PID"
shot overview_after_delete

if [ "$fails" -ne 0 ]; then
  echo "--- program log"; cat "$E2E_TMP/log"
  echo "--- my_notes.ini"; notes_utf8
fi
finish
