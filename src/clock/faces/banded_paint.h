#pragma once
// Painting a picture under clips small enough for the toolkit's raster
// engine to blend on the calling thread. Above about a hundred spans in one
// call it splits the work over helper threads and waits for them: for a
// clock hand or a strip of dial that is a few microseconds of blending and
// four thread wakeups, at every tick.

#include <QRect>
#include <QRegion>
#include <functional>

class QPainter;

// Calls `draw` once for each band of `box` inside `area` (an empty area
// stands for all of `box`), with the painter clipped to that band: rows of
// the area's rectangles, a few dozen device rows of rectangles in all.
void paint_in_bands(QPainter &p, const QRegion &area, const QRect &box, const std::function<void()> &draw);

// The bands paint_in_bands() draws under, in painter coordinates.
QList<QRegion> paint_bands(const QRegion &area, const QRect &box, qreal device_pixel_ratio);
