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
    // Called between passes, when anything may have changed.
    m_briefs.clear();
    m_briefs_generation = ~quint64(0);
    const QStringList keys = m_store.events();
    for (const QString &key : keys) {
        event_store::scope in(m_store, key);
        const int mode = m_store.read(k::repeat);
        if (mode == k::after_interval) {
            reanchor(m_clock.now());
        } else if (mode == k::minute_cycle) {
            if (m_store.write(k::time, QStringLiteral("00:") + QString::number(m_store.read(k::repeat_min))))
                m_changed = true;
        }
    }
    write_changes();
}

void event_evaluator::write_changes()
{
    // Changes an earlier pass could not write are tried again.
    if (!m_changed && !m_store.unsaved())
        return;
    m_changed = false;
    const quint64 ours = m_store.generation();
    m_store.sync();
    // Nothing but this pass wrote since its start (no event loop ran), so
    // the briefs of the events it did not write still hold, unless the
    // write took in another program's edit.
    if (m_store.generation() == ours && m_briefs_generation != ~quint64(0)) {
        for (const QString &key : std::as_const(m_written))
            m_briefs.remove(key);
        m_briefs_generation = ours;
    }
    m_written.clear();
}

void event_evaluator::set_catch_up_hours(int hours)
{
    // A year at most keeps the day-by-day search after a long jump short.
    m_catch_up_hours = qBound(0, hours, 366 * 24);
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
    const QDateTime now = m_clock.now();
    const missed_span missed = missed_minutes(now);
    m_previous_pass = now;
    if (!missed.empty())
        qCInfo(lc_scheduler) << "catching up the minutes from" << missed.from.toString(u"dd.MM.yyyy HH:mm") << "to"
                             << missed.to.toString(u"dd.MM.yyyy HH:mm") << (missed.late ? "(late)" : "");
    const QStringList keys = m_store.pass_events();
    if (m_briefs_generation != m_store.generation()) {
        m_briefs.clear();
        m_briefs_generation = m_store.generation();
    }
    QList<firing> due;
    for (const QString &key : keys)
        if (std::optional<firing> f = evaluate(key, missed))
            due << *f;
    write_changes();
    for (const firing &f : std::as_const(due)) {
        event_store::scope in(m_store, f.key);
        if (f.late)
            m_runner.run_missed(m_store, f.single_instance);
        else
            m_runner.run(m_store, f.single_instance);
    }
}

event_evaluator::missed_span event_evaluator::missed_minutes(const QDateTime &now) const
{
    missed_span span;
    if (!m_previous_pass.isValid())
        return span;
    const auto minute = [](const QDateTime &t) {
        return event_time::wall(t.date(), QTime(t.time().hour(), t.time().minute()));
    };
    span.first = minute(m_previous_pass).addSecs(60);
    span.from = span.first;
    span.to = minute(now).addSecs(-60);
    if (span.from > span.to)
        return span;
    // A few seconds of real time across an hour of wall clock is the clock
    // skipping ahead for daylight-saving time: those minutes are not late
    // and no limit applies.
    span.late = m_previous_pass.secsTo(now) > 65;
    if (span.late) {
        if (m_catch_up_hours == 0)
            span.from = QDateTime();
        else
            span.from = qMax(span.from, minute(now).addSecs(-qint64(m_catch_up_hours) * 3600));
    }
    return span;
}

std::optional<event_evaluator::firing> event_evaluator::evaluate(const QString &key, const missed_span &missed)
{
    const QDateTime now = m_clock.now();
    const bool gap = missed.first.isValid() && missed.first <= missed.to;
    const auto known = m_briefs.constFind(key);
    if (!gap && known != m_briefs.constEnd() && !time_matches(*known, now))
        return std::nullopt;

    event_store::scope in(m_store, key);
    const int mode = m_store.read(k::repeat);
    const QTime at = event_time::parse_time(m_store.read(k::time));
    if (known == m_briefs.constEnd())
        m_briefs.insert(key, {mode, at, mode == k::minute_cycle ? m_store.read(k::repeat_min) : 0});

    // The re-fire guard is the last condition of every mode, so its keys are
    // read only for an event whose time has come: most events of a pass stop
    // at the hour or minute.
    QDateTime missed_at;
    if (!due_before_guard(mode, now, at)) {
        if (gap)
            missed_at = missed_firing(mode, at, missed);
        if (!missed_at.isValid())
            return std::nullopt;
    }
    const QDateTime last = event_time::last_firing(m_store.read(k::lastrun), m_store.read(k::lastrun_utc));
    const bool disabled = m_store.read(k::disable);
    const bool single_instance = m_store.read(k::do_find);
    if (disabled || fired_already(mode, now, last))
        return std::nullopt;
    if (missed_at.isValid() && last.isValid() && event_time::wall(last) >= missed_at)
        return std::nullopt; // fired in or after that minute already

    if (missed_at.isValid() && !missed.holds(missed_at)) {
        // An interval event whose time passed longer ago than the limit
        // starts counting again from now instead of waiting for its stored
        // time of day to come round.
        qCInfo(lc_scheduler) << "event" << key << "missed its time by more than the limit; re-anchored";
        reanchor(now);
        return std::nullopt;
    }
    const bool late = missed_at.isValid() && missed.late;
    qCDebug(lc_scheduler) << "event" << key << "is due at" << now.toString(Qt::ISODate)
                          << (late ? "(missed at " + missed_at.toString(u"dd.MM.yyyy HH:mm") + ")" : QString());
    record_firing(mode, now);
    return firing{key, single_instance, late};
}

