#!/bin/bash
# Idle cost of each clock face (CPU, wakeups, memory), side by side with xclock (its analog face and
# xclock -digital, both updating every second), under Xvfb.
# Each face runs as the real program with its own data folder (a copy of the
# shipped app_data with clock= set); all run at once for the same window of
# time, so the figures share the machine's conditions.
#
# Usage: idle_cpu.sh [build folder] [seconds measured] [seconds to settle]
# (ORVELLA_BIN and ORVELLA_APP_DATA override the program and the data taken from the build folder.)
set -euo pipefail
source "$(dirname "$0")/../lib/idle_cpu_lib.sh"
idle_cpu_setup 91 "$@"
command -v xclock >/dev/null || { echo "xclock is needed (package x11-apps)" >&2; exit 1; }

faces=(analog digital flip)
for face in "${faces[@]}"; do
    home=$(idle_cpu_home "$face")
    ini=$home/Orvella/clock.ini
    if grep -q '^clock=' "$ini"; then
        sed -i "s/^clock=.*/clock=$face/" "$ini"
    else
        sed -i "s/^\[TYPE\]/[TYPE]\nclock=$face/" "$ini"
    fi
    idle_cpu_start_program "$face" "$home"
done
idle_cpu_start xclock xclock -render -update 1
idle_cpu_start xclock_d xclock -digital -update 1

idle_cpu_measure "${faces[@]}" xclock xclock_d
echo "Idle cost over ${measure} s (after ${settle} s to settle)${QT_SCALE_FACTOR:+, QT_SCALE_FACTOR=$QT_SCALE_FACTOR}:"
printf '  %-16s %12s %10s %12s %10s %s\n' "" "CPU ms/min" "wakeups/s" "resident MB" "anon MB" ""
row() {
    printf '  %-16s %12.0f %10s %12s %10s %s\n' "$1" "${cpu_per_minute[$2]}" "${wakeups_per_second[$2]}" \
        "$(mb "${rss_kb[$2]}")" "$(mb "${anon_kb[$2]}")" "${3:-}"
}
row xclock xclock
row "xclock -digital" xclock_d
# Each face beside its peer: the analog face beside xclock's, the text faces
# beside xclock -digital.
for face in "${faces[@]}"; do
    peer=xclock_d peer_name="xclock -digital"
    [ "$face" = analog ] && peer=xclock peer_name=xclock
    row "$face" "$face" "$(ratio "${cpu_per_minute[$face]}" "${cpu_per_minute[$peer]}") x $peer_name"
done
