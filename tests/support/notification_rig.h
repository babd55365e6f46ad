#pragma once
// A notification centre of the test's own on a private session bus: it
// records what it is sent (org.freedesktop.Notifications) and presses
// buttons or dismisses notifications as a user would.

#include <QDBusConnection>
#include <QList>
#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QVariantMap>

// A session bus of the test's own; must be started before anything uses
// the session bus.
class private_session_bus
{
public:
    ~private_session_bus();
    bool start();

private:
    QProcess m_daemon;
};

class notification_server : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QStringList caps{QStringLiteral("actions"), QStringLiteral("body")};
    struct sent
    {
        QString summary, body;
        QStringList actions;
        uint id;
        QVariantMap hints;
    };
    QList<sent> notes;
    QList<uint> closed;

    notification_server();
    ~notification_server() override;
    // Takes the service name on its own connection.
    bool start();
    // The user pressed a button.
    void press(uint id, const QString &action);
    // The server took it away: 1 expired, 2 dismissed by the user.
    void take_away(uint id, uint reason);
    // Notifications sent and not closed.
    QList<uint> shown() const;

public slots:
    QStringList GetCapabilities() { return caps; }
    uint Notify(const QString &app, uint replaces, const QString &icon, const QString &summary, const QString &body,
                const QStringList &actions, const QVariantMap &hints, int timeout);
    void CloseNotification(uint id) { closed << id; }

private:
    QDBusConnection m_bus;
    uint m_last_id = 0; // ids stay unique when the lists are cleared
};
