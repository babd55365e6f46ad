#!/bin/bash
# End to end: the tray icon, its double click and menu, pinned and on-top
# clocks, and the menu on a right click where no tray exists. Runs the real
# program on its own Xvfb with openbox and trayer, with a private data
# folder copied from the built app_data; cleans up everything it starts.
#
# usage: tray_e2e.sh ORVELLA_BINARY APP_DATA_FOLDER [OUTPUT_FOLDER]
set -u

BIN=$1
APP_DATA=$2
OUT=${3:-}

for tool in Xvfb openbox trayer xdotool xprop xwininfo xmessage; do
    if ! command -v "$tool" > /dev/null; then
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done
[ -x "$BIN" ] || { echo "FAIL: no program at $BIN"; exit 1; }
[ -f "$APP_DATA/clock.ini" ] || { echo "FAIL: no app_data at $APP_DATA"; exit 1; }

WORK=$(mktemp -d /tmp/tray_e2e.XXXXXX)
PIDS=()
FAILED=0

cleanup() {
    local p
    for p in "${PIDS[@]}"; do
        kill "$p" 2> /dev/null
    done
    for p in "${PIDS[@]}"; do
        wait "$p" 2> /dev/null
    done
    rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

ok() { echo "PASS: $*"; }
# Ended: no process, or a zombie its parent (this script) has not reaped.
gone() { [ ! -e "/proc/$1" ] || grep -q '^[0-9]* (.*) Z' "/proc/$1/stat"; }
bad() { echo "FAIL: $*"; FAILED=1; }

# wait_for SECONDS COMMAND...: true once the command succeeds.
wait_for() {
    local limit=$(($1 * 10))
    shift
    local i
    for ((i = 0; i < limit; ++i)); do
        "$@" > /dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

# A free display away from the low numbers other sessions and tools assume.
XVFB=
start_xvfb() {
    local n tries
    n=$((200 + RANDOM % 600))
    for ((tries = 0; tries < 20; ++tries, ++n)); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        # -noreset: a server resetting after a check disconnects refuses the next client.
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset > "$WORK/xvfb.log" 2>&1 &
        XVFB=$!
        PIDS+=($XVFB)
        if wait_for 10 sh -c "xwininfo -root -display :$n || ! kill -0 $XVFB"; then
            if ! gone "$XVFB" && xwininfo -root -display ":$n" > /dev/null 2>&1; then
                export DISPLAY=":$n"
                return 0
            fi
        fi
        kill "$XVFB" 2> /dev/null # lost a race for that number
        wait "$XVFB" 2> /dev/null
    done
    echo "FAIL: Xvfb did not start"
    cat "$WORK/xvfb.log"
    exit 1
}
start_xvfb
echo "display $DISPLAY"

export HOME="$WORK/home"
export XDG_RUNTIME_DIR="$WORK/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# No session bus: the tray icon is an XEmbed icon in trayer.
unset DBUS_SESSION_BUS_ADDRESS WAYLAND_DISPLAY SESSION_MANAGER
export QT_QPA_PLATFORM=xcb

openbox > "$WORK/openbox.log" 2>&1 &
OPENBOX=$!
PIDS+=($OPENBOX)
# Every check below needs a managing window manager.
wm_alive() {
    gone "$OPENBOX" || return 0
    echo "FAIL: openbox ended ($1)"
    cat "$WORK/openbox.log"
    exit 1
}
wait_for 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q window' || { echo "FAIL: openbox did not start"; exit 1; }

TRAYER=
start_trayer() {
    local attempt
    for attempt in 1 2; do
        trayer --edge top --align right --widthtype request --height 32 --SetDockType true \
            --transparent false > "$WORK/trayer.log" 2>&1 &
        TRAYER=$!
        PIDS+=($TRAYER)
        wait_for 10 xwininfo -name panel && return 0
        # Seen once on a loaded machine: trayer gave up before the window
        # manager settled. One more try before failing.
        kill "$TRAYER" 2> /dev/null
        wait "$TRAYER" 2> /dev/null
    done
    echo "FAIL: trayer did not start"
    cat "$WORK/trayer.log"
    exit 1
}
stop_trayer() {
    kill "$TRAYER" 2> /dev/null
    wait "$TRAYER" 2> /dev/null
}

# A fresh data folder; arguments are KEY=VALUE lines for group TYPE.
DATA="$WORK/data"
prepare_data() {
    rm -rf "$DATA"
    mkdir -p "$DATA/Orvella"
    cp -r "$APP_DATA/." "$DATA/Orvella/"
    local ini="$DATA/Orvella/clock.ini" kv
    for kv in "$@"; do
        sed -i "/^${kv%%=*}=/d" "$ini"
        sed -i "s/^\[TYPE\]\$/[TYPE]\n${kv}/" "$ini"
    done
}

ORVELLA=
CLOCK=
start_orvella() {
    XDG_DATA_HOME="$DATA" "$BIN" > "$WORK/orvella.log" 2>&1 &
    ORVELLA=$!
    PIDS+=($ORVELLA)
    if ! wait_for 15 xwininfo -name Orvella; then
        echo "FAIL: no clock window"
        cat "$WORK/orvella.log"
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

XMESSAGE=
XMESSAGE_WIN=
start_xmessage() {
    xmessage -geometry 300x200+100+100 "an ordinary window" &
    XMESSAGE=$!
    PIDS+=($XMESSAGE)
    wait_for 10 xwininfo -name xmessage || { bad "xmessage did not start"; return 1; }
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
if wait_for 10 icon_in_tray; then
    ok "tray icon embedded in trayer"
    ICON=$(xwininfo -tree -id "$PANEL" | awk '/\("orvella" "orvella"\)/ {print $1; exit}')
    wait_for 5 is_viewable "$CLOCK" || bad "clock not shown at start"
    xdotool mousemove --window "$ICON" 8 8 click --repeat 2 --delay 80 1
    if wait_for 5 is_unmapped "$CLOCK"; then ok "double click hides the clock"; else bad "double click did not hide the clock"; fi
    xdotool mousemove --window "$ICON" 8 8 click --repeat 2 --delay 80 1
    if wait_for 5 is_viewable "$CLOCK"; then ok "double click shows the clock again"; else bad "second double click did not show the clock"; fi

    before=$(program_window_ids)
    xdotool mousemove --window "$ICON" 8 8 click 3
    if wait_for 5 new_program_window "$before"; then
        ok "right click on the icon opens the menu"
        sleep 0.3
        if [ -n "$OUT" ] && command -v import > /dev/null; then
            import -window root "$OUT/tray_menu.png" && echo "screenshot: $OUT/tray_menu.png"
        fi
        # The new window is the menu; its last entry is Exit.
        MENU=$(comm -13 <(echo "$before") <(program_window_ids) | head -1)
        eval "$(xdotool getwindowgeometry --shell "$MENU")"
        xdotool mousemove $((X + 30)) $((Y + HEIGHT - 12)) click 1
        if wait_for 5 gone "$ORVELLA"; then ok "Exit in the menu ends the program"; else bad "Exit did not end the program"; fi
        grep -q "^posx=1\r\?$" "$DATA/Orvella/clock.ini" && ok "Exit wrote the position" || bad "Exit wrote no position"
    else
        bad "no menu on a right click on the icon"
    fi
else
    bad "no tray icon under trayer"
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
[[ $type == *_NET_WM_WINDOW_TYPE_DESKTOP* ]] && ok "pinned: desktop window type" || bad "pinned: window type is not desktop"
for s in BELOW SKIP_TASKBAR SKIP_PAGER; do
    [[ $state == *_NET_WM_STATE_$s* ]] && ok "pinned: state $s" || bad "pinned: state $s missing"
done
[[ $desk == *4294967295* ]] && ok "pinned: on every workspace" || bad "pinned: not on every workspace ($desk)"
if start_xmessage; then
    ci=$(stack_index "$CLOCK")
    xi=$(stack_index "$XMESSAGE_WIN")
    [ -n "$ci" ] && [ -n "$xi" ] && [ "$ci" -lt "$xi" ] && ok "pinned: below an ordinary window" ||
        bad "pinned: not below an ordinary window ($ci vs $xi)"
    xdotool key super+d
    if wait_for 5 is_unmapped "$XMESSAGE_WIN"; then
        is_viewable "$CLOCK" && ok "pinned: show desktop leaves the clock" || bad "pinned: show desktop hid the clock"
    else
        bad "show desktop did not hide the ordinary window"
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
            [[ $(xprop -id "$CLOCK" _NET_WM_STATE) == *_NET_WM_STATE_ABOVE* ]] && ok "on top: state ABOVE" ||
                bad "on top: no ABOVE state"
            [ -n "$ci" ] && [ -n "$xi" ] && [ "$ci" -gt "$xi" ] && ok "on top: stays above a raised window" ||
                bad "on top: a raised window went above the clock ($ci vs $xi)"
        else
            [ -n "$ci" ] && [ -n "$xi" ] && [ "$ci" -lt "$xi" ] && ok "not on top: a raised window goes above" ||
                bad "not on top: the clock stayed above ($ci vs $xi)"
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
if wait_for 5 new_program_window "$before"; then
    ok "no tray: right click on the clock opens the menu"
    if grep -q "no system tray" "$WORK/orvella.log"; then ok "no tray: logged"; else bad "no tray: nothing logged"; fi
    [ "$(grep -c "no system tray" "$WORK/orvella.log")" -eq 1 ] || bad "no tray: logged more than once"
else
    bad "no tray: no menu on a right click"
fi
stop_orvella

[ "$FAILED" = 0 ] && echo "all passed"
exit "$FAILED"
