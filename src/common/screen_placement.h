#pragma once
// Where a top-level window may open: the rule every window of the program
// follows when it restores a stored position. A position is kept while
// enough of the window lies on some screen (a monitor may lie at negative
// coordinates, a second monitor may be smaller); otherwise the window comes
// back to the top-left corner of the primary screen. The decision is a pure
// function of rectangles, so any screen arrangement can be tested.

#include <QList>
#include <QMargins>
#include <QPoint>
#include <QRect>

namespace screen_placement {

// Side of the square of a window that must lie on one screen.
inline constexpr int visible_part = 40;

struct screen_layout
{
    QList<QRect> screens; // every screen's geometry, desktop coordinates
    QRect primary;        // the primary screen's geometry
};

// True when a part × part square of `window` lies on one of `screens`
// (smaller windows: the whole window along the short side). `overhang` is
// how far each edge may reach past the screens without counting as part of
// the window, for windows drawn with a deliberately overhanging border.
bool on_screens(const QRect &window, const QList<QRect> &screens, int part = visible_part,
                const QMargins &overhang = {});

// Where a window that is off every screen goes: (1, 1) of the primary screen.
QPoint rescued_position(const QRect &primary);

// The stored top-left corner when the window placed there is on a screen,
// else the rescue point.
QPoint placed_position(const QRect &window, const screen_layout &layout, int part = visible_part,
                       const QMargins &overhang = {});

// The screens of the running application, in the coordinates QWidget::move
// takes (device-independent pixels). Empty when there is no screen at all.
screen_layout current_layout();

} // namespace screen_placement
