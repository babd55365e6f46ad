#pragma once
// The options that decide what one window does to another: kept by the
// composition, read by the commands, changed through the clock's hosts.

struct window_state
{
    bool show_calendar = false; // a right click on the clock shows the calendar
    bool do_today = false;      // showing the calendar shows today's notes
    bool top_cal = false;       // the calendar stays on top
    int autorun = 0;            // what a double click on the tray icon does
};
