#include "storage/ini_format.h"
#include "clock/clock_window.h"
#include "clock/window_flags.h"
#include "clock_rig.h"
#include "common/time_source.h"
#include "settings/alarm_setup.h"
#include "test_support.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QTest>

class tst_clock_window : public QObject
{
    Q_OBJECT

private slots:
    void window_flag_table_data()
    {
        QTest::addColumn<bool>("no_trans");
        QTest::addColumn<int>("set_start");
        QTest::addColumn<bool>("top");
        QTest::addColumn<int>("flags");
        QTest::newRow("plain") << false << 0 << false << 0x80b;
        QTest::newRow("on top") << false << 0 << true << 0x4080b;
        QTest::newRow("windowed") << true << 0 << false << 0x10b;
        QTest::newRow("windowed on top") << true << 1 << true << 0x4010b;
        QTest::newRow("windowed, only calendar shown") << true << 2 << false << 0x80b;
        QTest::newRow("windowed, tray only, on top") << true << 3 << true << 0x4080b;
    }
    void window_flag_table()
    {
        QFETCH(bool, no_trans);
        QFETCH(int, set_start);
        QFETCH(bool, top);
        QFETCH(int, flags);
        QCOMPARE(int(window_flags::clock(no_trans, set_start, top)), flags);
        // The calendar follows the same table with its own top flag, whatever the start mode.
        QCOMPARE(int(window_flags::calendar(no_trans, top)),
                 no_trans ? (top ? 0x4010b : 0x10b) : (top ? 0x4080b : 0x80b));
        QCOMPARE(int(window_flags::notebook(top)), top ? 0x40001 : 0x1);

        temp_data_home home;
        make_clock_data(home, QString("[TYPE]\nno_trans=%1\nset_start=%2\ntop=%3\n")
                                  .arg(no_trans ? "true" : "false")
                                  .arg(set_start)
                                  .arg(top ? "true" : "false")
                                  .toLatin1());
        manual_time_source t;
        clock_rig rig(t);
        orvella &w = rig.clock();
        QCOMPARE(flags_of(w), flags);
    }

    void position_off_every_screen_is_rescued_for_every_face_data()
    {
        // The offscreen test platform has one screen at the origin; the
        // analog test face is 120 x 100. A window counts as on screen while
        // a 40 x 40 part of it is on one.
        QTest::addColumn<QString>("face");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("analog at the origin") << "analog" << 0 << 0 << QPoint(0, 0);
        QTest::newRow("analog inside") << "analog" << 30 << 40 << QPoint(30, 40);
        QTest::newRow("analog 60 px past the left edge") << "analog" << -60 << 50 << QPoint(-60, 50);
        QTest::newRow("analog 90 px past the left edge") << "analog" << -90 << 50 << QPoint(1, 1);
        QTest::newRow("analog past the right edge") << "analog" << 5000 << 50 << QPoint(1, 1);
        QTest::newRow("digital x 0") << "digital" << 0 << 50 << QPoint(0, 50);
        QTest::newRow("digital off screen") << "digital" << 5000 << 50 << QPoint(1, 1);
        QTest::newRow("flip off screen") << "flip" << 5000 << 5000 << QPoint(1, 1);
        QTest::newRow("flip above the screen") << "flip" << 100 << -3000 << QPoint(1, 1);
    }
    void position_off_every_screen_is_rescued_for_every_face()
    {
        QFETCH(QString, face);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(QPoint, expected);
        temp_data_home home;
        make_clock_data(home, QString("[TYPE]\nclock=%1\nposx=%2\nposy=%3\n").arg(face).arg(x).arg(y).toUtf8());
        manual_time_source t;
        clock_rig rig(t);
        orvella &w = rig.clock();
        QCOMPARE(w.pos(), expected);
    }

