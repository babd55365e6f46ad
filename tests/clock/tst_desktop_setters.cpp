// The settings dialog's desktop setters: what they write, the window flags
// they give, the windows they show again, the restart warning and the
// loading flag, on the program's own clock, calendar and notebook.
#include "clock/clock_window.h"
#include "clock/window_flags.h"
#include "app/clock_link.h"
#include "clock_rig.h"
#include "common/time_source.h"
#include "settings/alarm_setup.h"
#include "settings/clock_host.h"
#include "settings/desktop_controls.h"
#include "common/loading_flag.h"
#include "test_support.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QSettings>
#include <QTest>

#include <array>

namespace {

const QString restart_text = QStringLiteral("Для изменения данной опции необходимо перезапустить программу!");

// The whole program on the data folder the test wrote, seen from the
// settings dialog's desktop controls.
struct desktop_rig
{
    manual_time_source t;
    clock_rig program{t};
    alarm_setup &setup = *program.settings_dialog();
    QWidget &clock = program.clock();
    QWidget &calendar = *program.calendar_window();
    QWidget &notebook = *program.notebook_window();

    bool flag(clock_host::flag_id f) const { return program.hosts()->desktop_flag(f); }
    void show_all()
    {
        for (QWidget *w : {&clock, &calendar, &notebook})
            w->show();
    }
    std::array<int, 3> all_flags() const { return {flags_of(clock), flags_of(calendar), flags_of(notebook)}; }
};

} // namespace

class tst_desktop_setters : public QObject
{
    Q_OBJECT

private slots:
    void combination_table_through_the_boxes_data()
    {
        QTest::addColumn<bool>("top");
        QTest::addColumn<bool>("windowed");
        QTest::addColumn<int>("clock");
        QTest::addColumn<int>("notebook");
        QTest::newRow("neither") << false << false << 0x80b << 0x1;
        QTest::newRow("on top") << true << false << 0x4080b << 0x40001;
        QTest::newRow("windowed") << false << true << 0x10b << 0x1;
        QTest::newRow("windowed on top") << true << true << 0x4010b << 0x40001;
    }
    void combination_table_through_the_boxes()
    {
        QFETCH(bool, top);
        QFETCH(bool, windowed);
        QFETCH(int, clock);
        QFETCH(int, notebook);
        // From the opposite state, so that both boxes change.
        temp_data_home home;
        make_clock_data(home, QString("[TYPE]\ntop=%1\nno_trans=%2\n")
                                  .arg(top ? "false" : "true", windowed ? "false" : "true")
                                  .toLatin1());
        desktop_rig host;
        alarm_setup &setup = host.setup;
        setup.show();
        QCOMPARE(setup.desktop()->on_top->isChecked(), !top);
        host.show_all();
        setup.desktop()->on_top->setChecked(top);
        setup.desktop()->windowed->setChecked(windowed);
        QCOMPARE(flags_of(host.clock), clock);
        QCOMPARE(flags_of(host.notebook), notebook);
        // The calendar follows windowed mode with its own on-top flag.
        QCOMPARE(flags_of(host.calendar), windowed ? 0x10b : 0x80b);
        // A flag change hides a window; each one that was up is up again.
        QVERIFY(host.clock.isVisible());
        QVERIFY(host.notebook.isVisible());
        QVERIFY(host.calendar.isVisible());
        setup.clock_ini().sync();
        const QString ini = home.data_folder() + "/clock.ini";
        QCOMPARE(stored(ini, "TYPE/top").toString(), top ? "true" : "false");
        QCOMPARE(stored(ini, "TYPE/no_trans").toString(), windowed ? "true" : "false");
    }

