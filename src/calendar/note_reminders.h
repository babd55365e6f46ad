#pragma once
// note_reminders: which of today's timed notes are due now. A note fires
// once: in the minute of its time, or, when that minute passed unseen (the
// program was not running, the note was written later), as a missed
// reminder at the first check after it. Firing marks it shown on disk
// before its text goes out, so a crash cannot show it twice.

#include <QDateTime>
#include <QStringList>

class notes_store;

namespace note_reminders {

inline const QString missed_prefix = QStringLiteral("ПРОПУЩЕННОЕ НАПОМИНАНИЕ !!!\n");
QStringList reader_defaults();

// A due note: where it is and its sticker text.
struct due_note
{
    QString group;
    QString key;
    QString text;
};
// Marks the due notes of `now`'s date shown and returns them, in key order.
QList<due_note> check_due(notes_store &store, const QDateTime &now);
// The same, the sticker texts only.
QStringList check(notes_store &store, const QDateTime &now);

} // namespace note_reminders
