// A check that rides on other wakeups: in its early window it must fire on
// a wakeup the program makes anyway, never before the window opens, and on
// its own when nothing else wakes the program.
#include "common/shared_wake_timer.h"

#include <QElapsedTimer>
#include <QTest>

class tst_shared_wake_timer : public QObject
{
    Q_OBJECT

private slots:
    void fires_on_the_wakeups_of_another_timer()
    {
        QElapsedTimer clock;
        clock.start();
        qint64 last_tick = -1;
        QList<qint64> fired, after_tick;
        // A tick every 100 ms stands in for the clock's seconds.
        QTimer tick;
        tick.setTimerType(Qt::PreciseTimer);
        connect(&tick, &QTimer::timeout, [&] { last_tick = clock.elapsed(); });
        shared_wake_timer t;
        connect(&t, &shared_wake_timer::timeout, [&] {
            fired << clock.elapsed();
            after_tick << clock.elapsed() - last_tick;
        });
        tick.start(100);
        t.start(500, 150);
        QTRY_VERIFY_WITH_TIMEOUT(fired.size() >= 4, 10000);
        qint64 previous = 0;
        for (int i = 0; i < fired.size(); ++i) {
            const qint64 gap = fired[i] - previous;
            QVERIFY2(gap >= 350, qPrintable(QString("fired %1 ms after the last").arg(gap)));
            // In the same pass of the loop as a tick, not 0.5 s after start.
            QVERIFY2(after_tick[i] < 40, qPrintable(QString("%1 ms after a tick").arg(after_tick[i])));
            previous = fired[i];
        }
    }

    void fires_alone_at_the_interval_s_end_and_stops()
    {
        QElapsedTimer clock;
        clock.start();
        QList<qint64> fired;
        shared_wake_timer t;
        connect(&t, &shared_wake_timer::timeout, [&] { fired << clock.elapsed(); });
        t.start(300, 100);
        QVERIFY(t.isActive());
        QCOMPARE(t.interval(), 300);
        QTRY_VERIFY_WITH_TIMEOUT(fired.size() >= 3, 5000);
        // Nothing else wakes the loop here, but the event loop's own
        // passes (a test's polling) may let it come early, never before
        // the window.
        qint64 previous = 0;
        for (qint64 at : fired) {
            QVERIFY2(at - previous >= 200, qPrintable(QString::number(at - previous)));
            previous = at;
        }
        t.stop();
        QVERIFY(!t.isActive());
        const qsizetype count = fired.size();
        QTest::qWait(700);
        QCOMPARE(fired.size(), count);
    }

    void an_early_window_as_long_as_the_interval_does_not_fire_at_every_loop_pass()
    {
        shared_wake_timer t;
        int fired = 0;
        connect(&t, &shared_wake_timer::timeout, [&] { ++fired; });
        t.start(200, 5000);
        QTest::qWait(500);
        QVERIFY2(fired >= 2 && fired <= 5, qPrintable(QString::number(fired)));
    }
};

QTEST_MAIN(tst_shared_wake_timer)
#include "tst_shared_wake_timer.moc"
