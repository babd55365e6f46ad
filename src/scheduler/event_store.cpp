#include "scheduler/event_store.h"

#include "common/log.h"
#include "storage/storage_notices.h"

event_store::~event_store()
{
    if (m_doc.unsaved() && m_doc.save_at_exit() != ini_write_outcome::written)
        storage_notices::tell_now(QStringLiteral("Изменения событий не удалось сохранить в файл %1: сделанное после "
                                                 "последней удачной записи будет потеряно.")
                                      .arg(m_doc.path()));
}

QStringList event_store::pass_events()
{
    refresh();
    return events();
}

bool event_store::refresh()
{
    const quint64 before = m_doc.revision();
    m_doc.refresh();
    if (m_doc.revision() == before)
        return false;
    ++m_generation;
    return true;
}

ini_write_outcome event_store::sync()
{
    const quint64 before = m_doc.revision();
    const ini_write_outcome done = m_doc.save();
    // Another program's edit was taken in on the way.
    if (m_doc.revision() != before)
        ++m_generation;
    m_failed = done == ini_write_outcome::failed;
    return done;
}

bool event_store::contains(const QString &key) const
{
    const QStringList &g = m_doc.groups();
    return std::binary_search(g.cbegin(), g.cend(), key);
}

void event_store::enter(const QString &key)
{
    if (!m_stack.isEmpty())
        qCDebug(lc_scheduler) << "event" << key << "entered while inside" << m_stack.last();
    m_stack.append(key);
}

void event_store::leave()
{
    if (m_stack.isEmpty()) {
        qCWarning(lc_scheduler) << "leaving an event group that was never entered";
        return;
    }
    m_stack.removeLast();
}

void event_store::remove_event(const QString &key)
{
    if (m_doc.remove(key))
        ++m_generation;
}

QString event_store::new_key(const QDateTime &now) const
{
    qint64 secs = now.toSecsSinceEpoch();
    while (contains(QString::number(secs)))
        ++secs;
    return QString::number(secs);
}
