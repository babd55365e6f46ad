// Fire counts of the evaluation pass over clock changes, in Europe/Berlin:
// the autumn and spring daylight-saving changes, a clock jumped forward by
// 3 hours and by 3 days, and a clock set back by an hour. Ticks every 5 s of
// real (UTC) time like the alarm timer; prints how often each event fired.
//
//   bench_fire_counts

#include "storage/data_folder.h"
#include "storage/ini_format.h"
#include "common/time_source.h"
#include "scheduler/event_evaluator.h"
#include "scheduler/event_runner.h"
#include "scheduler/event_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>
#include <memory>

namespace {

class counting_runner : public event_runner
{
public:
    void run(event_store &store, bool) override { ++fired[store.current()]; }
    QMap<QString, int> fired;
};

struct step
{
    qint64 from; // epoch seconds, both included
    qint64 to;
};

qint64 at(const char *iso_utc)
{
    return QDateTime::fromString(QString::fromLatin1(iso_utc), Qt::ISODate).toSecsSinceEpoch();
}

void scenario(const char *title, const QByteArray &ini, const QList<step> &steps)
{
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    QDir().mkpath(data_folder::path());
    QFile f(data_folder::file(QStringLiteral("//alarm.ini")));
    if (!f.open(QIODevice::WriteOnly))
        return;
    f.write(ini);
    f.close();

    auto settings = ini_format::open(f.fileName());
    event_store store(*settings);
    manual_time_source clock(QDateTime::fromSecsSinceEpoch(steps.first().from));
    counting_runner runner;
    event_evaluator evaluator(store, clock, runner);
    evaluator.rebase_tasks();
    for (const step &s : steps)
        for (qint64 t = s.from; t <= s.to; t += 5) {
            clock.set(QDateTime::fromSecsSinceEpoch(t));
            evaluator.pass();
        }

    std::printf("%s\n", title);
    for (const QString &key : store.events()) {
        store.enter(key);
        const QString name = store.read(event_keys::name, event_store::reader::page);
        store.leave();
        std::printf("  %-40s fired %d\n", qPrintable(name), runner.fired.value(key));
    }
}

QByteArray event(int key, const char *name, const char *rest)
{
    return "[" + QByteArray::number(key) + "]\nname=" + name + "\n" + rest + "\n";
}

const char *all_days = "day_1=true\nday_2=true\nday_3=true\nday_4=true\nday_5=true\nday_6=true\nday_7=true\n";

} // namespace

int main(int argc, char **argv)
{
    qputenv("TZ", "Europe/Berlin");
    tzset();
    QCoreApplication app(argc, argv);

    // 25.10.2026: 03:00 CEST becomes 02:00 CET. 01:55 CEST to 03:05 CET.
    scenario("autumn change, 25.10.2026 01:55 CEST .. 03:05 CET",
             event(1, "once 02:30", "time=02:30\ndate=25.10.2026\nrepeat=0") +
                 event(2, "daily 02:30", QByteArray("time=02:30\nrepeat=1\n") + all_days) +
                 event(3, "yearly 02:30 (from 2020)", "time=02:30\ndate=25.10.2020\nrepeat=3") +
                 event(4, "after interval, 30 min (expect 4)", "repeat=4\nrepeat_min=30") +
                 event(5, "every 30 min at :00/:30 (expect 4)", "time=00:30\nrepeat=5\nrepeat_min=30"),
             {{at("2026-10-24T23:55:00Z"), at("2026-10-25T02:05:00Z")}});

    // 29.03.2026: 02:00 CET becomes 03:00 CEST. 01:55 CET to 03:10 CEST.
    scenario("spring change, 29.03.2026 01:55 CET .. 03:10 CEST",
             event(1, "once 02:30", "time=02:30\ndate=29.03.2026\nrepeat=0") +
                 event(2, "daily 02:30", QByteArray("time=02:30\nrepeat=1\n") + all_days) +
                 event(3, "yearly 02:30 (from 2020)", "time=02:30\ndate=29.03.2020\nrepeat=3") +
                 event(4, "after interval, 10 min (expect 1)", "repeat=4\nrepeat_min=10") +
                 event(5, "every 30 min at :00/:30 (expect 1)", "time=00:30\nrepeat=5\nrepeat_min=30"),
             {{at("2026-03-29T00:55:00Z"), at("2026-03-29T01:10:00Z")}});

    // 05.03.2026 10:00 CET, ticks to 10:10, then the clock reads 13:10.
    const QByteArray jumped = event(1, "once 11:00", "time=11:00\ndate=05.03.2026\nrepeat=0") +
                              event(2, "daily 12:00", QByteArray("time=12:00\nrepeat=1\n") + all_days) +
                              event(3, "after interval, 30 min", "repeat=4\nrepeat_min=30");
    scenario("clock jumped forward 3 h (10:10 -> 13:10)", jumped,
             {{at("2026-03-05T09:00:00Z"), at("2026-03-05T09:10:00Z")},
              {at("2026-03-05T12:10:00Z"), at("2026-03-05T12:20:00Z")}});
    scenario("clock jumped forward 3 days (05.03 10:10 -> 08.03 10:10)", jumped,
             {{at("2026-03-05T09:00:00Z"), at("2026-03-05T09:10:00Z")},
              {at("2026-03-08T09:10:00Z"), at("2026-03-08T09:20:00Z")}});

    // 10:00 to 10:20, set back to 09:20, on to 10:25.
    scenario("clock set back 1 h (10:20 -> 09:20)",
             event(1, "once 10:15", "time=10:15\ndate=05.03.2026\nrepeat=0") +
                 event(2, "daily 10:15", QByteArray("time=10:15\nrepeat=1\n") + all_days) +
                 event(3, "every 15 min", "time=00:15\nrepeat=5\nrepeat_min=15"),
             {{at("2026-03-05T09:00:00Z"), at("2026-03-05T09:20:00Z")},
              {at("2026-03-05T08:20:00Z"), at("2026-03-05T09:25:00Z")}});
    return 0;
}
