// The evaluation pass over a real alarm.ini with a fake clock: which events
// fire when, what is written back, and that a nested tick never starts a
// second pass.

#include "scheduler_rig.h"

#include "common/log.h"
#include "storage/ini_format.h"

#include <QBuffer>
#include <QTest>
#include <QThread>

#include <sys/stat.h>

namespace {

const QDate thursday(2026, 3, 5); // a Thursday

// The file's inode: the settings library replaces the file on every write.
quint64 inode(const QString &path)
{
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? quint64(st.st_ino) : 0;
}

QSettings::SettingsMap on_disk(const QString &path)
{
    QBuffer b;
    b.setData(read_file(path));
    b.open(QIODevice::ReadOnly);
    QSettings::SettingsMap map;
    ini_format::read(b, map);
    return map;
}

QByteArray once_at(const QString &key, const QString &time, const QString &date, const QString &extra = {})
{
    QList<QPair<QString, QString>> k{{"name", "once"}, {"time", time}, {"date", date}, {"repeat", "0"}};
    if (!extra.isEmpty())
        k << QPair<QString, QString>{extra.section('=', 0, 0), extra.section('=', 1)};
    return event_group(key, k);
}

} // namespace

class test_event_evaluator : public QObject
{
    Q_OBJECT

private slots:
    void once_fires_once_in_its_minute();
    void once_never_on_another_day();
    void daily_without_day_flags_never_fires();
    void daily_with_only_sunday();
    void monthly_on_the_31st_skips_short_months();
    void yearly_on_29_february_data();
    void yearly_on_29_february();
    void disabled_event_is_never_due_and_keeps_no_lastrun();
    void minute_cycle_every_20_minutes();
    void minute_cycle_of_60_never_fires();
    void minute_cycle_with_invalid_time_fires_at_repeat_min();
    void clock_set_back_less_than_a_minute_does_not_refire();
    void after_interval_counts_from_the_rebase();
    void rebase_writes_minute_cycle_time();
    void old_lastrun_does_not_block();
    void bad_values_never_fire_data();
    void bad_values_never_fire();
    void garbage_file_gives_no_events();
    void unreadable_repeat_reads_as_once();
    void events_due_together_fire_in_store_order();
    void nested_tick_does_not_start_a_second_pass();
    void changes_take_effect_at_the_next_tick();
    void events_added_by_any_writer_are_seen_at_the_next_tick();
    void outside_edits_are_seen_within_a_pass_and_kept();
    void a_pass_writes_once_before_any_action();
    void a_changed_time_is_seen_at_the_next_tick_data();
    void a_changed_time_is_seen_at_the_next_tick();
    void passes_write_only_what_changed();
    void routine_firings_log_only_for_debugging();
    void an_alarm_ini_past_its_limits_is_left_alone();
};

void test_event_evaluator::once_fires_once_in_its_minute()
{
    scheduler_rig rig(once_at("1000", "10:15", "05.03.2026", "alarmmessage=hello"), QDateTime(thursday, QTime(10, 0)));
    rig.tick(QDateTime(thursday, QTime(10, 13)), QDateTime(thursday, QTime(10, 18)));
    QCOMPARE(rig.times("1000"), QStringList{"2026-03-05 10:15:00"});
    QCOMPARE(rig.runner.fired.first().message, QStringLiteral("hello"));
    QCOMPARE(rig.value("1000", "lastrun"), QStringLiteral("05:03:2026:10:15"));
    QVERIFY(!rig.store->inside());
    // The same minute of the next day is not its date.
    rig.tick_minute(thursday.addDays(1), 10, 15);
    QCOMPARE(rig.runner.fired.size(), 1);
}

void test_event_evaluator::once_never_on_another_day()
{
    scheduler_rig rig(once_at("1000", "10:15", "06.03.2026"), QDateTime(thursday, QTime(10, 0)));
    // The rig jumps from one day to the next, which would catch the 6th up.
    rig.evaluator->set_catch_up_hours(0);
    rig.tick_minute(thursday, 10, 15);
    rig.tick_minute(thursday.addDays(2), 10, 15);
    QVERIFY(rig.runner.fired.isEmpty());
    QVERIFY(!rig.has("1000", "lastrun"));
}

