// A double click on the tray icon does what autorun says; other clicks do
// nothing.
#include "clock/clock_window.h"
#include "clock_rig.h"
#include "common/time_source.h"
#include "settings/alarm_setup.h"
#include "test_support.h"

#include <QTest>

class tst_tray_activation : public QObject
{
    Q_OBJECT

private slots:
    void only_a_double_click_acts_data()
    {
        QTest::addColumn<int>("reason");
        QTest::newRow("single") << int(QSystemTrayIcon::Trigger);
        QTest::newRow("middle") << int(QSystemTrayIcon::MiddleClick);
        QTest::newRow("context") << int(QSystemTrayIcon::Context);
        QTest::newRow("unknown") << int(QSystemTrayIcon::Unknown);
    }
    void only_a_double_click_acts()
    {
        QFETCH(int, reason);
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=analog\nautorun=2\nposx=30\nposy=30\n");
        manual_time_source t;
        clock_rig rig(t);
        orvella &w = rig.clock();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        rig.commands()->icon_activated(QSystemTrayIcon::ActivationReason(reason));
        QVERIFY(w.isVisible());
        rig.commands()->icon_activated(QSystemTrayIcon::DoubleClick);
        QVERIFY(!w.isVisible());
    }

    void autorun_0_shows_the_settings_dialog_without_blocking()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=analog\nautorun=0\n");
        manual_time_source t;
        clock_rig rig(t);
        QCOMPARE(rig.state().autorun, 0);
        rig.commands()->icon_activated(QSystemTrayIcon::DoubleClick); // returns: not modal
        QVERIFY(rig.settings_dialog()->isVisible());
        QVERIFY(!rig.settings_dialog()->isModal());
        // A second double click keeps it up rather than toggling it.
        rig.commands()->icon_activated(QSystemTrayIcon::DoubleClick);
        QVERIFY(rig.settings_dialog()->isVisible());
        rig.settings_dialog()->hide();
    }

    void autorun_1_brings_up_the_notebook_only()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=analog\nautorun=1\n");
        manual_time_source t;
        clock_rig rig(t);
        orvella &w = rig.clock();
        rig.commands()->icon_activated(QSystemTrayIcon::DoubleClick);
        QVERIFY(rig.notebook_window()->isVisible());
        QVERIFY(!rig.settings_dialog()->isVisible());
        QVERIFY(!w.isVisible());
        // A second double click keeps it up.
        rig.commands()->icon_activated(QSystemTrayIcon::DoubleClick);
        QVERIFY(rig.notebook_window()->isVisible());
        rig.notebook_window()->hide();
    }

    void autorun_2_toggles_the_clock()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=analog\nautorun=2\nposx=30\nposy=30\n");
        manual_time_source t;
        clock_rig rig(t);
        orvella &w = rig.clock();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        rig.commands()->icon_activated(QSystemTrayIcon::DoubleClick);
        QVERIFY(!w.isVisible());
        rig.commands()->icon_activated(QSystemTrayIcon::DoubleClick);
        QVERIFY(w.isVisible());
    }

    void autorun_2_with_start_mode_3_shows_the_clock_for_good()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=analog\nautorun=2\nset_start=3\nposx=30\nposy=30\n");
        manual_time_source t;
        clock_rig rig(t);
        orvella &w = rig.clock();
        w.show();
        QTRY_VERIFY(!w.isVisible()); // hidden at its first paint
        rig.commands()->icon_activated(QSystemTrayIcon::DoubleClick);
        QVERIFY(w.isVisible());
        QCOMPARE(w.start_mode(), 0);
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::qWait(150); // painted again
        QVERIFY(w.isVisible());
        // Only in memory: the file still starts the program tray-only.
        QCOMPARE(stored(home.data_folder() + "/clock.ini", "TYPE/set_start").toInt(), 3);
    }

    void autorun_3_toggles_the_calendar_and_leaves_the_clock_alone()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=analog\nautorun=3\nposx=30\nposy=30\n");
        manual_time_source t;
        clock_rig rig(t);
        orvella &w = rig.clock();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(!rig.calendar_window()->isVisible());
        rig.commands()->icon_activated(QSystemTrayIcon::DoubleClick);
        QVERIFY(w.isVisible());
        QVERIFY(rig.calendar_window()->isVisible());
        rig.commands()->icon_activated(QSystemTrayIcon::DoubleClick);
        QVERIFY(w.isVisible());
        QVERIFY(!rig.calendar_window()->isVisible());
    }

    void autorun_4_with_a_hidden_calendar_shows_rather_than_hides()
    {
        // Only both shown counts as shown: a visible clock with a hidden
        // calendar stays visible, and the calendar comes up.
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=analog\nautorun=4\nposx=30\nposy=30\n");
        manual_time_source t;
        clock_rig rig(t);
        orvella &w = rig.clock();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(!rig.calendar_window()->isVisible());
        rig.commands()->icon_activated(QSystemTrayIcon::DoubleClick);
        QVERIFY(w.isVisible());
        QVERIFY(rig.calendar_window()->isVisible());
        // Both up: the next double click hides both.
        rig.commands()->icon_activated(QSystemTrayIcon::DoubleClick);
        QVERIFY(!w.isVisible());
        QVERIFY(!rig.calendar_window()->isVisible());
    }

    void autorun_4_shows_a_clock_hidden_by_start_mode_2()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=analog\nautorun=4\nset_start=2\nposx=30\nposy=30\n");
        manual_time_source t;
        clock_rig rig(t);
        orvella &w = rig.clock();
        w.show();
        QTRY_VERIFY(!w.isVisible());
        rig.commands()->icon_activated(QSystemTrayIcon::DoubleClick);
        QVERIFY(w.isVisible());
        QCOMPARE(w.start_mode(), 0);
    }

    void autorun_out_of_range_does_nothing()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=analog\nautorun=7\nposx=30\nposy=30\n");
        manual_time_source t;
        clock_rig rig(t);
        orvella &w = rig.clock();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        rig.commands()->icon_activated(QSystemTrayIcon::DoubleClick);
        QVERIFY(w.isVisible());
        QVERIFY(!rig.settings_dialog()->isVisible());
    }
};

QTEST_MAIN(tst_tray_activation)
#include "tst_tray_activation.moc"
