#pragma once
// radicale_rig: a real CalDAV server (Radicale, from Debian's package) on
// 127.0.0.1 with a private storage folder and one user, started for a test
// and stopped with it; and "machines": a data folder each, with the stores,
// sync state and sync engine the program builds.

#include "calendar/notes_store.h"
#include "common/time_source.h"
#include "scheduler/event_store.h"
#include "sync/caldav_client.h"
#include "sync/local_calendar.h"
#include "sync/sync_engine.h"
#include "sync/sync_state.h"

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <memory>

class radicale_rig
{
public:
    radicale_rig();
    ~radicale_rig();
    // False (with the reason in why()) when the server cannot be started.
    bool start();
    void stop();
    bool running() const;
    QString why() const { return m_why; }
    QUrl base() const;
    // A new calendar collection of the test user; its address.
    QUrl make_calendar(const QString &name);
    static QString user() { return QStringLiteral("test"); }
    static QString password() { return QStringLiteral("секрет-1"); }

private:
    QTemporaryDir m_dir;
    QProcess m_server;
    int m_port = 0;
    QString m_why;
};

// One machine: its own folder of alarm.ini, my_notes.ini and sync.ini.
class sync_machine
{
public:
    sync_machine(const QString &folder, const QUrl &calendar, const time_source &clock);
    QString folder() const { return m_folder; }
    event_store &events() { return m_events; }
    notes_store &notes() { return m_notes; }
    sync_state &state() { return m_state; }
    local_calendar &local() { return m_local; }
    caldav_client &client() { return m_client; }
    sync_engine &engine() { return m_engine; }
    // Runs one sync to its end; the result.
    sync_result sync(int timeout_ms = 60000);

private:
    QString m_folder;
    std::unique_ptr<QSettings> m_ini;
    event_store m_events;
    notes_store m_notes;
    sync_state m_state;
    local_calendar m_local;
    caldav_client m_client;
    sync_engine m_engine;
};
