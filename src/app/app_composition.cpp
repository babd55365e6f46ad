#include "app/app_composition.h"

#include "calendar/calendar_module.h"
#include "calendar/my_calendar.h"
#include "calendar_link.h"
#include "clock/clock_window.h"
#include "notebook/my_notebook.h"
#include "notebook/notebook_entry.h"
#include "settings/alarm_setup.h"

namespace {

void add_notebook(orvella &clock)
{
    my_notebook *notebook = create_notebook_window();
    clock.set_notebook_window(notebook);
    QObject::connect(&clock, &orvella::notebook_size_reset, notebook, &my_notebook::use_default_size);
    // Exit asks about a notebook page with unsaved changes first.
    clock.set_quit_guard([notebook] { return notebook->settle_unsaved(); });
}

} // namespace

app_composition::app_composition(const time_source &clock) : m_clock(new orvella(clock))
{
    // A clock pinned to the desktop takes the calendar along as its child.
    m_clock->set_calendar(calendar_module::create(clock, m_clock->ignore_win_key ? m_clock : nullptr));
    m_calendar_link = std::make_unique<calendar_link>(m_clock->calendar());
    m_clock->settings_dialog()->set_calendar_host(m_calendar_link.get());
    add_notebook(*m_clock);
}

app_composition::~app_composition()
{
    delete m_clock;
}
