#include "sync/sync_service.h"

#include "calendar/notes_store.h"
#include "common/log.h"
#include "scheduler/event_store.h"
#include "storage/sync_keys.h"
#include "sync/password_store.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>

namespace {

QString account_key(const sync_service::account &a)
{
    return a.user + u'@' + QUrl(a.url).host();
}

// The first sync after start-up waits until the windows are up.
constexpr int first_sync_delay_ms = 5000;

} // namespace

sync_service::sync_service(event_store &events, notes_store &notes, const QString &sync_ini, bool automatic,
                           QObject *parent)
    : QObject(parent), m_state(sync_ini), m_local(events, notes, m_state), m_client(this), m_engine(m_local, m_client),
      m_claim(m_client, m_local), m_automatic(automatic), m_notes_path(notes.path()),
      m_events_path(events.file_name())
{
    m_engine.set_local_modified([this](sync_item::kind k) {
        return QFileInfo(k == sync_item::kind::event ? m_events_path : m_notes_path).lastModified().toUTC();
    });
    connect(&m_engine, &sync_engine::finished, this, &sync_service::on_finished);
    m_timer.setTimerType(Qt::VeryCoarseTimer);
    connect(&m_timer, &QTimer::timeout, this, &sync_service::sync_now);
    load();
}

sync_service::~sync_service()
{
    m_state.flush();
}

void sync_service::load()
{
    typed_settings t(m_state.settings());
    m_account.url = t.get(sync_keys::server);
    m_account.user = t.get(sync_keys::user);
    m_account.collection = t.get(sync_keys::collection);
    m_account.interval = t.get(sync_keys::interval);
    m_account.journals = t.get(sync_keys::journals);
    if (!m_account.configured())
        return;
    password_store::read(account_key(m_account), this, [this](QString password, QString error) {
        if (!error.isEmpty()) {
            qCWarning(lc_app).noquote() << "calendar sync:" << error;
            m_state.settings().setValue(sync_keys::last_result.path(), QStringLiteral("Нет пароля: ") + error);
        }
        start(password);
    });
}

void sync_service::start(const QString &password)
{
    m_password = password;
    m_client.set_account(QUrl(m_account.url), m_account.user, password);
    m_engine.set_collection(QUrl(m_account.collection), m_account.journals);
    m_claim.set_journals(m_account.journals);
    m_claim.set_enabled(true);
    // The machine name goes to the scheduler before the first firing.
    m_local.machine();
    m_ready = true;
    if (!m_automatic)
        return;
    if (m_account.interval > 0)
        m_timer.start(m_account.interval * 60 * 1000);
    else
        m_timer.stop();
    QTimer::singleShot(first_sync_delay_ms, this, &sync_service::sync_now);
}

void sync_service::claim_note(QDate date, const QString &key, const QDateTime &minute,
                              std::function<void(bool)> decide)
{
    if (!m_claim.enabled()) {
        decide(true);
        return;
    }
    m_claim.claim(m_state.note_uid(date, key), minute, std::move(decide));
}

QString sync_service::last_result() const
{
    return m_state.settings().value(sync_keys::last_result.path()).toString();
}

void sync_service::discover(const QString &url, const QString &user, const QString &password,
                            std::function<void(QString, QList<dav_calendar>)> done)
{
    auto *probe = new caldav_client(this);
    probe->set_account(QUrl::fromUserInput(url), user, password);
    probe->discover([probe, done](dav_status st, QList<dav_calendar> found) {
        probe->deleteLater();
        QString error = st.ok() ? QString() : st.error;
        if (st.ok() && found.isEmpty())
            error = QStringLiteral("на сервере не найдено ни одного календаря");
        done(error, found);
    });
}

void sync_service::configure(const account &a, const QString &password, std::function<void(QString)> done)
{
    const bool other_calendar = a.collection != m_account.collection || a.url != m_account.url;
    m_account = a;
    m_account.url = QUrl::fromUserInput(a.url).toString();
    typed_settings t(m_state.settings());
    t.set(sync_keys::server, m_account.url);
    t.set(sync_keys::user, a.user);
    t.set(sync_keys::collection, a.collection);
    t.set(sync_keys::interval, a.interval);
    t.set(sync_keys::journals, a.journals);
    if (other_calendar) {
        // What we agreed with another calendar says nothing about this one.
        for (const QString &uid : m_state.uids())
            m_state.remove(uid);
        m_state.settings().remove(sync_keys::sync_token.path());
    }
    m_state.flush();
    password_store::write(account_key(m_account), password, this, [this, password, done](QString error) {
        if (!error.isEmpty())
            qCWarning(lc_app).noquote() << "calendar sync:" << error << "- kept for this session only";
        start(password);
        if (done)
            done(error);
    });
}

void sync_service::forget()
{
    m_timer.stop();
    m_claim.set_enabled(false);
    m_account = {};
    typed_settings t(m_state.settings());
    t.set(sync_keys::server, QString());
    t.set(sync_keys::collection, QString());
    m_state.flush();
}

void sync_service::sync_now()
{
    if (!m_account.configured() || m_engine.running())
        return;
    m_engine.run();
}

void sync_service::on_finished(const sync_result &r)
{
    const QString when = QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy HH:mm"));
    const QString line = r.ok ? when + QStringLiteral(": ") + r.summary() : when + QStringLiteral(": ") + r.error;
    m_state.settings().setValue(sync_keys::last_result.path(), line);
    m_state.flush();
    qCInfo(lc_app).noquote() << "calendar sync:" << line << "in" << r.ms << "ms";
    const bool reachable = !r.unreachable;
    if (reachable != m_reachable) {
        m_reachable = reachable;
        emit reachability_changed(reachable, r.error);
    }
    if (r.pulled || r.deleted_here || r.conflicts)
        emit data_changed();
    emit finished(r);
}

ics_exchange::report sync_service::export_with_dialog(QWidget *parent)
{
    const QString home = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path =
        m_choose ? m_choose(parent, true)
                 : QFileDialog::getSaveFileName(parent, QStringLiteral("Экспорт в iCalendar"),
                                                QDir(home).filePath(QStringLiteral("orvella.ics")),
                                                QStringLiteral("iCalendar (*.ics)"));
    if (path.isEmpty())
        return {};
    const ics_exchange::report r = ics_exchange::export_to(path, m_local);
    const QString text = r.summary(false);
    if (m_report)
        m_report(parent, text, r.ok);
    else if (r.ok)
        QMessageBox::information(parent, QStringLiteral("Экспорт в iCalendar"), text);
    else
        QMessageBox::warning(parent, QStringLiteral("Экспорт в iCalendar"), text);
    return r;
}

ics_exchange::report sync_service::import_with_dialog(QWidget *parent)
{
    const QString home = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = m_choose ? m_choose(parent, false)
                                  : QFileDialog::getOpenFileName(parent, QStringLiteral("Импорт из iCalendar"), home,
                                                                 QStringLiteral("iCalendar (*.ics *.ical *.ifb)"));
    if (path.isEmpty())
        return {};
    const ics_exchange::report r = ics_exchange::import_from(path, m_local, QDateTime::currentDateTime());
    const QString text = r.summary(true);
    if (r.added || r.updated)
        emit data_changed();
    if (m_report)
        m_report(parent, text, r.ok);
    else if (r.ok)
        QMessageBox::information(parent, QStringLiteral("Импорт из iCalendar"), text);
    else
        QMessageBox::warning(parent, QStringLiteral("Импорт из iCalendar"), text);
    return r;
}
