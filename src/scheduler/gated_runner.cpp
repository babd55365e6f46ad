#include "scheduler/gated_runner.h"

#include "common/time_source.h"
#include "scheduler/event_store.h"
#include "scheduler/firing_gate.h"
#include "storage/alarm_keys.h"

void gated_runner::handle(event_store &store, bool do_find, bool missed)
{
    const QString uid = m_gate ? store.read(event_keys::uid) : QString();
    if (uid.isEmpty()) {
        missed ? m_inner.run_missed(store, do_find) : m_inner.run(store, do_find);
        return;
    }
    const QString key = store.current();
    QDateTime minute = m_clock.now();
    minute = minute.addSecs(-minute.time().second()).addMSecs(-minute.time().msec());
    m_gate->claim(uid, minute, [this, key, do_find, missed](bool fire) {
        if (!fire || !m_store.contains(key))
            return;
        event_store::scope in(m_store, key);
        missed ? m_inner.run_missed(m_store, do_find) : m_inner.run(m_store, do_find);
    });
}
