#pragma once
// The one place the program asks for "now". Everything that needs the
// current date-time takes a time_source, so tests can run any moment.

#include <QDateTime>

#include <limits>

class time_source
{
public:
    virtual ~time_source() = default;
    virtual QDateTime now() const = 0;
    // The same moment as milliseconds since the epoch, for a caller that
    // works out the local time itself.
    virtual qint64 msecs_since_epoch() const { return now().toMSecsSinceEpoch(); }
};

class system_time_source final : public time_source
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    qint64 msecs_since_epoch() const override { return QDateTime::currentMSecsSinceEpoch(); }
};

// A clock the caller sets and moves by hand (tests, benchmarks).
class manual_time_source final : public time_source
{
public:
    explicit manual_time_source(QDateTime start = QDateTime(QDate(2026, 1, 1), QTime(12, 0))) : m_now(std::move(start))
    {}
    QDateTime now() const override { return m_now; }
    void set(const QDateTime &t) { m_now = t; }
    void advance_ms(qint64 ms) { m_now = m_now.addMSecs(ms); }
    void advance_secs(qint64 s) { m_now = m_now.addSecs(s); }

private:
    QDateTime m_now;
};

// Local time for a caller that asks every second, such as the clock face.
// A local date-time looks the zone up at every conversion, and the C
// library checks the zone file on disk each time; this looks the zone's
// offset from UTC up once a minute instead (zones change their offsets on
// whole minutes), which also follows a change of the system's zone within
// the minute. The times it gives carry that offset, so their date, time
// and arithmetic cost no lookup either; a format that names the zone wants
// them in local time (see for_zone_format).
class local_time_reader
{
public:
    QDateTime at(qint64 msecs_since_epoch) const;

private:
    mutable qint64 m_minute = std::numeric_limits<qint64>::min();
    mutable int m_offset = 0;
};

// Local time moved by the clock's hour and minute offsets.
QDateTime shifted_time(const time_source &clock, const local_time_reader &local, int hour_offset, int minute_offset);

// A time from local_time_reader, as a format with the zone's name ("t")
// needs it: the zone's own abbreviation rather than a bare offset.
QDateTime for_zone_format(const QDateTime &t, const QString &format);
