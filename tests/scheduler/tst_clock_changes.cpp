// The evaluation pass across clock changes in Europe/Berlin: the two
// daylight-saving changes, the machine asleep or the clock set forward
// (missed events caught up once, within the limit), the clock set back
// (nothing twice), and lastrun written by a program that knows no UTC.

#include "scheduler_rig.h"

#include <QTest>

#include <ctime>

namespace {

// Before QCoreApplication and before any local time is computed.
const bool berlin = [] {
    qputenv("TZ", "Europe/Berlin");
    tzset();
    return true;
}();

QDateTime utc(const char *iso)
{
    return QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODate);
}

const QString all_days = "day_1=true\nday_2=true\nday_3=true\nday_4=true\nday_5=true\nday_6=true\nday_7=true";

QByteArray group(const QString &keys)
{
    QList<QPair<QString, QString>> k;
    for (const QString &line : keys.split('\n', Qt::SkipEmptyParts))
        k << QPair<QString, QString>{line.section('=', 0, 0), line.section('=', 1)};
    return event_group("1000", k);
}

} // namespace

class test_clock_changes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(berlin); }
    void daylight_saving_changes_data();
    void daylight_saving_changes();
    void jumps_data();
    void jumps();
    void lastrun_without_utc_still_guards_data();
    void lastrun_without_utc_still_guards();
};

void test_clock_changes::daylight_saving_changes_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QDateTime>("from");
    QTest::addColumn<QDateTime>("to");
    QTest::addColumn<QStringList>("fires");

    // 25.10.2026: 03:00 CEST becomes 02:00 CET; 01:55 CEST .. 03:05 CET.
    const QDateTime af = utc("2026-10-24T23:55:00Z"), at = utc("2026-10-25T02:05:00Z");
    const QStringList first_0230{"2026-10-25T00:30:00Z"};
    QTest::newRow("autumn once") << "time=02:30\ndate=25.10.2026\nrepeat=0" << af << at << first_0230;
    QTest::newRow("autumn daily") << "time=02:30\nrepeat=1\n" + all_days << af << at << first_0230;
    QTest::newRow("autumn yearly") << "time=02:30\ndate=25.10.2020\nrepeat=3" << af << at << first_0230;
    QTest::newRow("autumn once in the hour after")
        << "time=02:10\ndate=25.10.2026\nrepeat=0\nalarmmessage=x" << af << at << QStringList{"2026-10-25T00:10:00Z"};
    QTest::newRow("autumn after interval 30")
        << "repeat=4\nrepeat_min=30" << af << at
        << QStringList{"2026-10-25T00:25:00Z", "2026-10-25T00:55:00Z", "2026-10-25T01:25:00Z", "2026-10-25T01:55:00Z"};
    QTest::newRow("autumn after interval 60")
        << "repeat=4\nrepeat_min=60" << af << at << QStringList{"2026-10-25T00:55:00Z", "2026-10-25T01:55:00Z"};
    QTest::newRow("autumn every 30 min") << "time=00:30\nrepeat=5\nrepeat_min=30" << af << at
                                         << QStringList{"2026-10-25T00:30:00Z", "2026-10-25T01:00:00Z",
                                                        "2026-10-25T01:30:00Z", "2026-10-25T02:00:00Z"};

    // 29.03.2026: 02:00 CET becomes 03:00 CEST; 01:55 CET .. 03:10 CEST.
    const QDateTime sf = utc("2026-03-29T00:55:00Z"), st = utc("2026-03-29T01:10:00Z");
    const QStringList after_gap{"2026-03-29T01:00:00Z"};
    QTest::newRow("spring once in the gap") << "time=02:30\ndate=29.03.2026\nrepeat=0" << sf << st << after_gap;
    QTest::newRow("spring daily in the gap") << "time=02:30\nrepeat=1\n" + all_days << sf << st << after_gap;
    QTest::newRow("spring yearly in the gap") << "time=02:30\ndate=29.03.2016\nrepeat=3" << sf << st << after_gap;
    QTest::newRow("spring once after the gap")
        << "time=03:05\ndate=29.03.2026\nrepeat=0" << sf << st << QStringList{"2026-03-29T01:05:00Z"};
    QTest::newRow("spring once on the day before")
        << "time=02:30\ndate=28.03.2026\nrepeat=0" << sf << st << QStringList{};
    QTest::newRow("spring after interval 10")
        << "repeat=4\nrepeat_min=10" << sf << st << QStringList{"2026-03-29T01:05:00Z"};
    QTest::newRow("spring every 30 min") << "time=00:30\nrepeat=5\nrepeat_min=30" << sf << st << after_gap;
}

void test_clock_changes::daylight_saving_changes()
{
    QFETCH(QString, keys);
    QFETCH(QDateTime, from);
    QFETCH(QDateTime, to);
    QFETCH(QStringList, fires);
    scheduler_rig rig(group(keys), from.toLocalTime());
    rig.evaluator->rebase_tasks();
    rig.tick_utc(from, to);
    QCOMPARE(rig.utc_times("1000"), fires);
    if (!fires.isEmpty()) {
        // lastrun keeps its form; the UTC key beside it names the same minute.
        const QDateTime last = QDateTime::fromString(fires.last(), Qt::ISODate).toLocalTime();
        QCOMPARE(rig.value("1000", "lastrun"), last.toString("dd:MM:yyyy:HH:mm"));
        QCOMPARE(rig.value("1000", "lastrun_utc"), QString::number(last.toSecsSinceEpoch()));
    }
}

