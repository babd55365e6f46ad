// The notes store over a real my_notes.ini: keys, records, flushing, the
// date list, today's text, and files written by hand or by other programs.

#include "calendar_rig.h"

#include <QTest>

class test_notes_store : public QObject
{
    Q_OBJECT

private slots:
    void fill_data();
    void fill();
    void add_is_on_disk_at_once();
    void same_second_adds_keep_both_notes();
    void keys_stay_in_creation_order_when_the_clock_goes_back();
    void records_written_by_each_operation_data();
    void records_written_by_each_operation();
    void removing_the_last_note_removes_the_date();
    void groups_enumerate_as_strings();
    void today_text_data();
    void today_text();
    void text_outside_cp1251_survives_a_restart_data();
    void text_outside_cp1251_survives_a_restart();
    void a_change_on_disk_is_read_at_the_next_check();
    void garbage_file_reads_as_no_notes();
};

void test_notes_store::fill_data()
{
    QTest::addColumn<QStringList>("defaults");
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("expected");
    const QStringList five{"Новая заметка", "0", "00:00", "01:01:2999:00:00", "0"};
    QTest::newRow("one field") << five << QStringList{"a"} << QStringList{"a", "0", "00:00", "01:01:2999:00:00", "0"};
    QTest::newRow("three fields") << five << QStringList{"a", "2", "09:30"}
                                  << QStringList{"a", "2", "09:30", "01:01:2999:00:00", "0"};
    QTest::newRow("beyond the defaults is ignored")
        << QStringList{"-", "-", "-"} << QStringList{"a", "2", "09:30", "x", "1"} << QStringList{"a", "2", "09:30"};
    QTest::newRow("empty") << QStringList{"-", "-", "-"} << QStringList{} << QStringList{"-", "-", "-"};
}

void test_notes_store::fill()
{
    QFETCH(QStringList, defaults);
    QFETCH(QStringList, stored);
    QFETCH(QStringList, expected);
    QCOMPARE(notes_store::fill(defaults, stored), expected);
}

void test_notes_store::add_is_on_disk_at_once()
{
    calendar_rig rig;
    const QString key = rig.store->add_note(QDate(2026, 3, 5), "купить хлеб", true, QTime(9, 5));
    // No event loop has run: the settings library's deferred write cannot
    // have happened, so this is the store's own flush.
    QCOMPARE(rig.on_disk("05.03.2026", key), (QStringList{"купить хлеб", "2", "09:05"}));
    QCOMPARE(key, QString::number(rig.clock.now().toSecsSinceEpoch()));
    QVERIFY(rig.store->has_notes(QDate(2026, 3, 5)));
}

void test_notes_store::same_second_adds_keep_both_notes()
{
    calendar_rig rig;
    const QDate d(2026, 3, 5);
    const QString a = rig.store->add_note(d, "first", false, QTime(0, 0));
    const QString b = rig.store->add_note(d, "second", false, QTime(0, 0));
    const QString c = rig.store->copy_note(d, "third", "-");
    QCOMPARE(rig.store->keys(d), (QStringList{a, b, c}));
    QCOMPARE(b.toLongLong(), a.toLongLong() + 1);
    QCOMPARE(rig.on_disk("05.03.2026", a).first(), QStringLiteral("first"));
    QCOMPARE(rig.on_disk("05.03.2026", b).first(), QStringLiteral("second"));
    // Another date may use the same second.
    QCOMPARE(rig.store->add_note(d.addDays(1), "other", false, QTime(0, 0)), a);
}

void test_notes_store::keys_stay_in_creation_order_when_the_clock_goes_back()
{
    calendar_rig rig;
    const QDate d(2026, 3, 5);
    const QString a = rig.store->add_note(d, "first", false, QTime(0, 0));
    rig.clock.advance_secs(-3600);
    const QString b = rig.store->add_note(d, "second", false, QTime(0, 0));
    QVERIFY(b > a);
    QCOMPARE(rig.store->keys(d), (QStringList{a, b}));
}

void test_notes_store::records_written_by_each_operation_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("add untimed keeps the editor's time") << "add0" << QStringList{"t", "0", "07:45"};
    QTest::newRow("add timed") << "add2" << QStringList{"t", "2", "07:45"};
    QTest::newRow("copy untimed") << "copy-" << QStringList{"t", "0", "0:00"};
    QTest::newRow("copy timed") << "copy" << QStringList{"t", "2", "07:45"};
    QTest::newRow("replace drops stamp and shown flag") << "replace" << QStringList{"t", "2", "07:45"};
}

