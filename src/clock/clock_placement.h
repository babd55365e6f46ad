#pragma once
// Where the clock window opens. Its position is stored in device pixels,
// as the program has always written it, so a clock.ini keeps its meaning
// under any scale factor; windows are moved in device-independent pixels.
// The toolkit scales each screen about its own top-left corner, which stays
// the same in both units.

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

struct device_screen
{
    QRect logical;     // the screen's geometry in device-independent pixels
    qreal ratio = 1.0; // device pixels per device-independent pixel
    QRect device() const { return QRect(logical.topLeft(), logical.size() * ratio); }
};

namespace clock_placement {

// The running application's screens, the primary first.
QList<device_screen> current_screens();

// The screen holding a point (the primary when none does).
device_screen screen_at_device(QPoint device, const QList<device_screen> &screens);
device_screen screen_at_logical(QPoint logical, const QList<device_screen> &screens);

QPoint to_logical(QPoint device, const QList<device_screen> &screens);
QPoint to_device(QPoint logical, const QList<device_screen> &screens);

// The logical top-left corner for a window of logical size `size` whose
// stored (device) position is `stored`: kept when the window would be on a
// screen, else the rescue point of the primary screen.
QPoint opening_position(QPoint stored, QSize size, const QList<device_screen> &screens);

} // namespace clock_placement
