#include "radicale_rig.h"

#include "storage/ini_format.h"

#include <QDir>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

namespace {

int free_port()
{
    QTcpServer s;
    s.listen(QHostAddress::LocalHost, 0);
    return s.serverPort();
}

void write_text(const QString &path, const QByteArray &text)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(text);
}

} // namespace

radicale_rig::radicale_rig() = default;

radicale_rig::~radicale_rig()
{
    stop();
}

QUrl radicale_rig::base() const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(m_port));
}

bool radicale_rig::running() const
{
    return m_server.state() == QProcess::Running;
}

bool radicale_rig::start()
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("radicale"));
    if (program.isEmpty()) {
        m_why = QStringLiteral("radicale is not installed (Debian package radicale)");
        return false;
    }
    if (!m_port)
        m_port = free_port();
    const QString d = m_dir.path();
    write_text(d + "/users", (user() + u':' + password() + u'\n').toUtf8());
    write_text(d + "/config", QStringLiteral("[server]\nhosts = 127.0.0.1:%1\n"
                                             "[auth]\ntype = htpasswd\nhtpasswd_filename = %2/users\n"
                                             "htpasswd_encryption = plain\n"
                                             "[storage]\nfilesystem_folder = %2/collections\n"
                                             "[logging]\nlevel = warning\n")
                                  .arg(m_port)
                                  .arg(d)
                                  .toUtf8());
    m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_server.start(program, {QStringLiteral("--config"), d + "/config"});
    if (!m_server.waitForStarted(10000)) {
        m_why = QStringLiteral("radicale did not start: ") + m_server.errorString();
        return false;
    }
    for (int i = 0; i < 200; ++i) {
        QTcpSocket s;
        s.connectToHost(QHostAddress::LocalHost, quint16(m_port));
        if (s.waitForConnected(100))
            return true;
        if (m_server.state() != QProcess::Running)
            break;
        QThread::msleep(50);
    }
    m_why = QStringLiteral("radicale does not answer on port %1").arg(m_port);
    return false;
}

void radicale_rig::stop()
{
    if (m_server.state() == QProcess::NotRunning)
        return;
    m_server.terminate();
    if (!m_server.waitForFinished(5000)) {
        m_server.kill();
        m_server.waitForFinished(2000);
    }
}

QUrl radicale_rig::make_calendar(const QString &name)
{
    const QUrl url = base().resolved(QUrl(QStringLiteral("/%1/%2/").arg(user(), name)));
    QNetworkAccessManager net;
    QNetworkRequest req(url);
    req.setRawHeader("Authorization", "Basic " + (user() + u':' + password()).toUtf8().toBase64());
    req.setHeader(QNetworkRequest::ContentTypeHeader, "application/xml");
    const QByteArray body = R"(<?xml version="1.0" encoding="utf-8"?>
<C:mkcalendar xmlns:D="DAV:" xmlns:C="urn:ietf:params:xml:ns:caldav"><D:set><D:prop>
<D:displayname>Orvella test</D:displayname>
<C:supported-calendar-component-set><C:comp name="VEVENT"/><C:comp name="VJOURNAL"/></C:supported-calendar-component-set>
</D:prop></D:set></C:mkcalendar>)";
    QNetworkReply *r = net.sendCustomRequest(req, "MKCALENDAR", body);
    QEventLoop loop;
    QObject::connect(r, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    r->deleteLater();
    return url;
}

sync_machine::sync_machine(const QString &folder, const QUrl &calendar, const time_source &clock)
    : m_folder((QDir().mkpath(folder), folder)), m_ini(ini_format::open(folder + "/alarm.ini")), m_events(*m_ini),
      m_notes(folder + "/my_notes.ini", clock), m_state(folder + "/sync.ini"), m_local(m_events, m_notes, m_state),
      m_engine(m_local, m_client)
{
    m_client.set_account(calendar, radicale_rig::user(), radicale_rig::password());
    // Generous: a loaded test machine can keep the server busy for seconds.
    m_client.set_timeout(30000);
    m_engine.set_collection(calendar, true);
}

sync_result sync_machine::sync(int timeout_ms)
{
    QSignalSpy done(&m_engine, &sync_engine::finished);
    m_engine.run();
    if (!done.wait(timeout_ms))
        return {};
    return done.first().first().value<sync_result>();
}
