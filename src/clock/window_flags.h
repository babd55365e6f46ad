#pragma once
// Window flags of the clock, calendar and notebook windows, from the
// on-top and windowed options.

#include <Qt>

namespace window_flags {

// Tool window, frameless (or framed with the fixed-size hint when windowed
// and the start mode shows the clock), plus stays-on-top when top.
Qt::WindowFlags clock(bool no_trans, int set_start, bool top);
Qt::WindowFlags calendar(bool no_trans, bool top_cal);
Qt::WindowFlags notebook(bool top);

} // namespace window_flags
