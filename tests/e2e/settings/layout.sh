# Where the constructor's controls are in the settings dialog ("x y" in
# window coordinates). The picker column has a fixed width at the right edge
# and "Создать скин" sits at the bottom, so both follow the dialog's size,
# which the other tabs decide.
constructor_layout() { # constructor_layout WINDOW
  local W H
  eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(WIDTH|HEIGHT)=')"
  W=$WIDTH H=$HEIGHT
  TAB_CONSTRUCTOR="484 24"
  local row=91 part
  for part in FACE HOUR MINS SECS DOTS; do
    printf -v "${part}_DOWN" '%s' "$((W - 468)) $row"
    printf -v "${part}_UP" '%s' "$((W - 50)) $row"
    row=$((row + 28))
  done
  CREATE="60 $((H - 34))"
}
