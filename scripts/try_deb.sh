#!/usr/bin/env bash
# Installs the .deb into a throw-away Debian 12 root made with debootstrap,
# as a new user would on a fresh system, and tries it under Xvfb (openbox and
# a tray outside the root): started from the menu entry's Exec line and from
# a login shell's `orvella`, the data folder made from the installation, the
# tray menu's calendar, notebook and settings, and an event's sound. Needs
# root and the network (downloads packages); not part of the test suite.
#   scripts/try_deb.sh [path/to/orvella_*.deb]
# Screenshots and logs are kept in $TRY_DEB_OUT (default /tmp/orvella-try-deb).
# The minimal root is cached as a tarball in /var/cache/orvella-try.
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || { echo "try_deb.sh needs root (debootstrap, chroot)" >&2; exit 1; }
source scripts/deps.sh
ensure_packages "${TRY_DEB_PACKAGES[@]}"

deb=${1:-$(ls build/deb/orvella_*.deb 2>/dev/null | tail -n1)}
[ -n "$deb" ] && [ -f "$deb" ] || { echo "No .deb: run scripts/build_deb.sh first" >&2; exit 1; }
deb=$(readlink -f "$deb")
out=${TRY_DEB_OUT:-/tmp/orvella-try-deb}
rm -rf "$out" && mkdir -p "$out"
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
cache=/var/cache/orvella-try
tarball=$cache/bookworm-minbase.tgz
mkdir -p "$cache"
if [ ! -s "$tarball" ]; then
  echo "Downloading a minimal Debian 12 (once)..."
  debootstrap --variant=minbase --make-tarball="$tarball" bookworm "$cache/mk" "$mirror" >/dev/null
  rm -rf "$cache/mk"
fi

root=$(mktemp -d /var/tmp/orvella-try.XXXXXX)
chmod 755 "$root" # it becomes /, which every user must be able to enter
host_pids=()
# Whatever runs inside the root (the program, a sound server it spawned).
root_pids() {
  local p
  for p in /proc/[0-9]*; do
    [ "$(readlink "$p/root" 2>/dev/null)" = "$root" ] && echo "${p#/proc/}"
  done
  return 0
}
cleanup() {
  local p
  for p in $(root_pids); do kill "$p" 2>/dev/null || true; done
  sleep 0.5
  for p in $(root_pids); do kill -9 "$p" 2>/dev/null || true; done
  for p in "${host_pids[@]}"; do kill "$p" 2>/dev/null || true; done
  for m in tmp/.X11-unix dev/shm dev/pts dev proc sys; do umount -l "$root/$m" 2>/dev/null || true; done
  rm -rf --one-file-system "$root"
}
trap cleanup EXIT

fails=0
passes=0
check() { # check "what" command...
  local what=$1
  shift
  if "$@"; then passes=$((passes + 1)); echo "ok: $what"; else fails=$((fails + 1)); echo "FAILED: $what"; fi
}
wait_for() { # wait_for SECONDS command...
  local i
  for i in $(seq 1 $(($1 * 5))); do
    "${@:2}" >/dev/null 2>&1 && return 0
    sleep 0.2
  done
  return 1
}

dpkg-deb --field "$deb" Package Version Architecture
echo "Depends: $(dpkg-deb --field "$deb" Depends)"
echo "Recommends: $(dpkg-deb --field "$deb" Recommends)"

echo "Making a fresh Debian 12 root in $root..."
debootstrap --variant=minbase --unpack-tarball="$tarball" bookworm "$root" "$mirror" >/dev/null
mount -t proc proc "$root/proc"
mount -t sysfs sys "$root/sys"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
mkdir -p "$root/dev/shm" && mount -t tmpfs tmpfs "$root/dev/shm" 2>/dev/null || true
cp /etc/resolv.conf "$root/etc/resolv.conf"
echo "deb $mirror bookworm main" >"$root/etc/apt/sources.list"
cp "$deb" "$root/tmp/"

echo "apt-get install ./$(basename "$deb") inside the fresh root (log: $out/apt.log)..."
chroot "$root" apt-get update -q >/dev/null
chroot "$root" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "./tmp/$(basename "$deb")" >"$out/apt.log" 2>&1 ||
  { tail -n 20 "$out/apt.log"; echo "FAILED: apt-get install"; exit 1; }
echo "$(grep -c '^Setting up' "$out/apt.log") packages set up"
check "installed: $(chroot "$root" dpkg-query -W -f='${Status} ${Version}' orvella)" \
  [ "$(chroot "$root" dpkg-query -W -f='${Status}' orvella)" = "install ok installed" ]
chroot "$root" useradd -m -s /bin/bash newuser
uid=$(chroot "$root" id -u newuser) gid=$(chroot "$root" id -g newuser)
# What a login session would give the user.
install -d -m 700 -o "$uid" -g "$gid" "$root/run/user/$uid"

