// Desktop notifications over a private session bus: a notification server
// of the test's own (org.freedesktop.Notifications) records what it was
// sent and presses buttons, so every message of the protocol is checked;
// the end-to-end script checks the same against dunst.
#include "platform/desktop_notifier.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QtTest>

namespace {

// The notification server's side of the protocol.
class fake_server : public QObject
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
    };
    QList<sent> notes;
    QList<uint> closed;

public slots:
    QStringList GetCapabilities() { return caps; }
    uint Notify(const QString &, uint, const QString &, const QString &summary, const QString &body,
                const QStringList &actions, const QVariantMap &, int)
    {
        notes.append({summary, body, actions, uint(notes.size() + 1)});
        return uint(notes.size());
    }
    void CloseNotification(uint id) { closed << id; }

public:
    void press(QDBusConnection &bus, uint id, const QString &action)
    {
        QDBusMessage m = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/Notifications"),
                                                    QStringLiteral("org.freedesktop.Notifications"),
                                                    QStringLiteral("ActionInvoked"));
        m << id << action;
        bus.send(m);
    }
};

QProcess *bus_daemon = nullptr;

} // namespace

class tst_desktop_notifier : public QObject
{
    Q_OBJECT
private slots:
    void a_reminder_goes_to_the_server_with_its_buttons_and_they_act();
    void without_a_server_nothing_happens();
};

void tst_desktop_notifier::a_reminder_goes_to_the_server_with_its_buttons_and_they_act()
{
    QDBusConnection server = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("server"));
    QVERIFY(server.isConnected());
    fake_server fake;
    QVERIFY(server.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &fake,
                                  QDBusConnection::ExportAllSlots));
    QVERIFY(server.registerService(QStringLiteral("org.freedesktop.Notifications")));

    desktop_notifier n;
    QTRY_VERIFY(!n.capabilities().isEmpty());
    QSignalSpy snooze(&n, &desktop_notifier::snooze_requested), close(&n, &desktop_notifier::close_requested),
        gone(&n, &desktop_notifier::closed);
    n.notify(QStringLiteral("s1"), QStringLiteral("Вам напоминание..."), QStringLiteral("Пора обедать"), true);
    n.notify(QStringLiteral("s2"), QStringLiteral("Вам напоминание..."), QStringLiteral("Без кнопок"), false);
    QTRY_COMPARE(fake.notes.size(), 2);
    QCOMPARE(fake.notes.at(0).body, QStringLiteral("Пора обедать"));
    QCOMPARE(fake.notes.at(0).actions, QStringList({QStringLiteral("snooze"), QStringLiteral("Отложить на 10 минут"),
                                                    QStringLiteral("close"), QStringLiteral("Закрыть")}));
    QVERIFY(fake.notes.at(1).actions.isEmpty());

    QTest::qWait(100); // the ids have come back
    fake.press(server, 1, QStringLiteral("snooze"));
    QTRY_COMPARE(snooze.size(), 1);
    QCOMPARE(snooze.first().first().toString(), QStringLiteral("s1"));
    fake.press(server, 1, QStringLiteral("close"));
    QTRY_COMPARE(close.size(), 1);

    // The sticker went: its notification goes too.
    n.close(QStringLiteral("s2"));
    QTRY_COMPARE(fake.closed, QList<uint>({2}));
    // The server dismissed one: said once.
    QDBusMessage m = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/Notifications"),
                                                QStringLiteral("org.freedesktop.Notifications"),
                                                QStringLiteral("NotificationClosed"));
    m << uint(1) << uint(2);
    server.send(m);
    QTRY_COMPARE(gone.size(), 1);
    QCOMPARE(gone.first().first().toString(), QStringLiteral("s1"));
    server.unregisterService(QStringLiteral("org.freedesktop.Notifications"));
}

void tst_desktop_notifier::without_a_server_nothing_happens()
{
    QTest::ignoreMessage(QtInfoMsg, QRegularExpression("no desktop notifications"));
    desktop_notifier n;
    QTRY_VERIFY(!n.available());
    n.notify(QStringLiteral("x"), QStringLiteral("t"), QStringLiteral("b"), true);
    n.close(QStringLiteral("x"));
    QTest::qWait(200);
    QVERIFY(!n.available());
}

int main(int argc, char **argv)
{
    // A session bus of the test's own.
    QProcess daemon;
    daemon.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                                 QStringLiteral("--print-address=1")});
    if (!daemon.waitForStarted(5000) || !daemon.waitForReadyRead(5000)) {
        fprintf(stderr, "dbus-daemon did not start\n");
        return 1;
    }
    qputenv("DBUS_SESSION_BUS_ADDRESS", daemon.readLine().trimmed());
    bus_daemon = &daemon;
    QCoreApplication app(argc, argv);
    tst_desktop_notifier t;
    const int rc = QTest::qExec(&t, argc, argv);
    daemon.kill();
    daemon.waitForFinished();
    return rc;
}

#include "tst_desktop_notifier.moc"
