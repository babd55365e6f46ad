// When the clock repaints: just after each displayed-second boundary of the
// shifted time, at the sweep rate, or in fade-in steps.
#include "clock/repaint_scheduler.h"

#include <QTest>

class tst_repaint_scheduler : public QObject
{
    Q_OBJECT

    static QDateTime at(int ms) { return QDateTime(QDate(2026, 5, 1), QTime(9, 59, 59).addMSecs(ms)); }

private slots:
    void lands_just_after_the_next_boundary_data()
    {
        QTest::addColumn<int>("now_ms");
        QTest::addColumn<double>("interval");
        QTest::addColumn<int>("lands_at");
        QTest::newRow("early in the second") << 300 << 1000.0 << 1000;
        QTest::newRow("on the boundary") << 0 << 1000.0 << 1000;
        QTest::newRow("fired a little early") << 999 << 1000.0 << 1000;
        QTest::newRow("every two seconds") << 250 << 2000.0 << 2000;
        QTest::newRow("every second and a half") << 400 << 1500.0 << 2000;
    }
    void lands_just_after_the_next_boundary()
    {
        QFETCH(int, now_ms);
        QFETCH(double, interval);
        QFETCH(int, lands_at);
        const int d = repaint_scheduler::next_delay(at(now_ms), repaint_scheduler::pace::per_second, interval);
        QCOMPARE(now_ms + d, lands_at + repaint_scheduler::boundary_slack_ms);
    }

    void a_chain_of_ticks_never_drifts()
    {
        // Each tick is re-armed from the clock, so late firings do not add up.
        QDateTime t = at(137);
        for (int i = 0; i < 100; ++i) {
            t = t.addMSecs(repaint_scheduler::next_delay(t, repaint_scheduler::pace::per_second, 1000.0) + (i % 7));
            QVERIFY(t.time().msec() >= repaint_scheduler::boundary_slack_ms &&
                    t.time().msec() <= repaint_scheduler::boundary_slack_ms + 6);
        }
    }

    void pace_per_face()
    {
        using pace = repaint_scheduler::pace;
        clock_look l;
        l.clock = QStringLiteral("analog");
        QCOMPARE(repaint_scheduler::steady_pace(l), pace::per_second);
        l.repaint_interval = 100;
        QCOMPARE(repaint_scheduler::steady_pace(l), pace::sweep);
        QCOMPARE(repaint_scheduler::next_delay(at(0), pace::sweep, 100), 100);

        // Digital text changes by the second unless it shows milliseconds.
        l.clock = QStringLiteral("digital");
        l.format_1 = QStringLiteral("hh:mm:ss");
        QCOMPARE(repaint_scheduler::steady_pace(l), pace::per_second);
        l.format_2 = QStringLiteral("zzz");
        QCOMPARE(repaint_scheduler::steady_pace(l), pace::sweep);

        // Flip turns bring their own frames; the timer itself never runs at 40 ms.
        l.clock = QStringLiteral("flip");
        QCOMPARE(repaint_scheduler::steady_pace(l), pace::per_second);
        QCOMPARE(repaint_scheduler::next_delay(at(0), pace::fade, 1000), 20);
    }
};

QTEST_MAIN(tst_repaint_scheduler)
#include "tst_repaint_scheduler.moc"
