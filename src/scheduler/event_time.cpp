#include "scheduler/event_time.h"

#include <QStringList>

#include <initializer_list>

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

// Digit fields of fixed widths separated by `sep`, e.g. "05.03.2026".
bool fixed_fields(QStringView s, char16_t sep, std::initializer_list<int> widths, int *out)
{
    qsizetype at = 0;
    int i = 0;
    for (int w : widths) {
        if (i > 0) {
            if (at >= s.size() || s[at] != sep)
                return false;
            ++at;
        }
        if (at + w > s.size())
            return false;
        int n = 0;
        for (int k = 0; k < w; ++k) {
            const QChar c = s[at + k];
            if (c < u'0' || c > u'9')
                return false;
            n = n * 10 + (c.unicode() - u'0');
        }
        out[i++] = n;
        at += w;
    }
    return at == s.size();
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
    // "dd.MM.yyyy"; read by hand, the pass reads it for every event each tick.
    int f[3];
    if (!fixed_fields(text, u'.', {2, 2, 4}, f))
        return {};
    return QDate(f[2], f[1], f[0]);
}

QDateTime parse_lastrun(const QString &text)
{
    // "dd:MM:yyyy:HH:mm"
    int f[5];
    if (!fixed_fields(text, u':', {2, 2, 4, 2, 2}, f))
        return {};
    const QDate d(f[2], f[1], f[0]);
    if (!d.isValid() || f[3] > 23 || f[4] > 59)
        return {};
    return QDateTime(d, QTime(f[3], f[4]));
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

QString format_utc(const QDateTime &t)
{
    return QString::number(t.toSecsSinceEpoch());
}

QDateTime last_firing(const QString &lastrun, const QString &lastrun_utc)
{
    const QDateTime local = parse_lastrun(lastrun);
    if (!local.isValid())
        return {};
    bool ok = false;
    const qint64 secs = lastrun_utc.toLongLong(&ok);
    if (ok) {
        const QDateTime exact = QDateTime::fromSecsSinceEpoch(secs);
        if (format_lastrun(exact) == lastrun)
            return exact;
    }
    return local;
}

QDateTime next_firing(const QDateTime &now, int minutes)
{
    QDateTime t = now;
    t.setTime(QTime(now.time().hour(), now.time().minute()));
    return t.addSecs(qint64(minutes) * 60);
}

} // namespace event_time
