#include "clock/faces/cached_render.h"

#include <QFontMetrics>
#include <QPainter>

void draw_cached(QPainter &p, render_cache &cache, const QString &key, const QRect &area,
                 const std::function<void(QPainter &)> &render)
{
    if (area.isEmpty())
        return;
    const qreal dpr = p.device() ? p.device()->devicePixelRatioF() : 1.0;
    const QString full = key + '|' + QString::number(area.x()) + ',' + QString::number(area.y()) + ',' +
                         QString::number(area.width()) + ',' + QString::number(area.height()) + '|' +
                         QString::number(dpr);
    QPixmap *pm = cache.object(full);
    if (!pm) {
        // A line of seconds is a new picture every second: the one it
        // replaces is painted over when it has the same size, which keeps
        // its paint engine and saves making a picture each time.
        const QSize pixels = area.size() * dpr;
        if (cache.size() >= cache.maxCost()) {
            const QList<QString> keys = cache.keys();
            for (const QString &k : keys) {
                if (k == cache.last)
                    continue;
                QPixmap *old = cache.take(k);
                if (old->size() == pixels && old->devicePixelRatio() == dpr)
                    pm = old;
                else
                    delete old;
                break;
            }
        }
        if (!pm)
            pm = new QPixmap(pixels);
        pm->setDevicePixelRatio(dpr);
        pm->fill(Qt::transparent);
        QPainter q(pm);
        q.setRenderHints(p.renderHints());
        q.translate(-area.topLeft());
        render(q);
        q.end();
        cache.insert(full, pm);
    }
    cache.last = full;
    p.drawPixmap(area.topLeft(), *pm);
}

QRect line_strip(const QFontMetrics &fm, int base, QSize window)
{
    return QRect(0, base - fm.ascent() - 2, window.width(), fm.ascent() + fm.descent() + 5)
        .intersected(QRect(QPoint(), window));
}
