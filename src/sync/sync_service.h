#pragma once
// sync_service: the calendar-exchange subsystem's entry point. It keeps the
// events and date notes in step with a CalDAV calendar when the user has
// set one up (sync.ini, the password in the desktop's secret store), lets
// a shared event fire on one machine only, and exports and imports
// iCalendar files. With no server set up it only answers file exchange;
// everything stays on this machine.

#include "sync/caldav_client.h"
#include "sync/firing_claim.h"
#include "sync/ics_exchange.h"
#include "sync/local_calendar.h"
#include "sync/sync_engine.h"
#include "sync/sync_state.h"

#include <QObject>
#include <QTimer>
#include <functional>

class event_store;
class notes_store;
class user_prompts;
class QWidget;

class sync_service : public QObject
{
    Q_OBJECT
public:
    struct account
    {
        QString url, user, collection;
        int interval = 15; // minutes, 0: only by hand
        bool journals = true;
        bool configured() const { return !url.isEmpty() && !collection.isEmpty(); }
    };

    // `sync_ini`: sync.ini in the data folder.
    // `automatic`: sync at start-up and on the interval (the running
    // program); off for a single sync from the command line.
    sync_service(event_store &events, notes_store &notes, const QString &sync_ini, bool automatic = true,
                 QObject *parent = nullptr);
    ~sync_service() override;

    firing_gate *gate() { return &m_claim; }
    // The same for a date note's reminder.
    void claim_note(QDate date, const QString &key, const QDateTime &minute, std::function<void(bool)> decide);
    QString machine() { return m_local.machine(); }
    account current() const { return m_account; }
    QString last_result() const;
    bool running() const { return m_engine.running(); }
    // The account is known and its password has been asked for.
    bool ready() const { return m_ready; }

    // Looks for the account's calendars; `done(error, calendars)`.
    void discover(const QString &url, const QString &user, const QString &password,
                  std::function<void(QString, QList<dav_calendar>)> done);
    // Keeps the account (the password in the secret store) and syncs.
    // `done(error)` says whether the password could be kept.
    void configure(const account &a, const QString &password, std::function<void(QString)> done = {});
    // Stops syncing; the data stays as it is.
    void forget();
    void sync_now();

    // File exchange behind the buttons: a file dialog, then a box with the
    // outcome. Both return what was done.
    ics_exchange::report export_with_dialog(QWidget *parent);
    ics_exchange::report import_with_dialog(QWidget *parent);
    // Tests answer the file dialogs and boxes themselves.
    void set_file_chooser(std::function<QString(QWidget *, bool save)> f) { m_choose = std::move(f); }
    void set_reporter(std::function<void(QWidget *, const QString &, bool ok)> f) { m_report = std::move(f); }

    local_calendar &local() { return m_local; }
    caldav_client &client() { return m_client; }

signals:
    void finished(const sync_result &r);
    // The server stopped or started answering (said once per change).
    void reachability_changed(bool reachable, const QString &why);
    // The events or notes changed through an import or a sync.
    void data_changed();

private:
    void load();
    void start(const QString &password);
    void on_finished(const sync_result &r);

    sync_state m_state;
    local_calendar m_local;
    caldav_client m_client;
    sync_engine m_engine;
    firing_claim m_claim;
    QTimer m_timer;
    account m_account;
    QString m_password;
    bool m_reachable = true;
    bool m_automatic = true;
    bool m_ready = false;
    QString m_notes_path, m_events_path;
    std::function<QString(QWidget *, bool)> m_choose;
    std::function<void(QWidget *, const QString &, bool)> m_report;
};
