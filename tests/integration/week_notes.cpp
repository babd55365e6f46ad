#include "week_notes.h"

#include "storage/ini_format.h"

#include <QFile>
#include <QRandomGenerator>
#include <QSet>
#include <QStringEncoder>

#include <algorithm>
#include <cstdio>

namespace {

QString day_name(QDate d)
{
    return d.toString(QStringLiteral("dd.MM.yyyy"));
}

QDateTime minute_of(const QDateTime &t)
{
    return t.addSecs(-t.time().second()).addMSecs(-t.time().msec());
}

QTime random_time(QRandomGenerator &rng, int from_minute = 0, int to_minute = 24 * 60)
{
    return QTime(0, 0).addSecs(60 * rng.bounded(from_minute, qMax(from_minute + 1, to_minute)));
}

int minute_of_day(const QDateTime &t)
{
    return t.time().hour() * 60 + t.time().minute();
}

// A note's time as every reader takes it: one or two digits of hour, two of
// minute.
bool read_note_time(const QString &s, int &h, int &m)
{
    const qsizetype colon = s.indexOf(u':');
    if (colon < 1 || colon > 2 || s.size() - colon - 1 != 2)
        return false;
    for (qsizetype i = 0; i < s.size(); ++i)
        if (i != colon && !s.at(i).isDigit())
            return false;
    h = s.left(colon).toInt();
    m = s.mid(colon + 1).toInt();
    return h < 24 && m < 60;
}

} // namespace

week_notes make_week_notes(int count, const QDateTime &start, const QDateTime &end,
                           const QList<QDateTime> &event_minutes)
{
    QRandomGenerator rng(20261209);
    week_notes w;
    const qint64 key_base = 1772000000;
    const int days = int(start.daysTo(end));
    // Bands of the note list: due before the start (missed at the first
    // check), on days before the week (never shown), at event minutes,
    // after the week, and anywhere in it.
    const int missed_until = count / 12, earlier_until = missed_until + count / 30,
              at_events_until = earlier_until + count / 10, after_until = at_events_until + count / 30;
    for (int i = 0; i < count; ++i) {
        QDate date;
        QTime time;
        if (i < missed_until) {
            date = start.date();
            time = random_time(rng, 0, minute_of_day(start));
        } else if (i < earlier_until) {
            date = start.date().addDays(-1 - rng.bounded(2));
            time = random_time(rng);
        } else if (i < at_events_until && !event_minutes.isEmpty()) {
            const QDateTime m = event_minutes.at(rng.bounded(int(event_minutes.size())));
            date = m.date();
            time = m.time();
        } else if (i < after_until) {
            date = end.date().addDays(1 + rng.bounded(3));
            time = random_time(rng);
        } else {
            date = start.date().addDays(rng.bounded(days + 1));
            time = random_time(rng);
        }
        const QString text = (i % 5 == 0 ? QStringLiteral("заметка %1") : QStringLiteral("note %1")).arg(i);
        QString t = time.toString(QStringLiteral("HH:mm"));
        if (i % 17 == 0 && time.hour() < 10)
            t = time.toString(QStringLiteral("H:mm")); // written by hand
        if (i % 29 == 5)
            t = i % 2 ? QStringLiteral("25:10") : QStringLiteral("x9:30"); // never fires
        week_note n{day_name(date), QString::number(key_base + i), {text, QStringLiteral("2"), t}};
        if (i % 11 == 3) // shown already, the day before
            n.record << date.addDays(-1).toString(QStringLiteral("dd:MM:yyyy")) + QStringLiteral(":12:00")
                     << QStringLiteral("1");
        else if (i % 13 == 4) // rewritten by the check's reader, not shown
            n.record << QStringLiteral("01:01:2999:00:00") << QStringLiteral("0");
        w.notes << n;
    }
    w.timed = count;
    // A few that are no reminders at all.
    for (int i = 0; i < 12; ++i) {
        const QDate date = start.date().addDays(rng.bounded(days + 1));
        QStringList record{QStringLiteral("plain %1").arg(i)};
        if (i % 3 == 0)
            record << QStringLiteral("0") << QStringLiteral("00:00");
        else if (i % 3 == 1)
            record << QStringLiteral("0") << QStringLiteral("0:00"); // a copy from the overview
        w.notes << week_note{day_name(date), QString::number(key_base + count + i), record};
    }

    // Edits, each aimed at a different timed note of that day or the next,
    // so that most of them matter.
    const qint64 total = start.secsTo(end);
    const qint64 margin = qMin<qint64>(600, total / 4);
    QSet<int> aimed;
    for (int j = 0; j < count / 5; ++j) {
        week_note_edit e;
        e.at = start.addSecs(5 * rng.bounded(margin / 5, qMax(margin / 5 + 1, (total - margin) / 5)));
        e.what = j % 6 < 3 ? week_note_edit::replace : j % 6 < 5 ? week_note_edit::remove : week_note_edit::add;
        e.outside = j % 2 == 1;
        const bool before_now = rng.bounded(2) == 0 && minute_of_day(e.at) > 0;
        const QTime time =
            before_now ? random_time(rng, 0, minute_of_day(e.at)) : random_time(rng, minute_of_day(e.at));
        e.time = time.toString(QStringLiteral("HH:mm"));
        if (e.what == week_note_edit::add) {
            e.date = day_name(e.at.date().addDays(rng.bounded(2)));
            e.key = QString::number(1900000000 + j);
            e.text = QStringLiteral("added %1").arg(j);
        } else {
            QList<int> near, any;
            for (int i = 0; i < count; ++i) {
                if (aimed.contains(i))
                    continue;
                any << i;
                const QDate d = QDate::fromString(w.notes.at(i).date, QStringLiteral("dd.MM.yyyy"));
                if (d == e.at.date() || d == e.at.date().addDays(1))
                    near << i;
            }
            const QList<int> &pool = near.isEmpty() ? any : near;
            if (pool.isEmpty())
                continue;
            const int target = pool.at(rng.bounded(int(pool.size())));
            aimed.insert(target);
            e.date = w.notes.at(target).date;
            e.key = w.notes.at(target).key;
            e.text = w.notes.at(target).record.first() + QStringLiteral(" правка %1").arg(j);
        }
        w.edits << e;
    }
    std::stable_sort(w.edits.begin(), w.edits.end(),
                     [](const week_note_edit &a, const week_note_edit &b) { return a.at < b.at; });
    return w;
}

