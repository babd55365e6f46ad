#pragma once
// The timed notes of the simulated week: notes in my_notes.ini across the
// week (some on days before it, some due before it starts, some at the very
// minutes of events, some in hand-written or broken forms), edits made
// during the week through the note editor's store calls and by another
// program rewriting the file, and the reminders all of that calls for,
// worked out here from the reminder rules alone.

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

struct week_note
{
    QString date; // its group, "dd.MM.yyyy"
    QString key;
    QStringList record; // as stored
    bool timed() const { return record.value(1) == QLatin1String("2"); }
};

struct week_note_edit
{
    enum kind
    {
        replace, // new text and time, three fields: may fire again
        remove,
        add
    };
    QDateTime at; // a tick; made before that tick's checks
    kind what = replace;
    bool outside = false; // another program rewrites the file
    QString date;
    QString key; // the note replaced or removed; for an outside add, its new key
    QString text;
    QString time; // "HH:mm"
};

struct week_reminder
{
    QDateTime minute;
    bool missed = false;
    friend bool operator==(const week_reminder &, const week_reminder &) = default;
};

struct week_notes
{
    QList<week_note> notes;
    QList<week_note_edit> edits; // in time order
    int timed = 0;               // notes with the timed flag among `notes`
};

// `count` timed notes (and a few untimed ones) for the week from `start`
// (which must lie after 00:00 of its day) to `end`; `event_minutes` are
// minutes at which events fire.
week_notes make_week_notes(int count, const QDateTime &start, const QDateTime &end,
                           const QList<QDateTime> &event_minutes);
QByteArray notes_ini(const QList<week_note> &notes);

// The reminders by note text (without the missed prefix), for checks every
// 5 seconds from `start` to `end`.
QMap<QString, QList<week_reminder>> expected_reminders(const week_notes &w, const QDateTime &start,
                                                       const QDateTime &end);

// Another program's edit: reads the file as it is, changes one note, writes
// a new file and renames it over the old one, as editors and sync tools do.
void edit_from_outside(const QString &path, const week_note_edit &e);
