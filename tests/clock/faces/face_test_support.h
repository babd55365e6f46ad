#pragma once
// Small helpers for looking at painted faces pixel by pixel.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPointF>
#include <QRect>
#include <cmath>
#include <functional>

namespace face_test {

inline QPixmap bar(int w, int h, QColor c)
{
    QPixmap p(w, h);
    p.fill(c);
    return p;
}

inline QImage blank(QSize s)
{
    QImage img(s, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

using pixel_test = std::function<bool(QRgb)>;

inline bool reddish(QRgb c)
{
    return qRed(c) > 180 && qGreen(c) < 90 && qBlue(c) < 90 && qAlpha(c) > 200;
}
inline bool greenish(QRgb c)
{
    return qGreen(c) > 150 && qRed(c) < 90 && qBlue(c) < 90 && qAlpha(c) > 200;
}
inline bool bluish(QRgb c)
{
    return qBlue(c) > 180 && qRed(c) < 90 && qGreen(c) < 90 && qAlpha(c) > 200;
}
inline bool magenta(QRgb c)
{
    return qRed(c) > 120 && qBlue(c) > 120 && qGreen(c) < 80 && qAlpha(c) > 60;
}
inline bool opaque_pixel(QRgb c)
{
    return qAlpha(c) > 0;
}

inline int count(const QImage &img, const pixel_test &t, QRect area = QRect())
{
    if (area.isNull())
        area = img.rect();
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (t(img.pixel(x, y)))
                ++n;
    return n;
}

inline QRect bounds(const QImage &img, const pixel_test &t)
{
    QRect r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (t(img.pixel(x, y)))
                r |= QRect(x, y, 1, 1);
    return r;
}

// Direction of the matching pixels' centroid as seen from the pivot, in
// clock degrees (clockwise, 0 at twelve).
inline double clock_angle(const QImage &img, const pixel_test &t, QPointF pivot)
{
    double sx = 0, sy = 0;
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (t(img.pixel(x, y))) {
                sx += x + 0.5;
                sy += y + 0.5;
                ++n;
            }
    if (n == 0)
        return -1;
    const double dx = sx / n - pivot.x(), dy = sy / n - pivot.y();
    double a = std::atan2(dx, -dy) * 180.0 / M_PI;
    return a < 0 ? a + 360.0 : a;
}

} // namespace face_test
