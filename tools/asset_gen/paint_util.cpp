#include "paint_util.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QtMath>

#include <cstdio>
#include <vector>

namespace asset {

QImage canvas(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

namespace {

// One box pass over a row-major float plane, horizontally or vertically.
void box_pass(std::vector<float> &v, int w, int h, int r, bool horizontal)
{
    const int n = horizontal ? w : h;
    const int lines = horizontal ? h : w;
    std::vector<float> line(n), out(n);
    for (int l = 0; l < lines; ++l) {
        for (int i = 0; i < n; ++i)
            line[i] = horizontal ? v[l * w + i] : v[i * w + l];
        float sum = 0;
        for (int i = -r; i <= r; ++i)
            sum += (i >= 0 && i < n) ? line[i] : 0.f;
        for (int i = 0; i < n; ++i) {
            out[i] = sum / float(2 * r + 1);
            const int add = i + r + 1, sub = i - r;
            sum += (add < n ? line[add] : 0.f) - (sub >= 0 ? line[sub] : 0.f);
        }
        for (int i = 0; i < n; ++i)
            (horizontal ? v[l * w + i] : v[i * w + l]) = out[i];
    }
}

} // namespace

QImage blurred_silhouette(const QImage &src, int radius, const QColor &c)
{
    const QImage a = src.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = a.width(), h = a.height();
    std::vector<float> v(size_t(w) * h);
    for (int y = 0; y < h; ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        for (int x = 0; x < w; ++x)
            v[size_t(y) * w + x] = qAlpha(line[x]) / 255.f;
    }
    if (radius > 0) {
        for (int pass = 0; pass < 3; ++pass) {
            box_pass(v, w, h, radius, true);
            box_pass(v, w, h, radius, false);
        }
    }
    QImage out = canvas(w, h);
    for (int y = 0; y < h; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const float alpha = qBound(0.f, v[size_t(y) * w + x] * float(c.alphaF()), 1.f);
            const int al = qRound(alpha * 255.f);
            line[x] = qPremultiply(qRgba(c.red(), c.green(), c.blue(), al));
        }
    }
    return out;
}

QImage with_shadow(const QImage &src, int radius, qreal opacity, QPointF offset)
{
    QColor shade(0, 0, 0);
    shade.setAlphaF(float(opacity));
    const QImage sh = blurred_silhouette(src, radius, shade);
    QImage out = canvas(src.width(), src.height());
    QPainter p(&out);
    p.drawImage(offset, sh);
    p.drawImage(0, 0, src);
    return out;
}

QColor mix(const QColor &a, const QColor &b, qreal t)
{
    const auto lerp = [t](float x, float y) { return x + (y - x) * float(t); };
    return QColor::fromRgbF(lerp(a.redF(), b.redF()), lerp(a.greenF(), b.greenF()), lerp(a.blueF(), b.blueF()),
                            lerp(a.alphaF(), b.alphaF()));
}

QPointF polar(QPointF c, qreal r, qreal deg)
{
    const qreal a = qDegreesToRadians(deg);
    return {c.x() + r * qSin(a), c.y() - r * qCos(a)};
}

double lcg::next()
{
    m_state = m_state * 1664525u + 1013904223u;
    return (m_state >> 8) / double(1u << 24);
}

bool save_png(const QImage &img, const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    // Straight alpha on disk; premultiplied rounding would otherwise vary the colours at the edges.
    if (img.convertToFormat(QImage::Format_ARGB32).save(path, "PNG", 9))
        return true;
    std::fprintf(stderr, "asset_gen: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace asset
