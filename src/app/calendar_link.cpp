#include "calendar_link.h"

#include "calendar/my_calendar.h"
#include "calendar/my_monitor.h"

void calendar_link::refresh_calendar()
{
    m_calendar->load_settings();
    if (m_calendar->isVisible())
        m_calendar->refresh();
}

void calendar_link::set_resize_control(bool on)
{
    m_calendar->set_resize_control(on);
}

void calendar_link::set_fixed_position(bool on)
{
    m_calendar->set_fixed_position(on);
    m_calendar->overview()->set_fixed_position(on);
}

void calendar_link::set_show_overview(bool on)
{
    m_calendar->set_show_overview(on);
}

void calendar_link::set_overview_from_today(bool on)
{
    m_calendar->overview()->set_set_today(on);
}

void calendar_link::repaint_overview()
{
    m_calendar->overview()->update();
}

void calendar_link::set_overview_on_top(bool on)
{
    m_calendar->overview()->set_on_top(on);
}
