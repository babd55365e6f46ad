#!/usr/bin/env bash
# What cmake --install puts beside the program for desktops: a menu entry
# that desktop-file-validate accepts and that starts an installed program
# with an installed icon, and metainfo that appstreamcli accepts offline.
set -u
BUILD=$1
TMP=$(mktemp -d /tmp/orvella-packaging.XXXXXX)
trap 'rm -rf "$TMP"' EXIT
fails=0
check() { local what=$1; shift; if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; fails=$((fails + 1)); fi; }

cmake --install "$BUILD" --prefix "$TMP/p" >/dev/null
DESKTOP=$TMP/p/share/applications/orvella.desktop
META=$TMP/p/share/metainfo/org.orvella.orvella.metainfo.xml
check "desktop entry installed" test -f "$DESKTOP"
check "metainfo installed" test -f "$META"

out=$(desktop-file-validate "$DESKTOP" 2>&1); rc=$?
check "desktop-file-validate accepts the entry${out:+: $out}" test $rc -eq 0 -a -z "$out"
out=$(appstreamcli validate --no-net --pedantic "$META" 2>&1); rc=$?
check "appstreamcli accepts the metainfo" test $rc -eq 0
echo "$out" | grep -E '^[EWI]:' && check "no errors, warnings or infos from appstreamcli" false

exec_prog=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$DESKTOP")
icon=$(sed -n 's/^Icon=//p' "$DESKTOP")
check "Exec names the installed program" test -x "$TMP/p/bin/$exec_prog"
check "Icon is installed in hicolor" test -f "$TMP/p/share/icons/hicolor/scalable/apps/$icon.svg"
check "Russian and English comments" grep -q '^Comment\[ru\]=' "$DESKTOP"
check "metainfo launches this entry" grep -q '<launchable type="desktop-id">orvella.desktop</launchable>' "$META"
check "metainfo names the binary" grep -q "<binary>$exec_prog</binary>" "$META"

# Sound decoding and output are a module loaded at the first sound: the
# program itself must not pull FFmpeg, Qt Multimedia or libpulse in at start.
MODULE=$TMP/p/lib/orvella/liborvella_sound.so
check "sound module installed beside the program" test -f "$MODULE"
needed=$(readelf -d "$TMP/p/bin/orvella" 2>/dev/null | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
check "the program needs no FFmpeg, Qt Multimedia or libpulse" \
    bash -c '! grep -Eq "^(libav|libsw|libQt6Multimedia|libpulse)" <<<"$1"' _ "$needed"
check "the module exports its entry" bash -c 'nm -D --defined-only "$1" | grep -qw orvella_sound_module' _ "$MODULE"
check "the module finds every library it needs" bash -c '! ldd "$1" | grep -q "not found"' _ "$MODULE"

[ "$fails" -eq 0 ]
