#include "scheduler/stiker_placement.h"

#include <QGuiApplication>
#include <QRandomGenerator>
#include <QScreen>
#include <QWidget>

namespace stiker_placement {

QRect available_area(const QWidget *w)
{
    QScreen *s = w ? w->screen() : nullptr;
    if (!s)
        s = QGuiApplication::primaryScreen();
    return s ? s->availableGeometry() : QRect(0, 0, 1024, 768);
}

QPoint random(QSize stiker, QRect available, int msecs_since_midnight)
{
    QRandomGenerator gen(quint32(-msecs_since_midnight));
    const int free_w = available.width() - stiker.width();
    const int free_h = available.height() - stiker.height();
    const quint32 rx = gen.generate();
    const quint32 ry = gen.generate();
    return {free_w > 0 ? int(rx % quint32(free_w)) : 0, free_h > 0 ? int(ry % quint32(free_h)) : 0};
}

QPoint today(QSize stiker, QRect available)
{
    return {int(available.width() - 1.1 * stiker.width()), int(available.height() - 1.1 * stiker.height())};
}

QPoint panel(QRect stiker, QSize panel, int available_width)
{
    int x = stiker.x();
    if (stiker.x() + panel.width() > available_width)
        x = int(available_width - 1.1 * panel.width());
    int y = stiker.y() - panel.height();
    if (y <= 0)
        y = stiker.y() + stiker.height() + int(0.1 * panel.height());
    if (x <= 0)
        x = 3;
    return {x, y};
}

} // namespace stiker_placement
