#!/usr/bin/env bash
# An event written into alarm.ini for the coming minute fires on the running
# program exactly once: sticker, sound, tone and program. The clock is moved
# with faketime so the minute comes ten seconds after the start.
set -u
source "$(dirname "$0")/../lib.sh"
BUILD=$1
SHOTS=${ORVELLA_E2E_SHOTS:-}

skip_unless_installed Xvfb xdotool faketime

start_x with-wm
data_home "$BUILD/share/orvella/app_data"   # a restored data folder: no warning box

MARKER=$E2E_TMP/started.txt
cat >"$E2E_TMP/leave_marker.sh" <<SCRIPT
#!/bin/sh
echo "\$(pwd) \$# [\$1] [\$2] [\$3]" >>"$MARKER"
SCRIPT
chmod +x "$E2E_TMP/leave_marker.sh"

# The settings format stores text in CP1251.
to_cp1251 "$DATA/alarm.ini" <<INI
[1772705000]
name=e2e
time=10:15
date=05.03.2026
repeat=0
alarmmessage=Проверка напоминания
soundfile=$DATA/Sound/bell.wav
beep_pc=true
run_file=$E2E_TMP/leave_marker.sh
run_arg=one  two
INI

start_recording

cd "$E2E_TMP"
# Firings are logged at debug level; the checks below count them.
export QT_LOGGING_RULES="orvella.scheduler.debug=true"
launch "$E2E_TMP/log" faketime -f '@2026-03-05 10:14:50' "$BUILD/bin/orvella"

stiker=$(wait_window '^Вам напоминание\.\.\.$' 40)
check "sticker shown in the event's minute" test -n "$stiker"
sleep 1
[ -n "$SHOTS" ] && import -window root "$SHOTS/sticker.png" 2>/dev/null
for _ in $(seq 1 50); do [ -s "$MARKER" ] && break; sleep 0.1; done
check "program started" test -s "$MARKER"
check "program got three arguments in its own folder" grep -qx "$E2E_TMP 3 \[one\] \[\] \[two\]" "$MARKER"

# Stay through the rest of the minute and the next tick after it.
sleep 62
check "program started exactly once" test "$(wc -l <"$MARKER")" -eq 1
check "exactly one sticker" test "$(xdotool search --onlyvisible --name '^Вам напоминание\.\.\.$' | wc -l)" -eq 1
check "fired once by the log" test "$(grep -c 'is due' "$E2E_TMP/log")" -eq 1
check "lastrun written" grep -q 'lastrun=05:03:2026:10:15' "$DATA/alarm.ini"
check "program still running" kill -0 $PID

if [ -n "$recording" ]; then
  stop_recording
  all=$(recorded_rms remix 1)
  tone=$(recorded_rms remix 1 sinc 950-1050)
  echo "recorded: RMS $all overall, $tone around 1000 Hz"
  check "sound reached the sound server" awk -v v="$all" 'BEGIN { exit !(v > 0.01) }'
  # The bell alone gives about 0.002 in that band over the recording.
  check "1000 Hz tone reached the sound server" awk -v v="$tone" 'BEGIN { exit !(v > 0.005) }'
else
  echo "no sound server (or parec/sox missing): sound not checked"
  [ "${ORVELLA_REQUIRE_AUDIO:-0}" = 1 ] && check "sound server present" false
fi

# A right click on the sticker's margin (the text panel keeps its own menu)
# closes it.
if [ -n "$stiker" ]; then
  h=$(xdotool getwindowgeometry "$stiker" | awk -F'[ x]' '/Geometry/ {print $NF}')
  xdotool mousemove --window "$stiker" 12 $(( h / 2 )) click 3 2>/dev/null
  sleep 1
  check "right click closes the sticker" test -z "$(xdotool search --onlyvisible --name '^Вам напоминание\.\.\.$')"
fi

if [ "$fails" -ne 0 ]; then
  echo "--- program log"; cat "$E2E_TMP/log"
  echo "--- alarm.ini"; from_cp1251 "$DATA/alarm.ini"
fi
finish
