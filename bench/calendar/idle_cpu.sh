#!/bin/bash
# Idle CPU of the analog clock alone and of the analog clock with the
# calendar shown (start mode 1), run side by side under one Xvfb for the
# same stretch of time, so both figures share the machine's conditions.
#
# Usage: idle_cpu.sh [build folder] [seconds measured] [seconds to settle]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../../build}
measure=${2:-60}
settle=${3:-10}
bin=${ORVELLA_BIN:-$build/bin/orvella}
app_data=${ORVELLA_APP_DATA:-$build/share/orvella/app_data}
[ -x "$bin" ] || { echo "no program at $bin (build it first)" >&2; exit 1; }
[ -f "$app_data/Calendar_skins/calendar_1.png" ] || { echo "no shipped data at $app_data" >&2; exit 1; }
command -v Xvfb >/dev/null || { echo "Xvfb is needed (package xvfb)" >&2; exit 1; }

work=$(mktemp -d)
pids=()
xvfb_pid=
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

display=
for n in $(seq 341 390); do
    if [ ! -e /tmp/.X11-unix/X$n ] && [ ! -e /tmp/.X$n-lock ]; then display=$n; break; fi
done
[ -n "$display" ] || { echo "no free X display number" >&2; exit 1; }
Xvfb :$display -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$display ] && break; sleep 0.1; done
export DISPLAY=:$display

cpu_ms() { # utime + stime of a process, in milliseconds
    awk -v hz="$(getconf CLK_TCK)" '{ sub(/^.*\) /, ""); print ($12 + $13) * 1000 / hz }' /proc/$1/stat
}

# Some notes, a few on today, so the calendar has rings and the check reads notes.
notes() {
    local today
    today=$(date +%d.%m.%Y)
    printf '[%s]\n1700000000=first, 0, 00:00\n1700000001=second, 2, 23:59\n\n' "$today"
    for d in 1 3 8 15; do
        printf '[%s]\n17000001%02d=note %s\n\n' "$(date -d "+$d day" +%d.%m.%Y)" "$d" "$d"
    done
}

declare -A pid_of
for run in clock calendar; do
    home=$work/$run
    mkdir -p "$home"
    cp -r "$app_data" "$home/Orvella"
    ini=$home/Orvella/clock.ini
    sed -i 's/^clock=.*/clock=analog/' "$ini"
    if [ "$run" = calendar ]; then
        sed -i 's/^set_start=.*/set_start=1/' "$ini"
        notes >"$home/Orvella/my_notes.ini"
    fi
    (cd "$home" && exec env XDG_DATA_HOME="$home" "$bin" >"$home/log" 2>&1) &
    pid_of[$run]=$!
    pids+=($!)
done

sleep "$settle"
declare -A before after
for k in clock calendar; do
    [ -e /proc/${pid_of[$k]}/stat ] || { echo "$k did not keep running" >&2; cat "$work/$k/log" >&2; exit 1; }
    before[$k]=$(cpu_ms "${pid_of[$k]}")
done
sleep "$measure"
for k in clock calendar; do after[$k]=$(cpu_ms "${pid_of[$k]}"); done

per_min() { awk -v a="$1" -v b="$2" -v s="$measure" 'BEGIN { printf "%.0f", (a - b) * 60 / s }'; }
c=$(per_min "${after[clock]}" "${before[clock]}")
k=$(per_min "${after[calendar]}" "${before[calendar]}")
echo "Idle CPU over ${measure} s (after ${settle} s to settle), ms of CPU per minute:"
printf '  %-24s %6s\n' "analog clock alone" "$c"
printf '  %-24s %6s   %s x the clock alone\n' "analog clock + calendar" "$k" \
    "$(awk -v k="$k" -v c="$c" 'BEGIN { if (c > 0) printf "%.2f", k / c; else print "n/a" }')"
