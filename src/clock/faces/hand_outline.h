#pragma once
// Where a clock hand leaves ink: the convex hull of its picture's pixels that
// are not wholly transparent, and the strips of window that cover it once the
// hand is turned. A slanted hand's turned rectangle is mostly empty corners
// and transparent margins; repainting only along the needle itself blends,
// clears and sends a third to a half of the pixels at most angles.

#include <QPolygonF>
#include <QRegion>
#include <QTransform>

class QPixmap;

namespace hand_outline {

// In the picture's device-independent coordinates, found once per picture
// (by its cache key). A picture without transparency, or one that cannot be
// read, gives its whole rectangle; a wholly transparent one gives nothing.
QPolygonF of(const QPixmap &hand);

// The convex hull of the pixels of `img` whose alpha is not zero, in the
// image's pixel coordinates.
QPolygonF of_image(const QImage &img);

// Rectangles of `band_rows` rows, one per band, covering `outline` mapped by
// `t` and widened by `margin` on every side (smoothing reaches past the
// ink). `outline` must be convex.
QRegion cover(const QPolygonF &outline, const QTransform &t, int margin, int band_rows);

} // namespace hand_outline