void test_notes_store::records_written_by_each_operation()
{
    QFETCH(QString, operation);
    QFETCH(QStringList, expected);
    calendar_rig rig(notes_group("05.03.2026", {"1700000000=old, 2, 06:00, 05:03:2026:06:00, 1"}));
    const QDate d(2026, 3, 5);
    QString key = "1700000000";
    if (operation == "add0")
        key = rig.store->add_note(d, "t", false, QTime(7, 45));
    else if (operation == "add2")
        key = rig.store->add_note(d, "t", true, QTime(7, 45));
    else if (operation == "copy-")
        key = rig.store->copy_note(d, "t", "-");
    else if (operation == "copy")
        key = rig.store->copy_note(d, "t", "07:45");
    else
        rig.store->replace_note(d, key, "t", true, QTime(7, 45));
    QCOMPARE(rig.on_disk("05.03.2026", key), expected);
}

void test_notes_store::removing_the_last_note_removes_the_date()
{
    calendar_rig rig(notes_group("05.03.2026", {"1700000000=a", "1700000001=b"}) +
                     notes_group("06.03.2026", {"1700000002=c"}));
    const QDate d(2026, 3, 5);
    rig.store->remove_note(d, "1700000000");
    QVERIFY(rig.store->has_notes(d));
    rig.store->remove_note(d, "1700000001");
    QVERIFY(!rig.store->has_notes(d));
    QCOMPARE(rig.groups_on_disk(), QStringList{"06.03.2026"});
    rig.store->remove_date(QDate(2026, 3, 6));
    QVERIFY(rig.store->dates().isEmpty());
    QVERIFY(rig.groups_on_disk().isEmpty());
}

void test_notes_store::groups_enumerate_as_strings()
{
    calendar_rig rig(notes_group("02.01.2014", {"1700000000=a"}) + notes_group("01.02.2014", {"1700000001=b"}));
    QCOMPARE(rig.store->dates(), (QStringList{"01.02.2014", "02.01.2014"}));
}

void test_notes_store::today_text_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("expected");
    QTest::newRow("three notes in creation order")
        << notes_group("05.03.2026", {"1700000002=c", "1700000000=a, 2, 09:00", "1700000001=\"b, with comma\""})
        << "a\nb, with comma\nc\n";
    QTest::newRow("none today") << notes_group("04.03.2026", {"1700000000=a"}) << "";
    QTest::newRow("a name that is no date") << notes_group("5.3.2026", {"1700000000=a"}) << "";
    QTest::newRow("no file") << QByteArray() << "";
}

void test_notes_store::today_text()
{
    QFETCH(QByteArray, ini);
    QFETCH(QString, expected);
    calendar_rig rig(ini);
    QCOMPARE(rig.store->today_text(), expected);
}

void test_notes_store::text_outside_cp1251_survives_a_restart_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("cyrillic") << "Позвонить маме, в 19:00";
    QTest::newRow("outside cp1251") << QString::fromUtf8("漢字 — ✓ 😀 ẞ");
    QTest::newRow("ini syntax") << "a=b; [c] \"d\" \\e %f,g";
    QTest::newRow("100 000 characters") << QString(100000, QChar(0x0416));
}

void test_notes_store::text_outside_cp1251_survives_a_restart()
{
    QFETCH(QString, text);
    calendar_rig rig;
    const QString key = rig.store->add_note(QDate(2026, 3, 5), text, false, QTime(0, 0));
    QCOMPARE(rig.on_disk("05.03.2026", key).first(), text);
    // The file holds CP1251 bytes only.
    const QByteArray bytes = read_file(rig.notes_file());
    if (text.startsWith(QChar(0x041F)))
        QVERIFY(bytes.contains(cp1251("Позвонить маме")));
}

void test_notes_store::a_change_on_disk_is_read_at_the_next_check()
{
    calendar_rig rig(notes_group("05.03.2026", {"1700000000=a"}));
    QVERIFY(!rig.store->reload_if_changed_on_disk());
    const quint64 before = rig.store->revision();
    rig.rewrite_file(notes_group("07.03.2026", {"1700000005=written elsewhere"}));
    QVERIFY(rig.store->reload_if_changed_on_disk());
    QVERIFY(rig.store->revision() > before);
    QCOMPARE(rig.store->dates(), QStringList{"07.03.2026"});
    QCOMPARE(rig.store->read(QDate(2026, 3, 7), "1700000005").first(), QStringLiteral("written elsewhere"));
    QVERIFY(!rig.store->reload_if_changed_on_disk());
}

void test_notes_store::garbage_file_reads_as_no_notes()
{
    QByteArray junk;
    for (int i = 0; i < 4096; ++i)
        junk += char((i * 7919) % 251 + 1);
    calendar_rig rig(junk);
    // Whatever the parser made of it, nothing crashes and nothing is today's.
    QCOMPARE(rig.store->today_text(), QString());
    rig.store->add_note(QDate(2026, 3, 5), "after garbage", false, QTime(0, 0));
    QCOMPARE(rig.store->today_text(), QStringLiteral("after garbage\n"));
}

QTEST_MAIN(test_notes_store)
#include "test_notes_store.moc"