bool event_evaluator::fired_already(int mode, const QDateTime &now, const QDateTime &last) const
{
    if (!last.isValid())
        return false; // never fired
    const qint64 since = last.secsTo(now);
    if (qAbs(since) <= 60)
        return true;
    // The clock was set back past the last firing: what lies between was
    // done already. A clock corrected from further ahead than the catch-up
    // limit starts afresh.
    if (since < 0 && -since <= qMax(qint64(m_catch_up_hours), qint64(1)) * 3600)
        return true;
    // Times of day fire once per wall-clock minute, even when that minute
    // comes twice (the hour repeated when daylight-saving time ends).
    if (mode >= k::once && mode <= k::yearly)
        return last.date() == now.date() && last.time().hour() == now.time().hour() &&
               last.time().minute() == now.time().minute();
    return false;
}

bool event_evaluator::time_matches(const brief &b, const QDateTime &now)
{
    const QTime clock = now.time();
    const bool hour = b.at.isValid() && b.at.hour() == clock.hour();
    const bool minute = b.at.isValid() && b.at.minute() == clock.minute();
    switch (b.mode) {
    case k::once:
    case k::daily:
    case k::monthly:
    case k::yearly:
    case k::after_interval:
        return hour && minute;
    case k::minute_cycle:
        return minute || b.repeat_min == clock.minute();
    default:
        return false;
    }
}

bool event_evaluator::due_before_guard(int mode, const QDateTime &now, const QTime &at) const
{
    const int every = mode == k::minute_cycle ? m_store.read(k::repeat_min) : 0;
    if (!time_matches({mode, at, every}, now))
        return false;
    return mode == k::after_interval || mode == k::minute_cycle || due_on(mode, now.date());
}

bool event_evaluator::due_on(int mode, const QDate &day) const
{
    const auto event_date = [this] { return event_time::parse_date(m_store.read(k::date)); };
    switch (mode) {
    case k::once:
        return day == event_date();
    case k::daily:
        return m_store.read(k::day[day.dayOfWeek() - 1]);
    case k::monthly:
        return m_store.read(k::month[day.month() - 1]) && event_date().day() == day.day();
    case k::yearly: {
        const QDate d = event_date();
        return d.month() == day.month() && d.day() == day.day() && day.year() >= d.year();
    }
    default:
        return false;
    }
}

QDateTime event_evaluator::missed_firing(int mode, const QTime &at, const missed_span &span) const
{
    switch (mode) {
    case k::once:
    case k::daily:
    case k::monthly:
    case k::yearly:
        if (!at.isValid() || span.empty())
            return {};
        for (QDate d = span.to.date(); d >= span.from.date(); d = d.addDays(-1)) {
            const QDateTime t = event_time::wall(d, at);
            if (span.holds(t) && due_on(mode, d))
                return t;
        }
        return {};
    case k::after_interval: {
        // Its stored date and time are the next firing; one that passed in
        // the gap beyond the limit is returned too, to be re-anchored.
        const QDateTime t = event_time::wall(event_time::parse_date(m_store.read(k::date)), at);
        return t.isValid() && t >= span.first && t <= span.to ? t : QDateTime();
    }
    case k::minute_cycle: {
        if (span.empty())
            return {};
        const int every = m_store.read(k::repeat_min);
        const int stored = at.isValid() ? at.minute() : -1;
        // Minutes repeat every hour: the last hour of the span is enough.
        const QDateTime stop = qMax(span.from, span.to.addSecs(-3600));
        for (QDateTime t = span.to; t >= stop; t = t.addSecs(-60))
            if (t.time().minute() == stored || t.time().minute() == every)
                return t;
        return {};
    }
    default:
        return {};
    }
}

void event_evaluator::reanchor(const QDateTime &now)
{
    const QDateTime next = event_time::next_firing(now, m_store.read(k::repeat_min));
    const bool time = m_store.write(k::time, event_time::format_time(next));
    if (m_store.write(k::date, event_time::format_date(next)) || time) {
        m_changed = true;
        m_written << m_store.current();
    }
}

void event_evaluator::record_firing(int mode, const QDateTime &now)
{
    // Kept to the minute, as lastrun is, so the two name the same moment.
    const QDateTime minute = now.addSecs(-(now.time().second())).addMSecs(-now.time().msec());
    if (mode == k::after_interval || mode == k::minute_cycle) {
        const QDateTime next = event_time::next_firing(now, m_store.read(k::repeat_min));
        m_store.write(k::time, event_time::format_time(next));
        m_store.write(k::date, event_time::format_date(next));
    }
    m_store.write(k::lastrun, event_time::format_lastrun(now));
    m_store.write(k::lastrun_utc, event_time::format_utc(minute));
    // Written before any action runs, in every mode: a firing that a crash
    // or another program's edit could undo would fire again.
    m_changed = true;
    m_written << m_store.current();
}
