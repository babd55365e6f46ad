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

bool orvella::apply_skin_folder(const QString &folder)
{
    const loaded_skin skin = skin_loader::load(folder, this);
    // The loader has warned; a clock left without pictures would vanish
    // from the desktop, so it keeps the skin it shows.
    if (!skin.complete)
        return false;
    m_look.skin_folder = folder;
    m_look.offsets = skin.offsets;
    m_look.pictures = skin_loader::scaled(skin.pictures, m_setup->clock().get(clock_keys::resize));
    look_changed();
    update();
    return true;
}
