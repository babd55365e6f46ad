#include "clock/faces/hand_outline.h"

#include <QHash>
#include <QImage>
#include <QPixmap>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

double cross(QPointF o, QPointF a, QPointF b)
{
    return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
}

// Andrew's monotone chain; collinear points are dropped.
QPolygonF convex_hull(std::vector<QPointF> pts)
{
    std::sort(pts.begin(), pts.end(),
              [](QPointF a, QPointF b) { return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y()); });
    pts.erase(std::unique(pts.begin(), pts.end()), pts.end());
    if (pts.size() < 3)
        return QPolygonF(QList<QPointF>(pts.begin(), pts.end()));
    std::vector<QPointF> hull(2 * pts.size());
    size_t k = 0;
    for (const QPointF &p : pts) {
        while (k >= 2 && cross(hull[k - 2], hull[k - 1], p) <= 0)
            --k;
        hull[k++] = p;
    }
    for (size_t i = pts.size() - 1, lower = k + 1; i-- > 0;) {
        while (k >= lower && cross(hull[k - 2], hull[k - 1], pts[i]) <= 0)
            --k;
        hull[k++] = pts[i];
    }
    hull.resize(k - 1);
    return QPolygonF(QList<QPointF>(hull.begin(), hull.end()));
}

} // namespace

QPolygonF hand_outline::of_image(const QImage &source)
{
    if (source.isNull())
        return {};
    if (!source.hasAlphaChannel())
        return QPolygonF(QRectF(source.rect()));
    const QImage img = source.convertToFormat(QImage::Format_ARGB32);
    // The corners of each row's leftmost and rightmost inked pixel.
    std::vector<QPointF> pts;
    for (int y = 0; y < img.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        int left = 0, right = img.width() - 1;
        while (left <= right && qAlpha(row[left]) == 0)
            ++left;
        if (left > right)
            continue;
        while (qAlpha(row[right]) == 0)
            --right;
        for (const double yy : {double(y), double(y + 1)}) {
            pts.emplace_back(left, yy);
            pts.emplace_back(right + 1, yy);
        }
    }
    return convex_hull(std::move(pts));
}

QPolygonF hand_outline::of(const QPixmap &hand)
{
    if (hand.isNull())
        return {};
    // The faces paint on the GUI thread only; a few skins' hands at most.
    static QHash<qint64, QPolygonF> known;
    const auto it = known.constFind(hand.cacheKey());
    if (it != known.constEnd())
        return *it;
    if (known.size() >= 32)
        known.clear();
    QPolygonF outline = of_image(hand.toImage());
    const qreal dpr = hand.devicePixelRatio();
    if (dpr != 1.0)
        outline = QTransform::fromScale(1.0 / dpr, 1.0 / dpr).map(outline);
    known.insert(hand.cacheKey(), outline);
    return outline;
}

QRegion hand_outline::cover(const QPolygonF &outline, const QTransform &t, int margin, int band_rows)
{
    const QPolygonF poly = t.map(outline);
    if (poly.isEmpty())
        return {};
    const QRectF bounds = poly.boundingRect();
    const int first = int(std::floor(bounds.top())) - margin;
    const int last = int(std::ceil(bounds.bottom())) + margin; // one past
    band_rows = qMax(1, band_rows);
    QList<QRect> rects;
    rects.reserve((last - first) / band_rows + 1);
    for (int top = first; top < last; top += band_rows) {
        const int bottom = qMin(last, top + band_rows);
        // What of the polygon lies within the band widened by the margin:
        // its corners there, and where its edges cross the band's edges.
        const double y0 = top - margin, y1 = bottom + margin;
        double lo = 1e300, hi = -1e300;
        const auto take = [&](double x) {
            lo = std::min(lo, x);
            hi = std::max(hi, x);
        };
        for (qsizetype i = 0; i < poly.size(); ++i) {
            const QPointF a = poly[i], b = poly[(i + 1) % poly.size()];
            if (a.y() >= y0 && a.y() <= y1)
                take(a.x());
            for (const double y : {y0, y1})
                if ((a.y() - y) * (b.y() - y) < 0)
                    take(a.x() + (b.x() - a.x()) * (y - a.y()) / (b.y() - a.y()));
        }
        if (lo > hi)
            continue;
        const int left = int(std::floor(lo)) - margin, right = int(std::ceil(hi)) + margin;
        rects << QRect(left, top, right - left, bottom - top);
    }
    // One rectangle per band, bands apart and in order: a region as it is
    // kept, with no merging to do.
    QRegion r;
    r.setRects(rects.constData(), int(rects.size()));
    return r;
}
