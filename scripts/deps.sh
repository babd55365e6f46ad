# Sourced by run.sh and test.sh: installs missing Debian packages.

BUILD_PACKAGES=(g++ cmake ninja-build pkg-config
  qt6-base-dev libqt6sql6-sqlite qt6-svg-dev qt6-tools-dev qt6-tools-dev-tools
  qt6-l10n-tools qt6-translations-l10n qt6-base-private-dev
  libavformat-dev libavcodec-dev libswresample-dev libavutil-dev libxcb1-dev libgl-dev libpulse-dev
  libical-dev qtkeychain-qt6-dev)
RUN_PACKAGES=(xvfb openbox xcompmgr pulseaudio pulseaudio-utils)
TEST_PACKAGES=(xvfb openbox trayer pulseaudio pulseaudio-utils xdotool x11-utils x11-apps x11-xserver-utils
  imagemagick faketime sox libsox-fmt-all xcompmgr valgrind procps desktop-file-utils appstream x11-xkb-utils sqlite3
  radicale gnome-keyring libsecret-tools dbus dbus-x11 python3-icalendar curl dunst
  e2fsprogs)
# Building the .deb (scripts/build_deb.sh) and trying it (scripts/try_deb.sh).
DEB_PACKAGES=(dpkg-dev file)
TRY_DEB_PACKAGES=(debootstrap xvfb x11-utils xdotool openbox trayer imagemagick pulseaudio-utils)
# Sanitizer and fuzzing builds (scripts/test_sanitizers.sh, scripts/fuzz.sh).
CLANG_PACKAGES=(clang libclang-rt-14-dev)

ensure_packages() {
  local missing=()
  local p
  for p in "$@"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
      # No way to install them from here: say exactly what is needed.
      echo "These Debian packages are missing: ${missing[*]}" >&2
      echo "Install them as root, then run this script again:" >&2
      echo "  su -c 'apt-get install -y ${missing[*]}'" >&2
      return 1
    fi
    sudo=(sudo)
  fi
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -q
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}
