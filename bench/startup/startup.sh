#!/usr/bin/env bash
# Start-up benchmark under Xvfb: time from exec to the clock window's first
# paint (warm, median of 7), resident memory after start, idle CPU over 60 s
# with no face (clock key empty). Usage: startup.sh BUILD_DIR [idle seconds]
set -u
BUILD=$1
IDLE=${2:-60}
BIN=$BUILD/bin/orvella
TMP=$(mktemp -d /tmp/orvella-bench.XXXXXX)
PIDS=()
cleanup() { for p in "${PIDS[@]}"; do kill "$p" 2>/dev/null; done; rm -rf "$TMP"; }
trap cleanup EXIT

for n in $(seq 140 199); do [ -e /tmp/.X11-unix/X$n ] || break; done
export DISPLAY=:$n QT_QPA_PLATFORM=xcb
Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 & PIDS+=($!)
sleep 1
export XDG_DATA_HOME=$TMP/home
mkdir -p "$XDG_DATA_HOME"
cp -r "$BUILD/share/orvella/app_data" "$XDG_DATA_HOME/Orvella"

face() { # face NAME: sets the face in clock.ini
  sed -i "s/^clock=.*/clock=$1/" "$XDG_DATA_HOME/Orvella/clock.ini"
}

start_times=()
for i in $(seq 1 7); do
  t0=$(date +%s%3N)
  QT_LOGGING_RULES="orvella.startup.info=true" "$BIN" >"$TMP/log" 2>&1 & pid=$!
  for _ in $(seq 1 100); do grep -q "first paint at" "$TMP/log" && break; sleep 0.05; done
  t1=$(grep -o 'first paint at [0-9]*' "$TMP/log" | grep -o '[0-9]*$')
  [ -n "$t1" ] && start_times+=($((t1 - t0)))
  if [ "$i" = 7 ]; then
    sleep 2
    rss=$(awk '/VmRSS/ {print $2}' /proc/$pid/status)
  fi
  kill $pid; wait $pid 2>/dev/null
done
sorted=($(printf '%s\n' "${start_times[@]}" | sort -n))
echo "start to first paint (ms, 7 warm starts): ${start_times[*]}  median ${sorted[3]}"
echo "resident memory after start: $((rss / 1024)) MB ($rss kB)"

face ""
"$BIN" >/dev/null 2>&1 & pid=$!; PIDS+=($pid)
sleep 3
ticks() { awk '{print $14 + $15}' /proc/$1/stat; }
a=$(ticks $pid); sleep "$IDLE"; b=$(ticks $pid)
hz=$(getconf CLK_TCK)
echo "idle CPU with no face: $(( (b - a) * 1000 / hz * 60 / IDLE )) ms per minute (over ${IDLE} s)"
