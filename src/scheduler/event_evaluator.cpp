#include "scheduler/event_evaluator.h"

#include "common/log.h"
#include "common/time_source.h"
#include "scheduler/event_runner.h"
#include "scheduler/event_store.h"
#include "scheduler/event_time.h"

namespace {

// Sets a flag for a scope, so an early return or an exception clears it.
class running_flag
{
public:
    explicit running_flag(bool &flag) : m_flag(flag) { m_flag = true; }
    ~running_flag() { m_flag = false; }
    running_flag(const running_flag &) = delete;
    running_flag &operator=(const running_flag &) = delete;

private:
    bool &m_flag;
};

} // namespace

namespace k = event_keys;

event_evaluator::event_evaluator(event_store &store, const time_source &clock, event_runner &runner)
    : m_store(store), m_clock(clock), m_runner(runner)
{}

void event_evaluator::rebase_tasks()
{
    if (m_running) {
        ++m_skipped;
        qCDebug(lc_scheduler) << "rebase skipped: an evaluation pass is running";
        return;
    }
    running_flag flag(m_running);
    const QStringList keys = m_store.events();
    for (const QString &key : keys) {
        event_store::scope in(m_store, key);
        const int mode = m_store.read(k::repeat);
        if (mode == k::after_interval) {
            const QDateTime next = event_time::next_firing(m_clock.now(), m_store.read(k::repeat_min));
            m_store.write(k::time, event_time::format_time(next));
            m_store.write(k::date, event_time::format_date(next));
            m_store.sync();
        } else if (mode == k::minute_cycle) {
            m_store.write(k::time, QStringLiteral("00:") + QString::number(m_store.read(k::repeat_min)));
            m_store.sync();
        }
    }
}

void event_evaluator::pass()
{
    if (m_running) {
        ++m_skipped;
        qCDebug(lc_scheduler) << "tick skipped: the previous evaluation pass is still running";
        return;
    }
    if (m_store.inside()) {
        // Someone else is inside an event's group in a nested event loop.
        ++m_skipped;
        qCDebug(lc_scheduler) << "tick skipped: event" << m_store.current() << "is being edited";
        return;
    }
    running_flag flag(m_running);
    const QStringList keys = m_store.pass_events();
    for (const QString &key : keys)
        evaluate(key);
}

void event_evaluator::evaluate(const QString &key)
{
    event_store::scope in(m_store, key);
    const QDateTime now = m_clock.now();
    const int mode = m_store.read(k::repeat);
    const QTime at = event_time::parse_time(m_store.read(k::time));

    // The re-fire guard is the last condition of every mode, so its keys are
    // read only for an event whose time has come: most events of a pass stop
    // at the hour or minute.
    if (!due_before_guard(mode, now, at))
        return;
    const QDateTime last = event_time::parse_lastrun(m_store.read(k::lastrun));
    const bool disabled = m_store.read(k::disable);
    const bool single_instance = m_store.read(k::do_find);
    if (disabled || !more_than_a_minute(now, last))
        return;

    qCInfo(lc_scheduler) << "event" << key << "is due at" << now.toString(Qt::ISODate);
    record_firing(mode, now);
    m_runner.run(m_store, single_instance);
}

bool event_evaluator::more_than_a_minute(const QDateTime &now, const QDateTime &last)
{
    if (!last.isValid())
        return true; // never fired
    // Wall-clock distance first: local-time arithmetic is slow, and only a
    // near distance can come out at 60 s or less once offsets are applied.
    const qint64 wall =
        qAbs(QDateTime(now.date(), now.time(), Qt::UTC).secsTo(QDateTime(last.date(), last.time(), Qt::UTC)));
    if (wall > 3 * 3600)
        return true;
    return qAbs(now.secsTo(last)) > 60;
}

bool event_evaluator::due_before_guard(int mode, const QDateTime &now, const QTime &at) const
{
    const QDate today = now.date();
    const QTime clock = now.time();
    const bool hour = at.isValid() && at.hour() == clock.hour();
    const bool minute = at.isValid() && at.minute() == clock.minute();
    const auto event_date = [this] { return event_time::parse_date(m_store.read(k::date)); };

    switch (mode) {
    case k::once:
        return hour && minute && today == event_date();
    case k::daily:
        return m_store.read(k::day[today.dayOfWeek() - 1]) && hour && minute;
    case k::monthly:
        return m_store.read(k::month[today.month() - 1]) && event_date().day() == today.day() && hour && minute;
    case k::yearly: {
        if (!hour || !minute)
            return false;
        const QDate d = event_date();
        return d.month() == today.month() && d.day() == today.day() && today.year() >= d.year();
    }
    case k::after_interval:
        return hour && minute;
    case k::minute_cycle:
        return minute || m_store.read(k::repeat_min) == clock.minute();
    default:
        return false;
    }
}

void event_evaluator::record_firing(int mode, const QDateTime &now)
{
    if (mode == k::after_interval || mode == k::minute_cycle) {
        const QDateTime next = event_time::next_firing(now, m_store.read(k::repeat_min));
        m_store.write(k::time, event_time::format_time(next));
        m_store.write(k::date, event_time::format_date(next));
        m_store.write(k::lastrun, event_time::format_lastrun(now));
        m_store.sync();
    } else {
        m_store.write(k::lastrun, event_time::format_lastrun(now));
    }
}
