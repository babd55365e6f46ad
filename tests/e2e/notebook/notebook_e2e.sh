#!/usr/bin/env bash
# End to end: the installed program under Xvfb with openbox. Open the
# notebook from the clock's menu, add a text page, type Cyrillic text, save,
# quit, start again: the text is there. Change the page and move to another
# one: the unsaved-changes question appears.
set -u
source "$(dirname "$0")/../lib.sh"
BUILD=$1
skip_unless_installed Xvfb openbox xdotool setxkbmap import sqlite3

install_program "$BUILD"
start_x with-wm
# A complete data folder, so start-up asks nothing.
data_home "$E2E_PREFIX/share/orvella/app_data"
rm -f "$DATA/notebook.db"   # the notebook seeds it itself
cd "$E2E_TMP"
SHOTS=${NOTEBOOK_E2E_SHOTS:-$E2E_TMP}

db_text() { # db_text TITLE -> the page's stored text
  sqlite3 "$DATA/notebook.db" "select data from notebook where name = '$1'"
}

# Cyrillic typed on a Russian layout: no key remapping, no lost letters.
# Shortcuts are pressed on the US layout.
type_cyrillic() {
  setxkbmap -layout ru
  sleep 0.3
  xdotool type --delay 60 "$1"
  setxkbmap -layout us
  sleep 0.3
}

start_program() {
  launch "$E2E_TMP/log" "$E2E_PREFIX/bin/orvella"
  CLOCK=$(wait_window '^Orvella$' 15)
}

# The clock's menu (no tray here: a right click on the clock), item n.
clock_menu() { # clock_menu DOWN_PRESSES
  xdotool mousemove --window "$CLOCK" 40 40 click 3
  sleep 0.6
  xdotool key --delay 60 $(for _ in $(seq 1 "$1"); do printf 'Down '; done) Return
}

open_notebook() {
  clock_menu 4   # "&Заметки"
  NOTEBOOK=$(wait_window '^Заметки\. База: ' 10)
  [ -n "$NOTEBOOK" ] && xdotool windowactivate --sync "$NOTEBOOK" 2>/dev/null
  sleep 0.3
}

start_program
check "clock window shown" test -n "$CLOCK"
open_notebook
check "notebook window opens from the clock's menu" test -n "$NOTEBOOK"
check "seeded notebook.db in the data folder" test -s "$DATA/notebook.db"

TITLE="Проверка 2"
TEXT="Съешь же ещё этих мягких французских булок"
# Ctrl+N pops up the add menu; its first item adds a text page.
xdotool windowactivate --sync "$NOTEBOOK" key ctrl+n
sleep 0.6
xdotool key --delay 80 Down Return
ask=$(wait_window '^Тема заметки:$' 5)
check "page title is asked" test -n "$ask"
xdotool key ctrl+a
type_cyrillic "$TITLE"
xdotool key Return
sleep 0.8
# The new page's editor: click into it and type.
eval "$(xdotool getwindowgeometry --shell "$NOTEBOOK")"
xdotool mousemove $((X + WIDTH - 150)) $((Y + HEIGHT / 2)) click 1
sleep 0.2
type_cyrillic "$TEXT"
xdotool key ctrl+s
sleep 0.5
check "typed Cyrillic text is stored" test "$(db_text "$TITLE")" = "$TEXT"
import -window root "$SHOTS/notebook_text_page.png" 2>/dev/null

# Change the page, then move to another one: the question appears.
type_cyrillic " и выпей чаю"
xdotool mousemove $((X + 60)) $((Y + HEIGHT - 60)) click 1   # empty part of the page list
sleep 0.2
xdotool key Up
question=$(wait_window '^Заметки$' 5)
check "leaving a changed page asks about it" test -n "$question"
import -window root "$SHOTS/notebook_unsaved_question.png" 2>/dev/null
[ -n "$question" ] && xdotool windowactivate --sync "$question" key Return   # Save
sleep 0.5
check "the answer Save stores the change" test "$(db_text "$TITLE")" = "$TEXT и выпей чаю"

# Exit from the clock's menu (its last item), then start again.
clock_menu 8
for _ in $(seq 1 50); do kill -0 "$PID" 2>/dev/null || break; sleep 0.1; done
check "Exit ends the program" bash -c "! kill -0 $PID 2>/dev/null"
check "window size file written at exit" test -s "$DATA/notebook_size.dat"

start_program
open_notebook
check "notebook opens after a restart" test -n "$NOTEBOOK"
check "the page is still there after a restart" test "$(db_text "$TITLE")" = "$TEXT и выпей чаю"
import -window root "$SHOTS/notebook_after_restart.png" 2>/dev/null

if [ "$fails" -ne 0 ]; then
  echo "--- program log"; cat "$E2E_TMP/log"
  cp "$E2E_TMP"/*.png /tmp/ 2>/dev/null
fi
finish
