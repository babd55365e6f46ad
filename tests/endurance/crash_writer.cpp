// Writes the program's settings files as the running program does, for the
// crash-safety test to kill at random moments: evaluation passes on a fast
// fake clock (interval events write time, date and lastrun and sync) and
// settings changes on clock.ini (position, colours, format, synced as the
// settings dialog does). Each value is reported on stdout only once it has
// been flushed to disk, so whatever the test saw reported must survive.
//   crash_writer <start epoch seconds> <first counter>
#include "app/clock_settings.h"
#include "app/data_folder.h"
#include "app/ini_format.h"
#include "common/time_source.h"
#include "scheduler/event_evaluator.h"
#include "scheduler/event_runner.h"
#include "scheduler/event_store.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

namespace {
class reporting_runner : public event_runner
{
public:
    void run(event_store &store, bool) override
    {
        // Interval events are synced before their actions run.
        if (store.read(event_keys::repeat) >= 4)
            std::printf("alarm %s lastrun=%s\n", qPrintable(store.current()),
                        qPrintable(store.read(event_keys::lastrun)));
    }
};
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    if (argc < 3)
        return 2;
    manual_time_source clock(QDateTime::fromSecsSinceEpoch(QByteArray(argv[1]).toLongLong()));
    qint64 counter = QByteArray(argv[2]).toLongLong();

    auto alarm = ini_format::open(data_folder::file(QStringLiteral("//alarm.ini")));
    auto settings = ini_format::open(data_folder::file(QStringLiteral("//clock.ini")));
    event_store store(*alarm);
    reporting_runner runner;
    event_evaluator evaluator(store, clock, runner);
    evaluator.rebase_tasks();
    clock_settings clock_ini(*settings);
    std::printf("ready\n");

    for (;;) {
        clock.advance_secs(60);
        evaluator.pass();
        ++counter;
        clock_ini.set(clock_keys::posx, int(counter % 2000000000));
        clock_ini.set(clock_keys::format_1, QString(QStringLiteral("hh:mm %1 часов").arg(counter)));
        settings->sync();
        if (settings->status() == QSettings::NoError)
            std::printf("clock posx=%lld\n", counter);
        QCoreApplication::processEvents();
    }
}
