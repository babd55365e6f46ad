#pragma once
// Reading and writing the time texts of an event group.

#include <QDateTime>
#include <QString>

namespace event_time {

// "HH:mm" with one or two digits in each field, as older files were read:
// the minute-cycle mode writes "00:5" for five minutes. "00:60" and anything
// else out of range is invalid and matches no hour or minute.
QTime parse_time(const QString &text);
// "dd.MM.yyyy"; invalid when it does not parse.
QDate parse_date(const QString &text);
// "dd:MM:yyyy:HH:mm"; "00:00:0000:00:00" and garbage are invalid (never fired).
QDateTime parse_lastrun(const QString &text);

QString format_time(const QDateTime &t);    // "HH:mm"
QString format_date(const QDateTime &t);    // "dd.MM.yyyy"
QString format_lastrun(const QDateTime &t); // "dd:MM:yyyy:HH:mm"
QString format_utc(const QDateTime &t);     // seconds since 1970

// The moment of the last firing: lastrun_utc while it names the same local
// minute as lastrun, else lastrun read as local time (invalid: never fired).
QDateTime last_firing(const QString &lastrun, const QString &lastrun_utc);

// A local date and time as a plain wall-clock value (no zone, no
// daylight-saving shifts), for comparing what the clock face shows.
inline QDateTime wall(const QDate &d, const QTime &t)
{
    return QDateTime(d, t, Qt::UTC);
}
inline QDateTime wall(const QDateTime &local)
{
    return wall(local.date(), local.time());
}

// `now` cut to the whole minute and moved on by `minutes`.
QDateTime next_firing(const QDateTime &now, int minutes);

} // namespace event_time
