// The settings format on an alarm.ini of many events (1000 by default, as
// the evaluation-pass bench has): our reader and writer alone, the atomic
// replace of the file, one write through the settings library after a
// single changed key, and the same change saved through a settings
// document. Prints medians over the runs (thread CPU time, except where
// the disk is waited for).
//   bench_ini [events] [runs]

#include "storage/ini_document.h"
#include "storage/ini_files.h"
#include "storage/ini_format.h"
#include "storage/ini_reader.h"
#include "storage/ini_writer.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QTime>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

QByteArray make_events(int count)
{
    QByteArray ini;
    for (int i = 0; i < count; ++i) {
        ini += "[" + QByteArray::number(1700000000 + i) + "]\n";
        ini += "name=\xd1\xee\xe1\xfb\xf2\xe8\xe5 " + QByteArray::number(i) + "\n"; // "Событие"
        ini += "time=" + QTime(i % 24, (i * 7) % 59).toString("HH:mm").toLatin1() + "\n";
        ini += "date=" + QDate(2026, 1 + i % 12, 1 + i % 28).toString("dd.MM.yyyy").toLatin1() + "\n";
        ini += "repeat=" + QByteArray::number(i % 6) + "\n";
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

double cpu_ms()
{
    timespec ts;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

// Thread CPU time rather than wall time: on a shared machine the wall
// clock measures the neighbours.
template <class F>
double median_ms(int runs, F f)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        const double start = cpu_ms();
        f(i);
        ms.push_back(cpu_ms() - start);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("orvella.*.info=false"));
    const int events = argc > 1 ? QByteArray(argv[1]).toInt() : 1000;
    const int runs = argc > 2 ? QByteArray(argv[2]).toInt() : 30;
    const QByteArray text = make_events(events);

    QSettings::SettingsMap map;
    const double read_ms = median_ms(runs, [&](int) { map = ini_reader::read(text).map; });
    QByteArray written;
    const double write_ms = median_ms(runs, [&](int) { written = ini_writer::write(map); });

    QTemporaryDir dir;
    const QString path = dir.path() + "/alarm.ini";
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return 1;
        f.write(text);
    }
    // Wall time here: the atomic write waits for the disk.
    std::vector<double> save_wall;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        ini_files::save(path, written);
        save_wall.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(save_wall.begin(), save_wall.end());
    std::printf("atomic save of the written bytes (QSaveFile, synced): median %.2f ms wall\n",
                save_wall[save_wall.size() / 2]);

    auto s = ini_format::open(path);
    const double sync_ms = median_ms(runs, [&](int i) {
        s->setValue(QStringLiteral("1700000000/lastrun"),
                    QStringLiteral("06:03:2026:11:%1").arg(i % 60, 2, 10, QChar('0')));
        s->sync();
    });

    std::printf("alarm.ini of %d events: %lld bytes, %lld keys\n", events, static_cast<long long>(text.size()),
                static_cast<long long>(map.size()));
    std::printf("read (parse, in memory): median %.2f ms\n", read_ms);
    std::printf("write (format, in memory): median %.2f ms\n", write_ms);
    std::printf("one changed key written through the settings library: median %.2f ms "
                "(of which our writer %.2f ms, the library and the file the rest)\n",
                sync_ms, write_ms);
    std::printf("what was written reads back %s\n",
                ini_reader::read(written).map == map ? "the same" : "DIFFERENTLY (a fault)");

    // The same change through a settings document, as the event store makes
    // it: only the changed event's section is formed again.
    ini_document doc(path);
    std::vector<double> render, replace;
    for (int i = 0; i < runs; ++i) {
        doc.set(QStringLiteral("1700000000/lastrun"),
                QStringLiteral("07:03:2026:11:%1").arg(i % 60, 2, 10, QChar('0')));
        doc.save();
        render.push_back(double(doc.last_save().render_ns) / 1e6);
        replace.push_back(double(doc.last_save().write_ns) / 1e6);
    }
    std::sort(render.begin(), render.end());
    std::sort(replace.begin(), replace.end());
    std::printf("one changed key saved through a settings document: forming median %.2f ms, "
                "atomic replace median %.2f ms (wall)\n",
                render[render.size() / 2], replace[replace.size() / 2]);
    return 0;
}