void test_event_evaluator::daily_without_day_flags_never_fires()
{
    scheduler_rig rig(event_group("1000", {{"time", "10:15"}, {"repeat", "1"}, {"day_8", "true"}}),
                      QDateTime(thursday, QTime(10, 0)));
    for (int d = 0; d < 7; ++d)
        rig.tick_minute(thursday.addDays(d), 10, 15);
    QVERIFY(rig.runner.fired.isEmpty());
}

void test_event_evaluator::daily_with_only_sunday()
{
    scheduler_rig rig(event_group("1000", {{"time", "10:15"}, {"repeat", "1"}, {"day_7", "true"}, {"day_1", "false"}}),
                      QDateTime(thursday, QTime(10, 0)));
    for (int d = 0; d < 14; ++d)
        rig.tick_minute(thursday.addDays(d), 10, 15);
    QCOMPARE(rig.times("1000"), (QStringList{"2026-03-08 10:15:00", "2026-03-15 10:15:00"}));
}

void test_event_evaluator::monthly_on_the_31st_skips_short_months()
{
    QList<QPair<QString, QString>> keys{{"time", "08:00"}, {"date", "31.01.2026"}, {"repeat", "2"}};
    for (int m = 1; m <= 12; ++m)
        keys << QPair<QString, QString>{QStringLiteral("month_%1").arg(m), "true"};
    scheduler_rig rig(event_group("1000", keys), QDateTime(QDate(2026, 1, 1), QTime(8, 0)));
    for (QDate d(2026, 1, 1); d.year() == 2026; d = d.addDays(1))
        if (d.day() >= 28)
            rig.tick_minute(d, 8, 0);
    QStringList days;
    for (const firing &f : rig.runner.fired)
        days << f.at.date().toString(Qt::ISODate);
    QCOMPARE(days, (QStringList{"2026-01-31", "2026-03-31", "2026-05-31", "2026-07-31", "2026-08-31", "2026-10-31",
                                "2026-12-31"}));
}

void test_event_evaluator::yearly_on_29_february_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QStringList>("fires");
    QTest::newRow("from 2016") << "29.02.2016" << QStringList{"2016-02-29", "2020-02-29", "2024-02-29", "2028-02-29"};
    QTest::newRow("future year") << "29.02.2028" << QStringList{"2028-02-29"};
}

void test_event_evaluator::yearly_on_29_february()
{
    QFETCH(QString, date);
    QFETCH(QStringList, fires);
    scheduler_rig rig(event_group("1000", {{"time", "23:59"}, {"date", date}, {"repeat", "3"}}),
                      QDateTime(QDate(2015, 1, 1), QTime(0, 0)));
    for (int y = 2015; y <= 2029; ++y)
        for (const QDate &d : {QDate(y, 2, 28), QDate(y, 2, 29), QDate(y, 3, 1)})
            if (d.isValid())
                rig.tick_minute(d, 23, 59);
    QStringList days;
    for (const firing &f : rig.runner.fired)
        days << f.at.date().toString(Qt::ISODate);
    QCOMPARE(days, fires);
}

void test_event_evaluator::disabled_event_is_never_due_and_keeps_no_lastrun()
{
    scheduler_rig rig(once_at("1000", "10:15", "05.03.2026", "disable=true"), QDateTime(thursday, QTime(10, 0)));
    rig.tick_minute(thursday, 10, 15);
    QVERIFY(rig.runner.fired.isEmpty());
    QVERIFY(!rig.has("1000", "lastrun"));
}

