#pragma once
// event_evaluator: decides every tick which events are due, records the
// firing, moves interval events on and hands each due event to its runner.
// Every "now" comes from the time source.
//
// An event fires once per wall-clock minute: in the hour repeated when
// daylight-saving time ends, the events of a time of day fire at its first
// occurrence, interval events by real elapsed minutes. Minutes the pass did
// not see (the machine slept, the clock was set forward, the clock skipped
// an hour) are looked at by the next pass: an event due in them fires once,
// late, if it is no older than the catch-up limit. A clock set back fires
// nothing again.
//
// A pass first decides which events are due and records their firings,
// then writes the file once, then carries out their actions in store order.
// So every firing is on disk before any action runs (a crash inside an
// action cannot make an event fire twice), and a pass in which many events
// fire costs one write, not one per event.
//
// A pass never starts while another runs: the actions of an event may run
// a nested event loop (a sticker's repaint) in which the alarm timer fires
// again; that tick is skipped.

#include <QDateTime>
#include <QHash>
#include <QString>

#include <optional>

class event_runner;
class event_store;
class time_source;

class event_evaluator
{
public:
    event_evaluator(event_store &store, const time_source &clock, event_runner &runner);

    // Start-up: re-anchors the after-interval events at now + repeat_min and
    // rewrites the minute-cycle events' time from repeat_min.
    void rebase_tasks();
    // One tick of the alarm timer.
    void pass();

    // Missed firings older than this are dropped; 0 turns catching up off.
    void set_catch_up_hours(int hours);
    int catch_up_hours() const { return m_catch_up_hours; }

    bool running() const { return m_running; }
    // Ticks refused because a pass was already running.
    int skipped() const { return m_skipped; }

private:
    // Whole wall-clock minutes between the previous pass and this one.
    struct missed_span
    {
        QDateTime first;   // first minute after the previous pass's minute
        QDateTime from;    // first minute still caught up (limit applied)
        QDateTime to;      // the minute before this pass's minute
        bool late = false; // real time passed too (not a skipped hour)
        bool empty() const { return !from.isValid() || from > to; }
        bool holds(const QDateTime &wall) const { return !empty() && wall >= from && wall <= to; }
    };

    // A due event, recorded and waiting for its actions.
    struct firing
    {
        QString key;
        bool single_instance = false;
        bool late = false;
    };

    // What the first test of every mode looks at. Kept between passes while
    // the store is unchanged, so a tick at which an event's time has not come
    // does not enter its group at all.
    struct brief
    {
        int mode = 0;
        QTime at;
        int repeat_min = 0;
    };
    static bool time_matches(const brief &b, const QDateTime &now);

    missed_span missed_minutes(const QDateTime &now) const;
    // Records the firing of a due event and returns it; nullopt when the
    // event is not due.
    std::optional<firing> evaluate(const QString &key, const missed_span &missed);
    // The mode's conditions except the re-fire guard.
    bool due_before_guard(int mode, const QDateTime &now, const QTime &at) const;
    // The latest minute of `span` in which the event was due, or invalid.
    QDateTime missed_firing(int mode, const QTime &at, const missed_span &span) const;
    bool due_on(int mode, const QDate &day) const;
    bool fired_already(int mode, const QDateTime &now, const QDateTime &last) const;
    void record_firing(int mode, const QDateTime &now);
    void reanchor(const QDateTime &now);
    // Writes what the pass changed, once.
    void write_changes();

    event_store &m_store;
    const time_source &m_clock;
    event_runner &m_runner;
    QDateTime m_previous_pass;
    int m_catch_up_hours = 24;
    bool m_running = false;
    bool m_changed = false;
    int m_skipped = 0;
    QHash<QString, brief> m_briefs;
    quint64 m_briefs_generation = ~quint64(0);
    QStringList m_written; // events this pass wrote, not yet on disk
};
