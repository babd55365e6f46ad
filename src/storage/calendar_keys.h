#pragma once
// Every key of calendar.ini: group, name, stored form and default, shared by
// the calendar, which reads them, and the settings dialog, which writes most
// of them. Booleans go in as check-box states (0/2); any non-zero number or
// "true" reads back as on. Absent colours stay invalid and paint black, as a
// file without them always has.

#include "storage/typed_settings.h"

namespace calendar_keys {

inline const ini_key<QString> my_skin{"Skin", "my_skin", QString()};
inline const ini_key<int> width{"Geometry", "width", 200};
inline const ini_key<int> height{"Geometry", "height", 200};
inline const ini_key<int> poscalendarx{"POSITION", "poscalendarx", 1};
inline const ini_key<int> poscalendary{"POSITION", "poscalendary", 1};

inline const ini_key<check_state> do_transp_calendar{"Transparent", "do_transp_calendar", {}};
inline const ini_key<check_state> show_monitor_notes{"Monitor", "show_monitor_notes", {}};
inline const ini_key<check_state> set_font_from_calendar{"Monitor", "set_font_from_calendar", {}};
inline const ini_key<check_state> set_color_from_calendar{"Monitor", "set_color_from_calendar", {}};
inline const ini_key<check_state> do_shadow{"Color", "do_shadow", {}};

inline const ini_key<QColor> shadow{"Color", "shadow", QColor()};
inline const ini_key<QColor> weekday{"Color", "weekday", QColor()};
inline const ini_key<QColor> weekend{"Color", "weekend", QColor()};
inline const ini_key<QColor> day_not_this_months{"Color", "day_not_this_months", QColor()};
inline const ini_key<QColor> border{"Color", "border", QColor()};
inline const ini_key<QColor> month_color{"Color", "month_color", QColor()};
inline const ini_key<QColor> today_color{"Color", "today_color", QColor()};
inline const ini_key<QFont> font{"Font", "font", QFont()};

// The sound of a note's reminder sticker.
inline const ini_key<QString> sound{"Sound", "sound", QString()};

} // namespace calendar_keys
