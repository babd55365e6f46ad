# Helpers for end-to-end scripts: a private X server, a private data home,
# an installed copy of the program, and cleanup of everything started.

E2E_PIDS=()
E2E_TMP=$(mktemp -d /tmp/orvella-e2e.XXXXXX)
fails=0
passes=0

e2e_cleanup() {
  local p
  for p in "${E2E_PIDS[@]}"; do kill "$p" 2>/dev/null || true; done
  sleep 0.3
  for p in "${E2E_PIDS[@]}"; do kill -9 "$p" 2>/dev/null || true; done
  rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT
# Stopped from outside (ctest's timeout, ^C): still clean up.
trap 'exit 130' INT TERM

check() { # check "what" command... -> the command's success
  local what=$1; shift
  if "$@"; then passes=$((passes + 1)); echo "ok: $what"; return 0; fi
  fails=$((fails + 1)); echo "FAILED: $what"; return 1
}

skip_unless_installed() { # skip_unless_installed TOOL...: exit 77 (skipped) unless all are there
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
  done
}

finish() {
  echo "$passes passed, $fails failed"
  [ "$fails" -eq 0 ]
}

start_x() { # start_x [with-wm] -> $DISPLAY, $E2E_WM_PID; programs started after it draw there
  # -displayfd lets the server pick a free display itself: several suites
  # starting servers at once cannot race for the same number.
  local fifo=$E2E_TMP/displayfd n=
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  E2E_PIDS+=($!)
  read -r -t 10 n <"$fifo" || true
  rm -f "$fifo"
  [ -n "$n" ] || { echo "FAILED: Xvfb did not start"; exit 1; }
  export DISPLAY=:$n
  export QT_QPA_PLATFORM=xcb
  for _ in $(seq 1 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  if [ "${1:-}" = with-wm ]; then
    openbox >"$E2E_TMP/openbox.log" 2>&1 &
    E2E_WM_PID=$!
    E2E_PIDS+=($E2E_WM_PID)
    sleep 0.5
  fi
}

install_program() { # install_program BUILD_DIR -> $E2E_PREFIX
  E2E_PREFIX=$E2E_TMP/inst
  cmake --install "$1" --prefix "$E2E_PREFIX" >/dev/null
}

# data_home [FROM]: a private XDG_DATA_HOME -> $DATA, its Orvella folder, a
# copy of the data folder FROM when given.
data_home() {
  export XDG_DATA_HOME=$E2E_TMP/home
  DATA=$XDG_DATA_HOME/Orvella
  mkdir -p "$XDG_DATA_HOME"
  [ -z "${1:-}" ] || cp -r "$1" "$DATA"
}

# fresh_data DIR FROM KEY=VALUE...: DIR made anew as a copy of the data
# folder FROM, with these keys in group TYPE of its clock.ini.
fresh_data() {
  local dir=$1 from=$2 kv
  shift 2
  rm -rf "$dir"
  mkdir -p "$dir"
  cp -r "$from/." "$dir/"
  for kv in "$@"; do
    sed -i "/^${kv%%=*}=/d" "$dir/clock.ini"
    sed -i "s/^\[TYPE\]\r\?\$/[TYPE]\n${kv}/" "$dir/clock.ini"
  done
}

# The settings files store text in CP1251.
from_cp1251() { iconv -f CP1251 -t UTF-8 "$1" 2>/dev/null; } # from_cp1251 FILE -> UTF-8 text
to_cp1251() { iconv -f UTF-8 -t CP1251 >"$1"; }              # to_cp1251 FILE <UTF-8 text

launch() { # launch LOG COMMAND...: in the background, output appended to LOG -> $PID
  local log=$1
  shift
  "$@" >>"$log" 2>&1 &
  PID=$!
  E2E_PIDS+=($PID)
}

# launch_faked FAKETIME_SPEC: the installed program under faketime, output
# appended to $E2E_TMP/log. faketime runs it as its child: $PID is the
# program's own id, the one to stop and to watch.
launch_faked() {
  faketime -f "$1" "$E2E_PREFIX/bin/orvella" >>"$E2E_TMP/log" 2>&1 &
  E2E_PIDS+=($!)
  PID=
  for _ in $(seq 1 50); do
    PID=$(pgrep -n -f "^$E2E_PREFIX/bin/orvella") && break
    sleep 0.1
  done
  E2E_PIDS+=($PID)
}

wait_for() { # wait_for SECONDS command...: true once the command succeeds
  local i n=$(($1 * 10))
  shift
  for ((i = 0; i < n; ++i)); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

# menu_pick WINDOW X Y N: a right click at a point of the window, then entry
# number N of the menu it opens (1 = first).
menu_pick() {
  xdotool mousemove --window "$1" "$2" "$3" click 3
  sleep 0.8
  for _ in $(seq 1 "$4"); do xdotool key Down; sleep 0.1; done
  xdotool key Return
}

# Records what the sound server plays, when there is one (and parec and sox):
# $recording is then the recorder's id.
start_recording() {
  recording=
  if pactl info >/dev/null 2>&1 && command -v parec >/dev/null && command -v sox >/dev/null; then
    local sink
    sink=$(pactl get-default-sink 2>/dev/null)
    parec --device="$sink.monitor" --raw --format=s16le --rate=44100 --channels=2 >"$E2E_TMP/rec.raw" 2>/dev/null &
    E2E_PIDS+=($!)
    recording=$!
  fi
}
stop_recording() {
  kill "$recording" 2>/dev/null
  sleep 0.3
}
recorded_rms() { # recorded_rms [SOX_EFFECT...] -> the RMS amplitude of the recording
  sox -t raw -r 44100 -e signed -b 16 -c 2 "$E2E_TMP/rec.raw" -n "$@" stat 2>&1 | awk -F: '/RMS +amplitude/ {print $2}'
}

wait_window() { # wait_window NAME_REGEX [seconds] -> prints window id
  local i
  for i in $(seq 1 $(( ${2:-10} * 10 ))); do
    local id
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1)
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    sleep 0.1
  done
  return 1
}