void test_event_evaluator::minute_cycle_every_20_minutes()
{
    // As the page saves it at 10:07.
    scheduler_rig rig(event_group("1000", {{"time", "00:20"}, {"repeat", "5"}, {"repeat_min", "20"}}),
                      QDateTime(thursday, QTime(10, 7)));
    rig.tick(QDateTime(thursday, QTime(10, 7)), QDateTime(thursday, QTime(11, 25)));
    QCOMPARE(rig.times("1000"),
             (QStringList{"2026-03-05 10:20:00", "2026-03-05 10:40:00", "2026-03-05 11:00:00", "2026-03-05 11:20:00"}));
    QCOMPARE(rig.value("1000", "time"), QStringLiteral("11:40"));
    QCOMPARE(rig.value("1000", "date"), QStringLiteral("05.03.2026"));
    QCOMPARE(rig.value("1000", "lastrun"), QStringLiteral("05:03:2026:11:20"));
}

void test_event_evaluator::minute_cycle_of_60_never_fires()
{
    scheduler_rig rig(event_group("1000", {{"time", "00:60"}, {"repeat", "5"}, {"repeat_min", "60"}}),
                      QDateTime(thursday, QTime(9, 58)));
    rig.tick(QDateTime(thursday, QTime(9, 58)), QDateTime(thursday, QTime(12, 2)));
    QVERIFY(rig.runner.fired.isEmpty());
}

void test_event_evaluator::minute_cycle_with_invalid_time_fires_at_repeat_min()
{
    // A one-digit minute reads back as that number: "00:5" is minute 5.
    scheduler_rig rig(event_group("1000", {{"time", "xx"}, {"repeat", "5"}, {"repeat_min", "5"}}) +
                          event_group("1001", {{"time", "00:5"}, {"repeat", "5"}, {"repeat_min", "5"}}),
                      QDateTime(thursday, QTime(10, 0)));
    rig.tick(QDateTime(thursday, QTime(10, 1)), QDateTime(thursday, QTime(10, 5, 55)));
    QCOMPARE(rig.times("1000"), QStringList{"2026-03-05 10:05:00"});
    QCOMPARE(rig.times("1001"), QStringList{"2026-03-05 10:05:00"});
}

void test_event_evaluator::clock_set_back_less_than_a_minute_does_not_refire()
{
    scheduler_rig rig(once_at("1000", "10:15", "05.03.2026"), QDateTime(thursday, QTime(10, 0)));
    rig.tick(QDateTime(thursday, QTime(10, 15, 20)), QDateTime(thursday, QTime(10, 15, 30)));
    QCOMPARE(rig.runner.fired.size(), 1);
    // The user sets the clock back 40 s and the same minute comes round again.
    rig.tick(QDateTime(thursday, QTime(10, 14, 50)), QDateTime(thursday, QTime(10, 15, 55)));
    QCOMPARE(rig.runner.fired.size(), 1);
}

void test_event_evaluator::after_interval_counts_from_the_rebase()
{
    // Time and date left from an earlier run of the program.
    scheduler_rig rig(
        event_group("1000", {{"time", "07:00"}, {"date", "01.01.2020"}, {"repeat", "4"}, {"repeat_min", "30"}}),
        QDateTime(thursday, QTime(9, 0, 20, 500)));
    rig.evaluator->rebase_tasks();
    QCOMPARE(rig.value("1000", "time"), QStringLiteral("09:30"));
    QCOMPARE(rig.value("1000", "date"), QStringLiteral("05.03.2026"));
    QVERIFY(read_file(rig.home.data_folder() + "/alarm.ini").contains("time=09:30")); // synchronised at once
    rig.tick(QDateTime(thursday, QTime(9, 0, 25)), QDateTime(thursday, QTime(10, 31)));
    QCOMPARE(rig.times("1000"), (QStringList{"2026-03-05 09:30:00", "2026-03-05 10:00:00", "2026-03-05 10:30:00"}));
    QCOMPARE(rig.value("1000", "time"), QStringLiteral("11:00"));

    // A restart at 10:45 re-anchors it: the next firing is 11:15, not 11:00.
    rig.clock.set(QDateTime(thursday, QTime(10, 45, 10)));
    rig.evaluator->rebase_tasks();
    rig.tick(QDateTime(thursday, QTime(10, 45, 10)), QDateTime(thursday, QTime(11, 16)));
    QCOMPARE(rig.times("1000").mid(3), QStringList{"2026-03-05 11:15:00"});
}

