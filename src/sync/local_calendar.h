#pragma once
// local_calendar: the events of alarm.ini and the date notes of my_notes.ini
// as one set of items keyed by uid, for files and servers to exchange. It
// reads and writes through the stores the windows use, so a change made here
// shows at once and is merged with other programs' edits like any other.

#include "sync/sync_records.h"

#include "calendar/notes_store.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <memory>
#include <optional>

class event_store;
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

    // Many changes at once: one write of each file when the batch ends.
    class batch
    {
    public:
        explicit batch(local_calendar &c);
        ~batch();
        batch(const batch &) = delete;
        batch &operator=(const batch &) = delete;

    private:
        local_calendar &m_c;
        std::unique_ptr<notes_store::batch> m_notes;
    };

private:
    void events_changed();
    // uid -> key of every event, rebuilt when the store changed.
    const QHash<QString, QString> &event_index();
    QHash<QString, QString> m_index;
    quint64 m_index_generation = ~quint64(0);
    int m_batch = 0;
    bool m_events_dirty = false;

    event_store &m_events;
    notes_store &m_notes;
    sync_state &m_state;
};
