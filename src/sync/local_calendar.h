#pragma once
// local_calendar: the events of alarm.ini and the date notes of my_notes.ini
// as one set of items keyed by uid, for files and servers to exchange. It
// reads and writes through the stores the windows use, so a change made here
// shows at once and is merged with other programs' edits like any other.

#include "sync/sync_records.h"

#include <QDateTime>
#include <QList>
#include <optional>

class event_store;
class notes_store;
class sync_state;

class local_calendar
{
public:
    local_calendar(event_store &events, notes_store &notes, sync_state &state);

    // Every event (each gets a uid and an origin on first use) and note.
    QList<event_record> events();
    QList<note_record> notes();
    std::optional<event_record> event(const QString &uid);
    std::optional<note_record> note(const QString &uid);

    enum class outcome
    {
        added,
        updated,
        unchanged
    };
    // Takes in an item from elsewhere: a known uid is updated in place (the
    // later firing or showing of the two is kept), an unknown one added.
    outcome apply(event_record e, const QDateTime &now);
    outcome apply(note_record n);
    // Records a firing (or showing) of the item at `at` unless a later one
    // is recorded already.
    void acknowledge(const QString &uid, const QDateTime &at);
    // Removes the item with `uid`; false when there is none.
    bool remove(const QString &uid);

    QString machine();
    sync_state &state() { return m_state; }

private:
    event_store &m_events;
    notes_store &m_notes;
    sync_state &m_state;
};
