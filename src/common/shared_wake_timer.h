#pragma once
// A repeating timer for checks that need not run at an exact moment, such as
// the scheduler's and the calendar's five-second passes. In the last `early`
// milliseconds of each interval it fires as soon as the event loop is about to
// sleep: the check rides on a wakeup the program makes anyway (the clock's
// tick, every second), and costs no wakeup of its own. Only when nothing wakes
// the program in that time does its own timer end the interval. So it never
// fires later than a plain timer of the same interval, nor earlier by more
// than `early`.

#include <QDeadlineTimer>
#include <QObject>
#include <QTimer>

class shared_wake_timer : public QObject
{
    Q_OBJECT

public:
    explicit shared_wake_timer(QObject *parent = nullptr);

    // (Re)starts it: the first timeout comes after interval_ms, or up to
    // early_ms before that (at most half the interval).
    void start(int interval_ms, int early_ms);
    void stop();

    bool isActive() const { return m_last.isActive(); }
    int interval() const { return m_interval; }

signals:
    void timeout();

private:
    void about_to_block();
    void posted();
    void fire();
    void arm();

    QTimer m_last; // the interval's end, if nothing woke the program before
    QDeadlineTimer m_window; // when the early part of the interval begins
    int m_interval = 0;
    int m_early = 0;
    bool m_listening = false;
    bool m_posted = false;
};
