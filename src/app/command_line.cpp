#include "app/command_line.h"

#include "calendar/notes_store.h"
#include "common/time_source.h"
#include "scheduler/event_store.h"
#include "storage/data_folder.h"
#include "storage/ini_format.h"
#include "sync/ics_exchange.h"
#include "sync/local_calendar.h"
#include "sync/sync_state.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>
#include <cstring>

namespace command_line {

namespace {

int usage(QTextStream &err)
{
    err << "usage: orvella [--export-ics FILE | --import-ics FILE]\n";
    return 2;
}

} // namespace

std::optional<int> run(int argc, char *argv[])
{
    const char *task = nullptr;
    const char *file = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--export-ics") == 0 || std::strcmp(argv[i], "--import-ics") == 0) {
            task = argv[i];
            file = i + 1 < argc ? argv[i + 1] : nullptr;
            break;
        }
    }
    if (!task)
        return std::nullopt;

    QCoreApplication app(argc, argv);
    QTextStream out(stdout), err(stderr);
    if (!file)
        return usage(err);
    ini_format::format();
    const bool import = std::strcmp(task, "--import-ics") == 0;
    const QString path = QDir::current().absoluteFilePath(QString::fromLocal8Bit(file));
    if (!QDir().mkpath(data_folder::path())) {
        err << "cannot create the data folder " << data_folder::path() << "\n";
        return 1;
    }

    system_time_source clock;
    const std::unique_ptr<QSettings> alarm_ini = ini_format::open(data_folder::file(QStringLiteral("//alarm.ini")));
    event_store events(*alarm_ini);
    notes_store notes(data_folder::file(QStringLiteral("//my_notes.ini")), clock);
    sync_state state(data_folder::file(QStringLiteral("//sync.ini")));
    local_calendar items(events, notes, state);

    const ics_exchange::report r = import ? ics_exchange::import_from(path, items, clock.now())
                                          : ics_exchange::export_to(path, items);
    (r.ok ? out : err) << r.summary(import) << "\n";
    if (!r.ok)
        return 1;
    events.sync();
    notes.flush();
    state.flush();
    if (alarm_ini->status() != QSettings::NoError) {
        err << "alarm.ini could not be written\n";
        return 1;
    }
    return 0;
}

} // namespace command_line
