#!/bin/bash
# Two builds of the program side by side in one run, each face of each, with
# xclock beside them: what a change to the idle path bought, under the same
# machine conditions (absolute times on a shared machine are noise).
#
# Usage: idle_ab.sh <old program> <new program> [seconds measured] [seconds to settle] [faces...]
# The shipped data comes from the build folder next to this checkout (or ORVELLA_APP_DATA).
set -euo pipefail
old=$(realpath "$1") new=$(realpath "$2")
shift 2
source "$(dirname "$0")/../lib/idle_cpu_lib.sh"
idle_cpu_setup 141 "" "${1:-120}" "${2:-10}"
shift $(($# < 2 ? $# : 2))
faces=(analog digital)
[ $# -eq 0 ] || faces=("$@")
command -v xclock >/dev/null || { echo "xclock is needed (package x11-apps)" >&2; exit 1; }

names=()
for face in "${faces[@]}"; do
    for which in old new; do
        name=${face}_$which
        home=$(idle_cpu_home "$name")
        sed -i "s/^clock=.*/clock=$face/" "$home/Orvella/clock.ini"
        bin=$old
        [ "$which" = new ] && bin=$new
        idle_cpu_start_program "$name" "$home"
        names+=("$name")
    done
done
idle_cpu_start xclock xclock -render -update 1
idle_cpu_start xclock_d xclock -digital -update 1

idle_cpu_measure "${names[@]}" xclock xclock_d
echo "Old ($old) and new ($new) over ${measure} s (after ${settle} s to settle):"
printf '  %-16s %12s %10s %12s %10s\n' "" "CPU ms/min" "wakeups/s" "resident MB" "anon MB"
for k in xclock xclock_d "${names[@]}"; do
    printf '  %-16s %12.0f %10s %12s %10s\n' "$k" "${cpu_per_minute[$k]}" "${wakeups_per_second[$k]}" \
        "$(mb "${rss_kb[$k]}")" "$(mb "${anon_kb[$k]}")"
done
for face in "${faces[@]}"; do
    echo "  $face: new/old $(ratio "${cpu_per_minute[${face}_new]}" "${cpu_per_minute[${face}_old]}")"
done
