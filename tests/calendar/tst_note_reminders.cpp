// The reminder check over a real my_notes.ini with a fake clock: missed and
// due reminders, firing once, other dates, edits, bad records.

#include "calendar_rig.h"

#include "calendar/note_reminders.h"

#include <QTest>

namespace {

const QDate today(2026, 3, 5);

// The checks of every 5 s from `from` to `to`; returns every text fired.
QStringList run(calendar_rig &rig, const QDateTime &from, const QDateTime &to)
{
    QStringList all;
    for (QDateTime t = from; t <= to; t = t.addSecs(5)) {
        rig.clock.set(t);
        all += note_reminders::check(*rig.store, t);
    }
    return all;
}

} // namespace

class test_note_reminders : public QObject
{
    Q_OBJECT

private slots:
    void missed_reminder_is_announced_and_marked();
    void due_reminder_fires_once_in_its_minute();
    void other_dates_never_fire();
    void editing_a_fired_note_lets_it_fire_again();
    void records_that_never_fire_data();
    void records_that_never_fire();
    void hand_written_time_without_leading_zero();
    void many_missed_notes_are_one_write();
    void notes_changed_after_a_quiet_check_are_seen_data();
    void notes_changed_after_a_quiet_check_are_seen();
};

void test_note_reminders::missed_reminder_is_announced_and_marked()
{
    calendar_rig rig({}, QDateTime(today, QTime(10, 0)));
    const QString key = rig.store->add_note(today, "Позвонить в банк", true, QTime(9, 30));
    const QStringList fired = run(rig, QDateTime(today, QTime(10, 0)), QDateTime(today, QTime(10, 0, 5)));
    QCOMPARE(fired, QStringList{"ПРОПУЩЕННОЕ НАПОМИНАНИЕ !!!\nПозвонить в банк"});
    QCOMPARE(rig.on_disk("05.03.2026", key), (QStringList{"Позвонить в банк", "2", "09:30", "05:03:2026:10:00", "1"}));
}

void test_note_reminders::due_reminder_fires_once_in_its_minute()
{
    calendar_rig rig({}, QDateTime(today, QTime(10, 0)));
    rig.store->add_note(today, "meeting", true, QTime(10, 15));
    QVERIFY(run(rig, QDateTime(today, QTime(10, 0)), QDateTime(today, QTime(10, 14, 55))).isEmpty());
    QCOMPARE(run(rig, QDateTime(today, QTime(10, 15)), QDateTime(today, QTime(10, 15, 0))), QStringList{"meeting"});
    QVERIFY(run(rig, QDateTime(today, QTime(10, 15, 5)), QDateTime(today, QTime(10, 30))).isEmpty());
}

void test_note_reminders::other_dates_never_fire()
{
    calendar_rig rig(notes_group("04.03.2026", {"1700000000=yesterday, 2, 09:00"}) +
                         notes_group("06.03.2026", {"1700000001=tomorrow, 2, 09:00"}),
                     QDateTime(today, QTime(8, 0)));
    QVERIFY(run(rig, QDateTime(today, QTime(8, 0)), QDateTime(today, QTime(23, 59, 55))).isEmpty());
}

void test_note_reminders::editing_a_fired_note_lets_it_fire_again()
{
    calendar_rig rig({}, QDateTime(today, QTime(10, 0)));
    const QString key = rig.store->add_note(today, "tea", true, QTime(10, 1));
    QCOMPARE(run(rig, QDateTime(today, QTime(10, 0)), QDateTime(today, QTime(10, 2))).size(), 1);
    QCOMPARE(rig.on_disk("05.03.2026", key).size(), 5);
    rig.store->replace_note(today, key, "tea again", true, QTime(10, 5));
    QCOMPARE(rig.on_disk("05.03.2026", key).size(), 3);
    QCOMPARE(run(rig, QDateTime(today, QTime(10, 2)), QDateTime(today, QTime(10, 6))), QStringList{"tea again"});
}

void test_note_reminders::records_that_never_fire_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("one field") << "1700000000=just text";
    QTest::newRow("untimed") << "1700000000=a, 0, 09:00";
    QTest::newRow("flag 1") << "1700000000=a, 1, 09:00";
    QTest::newRow("flag true") << "1700000000=a, true, 09:00";
    QTest::newRow("already shown") << "1700000000=a, 2, 09:00, 05:03:2026:09:00, 1";
    QTest::newRow("time is garbage") << "1700000000=a, 2, half past";
    QTest::newRow("time 25:00") << "1700000000=a, 2, 25:00";
    QTest::newRow("later today") << "1700000000=a, 2, 23:59";
}

void test_note_reminders::records_that_never_fire()
{
    QFETCH(QString, line);
    calendar_rig rig(notes_group("05.03.2026", {line}), QDateTime(today, QTime(12, 0)));
    QVERIFY(run(rig, QDateTime(today, QTime(12, 0)), QDateTime(today, QTime(12, 1))).isEmpty());
}

void test_note_reminders::hand_written_time_without_leading_zero()
{
    // Compared as text "9:30" would sort after "10:00" and fire at 10:00
    // only by accident of the digits; read as a time it is simply missed.
    calendar_rig rig(notes_group("05.03.2026", {"1700000000=early, 2, 9:30"}), QDateTime(today, QTime(9, 0)));
    QVERIFY(run(rig, QDateTime(today, QTime(9, 0)), QDateTime(today, QTime(9, 29, 55))).isEmpty());
    QCOMPARE(run(rig, QDateTime(today, QTime(9, 30)), QDateTime(today, QTime(9, 31))), QStringList{"early"});
}

void test_note_reminders::many_missed_notes_are_one_write()
{
    QStringList lines;
    for (int i = 0; i < 50; ++i)
        lines << QString("%1=n%2, 2, 08:00").arg(1700000000 + i).arg(i);
    calendar_rig rig(notes_group("05.03.2026", lines), QDateTime(today, QTime(9, 0)));
    const quint64 before = rig.store->revision();
    QCOMPARE(note_reminders::check(*rig.store, rig.clock.now()).size(), 50);
    QCOMPARE(rig.store->revision(), before + 1);
    QCOMPARE(rig.on_disk("05.03.2026", "1700000049").value(4), QStringLiteral("1"));
}

void test_note_reminders::notes_changed_after_a_quiet_check_are_seen_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("added here") << "store";
    QTest::newRow("written by another program") << "outside";
    QTest::newRow("edited here to an earlier time") << "edit";
}

void test_note_reminders::notes_changed_after_a_quiet_check_are_seen()
{
    QFETCH(QString, how);
    // A check that finds the day's only note due at 18:00 may skip reading
    // the notes until then, but only while nothing changed.
    calendar_rig rig(notes_group("05.03.2026", {"1700000000=evening, 2, 18:00"}), QDateTime(today, QTime(10, 0)));
    QVERIFY(run(rig, QDateTime(today, QTime(10, 0)), QDateTime(today, QTime(10, 1))).isEmpty());
    if (how == "store")
        rig.store->add_note(today, "now", true, QTime(10, 1));
    else if (how == "outside")
        rig.rewrite_file(notes_group("05.03.2026", {"1700000000=evening, 2, 18:00", "1700000001=now, 2, 10:01"}));
    else
        rig.store->replace_note(today, "1700000000", "now", true, QTime(10, 1));
    rig.store->reload_if_changed_on_disk();
    QCOMPARE(run(rig, QDateTime(today, QTime(10, 1, 5)), QDateTime(today, QTime(10, 2))), QStringList{"now"});
}

QTEST_MAIN(test_note_reminders)
#include "tst_note_reminders.moc"
