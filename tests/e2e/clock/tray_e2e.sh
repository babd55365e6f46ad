#!/usr/bin/env bash
# End to end: the tray icon, its double click and menu, pinned and on-top
# clocks, and the menu on a right click where no tray exists. Runs the built
# program under Xvfb with openbox and trayer, with a private data folder
# copied from the built app_data.
#
# usage: tray_e2e.sh BUILD_DIR [OUTPUT_FOLDER]
set -u
source "$(dirname "$0")/../lib.sh"
BUILD=$1
OUT=${2:-}
BIN=$BUILD/bin/orvella
APP_DATA=$BUILD/share/orvella/app_data

skip_unless_installed Xvfb openbox trayer xdotool xprop xwininfo xmessage
[ -x "$BIN" ] || { echo "FAILED: no program at $BIN"; exit 1; }
[ -f "$APP_DATA/clock.ini" ] || { echo "FAILED: no app_data at $APP_DATA"; exit 1; }

# Ended: no process, or a zombie its parent (this script) has not reaped.
gone() { [ ! -e "/proc/$1" ] || grep -q '^[0-9]* (.*) Z' "/proc/$1/stat"; }
# has TEXT PART: PART is in TEXT.
has() { [[ $1 == *"$2"* ]]; }

export HOME="$E2E_TMP/home"
export XDG_RUNTIME_DIR="$E2E_TMP/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# No session bus: the tray icon is an XEmbed icon in trayer.
unset DBUS_SESSION_BUS_ADDRESS WAYLAND_DISPLAY SESSION_MANAGER

start_x with-wm
echo "display $DISPLAY"
# Every check below needs a managing window manager.
wm_alive() {
    gone "$E2E_WM_PID" || return 0
    echo "FAILED: openbox ended ($1)"
    cat "$E2E_TMP/openbox.log"
    exit 1
}
wait_for 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q window' || { echo "FAILED: openbox did not start"; exit 1; }

TRAYER=
start_trayer() {
    local attempt
    for attempt in 1 2; do
        trayer --edge top --align right --widthtype request --height 32 --SetDockType true \
            --transparent false > "$E2E_TMP/trayer.log" 2>&1 &
        TRAYER=$!
        E2E_PIDS+=($TRAYER)
        wait_for 10 xwininfo -name panel && return 0
        # Seen once on a loaded machine: trayer gave up before the window
        # manager settled. One more try before failing.
        kill "$TRAYER" 2> /dev/null
        wait "$TRAYER" 2> /dev/null
    done
    echo "FAILED: trayer did not start"
    cat "$E2E_TMP/trayer.log"
    exit 1
}
stop_trayer() {
    kill "$TRAYER" 2> /dev/null
    wait "$TRAYER" 2> /dev/null
}

# A fresh data folder; arguments are KEY=VALUE lines for group TYPE.
DATA="$E2E_TMP/data"
prepare_data() {
    rm -rf "$DATA"
    fresh_data "$DATA/Orvella" "$APP_DATA" "$@"
}

ORVELLA=
CLOCK=
start_orvella() {
    XDG_DATA_HOME="$DATA" "$BIN" > "$E2E_TMP/orvella.log" 2>&1 &
    ORVELLA=$!
    E2E_PIDS+=($ORVELLA)
    if ! wait_for 15 xwininfo -name Orvella; then
        echo "FAILED: no clock window"
        cat "$E2E_TMP/orvella.log"
        exit 1
    fi
    CLOCK=$(xwininfo -name Orvella | awk '/Window id:/ {print $4}')
}
stop_orvella() {
    kill "$ORVELLA" 2> /dev/null
    wait "$ORVELLA" 2> /dev/null
}

map_state() { xwininfo -id "$1" | awk '/Map State:/ {print $3}'; }
is_viewable() { [ "$(map_state "$1")" = IsViewable ]; }
is_unmapped() { [ "$(map_state "$1")" = IsUnMapped ]; }

# Position of a window in the window manager's stacking list, bottom first.
stack_index() {
    xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //' | tr ',' '\n' | tr -d ' ' | grep -n -x "$1" | cut -d: -f1
}
# below LOWER UPPER: both stacking positions known, LOWER under UPPER.
below() { [ -n "$1" ] && [ -n "$2" ] && [ "$1" -lt "$2" ]; }

XMESSAGE=
XMESSAGE_WIN=
start_xmessage() {
    xmessage -geometry 300x200+100+100 "an ordinary window" &
    XMESSAGE=$!
    E2E_PIDS+=($XMESSAGE)
    check "xmessage started" wait_for 10 xwininfo -name xmessage || return 1
    XMESSAGE_WIN=$(xwininfo -name xmessage | awk '/Window id:/ {print $4}')
    xdotool windowactivate --sync "$XMESSAGE_WIN" > /dev/null 2>&1
    xdotool windowraise "$XMESSAGE_WIN"
    sleep 0.5
}
stop_xmessage() {
    kill "$XMESSAGE" 2> /dev/null
    wait "$XMESSAGE" 2> /dev/null
}

# Viewable windows of the program (the clock, a popped-up menu, ...), sorted.
program_window_ids() { xdotool search --onlyvisible --classname '^orvella$' 2> /dev/null | sort; }
# True when a program window exists that was not in the list given.
new_program_window() { [ -n "$(comm -13 <(echo "$1") <(program_window_ids))" ]; }

