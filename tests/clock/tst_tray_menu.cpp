// The tray's actions, menu and icon, the About box, and the right-click
// menu where no tray exists (the offscreen platform has none).
#include "clock/clock_tray.h"
#include "clock/clock_window.h"
#include "clock_rig.h"
#include "common/time_source.h"
#include "settings/alarm_setup.h"
#include "test_support.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>

namespace {

const QStringList creation_texts = {
    "&Показать/скрыть часы", "&Показать/скрыть календарь",   "&Заметки", "&Настройки программы",
    "&О программе",          "&Параметры окон по умолчанию", "&Выход",   "&Поиск"};
const QStringList creation_icons = {":/icons/clock.png", ":/icons/calendar.png", ":/icons/inserttext.png",
                                    ":/icons/setup.png", ":/icons/help_.png",    ":/icons/default.png",
                                    ":/icons/exit.png",  ":/icons/find.png"};

QImage argb(const QImage &i)
{
    return i.convertToFormat(QImage::Format_ARGB32);
}

// What the icon shows at the picture's own size.
QImage shown(const QIcon &icon, const QString &resource)
{
    const QImage file(resource);
    return argb(icon.pixmap(file.size()).toImage());
}

} // namespace

class tst_tray_menu : public QObject
{
    Q_OBJECT

private slots:
    void actions_are_created_in_order_with_their_icons()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=analog\n");
        manual_time_source t;
        clock_rig rig(t);
        orvella &w = rig.clock();
        const QList<QAction *> &a = rig.tray()->actions();
        QCOMPARE(a.size(), 8);
        QSet<qint64> distinct;
        for (int i = 0; i < a.size(); ++i) {
            QCOMPARE(a[i]->text(), creation_texts[i]);
            QCOMPARE(a[i]->parent(), &w);
            const QImage file(creation_icons[i]);
            QVERIFY2(!file.isNull(), qPrintable(creation_icons[i]));
            QCOMPARE(shown(a[i]->icon(), creation_icons[i]), argb(file));
            distinct.insert(file.cacheKey());
        }
        QCOMPARE(distinct.size(), 8);
    }

    void menu_puts_settings_first_and_exit_after_a_separator()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=analog\n");
        manual_time_source t;
        clock_rig rig(t);
        orvella &w = rig.clock();
        const QList<QAction *> m = rig.tray()->menu()->actions();
        QCOMPARE(m.size(), 9);
        const QStringList expected = {"&Настройки программы",
                                      "&Показать/скрыть часы",
                                      "&Показать/скрыть календарь",
                                      "&Заметки",
                                      "&Поиск",
                                      "&Параметры окон по умолчанию",
                                      "&О программе",
                                      QString(),
                                      "&Выход"};
        for (int i = 0; i < m.size(); ++i) {
            QCOMPARE(m[i]->isSeparator(), i == 7);
            QCOMPARE(m[i]->text(), expected[i]);
        }
        // The menu holds the very actions, not copies.
        QVERIFY(rig.tray()->actions().contains(m[0]));
        QCOMPARE(rig.tray()->menu()->parent(), &w);
    }

    void tray_icon_has_the_menu_tool_tip_and_picture()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=analog\n");
        manual_time_source t;
        clock_rig rig(t);
        orvella &w = rig.clock();
        QSystemTrayIcon *icon = rig.tray()->icon();
        QCOMPARE(icon->contextMenu(), rig.tray()->menu());
        QCOMPARE(icon->toolTip(), w.windowTitle());
        QCOMPARE(icon->toolTip(), QStringLiteral("Orvella"));
        QVERIFY(icon->isVisible());
        QCOMPARE(icon->parent(), nullptr);
        const QImage file(":/icons/iconka.png");
        QVERIFY(!file.isNull());
        QCOMPARE(shown(icon->icon(), ":/icons/iconka.png"), argb(file));
    }

    void clock_action_toggles_the_clock()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=analog\nposx=40\nposy=40\n");
        manual_time_source t;
        clock_rig rig(t);
        orvella &w = rig.clock();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        rig.tray()->actions()[0]->trigger();
        QVERIFY(!w.isVisible());
        rig.tray()->actions()[0]->trigger();
        QVERIFY(w.isVisible());
    }

    void calendar_and_notes_actions_reach_their_windows()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=analog\n");
        manual_time_source t;
        clock_rig rig(t);
        rig.tray()->action(clock_tray::command::calendar)->trigger();
        QVERIFY(rig.calendar_window()->isVisible());
        rig.tray()->action(clock_tray::command::calendar)->trigger();
        QVERIFY(!rig.calendar_window()->isVisible());
        rig.tray()->action(clock_tray::command::notes)->trigger();
        QVERIFY(rig.notebook_window()->isVisible());
        rig.notebook_window()->hide();
    }

    void settings_action_opens_the_dialog_modally()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=analog\n");
        manual_time_source t;
        clock_rig rig(t);
        bool was_modal = false;
        QTimer::singleShot(100, this, [&] {
            was_modal = rig.settings_dialog()->isVisible() && rig.settings_dialog()->isModal();
            rig.settings_dialog()->reject();
        });
        rig.tray()->actions()[3]->trigger(); // returns when the dialog closes
        QVERIFY(was_modal);
        QVERIFY(!rig.settings_dialog()->isVisible());
    }

    void about_box_names_version_contact_audio_and_site_in_order()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=analog\n");
        manual_time_source t;
        clock_rig rig(t);
        box_answerer boxes;
        rig.tray()->actions()[4]->trigger();
        QCOMPARE(boxes.seen().size(), 1);
        const auto &b = boxes.seen().first();
        QCOMPARE(b.title, QStringLiteral("О программе"));
        QVERIFY(b.text.contains("Orvella"));
        const int version = b.text.indexOf("1.07");
        const int contact = b.text.indexOf("Пожелания: ");
        const int audio = b.text.indexOf("Использована библиотека поддержки аудио: ");
        const int site = b.text.indexOf("Сайт программы: ");
        QVERIFY(version >= 0);
        QVERIFY(version < contact && contact < audio && audio < site);
        // Our own audio stack, with a link after the label.
        const QString audio_line = b.text.mid(audio, site - audio);
        QVERIFY(audio_line.contains("FFmpeg"));
        QVERIFY(audio_line.contains("PulseAudio"));
        QVERIFY(audio_line.contains("<a href="));
        QVERIFY(b.text.mid(contact, audio - contact).contains("<a href="));
        QVERIFY(b.text.mid(site).contains("<a href="));
    }

    void defaults_action_moves_the_clock_home()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=analog\nposx=200\nposy=150\n");
        manual_time_source t;
        clock_rig rig(t);
        orvella &w = rig.clock();
        QCOMPARE(w.pos(), QPoint(200, 150));
        rig.tray()->actions()[5]->trigger();
        QCOMPARE(w.pos(), QPoint(1, 1));
        QCOMPARE(stored(home.data_folder() + "/clock.ini", "TYPE/posx").toInt(), 1);
    }

    void exit_action_saves_the_position()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=analog\nposx=20\nposy=20\n");
        manual_time_source t;
        clock_rig rig(t);
        orvella &w = rig.clock();
        w.move(77, 66);
        rig.tray()->actions()[6]->trigger();
        const QString ini = home.data_folder() + "/clock.ini";
        QCOMPARE(stored(ini, "TYPE/posx").toInt(), 77);
        QCOMPARE(stored(ini, "TYPE/posy").toInt(), 66);
    }

    void right_click_opens_the_menu_where_there_is_no_tray_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("menu");
        QTest::newRow("right click") << QByteArray() << int(Qt::RightButton) << true;
        QTest::newRow("left click") << QByteArray() << int(Qt::LeftButton) << false;
        QTest::newRow("right click shows the calendar instead")
            << QByteArray("show_calendar=true\n") << int(Qt::RightButton) << false;
        QTest::newRow("click-through: the calendar does not take it")
            << QByteArray("show_calendar=true\nfix_on_mouse=true\n") << int(Qt::RightButton) << true;
    }
    void right_click_opens_the_menu_where_there_is_no_tray()
    {
        QFETCH(QByteArray, ini);
        QFETCH(int, button);
        QFETCH(bool, menu);
        QVERIFY(!QSystemTrayIcon::isSystemTrayAvailable());
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=analog\nposx=50\nposy=50\n" + ini);
        manual_time_source t;
        clock_rig rig(t);
        orvella &w = rig.clock();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const auto b = Qt::MouseButton(button);
        send_mouse(&w, QEvent::MouseButtonPress, {20, 30}, b, b);
        send_mouse(&w, QEvent::MouseButtonRelease, {20, 30}, b, Qt::NoButton);
        QCOMPARE(rig.tray()->menu()->isVisible(), menu);
        if (menu) {
            // Where the click was.
            QVERIFY(rig.tray()->menu()->geometry().contains(w.mapToGlobal(QPoint(20, 30)) + QPoint(1, 1)));
            rig.tray()->menu()->hide();
        }
    }

    void destruction_deletes_menu_icon_and_actions()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=analog\n");
        manual_time_source t;
        auto *rig = new clock_rig(t);
        QPointer<QMenu> menu = rig->tray()->menu();
        QPointer<QSystemTrayIcon> icon = rig->tray()->icon();
        QList<QPointer<QAction>> actions;
        for (QAction *a : rig->tray()->actions())
            actions << a;
        delete rig;
        QVERIFY(!menu);
        QVERIFY(!icon);
        for (const auto &a : actions)
            QVERIFY(!a);
    }
};

QTEST_MAIN(tst_tray_menu)
#include "tst_tray_menu.moc"
