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

check() { # check "what" command...
  local what=$1; shift
  if "$@"; then passes=$((passes + 1)); echo "ok: $what"; else fails=$((fails + 1)); echo "FAILED: $what"; fi
}

finish() {
  echo "$passes passed, $fails failed"
  [ "$fails" -eq 0 ]
}

start_x() { # start_x [with-wm]
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
  for _ in $(seq 1 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  if [ "${1:-}" = with-wm ]; then
    openbox >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    sleep 0.5
  fi
}

install_program() { # install_program BUILD_DIR -> $E2E_PREFIX
  E2E_PREFIX=$E2E_TMP/inst
  cmake --install "$1" --prefix "$E2E_PREFIX" >/dev/null
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
