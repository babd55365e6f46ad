#pragma once
// The calendar's look as read from calendar.ini (storage/calendar_keys.h).

#include "storage/calendar_keys.h"

#include <QColor>
#include <QFont>
#include <QSize>
#include <QString>

struct calendar_colours
{
    QColor weekday, weekend, other_month, border, month, today;
};

struct calendar_look
{
    QString skin_path;
    bool transparent = false;
    bool shadow = false;
    QColor shadow_colour;
    bool show_overview = false;
    bool font_to_overview = false;
    bool colour_to_overview = false;
    calendar_colours colours;
    QFont font;
    bool has_font = false;
    QSize size{200, 200}; // Geometry, kept within what a screen can show
};

namespace calendar_settings {

// data folder + "//Calendar_skins//calendar_1.png"
QString default_skin();
// A size read from Geometry, bounded so garbage cannot make the window
// vanish or swallow the desktop.
QSize bounded_size(int w, int h);
// Reads the look; a skin path naming no file is replaced by the default and
// written back.
calendar_look read_look(QSettings &ini);

} // namespace calendar_settings