void test_event_evaluator::rebase_writes_minute_cycle_time()
{
    scheduler_rig rig(event_group("1000", {{"time", "13:40"}, {"repeat", "5"}, {"repeat_min", "5"}}) +
                          event_group("1001", {{"time", "13:40"}, {"repeat", "0"}, {"repeat_min", "5"}}),
                      QDateTime(thursday, QTime(13, 41)));
    rig.evaluator->rebase_tasks();
    QCOMPARE(rig.value("1000", "time"), QStringLiteral("00:5"));
    QCOMPARE(rig.value("1001", "time"), QStringLiteral("13:40"));
}

void test_event_evaluator::old_lastrun_does_not_block()
{
    scheduler_rig rig(once_at("1000", "10:15", "05.03.2026", "lastrun=00:00:0000:00:00") +
                          once_at("1001", "10:15", "05.03.2026", "lastrun=garbage") +
                          once_at("1002", "10:15", "05.03.2026", "lastrun=05:03:2026:10:13"),
                      QDateTime(thursday, QTime(10, 0)));
    rig.tick_minute(thursday, 10, 15);
    QCOMPARE(rig.runner.fired.size(), 3);
}

void test_event_evaluator::bad_values_never_fire_data()
{
    QTest::addColumn<QByteArray>("group");
    const auto g = [](QList<QPair<QString, QString>> keys) { return event_group("1000", keys); };
    QTest::newRow("repeat 6") << g({{"time", "10:15"}, {"date", "05.03.2026"}, {"repeat", "6"}});
    QTest::newRow("repeat -1") << g({{"time", "10:15"}, {"date", "05.03.2026"}, {"repeat", "-1"}});
    QTest::newRow("time 24:15") << g({{"time", "24:15"}, {"date", "05.03.2026"}});
    QTest::newRow("time garbage") << g({{"time", "ten"}, {"date", "05.03.2026"}});
    QTest::newRow("no time") << g({{"date", "05.03.2026"}});
    QTest::newRow("no date") << g({{"time", "10:15"}});
    QTest::newRow("date 31.02") << g({{"time", "10:15"}, {"date", "31.02.2026"}});
    QTest::newRow("yearly bad date") << g({{"time", "10:15"}, {"date", "5.3.2026"}, {"repeat", "3"}});
    QTest::newRow("interval bad time") << g({{"time", "10:75"}, {"repeat", "4"}, {"repeat_min", "-5"}});
}

void test_event_evaluator::bad_values_never_fire()
{
    QFETCH(QByteArray, group);
    scheduler_rig rig(group, QDateTime(thursday, QTime(10, 0)));
    rig.tick_minute(thursday, 10, 15);
    QVERIFY(rig.runner.fired.isEmpty());
}

void test_event_evaluator::garbage_file_gives_no_events()
{
    QByteArray junk;
    for (int i = 0; i < 4096; ++i)
        junk += char((i * 7919) % 251);
    scheduler_rig rig(junk, QDateTime(thursday, QTime(10, 0)));
    rig.tick_minute(thursday, 10, 15);
    QVERIFY(rig.runner.fired.isEmpty());
    // Nothing fired, so nothing was written over the user's file.
    QCOMPARE(read_file(rig.home.data_folder() + "/alarm.ini"), junk);
}

void test_event_evaluator::unreadable_repeat_reads_as_once()
{
    scheduler_rig rig("[1000]\nrepeat=abc\ntime=10:15\ndate=05.03.2026\n", QDateTime(thursday, QTime(10, 0)));
    rig.tick_minute(thursday, 10, 15);
    QCOMPARE(rig.times("1000"), QStringList{"2026-03-05 10:15:00"});
}

void test_event_evaluator::events_due_together_fire_in_store_order()
{
    scheduler_rig rig(once_at("1700000002", "10:15", "05.03.2026", "alarmmessage=second") +
                          once_at("1700000001", "10:15", "05.03.2026", "alarmmessage=first"),
                      QDateTime(thursday, QTime(10, 0)));
    rig.tick_minute(thursday, 10, 15);
    QCOMPARE(rig.runner.fired.size(), 2);
    QCOMPARE(rig.runner.fired[0].message, QStringLiteral("first"));
    QCOMPARE(rig.runner.fired[1].message, QStringLiteral("second"));
}

