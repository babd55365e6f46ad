#pragma once
// Where stickers and their text panels go on the desktop.

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace stiker_placement {

// Available desktop area of the screen holding `w` (the primary screen when
// `w` is null or not yet on a screen).
QRect available_area(const QWidget *w);

// Random position, seeded from the time of day: x and y are random numbers
// modulo the free width and height of the available area, in desktop
// coordinates. An axis with no room gets 0.
QPoint random(QSize stiker, QRect available, int msecs_since_midnight);

// Today's-notes sticker: near the lower right corner of the available area.
QPoint today(QSize stiker, QRect available);

// Text panel of an animated sticker: above it, else below it; shifted left
// near the right edge of the desktop; never at x <= 0.
QPoint panel(QRect stiker, QSize panel, int available_width);

} // namespace stiker_placement
