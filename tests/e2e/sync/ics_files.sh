#!/usr/bin/env bash
# iCalendar files with the installed program, from the command line: the
# shipped data plus an event of every repeat mode and notes of both kinds
# export to a file another program reads, and importing it back adds
# nothing twice; a file that is no calendar changes nothing and fails.
set -u
source "$(dirname "$0")/../lib.sh"
BUILD=$1
install_program "$BUILD"
data_home "$E2E_PREFIX/share/orvella/app_data"
ORVELLA=$E2E_PREFIX/bin/orvella

to_cp1251 "$DATA/alarm.ini" <<'INI'
[1772705000]
name=Один раз
time=10:15
date=05.03.2026
repeat=0
alarmmessage=Однократное
[1772705001]
name=По будням
time=08:00
date=05.03.2026
repeat=1
day_1=true
day_2=true
day_3=true
day_4=true
day_5=true
alarmmessage=Подъём
soundfile=/usr/share/sounds/bell.wav
[1772705002]
name=Ежемесячно
time=12:00
date=15.03.2026
repeat=2
month_1=true
month_6=true
[1772705003]
name=Ежегодно
time=09:00
date=08.03.2026
repeat=3
[1772705004]
name=Через 30 минут
time=10:45
date=05.03.2026
repeat=4
repeat_min=30
[1772705005]
name=Каждые 15 минут
time=00:15
date=05.03.2026
repeat=5
repeat_min=15
run_file=/bin/true
INI
to_cp1251 "$DATA/my_notes.ini" <<'INI'
[31.12.2026]
1798700000=Новый год, 2, 23:55
1798700001=Купить ёлку, 0, 00:00
INI

out=$("$ORVELLA" --export-ics "$E2E_TMP/all.ics" 2>&1)
echo "$out"
check "export succeeds" test -s "$E2E_TMP/all.ics"
check "export counts five events and two notes" grep -q 'событий 5, заметок 2' <<<"$out"
check "the after-n-minutes event is left out with a reason" grep -q 'Через 30 минут' <<<"$out"
# Another program reads it: the python icalendar package (Debian's python3-icalendar).
py=/usr/bin/python3
if $py -c 'import icalendar' 2>/dev/null; then
  counts=$($py - "$E2E_TMP/all.ics" <<'PY'
import sys, icalendar
cal = icalendar.Calendar.from_ical(open(sys.argv[1], 'rb').read())
ev = [c for c in cal.walk('VEVENT')]
jo = [c for c in cal.walk('VJOURNAL')]
rules = sorted(str(c.get('RRULE').to_ical(), 'ascii') for c in ev if c.get('RRULE'))
print(len(ev), len(jo), len(cal.walk('VTIMEZONE')), ';'.join(rules))
PY
)
  echo "python icalendar read: $counts"
  check "another program reads 6 VEVENTs and a VJOURNAL" test "$(cut -d' ' -f1-2 <<<"$counts")" = "6 1"
  check "every repeat rule is there" grep -q 'FREQ=MINUTELY;INTERVAL=15' <<<"$counts"
else
  check "python3-icalendar installed" false
fi

before=$(md5sum "$DATA/alarm.ini" "$DATA/my_notes.ini" | md5sum)
out=$("$ORVELLA" --import-ics "$E2E_TMP/all.ics" 2>&1)
echo "$out"
check "re-import adds nothing" grep -q 'добавлено 0, обновлено 0, без изменений 7' <<<"$out"
check "still two notes" test "$(from_cp1251 "$DATA/my_notes.ini" | grep -c '^[0-9]*=')" -eq 2

echo "not a calendar" >"$E2E_TMP/bad.ics"
before=$(cat "$DATA/alarm.ini" "$DATA/my_notes.ini" | md5sum)
"$ORVELLA" --import-ics "$E2E_TMP/bad.ics" >"$E2E_TMP/bad.out" 2>&1
rc=$?
cat "$E2E_TMP/bad.out"
check "a file that is no calendar fails" test "$rc" -ne 0
check "with a clear message" grep -q 'не файл iCalendar' "$E2E_TMP/bad.out"
check "and nothing of ours changed" test "$before" = "$(cat "$DATA/alarm.ini" "$DATA/my_notes.ini" | md5sum)"
"$ORVELLA" --import-ics "$E2E_TMP/missing.ics" >/dev/null 2>&1
check "a missing file fails" test $? -ne 0
finish
