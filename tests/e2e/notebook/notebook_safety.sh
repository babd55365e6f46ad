#!/usr/bin/env bash
# End to end: nothing typed in the notebook is lost. The installed program
# under Xvfb with openbox: a stop signal ends it cleanly (size file written,
# the window back in its place at each start); a second start hands over
# and exits; kill -9 while typing, then a start (over the stale lock and
# socket) offers the draft; SIGTERM while typing keeps it too; a save while
# another program (sqlite3) holds the database says why and loses nothing;
# a database held at start does not hold up the clock.
set -u
source "$(dirname "$0")/../lib.sh"
BUILD=$1
skip_unless_installed Xvfb openbox xdotool xwininfo sqlite3 setxkbmap

install_program "$BUILD"
start_x with-wm
data_home "$E2E_PREFIX/share/orvella/app_data"
rm -f "$DATA/notebook.db"
cd "$E2E_TMP"

db_text() { sqlite3 "$DATA/notebook.db" "select data from notebook where name = '$1'"; }
type_cyrillic() {
  setxkbmap -layout ru
  sleep 0.3
  xdotool type --delay 50 "$1"
  setxkbmap -layout us
  sleep 0.3
}
start_program() {
  launch "$E2E_TMP/log" "$E2E_PREFIX/bin/orvella"
  CLOCK=$(wait_window '^Orvella$' 15)
}
clock_menu() {
  xdotool mousemove --window "$CLOCK" 40 40 click 3
  sleep 0.6
  xdotool key --delay 60 $(for _ in $(seq 1 "$1"); do printf 'Down '; done) Return
}
open_notebook() {
  clock_menu 4
  NOTEBOOK=$(wait_window '^Заметки\. База: ' 10)
  [ -n "$NOTEBOOK" ] && xdotool windowactivate --sync "$NOTEBOOK" 2>/dev/null
  sleep 0.5
}
position() { xwininfo -id "$1" | awk '/Absolute upper-left [XY]/ {printf "%s ", $4}'; }
stop_with() { # stop_with SIGNAL -> $STATUS, the program's exit status
  kill -"$1" "$PID"
  wait "$PID" 2>/dev/null
  STATUS=$?
}
click_editor() {
  eval "$(xdotool getwindowgeometry --shell "$NOTEBOOK")"
  xdotool mousemove $((X + WIDTH - 150)) $((Y + HEIGHT / 2)) click 1
  sleep 0.2
}
answer_offer() { # answer_offer KEY: the question about unsaved changes of an earlier run
  OFFER=$(wait_window '^Заметки$' 10)
  [ -n "$OFFER" ] && xdotool windowactivate --sync "$OFFER" key "$1"
  sleep 0.8
}

# --- stop signals and the window's place ------------------------------------
start_program
check "clock window shown" test -n "$CLOCK"
open_notebook
check "notebook opens" test -n "$NOTEBOOK"
first=$(position "$NOTEBOOK")
stop_with TERM
check "SIGTERM ends the program normally (status $STATUS)" test "$STATUS" -eq 0
check "SIGTERM writes notebook_size.dat" test -s "$DATA/notebook_size.dat"
for round in 1 2; do
  start_program
  open_notebook
  now=$(position "$NOTEBOOK")
  check "start $round: the notebook is where it was ($first / $now)" test "$now" = "$first"
  [ "$round" = 1 ] && stop_with INT || stop_with HUP
  check "SIGINT/SIGHUP end the program normally too" test "$STATUS" -eq 0
done

# --- one instance ------------------------------------------------------------
start_program
"$E2E_PREFIX/bin/orvella" >>"$E2E_TMP/log2" 2>&1 &
second=$!
E2E_PIDS+=($second)
for _ in $(seq 1 50); do kill -0 "$second" 2>/dev/null || break; sleep 0.1; done
check "a second start exits" bash -c "! kill -0 $second 2>/dev/null"
check "the first one still runs" kill -0 "$PID"
check "the second one said why" grep -q "already runs" "$E2E_TMP/log2"

