# Shared part of the idle-CPU benchmarks: the program and data to run, a
# private Xvfb, the processes started, and their CPU over one measured window.
# Sourced by a benchmark script after `set -euo pipefail`; the caller passes
# its own "$@" to idle_cpu_setup and names the first display number to try.
#
#   idle_cpu_setup <first display> [build folder] [seconds measured] [seconds to settle]
#   idle_cpu_home <name>            -> prints a fresh home with a copy of the shipped data in Orvella/
#   idle_cpu_start <name> <cmd...>  -> starts a process, remembered under <name>
#   idle_cpu_measure <name...>      -> settles, then fills cpu_per_minute[<name>],
#                                      wakeups_per_second[<name>], rss_kb[<name>] and anon_kb[<name>]

idle_cpu_setup() {
    local first_display=$1
    shift
    local here build
    here=$(cd "$(dirname "${BASH_SOURCE[1]}")" && pwd)
    build=${1:-$here/../../build}
    measure=${2:-60}
    settle=${3:-10}
    bin=${ORVELLA_BIN:-$build/bin/orvella}
    app_data=${ORVELLA_APP_DATA:-$build/share/orvella/app_data}
    [ -x "$bin" ] || { echo "no program at $bin (build it first)" >&2; exit 1; }
    bin=$(realpath "$bin")
    [ -d "$app_data/Skins" ] || { echo "no shipped data at $app_data" >&2; exit 1; }
    command -v Xvfb >/dev/null || { echo "Xvfb is needed (package xvfb)" >&2; exit 1; }

    work=$(mktemp -d)
    pids=()
    xvfb_pid=
    trap idle_cpu_cleanup EXIT

    local display= n
    for n in $(seq "$first_display" $((first_display + 49))); do
        if [ ! -e /tmp/.X11-unix/X$n ] && [ ! -e /tmp/.X$n-lock ]; then display=$n; break; fi
    done
    [ -n "$display" ] || { echo "no free X display number" >&2; exit 1; }
    Xvfb :$display -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$display ] && break; sleep 0.1; done
    export DISPLAY=:$display
}

idle_cpu_cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}

idle_cpu_home() {
    local home=$work/$1
    mkdir -p "$home"
    cp -r "$app_data" "$home/Orvella"
    echo "$home"
}

declare -A idle_cpu_pid
idle_cpu_start() {
    local name=$1
    shift
    "$@" >"$work/$name.log" 2>&1 &
    idle_cpu_pid[$name]=$!
    pids+=($!)
}

# The program with its data in <home>/Orvella, started from <home>.
idle_cpu_start_program() {
    local name=$1 home=$2
    idle_cpu_start "$name" sh -c 'cd "$1" && XDG_DATA_HOME="$1" exec "$2"' sh "$home" "$bin"
}

cpu_ms() { # CPU time of all threads of a process, in milliseconds
    # The scheduler's nanosecond count where the kernel keeps it: utime and
    # stime come in ticks of 10 ms, as coarse as a whole minute of xclock.
    if [ -r /proc/$1/schedstat ]; then
        cat /proc/$1/task/*/schedstat 2>/dev/null | awk '{ n += $1 } END { printf "%.3f", n / 1e6 }'
    else
        awk -v hz="$(getconf CLK_TCK)" '{ sub(/^.*\) /, ""); print ($12 + $13) * 1000 / hz }' /proc/$1/stat
    fi
}

# Context switches of all threads of a process, voluntary and not: each is
# a wakeup (a timer, an X event, a reply) or a preemption.
switches() {
    cat /proc/$1/task/*/status 2>/dev/null |
        awk '/^(voluntary|nonvoluntary)_ctxt_switches:/ { n += $2 } END { print n + 0 }'
}

status_kb() { # a field of /proc/<pid>/status, in kB
    awk -v f="$2:" '$1 == f { print $2 }' /proc/$1/status
}

declare -A cpu_per_minute wakeups_per_second rss_kb anon_kb
idle_cpu_measure() {
    local k
    declare -A before before_switches
    sleep "$settle"
    for k in "$@"; do
        [ -e /proc/${idle_cpu_pid[$k]}/stat ] || { echo "$k did not keep running" >&2; cat "$work/$k.log" >&2; exit 1; }
        before[$k]=$(cpu_ms "${idle_cpu_pid[$k]}")
        before_switches[$k]=$(switches "${idle_cpu_pid[$k]}")
    done
    sleep "$measure"
    for k in "$@"; do
        local pid=${idle_cpu_pid[$k]}
        cpu_per_minute[$k]=$(awk -v a="$(cpu_ms "$pid")" -v b="${before[$k]}" -v s="$measure" \
            'BEGIN { printf "%.1f", (a - b) * 60 / s }')
        wakeups_per_second[$k]=$(awk -v a="$(switches "$pid")" -v b="${before_switches[$k]}" -v s="$measure" \
            'BEGIN { printf "%.1f", (a - b) / s }')
        rss_kb[$k]=$(status_kb "$pid" VmRSS)
        anon_kb[$k]=$(status_kb "$pid" RssAnon)
    done
}

mb() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }

# "<a / b>" with two decimals, or n/a when b is zero.
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "n/a" }'; }
