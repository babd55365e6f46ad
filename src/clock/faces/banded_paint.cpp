#include "clock/faces/banded_paint.h"

#include <QPaintDevice>
#include <QPainter>

#include <cmath>

namespace {

// Below the span count at which the raster engine turns to its threads
// (about a hundred), with room for a span or two more per row at the
// picture's edges.
constexpr int device_rows_per_band = 48;

} // namespace

QList<QRect> paint_bands(const QRegion &area, const QRect &box, qreal device_pixel_ratio)
{
    QList<QRect> bands;
    if (box.isEmpty())
        return bands;
    const int rows = qMax(1, int(std::floor(device_rows_per_band / qMax(1.0, device_pixel_ratio))));
    const QRegion part = area.isEmpty() ? QRegion(box) : area.intersected(box);
    for (const QRect &r : part)
        for (int top = r.top(); top <= r.bottom(); top += rows)
            bands << QRect(r.left(), top, r.width(), qMin(rows, r.bottom() - top + 1));
    return bands;
}

void paint_in_bands(QPainter &p, const QRegion &area, const QRect &box, const std::function<void()> &draw)
{
    const qreal dpr = p.device() ? p.device()->devicePixelRatioF() : 1.0;
    for (const QRect &band : paint_bands(area, box, dpr)) {
        p.save();
        p.setClipRect(band, Qt::IntersectClip);
        draw();
        p.restore();
    }
}
