#include "scheduler/event_time.h"

#include <QStringList>

namespace event_time {

namespace {

// 1 or 2 ASCII digits, else -1.
int small_number(QStringView s)
{
    if (s.isEmpty() || s.size() > 2)
        return -1;
    int n = 0;
    for (QChar c : s) {
        if (c < u'0' || c > u'9')
            return -1;
        n = n * 10 + (c.unicode() - u'0');
    }
    return n;
}

} // namespace

QTime parse_time(const QString &text)
{
    const QStringView v(text);
    const qsizetype colon = v.indexOf(u':');
    if (colon < 0)
        return {};
    const int h = small_number(v.left(colon));
    const int m = small_number(v.mid(colon + 1));
    if (h < 0 || h > 23 || m < 0 || m > 59)
        return {};
    return QTime(h, m);
}

QDate parse_date(const QString &text)
{
    return QDate::fromString(text, QStringLiteral("dd.MM.yyyy"));
}

QDateTime parse_lastrun(const QString &text)
{
    return QDateTime::fromString(text, QStringLiteral("dd:MM:yyyy:HH:mm"));
}

QString format_time(const QDateTime &t)
{
    return t.toString(QStringLiteral("HH:mm"));
}

QString format_date(const QDateTime &t)
{
    return t.toString(QStringLiteral("dd.MM.yyyy"));
}

QString format_lastrun(const QDateTime &t)
{
    return t.toString(QStringLiteral("dd:MM:yyyy:HH:mm"));
}

QDateTime next_firing(const QDateTime &now, int minutes)
{
    QDateTime t = now;
    t.setTime(QTime(now.time().hour(), now.time().minute()));
    return t.addSecs(qint64(minutes) * 60);
}

} // namespace event_time
