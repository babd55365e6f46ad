// Two machines (two data folders) against one real CalDAV server: Radicale
// on 127.0.0.1, started by the test with a private storage folder.
#include "radicale_rig.h"
#include "storage/alarm_keys.h"
#include "sync/firing_claim.h"
#include "sync/sync_item.h"
#include "test_support.h"

#include <QtTest>

namespace k = event_keys;

class tst_caldav_sync : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { m_server.stop(); }
    void discovery_finds_the_calendar_and_what_it_takes();
    void notes_and_events_go_both_ways_and_deletions_follow();
    void an_event_fires_on_one_machine_and_the_other_sees_it_acknowledged();
    void a_note_reminder_shows_on_one_machine_only();
    void a_note_edited_on_both_sides_keeps_one_winner_and_a_visible_copy();
    void a_field_changed_on_each_side_merges_without_a_conflict();
    void a_server_that_stops_loses_nothing_and_the_next_sync_recovers();

private:
    QUrl fresh_calendar() { return m_server.make_calendar(QStringLiteral("cal%1").arg(++m_calendars)); }
    QString folder(const QString &name) { return m_home.data_folder() + u'/' + name + QString::number(m_calendars); }
    static QStringList texts(sync_machine &m, QDate d)
    {
        QStringList out;
        for (const QString &key : m.notes().keys(d))
            out << m.notes().read(d, key).value(0);
        out.sort();
        return out;
    }

    temp_data_home m_home;
    radicale_rig m_server;
    manual_time_source m_clock{QDateTime(QDate(2026, 12, 9), QTime(10, 0))};
    int m_calendars = 0;
};

void tst_caldav_sync::initTestCase()
{
    if (!m_server.start())
        QFAIL(qPrintable(m_server.why()));
}

void tst_caldav_sync::discovery_finds_the_calendar_and_what_it_takes()
{
    const QUrl cal = fresh_calendar();
    caldav_client client;
    client.set_account(m_server.base(), radicale_rig::user(), radicale_rig::password());
    QList<dav_calendar> found;
    dav_status status;
    bool done = false;
    client.discover([&](dav_status st, QList<dav_calendar> c) {
        status = st;
        found = c;
        done = true;
    });
    QTRY_VERIFY_WITH_TIMEOUT(done, 20000);
    QVERIFY2(status.ok(), qPrintable(status.error));
    const auto it = std::find_if(found.cbegin(), found.cend(), [&](const dav_calendar &c) { return c.url == cal; });
    QVERIFY(it != found.cend());
    QVERIFY(it->journals);

    client.set_account(m_server.base(), radicale_rig::user(), QStringLiteral("wrong"));
    done = false;
    client.discover([&](dav_status st, QList<dav_calendar>) {
        status = st;
        done = true;
    });
    QTRY_VERIFY_WITH_TIMEOUT(done, 20000);
    QCOMPARE(status.http, 401);
    QVERIFY(status.error.contains(QStringLiteral("пароль")));
}

void tst_caldav_sync::notes_and_events_go_both_ways_and_deletions_follow()
{
    const QUrl cal = fresh_calendar();
    sync_machine a(folder("a"), cal, m_clock), b(folder("b"), cal, m_clock);
    const QDate day(2026, 12, 20);
    a.notes().add_note(day, QStringLiteral("Позвонить маме"), true, QTime(19, 30));
    a.notes().add_note(day, QStringLiteral("Без времени"), false, QTime());
    for (int mode : {k::once, k::daily, k::monthly, k::yearly, k::minute_cycle, k::after_interval}) {
        event_record e;
        e.name = QStringLiteral("Событие %1").arg(mode);
        e.message = QStringLiteral("Текст %1").arg(mode);
        e.repeat = mode;
        e.date = day;
        e.time = QTime(8, 15);
        e.repeat_min = 5;
        e.days.fill(true);
        e.months.fill(true);
        e.uid = sync_records::new_uid(a.local().machine());
        e.origin = a.local().machine();
        sync_records::write_event(a.events(), e, m_clock.now());
    }
    a.events().sync();

    sync_result r = a.sync();
    QVERIFY2(r.ok, qPrintable(r.error));
    QCOMPARE(r.pushed, 7); // two notes, five events; "after n minutes" stays here
    r = b.sync();
    QVERIFY2(r.ok, qPrintable(r.error));
    QCOMPARE(r.pulled, 7);
    QCOMPARE(texts(b, day), QStringList({QStringLiteral("Без времени"), QStringLiteral("Позвонить маме")}));
    QCOMPARE(b.events().events().size(), 5);

    // Nothing changed: an incremental sync moves nothing.
    r = b.sync();
    QCOMPARE(r.pulled + r.pushed, 0);
    r = a.sync();
    QCOMPARE(r.pulled + r.pushed, 0);

    // Edited on B, seen on A; deleted on A, gone on B.
    const QString key = b.notes().keys(day).first();
    const QStringList rec = b.notes().read(day, key);
    b.notes().replace_note(day, key, rec.value(0) + QStringLiteral(" в 20:00"), rec.value(1) == "2",
                           QTime::fromString(rec.value(2), "HH:mm"));
    QVERIFY(b.sync().pushed == 1);
    QVERIFY(a.sync().pulled == 1);
    QVERIFY(texts(a, day).join('|').contains(QStringLiteral("в 20:00")));

    for (const QString &k2 : a.notes().keys(day))
        a.notes().remove_note(day, k2);
    r = a.sync();
    QCOMPARE(r.deleted_there, 2);
    r = b.sync();
    QCOMPARE(r.deleted_here, 2);
    QVERIFY(b.notes().keys(day).isEmpty());
}

