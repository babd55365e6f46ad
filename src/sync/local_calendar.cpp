#include "sync/local_calendar.h"

#include "calendar/notes_store.h"
#include "scheduler/event_store.h"
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

std::optional<event_record> local_calendar::event(const QString &uid)
{
    for (const event_record &e : events())
        if (e.uid == uid)
            return e;
    return std::nullopt;
}

std::optional<note_record> local_calendar::note(const QString &uid)
{
    const QString where = m_state.note_of(uid);
    if (where.isEmpty())
        return std::nullopt;
    const QString group = where.section(u'/', 0, 0), key = where.section(u'/', 1);
    if (!m_notes.keys(group).contains(key))
        return std::nullopt;
    for (const note_record &n : sync_records::read_notes(m_notes))
        if (notes_store::date_name(n.date) == group && n.key == key) {
            note_record found = n;
            found.uid = uid;
            return found;
        }
    return std::nullopt;
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
    m_events.sync();
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
        m_events.sync();
        return true;
    }
    if (const std::optional<note_record> n = note(uid)) {
        m_notes.remove_note(n->date, n->key);
        m_state.forget_note(uid);
        m_state.flush();
        return true;
    }
    return false;
}
