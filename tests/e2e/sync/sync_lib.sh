# Calendar-sync helpers for end-to-end scripts: a Radicale server on
# 127.0.0.1 with a private storage folder, a secret store on a private
# session bus, and "machines" (data folders) set up against the server.

RADICALE_USER=test
RADICALE_PASSWORD='пароль 1'

start_radicale() { # start_radicale -> $RADICALE_URL, $RADICALE_PID (same port when started again)
  local dir=$E2E_TMP/radicale
  mkdir -p "$dir"
  [ -n "${RADICALE_PORT:-}" ] || RADICALE_PORT=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')
  printf '%s:%s\n' "$RADICALE_USER" "$RADICALE_PASSWORD" >"$dir/users"
  cat >"$dir/config" <<CONF
[server]
hosts = 127.0.0.1:$RADICALE_PORT
[auth]
type = htpasswd
htpasswd_filename = $dir/users
htpasswd_encryption = plain
[storage]
filesystem_folder = $dir/collections
[logging]
level = warning
CONF
  radicale --config "$dir/config" >>"$E2E_TMP/radicale.log" 2>&1 &
  RADICALE_PID=$!
  E2E_PIDS+=($RADICALE_PID)
  RADICALE_URL=http://127.0.0.1:$RADICALE_PORT/
  wait_for 20 curl -sf -o /dev/null -u "$RADICALE_USER:$RADICALE_PASSWORD" -X PROPFIND "$RADICALE_URL"
}

stop_radicale() {
  kill "$RADICALE_PID" 2>/dev/null
  wait "$RADICALE_PID" 2>/dev/null || true
}

make_calendar() { # make_calendar NAME -> prints its address
  local url=${RADICALE_URL}$RADICALE_USER/$1/
  curl -sf -o /dev/null -u "$RADICALE_USER:$RADICALE_PASSWORD" -X MKCALENDAR "$url" && echo "$url"
}

# A private session bus with an unlocked secret store, for the passwords.
start_secret_store() {
  eval "$(dbus-launch --sh-syntax)"
  E2E_PIDS+=($DBUS_SESSION_BUS_PID)
  mkdir -p "$E2E_TMP/keyring"
  echo -n e2e | XDG_DATA_HOME=$E2E_TMP/keyring gnome-keyring-daemon --unlock --components=secrets --daemonize >/dev/null
}

# machine NAME -> $MACHINE_HOME: a data home with a copy of the shipped data folder.
machine() {
  MACHINE_HOME=$E2E_TMP/$1
  mkdir -p "$MACHINE_HOME"
  cp -r "$E2E_PREFIX/share/orvella/app_data" "$MACHINE_HOME/Orvella"
}

on() { # on MACHINE COMMAND...: the command with that machine's data home
  local home=$E2E_TMP/$1
  shift
  XDG_DATA_HOME=$home "$@"
}
