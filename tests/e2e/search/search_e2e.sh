#!/usr/bin/env bash
# End to end: the installed program under Xvfb with openbox. Notes in
# my_notes.ini and a page in notebook.db written before the start; "Поиск"
# from the clock's menu; typing finds the note, Enter opens the calendar;
# typing finds the page, Enter opens the notebook at it (a change saved
# there lands on that page); Ctrl+F in the notebook brings the search back.
set -u
source "$(dirname "$0")/../lib.sh"
BUILD=$1
skip_unless_installed Xvfb openbox xdotool setxkbmap import sqlite3 iconv

install_program "$BUILD"
start_x with-wm
data_home "$E2E_PREFIX/share/orvella/app_data"
cd "$E2E_TMP"
SHOTS=${SEARCH_E2E_SHOTS:-$E2E_TMP}
export QT_LOGGING_RULES="orvella.search.debug=true"

to_cp1251 "$DATA/my_notes.ini" <<'INI'
[20.11.2025]
1763600000=Встреча выпускников в семь
1763600001=Позвонить Ольге насчёт ёлки

[02.12.2025]
1764650000=Встречи с заказчиком перенесены на среду

[15.12.2025]
1765800000=Купить ёлку и гирлянду
INI
# A page as another program (or an older copy) would add it: plain SQL.
sqlite3 "$DATA/notebook.db" "INSERT INTO notebook (name, data, image) VALUES ('План встречи', \
CAST('Обсудить на встрече бюджет и сроки. Ёлочные игрушки купить заранее.' AS BLOB), 0)"

db_text() { sqlite3 "$DATA/notebook.db" "select data from notebook where name = '$1'"; }

type_cyrillic() {
  setxkbmap -layout ru
  sleep 0.3
  xdotool type --delay 70 "$1"
  setxkbmap -layout us
  sleep 0.3
}

launch "$E2E_TMP/log" "$E2E_PREFIX/bin/orvella"
CLOCK=$(wait_window '^Orvella$' 15)
check "clock window shown" test -n "$CLOCK"

# No tray here: a right click on the clock opens the menu; "&Поиск" is its fifth entry.
xdotool mousemove --window "$CLOCK" 40 40 click 3
sleep 0.6
xdotool key --delay 60 Down Down Down Down Down Return
SEARCH=$(wait_window '^Поиск$' 10)
check "\"Поиск\" opens from the clock's menu" test -n "$SEARCH"
xdotool windowactivate --sync "$SEARCH" 2>/dev/null
xdotool windowsize "$SEARCH" 620 400
sleep 0.5

type_cyrillic "встреч"
sleep 1.5
import -window "$SEARCH" "$SHOTS/search.png" 2>/dev/null
check "the notebook got its search index" grep -q 'search index created' "$E2E_TMP/log"
check "two notes and one page found for \"встреч\"" grep -q 'listed 3 hits for «встреч»' "$E2E_TMP/log"

# The note: Enter opens the calendar at its day.
xdotool key ctrl+a
type_cyrillic "выпускн"
sleep 1
xdotool key Return
CAL=$(wait_window '^Календарик$' 10)
check "Enter on a note's hit opens the calendar" test -n "$CAL"
check "at the note of 20.11.2025" grep -q 'opening note of 20.11.2025' "$E2E_TMP/log"
import -window root "$SHOTS/search_calendar.png" 2>/dev/null

# The page: Enter opens the notebook at it.
xdotool windowactivate --sync "$SEARCH" 2>/dev/null
sleep 0.3
xdotool key ctrl+a
type_cyrillic "елочн бюдж"
sleep 1
xdotool key Return
NOTEBOOK=$(wait_window '^Заметки\. База: ' 10)
check "Enter on a page's hit opens the notebook" test -n "$NOTEBOOK"
check "at the page \"План встречи\"" grep -q 'opening page План встречи' "$E2E_TMP/log"
sleep 1
import -window root "$SHOTS/search_notebook.png" 2>/dev/null
# What is typed now goes into that page.
xdotool windowactivate --sync "$NOTEBOOK" 2>/dev/null
eval "$(xdotool getwindowgeometry --shell "$NOTEBOOK")"
xdotool mousemove $((X + WIDTH - 150)) $((Y + HEIGHT / 2)) click 1
sleep 0.3
xdotool key ctrl+End
type_cyrillic " проверено"
xdotool key ctrl+s
sleep 0.8
check "the notebook shows the found page" bash -c "sqlite3 '$DATA/notebook.db' \"select data from notebook where name = 'План встречи'\" | grep -q 'проверено'"

# Ctrl+F in the notebook brings the search back, the query ready.
xdotool windowminimize --sync "$SEARCH" 2>/dev/null
sleep 0.5
xdotool windowactivate --sync "$NOTEBOOK" key ctrl+f
sleep 1
check "Ctrl+F in the notebook shows \"Поиск\"" test "$(xdotool getactivewindow getwindowname 2>/dev/null)" = "Поиск"
# The page saved above is found by its new word at once.
xdotool key ctrl+a
type_cyrillic "проверен"
sleep 1
xdotool key Return
sleep 1
check "a word saved a moment ago is found" test "$(grep -c 'opening page План встречи' "$E2E_TMP/log")" -ge 2

if [ "$fails" -ne 0 ]; then
  echo "--- program log"; cat "$E2E_TMP/log"
  cp "$E2E_TMP"/*.png /tmp/ 2>/dev/null
fi
finish
