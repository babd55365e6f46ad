#!/usr/bin/env bash
# A careless hand edit while the installed program runs: a group line
# without its "]" appended to my_notes.ini. Every note stays, in the file
# and in the program; a box says the line could not be read; when the
# program next writes the file (a reminder marked shown), the damaged file
# is kept aside as my_notes.ini.unreadable and every note is written back.
set -u
source "$(dirname "$0")/../lib.sh"
BUILD=$1
SHOTS=${ORVELLA_E2E_SHOTS:-}

skip_unless_installed Xvfb openbox xdotool faketime iconv

start_x with-wm
install_program "$BUILD"
data_home "$E2E_PREFIX/share/orvella/app_data"
NOTES=$DATA/my_notes.ini
notes_utf8() { from_cp1251 "$NOTES"; }
shot() { [ -n "$SHOTS" ] && import -window root "$SHOTS/$1.png" 2>/dev/null; true; }
count_notes() { grep -c '^17727000[0-9][0-9]=' <(from_cp1251 "$1"); }

to_cp1251 "$NOTES" <<'EOF2'
[01.03.2026]
1772700001=первая, 0, 00:00

[02.03.2026]
1772700002=вторая, 0, 00:00

[03.03.2026]
1772700003=третья, 0, 00:00

[04.03.2026]
1772700004=четвёртая, 0, 00:00

[05.03.2026]
1772700005=Позвонить маме, 2, 10:15

[06.03.2026]
1772700006=шестая, 0, 00:00
EOF2

cd "$E2E_TMP"
launch_faked "@2026-03-05 10:14:30"
sleep 4
check "program started" kill -0 "$PID"

printf '[15.03.2026\n' >>"$NOTES"
cp "$NOTES" "$E2E_TMP/damaged"

box=$(wait_window '^Внимание!$' 30)
check "the user is told" test -n "$box"
shot malformed_line_box
check "every note still in the file" test "$(count_notes "$NOTES")" = 6
check "no copy kept yet: nothing was written" test ! -e "$NOTES.unreadable"
[ -n "$box" ] && xdotool windowactivate --sync "$box" key Return 2>/dev/null

sticker=$(wait_window '^Вам напоминание\.\.\.$' 40)
check "the reminder of 10:15 pops up" test -n "$sticker"
sleep 2
shot malformed_line_reminder
check "marked shown on disk" grep -q '^1772700005=Позвонить маме, 2, 10:15, 05:03:2026:10:15, 1' <(notes_utf8)
check "every note written back" test "$(count_notes "$NOTES")" = 6
check "the damaged file kept aside as it was" cmp -s "$NOTES.unreadable" "$E2E_TMP/damaged"
check "kept aside privately" test "$(stat -c %a "$NOTES.unreadable")" = 600
check "told once" test "$(xdotool search --onlyvisible --name '^Внимание!$' 2>/dev/null | wc -l)" = 0
check "program still running" kill -0 "$PID"
finish