void tst_caldav_sync::an_event_fires_on_one_machine_and_the_other_sees_it_acknowledged()
{
    const QUrl cal = fresh_calendar();
    sync_machine a(folder("a"), cal, m_clock), b(folder("b"), cal, m_clock);
    event_record e;
    e.name = QStringLiteral("Обед");
    e.message = QStringLiteral("Пора обедать");
    e.repeat = k::daily;
    e.days.fill(true);
    e.date = QDate(2026, 12, 9);
    e.time = QTime(13, 0);
    e.uid = QStringLiteral("lunch@test");
    sync_records::write_event(a.events(), e, m_clock.now());
    a.events().sync();
    QVERIFY(a.sync().ok);
    QVERIFY(b.sync().ok);

    firing_claim on_a(a.client(), a.local()), on_b(b.client(), b.local());
    on_a.set_enabled(true);
    on_b.set_enabled(true);
    const QDateTime minute(QDate(2026, 12, 9), QTime(13, 0));
    std::optional<bool> fires_a, fires_b;
    // Both ask in the same minute; the first to write the acknowledgement fires.
    on_a.claim(e.uid, minute, [&](bool f) { fires_a = f; });
    on_b.claim(e.uid, minute, [&](bool f) { fires_b = f; });
    QTRY_VERIFY_WITH_TIMEOUT(fires_a && fires_b, 20000);
    QVERIFY2(*fires_a != *fires_b, "exactly one machine fires");

    // A later claim for the same minute (a pass five seconds on) fires nowhere.
    std::optional<bool> again;
    (*fires_a ? on_b : on_a).claim(e.uid, minute, [&](bool f) { again = f; });
    QTRY_VERIFY_WITH_TIMEOUT(again.has_value(), 20000);
    QVERIFY(!*again);

    // The next day's minute is free again.
    std::optional<bool> next_day;
    on_b.claim(e.uid, minute.addDays(1), [&](bool f) { next_day = f; });
    QTRY_VERIFY_WITH_TIMEOUT(next_day.has_value(), 20000);
    QVERIFY(*next_day);

    // The machine that did not fire sees the firing after a sync.
    sync_machine &other = *fires_a ? b : a;
    QVERIFY(other.sync().ok);
    const std::optional<event_record> seen = other.local().event(e.uid);
    QVERIFY(seen);
    QVERIFY(seen->last_fired.isValid());
    QVERIFY(seen->last_fired >= minute.toUTC());

    // With the server unreachable a claim fires at once.
    caldav_client dead;
    dead.set_account(QUrl("http://127.0.0.1:1/cal/"), "x", "y");
    firing_claim offline(dead, a.local());
    offline.set_enabled(true);
    std::optional<bool> fires_offline;
    offline.claim(e.uid, minute.addDays(2), [&](bool f) { fires_offline = f; });
    QTRY_VERIFY_WITH_TIMEOUT(fires_offline.has_value(), 20000);
    QVERIFY(*fires_offline);
}

void tst_caldav_sync::a_note_reminder_shows_on_one_machine_only()
{
    const QUrl cal = fresh_calendar();
    sync_machine a(folder("a"), cal, m_clock), b(folder("b"), cal, m_clock);
    const QDate day(2026, 12, 9);
    const QString ka = a.notes().add_note(day, QStringLiteral("Позвонить"), true, QTime(18, 0));
    QVERIFY(a.sync().ok);
    QVERIFY(b.sync().ok);
    const QString kb = b.notes().keys(day).first();
    firing_claim on_a(a.client(), a.local()), on_b(b.client(), b.local());
    on_a.set_enabled(true);
    on_b.set_enabled(true);
    const QDateTime minute(day, QTime(18, 0));
    std::optional<bool> shows_a, shows_b;
    on_a.claim(a.state().note_uid(day, ka), minute, [&](bool f) { shows_a = f; });
    QTRY_VERIFY_WITH_TIMEOUT(shows_a.has_value(), 20000);
    on_b.claim(b.state().note_uid(day, kb), minute, [&](bool f) { shows_b = f; });
    QTRY_VERIFY_WITH_TIMEOUT(shows_b.has_value(), 20000);
    QVERIFY(*shows_a);
    QVERIFY(!*shows_b);
    // A's note is marked shown at that minute, and B learns it with the next sync.
    QVERIFY(b.sync().ok);
    const std::optional<note_record> seen = b.local().note(b.state().note_uid(day, kb));
    QVERIFY(seen);
    QCOMPARE(seen->shown_at, minute.toUTC());
}

