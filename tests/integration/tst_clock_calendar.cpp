// The calendar handed to the clock window: start modes, today's-notes
// sticker, note reminders reaching stickers, the evaluation pass's refresh,
// and the positions written on exit and on reset.

#include "calendar_rig.h"
#include "clock_rig.h"
#include "stiker_support.h"

#include "calendar/calendar_module.h"
#include "calendar/my_calendar.h"
#include "calendar/my_monitor.h"
#include "calendar/qtcalendar.h"
#include "clock/clock_window.h"
#include "scheduler/my_stiker.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QTextEdit>

namespace {

const QDateTime start(QDate(2026, 3, 5), QTime(10, 0));

struct calendar_clock_rig
{
    explicit calendar_clock_rig(const QByteArray &clock_ini, const QByteArray &notes = {}) : clock(start)
    {
        make_clock_data(home, clock_ini);
        if (!notes.isNull())
            write_file(home.data_folder() + "/my_notes.ini", notes);
        program = std::make_unique<clock_rig>(clock);
        window = program->clock_window();
    }
    my_calendar *calendar() const { return program->calendar(); }
    window_commands *commands() const { return program->commands(); }
    temp_data_home home;
    manual_time_source clock;
    std::unique_ptr<clock_rig> program;
    orvella *window = nullptr;
};

} // namespace

class test_clock_calendar : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void start_modes_data();
    void start_modes();
    void toggling_the_calendar_shows_todays_notes();
    void note_reminder_becomes_a_sticker();
    void evaluation_pass_refreshes_while_the_pointer_is_away();
    void exit_and_reset_write_the_calendar_position();
    void clock_flags_reach_the_calendar();
};

void test_clock_calendar::cleanup()
{
    close_open_stikers();
}

void test_clock_calendar::start_modes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("do_today");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<int>("stikers");
    QTest::newRow("0") << 0 << 2 << false << 0;
    QTest::newRow("1 with today") << 1 << 2 << true << 1;
    QTest::newRow("1 without today") << 1 << 0 << true << 0;
    QTest::newRow("2 with today") << 2 << 2 << true << 1;
    QTest::newRow("3") << 3 << 2 << false << 0;
}

void test_clock_calendar::start_modes()
{
    QFETCH(int, mode);
    QFETCH(int, do_today);
    QFETCH(bool, shown);
    QFETCH(int, stikers);
    calendar_clock_rig rig(QString("[TYPE]\nclock=analog\nset_start=%1\ndo_today=%2\n").arg(mode).arg(do_today).toLatin1(),
                  notes_group("05.03.2026", {"1700000000=Купить хлеб", "1700000001=Позвонить"}));
    QCOMPARE(rig.calendar()->isVisible(), shown);
    QCOMPARE(open_stikers().size(), stikers);
    if (stikers)
        QCOMPARE(open_stikers().first()->text_panel()->toPlainText(), QStringLiteral("Купить хлеб\nПозвонить\n"));
}

void test_clock_calendar::toggling_the_calendar_shows_todays_notes()
{
    calendar_clock_rig rig("[TYPE]\nclock=analog\ndo_today=2\n");
    rig.commands()->toggle_calendar();
    QVERIFY(rig.calendar()->isVisible());
    QVERIFY(open_stikers().isEmpty()); // no notes today: no sticker
    rig.commands()->toggle_calendar();
    QVERIFY(!rig.calendar()->isVisible());
    rig.calendar()->store().add_note(start.date(), "сегодня", false, QTime(0, 0));
    rig.commands()->toggle_calendar();
    QCOMPARE(open_stikers().size(), 1);
}

void test_clock_calendar::note_reminder_becomes_a_sticker()
{
    calendar_clock_rig rig("[TYPE]\nclock=analog\n", notes_group("05.03.2026", {"1700000000=Встреча, 2, 10:00"}));
    rig.calendar()->show_notes();
    QCOMPARE(open_stikers().size(), 1);
    QCOMPARE(open_stikers().first()->text_panel()->toPlainText(), QStringLiteral("Встреча"));
}

void test_clock_calendar::evaluation_pass_refreshes_while_the_pointer_is_away()
{
    calendar_clock_rig rig("[TYPE]\nclock=analog\n");
    my_monitor *m = rig.calendar()->overview();
    rig.calendar()->show();
    qtcalendar *grid = rig.calendar()->calendar_widget();
    const int fills = m->fills();
    rig.commands()->tick();
    QCOMPARE(m->fills(), fills); // nothing changed, no refill
    grid->setSelectedDate(QDate(2025, 1, 1));
    rig.calendar()->store().add_note(QDate(2026, 3, 9), "later", false, QTime(0, 0));
    rig.commands()->tick();
    QCOMPARE(m->fills(), fills + 1);
    QCOMPARE(grid->selectedDate(), start.date());
    // With the pointer over the calendar nothing is touched.
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(rig.calendar(), &enter);
    grid->setSelectedDate(QDate(2025, 1, 1));
    rig.commands()->tick();
    QCOMPARE(grid->selectedDate(), QDate(2025, 1, 1));
}

void test_clock_calendar::exit_and_reset_write_the_calendar_position()
{
    calendar_clock_rig rig("[TYPE]\nclock=analog\n");
    const QString ini = rig.home.data_folder() + "/calendar.ini";
    rig.calendar()->move(120, 130);
    rig.commands()->quit();
    QCOMPARE(stored(ini, "POSITION/poscalendarx").toInt(), 120);
    QCOMPARE(stored(ini, "POSITION/poscalendary").toInt(), 130);
    rig.calendar()->overview()->resize(700, 400);
    rig.commands()->restore_defaults();
    QCOMPARE(rig.calendar()->geometry(), QRect(1, 1, 300, 200));
    QCOMPARE(stored(ini, "POSITION/poscalendarx").toInt(), 1);
    QCOMPARE(rig.calendar()->overview()->size(), QSize(498, 165));
}

void test_clock_calendar::clock_flags_reach_the_calendar()
{
    calendar_clock_rig rig("[TYPE]\nclock=analog\nfix_cal_on_mouse=true\nview_resize_control=true\ntop_cal=true\n");
    QVERIFY(rig.calendar()->fixed_position());
    QVERIFY(rig.calendar()->resize_control());
    const Qt::WindowFlags f = rig.calendar()->windowFlags();
    QVERIFY(f.testFlag(Qt::Tool));
    QVERIFY(f.testFlag(Qt::FramelessWindowHint));
    QVERIFY(f.testFlag(Qt::WindowStaysOnTopHint));
}

QTEST_MAIN(test_clock_calendar)
#include "tst_clock_calendar.moc"
