// Desktop notifications over a private session bus: a notification server
// of the test's own records what it was sent and presses buttons, so every
// message of the protocol is checked; the end-to-end script checks the same
// against dunst.
#include "notification_rig.h"

#include "platform/desktop_notifier.h"

#include <QDBusArgument>
#include <QImage>
#include <QtTest>

class tst_desktop_notifier : public QObject
{
    Q_OBJECT
private slots:
    void a_reminder_goes_to_the_server_with_its_buttons_and_they_act();
    void without_a_server_nothing_happens();
};

void tst_desktop_notifier::a_reminder_goes_to_the_server_with_its_buttons_and_they_act()
{
    notification_server fake;
    QVERIFY(fake.start());

    // Sent before the server said what it can do: held back, so the
    // buttons are not lost on the first reminder after start.
    desktop_notifier n;
    QSignalSpy snooze(&n, &desktop_notifier::snooze_requested), close(&n, &desktop_notifier::close_requested),
        gone(&n, &desktop_notifier::closed);
    n.notify(QStringLiteral("s1"), QStringLiteral("Вам напоминание..."), QStringLiteral("Пора обедать"), true);
    n.notify(QStringLiteral("s2"), QStringLiteral("Вам напоминание..."), QStringLiteral("Без кнопок"), false);
    n.notify(QStringLiteral("s3"), QStringLiteral("Вам напоминание..."), QStringLiteral("Закрыт сразу"), true);
    n.close(QStringLiteral("s3"));
    QTRY_COMPARE(fake.notes.size(), 2);
    QVERIFY(!n.capabilities().isEmpty());
    QCOMPARE(fake.notes.at(0).body, QStringLiteral("Пора обедать"));
    QCOMPARE(fake.notes.at(0).summary, QStringLiteral("Вам напоминание..."));
    QCOMPARE(fake.notes.at(0).actions, QStringList({QStringLiteral("snooze"), QStringLiteral("Отложить на 10 минут"),
                                                    QStringLiteral("close"), QStringLiteral("Закрыть")}));
    QVERIFY(fake.notes.at(1).actions.isEmpty());

    QTest::qWait(100); // the ids have come back
    fake.press(1, QStringLiteral("snooze"));
    QTRY_COMPARE(snooze.size(), 1);
    QCOMPARE(snooze.first().first().toString(), QStringLiteral("s1"));
    fake.press(1, QStringLiteral("close"));
    QTRY_COMPARE(close.size(), 1);

    // The sticker went: its notification goes too.
    n.close(QStringLiteral("s2"));
    QTRY_COMPARE(fake.closed, QList<uint>({2}));
    // The server took one away: said once, and whether the user did it.
    fake.take_away(1, 2);
    QTRY_COMPARE(gone.size(), 1);
    QCOMPARE(gone.first().at(0).toString(), QStringLiteral("s1"));
    QCOMPARE(gone.first().at(1).toBool(), true);
    fake.take_away(1, 2);
    QTest::qWait(100);
    QCOMPARE(gone.size(), 1);

    // Closed while its id is on the way back: closed as the id comes.
    n.notify(QStringLiteral("s4"), QStringLiteral("Вам напоминание..."), QStringLiteral("Сразу ушёл"), false);
    n.close(QStringLiteral("s4"));
    QTRY_COMPARE(fake.closed, QList<uint>({2, 3}));

    // A server without buttons gets none; the program's picture goes along
    // as RGBA rows.
    fake.caps = {QStringLiteral("body")};
    desktop_notifier plain;
    QImage icon(128, 96, QImage::Format_ARGB32);
    icon.fill(QColor(200, 30, 40, 255));
    plain.set_icon(icon);
    plain.notify(QStringLiteral("p"), QStringLiteral("t"), QStringLiteral("b"), true);
    QTRY_COMPARE(fake.notes.size(), 4);
    QVERIFY(fake.notes.last().actions.isEmpty());
    QVERIFY(!fake.notes.at(0).hints.contains(QStringLiteral("image-data")));
    const auto image = fake.notes.last().hints.value(QStringLiteral("image-data")).value<QDBusArgument>();
    int w = 0, h = 0, stride = 0, bits = 0, channels = 0;
    bool alpha = false;
    QByteArray bytes;
    image.beginStructure();
    image >> w >> h >> stride >> alpha >> bits >> channels >> bytes;
    image.endStructure();
    QCOMPARE(QList<int>({w, h, stride, bits, channels}), QList<int>({64, 48, 256, 8, 4}));
    QVERIFY(alpha);
    QCOMPARE(bytes.size(), 64 * 48 * 4);
    QCOMPARE(QList<int>({uchar(bytes[0]), uchar(bytes[1]), uchar(bytes[2]), uchar(bytes[3])}),
             QList<int>({200, 30, 40, 255}));
}

void tst_desktop_notifier::without_a_server_nothing_happens()
{
    QTest::ignoreMessage(QtInfoMsg, QRegularExpression("no desktop notifications"));
    desktop_notifier n;
    n.notify(QStringLiteral("x"), QStringLiteral("t"), QStringLiteral("b"), true);
    QTRY_VERIFY(!n.available());
    n.notify(QStringLiteral("y"), QStringLiteral("t"), QStringLiteral("b"), true);
    n.close(QStringLiteral("x"));
    QTest::qWait(200);
    QVERIFY(!n.available());
}

int main(int argc, char **argv)
{
    private_session_bus bus;
    if (!bus.start()) {
        fprintf(stderr, "dbus-daemon did not start\n");
        return 1;
    }
    QCoreApplication app(argc, argv);
    tst_desktop_notifier t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_desktop_notifier.moc"
