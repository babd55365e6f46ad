#pragma once
// gated_runner: hands a due event to the actions at once, or, when a
// firing gate is set and the event has a uid, once the gate says this
// machine fires it. A deferred event is looked up again by its key; one
// removed meanwhile does nothing.

#include "scheduler/event_runner.h"

class event_store;
class firing_gate;
class time_source;

class gated_runner : public event_runner
{
public:
    gated_runner(event_runner &inner, event_store &store, const time_source &clock)
        : m_inner(inner), m_store(store), m_clock(clock)
    {
    }
    void set_gate(firing_gate *gate) { m_gate = gate; }
    void run(event_store &store, bool do_find) override { handle(store, do_find, false); }
    void run_missed(event_store &store, bool do_find) override { handle(store, do_find, true); }

private:
    void handle(event_store &store, bool do_find, bool missed);
    event_runner &m_inner;
    event_store &m_store;
    const time_source &m_clock;
    firing_gate *m_gate = nullptr;
};
