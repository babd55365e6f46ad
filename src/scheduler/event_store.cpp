#include "scheduler/event_store.h"

#include "common/log.h"

namespace {

// Runs `f` at the top level of the settings, whatever group is open.
template <class F>
auto at_top(QSettings &s, const QStringList &stack, F f)
{
    if (!stack.isEmpty())
        s.endGroup();
    struct reopen
    {
        QSettings &s;
        const QStringList &stack;
        ~reopen()
        {
            if (!stack.isEmpty())
                s.beginGroup(stack.last());
        }
    } guard{s, stack};
    return f();
}

} // namespace

QStringList event_store::events() const
{
    return at_top(m_s, m_stack, [this] { return m_s.childGroups(); });
}

QStringList event_store::pass_events()
{
    refresh();
    if (m_kept_generation != m_groups_generation) {
        m_kept = events();
        m_kept_set = QSet<QString>(m_kept.cbegin(), m_kept.cend());
        m_kept_generation = m_groups_generation;
    }
    return m_kept;
}

bool event_store::refresh()
{
    if (!m_watch.changed_on_disk())
        return false;
    at_top(m_s, m_stack, [this] { return m_watch.refresh(); });
    changed(true);
    return true;
}

void event_store::sync()
{
    const int merges = m_watch.merges();
    at_top(m_s, m_stack, [this] {
        m_watch.sync();
        return 0;
    });
    // Another program's edit was taken in on the way.
    if (m_watch.merges() != merges)
        changed(true);
}

bool event_store::contains(const QString &key) const
{
    return events().contains(key);
}

void event_store::enter(const QString &key)
{
    if (!m_stack.isEmpty()) {
        qCDebug(lc_scheduler) << "event" << key << "entered while inside" << m_stack.last();
        m_s.endGroup();
    }
    m_s.beginGroup(key);
    m_stack.append(key);
}

void event_store::leave()
{
    if (m_stack.isEmpty()) {
        qCWarning(lc_scheduler) << "leaving an event group that was never entered";
        return;
    }
    m_s.endGroup();
    m_stack.removeLast();
    if (!m_stack.isEmpty())
        m_s.beginGroup(m_stack.last());
}

void event_store::remove_event(const QString &key)
{
    changed(true);
    scope in(*this, key);
    m_s.remove(QString());
}

QString event_store::new_key(const QDateTime &now) const
{
    const QStringList taken = events();
    qint64 secs = now.toSecsSinceEpoch();
    while (taken.contains(QString::number(secs)))
        ++secs;
    return QString::number(secs);
}
