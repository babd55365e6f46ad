#pragma once
// event_scheduler: the store, the actions, the evaluation pass and the
// put-off reminders wired together for the clock window. Failures met while
// reminders fire are shown after the pass, in boxes that do not stop it.

#include "scheduler/event_actions.h"
#include "scheduler/event_evaluator.h"
#include "scheduler/event_store.h"
#include "scheduler/gated_runner.h"
#include "scheduler/snooze_store.h"

class QSettings;

class event_scheduler
{
public:
    event_scheduler(QSettings &alarm_ini, const time_source &clock, audio_player *alarm_player, QWidget *anchor);

    // One tick of the alarm timer: due events, then put-off reminders that
    // are due again, then the boxes of what failed.
    void pass();
    // A note reminder from the calendar: sticker and note sound.
    void show_note(const QString &text, const QString &sound);

    event_store &store() { return m_store; }
    event_actions &actions() { return m_actions; }
    event_evaluator &evaluator() { return m_evaluator; }
    snooze_store &snoozes() { return m_snoozes; }
    // Asked before a due event fires (calendar sync: one machine fires it).
    void set_gate(firing_gate *gate) { m_gated.set_gate(gate); }

private:
    const time_source &m_clock;
    event_store m_store;
    event_actions m_actions;
    gated_runner m_gated;
    event_evaluator m_evaluator;
    snooze_store m_snoozes;
};
