#pragma once
// The one place the program asks for "now". Everything that needs the
// current date-time takes a time_source, so tests can run any moment.

#include <QDateTime>

class time_source
{
public:
    virtual ~time_source() = default;
    virtual QDateTime now() const = 0;
};

class system_time_source final : public time_source
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
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

// Local time moved by the clock's hour and minute offsets.
QDateTime shifted_time(const time_source &clock, int hour_offset, int minute_offset);
