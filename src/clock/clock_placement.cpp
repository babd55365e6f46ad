#include "clock/clock_placement.h"

#include "common/screen_placement.h"

#include <QGuiApplication>
#include <QScreen>

namespace clock_placement {

QList<device_screen> current_screens()
{
    QList<device_screen> out;
    const QScreen *primary = QGuiApplication::primaryScreen();
    if (primary)
        out.append({primary->geometry(), primary->devicePixelRatio()});
    const auto screens = QGuiApplication::screens();
    for (const QScreen *s : screens)
        if (s != primary)
            out.append({s->geometry(), s->devicePixelRatio()});
    return out;
}

device_screen screen_at_device(QPoint device, const QList<device_screen> &screens)
{
    for (const device_screen &s : screens)
        if (s.device().contains(device))
            return s;
    return screens.isEmpty() ? device_screen{} : screens.first();
}

device_screen screen_at_logical(QPoint logical, const QList<device_screen> &screens)
{
    for (const device_screen &s : screens)
        if (s.logical.contains(logical))
            return s;
    return screens.isEmpty() ? device_screen{} : screens.first();
}

QPoint to_logical(QPoint device, const QList<device_screen> &screens)
{
    const device_screen s = screen_at_device(device, screens);
    const QPoint origin = s.logical.topLeft();
    const QPointF d = QPointF(device - origin) / s.ratio;
    return origin + d.toPoint();
}

QPoint to_device(QPoint logical, const QList<device_screen> &screens)
{
    const device_screen s = screen_at_logical(logical, screens);
    const QPoint origin = s.logical.topLeft();
    const QPointF d = QPointF(logical - origin) * s.ratio;
    return origin + d.toPoint();
}

QPoint opening_position(QPoint stored, QSize size, const QList<device_screen> &screens)
{
    if (screens.isEmpty())
        return stored;
    screen_placement::screen_layout layout;
    for (const device_screen &s : screens)
        layout.screens.append(s.device());
    layout.primary = screens.first().device();
    const qreal ratio = screen_at_device(stored, screens).ratio;
    const QPoint device = screen_placement::placed_position(QRect(stored, size * ratio), layout);
    return to_logical(device, screens);
}

} // namespace clock_placement
