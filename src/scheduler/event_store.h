#pragma once
// event_store: typed access to alarm.ini, one group per event named by its
// creation second. It works on the one long-lived settings object of the
// program and never caches events.
//
// Groups are always entered from the top level. A user that enters a group
// while another is inside one (a nested event loop during an event's
// actions) gets its own group, and leaving restores the outer one, so the
// outer user's bare keys still land in its own event.

#include "storage/alarm_keys.h"
#include "storage/settings_file_watch.h"

#include <QDateTime>
#include <QSet>
#include <QSettings>
#include <QStringList>

class event_store
{
public:
    enum class reader
    {
        pass,
        page
    };

    explicit event_store(QSettings &settings) : m_s(settings), m_watch(settings) {}
    event_store(const event_store &) = delete;
    event_store &operator=(const event_store &) = delete;

    // Event keys in the settings order (text order = creation order for
    // keys of equal length).
    QStringList events() const;
    // The same list for the evaluation pass, after taking in what another
    // program changed in the file. Listing groups costs more than reading
    // every event, so the list is kept until something may have added or
    // removed a group: a removal, a write into a group not on the list, raw
    // access, or another program's edit.
    QStringList pass_events();
    // Takes in outside changes to the file now; true when there were any.
    bool refresh();
    bool contains(const QString &key) const;

    void enter(const QString &key);
    void leave();
    bool inside() const { return !m_stack.isEmpty(); }
    QString current() const { return m_stack.isEmpty() ? QString() : m_stack.last(); }

    // Enters an event's group for the scope's life.
    class scope
    {
    public:
        scope(event_store &store, const QString &key) : m_store(store) { m_store.enter(key); }
        ~scope() { m_store.leave(); }
        scope(const scope &) = delete;
        scope &operator=(const scope &) = delete;

    private:
        event_store &m_store;
    };

    // Reads and writes keys of the current event.
    template <class T>
    T read(const event_field<T> &f, reader who = reader::pass) const
    {
        const ini_key<T> k = who == reader::pass ? f.pass() : f.page();
        const QVariant v = m_s.value(QString::fromLatin1(k.name));
        return v.isValid() ? ini_value::load(v, k.fallback) : k.fallback;
    }
    template <class T>
    void write(const event_field<T> &f, const T &value)
    {
        changed(!m_kept_set.contains(current()));
        m_s.setValue(QString::fromLatin1(f.name), ini_value::store(value));
    }
    bool has(const char *name) const { return m_s.contains(QString::fromLatin1(name)); }

    // Removes every key of an event, lastrun included.
    void remove_event(const QString &key);
    // A key for an event created at `now`: its second since 1970, or the
    // next free second after it, so two adds in one second stay apart.
    QString new_key(const QDateTime &now) const;

    // Writes pending changes, merged key by key with outside edits made
    // since the file was last read.
    void sync();
    const settings_file_watch &watch() const { return m_watch; }
    // Grows whenever the events may have changed: a write through the store,
    // raw access, or another program's edit taken in.
    quint64 generation() const { return m_generation; }
    QSettings::Status status() const { return m_s.status(); }
    QString file_name() const { return m_s.fileName(); }
    // Raw access; the caller may change anything, so the kept list is dropped.
    QSettings &settings()
    {
        changed(true);
        return m_s;
    }

private:
    void changed(bool groups)
    {
        ++m_generation;
        if (groups)
            ++m_groups_generation;
    }

    QSettings &m_s;
    settings_file_watch m_watch;
    QStringList m_stack;
    quint64 m_generation = 0;
    quint64 m_groups_generation = 0;
    // The list kept for the evaluation pass and what it was made from.
    QStringList m_kept;
    QSet<QString> m_kept_set;
    quint64 m_kept_generation = ~quint64(0);
};
