#pragma once
// event_scheduler: the store, the actions and the evaluation pass wired
// together for the clock window.

#include "scheduler/event_actions.h"
#include "scheduler/event_evaluator.h"
#include "scheduler/event_store.h"

class QSettings;

class event_scheduler
{
public:
    event_scheduler(QSettings &alarm_ini, const time_source &clock, audio_player *alarm_player, QWidget *anchor);

    event_store &store() { return m_store; }
    event_actions &actions() { return m_actions; }
    event_evaluator &evaluator() { return m_evaluator; }

private:
    event_store m_store;
    event_actions m_actions;
    event_evaluator m_evaluator;
};
