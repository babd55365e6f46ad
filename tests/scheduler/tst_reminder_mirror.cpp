// Reminders in the notification centre beside their stickers: a real
// sticker, the real notifier and a notification server of the test's own
// on a private session bus. Whatever the user does on one side happens to
// the other.
#include "counting_player.h"
#include "notification_rig.h"
#include "stiker_support.h"
#include "test_support.h"

#include "common/time_source.h"
#include "platform/desktop_notifier.h"
#include "scheduler/event_actions.h"
#include "scheduler/event_store.h"
#include "scheduler/reminder_mirror.h"
#include "scheduler/snooze_store.h"
#include "storage/data_folder.h"
#include "storage/ini_format.h"

#include <QApplication>
#include <QtTest>

class tst_reminder_mirror : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void events_and_notes_reach_the_notification_centre();
    void one_side_acts_on_the_other_data();
    void one_side_acts_on_the_other();
    void nothing_is_sent_while_the_option_is_off();
    void a_reminder_that_cannot_be_put_off_has_no_buttons();

private:
    temp_data_home m_home;
    manual_time_source m_clock{QDateTime(QDate(2026, 12, 9), QTime(9, 30))};
    notification_server m_server;
    counting_player m_player;
    std::unique_ptr<snooze_store> m_snoozes;
    bool m_wanted = true;
    std::unique_ptr<reminder_mirror> m_mirror;
    std::unique_ptr<event_actions> m_actions;
};

void tst_reminder_mirror::initTestCase()
{
    QDir().mkpath(m_home.data_folder());
    QVERIFY(m_server.start());
    m_snoozes = std::make_unique<snooze_store>();
    m_mirror = std::make_unique<reminder_mirror>([this] { return m_wanted; });
    m_actions = std::make_unique<event_actions>(&m_player, m_clock);
    m_actions->set_snooze_store(m_snoozes.get());
    m_actions->set_mirror(m_mirror.get());
}

void tst_reminder_mirror::cleanup()
{
    close_open_stikers();
    m_wanted = true;
    m_server.notes.clear();
    m_server.closed.clear();
    m_snoozes->take_due(m_clock.now().addDays(1));
}

void tst_reminder_mirror::events_and_notes_reach_the_notification_centre()
{
    auto ini = ini_format::open(data_folder::file("//alarm.ini"));
    event_store store(*ini);
    {
        event_store::scope in(store, "1000");
        store.document().set(store.current() + "/alarmmessage", QStringLiteral("Позвонить маме"));
        m_actions->run(store, false);
    }
    m_actions->show_note(QStringLiteral("Купить хлеб"), QString());
    QTRY_COMPARE(m_server.notes.size(), 2);
    QCOMPARE(m_server.notes.at(0).summary, QStringLiteral("Вам напоминание..."));
    QCOMPARE(m_server.notes.at(0).body, QStringLiteral("Позвонить маме"));
    QCOMPARE(m_server.notes.at(1).body, QStringLiteral("Купить хлеб"));
    QCOMPARE(m_server.notes.at(0).actions.size(), 4);
    QCOMPARE(open_stikers().size(), 2);

    // A missed reminder says so there too.
    {
        event_store::scope in(store, "1000");
        m_actions->run_missed(store, false);
    }
    QTRY_COMPARE(m_server.notes.size(), 3);
    QVERIFY(m_server.notes.at(2).body.startsWith(QStringLiteral("ПРОПУЩЕННОЕ НАПОМИНАНИЕ !!!")));
}

void tst_reminder_mirror::one_side_acts_on_the_other_data()
{
    QTest::addColumn<QString>("act");
    QTest::addColumn<bool>("stiker_stays");
    QTest::addColumn<int>("put_off");
    QTest::addColumn<bool>("notification_closed_by_us");
    QTest::newRow("Закрыть pressed") << "close" << false << 0 << true;
    QTest::newRow("Отложить pressed") << "snooze" << false << 1 << true;
    QTest::newRow("dismissed in the centre") << "dismissed" << false << 0 << false;
    QTest::newRow("expired in the centre") << "expired" << true << 0 << false;
    QTest::newRow("sticker closed") << "right click" << false << 0 << true;
}

void tst_reminder_mirror::one_side_acts_on_the_other()
{
    QFETCH(QString, act);
    QFETCH(bool, stiker_stays);
    QFETCH(int, put_off);
    QFETCH(bool, notification_closed_by_us);

    const int halts = m_player.halts;
    m_actions->show_note(QStringLiteral("Встреча в 10"), QString());
    QTRY_COMPARE(m_server.notes.size(), 1);
    QCOMPARE(open_stikers().size(), 1);
    QPointer<my_stiker> s = open_stikers().first();
    const uint id = m_server.notes.first().id;
    QTest::qWait(50); // the id has come back

    if (act == u"close" || act == u"snooze")
        m_server.press(id, act);
    else if (act == u"dismissed")
        m_server.take_away(id, 2);
    else if (act == u"expired")
        m_server.take_away(id, 1);
    else
        QTest::mouseClick(s, Qt::RightButton);

    if (stiker_stays) {
        QTest::qWait(200);
        QVERIFY(s && s->isVisible());
    } else {
        QTRY_VERIFY(!s);
        QVERIFY(m_player.halts > halts); // the sound stops with the sticker
    }
    const auto snoozed = m_snoozes->all();
    QCOMPARE(snoozed.size(), put_off);
    if (put_off) {
        QCOMPARE(snoozed.first().due, m_clock.now().addSecs(10 * 60));
        QCOMPARE(snoozed.first().text, QStringLiteral("Встреча в 10"));
    }
    if (notification_closed_by_us)
        QTRY_VERIFY(m_server.closed.contains(id));
    else {
        QTest::qWait(100);
        QVERIFY(!m_server.closed.contains(id));
    }
}

void tst_reminder_mirror::nothing_is_sent_while_the_option_is_off()
{
    m_wanted = false;
    m_actions->show_note(QStringLiteral("Тихо"), QString());
    QTest::qWait(200);
    QVERIFY(m_server.notes.isEmpty());
    QCOMPARE(open_stikers().size(), 1); // the sticker as always

    // A user who never wants them never talks to the bus.
    bool made = false;
    reminder_mirror lazy([] { return false; },
                         [&made] {
                             made = true;
                             return std::make_unique<desktop_notifier>();
                         });
    lazy.mirror(open_stikers().first(), QStringLiteral("x"));
    QVERIFY(!made);
    QVERIFY(!lazy.notifier());
}

void tst_reminder_mirror::a_reminder_that_cannot_be_put_off_has_no_buttons()
{
    event_actions plain(&m_player, m_clock);
    plain.set_mirror(m_mirror.get());
    plain.show_note(QStringLiteral("Без отсрочки"), QString());
    QTRY_COMPARE(m_server.notes.size(), 1);
    QVERIFY(m_server.notes.first().actions.isEmpty());
}

int main(int argc, char **argv)
{
    private_session_bus bus;
    if (!bus.start()) {
        fprintf(stderr, "dbus-daemon did not start\n");
        return 1;
    }
    QApplication app(argc, argv);
    tst_reminder_mirror t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_reminder_mirror.moc"
