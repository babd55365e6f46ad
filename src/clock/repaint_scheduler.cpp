#include "clock/repaint_scheduler.h"

#include "clock/faces/digital_face.h"

#include <cmath>

repaint_scheduler::pace repaint_scheduler::steady_pace(const clock_look &look)
{
    if (look.clock == QLatin1String("analog"))
        return look.repaint_interval < 1000.0 ? pace::sweep : pace::per_second;
    if (look.clock == QLatin1String("digital"))
        return look.repaint_interval < 1000.0 && digital_face::needs_sub_second(look) ? pace::sweep : pace::per_second;
    // Flip: its text changes by the second; turns run on their own frames.
    return pace::per_second;
}

int repaint_scheduler::next_delay(const QDateTime &now, pace p, double interval_ms)
{
    switch (p) {
    case pace::fade:
        return fade_ms;
    case pace::sweep:
        return qMax(1, int(interval_ms));
    case pace::per_second:
        break;
    }
    const int to_boundary = 1000 - now.time().msec();
    // A slower repaint interval (say 2 s) skips whole seconds, still on
    // boundaries.
    const double extra = interval_ms > 1000.0 ? std::floor((qMin(interval_ms, 3.6e6) - 1.0) / 1000.0) : 0.0;
    return to_boundary + int(extra) * 1000 + boundary_slack_ms;
}
