#include "clock/repaint_scheduler.h"

#include "clock/faces/digital_face.h"
#include "clock/faces/flip_face.h"

#include <cmath>
#include <numbers>

repaint_scheduler::pace repaint_scheduler::steady_pace(const clock_look &look)
{
    if (look.clock == QLatin1String("analog"))
        return look.repaint_interval < 1000.0 && look.do_draw_sec ? pace::sweep : pace::per_second;
    if (look.clock == QLatin1String("digital")) {
        if (look.repaint_interval < 1000.0 && digital_face::needs_sub_second(look))
            return pace::sweep;
        return digital_face::shows_seconds(look) ? pace::per_second : pace::per_minute;
    }
    // Flip: its text changes by the second; turns run on their own frames.
    return flip_face::shows_seconds(look) ? pace::per_second : pace::per_minute;
}

int repaint_scheduler::step_seconds(const clock_look &look)
{
    if (look.clock != QLatin1String("analog") || look.do_draw_sec)
        return 1;
    // The minute hand turns 0.1 degree a second; its tip, at `reach` from
    // the pivot, moves reach * 0.1 degree in pixels.
    const double reach = look.pictures.mins.height() * (1.0 - look.offsets.mins_z);
    const double px_per_second = std::abs(reach) * 0.1 * std::numbers::pi / 180.0;
    const int most = px_per_second > 0 ? int(1.0 / px_per_second) : 60;
    int step = 1;
    for (int d : {2, 3, 4, 5, 6, 10, 12, 15, 20, 30, 60})
        if (d <= most)
            step = d;
    return step;
}

int repaint_scheduler::next_delay(const QDateTime &now, pace p, double interval_ms, int step_s)
{
    const QTime t = now.time();
    switch (p) {
    case pace::fade:
        return fade_ms;
    case pace::sweep:
        return qMax(1, int(interval_ms));
    case pace::per_minute:
        return (59 - t.second()) * 1000 + (1000 - t.msec()) + boundary_slack_ms;
    case pace::per_second:
        break;
    }
    const int to_boundary = 1000 - t.msec();
    // A slower repaint interval (say 2 s) skips whole seconds, still on
    // boundaries.
    const double extra = interval_ms > 1000.0 ? std::floor((qMin(interval_ms, 3.6e6) - 1.0) / 1000.0) : 0.0;
    if (step_s > 1 && extra < step_s - 1) {
        // On the next multiple of the step (the minute boundary among them).
        const int next = (t.second() / step_s + 1) * step_s;
        return (next - t.second() - 1) * 1000 + to_boundary + boundary_slack_ms;
    }
    return to_boundary + int(extra) * 1000 + boundary_slack_ms;
}
