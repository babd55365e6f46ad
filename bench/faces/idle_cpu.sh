#!/bin/bash
# Idle CPU of each clock face, side by side with xclock (its analog face and
# xclock -digital, both updating every second), under Xvfb.
# Each face runs as the real program with its own data folder (a copy of the
# shipped app_data with clock= set); all run at once for the same window of
# time, so the figures share the machine's conditions.
#
# Usage: idle_cpu.sh [build folder] [seconds measured] [seconds to settle]
# (ORVELLA_BIN and ORVELLA_APP_DATA override the program and the data taken from the build folder.)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../../build}
measure=${2:-60}
settle=${3:-10}
bin=${ORVELLA_BIN:-$build/bin/orvella}
app_data=${ORVELLA_APP_DATA:-$build/share/orvella/app_data}
[ -x "$bin" ] || { echo "no program at $bin (build it first)" >&2; exit 1; }
[ -d "$app_data/Skins/Standart" ] || { echo "no shipped data at $app_data" >&2; exit 1; }
command -v Xvfb >/dev/null || { echo "Xvfb is needed (package xvfb)" >&2; exit 1; }
command -v xclock >/dev/null || { echo "xclock is needed (package x11-apps)" >&2; exit 1; }

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
for n in $(seq 91 140); do
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

faces=(analog digital flip)
declare -A pid_of
for face in "${faces[@]}"; do
    home=$work/$face
    mkdir -p "$home"
    cp -r "$app_data" "$home/Orvella"
    ini=$home/Orvella/clock.ini
    if grep -q '^clock=' "$ini"; then
        sed -i "s/^clock=.*/clock=$face/" "$ini"
    else
        sed -i "s/^\[TYPE\]/[TYPE]\nclock=$face/" "$ini"
    fi
    (cd "$home" && exec env XDG_DATA_HOME="$home" "$bin" >"$home/log" 2>&1) &
    pid_of[$face]=$!
    pids+=($!)
done
xclock -render -update 1 >/dev/null 2>&1 &
pid_of[xclock]=$!
pids+=($!)
xclock -digital -update 1 >/dev/null 2>&1 &
pid_of[xclock_d]=$!
pids+=($!)

sleep "$settle"
declare -A before after
for k in "${faces[@]}" xclock xclock_d; do
    [ -e /proc/${pid_of[$k]}/stat ] || { echo "$k did not keep running" >&2; cat "$work/$k/log" >&2 2>/dev/null; exit 1; }
    before[$k]=$(cpu_ms "${pid_of[$k]}")
done
sleep "$measure"
for k in "${faces[@]}" xclock xclock_d; do after[$k]=$(cpu_ms "${pid_of[$k]}"); done

per_minute() { awk -v a="${after[$1]}" -v b="${before[$1]}" -v s="$measure" 'BEGIN { print (a - b) * 60 / s }'; }
x=$(per_minute xclock)
xd=$(per_minute xclock_d)
echo "Idle CPU over ${measure} s (after ${settle} s to settle), ms of CPU per minute${QT_SCALE_FACTOR:+, QT_SCALE_FACTOR=$QT_SCALE_FACTOR}:"
printf '  %-16s %8.0f\n' "xclock" "$x" "xclock -digital" "$xd"
for face in "${faces[@]}"; do
    v=$(per_minute "$face")
    r=$(awk -v v="$v" -v x="$xd" 'BEGIN { if (x > 0) printf "%.2f", v / x; else print "n/a" }')
    printf '  %-16s %8.0f   %s x xclock -digital\n' "$face" "$v" "$r"
done
