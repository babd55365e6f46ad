#include "scheduler/event_store.h"

#include "common/log.h"

#include <QFileInfo>

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
    const file_stamp now = stamp();
    if (m_kept_generation != m_generation || !(m_kept_stamp == now)) {
        m_kept = events();
        m_kept_generation = m_generation;
        m_kept_stamp = now;
    }
    return m_kept;
}

event_store::file_stamp event_store::stamp() const
{
    const QFileInfo fi(m_s.fileName());
    if (!fi.exists())
        return {};
    return {true, fi.size(), fi.lastModified().toMSecsSinceEpoch(), fi.metadataChangeTime().toMSecsSinceEpoch()};
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
    ++m_generation;
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
