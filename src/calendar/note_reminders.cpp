#include "calendar/note_reminders.h"

#include "calendar/calendar_log.h"
#include "calendar/notes_store.h"

#include <QSet>

namespace note_reminders {

QStringList reader_defaults()
{
    return {QStringLiteral("Новая заметка"), QStringLiteral("0"), QStringLiteral("00:00"),
            QStringLiteral("01:01:2999:00:00"), QStringLiteral("0")};
}

namespace {

bool ascii_digit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

int digits(QStringView s)
{
    int n = 0;
    for (QChar c : s)
        n = n * 10 + (c.unicode() - u'0');
    return n;
}

// "HH:mm" as every writer stores it; a hand-written "9:30" is read too
// rather than compared as text, where it would sort after "10:00". Read by
// hand: the check runs for every note of the day every five seconds.
QTime note_time(const QString &s)
{
    const qsizetype colon = s.indexOf(u':');
    if (colon < 1 || colon > 2 || s.size() != colon + 3)
        return {};
    for (qsizetype i = 0; i < s.size(); ++i)
        if (i != colon && !ascii_digit(s.at(i)))
            return {};
    const int h = digits(QStringView(s).left(colon)), m = digits(QStringView(s).mid(colon + 1));
    return h < 24 && m < 60 ? QTime(h, m) : QTime();
}

// The last-shown stamp "dd:MM:yyyy:HH:mm" names the minute of `now`.
bool shown_this_minute(const QString &stamp, const QDateTime &now)
{
    static constexpr int widths[] = {2, 2, 4, 2, 2};
    if (stamp.size() != 16)
        return false;
    int fields[5];
    qsizetype at = 0;
    for (int i = 0; i < 5; ++i) {
        if (i > 0 && stamp.at(at++) != u':')
            return false;
        const QStringView part = QStringView(stamp).mid(at, widths[i]);
        for (QChar c : part)
            if (!ascii_digit(c))
                return false;
        fields[i] = digits(part);
        at += widths[i];
    }
    const QDate d = now.date();
    const QTime t = now.time();
    return fields[0] == d.day() && fields[1] == d.month() && fields[2] == d.year() && fields[3] == t.hour() &&
           fields[4] == t.minute();
}

// An unreadable time is reported once per note and text, not at every check.
bool first_report(const QString &what)
{
    static QSet<QString> reported;
    if (reported.size() > 1000)
        reported.clear();
    if (reported.contains(what))
        return false;
    reported.insert(what);
    return true;
}

} // namespace

QStringList check(notes_store &store, const QDateTime &now)
{
    QStringList texts;
    for (const due_note &n : check_due(store, now))
        texts << n.text;
    return texts;
}

QList<due_note> check_due(notes_store &store, const QDateTime &now)
{
    QList<due_note> out;
    const QDate today = now.date();
    if (!store.has_notes(today))
        return out;
    const QTime minute(now.time().hour(), now.time().minute());
    // Nothing changed since a check that found every remaining note of the
    // day due later: no need to read them again.
    notes_store::reminder_hint &hint = store.hint();
    if (hint.revision == store.revision() && hint.day == today &&
        (!hint.quiet_until.isValid() || minute < hint.quiet_until))
        return out;

    const QString group = notes_store::date_name(today);
    const QStringList keys = store.keys(group);
    QList<std::pair<QString, QStringList>> fired;
    QTime quiet_until; // the earliest time a note not fired now can be due
    const auto not_before = [&quiet_until](QTime t) {
        if (!quiet_until.isValid() || t < quiet_until)
            quiet_until = t;
    };
    for (const QString &key : keys) {
        QStringList r = notes_store::fill(reader_defaults(), store.read(group, key));
        if (r.at(1) != QLatin1String("2") || r.at(4) != QLatin1String("0"))
            continue;
        const QTime at = note_time(r.at(2));
        if (!at.isValid()) {
            if (!shown_this_minute(r.at(3), now) && first_report(group + u'/' + key + u'=' + r.at(2)))
                qCWarning(lc_calendar) << "note" << key << "of" << group << "has an unreadable time" << r.at(2);
            continue;
        }
        if (at > minute) {
            not_before(at);
            continue;
        }
        if (shown_this_minute(r.at(3), now)) {
            not_before(minute.addSecs(60));
            continue;
        }
        r[3] = now.toString(QStringLiteral("dd:MM:yyyy:HH:mm"));
        r[4] = QStringLiteral("1");
        out << due_note{group, key, at < minute ? missed_prefix + r.at(0) : r.at(0)};
        fired.append({key, r});
    }
    // One write for all of them: a day of many missed notes is one flush.
    if (!fired.isEmpty())
        store.mark_shown(today, fired);
    // A wrap past midnight names no later time today: check again then.
    hint = {store.revision(), today, quiet_until.isValid() && quiet_until <= minute ? minute : quiet_until};
    return out;
}

} // namespace note_reminders
