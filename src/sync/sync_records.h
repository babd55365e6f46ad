#pragma once
// sync_records: an event of alarm.ini and a date note of my_notes.ini as
// plain values, read from and written to their stores. What the calendar
// exchange (files and servers) works on; nothing here knows iCalendar.

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <array>

class event_store;
class notes_store;

struct event_record
{
    QString key; // the group in alarm.ini (empty: not stored yet)
    QString uid;
    QString name;
    QString message;
    QString sound;
    QString run_file, run_arg, run_cat;
    int repeat = 0; // event_keys::repeat_mode
    QDate date;
    QTime time;
    int repeat_min = 0;
    std::array<bool, 7> days{}; // Monday first
    std::array<bool, 12> months{};
    bool beep = false;
    bool disabled = false;
    bool do_find = false;
    QDateTime last_fired; // UTC; invalid: never
    // The machine that created the event; its program runs only there
    // unless run_everywhere.
    QString origin;
    bool run_everywhere = false;

    // Equal in what a user sees and the reminder does (key aside).
    bool same_content(const event_record &o) const;
};

struct note_record
{
    QDate date;
    QString key; // the key inside the date's group (empty: not stored yet)
    QString uid;
    QString text;
    bool timed = false;
    QTime time;
    QDateTime shown_at; // UTC; invalid: not shown
    bool same_content(const note_record &o) const;
};

namespace sync_records {

// Every event of the store, in store order; an event without a uid gets one
// (written into its group) when `assign_uids`.
QList<event_record> read_events(event_store &store, bool assign_uids, const QString &machine);
event_record read_event(event_store &store, const QString &key);
// Writes every field into the event's group, creating it (a fresh key) when
// the record has none; returns the key.
QString write_event(event_store &store, event_record r, const QDateTime &now);

// Every note; uids come from and go to the id map of the exchange (a note's
// group holds nothing but notes).
QList<note_record> read_notes(notes_store &store);
// One note from its stored record.
note_record note_of(QDate date, const QString &key, const QStringList &stored);
// Writes the note under its key (or a fresh one on its date; a note whose
// date changed moves). Returns the key.
QString write_note(notes_store &store, note_record r);

QString new_uid(const QString &machine);

} // namespace sync_records
