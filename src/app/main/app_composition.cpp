#include "app_composition.h"

#include "calendar/calendar_module.h"
#include "calendar/my_calendar.h"
#include "calendar_link.h"
#include "clock/clock_window.h"
#include "settings/alarm_setup.h"

app_composition::app_composition(const time_source &clock) : m_clock(new orvella(clock))
{
    // A clock pinned to the desktop takes the calendar along as its child.
    m_clock->set_calendar(calendar_module::create(clock, m_clock->ignore_win_key ? m_clock : nullptr));
    m_calendar_link = std::make_unique<calendar_link>(m_clock->calendar());
    m_clock->settings_dialog()->set_calendar_host(m_calendar_link.get());
}

app_composition::~app_composition()
{
    delete m_clock;
}