# --- kill -9 while typing: the draft is offered --------------------------------
open_notebook
TITLE="Черновик"
xdotool windowactivate --sync "$NOTEBOOK" key ctrl+n
sleep 0.6
xdotool key --delay 80 Down Return
wait_window '^Тема заметки:$' 5 >/dev/null
xdotool key ctrl+a
type_cyrillic "$TITLE"
xdotool key Return
sleep 0.8
click_editor
TEXT="Набрано и не сохранено"
type_cyrillic "$TEXT"
sleep 5 # a pause in typing: the draft is written
kill -9 "$PID"
wait "$PID" 2>/dev/null
check "nothing of it in the database yet" test -z "$(db_text "$TITLE")"
check "a draft beside the database" bash -c "ls '$DATA/notebook_drafts/'*.draft >/dev/null"
check "the draft is the user's alone" test "$(stat -c %a "$DATA"/notebook_drafts/*.draft | head -1)" = 600
start_program
check "the lock and socket of the killed run do not stop a start" test -n "$CLOCK"
answer_offer Return # Восстановить
check "the next start offers the draft" test -n "$OFFER"
NOTEBOOK=$(wait_window '^Заметки\. База: ' 5)
check "restoring shows the notebook" test -n "$NOTEBOOK"
xdotool windowactivate --sync "$NOTEBOOK" key ctrl+s
sleep 0.6
check "the restored text is saved" test "$(db_text "$TITLE")" = "$TEXT"
check "the draft is gone once saved" bash -c "! ls '$DATA/notebook_drafts/'*.draft 2>/dev/null"

# --- SIGTERM while typing ------------------------------------------------------
click_editor
xdotool key ctrl+End
type_cyrillic " и ещё"
stop_with TERM # no pause: kept at once
check "SIGTERM while typing ends the program normally" test "$STATUS" -eq 0
check "and keeps a draft" bash -c "ls '$DATA/notebook_drafts/'*.draft >/dev/null"
start_program
answer_offer Return
NOTEBOOK=$(wait_window '^Заметки\. База: ' 5)
[ -n "$NOTEBOOK" ] && xdotool windowactivate --sync "$NOTEBOOK" key ctrl+s
sleep 0.6
check "the text typed before SIGTERM is saved" test "$(db_text "$TITLE")" = "$TEXT и ещё"

# --- a save while another program holds the database ---------------------------
click_editor
xdotool key ctrl+End
type_cyrillic " под замком"
(echo "begin exclusive;"; sleep 4; echo "rollback;") | sqlite3 "$DATA/notebook.db" &
locker=$!
E2E_PIDS+=($locker)
sleep 0.5
xdotool windowactivate --sync "$NOTEBOOK" key ctrl+s
box=$(wait_window '^Внимание$' 5)
check "a save under the lock is refused with a box" test -n "$box"
check "which says the database is in use by another program" grep -q "занята другой программой" "$E2E_TMP/log"
[ -n "$box" ] && xdotool windowactivate --sync "$box" key Return
wait "$locker"
check "the stored page is as it was" test "$(db_text "$TITLE")" = "$TEXT и ещё"
xdotool windowactivate --sync "$NOTEBOOK" key ctrl+s
sleep 0.6
check "once the lock is gone the save goes through" test "$(db_text "$TITLE")" = "$TEXT и ещё под замком"
stop_with TERM

# --- a database held at start ---------------------------------------------------
(echo "begin exclusive;"; sleep 6; echo "rollback;") | sqlite3 "$DATA/notebook.db" &
locker=$!
E2E_PIDS+=($locker)
sleep 0.5
start_program
check "the clock shows while the database is still held" bash -c "test -n '$CLOCK' && kill -0 $locker"
wait "$locker"
open_notebook
check "the notebook opens once it is free" test -n "$NOTEBOOK"
for _ in $(seq 1 30); do grep -q "the database can be read again" "$E2E_TMP/log" && break; sleep 0.2; done
check "and reads its pages" grep -q "the database can be read again" "$E2E_TMP/log"
import -window root "$E2E_TMP/notebook_after_lock.png" 2>/dev/null
stop_with TERM

if [ "$fails" -ne 0 ]; then
  echo "--- program log"; cat "$E2E_TMP/log"
  cp "$E2E_TMP"/*.png /tmp/ 2>/dev/null
fi
finish
