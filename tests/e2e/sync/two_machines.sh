#!/usr/bin/env bash
# Two machines (two data folders) of the installed program against one real
# CalDAV server (Radicale on 127.0.0.1): a note made on A reaches B; an
# event due in a faked minute fires on A only, and B sees it acknowledged;
# a note edited on both while B is offline keeps one winner and a visible
# conflict copy; a server that stops loses nothing and the next sync recovers.
set -u
source "$(dirname "$0")/../lib.sh"
source "$(dirname "$0")/sync_lib.sh"
BUILD=$1
skip_unless_installed Xvfb xdotool faketime radicale curl dbus-launch gnome-keyring-daemon

install_program "$BUILD"
ORVELLA=$E2E_PREFIX/bin/orvella
start_x with-wm
start_secret_store
check "Radicale started" start_radicale || { finish; exit 1; }
CAL=$(make_calendar orvella)
check "calendar made" test -n "$CAL"

machine a
machine b
for m in a b; do
  printf '%s\n' "$RADICALE_PASSWORD" | on $m "$ORVELLA" --sync-setup "$RADICALE_URL" "$RADICALE_USER" "$CAL" \
    >"$E2E_TMP/setup_$m.out" 2>&1
  check "machine $m set up" grep -q "syncing with $CAL" "$E2E_TMP/setup_$m.out"
done
check "no password in any file of ours" bash -c "! grep -rq -- '$RADICALE_PASSWORD' '$E2E_TMP/a/Orvella' '$E2E_TMP/b/Orvella'"

# --- a note and an event made on A reach B
minute=13:00
cat >"$E2E_TMP/items.ics" <<ICS
BEGIN:VCALENDAR
VERSION:2.0
PRODID:-//e2e//EN
BEGIN:VJOURNAL
UID:note-1@e2e
DTSTAMP:20261201T000000Z
DTSTART;VALUE=DATE:20261220
SUMMARY:Купить молоко
END:VJOURNAL
BEGIN:VEVENT
UID:lunch@e2e
DTSTAMP:20261201T000000Z
DTSTART:20261201T130000
RRULE:FREQ=DAILY
SUMMARY:Обед
BEGIN:VALARM
ACTION:DISPLAY
DESCRIPTION:Пора обедать
TRIGGER:PT0S
END:VALARM
END:VEVENT
END:VCALENDAR
ICS
on a "$ORVELLA" --import-ics "$E2E_TMP/items.ics"
out=$(on a "$ORVELLA" --sync-now 2>&1); echo "A: $out"
check "A sends its note and event" grep -q 'отправлено 2' <<<"$out"
out=$(on b "$ORVELLA" --sync-now 2>&1); echo "B: $out"
check "B receives them" grep -q 'получено 2' <<<"$out"
check "the note is in B's notes" grep -q 'Купить молоко' <(from_cp1251 "$E2E_TMP/b/Orvella/my_notes.ini")
check "the event is in B's events" grep -q 'name=Обед' <(from_cp1251 "$E2E_TMP/b/Orvella/alarm.ini")

# --- the event's minute comes on both machines; one fires it
# Both run with the same faked clock: A from 20 s before the minute, B from
# 8 s after it, by when A has claimed the firing.
offset=$(printf '%+d' $(( $(date -d "2026-12-09 $minute:00" +%s) - 20 - $(date +%s) )))
export QT_LOGGING_RULES='orvella.*.info=true'
XDG_DATA_HOME=$E2E_TMP/a faketime -f "${offset}s" "$ORVELLA" >>"$E2E_TMP/log_a" 2>&1 &
E2E_PIDS+=($!)
sleep 28
XDG_DATA_HOME=$E2E_TMP/b faketime -f "${offset}s" "$ORVELLA" >>"$E2E_TMP/log_b" 2>&1 &
E2E_PIDS+=($!)
sleep 15
stickers() { # stickers LOG -> the number of reminder stickers of the program writing LOG
  local pid
  pid=$(pgrep -f "^$ORVELLA$" | while read -r p; do
    tr '\0' '\n' <"/proc/$p/environ" 2>/dev/null | grep -qx "XDG_DATA_HOME=$E2E_TMP/$1" && echo "$p"
  done | head -n1)
  [ -n "$pid" ] || { echo 0; return; }
  xdotool search --all --onlyvisible --pid "$pid" --name '^Вам напоминание\.\.\.$' 2>/dev/null | wc -l
}
sa=$(stickers a); sb=$(stickers b)
echo "stickers: A $sa, B $sb"
check "the event fired on A" test "$sa" -eq 1
check "and not on B" test "$sb" -eq 0
check "B saw it fired elsewhere" grep -q 'was fired on another machine' "$E2E_TMP/log_b"
check "the server holds the acknowledgement" bash -c \
  "curl -sf -u '$RADICALE_USER:$RADICALE_PASSWORD' '${CAL}' -X REPORT -H 'Depth: 1' \
   --data '<c:calendar-query xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:caldav\"><d:prop><c:calendar-data/></d:prop><c:filter><c:comp-filter name=\"VCALENDAR\"/></c:filter></c:calendar-query>' \
   | grep -q 'ACKNOWLEDGED:20261209T1300'"