void test_event_evaluator::nested_tick_does_not_start_a_second_pass()
{
    scheduler_rig rig(once_at("1000", "10:15", "05.03.2026") + once_at("1001", "10:15", "05.03.2026"),
                      QDateTime(thursday, QTime(10, 15)));
    int nested = 0;
    rig.runner.during_run = [&] {
        // What the alarm timer does inside a sticker's repaint or a modal box.
        ++nested;
        rig.evaluator->pass();
        QVERIFY(rig.evaluator->running());
    };
    rig.evaluator->pass();
    QCOMPARE(nested, 2);
    QCOMPARE(rig.evaluator->skipped(), 2);
    QCOMPARE(rig.runner.fired.size(), 2);
    QVERIFY(!rig.evaluator->running());
    QCOMPARE(rig.value("1000", "lastrun"), QStringLiteral("05:03:2026:10:15"));
    QCOMPARE(rig.value("1001", "lastrun"), QStringLiteral("05:03:2026:10:15"));
    QCOMPARE(rig.store->events(), (QStringList{"1000", "1001"}));
    QVERIFY(!rig.store->inside());
}

void test_event_evaluator::changes_take_effect_at_the_next_tick()
{
    scheduler_rig rig(once_at("1000", "10:15", "05.03.2026"), QDateTime(thursday, QTime(10, 14)));
    rig.tick(QDateTime(thursday, QTime(10, 14)), QDateTime(thursday, QTime(10, 14, 55)));
    rig.store->enter("1000");
    rig.store->write(event_keys::disable, true);
    rig.store->leave();
    rig.tick_minute(thursday, 10, 15);
    QVERIFY(rig.runner.fired.isEmpty());
}

void test_event_evaluator::events_added_by_any_writer_are_seen_at_the_next_tick()
{
    scheduler_rig rig(once_at("1000", "10:15", "05.03.2026"), QDateTime(thursday, QTime(10, 14)));
    rig.tick_minute(thursday, 10, 14);

    // Through the store.
    rig.store->enter("1001");
    rig.store->write(event_keys::time, QStringLiteral("10:15"));
    rig.store->write(event_keys::date, QStringLiteral("05.03.2026"));
    rig.store->leave();
    // Through another settings object on the file, as another program would.
    rig.ini->setValue("1002/time", "10:15");
    rig.ini->setValue("1002/date", "05.03.2026");
    rig.ini->sync();
    rig.tick_minute(thursday, 10, 15);
    QCOMPARE(rig.runner.fired.size(), 3);

    // Another program rewrites the file; the settings object rereads it.
    write_file(rig.home.data_folder() + "/alarm.ini",
               once_at("1000", "10:16", "05.03.2026") + once_at("1003", "10:16", "05.03.2026"));
    rig.ini->sync();
    rig.tick_minute(thursday, 10, 16);
    QCOMPARE(rig.times("1003"), QStringList{"2026-03-05 10:16:00"});
    QCOMPARE(rig.times("1001").size(), 1);
}

