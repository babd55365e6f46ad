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

// `now` cut to the whole minute and moved on by `minutes`.
QDateTime next_firing(const QDateTime &now, int minutes);

} // namespace event_time
