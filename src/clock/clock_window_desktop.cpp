// orvella's desktop flags and skin folders, as the settings dialog changes
// them while the program runs.
#include "clock/clock_window.h"

#include "clock/skin_loader.h"

bool orvella::desktop_flag(clock_host::flag_id f) const
{
    using id = clock_host::flag_id;
    switch (f) {
    case id::ignore_win_key:
        return m_ignore_win_key;
    case id::fix_on_desktop:
        return m_fix_on_desktop;
    case id::fix_on_mouse:
        return m_fix_on_mouse;
    case id::top:
        return m_top;
    case id::no_trans:
        return m_no_trans;
    case id::top_cal:
        break;
    }
    return false;
}

void orvella::set_desktop_flag(clock_host::flag_id f, bool on)
{
    using id = clock_host::flag_id;
    switch (f) {
    case id::ignore_win_key:
        m_ignore_win_key = on;
        break;
    case id::fix_on_desktop:
        m_fix_on_desktop = on;
        break;
    case id::fix_on_mouse:
        m_fix_on_mouse = on;
        // Only the evaluation tick of a click-through clock clears the
        // mask; without this the last clicked pixel would stay a hole.
        if (!on)
            clearMask();
        break;
    case id::top:
        m_top = on;
        break;
    case id::no_trans:
        m_no_trans = on;
        break;
    case id::top_cal:
        break;
    }
}

bool orvella::load_skin_folder(const QString &folder, double scale)
{
    const loaded_skin skin = skin_loader::load(folder, this);
    if (!skin.complete)
        return false;
    m_look.skin_folder = folder;
    m_look.offsets = skin.offsets;
    set_pristine(skin.pictures);
    m_look.pictures = skin_loader::scaled(skin.pictures, scale);
    look_changed();
    update();
    return true;
}

void orvella::set_pristine(const skin_pictures &p)
{
    m_pristine = {p.face, p.hour, p.mins, p.secunds, p.shapocka};
    emit pristine_pictures_changed(m_pristine);
}