void test_event_evaluator::outside_edits_are_seen_within_a_pass_and_kept()
{
    const QByteArray first = once_at("1000", "10:15", "05.03.2026");
    scheduler_rig rig(first, QDateTime(thursday, QTime(10, 14)));
    const QString file = rig.home.data_folder() + "/alarm.ini";
    rig.tick_minute(thursday, 10, 14);

    // A text editor adds an event before the program has written anything.
    QThread::msleep(30);
    write_file(file, first + once_at("1001", "10:15", "05.03.2026"));
    rig.tick_minute(thursday, 10, 15);
    QCOMPARE(rig.times("1001"), QStringList{"2026-03-05 10:15:00"});
    QCOMPARE(rig.times("1000"), QStringList{"2026-03-05 10:15:00"});

    // And another after the program wrote both lastruns; its copy of the
    // file is older than the program's write, so only its own event is new.
    QThread::msleep(30);
    write_file(file, read_file(file) + once_at("1002", "10:17", "05.03.2026"));
    rig.tick_minute(thursday, 10, 17);
    QCOMPARE(rig.times("1002"), QStringList{"2026-03-05 10:17:00"});
    QCOMPARE(rig.value("1000", "lastrun"), QStringLiteral("05:03:2026:10:15"));
    QCOMPARE(rig.value("1001", "lastrun"), QStringLiteral("05:03:2026:10:15"));

    // An edit made just before the program's own write survives it.
    QThread::msleep(30);
    write_file(file, read_file(file) + once_at("1003", "11:00", "05.03.2026"));
    rig.store->enter("1000");
    rig.store->write(event_keys::name, QStringLiteral("renamed"));
    rig.store->leave();
    rig.store->sync();
    const QByteArray disk = read_file(file);
    QVERIFY(disk.contains("[1003]"));
    QVERIFY(disk.contains("name=renamed"));
    QCOMPARE(rig.runner.fired.size(), 3);
}

void test_event_evaluator::a_pass_writes_once_before_any_action()
{
    // Three once events and a minute-cycle event due at 10:15, one not due.
    const QByteArray ini = once_at("1000", "10:15", "05.03.2026") + once_at("1001", "10:15", "05.03.2026") +
                           once_at("1002", "10:15", "05.03.2026") + once_at("1003", "10:16", "05.03.2026") +
                           event_group("1004", {{"repeat", "5"}, {"repeat_min", "15"}, {"time", "00:15"}});
    scheduler_rig rig(ini, QDateTime(thursday, QTime(10, 14, 55)));
    const QString file = rig.home.data_folder() + "/alarm.ini";
    rig.evaluator->pass();
    QList<quint64> seen;
    QStringList on_disk_at_first;
    rig.runner.during_run = [&] {
        seen << inode(file);
        if (on_disk_at_first.isEmpty()) {
            const QSettings::SettingsMap disk = on_disk(file);
            for (const QString key : {"1000", "1001", "1002", "1003", "1004"})
                on_disk_at_first << key + '=' + disk.value(key + "/lastrun").toString();
        }
    };
    const quint64 before = inode(file);
    rig.clock.set(QDateTime(thursday, QTime(10, 15)));
    rig.evaluator->pass();
    QCOMPARE(rig.runner.fired.size(), 4);
    // Every firing of the pass was on disk before the first action ran, and
    // the file was written once: the same file under every action and after.
    QCOMPARE(on_disk_at_first, (QStringList{"1000=05:03:2026:10:15", "1001=05:03:2026:10:15", "1002=05:03:2026:10:15",
                                            "1003=", "1004=05:03:2026:10:15"}));
    QVERIFY(seen.first() != before);
    QCOMPARE(seen, QList<quint64>(4, seen.first()));
    QCOMPARE(inode(file), seen.first());
    QCOMPARE(on_disk(file).value("1004/time").toString(), QStringLiteral("10:30"));
}

void test_event_evaluator::a_changed_time_is_seen_at_the_next_tick_data()
{
    QTest::addColumn<bool>("outside");
    QTest::newRow("through the store") << false;
    QTest::newRow("by another program") << true;
}

void test_event_evaluator::a_changed_time_is_seen_at_the_next_tick()
{
    QFETCH(bool, outside);
    // Quiet ticks may skip events whose time has not come; a change of the
    // time must still count at the next tick.
    scheduler_rig rig(once_at("1000", "11:00", "05.03.2026"), QDateTime(thursday, QTime(10, 14)));
    rig.tick_minute(thursday, 10, 14);
    if (outside) {
        QThread::msleep(30);
        write_file(rig.home.data_folder() + "/alarm.ini", once_at("1000", "10:15", "05.03.2026"));
    } else {
        rig.store->enter("1000");
        rig.store->write(event_keys::time, QStringLiteral("10:15"));
        rig.store->leave();
    }
    rig.tick_minute(thursday, 10, 15);
    QCOMPARE(rig.times("1000"), QStringList{"2026-03-05 10:15:00"});
}

