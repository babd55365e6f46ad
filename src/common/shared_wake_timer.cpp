#include "common/shared_wake_timer.h"

#include <QAbstractEventDispatcher>

shared_wake_timer::shared_wake_timer(QObject *parent) : QObject(parent)
{
    m_last.setSingleShot(true);
    m_last.setTimerType(Qt::PreciseTimer);
    connect(&m_last, &QTimer::timeout, this, &shared_wake_timer::fire);
}

void shared_wake_timer::start(int interval_ms, int early_ms)
{
    m_interval = qMax(0, interval_ms);
    // An early window as long as the interval would open again at once and
    // fire at every pass of the loop: at most half of it.
    m_early = qBound(0, early_ms, m_interval / 2);
    // The dispatcher is the thread's own; it may not exist yet when the
    // timer is made.
    if (!m_listening) {
        if (QAbstractEventDispatcher *d = QAbstractEventDispatcher::instance(thread())) {
            connect(d, &QAbstractEventDispatcher::aboutToBlock, this, &shared_wake_timer::about_to_block);
            m_listening = true;
        }
    }
    arm();
}

void shared_wake_timer::stop()
{
    m_last.stop();
}

void shared_wake_timer::arm()
{
    m_window.setRemainingTime(m_interval - m_early, Qt::PreciseTimer);
    m_last.start(m_interval);
}

void shared_wake_timer::about_to_block()
{
    // Posted, not run here: what the check does (a window shown, a request
    // to the X server) is then sent by the loop before it sleeps, as after
    // any other event.
    if (m_last.isActive() && !m_posted && m_window.hasExpired()) {
        m_posted = true;
        QMetaObject::invokeMethod(this, &shared_wake_timer::posted, Qt::QueuedConnection);
    }
}

void shared_wake_timer::posted()
{
    m_posted = false;
    if (m_last.isActive() && m_window.hasExpired())
        fire();
}

void shared_wake_timer::fire()
{
    // Re-armed first: a check that opens a dialog runs a loop of its own,
    // which must not see this interval as still due.
    arm();
    emit timeout();
}
