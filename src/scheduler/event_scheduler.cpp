#include "scheduler/event_scheduler.h"

event_scheduler::event_scheduler(QSettings &alarm_ini, const time_source &clock, audio_player *alarm_player,
                                 QWidget *anchor)
    : m_store(alarm_ini), m_actions(alarm_player, clock, anchor), m_evaluator(m_store, clock, m_actions)
{}
