#pragma once
// When the clock repaints next. Repaints follow what is shown: the
// displayed second of the shifted time (aligned to its boundary, so the
// second hand never lags the wall clock), the sweep rate of a faster
// repaint interval, and 20 ms steps while the clock fades in. Card turns
// bring their own 40 ms frames and are not scheduled here.

#include "clock/clock_look.h"

#include <QDateTime>

class repaint_scheduler
{
public:
    enum class pace
    {
        fade,       // 20 ms steps
        per_second, // on displayed-second boundaries
        sweep,      // every repaint interval
    };

    // Just past the boundary, so the new second is already there.
    static constexpr int boundary_slack_ms = 2;
    static constexpr int fade_ms = 20;

    // The pace of a face once the fade-in is over.
    static pace steady_pace(const clock_look &look);

    // Milliseconds from now until the next repaint. interval_ms is the
    // repaint interval; above a second the boundaries are skipped so that
    // the clock still steps every interval.
    static int next_delay(const QDateTime &now, pace p, double interval_ms);
};
