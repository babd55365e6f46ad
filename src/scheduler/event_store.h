#pragma once
// event_store: typed access to alarm.ini, one group per event named by its
// creation second. It holds the file as one ini_document for the program's
// life (our own reader and writer, no copy of an event kept elsewhere), so
// a pass that changes one key writes the file in a few milliseconds, and
// only when something did change.
//
// Groups are always entered from the top level. A user that enters a group
// while another is inside one (a nested event loop during an event's
// actions) gets its own group, and leaving restores the outer one, so the
// outer user's bare keys still land in its own event.

#include "storage/alarm_keys.h"
#include "storage/ini_document.h"

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

    explicit event_store(const QString &path) : m_doc(path) {}
    // On the file a settings object was opened on (which is left alone).
    explicit event_store(QSettings &settings) : m_doc(settings.fileName()) {}
    // What was changed and not written yet is written now.
    ~event_store();
    event_store(const event_store &) = delete;
    event_store &operator=(const event_store &) = delete;

    // Event keys in the settings order (text order = creation order for
    // keys of equal length).
    QStringList events() const { return m_doc.groups(); }
    // The same list for the evaluation pass, after taking in what another
    // program changed in the file.
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
        const QVariant v = m_doc.value(key_of(f.name));
        return v.isValid() ? ini_value::load(v, k.fallback) : k.fallback;
    }
    // Returns whether the stored value changed: writing what is there
    // already leaves the file alone.
    template <class T>
    bool write(const event_field<T> &f, const T &value)
    {
        const bool changed = m_doc.set(key_of(f.name), ini_value::store(value));
        if (changed)
            ++m_generation;
        return changed;
    }
    bool has(const char *name) const { return m_doc.contains(key_of(name)); }

    // Removes every key of an event, lastrun included.
    void remove_event(const QString &key);
    // A key for an event created at `now`: its second since 1970, or the
    // next free second after it, so two adds in one second stay apart.
    QString new_key(const QDateTime &now) const;

    // Writes pending changes, merged key by key with outside edits made
    // since the file was last read. Changes that cannot be written yet stay
    // in memory; unsaved() tells, and the next sync() tries again.
    ini_write_outcome sync();
    bool unsaved() const { return m_doc.unsaved(); }
    const ini_document &document() const { return m_doc; }
    QString file_name() const { return m_doc.path(); }
    // Raw access; the caller may change anything.
    ini_document &document()
    {
        ++m_generation;
        return m_doc;
    }
    // Grows whenever the events may have changed: a write through the store
    // or another program's edit taken in.
    quint64 generation() const { return m_generation; }
    // AccessError while changes cannot be written.
    QSettings::Status status() const { return m_failed ? QSettings::AccessError : QSettings::NoError; }

private:
    QString key_of(const char *name) const { return key_of(QString::fromLatin1(name)); }
    QString key_of(const QString &name) const { return m_stack.isEmpty() ? name : m_stack.last() + u'/' + name; }

    ini_document m_doc;
    QStringList m_stack;
    quint64 m_generation = 0;
    bool m_failed = false;
};
