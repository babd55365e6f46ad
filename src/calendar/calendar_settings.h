#pragma once
// Every key of calendar.ini in one place, and the calendar's look as read
// from it. Booleans take the toolkit's text rule ("0", "false" and empty
// are false); the settings dialog writes them as 0/2. Absent colours stay
// invalid and paint black, as a file without them always has.

#include "storage/typed_settings.h"

#include <QColor>
#include <QFont>
#include <QSize>
#include <QString>

namespace calendar_file_keys {
inline const ini_key<QString> my_skin{"Skin", "my_skin", QString()};
inline const ini_key<int> width{"Geometry", "width", 200};
inline const ini_key<int> height{"Geometry", "height", 200};
inline const ini_key<int> poscalendarx{"POSITION", "poscalendarx", 1};
inline const ini_key<int> poscalendary{"POSITION", "poscalendary", 1};
inline const ini_key<bool> do_transp_calendar{"Transparent", "do_transp_calendar", false};
inline const ini_key<bool> show_monitor_notes{"Monitor", "show_monitor_notes", false};
inline const ini_key<bool> set_font_from_calendar{"Monitor", "set_font_from_calendar", false};
inline const ini_key<bool> set_color_from_calendar{"Monitor", "set_color_from_calendar", false};
inline const ini_key<bool> do_shadow{"Color", "do_shadow", false};
inline const ini_key<QColor> shadow{"Color", "shadow", QColor()};
inline const ini_key<QColor> weekday{"Color", "weekday", QColor()};
inline const ini_key<QColor> weekend{"Color", "weekend", QColor()};
inline const ini_key<QColor> day_not_this_months{"Color", "day_not_this_months", QColor()};
inline const ini_key<QColor> border{"Color", "border", QColor()};
inline const ini_key<QColor> month_color{"Color", "month_color", QColor()};
inline const ini_key<QColor> today_color{"Color", "today_color", QColor()};
inline const ini_key<QFont> font{"Font", "font", QFont()};
inline const ini_key<QString> sound{"Sound", "sound", QString()};
} // namespace calendar_file_keys

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
