#!/usr/bin/env bash
# First start of the installed program for a new user (no data folder yet):
# the folder is made from the installation without a word and the clock
# appears. Then a data folder that lost calendar.ini: it is restored with
# the warning, and the user's own clock.ini is kept.
set -u
source "$(dirname "$0")/../lib.sh"
BUILD=$1

install_program "$BUILD"
start_x with-wm
data_home
SHIPPED=$E2E_PREFIX/share/orvella/app_data

cd "$E2E_TMP"   # no ./app_data here: the installed one must be found
launch "$E2E_TMP/log" "$E2E_PREFIX/bin/orvella"

clock=$(wait_window '^Orvella$' 15)
check "clock window titled Orvella is shown" test -n "$clock"
sleep 1
check "no warning on a first start" test -z "$(xdotool search --onlyvisible --name '^Внимание' 2>/dev/null)"
import -window root "$E2E_TMP/first.png" 2>/dev/null
for f in clock.ini calendar.ini qt_ru.qm notebook.db plugins/imageformats/libqgif.so; do
  [ -e "$SHIPPED/$f" ] || continue
  check "made $f" test -s "$DATA/$f"
done
check "made files match the installation" cmp -s "$DATA/clock.ini" "$SHIPPED/clock.ini"
check "one log line says the folder was made" test "$(grep -c 'new data folder' "$E2E_TMP/log")" -eq 1
check "program still running" kill -0 $PID

# A second start hands over to the first and exits.
start=$(date +%s%N)
"$E2E_PREFIX/bin/orvella" >"$E2E_TMP/log2" 2>&1
rc=$?
check "second start exits cleanly" test $rc -eq 0
check "second start is quick" test $(( ($(date +%s%N) - start) / 1000000 )) -lt 5000
check "only one instance runs" test "$(pgrep -c -f "$E2E_PREFIX/bin/orvella")" -eq 1

kill $PID; wait $PID 2>/dev/null

# The folder exists and lost a file: restore what is missing, keep the rest, say so.
printf '[TYPE]\r\nclock=digital\r\nposx=333\r\n[e2e]\r\nmine=1\r\n' >"$DATA/clock.ini"
rm "$DATA/calendar.ini"
launch "$E2E_TMP/log3" "$E2E_PREFIX/bin/orvella"
box=$(wait_window '^Внимание!$' 15)
check "restoration warning shown for a folder that lost a file" test -n "$box"
import -window root "$E2E_TMP/warning.png" 2>/dev/null
check "calendar.ini restored" cmp -s "$DATA/calendar.ini" "$SHIPPED/calendar.ini"
check "the user's clock.ini is kept" grep -q '^mine=1' "$DATA/clock.ini"
check "the user's face and position are kept" bash -c "grep -q '^clock=digital' '$DATA/clock.ini' && grep -q '^posx=333' '$DATA/clock.ini'"
[ -n "$box" ] && xdotool windowactivate --sync "$box" key --clearmodifiers Return 2>/dev/null
clock=$(wait_window '^Orvella$' 10)
check "clock shown after the warning" test -n "$clock"

if [ "$fails" -ne 0 ]; then
  echo "--- program log"; cat "$E2E_TMP/log" "$E2E_TMP/log3"
  cp "$E2E_TMP/first.png" /tmp/orvella-e2e-first-start.png 2>/dev/null
  cp "$E2E_TMP/warning.png" /tmp/orvella-e2e-restoration.png 2>/dev/null
fi
finish