QTEST_MAIN(test_event_evaluator)
// A quiet pass, a rebase with nothing to move and a firing each touch the
// file as much as they change it: not at all, not at all, once.
void test_event_evaluator::passes_write_only_what_changed()
{
    const QByteArray ini = once_at("1000", "10:15", "05.03.2026") +
                           event_group("1001", {{"repeat", "5"}, {"repeat_min", "20"}, {"time", "00:20"}});
    scheduler_rig rig(ini, QDateTime(thursday, QTime(10, 0)));
    const QString file = rig.home.data_folder() + "/alarm.ini";
    QThread::msleep(120);
    const quint64 start = inode(file);
    rig.evaluator->rebase_tasks(); // the minute cycle's time is "00:20" already
    rig.tick(QDateTime(thursday, QTime(10, 0)), QDateTime(thursday, QTime(10, 14, 55)));
    QCOMPARE(inode(file), start);
    QCOMPARE(rig.store->document().merges(), 0);
    rig.tick_minute(thursday, 10, 15);
    QCOMPARE(rig.runner.fired.size(), 1);
    const quint64 fired = inode(file);
    QVERIFY(fired != start);
    rig.tick(QDateTime(thursday, QTime(10, 16)), QDateTime(thursday, QTime(10, 19, 55)));
    QCOMPARE(inode(file), fired);
}

namespace {

// The scheduler's log lines at info level or above while it lives.
struct scheduler_log
{
    scheduler_log() { old = qInstallMessageHandler(&handle); }
    ~scheduler_log() { qInstallMessageHandler(old); }
    static QStringList &lines()
    {
        static QStringList l;
        return l;
    }
    static void handle(QtMsgType type, const QMessageLogContext &c, const QString &text)
    {
        if (QLatin1String(c.category) == QLatin1String("orvella.scheduler") && type != QtDebugMsg)
            lines() << text;
    }
    QtMessageHandler old;
};

} // namespace

// Fifty events a minute are 72 000 firings a day: none of them is worth an
// info line. A firing shows with orvella.scheduler.debug=true.
void test_event_evaluator::routine_firings_log_only_for_debugging()
{
    if (qEnvironmentVariableIsSet("QT_LOGGING_RULES"))
        QSKIP("logging rules set from outside");
    QByteArray ini;
    for (int i = 0; i < 50; ++i)
        ini += event_group(QString::number(1000 + i), {{"repeat", "5"}, {"repeat_min", "1"}, {"time", "00:1"}});
    scheduler_rig rig(ini, QDateTime(thursday, QTime(10, 0)));
    scheduler_log log;
    scheduler_log::lines().clear();
    rig.tick(QDateTime(thursday, QTime(10, 0)), QDateTime(thursday, QTime(10, 3, 55)));
    QVERIFY(rig.runner.fired.size() >= 150);
    QVERIFY2(scheduler_log::lines().isEmpty(), qPrintable(scheduler_log::lines().join('\n')));
    QVERIFY(!lc_scheduler().isDebugEnabled());
    QVERIFY(lc_scheduler().isWarningEnabled());
}

// Far past anything a person keeps: not read, not written, said once; the
// passes go on with nothing to fire.
void test_event_evaluator::an_alarm_ini_past_its_limits_is_left_alone()
{
    QCoreApplication::processEvents();
    QByteArray ini;
    for (int i = 0; i < 5100; ++i)
        ini += once_at(QString::number(1700000000 + i), "10:15", "05.03.2026");
    scheduler_rig rig(ini, QDateTime(thursday, QTime(10, 14)));
    const QString file = rig.home.data_folder() + "/alarm.ini";
    QVERIFY(rig.store->document().refused());
    rig.evaluator->rebase_tasks();
    rig.tick(QDateTime(thursday, QTime(10, 14)), QDateTime(thursday, QTime(10, 16)));
    QVERIFY(rig.runner.fired.isEmpty());
    QVERIFY(read_file(file) == ini);
}

#include "tst_event_evaluator.moc"
