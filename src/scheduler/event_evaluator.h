#pragma once
// event_evaluator: decides every tick which events are due, records the
// firing, moves interval events on and hands each due event to its runner.
// Every "now" comes from the time source.
//
// A pass never starts while another runs: the actions of an event may run
// a nested event loop (a sticker's repaint, a modal sound-error box) in
// which the alarm timer fires again; that tick is skipped.

#include <QDateTime>
#include <QString>

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

    bool running() const { return m_running; }
    // Ticks refused because a pass was already running.
    int skipped() const { return m_skipped; }

private:
    void evaluate(const QString &key);
    // The mode's conditions except the re-fire guard.
    bool due_before_guard(int mode, const QDateTime &now, const QTime &at) const;
    static bool more_than_a_minute(const QDateTime &now, const QDateTime &last);
    void record_firing(int mode, const QDateTime &now);

    event_store &m_store;
    const time_source &m_clock;
    event_runner &m_runner;
    bool m_running = false;
    int m_skipped = 0;
};
