#pragma once
// Backgrounds of the month calendar window and its resize grip.

#include <QColor>
#include <QImage>

namespace asset {

struct calendar_look
{
    QColor top, bottom; // the panel's gradient
    QColor glow;        // soft light spots
    quint32 seed;
};

// A rounded translucent-edged panel, 600 x 400, to be stretched over the window.
QImage calendar_skin(const calendar_look &look);

// The little diagonal grip shown at the calendar's lower right corner.
QImage resize_grip();

} // namespace asset
