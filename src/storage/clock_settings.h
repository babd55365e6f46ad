#pragma once
// Every key of clock.ini: group, name, stored form and default, in one place.

#include "storage/typed_settings.h"

#include <QGradientStops>

namespace clock_keys {

#define ORV_KEY(type, name, def) inline const ini_key<type> name{"TYPE", #name, def};
ORV_KEY(QString, clock, QString())
ORV_KEY(double, sec_speed, 1.0)
ORV_KEY(double, resize, 1.0)
ORV_KEY(int, settransform, 100)
ORV_KEY(double, transp, 0.7) // absent: 0.7, a visible clock on a fresh folder
ORV_KEY(int, hourOffset, 0)
ORV_KEY(int, minsOffset, 0)
ORV_KEY(int, posx, 0)
ORV_KEY(int, posy, 0)
ORV_KEY(int, set_start, 0)
ORV_KEY(int, autorun, 0)
ORV_KEY(bool, top, false)
ORV_KEY(bool, top_cal, false)
ORV_KEY(bool, no_trans, false)
ORV_KEY(bool, ignore_win_key, false)
ORV_KEY(bool, fix_on_desktop, false)
ORV_KEY(bool, fix_on_mouse, false)
ORV_KEY(bool, show_calendar, false)
ORV_KEY(check_state, do_today, check_state{false})
ORV_KEY(bool, fix_cal_on_mouse, false)
ORV_KEY(bool, view_resize_control, false)
ORV_KEY(bool, not_paint_sec, false)
ORV_KEY(check_state, do_draw_sec, check_state{true})
ORV_KEY(check_state, set_top_sec, check_state{true})
ORV_KEY(QColor, color_sec, QColor())
ORV_KEY(QColor, color, QColor())
ORV_KEY(QFont, font, QFont())
ORV_KEY(QString, format_1, QString())
ORV_KEY(QString, format_2, QString())
ORV_KEY(bool, ampm, false)
ORV_KEY(QColor, color_flip_clock, QColor())
ORV_KEY(QFont, font_flip_clock, QFont())
ORV_KEY(QString, text_flip_clock, QString())
ORV_KEY(QColor, shade_flip_clock, QColor())
ORV_KEY(bool, paint_flip_sec, true)
ORV_KEY(bool, do_anim, true)
ORV_KEY(int, set_today, 0)
ORV_KEY(int, catch_up_hours, 24) // reminders missed while asleep: how old may still fire
ORV_KEY(bool, desktop_notify, false) // reminders also in the desktop's notification centre
#undef ORV_KEY

// Defaults that depend on the data folder.
inline const ini_key<QString> my_skin{"TYPE", "my_skin", QString()};
inline const ini_key<QString> stiker_skin{"TYPE", "stiker_skin", QString()};

inline constexpr const char *gradient_bk = "Gradient_BK";
inline constexpr const char *gradient_font = "Gradient_Font";

} // namespace clock_keys

class clock_settings : public typed_settings
{
public:
    using typed_settings::typed_settings;

    QString my_skin() const;     // default: data folder + "/Skins/Standart"
    QString stiker_skin() const; // default: data folder + "/Skins/stiker.png"
    static QString default_skin();

    // Stops of a gradient group; an empty group gives the four-stop default.
    QGradientStops gradient(const char *group) const;
    // Replaces the whole group and syncs the file.
    void set_gradient(const char *group, const QGradientStops &stops);
    static QGradientStops default_gradient(const char *group);
};
