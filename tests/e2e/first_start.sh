#!/usr/bin/env bash
# First start of the installed program with an empty data home: the data
# folder is restored, the user is told, and the clock window appears.
set -u
source "$(dirname "$0")/lib.sh"
BUILD=$1

install_program "$BUILD"
start_x with-wm
export XDG_DATA_HOME=$E2E_TMP/home
export QT_QPA_PLATFORM=xcb
mkdir -p "$XDG_DATA_HOME"
DATA=$XDG_DATA_HOME/Orvella

cd "$E2E_TMP"   # no ./app_data here: the installed one must be found
"$E2E_PREFIX/bin/orvella" >"$E2E_TMP/log" 2>&1 &
PID=$!
E2E_PIDS+=($PID)

box=$(wait_window '^Внимание!$' 15)
check "restoration warning shown" test -n "$box"
import -window root "$E2E_TMP/warning.png" 2>/dev/null
for f in clock.ini calendar.ini qt_ru.qm plugins/imageformats/libqgif.so; do
  check "restored $f" test -s "$DATA/$f"
done
check "restored files match the installation" cmp -s "$DATA/clock.ini" "$E2E_PREFIX/share/orvella/app_data/clock.ini"

[ -n "$box" ] && xdotool windowactivate --sync "$box" key --clearmodifiers Return 2>/dev/null
clock=$(wait_window '^Orvella$' 10)
check "clock window titled Orvella is shown" test -n "$clock"
check "program still running" kill -0 $PID

# A second start hands over to the first and exits.
start=$(date +%s%N)
"$E2E_PREFIX/bin/orvella" >"$E2E_TMP/log2" 2>&1
rc=$?
check "second start exits cleanly" test $rc -eq 0
check "second start is quick" test $(( ($(date +%s%N) - start) / 1000000 )) -lt 5000
check "only one instance runs" test "$(pgrep -c -f "$E2E_PREFIX/bin/orvella")" -eq 1

if [ "$fails" -ne 0 ]; then
  echo "--- program log"; cat "$E2E_TMP/log"
  cp "$E2E_TMP/warning.png" /tmp/orvella-e2e-first-start.png 2>/dev/null
fi
finish
