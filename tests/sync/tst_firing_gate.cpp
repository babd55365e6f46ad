// The scheduler asks the firing gate before a shared event's actions run:
// the firing is recorded either way, the actions run only when the gate
// says so, and an event of this machine alone never waits for it.
#include "common/time_source.h"
#include "scheduler/event_actions.h"
#include "scheduler/event_evaluator.h"
#include "scheduler/event_runner.h"
#include "scheduler/event_store.h"
#include "scheduler/firing_gate.h"
#include "scheduler/gated_runner.h"
#include "storage/alarm_keys.h"
#include "storage/ini_format.h"
#include "test_support.h"

#include <QtTest>

namespace k = event_keys;

namespace {

struct counting_runner : event_runner
{
    QStringList fired;
    void run(event_store &store, bool) override { fired << store.current(); }
};

struct held_gate : firing_gate
{
    QList<std::pair<QString, QDateTime>> asked;
    QList<std::function<void(bool)>> waiting;
    void claim(const QString &uid, const QDateTime &minute, std::function<void(bool)> decide) override
    {
        asked.append({uid, minute});
        waiting.append(std::move(decide));
    }
};

} // namespace

class tst_firing_gate : public QObject
{
    Q_OBJECT
private slots:
    void a_program_from_another_machine_starts_only_when_asked_data();
    void a_program_from_another_machine_starts_only_when_asked();
    void a_shared_event_fires_only_when_the_gate_says_so_data();
    void a_shared_event_fires_only_when_the_gate_says_so();
};

void tst_firing_gate::a_program_from_another_machine_starts_only_when_asked_data()
{
    QTest::addColumn<QString>("machine"); // this folder's; empty: no sync
    QTest::addColumn<QString>("origin");
    QTest::addColumn<bool>("everywhere");
    QTest::addColumn<bool>("starts");
    QTest::newRow("made here") << "aaaa" << "aaaa" << false << true;
    QTest::newRow("made elsewhere") << "aaaa" << "bbbb" << false << false;
    QTest::newRow("made elsewhere, to run everywhere") << "aaaa" << "bbbb" << true << true;
    QTest::newRow("an event without origin") << "aaaa" << "" << false << true;
    QTest::newRow("no sync on this folder") << "" << "bbbb" << false << true;
}

void tst_firing_gate::a_program_from_another_machine_starts_only_when_asked()
{
    QFETCH(QString, machine);
    QFETCH(QString, origin);
    QFETCH(bool, everywhere);
    QFETCH(bool, starts);
    temp_data_home home;
    QDir().mkpath(home.data_folder());
    const QString marker = home.home() + "/started";
    const QString prog = home.home() + "/leave_marker.sh";
    write_file(prog, QStringLiteral("#!/bin/sh\ntouch '%1'\n").arg(marker).toUtf8());
    QFile::setPermissions(prog, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const std::unique_ptr<QSettings> ini = ini_format::open(home.data_folder() + "/alarm.ini");
    event_store store(*ini);
    event_store::scope in(store, QStringLiteral("1765000000"));
    store.write(k::run_file, prog);
    store.write(k::origin, origin);
    store.write(k::run_everywhere, everywhere);
    manual_time_source clock(QDateTime(QDate(2026, 12, 9), QTime(13, 0)));
    event_actions actions(nullptr, clock);
    actions.set_machine(machine);
    actions.run(store, false);
    if (starts)
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 10000);
    else {
        QTest::qWait(500);
        QVERIFY(!QFile::exists(marker));
    }
}

void tst_firing_gate::a_shared_event_fires_only_when_the_gate_says_so_data()
{
    QTest::addColumn<QString>("uid");
    QTest::addColumn<int>("answer"); // -1: the gate is never asked
    QTest::addColumn<bool>("removed_meanwhile");
    QTest::addColumn<int>("fires");
    QTest::newRow("this machine fires it") << "ev@x" << 1 << false << 1;
    QTest::newRow("another machine fired it") << "ev@x" << 0 << false << 0;
    QTest::newRow("removed before the answer") << "ev@x" << 1 << true << 0;
    QTest::newRow("never synced: no question") << "" << -1 << false << 1;
}

void tst_firing_gate::a_shared_event_fires_only_when_the_gate_says_so()
{
    QFETCH(QString, uid);
    QFETCH(int, answer);
    QFETCH(bool, removed_meanwhile);
    QFETCH(int, fires);
    temp_data_home home;
    QDir().mkpath(home.data_folder());
    const std::unique_ptr<QSettings> ini = ini_format::open(home.data_folder() + "/alarm.ini");
    event_store store(*ini);
    {
        event_store::scope in(store, QStringLiteral("1765000000"));
        store.write(k::name, QStringLiteral("Обед"));
        store.write(k::alarmmessage, QStringLiteral("Пора"));
        store.write(k::time, QStringLiteral("13:00"));
        store.write(k::date, QStringLiteral("09.12.2026"));
        store.write(k::repeat, 0);
        if (!uid.isEmpty())
            store.write(k::uid, uid);
    }
    store.sync();
    manual_time_source clock(QDateTime(QDate(2026, 12, 9), QTime(12, 59, 58)));
    counting_runner actions;
    held_gate gate;
    gated_runner gated(actions, store, clock);
    gated.set_gate(&gate);
    event_evaluator pass(store, clock, gated);
    pass.pass();
    clock.set(QDateTime(QDate(2026, 12, 9), QTime(13, 0, 3)));
    pass.pass();

    if (answer < 0) {
        QVERIFY(gate.asked.isEmpty());
    } else {
        QCOMPARE(gate.asked.size(), 1);
        QCOMPARE(gate.asked.first().first, uid);
        QCOMPARE(gate.asked.first().second, QDateTime(QDate(2026, 12, 9), QTime(13, 0)));
        QVERIFY(actions.fired.isEmpty()); // waits for the answer
        if (removed_meanwhile)
            store.remove_event(QStringLiteral("1765000000"));
        gate.waiting.first()(answer == 1);
    }
    QCOMPARE(actions.fired.size(), fires);
    // The firing is on disk whatever the gate said (a removed event aside).
    if (!removed_meanwhile) {
        event_store::scope in(store, QStringLiteral("1765000000"));
        QCOMPARE(store.read(k::lastrun), QStringLiteral("09:12:2026:13:00"));
    }
}

QTEST_MAIN(tst_firing_gate)
#include "tst_firing_gate.moc"