    void start_mode_3_hides_at_first_paint_and_tray_shows_it_again()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=analog\nset_start=3\nposx=10\nposy=10\n");
        manual_time_source t;
        clock_rig rig(t);
        orvella &w = rig.clock();
        w.show();
        QTRY_VERIFY(!w.isVisible());
        QCOMPARE(w.start_mode(), 3);
        w.do_state();
        QVERIFY(w.isVisible());
        QCOMPARE(w.start_mode(), 0);
        QTest::qWait(100); // painted again, stays shown
        QVERIFY(w.isVisible());
        QCOMPARE(stored(home.data_folder() + "/clock.ini", "TYPE/set_start").toInt(), 3);
    }

    void start_mode_2_keeps_the_clock_hidden()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=digital\nset_start=2\n");
        manual_time_source t;
        clock_rig rig(t);
        orvella &w = rig.clock();
        w.show();
        QTRY_VERIFY(!w.isVisible());
        w.do_state(); // hidden with start mode 2: shows
        QVERIFY(w.isVisible());
        w.do_state(); // now an ordinary toggle
        QVERIFY(!w.isVisible());
    }

    void drag_moves_and_release_writes_the_position()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=analog\nposx=100\nposy=100\n");
        manual_time_source t;
        clock_rig rig(t);
        orvella &w = rig.clock();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QPoint start = w.pos();
        send_mouse(&w, QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
        // The move arrives at a global point 40 px right and 25 px down of the press.
        const QPoint global = w.mapToGlobal(QPoint(10, 10)) + QPoint(40, 25);
        QMouseEvent move(QEvent::MouseMove, QPointF(50, 35), QPointF(global), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&w, &move);
        QTRY_COMPARE(w.pos(), start + QPoint(40, 25));
        send_mouse(&w, QEvent::MouseButtonRelease, {10, 10}, Qt::LeftButton, Qt::NoButton);
        rig.settings_dialog()->clock_ini().sync();
        const QString ini = home.data_folder() + "/clock.ini";
        QCOMPARE(stored(ini, "TYPE/posx").toInt(), w.pos().x());
        QCOMPARE(stored(ini, "TYPE/posy").toInt(), w.pos().y());
    }

    void fixed_clock_does_not_drag()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=analog\nposx=100\nposy=100\nfix_on_desktop=true\n");
        manual_time_source t;
        clock_rig rig(t);
        orvella &w = rig.clock();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QPoint start = w.pos();
        send_mouse(&w, QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
        send_mouse(&w, QEvent::MouseMove, {60, 60}, Qt::NoButton, Qt::LeftButton);
        QTest::qWait(50);
        QCOMPARE(w.pos(), start);
    }

    void shifted_time_applies_both_offsets()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=analog\nhourOffset=-1\nminsOffset=30\n");
        manual_time_source t(QDateTime(QDate(2026, 3, 1), QTime(0, 10, 5)));
        clock_rig rig(t);
        orvella &w = rig.clock();
        QCOMPARE(w.shifted_now(), QDateTime(QDate(2026, 2, 28), QTime(23, 40, 5)));
        t.advance_secs(3600);
        QCOMPARE(w.shifted_now(), QDateTime(QDate(2026, 3, 1), QTime(0, 40, 5)));
    }

    void settings_are_read_with_sane_defaults()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=analog\nformat_1=\n");
        manual_time_source t;
        clock_rig rig(t);
        orvella &w = rig.clock();
        QCOMPARE(w.look().opacity, 0.7); // absent transp: a visible clock
        QCOMPARE(w.look().format_1, QString("hh:mm:ss"));
        QCOMPARE(w.look().repaint_interval, 1000.0);
        QCOMPARE(w.look().flip_size, 100);
        QCOMPARE(w.size(), QSize(120, 100)); // the face picture
        QCOMPARE(w.look().gradient_bk.size(), 4);
        QCOMPARE(w.windowTitle(), QString("Orvella"));
    }

    void resize_option_scales_the_skin()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=analog\nresize=-2\n");
        manual_time_source t;
        clock_rig rig(t);
        orvella &w = rig.clock();
        QCOMPARE(w.size(), QSize(60, 50));
    }

    void missing_skin_folder_falls_back_and_is_written_back()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=analog\nmy_skin=/nowhere/at/all\n");
        manual_time_source t;
        clock_rig rig(t);
        orvella &w = rig.clock();
        QCOMPARE(w.look().skin_folder, home.data_folder() + "/Skins/Standart");
        rig.settings_dialog()->clock_ini().sync();
        QCOMPARE(stored(home.data_folder() + "/clock.ini", "TYPE/my_skin").toString(),
                 home.data_folder() + "/Skins/Standart");
    }

    void garbage_clock_ini_starts_with_defaults_and_is_kept()
    {
        temp_data_home home;
        QByteArray junk(4096, '\0');
        for (int i = 0; i < junk.size(); ++i)
            junk[i] = char((i * 37) % 256);
        make_clock_data(home, junk);
        manual_time_source t;
        box_answerer boxes;
        {
            clock_rig rig(t);
            orvella &w = rig.clock();
            QCOMPARE(w.look().clock, QString());
            QCOMPARE(w.look().opacity, 0.7);
            rig.commands()->quit();
        }
        QCOMPARE(read_file(home.data_folder() + "/clock.ini.unreadable"), junk);
    }

    void set_default_moves_home_and_forgets_window_sizes()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=analog\nposx=200\nposy=200\n");
        write_file(home.data_folder() + "/setup.dat", "x");
        write_file(home.data_folder() + "/notebook_size.dat", "x");
        manual_time_source t;
        clock_rig rig(t);
        orvella &w = rig.clock();
        rig.commands()->restore_defaults();
        QCOMPARE(w.pos(), QPoint(1, 1));
        QVERIFY(!QFile::exists(home.data_folder() + "/setup.dat"));
        QVERIFY(!QFile::exists(home.data_folder() + "/notebook_size.dat"));
        QCOMPARE(stored(home.data_folder() + "/clock.ini", "TYPE/posx").toInt(), 1);
    }

    void set_default_warns_for_a_file_it_cannot_delete()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=analog\n");
        write_file(home.data_folder() + "/setup.dat/inner", "x"); // a folder: cannot be removed as a file
        manual_time_source t;
        box_answerer boxes;
        clock_rig rig(t);
        rig.commands()->restore_defaults();
        QCOMPARE(boxes.seen().size(), 1);
        QCOMPARE(boxes.seen()[0].text, QStringLiteral("Невозможно удалить ") + home.data_folder() + "//setup.dat");
    }
};

QTEST_MAIN(tst_clock_window)
#include "tst_clock_window.moc"
