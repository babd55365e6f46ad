#!/usr/bin/env bash
# Installs the .deb into a throw-away Debian 12 root made with debootstrap,
# as a new user would on a fresh system, and starts it under Xvfb from the
# menu entry's Exec line. Needs root and the network (downloads packages);
# not part of the test suite.
#   scripts/try_deb.sh [path/to/orvella_*.deb]
# The minimal root is cached as a tarball in /var/cache/orvella-try.
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || { echo "try_deb.sh needs root (debootstrap, chroot)" >&2; exit 1; }
source scripts/deps.sh
ensure_packages "${TRY_DEB_PACKAGES[@]}" imagemagick

deb=${1:-$(ls build/deb/orvella_*.deb 2>/dev/null | tail -n1)}
[ -n "$deb" ] && [ -f "$deb" ] || { echo "No .deb: run scripts/build_deb.sh first" >&2; exit 1; }
deb=$(readlink -f "$deb")
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
xvfb_pid=
app_pid=
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && sleep 0.5
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  for m in tmp/.X11-unix dev/shm dev/pts dev proc sys; do umount -l "$root/$m" 2>/dev/null || true; done
  rm -rf --one-file-system "$root"
}
trap cleanup EXIT

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

echo "apt-get install ./$(basename "$deb") inside the fresh root..."
chroot "$root" apt-get update -q >/dev/null
chroot "$root" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "./tmp/$(basename "$deb")" |
  grep -E '^(Setting up orvella|The following NEW packages)' || true
chroot "$root" dpkg -s orvella | grep -E '^(Status|Version)'
chroot "$root" useradd -m -s /bin/bash newuser

# The X server runs outside; its socket is shared into the root.
n=310
while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
Xvfb :$n -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 50); do DISPLAY=:$n xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
mkdir -p "$root/tmp/.X11-unix" && mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"

exec_line=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/orvella.desktop")
echo "Starting the menu entry's Exec line as a new user: $exec_line"
uid=$(chroot "$root" id -u newuser) gid=$(chroot "$root" id -g newuser)
# Numeric: chroot looks names up outside the root.
chroot --userspec="$uid:$gid" "$root" env -i HOME=/home/newuser USER=newuser PATH=/usr/bin:/bin DISPLAY=:$n \
  bash -c "cd ~ && exec $exec_line" >"$root/tmp/orvella.log" 2>&1 &
app_pid=$! # chroot, env and bash each exec the next: this is the program

ok=0
for _ in $(seq 1 150); do
  if DISPLAY=:$n xdotool search --onlyvisible --name '^Orvella$' >/dev/null 2>&1; then ok=1; break; fi
  sleep 0.2
done
sleep 2
DISPLAY=:$n import -window root /tmp/orvella-try-deb.png 2>/dev/null || true
status=0
if [ $ok = 1 ]; then echo "ok: the clock window appeared (screenshot: /tmp/orvella-try-deb.png)"; else echo "FAILED: no clock window"; status=1; fi
if DISPLAY=:$n xdotool search --onlyvisible --name '^Внимание' >/dev/null 2>&1; then echo "FAILED: a warning box is shown"; status=1; fi
data=$root/home/newuser/.local/share/Orvella
if cmp -s "$data/clock.ini" "$root/usr/share/orvella/app_data/clock.ini"; then
  echo "ok: data folder made from /usr/share/orvella/app_data ($(find "$data" -type f | wc -l) files)"
else
  echo "FAILED: data folder not made from /usr/share/orvella/app_data"; status=1
fi
echo "--- program log"; cat "$root/tmp/orvella.log"
exit $status
