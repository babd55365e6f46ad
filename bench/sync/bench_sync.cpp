// Sync of 1000 date notes and 200 events with a Radicale server started on
// 127.0.0.1: the first full sync (pushed from one machine, pulled by a
// second), an incremental one with nothing changed and one with 10 changes.
// Prints wall time, this process's CPU time and the longest the event loop
// went without a turn (what the clock would feel) for each.
//   bench_sync [notes] [events]
#include "radicale_rig.h"
#include "storage/alarm_keys.h"
#include "test_support.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <sys/resource.h>

namespace {

double cpu_seconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// Runs one sync and measures it.
void measure(const char *what, sync_machine &m)
{
    QElapsedTimer gap;
    qint64 longest = 0;
    QTimer beat;
    beat.setInterval(5);
    QObject::connect(&beat, &QTimer::timeout, [&] {
        longest = qMax(longest, gap.restart());
    });
    const double cpu0 = cpu_seconds();
    QElapsedTimer wall;
    wall.start();
    gap.start();
    beat.start();
    const sync_result r = m.sync(600000);
    beat.stop();
    std::printf("%-34s %7.2f s wall  %6.2f s CPU  longest event-loop stall %4lld ms  (%s)\n", what,
                wall.elapsed() / 1000.0, cpu_seconds() - cpu0, longest, qPrintable(r.summary()));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int notes = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int events = argc > 2 ? std::atoi(argv[2]) : 200;
    temp_data_home home;
    radicale_rig server;
    if (!server.start()) {
        std::fprintf(stderr, "%s\n", qPrintable(server.why()));
        return 1;
    }
    const QUrl cal = server.make_calendar(QStringLiteral("bench"));
    manual_time_source clock(QDateTime(QDate(2026, 12, 9), QTime(10, 0)));
    sync_machine a(home.data_folder() + "/a", cal, clock), b(home.data_folder() + "/b", cal, clock);
    {
        notes_store::batch together(a.notes());
        for (int i = 0; i < notes; ++i)
            a.notes().add_note(QDate(2026, 1, 1).addDays(i % 365), QStringLiteral("Заметка номер %1").arg(i),
                               i % 3 == 0, QTime(9 + i % 10, i % 60));
    }
    const int modes[] = {event_keys::once, event_keys::daily, event_keys::monthly, event_keys::yearly,
                         event_keys::minute_cycle};
    for (int i = 0; i < events; ++i) {
        event_record e;
        e.name = QStringLiteral("Событие %1").arg(i);
        e.message = QStringLiteral("Напоминание %1").arg(i);
        e.repeat = modes[i % 5];
        e.date = QDate(2026, 12, 1).addDays(i % 28);
        e.time = QTime(i % 24, i % 60);
        e.repeat_min = 5 + i % 50;
        e.days.fill(true);
        e.months.fill(true);
        e.uid = sync_records::new_uid(QStringLiteral("bench"));
        sync_records::write_event(a.events(), e, clock.now());
    }
    a.events().sync();
    std::printf("%d notes, %d events, Radicale on %s\n", notes, events, qPrintable(server.base().toString()));
    measure("first sync, machine A (push)", a);
    measure("first sync, machine B (pull)", b);
    measure("incremental, nothing changed (B)", b);
    const QDate d(2026, 1, 1);
    for (const QString &key : a.notes().keys(d).mid(0, 10))
        a.notes().replace_note(d, key, QStringLiteral("изменено"), false, QTime());
    measure("incremental, A after 10 edits", a);
    measure("incremental, B takes 10 edits", b);
    return 0;
}