# --- 1. The tray icon, its double click and its menu -----------------------
start_trayer
# A position off the screen: the clock starts at (1, 1) and Exit writes that back.
prepare_data clock=analog autorun=2 set_start=0 posx=5000 posy=0 top=false ignore_win_key=false
start_orvella
PANEL=$(xwininfo -name panel | awk '/Window id:/ {print $4}')
icon_in_tray() { xwininfo -tree -id "$PANEL" | grep -q '("orvella" "orvella")'; }
if check "tray icon embedded in trayer" wait_for 10 icon_in_tray; then
    ICON=$(xwininfo -tree -id "$PANEL" | awk '/\("orvella" "orvella"\)/ {print $1; exit}')
    check "clock shown at start" wait_for 5 is_viewable "$CLOCK"
    xdotool mousemove --window "$ICON" 8 8 click --repeat 2 --delay 80 1
    check "double click hides the clock" wait_for 5 is_unmapped "$CLOCK"
    xdotool mousemove --window "$ICON" 8 8 click --repeat 2 --delay 80 1
    check "double click shows the clock again" wait_for 5 is_viewable "$CLOCK"

    before=$(program_window_ids)
    xdotool mousemove --window "$ICON" 8 8 click 3
    if check "right click on the icon opens the menu" wait_for 5 new_program_window "$before"; then
        sleep 0.3
        if [ -n "$OUT" ] && command -v import > /dev/null; then
            import -window root "$OUT/tray_menu.png" && echo "screenshot: $OUT/tray_menu.png"
        fi
        # The new window is the menu; its last entry is Exit.
        MENU=$(comm -13 <(echo "$before") <(program_window_ids) | head -1)
        eval "$(xdotool getwindowgeometry --shell "$MENU")"
        xdotool mousemove $((X + 30)) $((Y + HEIGHT - 12)) click 1
        check "Exit in the menu ends the program" wait_for 5 gone "$ORVELLA"
        check "Exit wrote the position" grep -q "^posx=1\r\?$" "$DATA/Orvella/clock.ini"
    fi
fi
stop_orvella

wm_alive "after the tray checks"

# --- 2. Pinned under the icons ---------------------------------------------
prepare_data clock=analog autorun=2 posx=40 posy=40 top=false ignore_win_key=true
start_orvella
wait_for 5 is_viewable "$CLOCK"
type=$(xprop -id "$CLOCK" _NET_WM_WINDOW_TYPE)
state=$(xprop -id "$CLOCK" _NET_WM_STATE)
desk=$(xprop -id "$CLOCK" _NET_WM_DESKTOP)
echo "$type"
echo "$state"
check "pinned: desktop window type" has "$type" _NET_WM_WINDOW_TYPE_DESKTOP
for s in BELOW SKIP_TASKBAR SKIP_PAGER; do
    check "pinned: state $s" has "$state" "_NET_WM_STATE_$s"
done
check "pinned: on every workspace ($desk)" has "$desk" 4294967295
if start_xmessage; then
    ci=$(stack_index "$CLOCK")
    xi=$(stack_index "$XMESSAGE_WIN")
    check "pinned: below an ordinary window ($ci vs $xi)" below "$ci" "$xi"
    xdotool key super+d
    if check "show desktop hides the ordinary window" wait_for 5 is_unmapped "$XMESSAGE_WIN"; then
        check "pinned: show desktop leaves the clock" is_viewable "$CLOCK"
    fi
    xdotool key super+d
    stop_xmessage
fi
stop_orvella

wm_alive "after the pinned checks"

# --- 3. On top, and not on top ---------------------------------------------
for top in true false; do
    prepare_data clock=analog autorun=2 posx=40 posy=40 top=$top ignore_win_key=false
    start_orvella
    wait_for 5 is_viewable "$CLOCK"
    if start_xmessage; then
        ci=$(stack_index "$CLOCK")
        xi=$(stack_index "$XMESSAGE_WIN")
        if [ "$top" = true ]; then
            check "on top: state ABOVE" has "$(xprop -id "$CLOCK" _NET_WM_STATE)" _NET_WM_STATE_ABOVE
            check "on top: stays above a raised window ($ci vs $xi)" below "$xi" "$ci"
        else
            check "not on top: a raised window goes above ($ci vs $xi)" below "$ci" "$xi"
        fi
        stop_xmessage
    fi
    stop_orvella
done

# --- 4. No tray: a right click on the clock opens the menu -----------------
stop_trayer
prepare_data clock=analog autorun=2 posx=40 posy=40 top=false ignore_win_key=false show_calendar=false
start_orvella
wait_for 5 is_viewable "$CLOCK"
sleep 0.5
before=$(program_window_ids)
xdotool mousemove --window "$CLOCK" 120 60 click 3
if check "no tray: right click on the clock opens the menu" wait_for 5 new_program_window "$before"; then
    check "no tray: logged" grep -q "no system tray" "$E2E_TMP/orvella.log"
    check "no tray: logged once" test "$(grep -c "no system tray" "$E2E_TMP/orvella.log")" -eq 1
fi
stop_orvella

finish
