#include "app/main/app_composition.h"

#include "clock/clock_window.h"
#include "notebook/my_notebook.h"
#include "notebook/notebook_entry.h"

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
    add_notebook(*m_clock);
}

app_composition::~app_composition()
{
    delete m_clock;
}
