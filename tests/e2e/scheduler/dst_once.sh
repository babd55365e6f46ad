#!/usr/bin/env bash
# The hour repeated when daylight-saving time ends (Europe/Berlin,
# 25.10.2026): the installed program, run through that hour at forty times
# real speed, fires each event of 02:30 once - sticker and program - and the
# every-30-minutes event by real time, the second 02:30 included. The clock
# is placed by an offset from an epoch second, since 02:30 local names two
# moments that night.
set -u
source "$(dirname "$0")/../lib.sh"
BUILD=$1

skip_unless_installed Xvfb xdotool faketime

install_program "$BUILD"
start_x with-wm
export TZ=Europe/Berlin
data_home "$E2E_PREFIX/share/orvella/app_data"

MARKER=$E2E_TMP/started.txt
printf '#!/bin/sh\ndate >>"%s"\n' "$MARKER" >"$E2E_TMP/leave_marker.sh"
chmod +x "$E2E_TMP/leave_marker.sh"

to_cp1251 "$DATA/alarm.ini" <<INI
[1772705001]
name=once
time=02:30
date=25.10.2026
repeat=0
alarmmessage=Один раз в 02:30

[1772705002]
name=yearly
time=02:30
date=25.10.2020
repeat=3
alarmmessage=Каждый год в 02:30

[1772705003]
name=daily
time=02:30
repeat=1
day_1=true
day_2=true
day_3=true
day_4=true
day_5=true
day_6=true
day_7=true
alarmmessage=Каждый день в 02:30
run_file=$E2E_TMP/leave_marker.sh

[1772705004]
name=every 30 minutes
time=00:30
repeat=5
repeat_min=30
INI

# 02:15 CEST (00:15 UTC), forty times real speed: the first 02:30 comes
# within half a minute, the second (CET) about a minute and a half later.
start=$(date -d '2026-10-25T00:15:00Z' +%s)
offset=$(( start - $(date +%s) ))
[ "$offset" -ge 0 ] && offset="+$offset"
second_0230=$(date -d '2026-10-25T01:30:00Z' +%s)

cd "$E2E_TMP"
# Firings are logged at debug level; the checks below count them.
export QT_LOGGING_RULES="orvella.scheduler.debug=true"
launch "$E2E_TMP/log" faketime -f "$offset x40" "$E2E_PREFIX/bin/orvella"

# Wait for the every-30-minutes event to record the second 02:30.
utc_of() { from_cp1251 "$DATA/alarm.ini" |
  awk -v g="[$1]" '$0 == g {in_g = 1; next} /^\[/ {in_g = 0} in_g && /^lastrun_utc=/ {sub(/^lastrun_utc=/, ""); print}'; }
for _ in $(seq 1 200); do
  u=$(utc_of 1772705004)
  [ -n "$u" ] && [ "$u" -ge "$second_0230" ] && break
  sleep 1
done
check "reached the second 02:30" test -n "$u" -a "${u:-0}" -ge "$second_0230"
sleep 3 # two more minutes of the program's time

fires() { grep -c "event \"$1\" is due" "$E2E_TMP/log"; }
for key in 1772705001 1772705002 1772705003; do
  check "event $key fired once (fired $(fires $key))" test "$(fires $key)" -eq 1
done
check "every-30-minutes event fired at 02:30, 02:00 and 02:30 again (fired $(fires 1772705004))" \
  test "$(fires 1772705004)" -eq 3
check "program started once" test "$(wc -l <"$MARKER" 2>/dev/null || echo 0)" -eq 1
check "three stickers" test "$(xdotool search --onlyvisible --name '^Вам напоминание\.\.\.$' | wc -l)" -eq 3
check "lastrun keeps its form" grep -q '^lastrun=25:10:2026:02:30' "$DATA/alarm.ini"
[ -n "${ORVELLA_E2E_SHOTS:-}" ] && import -window root "$ORVELLA_E2E_SHOTS/dst.png" 2>/dev/null
check "program still running" kill -0 $PID

if [ "$fails" -ne 0 ]; then
  echo "--- program log"; cat "$E2E_TMP/log"
  echo "--- alarm.ini"; from_cp1251 "$DATA/alarm.ini"
fi
finish
