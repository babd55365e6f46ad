#include "scheduler/event_evaluator.h"

#include "common/log.h"
#include "common/time_source.h"
#include "scheduler/event_runner.h"
#include "scheduler/event_store.h"
#include "scheduler/event_time.h"

#include <limits>

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
{
}

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
    const QStringList keys = m_store.events();
    for (const QString &key : keys)
        evaluate(key);
}

void event_evaluator::evaluate(const QString &key)
{
    event_store::scope in(m_store, key);

    const QDateTime now = m_clock.now();
    const QDate event_date = event_time::parse_date(m_store.read(k::date));
    const QTime at = event_time::parse_time(m_store.read(k::time));
    const QDateTime last = event_time::parse_lastrun(m_store.read(k::lastrun));
    const bool disabled = m_store.read(k::disable);
    const bool single_instance = m_store.read(k::do_find);
    const int mode = m_store.read(k::repeat);

    const qint64 gap = last.isValid() ? qAbs(now.secsTo(last)) : std::numeric_limits<qint64>::max();
    const bool guard = gap > 60 && !disabled;

    if (!due(mode, now, at, event_date, guard))
        return;
    qCInfo(lc_scheduler) << "event" << key << "is due at" << now.toString(Qt::ISODate);
    record_firing(mode, now);
    m_runner.run(m_store, single_instance);
}

bool event_evaluator::due(int mode, const QDateTime &now, const QTime &time, const QDate &date,
                          bool guard) const
{
    const QDate today = now.date();
    const bool hour = time.isValid() && time.hour() == now.time().hour();
    const bool minute = time.isValid() && time.minute() == now.time().minute();

    switch (mode) {
    case k::once:
        return hour && minute && today == date && guard;
    case k::daily:
        return m_store.read(k::day[today.dayOfWeek() - 1]) && hour && minute && guard;
    case k::monthly:
        return m_store.read(k::month[today.month() - 1]) && date.day() == today.day() && hour && minute &&
               guard;
    case k::yearly:
        return hour && minute && date.month() == today.month() && date.day() == today.day() &&
               today.year() >= date.year() && guard;
    case k::after_interval:
        return hour && minute && guard;
    case k::minute_cycle:
        return (minute || m_store.read(k::repeat_min) == now.time().minute()) && guard;
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