    void hidden_windows_stay_hidden_after_a_flag_change()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\n");
        desktop_rig host;
        alarm_setup &setup = host.setup;
        host.clock.show();
        setup.top_or_not_top(Qt::Checked);
        setup.no_trans(Qt::Checked);
        QVERIFY(host.clock.isVisible());
        QVERIFY(!host.notebook.isVisible());
        QVERIFY(!host.calendar.isVisible());
    }

    void windowed_leaves_a_clock_hidden_by_the_start_mode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("shown");
        QTest::newRow("clock only") << 0 << true;
        QTest::newRow("clock and calendar") << 1 << true;
        QTest::newRow("calendar only") << 2 << false;
        QTest::newRow("tray only") << 3 << false;
    }
    void windowed_leaves_a_clock_hidden_by_the_start_mode()
    {
        QFETCH(int, mode);
        QFETCH(bool, shown);
        temp_data_home home;
        make_clock_data(home, "[TYPE]\n");
        desktop_rig host;
        alarm_setup &setup = host.setup;
        host.program.clock().set_start_mode(mode);
        host.show_all();
        // As the program shows them: a clock of these modes hides at its first paint.
        host.clock.setVisible(shown);
        setup.no_trans(Qt::Checked);
        QCOMPARE(host.clock.isVisible(), shown);
        QVERIFY(host.calendar.isVisible());
        // Windowed counts for the clock only while the start mode shows it.
        QCOMPARE(flags_of(host.clock), shown ? 0x10b : 0x80b);
    }

    void on_top_while_pinned_unpins_with_one_warning()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=analog\nignore_win_key=true\nposx=30\nposy=30\n");
        manual_time_source t;
        clock_rig rig(t);
        orvella &w = rig.clock();
        QVERIFY(w.desktop_flag(clock_host::flag_id::ignore_win_key));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        alarm_setup &setup = *rig.settings_dialog();
        setup.show();
        QVERIFY(setup.desktop()->pinned->isChecked());
        box_answerer boxes;
        setup.desktop()->on_top->setChecked(true);
        QCOMPARE(boxes.seen().size(), 1);
        QCOMPARE(boxes.seen()[0].title, QStringLiteral("Внимание!"));
        QCOMPARE(boxes.seen()[0].text, restart_text);
        QCOMPARE(boxes.seen()[0].buttons, QStringList{"OK"});
        QVERIFY(!setup.desktop()->pinned->isChecked());
        QVERIFY(!w.desktop_flag(clock_host::flag_id::ignore_win_key));
        QVERIFY(w.desktop_flag(clock_host::flag_id::top));
        QCOMPARE(flags_of(w), 0x4080b);
        QVERIFY(w.isVisible());
        // The pinning key is synchronised at once.
        QCOMPARE(stored(home.data_folder() + "/clock.ini", "TYPE/ignore_win_key").toString(), "false");
        setup.hide();
    }

    void pinning_unticks_both_on_top_boxes_with_one_warning()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\ntop=true\ntop_cal=true\n");
        desktop_rig host;
        alarm_setup &setup = host.setup;
        setup.show();
        QVERIFY(setup.desktop()->on_top->isChecked());
        QVERIFY(setup.desktop()->calendar_on_top->isChecked());
        box_answerer boxes;
        setup.desktop()->pinned->setChecked(true);
        QCOMPARE(boxes.seen().size(), 1);
        QCOMPARE(boxes.seen()[0].text, restart_text);
        QVERIFY(!setup.desktop()->on_top->isChecked());
        QVERIFY(!setup.desktop()->calendar_on_top->isChecked());
        QVERIFY(!host.flag(clock_host::flag_id::top));
        QVERIFY(!host.flag(clock_host::flag_id::top_cal));
        QVERIFY(host.flag(clock_host::flag_id::ignore_win_key));
        const QString ini = home.data_folder() + "/clock.ini";
        QCOMPARE(stored(ini, "TYPE/ignore_win_key").toString(), "true");
        QCOMPARE(stored(ini, "TYPE/top").toString(), "false");
        QCOMPARE(stored(ini, "TYPE/top_cal").toString(), "false");

        // Turning it off again warns again and unticks nothing.
        boxes.clear();
        setup.desktop()->pinned->setChecked(false);
        QCOMPARE(boxes.seen().size(), 1);
        QCOMPARE(stored(ini, "TYPE/ignore_win_key").toString(), "false");
        setup.hide();
    }

    void on_top_unpins_even_before_the_dialog_was_shown()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nignore_win_key=true\n");
        desktop_rig host;
        alarm_setup &setup = host.setup;
        box_answerer boxes;
        setup.top_or_not_top(Qt::Checked);
        QCOMPARE(boxes.seen().size(), 1);
        QVERIFY(!host.flag(clock_host::flag_id::ignore_win_key));
        QVERIFY(host.flag(clock_host::flag_id::top));
        // Turning on-top off touches pinning not at all.
        boxes.clear();
        setup.top_or_not_top(Qt::Unchecked);
        QCOMPARE(boxes.seen().size(), 0);
    }

    void calendar_on_top_sets_the_calendar_flags()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\n");
        desktop_rig host;
        alarm_setup &setup = host.setup;
        host.show_all();
        const int clock_flags = flags_of(host.clock);
        setup.top_or_not_top_cal(Qt::Checked);
        QCOMPARE(flags_of(host.calendar), 0x4080b);
        QVERIFY(host.calendar.isVisible());
        QCOMPARE(flags_of(host.clock), clock_flags); // untouched
        setup.clock_ini().sync();
        QCOMPARE(stored(home.data_folder() + "/clock.ini", "TYPE/top_cal").toString(), "true");
    }

    void setters_do_nothing_while_loading()
    {
        temp_data_home home;
        const QByteArray before = "[TYPE]\ntransp=0.5\n";
        make_clock_data(home, before);
        desktop_rig host;
        alarm_setup &setup = host.setup;
        const auto flags_before = host.all_flags();
        const double opacity_before = host.program.clock().look().opacity;
        box_answerer boxes;
        {
            loading_flag::scope loading;
            setup.ignore_win_key(Qt::Checked);
            setup.fix_on_desktop(Qt::Checked);
            setup.fix_on_mouse(Qt::Checked);
            setup.top_or_not_top(Qt::Checked);
            setup.top_or_not_top_cal(Qt::Checked);
            setup.no_trans(Qt::Checked);
            setup.set_opacity(0.2);
        }
        QVERIFY(!loading_flag::raised());
        setup.clock_ini().sync();
        QCOMPARE(read_file(home.data_folder() + "/clock.ini"), before);
        for (auto f : {clock_host::flag_id::ignore_win_key, clock_host::flag_id::fix_on_desktop,
                       clock_host::flag_id::fix_on_mouse, clock_host::flag_id::top, clock_host::flag_id::top_cal,
                       clock_host::flag_id::no_trans})
            QVERIFY(!host.flag(f));
        QCOMPARE(host.all_flags(), flags_before);
        QCOMPARE(host.program.clock().look().opacity, opacity_before);
        QCOMPARE(boxes.seen().size(), 0);
    }

    void showing_the_dialog_loads_the_boxes_and_writes_nothing()
    {
        temp_data_home home;
        const QByteArray ini = "[TYPE]\nignore_win_key=true\nfix_on_desktop=true\nfix_on_mouse=true\n"
                               "no_trans=true\ntop_cal=false\ntransp=0.3\n";
        make_clock_data(home, ini);
        desktop_rig host;
        alarm_setup &setup = host.setup;
        const auto flags_before = host.all_flags();
        box_answerer boxes;
        setup.show();
        QVERIFY(setup.desktop()->pinned->isChecked());
        QVERIFY(setup.desktop()->fixed->isChecked());
        QVERIFY(setup.desktop()->click_through->isChecked());
        QVERIFY(setup.desktop()->windowed->isChecked());
        QVERIFY(!setup.desktop()->calendar_on_top->isChecked());
        QVERIFY(!setup.desktop()->on_top->isChecked());
        QCOMPARE(setup.desktop()->opacity->value(), 0.3);
        QTest::qWait(50);
        QCOMPARE(boxes.seen().size(), 0);
        QCOMPARE(host.all_flags(), flags_before);
        setup.clock_ini().sync();
        QCOMPARE(read_file(home.data_folder() + "/clock.ini"), ini);
        setup.hide();
    }

    void opacity_is_written_and_repaints_the_clock()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=analog\ntransp=0.9\n");
        manual_time_source t;
        clock_rig rig(t);
        orvella &w = rig.clock();
        alarm_setup &setup = *rig.settings_dialog();
        setup.show();
        QCOMPARE(setup.desktop()->opacity->value(), 0.9);
        QCOMPARE(setup.desktop()->opacity->singleStep(), 0.1);
        QCOMPARE(setup.desktop()->opacity->decimals(), 1);
        setup.desktop()->opacity->setValue(0.3);
        QCOMPARE(w.look().opacity, 0.3);
        setup.clock_ini().sync();
        QCOMPARE(stored(home.data_folder() + "/clock.ini", "TYPE/transp").toDouble(), 0.3);
        setup.hide();
    }

    void fixed_in_place_stops_dragging_at_once()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=analog\nposx=100\nposy=100\n");
        manual_time_source t;
        clock_rig rig(t);
        orvella &w = rig.clock();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        alarm_setup &setup = *rig.settings_dialog();
        setup.fix_on_desktop(Qt::Checked);
        QVERIFY(w.desktop_flag(clock_host::flag_id::fix_on_desktop));
        const QPoint start = w.pos();
        send_mouse(&w, QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
        send_mouse(&w, QEvent::MouseMove, {50, 40}, Qt::NoButton, Qt::LeftButton);
        send_mouse(&w, QEvent::MouseButtonRelease, {50, 40}, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(w.pos(), start);
        setup.fix_on_desktop(Qt::Unchecked);
        send_mouse(&w, QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
        send_mouse(&w, QEvent::MouseMove, {50, 40}, Qt::NoButton, Qt::LeftButton);
        QTRY_COMPARE(w.pos(), start + QPoint(40, 30));
        setup.clock_ini().sync();
        QCOMPARE(stored(home.data_folder() + "/clock.ini", "TYPE/fix_on_desktop").toString(), "false");
    }

    void click_through_mask_is_cleared_by_the_pass_and_when_turned_off()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=analog\nposx=100\nposy=100\n");
        manual_time_source t;
        clock_rig rig(t);
        orvella &w = rig.clock();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        alarm_setup &setup = *rig.settings_dialog();
        setup.fix_on_mouse(Qt::Checked);
        QVERIFY(w.desktop_flag(clock_host::flag_id::fix_on_mouse));
        send_mouse(&w, QEvent::MouseButtonPress, {12, 14}, Qt::LeftButton, Qt::LeftButton);
        QVERIFY(!w.mask().isEmpty());
        QVERIFY(!w.mask().contains(QPoint(12, 14)));
        QVERIFY(w.mask().contains(QPoint(13, 14)));
        rig.commands()->tick(); // the 5-second pass
        QVERIFY(w.mask().isEmpty());

        send_mouse(&w, QEvent::MouseButtonRelease, {20, 20}, Qt::LeftButton, Qt::NoButton);
        QVERIFY(!w.mask().contains(QPoint(20, 20)));
        setup.fix_on_mouse(Qt::Unchecked);
        QVERIFY(w.mask().isEmpty());
        setup.clock_ini().sync();
        QCOMPARE(stored(home.data_folder() + "/clock.ini", "TYPE/fix_on_mouse").toString(), "false");
    }

    void on_top_on_the_real_clock_keeps_it_shown()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=analog\nposx=100\nposy=100\n");
        manual_time_source t;
        clock_rig rig(t);
        orvella &w = rig.clock();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        alarm_setup &setup = *rig.settings_dialog();
        setup.top_or_not_top(Qt::Checked);
        QCOMPARE(flags_of(w), 0x4080b);
        QVERIFY(w.isVisible());
        setup.no_trans(Qt::Checked);
        QCOMPARE(flags_of(w), 0x4010b);
        QVERIFY(w.isVisible());
        setup.top_or_not_top(Qt::Unchecked);
        setup.no_trans(Qt::Unchecked);
        QCOMPARE(flags_of(w), 0x80b);
        QVERIFY(w.isVisible());
    }
};

QTEST_MAIN(tst_desktop_setters)
#include "tst_desktop_setters.moc"
