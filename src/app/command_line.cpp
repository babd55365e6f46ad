#include "app/command_line.h"

#include "calendar/notes_store.h"
#include "common/time_source.h"
#include "scheduler/event_store.h"
#include "storage/data_folder.h"
#include "storage/ini_format.h"
#include "sync/ics_exchange.h"
#include "sync/sync_service.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>
#include <QTimer>
#include <cstdio>
#include <cstring>

namespace command_line {

namespace {

int usage(QTextStream &err)
{
    err << "usage: orvella --export-ics FILE\n"
           "       orvella --import-ics FILE\n"
           "       orvella --sync-setup SERVER-URL USER [CALENDAR-URL]   (password on standard input)\n"
           "       orvella --sync-now\n";
    err.flush();
    return 2;
}

// The stores of the data folder, as the program opens them.
struct data
{
    system_time_source clock;
    std::unique_ptr<QSettings> alarm_ini = ini_format::open(data_folder::file(QStringLiteral("//alarm.ini")));
    event_store events{*alarm_ini};
    notes_store notes{data_folder::file(QStringLiteral("//my_notes.ini")), clock};
    sync_service sync{events, notes, data_folder::file(QStringLiteral("//sync.ini")), false};

    bool written(QTextStream &err)
    {
        events.sync();
        notes.flush();
        if (alarm_ini->status() != QSettings::NoError) {
            err << "alarm.ini could not be written\n";
            return false;
        }
        return true;
    }
};

int exchange(data &d, bool import, const QString &path, QTextStream &out, QTextStream &err)
{
    const ics_exchange::report r = import ? ics_exchange::import_from(path, d.sync.local(), d.clock.now())
                                          : ics_exchange::export_to(path, d.sync.local());
    (r.ok ? out : err) << r.summary(import) << "\n";
    if (!r.ok)
        return 1;
    return d.written(err) ? 0 : 1;
}

int setup(QCoreApplication &app, data &d, const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.size() < 2)
        return usage(err);
    QTextStream in(stdin);
    const QString password = in.readLine();
    int status = 1;
    d.sync.discover(args.at(0), args.at(1), password, [&](QString error, QList<dav_calendar> found) {
        if (!error.isEmpty()) {
            err << "no calendar found: " << error << "\n";
            app.exit(1);
            return;
        }
        const dav_calendar *chosen = &found.first();
        for (const dav_calendar &c : found) {
            out << "calendar: " << c.url.toString() << " (" << c.name << ")\n";
            if (args.size() > 2 && c.url == QUrl(args.at(2)))
                chosen = &c;
        }
        if (args.size() > 2 && chosen->url != QUrl(args.at(2))) {
            err << "the account has no calendar " << args.at(2) << "\n";
            app.exit(1);
            return;
        }
        sync_service::account a;
        a.url = args.at(0);
        a.user = args.at(1);
        a.collection = chosen->url.toString();
        a.journals = chosen->journals;
        a.interval = d.sync.current().interval;
        d.sync.configure(a, password, [&, chosen_url = chosen->url](QString kept) {
            out << "syncing with " << chosen_url.toString() << "\n";
            if (!kept.isEmpty()) {
                err << kept << "\n";
                app.exit(1);
                return;
            }
            status = 0;
            app.exit(0);
        });
    });
    const int rc = app.exec();
    out.flush();
    err.flush();
    return rc == 0 ? status : rc;
}

int sync_once(QCoreApplication &app, data &d, QTextStream &out, QTextStream &err)
{
    if (!d.sync.current().configured()) {
        err << "no calendar server is set up (orvella --sync-setup)\n";
        return 1;
    }
    int status = 1;
    QObject::connect(&d.sync, &sync_service::finished, &app, [&](const sync_result &r) {
        (r.ok ? out : err) << (r.ok ? r.summary() : r.error) << " (" << r.ms << " ms)\n";
        status = r.ok && r.failed == 0 ? 0 : 1;
        app.exit(0);
    });
    // The password comes from the secret store first; then the sync starts.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &app, [&] {
        if (d.sync.ready()) {
            poll.stop();
            d.sync.sync_now();
        }
    });
    poll.start(20);
    app.exec();
    out.flush();
    err.flush();
    return status == 0 && d.written(err) ? 0 : 1;
}

} // namespace

std::optional<int> run(int argc, char *argv[])
{
    const char *tasks[] = {"--export-ics", "--import-ics", "--sync-setup", "--sync-now"};
    int task = -1, at = 0;
    for (int i = 1; i < argc && task < 0; ++i)
        for (int t = 0; t < 4; ++t)
            if (std::strcmp(argv[i], tasks[t]) == 0) {
                task = t;
                at = i;
            }
    if (task < 0)
        return std::nullopt;

    QCoreApplication app(argc, argv);
    QTextStream out(stdout), err(stderr);
    QStringList args;
    for (int i = at + 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    if (task < 2 && args.isEmpty())
        return usage(err);
    ini_format::format();
    if (!QDir().mkpath(data_folder::path())) {
        err << "cannot create the data folder " << data_folder::path() << "\n";
        return 1;
    }
    data d;
    switch (task) {
    case 0:
    case 1:
        return exchange(d, task == 1, QDir::current().absoluteFilePath(args.first()), out, err);
    case 2:
        return setup(app, d, args, out, err);
    default:
        return sync_once(app, d, out, err);
    }
}

} // namespace command_line
