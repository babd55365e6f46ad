#include "clock/faces/banded_paint.h"

#include <QPaintDevice>
#include <QPainter>

#include <cmath>

namespace {

// Rows of clip rectangles one call may blend: below the span count at which
// the raster engine turns to its threads (about a hundred), with room for a
// span or two more per row at a picture's edges.
constexpr int rect_rows_per_band = 48;

} // namespace

QList<QRegion> paint_bands(const QRegion &area, const QRect &box, qreal device_pixel_ratio)
{
    QList<QRegion> bands;
    if (box.isEmpty())
        return bands;
    const double scale = qMax(1.0, device_pixel_ratio);
    const QRegion part = area.isEmpty() ? QRegion(box) : area.intersected(box);
    QRegion band;
    double used = 0; // device rows times rectangles
    const auto close_band = [&] {
        if (!band.isEmpty())
            bands << band;
        band = QRegion();
        used = 0;
    };
    // A region's rectangles come in rows: equal tops and heights, left to right.
    for (auto row = part.begin(); row != part.end();) {
        auto next = row;
        while (next != part.end() && next->top() == row->top())
            ++next;
        const int count = int(next - row), top = row->top(), bottom = row->top() + row->height();
        for (int y = top; y < bottom;) {
            // Rounding may cost a device row more per rectangle.
            int fits = int(std::floor(((rect_rows_per_band - used) / count - 1.0) / scale));
            if (fits < 1 && !band.isEmpty()) {
                close_band();
                continue;
            }
            fits = qBound(1, fits, bottom - y);
            for (auto r = row; r != next; ++r)
                band += QRect(r->left(), y, r->width(), fits);
            used += count * (fits * scale + 1.0);
            y += fits;
        }
        row = next;
    }
    close_band();
    return bands;
}

void paint_in_bands(QPainter &p, const QRegion &area, const QList<banded_layer> &layers)
{
    QRect all;
    for (const banded_layer &l : layers)
        all |= l.box;
    const qreal dpr = p.device() ? p.device()->devicePixelRatioF() : 1.0;
    for (const QRegion &band : paint_bands(area, all, dpr)) {
        p.save();
        p.setClipRegion(band, Qt::IntersectClip);
        for (const banded_layer &l : layers)
            if (band.intersects(l.box))
                l.draw();
        p.restore();
    }
}
