#include "scheduler/event_scheduler.h"

#include "common/time_source.h"

event_scheduler::event_scheduler(QSettings &alarm_ini, const time_source &clock, audio_player *alarm_player,
                                 QWidget *anchor)
    : m_clock(clock), m_store(alarm_ini), m_actions(alarm_player, clock, anchor),
      m_gated(m_actions, m_store, clock), m_evaluator(m_store, clock, m_gated)
{
    m_actions.set_snooze_store(&m_snoozes);
}

void event_scheduler::pass()
{
    const bool nested = m_evaluator.running();
    m_evaluator.pass(); // counts and skips a nested tick
    if (nested)
        return; // the outer pass shows what it met
    for (const snooze_store::reminder &r : m_snoozes.take_due(m_clock.now()))
        m_actions.show_snoozed(r.text, r.skin, r.sound);
    m_actions.errors().show_pending();
}

void event_scheduler::show_note(const QString &text, const QString &sound)
{
    m_actions.show_note(text, sound);
    m_actions.errors().show_pending();
}
