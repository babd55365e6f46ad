#!/bin/bash
# Idle CPU of the analog clock alone and of the analog clock with the
# calendar shown (start mode 1), run side by side under one Xvfb for the
# same stretch of time, so both figures share the machine's conditions.
#
# Usage: idle_cpu.sh [build folder] [seconds measured] [seconds to settle]
set -euo pipefail
source "$(dirname "$0")/../lib/idle_cpu_lib.sh"
idle_cpu_setup 341 "$@"
[ -f "$app_data/Calendar_skins/calendar_1.png" ] || { echo "no calendar skins in $app_data" >&2; exit 1; }

# Some notes, a few on today, so the calendar has rings and the check reads notes.
notes() {
    local today
    today=$(date +%d.%m.%Y)
    printf '[%s]\n1700000000=first, 0, 00:00\n1700000001=second, 2, 23:59\n\n' "$today"
    for d in 1 3 8 15; do
        printf '[%s]\n17000001%02d=note %s\n\n' "$(date -d "+$d day" +%d.%m.%Y)" "$d" "$d"
    done
}

for run in clock calendar; do
    home=$(idle_cpu_home "$run")
    sed -i 's/^clock=.*/clock=analog/' "$home/Orvella/clock.ini"
    if [ "$run" = calendar ]; then
        sed -i 's/^set_start=.*/set_start=1/' "$home/Orvella/clock.ini"
        notes >"$home/Orvella/my_notes.ini"
    fi
    idle_cpu_start_program "$run" "$home"
done

idle_cpu_measure clock calendar
c=${cpu_per_minute[clock]}
k=${cpu_per_minute[calendar]}
echo "Idle CPU over ${measure} s (after ${settle} s to settle), ms of CPU per minute:"
printf '  %-24s %6s\n' "analog clock alone" "$c"
printf '  %-24s %6s   %s x the clock alone\n' "analog clock + calendar" "$k" "$(ratio "$k" "$c")"
