// The scheduler inside the clock window: the start-up rebase, do_alarma on
// the window's clock, and show_stiker with the note sound from calendar.ini.

#include "clock_rig.h"
#include "counting_player.h"
#include "stiker_support.h"
#include "test_support.h"

#include "clock/clock_window.h"
#include "common/time_source.h"
#include "scheduler/event_actions.h"
#include "scheduler/event_scheduler.h"
#include "scheduler/my_stiker.h"
#include "settings/alarm_setup.h"

#include <QApplication>
#include <QImage>
#include <QStringEncoder>
#include <QTest>
#include <QTextEdit>

namespace {

// A complete data folder, so the clock starts without the restoration box.
void make_data_folder(const temp_data_home &home, const QByteArray &alarm_ini, const QByteArray &calendar_ini)
{
    make_clock_data(home, "[TYPE]\nclock=analog\n");
    write_file(home.data_folder() + "/calendar.ini", calendar_ini);
    write_file(home.data_folder() + "/alarm.ini", alarm_ini);
}

} // namespace

class test_clock_scheduler : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void construction_rebases_interval_events();
    void do_alarma_fires_due_events_on_the_windows_clock();
    void show_stiker_plays_the_note_sound();
    void today_stiker_sits_at_the_lower_right();
};

void test_clock_scheduler::cleanup()
{
    close_open_stikers();
}

void test_clock_scheduler::construction_rebases_interval_events()
{
    temp_data_home home;
    make_data_folder(home,
                     "[1000]\nrepeat=4\nrepeat_min=15\ntime=01:00\ndate=01.01.2020\n"
                     "[1001]\nrepeat=5\nrepeat_min=7\ntime=23:59\n",
                     "");
    manual_time_source clock(QDateTime(QDate(2026, 3, 5), QTime(9, 50, 42)));
    clock_rig rig(clock);
    const QString ini = home.data_folder() + "/alarm.ini";
    QCOMPARE(stored(ini, "1000/time").toString(), QStringLiteral("10:05"));
    QCOMPARE(stored(ini, "1000/date").toString(), QStringLiteral("05.03.2026"));
    QCOMPARE(stored(ini, "1001/time").toString(), QStringLiteral("00:7"));
    QVERIFY(read_file(home.data_folder() + "/alarm.ini").contains("time=10:05"));
}

void test_clock_scheduler::do_alarma_fires_due_events_on_the_windows_clock()
{
    temp_data_home home;
    make_data_folder(home, cp1251("[1000]\ntime=09:50\ndate=05.03.2026\nalarmmessage=Пора\n"), "");
    // The local time, not the clock's displayed (shifted) time, decides.
    write_file(home.data_folder() + "/clock.ini", "[TYPE]\nclock=analog\nhourOffset=3\nminsOffset=20\n");
    manual_time_source clock(QDateTime(QDate(2026, 3, 5), QTime(9, 49, 58)));
    clock_rig rig(clock);
    orvella &w = rig.clock();
    QCOMPARE(w.shifted_now().time(), QTime(13, 9, 58));
    rig.commands()->tick();
    QVERIFY(open_stikers().isEmpty());
    clock.advance_secs(5);
    rig.commands()->tick();
    QCOMPARE(open_stikers().size(), 1);
    QCOMPARE(open_stikers()[0]->text_panel()->toPlainText(), QStringLiteral("Пора"));
    clock.advance_secs(5);
    rig.commands()->tick();
    QCOMPARE(open_stikers().size(), 1);
    QCOMPARE(stored(home.data_folder() + "/alarm.ini", "1000/lastrun").toString(), QStringLiteral("05:03:2026:09:50"));
}

void test_clock_scheduler::show_stiker_plays_the_note_sound()
{
    temp_data_home home;
    make_data_folder(home, "", "[Sound]\nsound=" + home.home().toUtf8() + "/garbage.wav\n");
    write_file(home.home() + "/garbage.wav", "not a sound");
    manual_time_source clock;
    clock_rig rig(clock);
    box_answerer boxes;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot play"));
    rig.commands()->show_note_stiker("Заметка на сегодня");
    QCOMPARE(open_stikers().size(), 1);
    QCOMPARE(open_stikers()[0]->text_panel()->toPlainText(), QStringLiteral("Заметка на сегодня"));
    // The box is shown after the sticker and waits for nobody.
    QTRY_COMPARE(boxes.seen().size(), 1);
    QCOMPARE(boxes.seen()[0].title, QStringLiteral("Ошибка воспроизведения файла !"));
    QVERIFY(!boxes.seen()[0].text.isEmpty());

    // No note sound: only the sticker.
    write_file(home.data_folder() + "/calendar.ini", "[Other]\nx=1\n");
    rig.commands()->show_note_stiker("вторая");
    QCOMPARE(open_stikers().size(), 2);
    QTest::qWait(100);
    QCOMPARE(boxes.seen().size(), 1);
}

void test_clock_scheduler::today_stiker_sits_at_the_lower_right()
{
    temp_data_home home;
    QDir().mkpath(home.data_folder());
    counting_player player;
    manual_time_source clock;
    event_actions actions(&player, clock);
    my_stiker *s = actions.open_today_stiker("Сегодня: купить хлеб");
    const QRect avail = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(s->pos(), QPoint(int(avail.width() - 1.1 * 300), int(avail.height() - 1.1 * 300)));
    QCOMPARE(s->text_panel()->toPlainText(), QStringLiteral("Сегодня: купить хлеб"));
    QVERIFY(s->isVisible());
}

QTEST_MAIN(test_clock_scheduler)
#include "tst_clock_scheduler.moc"
