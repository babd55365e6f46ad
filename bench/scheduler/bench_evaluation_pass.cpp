// One evaluation pass over 1000 events of every repeat mode, from a real
// alarm.ini in a temporary data folder. Prints the time per pass.

#include "common/time_source.h"
#include "scheduler/event_evaluator.h"
#include "scheduler/event_runner.h"
#include "scheduler/event_store.h"
#include "storage/alarm_keys.h"
#include "storage/data_folder.h"
#include "storage/ini_format.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <vector>

namespace {

class counting_runner : public event_runner
{
public:
    void run(event_store &, bool) override { ++fired; }
    int fired = 0;
};

QByteArray make_events(int count)
{
    QByteArray ini;
    for (int i = 0; i < count; ++i) {
        const int mode = i % 6;
        ini += "[" + QByteArray::number(1700000000 + i) + "]\n";
        ini += "name=event " + QByteArray::number(i) + "\n";
        ini += "time=" + QTime(i % 24, (i * 7) % 59).toString("HH:mm").toLatin1() + "\n";
        ini += "date=" + QDate(2026, 1 + i % 12, 1 + i % 28).toString("dd.MM.yyyy").toLatin1() + "\n";
        ini += "repeat=" + QByteArray::number(mode) + "\n";
        ini += "alarmmessage=\"Reminder number " + QByteArray::number(i) + ", with some text\"\n";
        ini += "soundfile=/home/user/sounds/bell.wav\nrun_file=\nrun_arg=\nrun_cat=\n";
        for (int d = 1; d <= 7; ++d)
            ini += "day_" + QByteArray::number(d) + "=" + (d % 2 ? "true" : "false") + "\n";
        for (int m = 1; m <= 12; ++m)
            ini += "month_" + QByteArray::number(m) + "=" + (m % 3 ? "true" : "false") + "\n";
        ini += "repeat_min=" + QByteArray::number(1 + i % 58) + "\n";
        ini += "beep_pc=false\ndisable=false\ndo_find=false\nlastrun=01:01:2026:08:00\n\n";
    }
    return ini;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // A line per firing would bury the figures.
    QLoggingCategory::setFilterRules(QStringLiteral("orvella.*.info=false"));
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    QDir().mkpath(data_folder::path());
    const int count = argc > 1 ? QByteArray(argv[1]).toInt() : 1000;
    {
        QFile f(data_folder::path() + "/alarm.ini");
        if (!f.open(QIODevice::WriteOnly))
            return 1;
        f.write(make_events(count));
    }

    QElapsedTimer open_timer;
    open_timer.start();
    auto ini = ini_format::open(data_folder::file("//alarm.ini"));
    event_store store(*ini);
    const int events = int(store.events().size());
    const double open_ms = open_timer.nsecsElapsed() / 1e6;

    // Minute 59, at which none of these events is due: every pass does the
    // full reading and no writing, as on almost every tick.
    manual_time_source clock(QDateTime(QDate(2026, 3, 5), QTime(10, 59, 0)));
    counting_runner runner;
    event_evaluator evaluator(store, clock, runner);

    const int passes = argc > 2 ? QByteArray(argv[2]).toInt() : 200;
    std::vector<double> ms;
    for (int i = 0; i < passes; ++i) {
        clock.set(QDateTime(QDate(2026, 3, 5), QTime(10, 59, i % 60)));
        QElapsedTimer t;
        t.start();
        evaluator.pass();
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    const double mean = std::accumulate(ms.begin(), ms.end(), 0.0) / double(ms.size());
    std::printf("events: %d (file %lld bytes, parsed in %.1f ms)\n", events,
                static_cast<long long>(QFile(data_folder::path() + "/alarm.ini").size()), open_ms);
    std::printf("evaluation pass over %d events, %zu passes: median %.2f ms, mean %.2f ms, min %.2f ms, "
                "max %.2f ms (%d fired)\n",
                events, ms.size(), ms[ms.size() / 2], mean, ms.front(), ms.back(), runner.fired);

    // Ticks at which some events are due: lastrun is written, the interval
    // events move their time on, and the pass writes the file once.
    std::vector<double> firing_ms, after_ms, render_ms, write_ms;
    int firing_events = 0;
    for (int minute = 0; minute < 30; ++minute) {
        const int before = runner.fired;
        clock.set(QDateTime(QDate(2026, 3, 6), QTime(10, minute, 0)));
        QElapsedTimer t;
        t.start();
        evaluator.pass();
        const double pass_ms = t.nsecsElapsed() / 1e6;
        if (runner.fired == before)
            continue;
        firing_ms.push_back(pass_ms);
        render_ms.push_back(double(store.document().last_save().render_ns) / 1e6);
        write_ms.push_back(double(store.document().last_save().write_ns) / 1e6);
        firing_events += runner.fired - before;
        // The tick after it, five seconds later; counted when it is quiet (a
        // one-minute interval event fires at :05, after the re-fire guard).
        clock.set(QDateTime(QDate(2026, 3, 6), QTime(10, minute, 5)));
        const int fired_before = runner.fired;
        t.restart();
        evaluator.pass();
        if (runner.fired == fired_before)
            after_ms.push_back(t.nsecsElapsed() / 1e6);
        else
            firing_events += runner.fired - fired_before;
    }
    for (auto *v : {&firing_ms, &after_ms, &render_ms, &write_ms})
        std::sort(v->begin(), v->end());
    if (!firing_ms.empty()) {
        std::printf("%zu passes in which events fire (%d firings): median %.2f ms, max %.2f ms; "
                    "the quiet pass after each: median %.2f ms, max %.2f ms\n",
                    firing_ms.size(), firing_events, firing_ms[firing_ms.size() / 2], firing_ms.back(),
                    after_ms[after_ms.size() / 2], after_ms.back());
        std::printf("  the write in those passes: forming the file median %.2f ms, max %.2f ms; "
                    "the atomic replace (synced to disk) median %.2f ms, max %.2f ms\n",
                    render_ms[render_ms.size() / 2], render_ms.back(), write_ms[write_ms.size() / 2], write_ms.back());
    }

    std::printf("outside edits merged (none expected): %d\n", store.document().merges());

    // The write alone: one changed key, the whole file written.
    {
        const QString key = store.events().first();
        QElapsedTimer t;
        t.start();
        {
            event_store::scope in(store, key);
            store.write(event_keys::lastrun, QStringLiteral("06:03:2026:11:00"));
        }
        store.sync();
        std::printf("writing the file after one change: %.2f ms (forming %.2f ms, replacing %.2f ms)\n",
                    t.nsecsElapsed() / 1e6, double(store.document().last_save().render_ns) / 1e6,
                    double(store.document().last_save().write_ns) / 1e6);
    }

    // The same reading without the kept group list, for comparison.
    QElapsedTimer list_timer;
    list_timer.start();
    for (int i = 0; i < 20; ++i)
        store.events();
    std::printf("listing the %d event groups afresh: %.2f ms each\n", events, list_timer.nsecsElapsed() / 1e6 / 20);
    return 0;
}
