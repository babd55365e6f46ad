#pragma once
// What the evaluation pass hands a due event to.

class event_store;

class event_runner
{
public:
    virtual ~event_runner() = default;
    // Carries out the actions of the due event whose group `store` is inside.
    // `do_find` was read by the pass before the due test.
    virtual void run(event_store &store, bool do_find) = 0;
    // The same for an event whose time passed unseen (the machine slept or
    // the clock was set forward); it fires late, marked as missed.
    virtual void run_missed(event_store &store, bool do_find) { run(store, do_find); }
};
