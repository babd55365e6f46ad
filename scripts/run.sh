#!/usr/bin/env bash
# Installs what is missing, builds (Release), installs into build/install and
# starts Orvella. Without a display it starts Xvfb and says so.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${RUN_PACKAGES[@]}"

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVELLA_BUILD_TESTS=OFF -DORVELLA_BUILD_BENCH=OFF
cmake --build build/release -j"$(nproc)"
cmake --install build/release --prefix "$PWD/build/install" >/dev/null

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  export DISPLAY=:77
  look="Look at it with e.g. 'DISPLAY=$DISPLAY import -window root shot.png'."
  command -v import >/dev/null 2>&1 || look="To look at it, take a screenshot with e.g. ImageMagick (apt-get install imagemagick; then 'DISPLAY=$DISPLAY import -window root shot.png') or connect a VNC server to it."
  echo "No display found: starting Xvfb on $DISPLAY (with openbox and xcompmgr). $look"
  Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
  sleep 1
  openbox >/dev/null 2>&1 &
  # A compositor, so the clock's transparent background shows the desktop.
  xcompmgr >/dev/null 2>&1 &
fi
cd build/install/share/orvella
exec ../../bin/orvella "$@"
