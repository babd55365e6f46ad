#pragma once
// Small painting helpers shared by the asset generators.

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QString>

namespace asset {

// A transparent ARGB32 premultiplied canvas.
QImage canvas(int w, int h);

// Gaussian-like blur of the alpha channel (three box passes), colour set to c.
QImage blurred_silhouette(const QImage &src, int radius, const QColor &c);

// src laid over its own soft shadow.
QImage with_shadow(const QImage &src, int radius, qreal opacity, QPointF offset = {});

// Colour between a and b, t in [0, 1].
QColor mix(const QColor &a, const QColor &b, qreal t);

// Point at angle deg (clockwise from 12 o'clock) and radius r around c.
QPointF polar(QPointF c, qreal r, qreal deg);

// Cheap deterministic pseudo-random numbers, so output never changes between builds.
class lcg
{
public:
    explicit lcg(quint32 seed) : m_state(seed) {}
    // Uniform in [0, 1).
    double next();
    double range(double lo, double hi) { return lo + (hi - lo) * next(); }

private:
    quint32 m_state;
};

bool save_png(const QImage &img, const QString &path);

} // namespace asset
