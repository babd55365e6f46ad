#include "calendar/note_reminders.h"

#include "calendar/calendar_log.h"
#include "calendar/notes_store.h"

namespace note_reminders {

QStringList reader_defaults()
{
    return {QStringLiteral("Новая заметка"), QStringLiteral("0"), QStringLiteral("00:00"),
            QStringLiteral("01:01:2999:00:00"), QStringLiteral("0")};
}

namespace {

// "HH:mm" as every writer stores it; a hand-written "9:30" is read too
// rather than compared as text, where it would sort after "10:00".
QTime note_time(const QString &s)
{
    QTime t = QTime::fromString(s, QStringLiteral("HH:mm"));
    if (!t.isValid())
        t = QTime::fromString(s, QStringLiteral("H:mm"));
    return t;
}

bool shown_this_minute(const QString &stamp, const QDateTime &now)
{
    const QDateTime s = QDateTime::fromString(stamp, QStringLiteral("dd:MM:yyyy:HH:mm"));
    return s.isValid() && s.date() == now.date() && s.time().hour() == now.time().hour() &&
           s.time().minute() == now.time().minute();
}

} // namespace

QStringList check(notes_store &store, const QDateTime &now)
{
    QStringList out;
    const QDate today = now.date();
    if (!store.has_notes(today))
        return out;
    const QTime minute(now.time().hour(), now.time().minute());
    const QStringList keys = store.keys(today);
    QList<std::pair<QString, QStringList>> fired;
    for (const QString &key : keys) {
        QStringList r = notes_store::fill(reader_defaults(), store.read(today, key));
        if (r.at(1) != QLatin1String("2") || r.at(4) != QLatin1String("0") || shown_this_minute(r.at(3), now))
            continue;
        const QTime at = note_time(r.at(2));
        if (!at.isValid()) {
            qCWarning(lc_calendar) << "note" << key << "of" << notes_store::date_name(today) << "has an unreadable time"
                                   << r.at(2);
            continue;
        }
        if (at > minute)
            continue;
        r[3] = now.toString(QStringLiteral("dd:MM:yyyy:HH:mm"));
        r[4] = QStringLiteral("1");
        out << (at < minute ? missed_prefix + r.at(0) : r.at(0));
        fired.append({key, r});
    }
    // One write for all of them: a day of many missed notes is one flush.
    if (!fired.isEmpty())
        store.mark_shown(today, fired);
    return out;
}

} // namespace note_reminders
