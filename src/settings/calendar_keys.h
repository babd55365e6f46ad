#pragma once
// The keys of calendar.ini the settings dialog writes. Booleans go in as
// check-box states (0/2); the calendar reads any non-zero text as on.

#include "storage/typed_settings.h"

namespace calendar_keys {

inline const ini_key<check_state> do_transp_calendar{"Transparent", "do_transp_calendar", {}};
inline const ini_key<check_state> show_monitor_notes{"Monitor", "show_monitor_notes", {}};
inline const ini_key<check_state> set_font_from_calendar{"Monitor", "set_font_from_calendar", {}};
inline const ini_key<check_state> set_color_from_calendar{"Monitor", "set_color_from_calendar", {}};
inline const ini_key<check_state> do_shadow{"Color", "do_shadow", {}};

inline const ini_key<QColor> today_color{"Color", "today_color", {}};
inline const ini_key<QColor> month_color{"Color", "month_color", {}};
inline const ini_key<QColor> border{"Color", "border", {}};
inline const ini_key<QColor> day_not_this_months{"Color", "day_not_this_months", {}};
inline const ini_key<QColor> weekend{"Color", "weekend", {}};
inline const ini_key<QColor> weekday{"Color", "weekday", {}};
inline const ini_key<QColor> shadow{"Color", "shadow", {}};
inline const ini_key<QFont> font{"Font", "font", {}};
inline const ini_key<QString> sound{"Sound", "sound", {}};
inline const ini_key<QString> my_skin{"Skin", "my_skin", {}};

} // namespace calendar_keys
