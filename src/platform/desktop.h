#pragma once
// How the clock window lives on the desktop: kept on the desktop layer so
// "show desktop" leaves it alone. Off X11 these do nothing (logged once).

class QWidget;

namespace desktop {

// Marks the window so the window manager keeps it on the desktop layer,
// below other windows, on every workspace and out of the task bar and
// pager. Call it from the window's show event: the window type is only
// read by window managers when the window is mapped.
void pin_to_desktop(QWidget *window);

// True when the windows are X11 windows (xcb platform).
bool is_x11();

} // namespace desktop
