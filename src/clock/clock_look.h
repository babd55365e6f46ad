#pragma once
// What the clock faces draw with: the options read from clock.ini and the
// loaded skin. The clock window owns one; faces only read it.

#include <QColor>
#include <QFont>
#include <QGradientStops>
#include <QPixmap>
#include <QString>

struct skin_offsets
{
    double hour_x = 1.0, hour_y = 1.0, hour_z = 0.09;
    double mins_x = 1.0, mins_y = 1.0, mins_z = 0.06;
    double secunds_x = 1.0, secunds_y = 1.0, secunds_z = 0.23;
    double shapocka_x = 1.0, shapocka_y = 1.0;
};

struct skin_pictures
{
    QPixmap face, hour, mins, secunds, shapocka;
};

struct clock_look
{
    QString skin_folder;
    // digital text, flip caption, flip caption shadow, second marks
    QColor color, color_flip_clock, shade_flip_clock, color_sec;
    QString clock; // "analog", "digital" or "flip"
    QFont font, font_flip_clock;
    QString format_1, format_2, text_flip_clock;
    double opacity = 0.7;
    double repaint_interval = 1000.0; // ms
    int flip_size = 100;
    int hour_offset = 0, minute_offset = 0;
    skin_pictures pictures;
    skin_offsets offsets;

    bool not_paint_sec = false, paint_flip_sec = true, do_anim = true, set_top_sec = true, do_draw_sec = true;
    bool ampm = false;

    QGradientStops gradient_font, gradient_bk;
};
