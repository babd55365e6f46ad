#include "common/screen_placement.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace screen_placement {

bool on_screens(const QRect &window, const QList<QRect> &screens, int part, const QMargins &overhang)
{
    const QRect body = window.marginsRemoved(overhang);
    if (body.isEmpty())
        return false;
    const int need_w = std::clamp(part, 1, body.width());
    const int need_h = std::clamp(part, 1, body.height());
    // One screen must hold the whole square: a part split across two
    // monitors of different heights may show nothing grabbable.
    return std::any_of(screens.begin(), screens.end(), [&](const QRect &screen) {
        const QRect shared = body.intersected(screen);
        return shared.width() >= need_w && shared.height() >= need_h;
    });
}

QPoint rescued_position(const QRect &primary)
{
    return primary.topLeft() + QPoint(1, 1);
}

QPoint placed_position(const QRect &window, const screen_layout &layout, int part, const QMargins &overhang)
{
    // No screen known (no display yet): nothing to judge against.
    if (layout.screens.isEmpty() || on_screens(window, layout.screens, part, overhang))
        return window.topLeft();
    return rescued_position(layout.primary);
}

screen_layout current_layout()
{
    screen_layout layout;
    const auto screens = QGuiApplication::screens();
    for (const QScreen *s : screens)
        layout.screens.append(s->geometry());
    if (const QScreen *p = QGuiApplication::primaryScreen())
        layout.primary = p->geometry();
    return layout;
}

} // namespace screen_placement
