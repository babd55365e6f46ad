#include "app/clock_link.h"

#include "app/window_state.h"
#include "clock/clock_window.h"
#include "clock/window_flags.h"
#include "settings/alarm_setup.h"

clock_link::clock_link(orvella &clock, window_state &state, alarm_setup &setup)
    : m_clock(clock), m_state(state), m_setup(setup)
{
}

// ---- clock_host -------------------------------------------------------------

bool clock_link::desktop_flag(flag_id f) const
{
    return f == flag_id::top_cal ? m_state.top_cal : m_clock.desktop_flag(f);
}

void clock_link::set_desktop_flag(flag_id f, bool on)
{
    if (f == flag_id::top_cal)
        m_state.top_cal = on;
    else
        m_clock.set_desktop_flag(f, on);
}

QWidget *clock_link::host_window(window_id w)
{
    switch (w) {
    case window_id::clock:
        return &m_clock;
    case window_id::calendar:
        return m_calendar;
    case window_id::notebook:
        return m_notebook;
    }
    return nullptr;
}

void clock_link::reapply_window_flags(window_id w)
{
    const bool no_trans = m_clock.desktop_flag(flag_id::no_trans);
    const bool top = m_clock.desktop_flag(flag_id::top);
    switch (w) {
    case window_id::clock:
        m_clock.apply_window_flags();
        break;
    case window_id::calendar:
        if (m_calendar)
            m_calendar->setWindowFlags(window_flags::calendar(no_trans, m_state.top_cal));
        break;
    case window_id::notebook:
        if (m_notebook)
            m_notebook->setWindowFlags(window_flags::notebook(top));
        break;
    }
}

int clock_link::start_mode() const
{
    return m_clock.start_mode();
}

void clock_link::set_face_opacity(double opacity)
{
    m_clock.look().opacity = qBound(0.0, opacity, 1.0);
    m_clock.update();
}

// ---- clock_face_host ----------------------------------------------------------

QString clock_link::face() const
{
    return m_clock.look().clock;
}

void clock_link::set_face(const QString &face)
{
    m_clock.look().clock = face;
    m_clock.look_changed();
}

void clock_link::set_flag(face_flag f, bool on)
{
    clock_look &l = m_clock.look();
    switch (f) {
    case face_flag::not_paint_sec:
        l.not_paint_sec = on;
        break;
    case face_flag::do_draw_sec:
        l.do_draw_sec = on;
        break;
    case face_flag::set_top_sec:
        l.set_top_sec = on;
        break;
    case face_flag::ampm:
        l.ampm = on;
        break;
    case face_flag::paint_flip_sec:
        l.paint_flip_sec = on;
        break;
    case face_flag::do_anim:
        l.do_anim = on;
        break;
    case face_flag::show_calendar:
        m_state.show_calendar = on;
        return;
    case face_flag::do_today:
        m_state.do_today = on;
        return;
    }
    m_clock.look_changed();
}

QColor clock_link::colour_of(face_colour c) const
{
    const clock_look &l = m_clock.look();
    switch (c) {
    case face_colour::digital:
        return l.color;
    case face_colour::second_marks:
        return l.color_sec;
    case face_colour::flip_caption:
        return l.color_flip_clock;
    case face_colour::flip_shadow:
        return l.shade_flip_clock;
    }
    return {};
}

void clock_link::set_colour(face_colour c, const QColor &value)
{
    clock_look &l = m_clock.look();
    switch (c) {
    case face_colour::digital:
        l.color = value;
        break;
    case face_colour::second_marks:
        l.color_sec = value;
        break;
    case face_colour::flip_caption:
        l.color_flip_clock = value;
        break;
    case face_colour::flip_shadow:
        l.shade_flip_clock = value;
        break;
    }
    m_clock.update();
}

QFont clock_link::font_of(face_font f) const
{
    return f == face_font::digital ? m_clock.look().font : m_clock.look().font_flip_clock;
}

void clock_link::set_font(face_font f, const QFont &value)
{
    (f == face_font::digital ? m_clock.look().font : m_clock.look().font_flip_clock) = value;
    m_clock.text_changed();
}

void clock_link::set_text(face_text t, const QString &value)
{
    clock_look &l = m_clock.look();
    switch (t) {
    case face_text::format_1:
        l.format_1 = value;
        break;
    case face_text::format_2:
        l.format_2 = value;
        break;
    case face_text::flip_caption:
        l.text_flip_clock = value;
        break;
    }
    m_clock.text_changed();
}

QGradientStops clock_link::gradient_of(face_gradient g) const
{
    return g == face_gradient::background ? m_clock.look().gradient_bk : m_clock.look().gradient_font;
}

void clock_link::set_gradient(face_gradient g, const QGradientStops &stops)
{
    (g == face_gradient::background ? m_clock.look().gradient_bk : m_clock.look().gradient_font) = stops;
    // Coalesced with any pending paint: a fast drag never queues frames.
    m_clock.update();
}

void clock_link::set_time_offset(int hours, int minutes)
{
    m_clock.look().hour_offset = hours;
    m_clock.look().minute_offset = minutes;
    m_clock.look_changed();
}

void clock_link::set_tray_action(int index)
{
    m_state.autorun = index;
}

void clock_link::set_flip_size(int size)
{
    m_clock.look().flip_size = size;
    m_clock.fit_to_face();
    m_clock.update();
}

void clock_link::set_repaint_interval(double ms)
{
    // While the clock fades in it keeps the value; the end of the fade-in
    // arms the timer from it.
    m_clock.look().repaint_interval = ms;
    if (!m_clock.fading())
        m_clock.look_changed();
}

bool clock_link::fading_in() const
{
    return m_clock.fading();
}

void clock_link::set_skin_pictures(const skin_picture_set &pictures)
{
    m_clock.setUpdatesEnabled(false);
    skin_pictures &p = m_clock.look().pictures;
    p.face = pictures[0];
    p.hour = pictures[1];
    p.mins = pictures[2];
    p.secunds = pictures[3];
    p.shapocka = pictures[4];
    m_clock.look_changed();
    m_clock.setUpdatesEnabled(true);
    m_clock.update();
}

bool clock_link::apply_skin_folder(const QString &folder)
{
    // The scale slider starts from the unscaled pictures of the skin shown
    // (the clock tells the dialog through pristine_pictures_changed).
    return m_clock.load_skin_folder(folder, m_setup.clock().get(clock_keys::resize));
}
