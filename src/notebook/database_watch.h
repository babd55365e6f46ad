#pragma once
// database_watch: whether the notebook's database can be used now, and
// trying again while another program holds it — when the window is opened
// (saying why if it is still held), every few seconds while it stays open,
// and when asked (a save). A file that is no database is left alone.

#include "notebook/notebook_store.h"

#include <QObject>
#include <QTimer>
#include <functional>

class database_watch : public QObject
{
    Q_OBJECT
public:
    enum class state
    {
        ready,
        busy,  // another program holds it
        broken // not a database, or damaged
    };

    // reload reads what the window shows; true when it could.
    explicit database_watch(std::function<bool()> reload, QObject *parent = nullptr);

    state current() const { return m_state; }
    bool ready() const { return m_state == state::ready; }
    // While true, a busy database is logged but not said (start-up, the
    // tries on the timer).
    bool quiet() const { return m_quiet; }

    // The first load, quietly: the program is starting.
    void start();
    // After a failed statement: true when the database cannot be used now
    // (the state says why).
    bool failed(notebook_store::cause why);
    void succeeded();
    // Tries again now when it was busy.
    void retry();
    void window_shown();
    void window_hidden();

private:
    void load(bool quietly);

    std::function<bool()> m_load;
    state m_state = state::ready;
    QTimer m_timer;
    bool m_quiet = false;
    bool m_trying = false;
    bool m_shown = false;
};
