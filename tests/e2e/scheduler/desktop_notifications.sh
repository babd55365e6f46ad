#!/usr/bin/env bash
# Reminders in a real notification centre (dunst on the test's display and
# session bus): three events fire at once with the option on; one is
# dismissed in dunst, one put off with dunst's menu ("Отложить на 10
# минут"), one closed on its sticker. Each time the other side follows, and
# dunst's history holds what it was sent.
set -u
source "$(dirname "$0")/../lib.sh"
BUILD=$1
SHOTS=${ORVELLA_E2E_SHOTS:-}

skip_unless_installed Xvfb xdotool faketime dunst dunstctl dbus-launch

start_x with-wm
install_program "$BUILD"
data_home "$E2E_PREFIX/share/orvella/app_data"
sed -i 's/^\[TYPE\]\r\?$/[TYPE]\ndesktop_notify=true/' "$DATA/clock.ini"

to_cp1251 "$DATA/alarm.ini" <<INI
[1772705001]
name=first
time=10:15
date=05.03.2026
repeat=0
alarmmessage=Первое напоминание
[1772705002]
name=second
time=10:15
date=05.03.2026
repeat=0
alarmmessage=Второе напоминание
[1772705003]
name=third
time=10:15
date=05.03.2026
repeat=0
alarmmessage=Третье напоминание
INI

# A session bus of our own, and dunst on it; its menu program picks the
# put-off button as a user would.
eval "$(dbus-launch --sh-syntax)"
E2E_PIDS+=("$DBUS_SESSION_BUS_PID")
cat >"$E2E_TMP/pick.sh" <<'SCRIPT'
#!/bin/sh
grep -m1 'Отложить'
SCRIPT
chmod +x "$E2E_TMP/pick.sh"
printf '[global]\ndmenu = %s\n' "$E2E_TMP/pick.sh" >"$E2E_TMP/dunstrc"
launch "$E2E_TMP/dunst.log" dunst -config "$E2E_TMP/dunstrc"
wait_for 10 dunstctl is-paused
check "dunst answers on the session bus" dunstctl is-paused

stikers() { xdotool search --onlyvisible --name '^Вам напоминание\.\.\.$' 2>/dev/null | wc -l; }
displayed() { dunstctl count displayed 2>/dev/null; }
history_has() { dunstctl history | grep -q "$1"; }

cd "$E2E_TMP"
export QT_LOGGING_RULES="orvella.scheduler.debug=true"
launch_faked '@2026-03-05 10:14:55'

wait_for 40 test "$(stikers)" -eq 3
check "three stickers in the events' minute" test "$(stikers)" -eq 3
wait_for 10 test "$(displayed)" -eq 3
check "three notifications in dunst" test "$(displayed)" -eq 3
sleep 1
[ -n "$SHOTS" ] && import -window root "$SHOTS/notifications.png" 2>/dev/null

# Dismissed in the notification centre: its sticker goes.
dunstctl close
wait_for 10 test "$(stikers)" -eq 2
check "dismissing a notification closes its sticker" test "$(stikers)" -eq 2
check "dunst got the reminder's text and title" \
  bash -c "dunstctl history | grep -q 'Вам напоминание' && dunstctl history | grep -Eq '(Первое|Второе|Третье) напоминание'"

# "Отложить на 10 минут" from dunst's menu: the sticker goes and comes back later.
dunstctl action 0
wait_for 10 test "$(stikers)" -eq 1
check "putting off in dunst closes its sticker" test "$(stikers)" -eq 1
wait_for 10 test -s "$DATA/snooze.ini"
check "the reminder is kept for ten minutes later" grep -q 'due_at=05.03.2026 10:2[56]' "$DATA/snooze.ini"

# The last sticker closed with a right click: its notification goes.
stiker=$(xdotool search --onlyvisible --name '^Вам напоминание\.\.\.$' | head -1)
h=$(xdotool getwindowgeometry "$stiker" | awk -F'[ x]' '/Geometry/ {print $NF}')
xdotool mousemove --window "$stiker" 12 $((h / 2)) click 3
wait_for 10 test "$(displayed)" -eq 0
check "closing the sticker takes its notification away" test "$(displayed)" -eq 0
check "all three reminders reached dunst" \
  bash -c "dunstctl history | grep -q 'Первое напоминание' && dunstctl history | grep -q 'Второе напоминание' && dunstctl history | grep -q 'Третье напоминание'"
check "no word of a missing notification centre" bash -c "! grep -q 'no desktop notifications' '$E2E_TMP/log'"
check "program still running" kill -0 "$PID"

if [ "$fails" -ne 0 ]; then
  echo "--- program log"; cat "$E2E_TMP/log"
  echo "--- dunst log"; cat "$E2E_TMP/dunst.log"
  echo "--- dunst history"; dunstctl history
fi
finish
