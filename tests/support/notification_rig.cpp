#include "notification_rig.h"

#include <QDBusMessage>

namespace {
const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");
} // namespace

private_session_bus::~private_session_bus()
{
    if (m_daemon.state() != QProcess::NotRunning) {
        m_daemon.kill();
        m_daemon.waitForFinished();
    }
}

bool private_session_bus::start()
{
    m_daemon.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
    if (!m_daemon.waitForStarted(5000) || !m_daemon.waitForReadyRead(5000))
        return false;
    qputenv("DBUS_SESSION_BUS_ADDRESS", m_daemon.readLine().trimmed());
    return true;
}

notification_server::notification_server()
    : m_bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("notification_server")))
{}

notification_server::~notification_server()
{
    m_bus.unregisterService(service);
    m_bus.unregisterObject(path);
    QDBusConnection::disconnectFromBus(QStringLiteral("notification_server"));
}

bool notification_server::start()
{
    return m_bus.isConnected() && m_bus.registerObject(path, this, QDBusConnection::ExportAllSlots) &&
           m_bus.registerService(service);
}

uint notification_server::Notify(const QString &, uint, const QString &, const QString &summary, const QString &body,
                                 const QStringList &actions, const QVariantMap &hints, int)
{
    notes.append({summary, body, actions, ++m_last_id, hints});
    return m_last_id;
}

void notification_server::press(uint id, const QString &action)
{
    QDBusMessage m = QDBusMessage::createSignal(path, service, QStringLiteral("ActionInvoked"));
    m << id << action;
    m_bus.send(m);
}

void notification_server::take_away(uint id, uint reason)
{
    QDBusMessage m = QDBusMessage::createSignal(path, service, QStringLiteral("NotificationClosed"));
    m << id << reason;
    m_bus.send(m);
}

QList<uint> notification_server::shown() const
{
    QList<uint> r;
    for (const sent &s : notes)
        if (!closed.contains(s.id))
            r << s.id;
    return r;
}