# The X server, window manager and tray run outside; the socket is shared in.
n=310
while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
export DISPLAY=:$n
Xvfb :$n -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
host_pids+=($!)
wait_for 10 xdpyinfo || { echo "FAILED: Xvfb did not start"; exit 1; }
mkdir -p "$root/tmp/.X11-unix" && mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
openbox >/dev/null 2>&1 &
host_pids+=($!)
wait_for 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q window'
trayer --edge top --align right --widthtype request --height 32 --SetDockType true --transparent false >/dev/null 2>&1 &
host_pids+=($!)
wait_for 10 xwininfo -name panel

app_pid=
# Runs a command line in the root as the new user, from the home folder.
# Numeric ids: chroot looks names up outside the root.
start_as_user() { # start_as_user LOG COMMAND-LINE
  chroot --userspec="$uid:$gid" "$root" env -i HOME=/home/newuser USER=newuser LOGNAME=newuser SHELL=/bin/bash \
    XDG_RUNTIME_DIR=/run/user/$uid DISPLAY=$DISPLAY bash -c "cd ~ && exec $2" >"$1" 2>&1 &
  app_pid=$! # chroot, env and bash each exec the next: this is the program
}
# A zombie this script has not reaped counts as ended.
ended() { [ ! -e "/proc/$app_pid" ] || grep -q '^[0-9]* (.*) Z' "/proc/$app_pid/stat"; }
alive() { ! ended; }
# Visible program windows whose title matches: by _NET_WM_NAME, because a
# program started without a UTF-8 locale (none is installed in the root)
# leaves a WM_NAME that xdotool cannot match against Cyrillic.
windows_named() {
  local w
  for w in $(xdotool search --onlyvisible --classname '^orvella$' 2>/dev/null); do
    xprop -id "$w" _NET_WM_NAME 2>/dev/null | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p' |
      grep -qE "$1" && echo "$w"
  done
  return 0
}
shown() { [ -n "$(windows_named "$1")" ]; }
not_shown() { ! shown "$1"; }
shot() { import -window root "$out/$1.png" 2>/dev/null && echo "screenshot: $out/$1.png"; }
# Opens the tray icon's menu and walks down to an entry: 1 settings,
# 2 clock, 3 calendar, 4 notebook, 5 window defaults, 6 about, 7 exit.
menu_entry() {
  local icon
  icon=$(xwininfo -tree -name panel | awk '/\("orvella" "orvella"\)/ {print $1; exit}')
  [ -n "$icon" ] || return 1
  # The icon takes the click only once the pointer has entered it.
  xdotool mousemove --window "$icon" 8 8
  sleep 0.5
  xdotool click 3
  sleep 1
  xdotool key --repeat "$1" --delay 100 Down
  xdotool key Return
}
close_window() { # close_window NAME_REGEX: as a user would, Escape then Alt+F4
  local w
  w=$(windows_named "$1" | head -n1)
  [ -n "$w" ] || return 0
  xdotool windowactivate --sync "$w" key Escape >/dev/null 2>&1 || true
  wait_for 3 not_shown "$1" && return 0
  xdotool windowactivate --sync "$w" key alt+F4 >/dev/null 2>&1 || true
  wait_for 3 not_shown "$1"
}

data=$root/home/newuser/.local/share/Orvella
app_data=$root/usr/share/orvella/app_data

# --- 1. The first start, from the menu entry's Exec line ---------------------
exec_line=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/orvella.desktop")
echo "Starting the menu entry's Exec line as the new user: $exec_line"
start_as_user "$out/first_start.log" "$exec_line"
check "Exec line: the clock window appears" wait_for 30 shown '^Orvella$'
sleep 2
shot exec_line
check "Exec line: no warning box" not_shown '^Внимание'
missing=$(cd "$app_data" && find . -type f | while read -r f; do [ -f "$data/$f" ] || echo "$f"; done)
check "data folder made from /usr/share/orvella/app_data ($(find "$data" -type f | wc -l) files, \
$(find "$app_data" -type f | wc -l) installed)" [ -z "$missing" ]
check "data folder: clock.ini is the installed one" cmp -s "$data/clock.ini" "$app_data/clock.ini"
check "log: one line for the new data folder" [ "$(grep -c 'new data folder' "$out/first_start.log")" = 1 ]

