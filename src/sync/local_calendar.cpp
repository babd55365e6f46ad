#include "sync/local_calendar.h"

#include "calendar/notes_store.h"
#include "scheduler/event_store.h"
#include "storage/alarm_keys.h"
#include "sync/sync_state.h"

local_calendar::local_calendar(event_store &events, notes_store &notes, sync_state &state)
    : m_events(events), m_notes(notes), m_state(state)
{
}

QString local_calendar::machine()
{
    return m_state.machine();
}

QList<event_record> local_calendar::events()
{
    m_events.refresh();
    return sync_records::read_events(m_events, true, machine());
}

QList<note_record> local_calendar::notes()
{
    m_notes.reload_if_changed_on_disk();
    QList<note_record> out = sync_records::read_notes(m_notes);
    for (note_record &n : out)
        n.uid = m_state.note_uid(n.date, n.key);
    m_state.flush();
    return out;
}

local_calendar::batch::batch(local_calendar &c) : m_c(c), m_notes(std::make_unique<notes_store::batch>(c.m_notes))
{
    ++m_c.m_batch;
}

local_calendar::batch::~batch()
{
    m_notes.reset();
    if (--m_c.m_batch == 0) {
        if (m_c.m_events_dirty) {
            m_c.m_events_dirty = false;
            m_c.m_events.sync();
        }
        m_c.m_state.flush();
    }
}

void local_calendar::events_changed()
{
    if (m_batch > 0)
        m_events_dirty = true;
    else
        m_events.sync();
}

const QHash<QString, QString> &local_calendar::event_index()
{
    if (m_index_generation != m_events.generation()) {
        m_index.clear();
        for (const QString &key : m_events.events()) {
            event_store::scope in(m_events, key);
            const QString uid = m_events.read(event_keys::uid);
            if (!uid.isEmpty())
                m_index.insert(uid, key);
        }
        m_index_generation = m_events.generation();
    }
    return m_index;
}

std::optional<event_record> local_calendar::event(const QString &uid)
{
    const QString key = event_index().value(uid);
    if (key.isEmpty() || !m_events.contains(key))
        return std::nullopt;
    return sync_records::read_event(m_events, key);
}

std::optional<note_record> local_calendar::note(const QString &uid)
{
    const QString where = m_state.note_of(uid);
    if (where.isEmpty())
        return std::nullopt;
    const QString group = where.section(u'/', 0, 0), key = where.section(u'/', 1);
    const QStringList stored = m_notes.read(group, key);
    if (stored.isEmpty() || !m_notes.keys(group).contains(key))
        return std::nullopt;
    note_record n = sync_records::note_of(notes_store::parse_date(group), key, stored);
    n.uid = uid;
    return n;
}

local_calendar::outcome local_calendar::apply(event_record e, const QDateTime &now)
{
    const std::optional<event_record> mine = event(e.uid);
    if (mine) {
        e.key = mine->key;
        if (mine->last_fired.isValid() && (!e.last_fired.isValid() || mine->last_fired > e.last_fired))
            e.last_fired = mine->last_fired;
        if (e.origin.isEmpty())
            e.origin = mine->origin;
        if (mine->same_content(e))
            return outcome::unchanged;
    } else {
        e.key.clear();
    }
    sync_records::write_event(m_events, e, now);
    events_changed();
    return mine ? outcome::updated : outcome::added;
}

local_calendar::outcome local_calendar::apply(note_record n)
{
    const std::optional<note_record> mine = note(n.uid);
    if (mine) {
        if (mine->shown_at.isValid() && (!n.shown_at.isValid() || mine->shown_at > n.shown_at))
            n.shown_at = mine->shown_at;
        if (mine->same_content(n))
            return outcome::unchanged;
        if (mine->date != n.date) {
            m_notes.remove_note(mine->date, mine->key);
            n.key.clear();
        } else {
            n.key = mine->key;
        }
    } else {
        n.key.clear();
    }
    n.key = sync_records::write_note(m_notes, n);
    m_state.set_note_uid(n.date, n.key, n.uid);
    if (m_batch == 0)
        m_state.flush();
    return mine ? outcome::updated : outcome::added;
}

void local_calendar::acknowledge(const QString &uid, const QDateTime &at)
{
    const QDateTime minute = at.toUTC().addSecs(-at.time().second());
    if (std::optional<event_record> e = event(uid)) {
        if (!e->last_fired.isValid() || e->last_fired < minute) {
            e->last_fired = minute;
            apply(*e, QDateTime::currentDateTime());
        }
    } else if (std::optional<note_record> n = note(uid)) {
        if (!n->shown_at.isValid() || n->shown_at < minute) {
            n->shown_at = minute;
            apply(*n);
        }
    }
}

bool local_calendar::remove(const QString &uid)
{
    if (const std::optional<event_record> e = event(uid)) {
        m_events.remove_event(e->key);
        events_changed();
        return true;
    }
    if (const std::optional<note_record> n = note(uid)) {
        m_notes.remove_note(n->date, n->key);
        m_state.forget_note(uid);
        if (m_batch == 0)
            m_state.flush();
        return true;
    }
    return false;
}
