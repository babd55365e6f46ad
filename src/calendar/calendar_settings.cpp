#include "calendar/calendar_settings.h"

#include "storage/data_folder.h"

#include <QFile>

namespace calendar_settings {

QString default_skin()
{
    return data_folder::file(QStringLiteral("//Calendar_skins//calendar_1.png"));
}

QSize bounded_size(int w, int h)
{
    return {qBound(60, w, 4000), qBound(60, h, 4000)};
}

calendar_look read_look(QSettings &ini)
{
    using namespace calendar_keys;
    typed_settings s(ini);
    calendar_look l;
    l.skin_path = s.get(my_skin);
    if (!QFile::exists(l.skin_path)) {
        l.skin_path = default_skin();
        s.set(my_skin, l.skin_path);
    }
    l.transparent = s.get(do_transp_calendar).on;
    l.shadow = s.get(do_shadow).on;
    l.shadow_colour = s.get(shadow);
    l.show_overview = s.get(show_monitor_notes).on;
    l.font_to_overview = s.get(set_font_from_calendar).on;
    l.colour_to_overview = s.get(set_color_from_calendar).on;
    l.colours = {s.get(weekday), s.get(weekend),     s.get(day_not_this_months),
                 s.get(border),  s.get(month_color), s.get(today_color)};
    l.has_font = s.contains(font);
    l.font = s.get(font);
    l.size = bounded_size(s.get(width), s.get(height));
    return l;
}

} // namespace calendar_settings
