# Sourced by run.sh and test.sh: installs missing Debian packages.

BUILD_PACKAGES=(g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev libqt6sql6-sqlite qt6-svg-dev qt6-tools-dev qt6-tools-dev-tools
  qt6-l10n-tools qt6-translations-l10n qt6-base-private-dev
  libavformat-dev libavcodec-dev libswresample-dev libavutil-dev libxcb1-dev libgl-dev libpulse-dev)
RUN_PACKAGES=(xvfb openbox xcompmgr pulseaudio pulseaudio-utils)
TEST_PACKAGES=(xvfb openbox trayer pulseaudio pulseaudio-utils xdotool x11-utils x11-apps x11-xserver-utils
  imagemagick faketime sox libsox-fmt-all xcompmgr valgrind procps x11-xkb-utils)

ensure_packages() {
  local missing=()
  local p
  for p in "$@"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}
