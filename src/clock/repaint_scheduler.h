#pragma once
// When the clock repaints next. Repaints follow what is shown: the
// displayed second of the shifted time (aligned to its boundary, so the
// second hand never lags the wall clock), the sweep rate of a faster
// repaint interval, and 20 ms steps while the clock fades in; a face that
// shows no seconds wakes once a minute. Card turns bring their own 40 ms
// frames and are not scheduled here.

#include "clock/clock_look.h"

#include <QDateTime>

class repaint_scheduler
{
public:
    enum class pace
    {
        fade,       // 20 ms steps
        per_second, // on displayed-second boundaries (every step_seconds)
        sweep,      // every repaint interval
        per_minute, // on minute boundaries: nothing shown changes in between
    };

    // Just past the boundary, so the new second is already there.
    static constexpr int boundary_slack_ms = 2;
    static constexpr int fade_ms = 20;

    // The pace of a face once the fade-in is over.
    static pace steady_pace(const clock_look &look);

    // Milliseconds from now until the next repaint. interval_ms is the
    // repaint interval; above a second the boundaries are skipped so that
    // the clock still steps every interval.
    // step_s (a divisor of 60) spaces the per-second wakes further, on
    // multiples of it within the minute.
    static int next_delay(const QDateTime &now, pace p, double interval_ms, int step_s = 1);

    // How many seconds apart the per-second wakes of a face may be: 1, but
    // an analog face without its second hand only moves its minute hand,
    // whose tip creeps about a pixel in that many seconds.
    static int step_seconds(const clock_look &look);
};