# --- 2. The tray menu ---------------------------------------------------------
check "tray icon in the panel" wait_for 10 sh -c "xwininfo -tree -name panel | grep -q '(\"orvella\" \"orvella\")'"
try_entry() { # try_entry WHAT STEPS NAME_REGEX
  menu_entry "$2" || true
  check "tray menu: $1 opens" wait_for 15 shown "$3"
  sleep 1.5
  shot "$1"
}
try_entry calendar 3 '^Календарик$'
menu_entry 3 || true
check "tray menu: the calendar entry hides the calendar again" wait_for 10 not_shown '^Календарик$'
try_entry notebook 4 '^Заметки\. '
check "notebook closes" close_window '^Заметки\. '
try_entry settings 1 '^Настройка$'
check "settings close" close_window '^Настройка$'
check "program still running after the windows" alive
menu_entry 7 || true
check "tray menu: Exit ends the program" wait_for 10 ended

# --- 3. From a login shell's `orvella`, with an event that plays a sound -----
# An event every minute with a sound: with no sound server the notice must
# come once, and the program must go on.
sound=/home/newuser/.local/share/Orvella/Sound/bell.wav
[ -f "$root$sound" ] || sound=/home/newuser/.local/share/Orvella/Sound/$(ls "$data/Sound" | head -n1)
printf '[1800000001]\nname=try\ntime=00:01\nrepeat=4\nrepeat_min=1\nalarmmessage=Sound check\nsoundfile=%s\n' \
  "$sound" >"$data/alarm.ini"
chown "$uid:$gid" "$data/alarm.ini"
echo "Starting 'orvella' from a login shell as the new user"
start_as_user "$out/second_start.log" "bash -lc orvella"
check "orvella from a login shell: the clock window appears" wait_for 30 shown '^Orvella$'
check "orvella from a login shell: a running program of its own" alive
sleep 1
shot orvella_command
lastrun() { sed -n 's/^lastrun_utc=//p' "$data/alarm.ini" | tr -d '\r'; }
check "the event fires (within 80 s)" wait_for 80 sh -c "grep -q '^lastrun_utc=[0-9]' '$data/alarm.ini'"
first=$(lastrun)
sleep 2
shot first_firing
check "the event fires again a minute later" wait_for 75 sh -c "[ \"\$(sed -n 's/^lastrun_utc=//p' '$data/alarm.ini' | tr -d '\r')\" != '$first' ]"
sleep 3
shot second_firing
check "program still running after two sounds" alive
notices=$(grep -c 'Звук не воспроизводится' "$out/second_start.log" || true)
server=no
for p in $(root_pids); do
  case "$(cat "/proc/$p/comm" 2>/dev/null)" in pulseaudio | pipewire*) server="yes (pid $p: $(cat "/proc/$p/comm"))" ;; esac
done
echo "sound server running in the root: $server; no-output notices: $notices"
if [ "$server" = no ]; then
  check "no sound output: the notice shows exactly once" [ "$notices" = 1 ]
else
  check "sound server there: no no-output notice" [ "$notices" = 0 ]
  check "sound server there: no playback error" sh -c "! grep -q 'Ошибка воспроизведения' '$out/second_start.log'"
fi

# --- 4. With a sound server: the same event is heard -------------------------
# pulseaudio comes with the package's Recommends; a desktop session would
# start it. Its sink inputs are watched from outside with the user's cookie.
if [ -x "$root/usr/bin/pulseaudio" ]; then
  menu_entry 7 || true
  check "Exit ends the program again" wait_for 10 ended
  chroot --userspec="$uid:$gid" "$root" env -i HOME=/home/newuser XDG_RUNTIME_DIR=/run/user/$uid \
    pulseaudio --start --exit-idle-time=-1 >"$out/pulseaudio.log" 2>&1 || true
  export PULSE_SERVER=unix:$root/run/user/$uid/pulse/native PULSE_COOKIE=$root/home/newuser/.config/pulse/cookie
  check "a sound server runs for the user" wait_for 10 pactl info
  start_as_user "$out/third_start.log" "bash -lc orvella"
  check "started again with the sound server" wait_for 30 shown '^Orvella$'
  before=$(lastrun)
  heard=0
  for _ in $(seq 1 900); do
    pactl list sink-inputs 2>/dev/null | grep -q 'application.process.binary = "orvella"' && { heard=1; break; }
    sleep 0.1
  done
  check "the event's sound plays into the user's sound server" [ $heard = 1 ]
  check "the event fired again" [ "$(lastrun)" != "$before" ]
  sleep 2
  check "no notice and no playback error with a sound server" \
    sh -c "! grep -q -e 'Звук не воспроизводится' -e 'Ошибка воспроизведения' '$out/third_start.log'"
  check "program still running after the sound" alive
  unset PULSE_SERVER PULSE_COOKIE
fi

echo "--- program log, first start"
cat "$out/first_start.log"
echo "--- program log, second start"
cat "$out/second_start.log"
if [ -f "$out/third_start.log" ]; then echo "--- program log, with a sound server"; cat "$out/third_start.log"; fi
echo "$passes passed, $fails failed (screenshots and logs in $out)"
[ "$fails" -eq 0 ]
