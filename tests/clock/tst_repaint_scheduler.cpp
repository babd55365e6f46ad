// When the clock repaints: just after each displayed-second boundary of the
// shifted time, at the sweep rate, or in fade-in steps.
#include "clock/faces/time_fields.h"
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

    // The next wake lands just past the next visible change, for faces
    // with and without seconds.
    void wakes_at_the_next_visible_change_data()
    {
        QTest::addColumn<QString>("face");
        QTest::addColumn<QString>("format");
        QTest::addColumn<bool>("seconds_shown"); // second hand, seconds card
        QTest::addColumn<QTime>("now");
        QTest::addColumn<QTime>("wakes");
        const QTime slack = QTime(0, 0).addMSecs(repaint_scheduler::boundary_slack_ms);
        const auto t = [&](int h, int m, int s, int ms = 0) { return QTime(h, m, s, ms); };
        const auto w = [&](int h, int m, int s) { return QTime(h, m, s).addMSecs(slack.msec()); };
        QTest::newRow("analog, seconds") << "analog"
                                         << "" << true << t(9, 59, 58, 400) << w(9, 59, 59);
        QTest::newRow("analog, seconds, hour rollover") << "analog"
                                                        << "" << true << t(9, 59, 59, 10) << w(10, 0, 0);
        QTest::newRow("digital hh:mm:ss") << "digital"
                                          << "hh:mm:ss" << true << t(9, 15, 7, 999) << w(9, 15, 8);
        QTest::newRow("digital hh:mm") << "digital"
                                       << "hh:mm" << true << t(9, 15, 7, 250) << w(9, 16, 0);
        QTest::newRow("digital hh:mm at :59.9") << "digital"
                                                << "hh:mm" << true << t(9, 15, 59, 900) << w(9, 16, 0);
        QTest::newRow("digital hh:mm just past the minute") << "digital"
                                                            << "hh:mm" << true << t(9, 16, 0, 2) << w(9, 17, 0);
        QTest::newRow("digital hh:mm, hour rollover") << "digital"
                                                      << "hh:mm" << true << t(23, 59, 30) << w(0, 0, 0);
        QTest::newRow("digital 'ss' quoted") << "digital"
                                             << "hh:mm 'ss'" << true << t(9, 15, 7) << w(9, 16, 0);
        QTest::newRow("flip with seconds card") << "flip"
                                                << "" << true << t(9, 15, 7, 500) << w(9, 15, 8);
        QTest::newRow("flip without seconds card") << "flip"
                                                   << "" << false << t(9, 15, 7, 500) << w(9, 16, 0);
        QTest::newRow("flip, caption with seconds") << "flip"
                                                    << "ss" << false << t(9, 15, 7, 500) << w(9, 15, 8);
    }
    void wakes_at_the_next_visible_change()
    {
        QFETCH(QString, face);
        QFETCH(QString, format);
        QFETCH(bool, seconds_shown);
        QFETCH(QTime, now);
        QFETCH(QTime, wakes);
        clock_look l;
        l.clock = face;
        l.format_1 = format;
        l.text_flip_clock = face == "flip" ? format : QString();
        l.paint_flip_sec = seconds_shown;
        l.do_draw_sec = seconds_shown;
        const QDateTime at(QDate(2026, 5, 1), now);
        const int d = repaint_scheduler::next_delay(at, repaint_scheduler::steady_pace(l), l.repaint_interval,
                                                    repaint_scheduler::step_seconds(l));
        QCOMPARE(at.addMSecs(d).time(), wakes);
    }

    void analog_without_second_hand_wakes_when_the_minute_hand_moves_a_pixel_data()
    {
        QTest::addColumn<int>("hand_length");
        QTest::addColumn<int>("step");
        // The tip moves length * (1 - 0.06) * 0.1 degree a second.
        QTest::newRow("long hand: every 6 s") << 100 << 6;
        QTest::newRow("short hand: every 15 s") << 40 << 15;
        QTest::newRow("tiny hand: every 60 s") << 5 << 60;
        QTest::newRow("huge hand: every second") << 2000 << 1;
    }
    void analog_without_second_hand_wakes_when_the_minute_hand_moves_a_pixel()
    {
        QFETCH(int, hand_length);
        QFETCH(int, step);
        clock_look l;
        l.clock = QStringLiteral("analog");
        l.do_draw_sec = false;
        l.pictures.mins = QPixmap(4, hand_length);
        QCOMPARE(repaint_scheduler::step_seconds(l), step);
        QCOMPARE(60 % step, 0);
        // Wakes on multiples of the step, so the minute boundary is one.
        for (int s = 0; s < 60; s += 7) {
            const QDateTime at(QDate(2026, 5, 1), QTime(9, 15, s, 300));
            const QTime w =
                at.addMSecs(repaint_scheduler::next_delay(at, repaint_scheduler::steady_pace(l), 1000, step)).time();
            QCOMPARE(w.second() % step, 0);
            QVERIFY(w > at.time());
            QVERIFY(at.msecsTo(QDateTime(at.date(), w)) <= step * 1000 + repaint_scheduler::boundary_slack_ms);
        }
        l.do_draw_sec = true;
        QCOMPARE(repaint_scheduler::step_seconds(l), 1);
    }

    void finest_field_of_a_format_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("field");
        QTest::newRow("hh:mm:ss") << "hh:mm:ss" << int(time_field::second);
        QTest::newRow("hh:mm") << "hh:mm" << int(time_field::minute);
        QTest::newRow("h:mm AP") << "h:mm AP" << int(time_field::minute);
        QTest::newRow("zzz") << "ss.zzz" << int(time_field::millisecond);
        QTest::newRow("date only") << "dddd, d MMMM" << int(time_field::minute);
        QTest::newRow("quoted s") << "hh:mm 'sec'" << int(time_field::minute);
        QTest::newRow("quoted quote, then s") << "hh 'o''clock' ss" << int(time_field::second);
        QTest::newRow("plain text") << "'Orvella'" << int(time_field::none);
        QTest::newRow("empty") << "" << int(time_field::none);
    }
    void finest_field_of_a_format()
    {
        QFETCH(QString, format);
        QFETCH(int, field);
        QCOMPARE(int(finest_field(format)), field);
    }
};

QTEST_MAIN(tst_repaint_scheduler)
#include "tst_repaint_scheduler.moc"