void tst_caldav_sync::a_note_edited_on_both_sides_keeps_one_winner_and_a_visible_copy()
{
    const QUrl cal = fresh_calendar();
    sync_machine a(folder("a"), cal, m_clock), b(folder("b"), cal, m_clock);
    const QDate day(2026, 12, 24);
    const QString ka = a.notes().add_note(day, QStringLiteral("Подарки"), false, QTime());
    QVERIFY(a.sync().ok);
    QVERIFY(b.sync().ok);
    const QString kb = b.notes().keys(day).first();

    a.notes().replace_note(day, ka, QStringLiteral("Подарки: книги"), false, QTime());
    QVERIFY(a.sync().pushed == 1);
    // B edits later, offline, then syncs.
    QTest::qWait(1100);
    b.notes().replace_note(day, kb, QStringLiteral("Подарки: игры"), false, QTime());
    const sync_result r = b.sync();
    QVERIFY2(r.ok, qPrintable(r.error));
    QCOMPARE(r.conflicts, 1);
    QVERIFY(a.sync().ok);
    const QStringList want{QStringLiteral("(конфликт) Подарки: книги"), QStringLiteral("Подарки: игры")};
    QCOMPARE(texts(b, day), want);
    QCOMPARE(texts(a, day), want);
}

void tst_caldav_sync::a_field_changed_on_each_side_merges_without_a_conflict()
{
    const QUrl cal = fresh_calendar();
    sync_machine a(folder("a"), cal, m_clock), b(folder("b"), cal, m_clock);
    event_record e;
    e.name = QStringLiteral("Зарядка");
    e.message = QStringLiteral("Встать!");
    e.date = QDate(2026, 12, 10);
    e.time = QTime(7, 0);
    e.uid = QStringLiteral("gym@test");
    sync_records::write_event(a.events(), e, m_clock.now());
    a.events().sync();
    QVERIFY(a.sync().ok);
    QVERIFY(b.sync().ok);

    event_record on_a = *a.local().event(e.uid), on_b = *b.local().event(e.uid);
    on_a.name = QStringLiteral("Зарядка утром");
    on_b.time = QTime(7, 30);
    sync_records::write_event(a.events(), on_a, m_clock.now());
    sync_records::write_event(b.events(), on_b, m_clock.now());
    a.events().sync();
    b.events().sync();
    QVERIFY(a.sync().ok);
    const sync_result r = b.sync();
    QCOMPARE(r.conflicts, 0);
    QVERIFY(a.sync().ok);
    for (sync_machine *m : {&a, &b}) {
        const event_record got = *m->local().event(e.uid);
        QCOMPARE(got.name, QStringLiteral("Зарядка утром"));
        QCOMPARE(got.time, QTime(7, 30));
    }
}

void tst_caldav_sync::a_server_that_stops_loses_nothing_and_the_next_sync_recovers()
{
    const QUrl cal = fresh_calendar();
    sync_machine a(folder("a"), cal, m_clock), b(folder("b"), cal, m_clock);
    const QDate day(2026, 12, 31);
    for (int i = 0; i < 300; ++i)
        a.notes().add_note(day.addDays(-(i % 30)), QStringLiteral("Заметка %1").arg(i), false, QTime());
    a.notes().flush();
    // The server goes away while the first sync is sending.
    a.engine().run();
    QTest::qWait(150);
    m_server.stop();
    QSignalSpy done(&a.engine(), &sync_engine::finished);
    QVERIFY(done.wait(60000) || !a.engine().running());
    QCOMPARE(sync_records::read_notes(a.notes()).size(), 300);

    const sync_result offline = a.sync();
    QVERIFY(!offline.ok);
    QVERIFY(offline.unreachable);
    QCOMPARE(sync_records::read_notes(a.notes()).size(), 300);

    QVERIFY(m_server.start());
    const sync_result back = a.sync();
    QVERIFY2(back.ok && back.failed == 0, qPrintable(back.summary()));
    QVERIFY(b.sync().ok);
    QCOMPARE(sync_records::read_notes(b.notes()).size(), 300);
    QCOMPARE(a.sync().pulled + a.sync().pushed, 0);
}

QTEST_GUILESS_MAIN(tst_caldav_sync)
#include "tst_caldav_sync.moc"