pkill -TERM -f "^$ORVELLA$"
sleep 1
out=$(on b "$ORVELLA" --sync-now 2>&1); echo "B: $out"
check "B has the firing recorded" grep -q 'lastrun=09:12:2026:13:00' <(from_cp1251 "$E2E_TMP/b/Orvella/alarm.ini")

# --- the same note edited on both sides while B is offline
sed 's/Купить молоко/Купить молоко и хлеб/' "$E2E_TMP/items.ics" >"$E2E_TMP/edit_a.ics"
sed 's/Купить молоко/Купить молоко и сыр/' "$E2E_TMP/items.ics" >"$E2E_TMP/edit_b.ics"
on a "$ORVELLA" --import-ics "$E2E_TMP/edit_a.ics" >/dev/null
on a "$ORVELLA" --sync-now >/dev/null 2>&1
sleep 1.2
on b "$ORVELLA" --import-ics "$E2E_TMP/edit_b.ics" >/dev/null
out=$(on b "$ORVELLA" --sync-now 2>&1); echo "B: $out"
check "B reports the conflict" grep -q 'конфликтов 1' <<<"$out"
on a "$ORVELLA" --sync-now >/dev/null 2>&1
for m in a b; do
  notes=$(from_cp1251 "$E2E_TMP/$m/Orvella/my_notes.ini")
  check "$m keeps the later edit" grep -q '=Купить молоко и сыр,' <<<"$notes"
  check "$m keeps the other as a conflict copy" grep -q '=(конфликт) Купить молоко и хлеб,' <<<"$notes"
done

# --- the server stops: nothing is lost, the next sync recovers
stop_radicale
cat >"$E2E_TMP/offline.ics" <<ICS
BEGIN:VCALENDAR
VERSION:2.0
PRODID:-//e2e//EN
BEGIN:VJOURNAL
UID:offline@e2e
DTSTAMP:20261201T000000Z
DTSTART;VALUE=DATE:20261221
SUMMARY:Записано без сервера
END:VJOURNAL
END:VCALENDAR
ICS
on a "$ORVELLA" --import-ics "$E2E_TMP/offline.ics" >/dev/null
out=$(on a "$ORVELLA" --sync-now 2>&1); rc=$?; echo "A: $out"
check "a sync without the server fails" test "$rc" -ne 0
check "and says the server is unreachable" grep -q 'недоступен' <<<"$out"
check "the note stays" grep -q 'Записано без сервера' <(from_cp1251 "$E2E_TMP/a/Orvella/my_notes.ini")
start_radicale
out=$(on a "$ORVELLA" --sync-now 2>&1); echo "A: $out"
check "the next sync goes through" grep -q 'отправлено 1' <<<"$out"
on b "$ORVELLA" --sync-now >/dev/null 2>&1
check "and the note reaches B" grep -q 'Записано без сервера' <(from_cp1251 "$E2E_TMP/b/Orvella/my_notes.ini")

if [ "$fails" -ne 0 ]; then
  echo "--- A"; tail -30 "$E2E_TMP/log_a"; echo "--- B"; tail -30 "$E2E_TMP/log_b"
  echo "--- radicale"; tail -20 "$E2E_TMP/radicale.log"
fi
finish