void test_clock_changes::jumps_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("limit");
    QTest::addColumn<qint64>("jump_secs");
    QTest::addColumn<QStringList>("fires");
    QTest::addColumn<QString>("time_after");

    // 05.03.2026 10:00 CET: ticks to 10:10, the clock jumps, ten more minutes.
    const QString once = "time=11:00\ndate=05.03.2026\nrepeat=0\nalarmmessage=x";
    const QString daily = "time=12:00\nrepeat=1\n" + all_days;
    const QString interval = "repeat=4\nrepeat_min=30";
    const qint64 h3 = 3 * 3600, d3 = 3 * 86400;
    QTest::newRow("3 h, once") << once << 24 << h3 << QStringList{"2026-03-05T12:10:00Z+"} << "11:00";
    QTest::newRow("3 h, daily") << daily << 24 << h3 << QStringList{"2026-03-05T12:10:00Z+"} << "12:00";
    QTest::newRow("3 h, interval re-anchored")
        << interval << 24 << h3 << QStringList{"2026-03-05T12:10:00Z+"} << "13:40";
    QTest::newRow("3 h, limit 2 h") << once << 2 << h3 << QStringList{} << "11:00";
    QTest::newRow("3 h, limit 0") << daily << 0 << h3 << QStringList{} << "12:00";
    QTest::newRow("3 days, once too old") << once << 24 << d3 << QStringList{} << "11:00";
    QTest::newRow("3 days, daily once") << daily << 24 << d3 << QStringList{"2026-03-08T09:10:00Z+"} << "12:00";
    QTest::newRow("3 days, interval too old, re-anchored") << interval << 24 << d3 << QStringList{} << "10:40";
    QTest::newRow("3 days, limit 72 h") << once << 72 << d3 << QStringList{"2026-03-08T09:10:00Z+"} << "11:00";

    // Set back an hour at 10:20: what fired is not fired again.
    const qint64 back = -3600;
    QTest::newRow("back, once") << "time=10:15\ndate=05.03.2026\nrepeat=0" << 24 << back
                                << QStringList{"2026-03-05T09:15:00Z"} << "10:15";
    QTest::newRow("back, daily") << "time=10:15\nrepeat=1\n" + all_days << 24 << back
                                 << QStringList{"2026-03-05T09:15:00Z"} << "10:15";
    QTest::newRow("back, every 15 min") << "time=00:15\nrepeat=5\nrepeat_min=15" << 24 << back
                                        << QStringList{"2026-03-05T09:15:00Z", "2026-03-05T09:30:00Z"} << "10:45";
    QTest::newRow("back, interval 10") << "repeat=4\nrepeat_min=10" << 24 << back
                                       << QStringList{"2026-03-05T09:10:00Z", "2026-03-05T09:20:00Z",
                                                      "2026-03-05T09:30:00Z"}
                                       << "10:40";
}

void test_clock_changes::jumps()
{
    QFETCH(QString, keys);
    QFETCH(int, limit);
    QFETCH(qint64, jump_secs);
    QFETCH(QStringList, fires);
    QFETCH(QString, time_after);

    const QDateTime start = utc("2026-03-05T09:00:00Z");
    const QDateTime stop = start.addSecs(jump_secs < 0 ? 1200 : 600);
    const QDateTime resume = stop.addSecs(jump_secs);
    const QDateTime end = jump_secs < 0 ? utc("2026-03-05T09:35:00Z") : resume.addSecs(600);
    scheduler_rig rig(group(keys), start.toLocalTime());
    rig.evaluator->set_catch_up_hours(limit);
    rig.evaluator->rebase_tasks();
    rig.tick_utc(start, stop);
    rig.tick_utc(resume, end);
    QCOMPARE(rig.utc_times("1000"), fires);
    QCOMPARE(rig.value("1000", "time"), time_after);
    if (!fires.isEmpty() && fires.last().endsWith('+'))
        QCOMPARE(rig.runner.fired.last().message, keys.contains("alarmmessage=x") ? QStringLiteral("x") : QString());
}

void test_clock_changes::lastrun_without_utc_still_guards_data()
{
    QTest::addColumn<QString>("lastrun_utc");
    QTest::newRow("absent") << QString();
    QTest::newRow("stale, from before another program's write") << "1700000000";
    QTest::newRow("garbage") << "soon";
}

void test_clock_changes::lastrun_without_utc_still_guards()
{
    QFETCH(QString, lastrun_utc);
    // Fired at 10:15 by a program that writes lastrun only.
    QString keys = "time=10:15\nrepeat=1\n" + all_days + "\nlastrun=05:03:2026:10:15";
    if (!lastrun_utc.isEmpty())
        keys += "\nlastrun_utc=" + lastrun_utc;
    scheduler_rig rig(group(keys), utc("2026-03-05T09:15:00Z").toLocalTime());
    rig.tick_utc(utc("2026-03-05T09:15:10Z"), utc("2026-03-05T09:17:00Z"));
    QVERIFY(rig.runner.fired.isEmpty());
    rig.tick_utc(utc("2026-03-06T09:15:00Z"), utc("2026-03-06T09:16:00Z"));
    QCOMPARE(rig.utc_times("1000"), QStringList{"2026-03-06T09:15:00Z"});
}

QTEST_GUILESS_MAIN(test_clock_changes)
#include "tst_clock_changes.moc"
