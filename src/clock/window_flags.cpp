#include "clock/window_flags.h"

namespace window_flags {

namespace {
Qt::WindowFlags tool(bool framed, bool top)
{
    Qt::WindowFlags f = Qt::Tool | (framed ? Qt::MSWindowsFixedSizeDialogHint : Qt::FramelessWindowHint);
    if (top)
        f |= Qt::WindowStaysOnTopHint;
    return f;
}
} // namespace

Qt::WindowFlags clock(bool no_trans, int set_start, bool top)
{
    // Windowed counts only while the start mode shows the clock.
    return tool(no_trans && (set_start == 0 || set_start == 1), top);
}

Qt::WindowFlags calendar(bool no_trans, bool top_cal)
{
    return tool(no_trans, top_cal);
}

Qt::WindowFlags notebook(bool top)
{
    return top ? (Qt::Window | Qt::WindowStaysOnTopHint) : Qt::WindowFlags(Qt::Window);
}

} // namespace window_flags
