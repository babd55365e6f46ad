# A Debian package through CPack (scripts/build_deb.sh): installed under
# /usr, so the program finds /usr/share/orvella/app_data beside /usr/bin.
# Library dependencies are computed by dpkg-shlibdeps; what is loaded at
# run time as a plug-in (SQLite, SVG pictures) is named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvella)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Orvella")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop clock with reminders, a calendar with notes and a notebook")
set(CPACK_PACKAGE_DESCRIPTION
    "A small frameless, transparent clock that floats on the desktop: an analog face drawn from picture skins, a digital face or flip cards. From its tray icon: an event scheduler with reminder stickers and sounds, a calendar with notes, a notebook and the settings. The interface is in Russian.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Orvella developers <orvella@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse")
# Only the program and its data, never test or benchmark helpers.
set(CPACK_COMPONENTS_ALL)
set(CPACK_STRIP_FILES ON)
include(CPack)
