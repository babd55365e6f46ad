#pragma once
// Painting a picture under clips small enough for the toolkit's raster
// engine to blend on the calling thread. Above about a hundred spans in one
// call it splits the work over helper threads and waits for them: for a
// clock hand or a strip of dial that is a few microseconds of blending and
// four thread wakeups, at every tick.

#include <QList>
#include <QRect>
#include <QRegion>
#include <functional>

class QPainter;

// One picture of a stack: where it may draw, and how.
struct banded_layer
{
    QRect box;
    std::function<void()> draw;
};

// Draws the layers in order, band by band of `area` (an empty area stands
// for all of the layers' boxes), with the painter clipped to the band:
// rows of the area's rectangles, a few dozen device rows of rectangles in
// all. A layer is left out of a band its box does not meet.
void paint_in_bands(QPainter &p, const QRegion &area, const QList<banded_layer> &layers);

// The bands paint_in_bands() draws under, in painter coordinates.
QList<QRegion> paint_bands(const QRegion &area, const QRect &box, qreal device_pixel_ratio);
