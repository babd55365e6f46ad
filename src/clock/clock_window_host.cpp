// orvella's side of clock_host: the desktop flags and window flags that the
// settings dialog's setters change while the program runs.
#include "clock/clock_window.h"
#include "clock/skin_loader.h"
#include "clock/window_flags.h"
#include "settings/alarm_setup.h"

bool orvella::desktop_flag(flag_id f) const
{
    switch (f) {
    case flag_id::ignore_win_key:
        return ignore_win_key;
    case flag_id::fix_on_desktop:
        return fix_on_desktop;
    case flag_id::fix_on_mouse:
        return fix_on_mouse;
    case flag_id::top:
        return top;
    case flag_id::top_cal:
        return top_cal;
    case flag_id::no_trans:
        return no_trans;
    }
    return false;
}

void orvella::set_desktop_flag(flag_id f, bool on)
{
    switch (f) {
    case flag_id::ignore_win_key:
        ignore_win_key = on;
        break;
    case flag_id::fix_on_desktop:
        fix_on_desktop = on;
        break;
    case flag_id::fix_on_mouse:
        fix_on_mouse = on;
        // Only the evaluation pass of a click-through clock clears the
        // mask; without this the last clicked pixel would stay a hole.
        if (!on)
            clearMask();
        break;
    case flag_id::top:
        top = on;
        break;
    case flag_id::top_cal:
        top_cal = on;
        break;
    case flag_id::no_trans:
        no_trans = on;
        break;
    }
}

QWidget *orvella::host_window(window_id w)
{
    switch (w) {
    case window_id::clock:
        return this;
    case window_id::calendar:
        return calendar_window();
    case window_id::notebook:
        return notebook_window();
    }
    return nullptr;
}

void orvella::reapply_window_flags(window_id w)
{
    QWidget *target = host_window(w);
    if (!target)
        return;
    switch (w) {
    case window_id::clock:
        target->setWindowFlags(window_flags::clock(no_trans, start_mode(), top));
        break;
    case window_id::calendar:
        target->setWindowFlags(window_flags::calendar(no_trans, top_cal));
        break;
    case window_id::notebook:
        target->setWindowFlags(window_flags::notebook(top));
        break;
    }
}

void orvella::set_face_opacity(double opacity)
{
    look().opacity = qBound(0.0, opacity, 1.0);
    update();
}

// ---- clock_face_host ----------------------------------------------------------

void orvella::set_face(const QString &face)
{
    m_look.clock = face;
    look_changed();
}

void orvella::set_flag(face_flag f, bool on)
{
    switch (f) {
    case face_flag::not_paint_sec:
        m_look.not_paint_sec = on;
        break;
    case face_flag::do_draw_sec:
        m_look.do_draw_sec = on;
        break;
    case face_flag::set_top_sec:
        m_look.set_top_sec = on;
        break;
    case face_flag::ampm:
        m_look.ampm = on;
        break;
    case face_flag::paint_flip_sec:
        m_look.paint_flip_sec = on;
        break;
    case face_flag::do_anim:
        m_look.do_anim = on;
        break;
    case face_flag::show_calendar:
        show_calendar = on;
        return;
    case face_flag::do_today:
        do_today = on;
        return;
    }
    look_changed();
}

QColor orvella::colour_of(face_colour c) const
{
    switch (c) {
    case face_colour::digital:
        return m_look.color;
    case face_colour::second_marks:
        return m_look.color_sec;
    case face_colour::flip_caption:
        return m_look.color_flip_clock;
    case face_colour::flip_shadow:
        return m_look.shade_flip_clock;
    }
    return {};
}

void orvella::set_colour(face_colour c, const QColor &value)
{
    switch (c) {
    case face_colour::digital:
        m_look.color = value;
        break;
    case face_colour::second_marks:
        m_look.color_sec = value;
        break;
    case face_colour::flip_caption:
        m_look.color_flip_clock = value;
        break;
    case face_colour::flip_shadow:
        m_look.shade_flip_clock = value;
        break;
    }
    update();
}

QFont orvella::font_of(face_font f) const
{
    return f == face_font::digital ? m_look.font : m_look.font_flip_clock;
}

void orvella::set_font(face_font f, const QFont &value)
{
    (f == face_font::digital ? m_look.font : m_look.font_flip_clock) = value;
    remembered_width = 0; // the digital text is measured afresh
    fit_to_face();
    update();
}

void orvella::set_text(face_text t, const QString &value)
{
    switch (t) {
    case face_text::format_1:
        m_look.format_1 = value;
        break;
    case face_text::format_2:
        m_look.format_2 = value;
        break;
    case face_text::flip_caption:
        m_look.text_flip_clock = value;
        break;
    }
    remembered_width = 0;
    fit_to_face();
    update();
}

QGradientStops orvella::gradient_of(face_gradient g) const
{
    return g == face_gradient::background ? m_look.gradient_bk : m_look.gradient_font;
}

void orvella::set_gradient(face_gradient g, const QGradientStops &stops)
{
    (g == face_gradient::background ? m_look.gradient_bk : m_look.gradient_font) = stops;
    // Coalesced with any pending paint: a fast drag never queues frames.
    update();
}

void orvella::set_time_offset(int hours, int minutes)
{
    m_look.hour_offset = hours;
    m_look.minute_offset = minutes;
    look_changed();
}

void orvella::set_flip_size(int size)
{
    m_look.flip_size = size;
    fit_to_face();
    update();
}

void orvella::set_repaint_interval(double ms)
{
    // While the clock fades in it keeps the value; the end of the fade-in
    // arms the timer from it.
    m_look.repaint_interval = ms;
    if (!m_fading)
        look_changed();
}

void orvella::set_skin_pictures(const skin_picture_set &pictures)
{
    setUpdatesEnabled(false);
    skin_pictures &p = m_look.pictures;
    p.face = pictures[0];
    p.hour = pictures[1];
    p.mins = pictures[2];
    p.secunds = pictures[3];
    p.shapocka = pictures[4];
    look_changed();
    setUpdatesEnabled(true);
    update();
}

bool orvella::apply_skin_folder(const QString &folder)
{
    const loaded_skin skin = skin_loader::load(folder, this);
    // The loader has warned; a clock left without pictures would vanish
    // from the desktop, so it keeps the skin it shows.
    if (!skin.complete)
        return false;
    m_look.skin_folder = folder;
    m_look.offsets = skin.offsets;
    const skin_pictures &p = skin.pictures;
    // The scale slider starts from the unscaled pictures of the skin shown.
    m_setup->set_pristine_pictures({p.face, p.hour, p.mins, p.secunds, p.shapocka});
    m_look.pictures = skin_loader::scaled(p, m_setup->clock().get(clock_keys::resize));
    look_changed();
    update();
    return true;
}