QByteArray notes_ini(const QList<week_note> &notes)
{
    // Grouped by date, in the INI notation of string lists.
    QMap<QString, QStringList> groups;
    for (const week_note &n : notes) {
        QStringList quoted;
        for (const QString &f : n.record)
            quoted << (f.isEmpty() || f.contains(u',') || f.contains(u' ') ? u'"' + f + u'"' : f);
        groups[n.date] << n.key + u'=' + quoted.join(QStringLiteral(", "));
    }
    QString text;
    for (auto it = groups.cbegin(); it != groups.cend(); ++it)
        text += u'[' + it.key() + QStringLiteral("]\n") + it.value().join(u'\n') + QStringLiteral("\n\n");
    QStringEncoder enc("windows-1251");
    return enc.encode(text);
}

QMap<QString, QList<week_reminder>> expected_reminders(const week_notes &w, const QDateTime &start,
                                                       const QDateTime &end)
{
    struct state
    {
        QString date, text, time;
        bool timed = false;
        bool shown = false;
    };
    QMap<QString, state> notes; // by "date/key"
    for (const week_note &n : w.notes)
        notes.insert(n.date + u'/' + n.key, {n.date, n.record.value(0), n.record.value(2, QStringLiteral("00:00")),
                                             n.timed(), n.record.value(4, QStringLiteral("0")) != QLatin1String("0")});

    QMap<QString, QList<week_reminder>> out;
    qsizetype next_edit = 0;
    QDateTime checked_minute;
    for (QDateTime t = start; t <= end; t = t.addSecs(5)) {
        bool edited = false;
        for (; next_edit < w.edits.size() && w.edits.at(next_edit).at <= t; ++next_edit) {
            const week_note_edit &e = w.edits.at(next_edit);
            const QString id = e.what == week_note_edit::add && e.key.isEmpty()
                                   ? QStringLiteral("added/") + QString::number(next_edit)
                                   : e.date + u'/' + e.key;
            if (e.what == week_note_edit::remove)
                notes.remove(id);
            else
                notes.insert(id, {e.date, e.text, e.time, true, false});
            edited = true;
        }
        // Nothing a check looks at changes within a minute but an edit.
        const QDateTime minute = minute_of(t);
        if (minute == checked_minute && !edited)
            continue;
        checked_minute = minute;
        const QString today = day_name(t.date());
        const int now = minute_of_day(t);
        for (state &n : notes) {
            int h = 0, m = 0;
            if (n.date != today || !n.timed || n.shown || !read_note_time(n.time, h, m) || h * 60 + m > now)
                continue;
            out[n.text] << week_reminder{minute, h * 60 + m < now};
            n.shown = true;
        }
    }
    return out;
}

void edit_from_outside(const QString &path, const week_note_edit &e)
{
    // A path of its own each time: the settings library caches files by path.
    static int serial = 0;
    const QString copy = path + QStringLiteral(".outside-%1").arg(++serial);
    QFile::remove(copy);
    if (QFile::exists(path) && !QFile::copy(path, copy))
        qFatal("cannot copy %s", qPrintable(path));
    {
        auto s = ini_format::open(copy);
        const QString key = e.date + u'/' + e.key;
        if (e.what == week_note_edit::remove)
            s->remove(key);
        else
            s->setValue(key, QStringList{e.text, QStringLiteral("2"), e.time});
        s->sync();
    }
    if (std::rename(QFile::encodeName(copy).constData(), QFile::encodeName(path).constData()) != 0)
        qFatal("cannot rename %s", qPrintable(copy));
}
