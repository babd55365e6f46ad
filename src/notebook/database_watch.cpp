#include "notebook/database_watch.h"

#include "notebook/notebook_log.h"

namespace {

// While the window is open on a busy database, it is tried this often.
constexpr int retry_ms = 2000;

} // namespace

database_watch::database_watch(std::function<bool()> reload, QObject *parent)
    : QObject(parent), m_load(std::move(reload))
{
    m_timer.setInterval(retry_ms);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (m_state == state::busy)
            load(true);
    });
}

void database_watch::start()
{
    load(true);
}

bool database_watch::failed(notebook_store::cause why)
{
    switch (why) {
    case notebook_store::cause::busy:
        m_state = state::busy;
        if (m_shown)
            m_timer.start();
        return true;
    case notebook_store::cause::not_a_database:
    case notebook_store::cause::corrupt:
        m_state = state::broken;
        return true;
    case notebook_store::cause::none:
    case notebook_store::cause::other:
        break;
    }
    return false;
}

void database_watch::succeeded()
{
    m_state = state::ready;
    m_timer.stop();
}

void database_watch::load(bool quietly)
{
    if (m_trying)
        return;
    m_trying = true;
    const bool was_busy = m_state == state::busy;
    m_quiet = quietly;
    if (m_load() && was_busy)
        qCInfo(lc_notebook) << "the database can be read again";
    m_quiet = false;
    m_trying = false;
}

void database_watch::retry()
{
    if (m_state == state::busy)
        load(false);
}

void database_watch::window_shown()
{
    m_shown = true;
    if (m_state != state::busy)
        return;
    // Once the window is there: the answer may be a box over it.
    QTimer::singleShot(0, this, [this] {
        retry();
        if (m_state == state::busy && m_shown)
            m_timer.start();
    });
}

void database_watch::window_hidden()
{
    m_shown = false;
    m_timer.stop();
}
