// The notes store over a real my_notes.ini: keys, records, flushing, the
// date list, today's text, and files written by hand or by other programs.

#include "calendar_rig.h"

#include "calendar/note_reminders.h"
#include "settings_rig.h"
#include "storage/ini_format.h"
#include "storage/storage_notices.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QThread>

namespace {

// Every note on disk now as "date=text", sorted, read without the store.
QStringList notes_on_disk(const QString &path)
{
    QFile f(path);
    QSettings::SettingsMap map;
    if (f.open(QIODevice::ReadOnly))
        ini_format::read(f, map);
    QStringList out;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        out << it.key().section('/', 0, 0) + '=' + it.value().toStringList().value(0);
    out.sort();
    return out;
}

// Another program rewrites the file; a sync tool also puts the old
// modification time back.
void outside_edit(calendar_rig &rig, const QByteArray &notes_ini, bool keep_time)
{
    const QDateTime old = QFileInfo(rig.notes_file()).lastModified();
    rig.rewrite_file(notes_ini);
    if (keep_time) {
        QFile f(rig.notes_file());
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(old, QFileDevice::FileModificationTime));
    }
}

} // namespace

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
    void date_names_are_the_dotted_day_month_year();
    void text_outside_cp1251_survives_a_restart_data();
    void text_outside_cp1251_survives_a_restart();
    void a_change_on_disk_is_read_at_the_next_check();
    void garbage_file_reads_as_no_notes();
    void another_writers_change_survives_ours_data();
    void another_writers_change_survives_ours();
    void shown_note_stays_shown_through_an_outside_edit();
    void a_malformed_line_never_wipes_notes_data();
    void a_malformed_line_never_wipes_notes();
    void a_malformed_line_written_while_running_wipes_nothing();
    void unwritable_folder_keeps_the_note_and_says_so();
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

void test_notes_store::date_names_are_the_dotted_day_month_year()
{
    for (const QDate d : {QDate(2026, 3, 5), QDate(1999, 12, 31), QDate(33, 1, 2), QDate(9999, 12, 31),
                          QDate(10000, 1, 1), QDate(-44, 3, 15), QDate()})
        QCOMPARE(notes_store::date_name(d), d.toString(QStringLiteral("dd.MM.yyyy")));
    QCOMPARE(notes_store::date_name(QDate(2026, 3, 5)), QStringLiteral("05.03.2026"));
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

void test_notes_store::another_writers_change_survives_ours_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("outside");
    QTest::addColumn<bool>("keep_time");
    QTest::addColumn<QString>("ours"); // add, replace or remove note 1700000000 of 05.03.2026
    QTest::addColumn<QStringList>("expected");

    const QByteArray a = notes_group("05.03.2026", {"1700000000=a"});
    const QByteArray ab = notes_group("05.03.2026", {"1700000000=a", "1700000001=bbbb"});
    QTest::newRow("a note on another date, we add")
        << a << a + notes_group("06.03.2026", {"1700000002=theirs"}) << false << "add"
        << QStringList{"05.03.2026=a", "05.03.2026=ours", "06.03.2026=theirs"};
    QTest::newRow("another note of the date changed, we edit")
        << ab << notes_group("05.03.2026", {"1700000000=a", "1700000001=b changed"}) << false << "replace"
        << QStringList{"05.03.2026=b changed", "05.03.2026=ours"};
    QTest::newRow("same size, modification time put back")
        << ab << notes_group("05.03.2026", {"1700000000=a", "1700000001=cccc"}) << true << "replace"
        << QStringList{"05.03.2026=cccc", "05.03.2026=ours"};
    QTest::newRow("a note removed there stays removed")
        << ab << a << false << "add" << QStringList{"05.03.2026=a", "05.03.2026=ours"};
    QTest::newRow("a date added there, we remove ours")
        << ab << ab + notes_group("07.03.2026", {"1700000003=theirs"}) << false << "remove"
        << QStringList{"05.03.2026=bbbb", "07.03.2026=theirs"};
    QTest::newRow("both change one note, ours wins") << a << notes_group("05.03.2026", {"1700000000=theirs"}) << false
                                                     << "replace" << QStringList{"05.03.2026=ours"};
}

void test_notes_store::another_writers_change_survives_ours()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, outside);
    QFETCH(bool, keep_time);
    QFETCH(QString, ours);
    QFETCH(QStringList, expected);

    calendar_rig rig(before);
    // Written after our read and before our write, which has not looked.
    outside_edit(rig, outside, keep_time);
    const QDate day(2026, 3, 5);
    if (ours == "add")
        rig.store->add_note(day, "ours", false, QTime(0, 0));
    else if (ours == "replace")
        rig.store->replace_note(day, "1700000000", "ours", false, QTime(0, 0));
    else
        rig.store->remove_note(day, "1700000000");
    QCOMPARE(notes_on_disk(rig.notes_file()), expected);
    // The store sees what is on disk, and has nothing left to take in.
    QStringList in_store;
    for (const QString &date : rig.store->dates())
        for (const QString &key : rig.store->keys(date))
            in_store << date + '=' + rig.store->read(date, key).value(0);
    in_store.sort();
    QCOMPARE(in_store, expected);
    QVERIFY(!rig.store->reload_if_changed_on_disk());
}

void test_notes_store::shown_note_stays_shown_through_an_outside_edit()
{
    const QDate day(2026, 3, 5);
    const QByteArray mine = notes_group("05.03.2026", {"1700000000=call, 2, 10:00", "1700000001=later, 2, 10:03"});
    calendar_rig rig(mine, QDateTime(day, QTime(10, 0, 1)));
    // Another program adds a note just before the check writes its mark.
    outside_edit(rig, mine + notes_group("09.03.2026", {"1700000002=theirs"}), false);
    QCOMPARE(note_reminders::check(*rig.store, rig.clock.now()), QStringList{"call"});
    QCOMPARE(rig.on_disk("05.03.2026", "1700000000"), (QStringList{"call", "2", "10:00", "05:03:2026:10:00", "1"}));
    QCOMPARE(rig.on_disk("09.03.2026", "1700000002"), QStringList{"theirs"});

    // And another edit elsewhere after the mark, from the file as it is now.
    QByteArray now = read_file(rig.notes_file());
    now.replace("theirs", "theirs again");
    outside_edit(rig, now, false);
    QStringList fired;
    for (QDateTime t(day, QTime(10, 0, 6)); t <= QDateTime(day, QTime(10, 5)); t = t.addSecs(5)) {
        rig.clock.set(t);
        rig.store->reload_if_changed_on_disk();
        fired += note_reminders::check(*rig.store, t);
    }
    QCOMPARE(fired, QStringList{"later"});
    QCOMPARE(rig.on_disk("09.03.2026", "1700000002"), QStringList{"theirs again"});
}

QTEST_MAIN(test_notes_store)
// Six notes, one per date, as a user has them.
QByteArray six_notes()
{
    QByteArray out;
    for (int d = 1; d <= 6; ++d)
        out += notes_group(QStringLiteral("%1.03.2026").arg(d, 2, 10, QChar('0')),
                           {QStringLiteral("17000000%1=заметка %1, 0, 0:00").arg(d)});
    return out;
}

void test_notes_store::a_malformed_line_never_wipes_notes_data()
{
    QTest::addColumn<QByteArray>("damage");
    QTest::newRow("a group line without its bracket") << QByteArray("[15.03.2026\n");
    QTest::newRow("a line without '='") << QByteArray("just some words\n");
    QTest::newRow("a quote left open") << QByteArray("1700000099=\"unfinished\n");
    QTest::newRow("NUL bytes of a crash") << QByteArray(4096, '\0');
}

void test_notes_store::a_malformed_line_never_wipes_notes()
{
    QFETCH(QByteArray, damage);
    QCoreApplication::processEvents(); // boxes the tests before still have queued
    scripted_prompts prompts;
    storage_notices::set_prompts(&prompts);
    const QByteArray text = six_notes() + damage;
    calendar_rig rig(text);
    QCOMPARE(rig.store->dates().size(), 6);
    QCoreApplication::processEvents();
    QCOMPARE(prompts.warnings.size(), 1); // told, once
    QVERIFY(!QFile::exists(rig.notes_file() + ".unreadable"));

    rig.store->add_note(QDate(2026, 3, 20), "new", false, QTime(0, 0));
    QCOMPARE(rig.groups_on_disk().size(), 7);
    for (int d = 1; d <= 6; ++d)
        QCOMPARE(
            rig.on_disk(QStringLiteral("%1.03.2026").arg(d, 2, 10, QChar('0')), QStringLiteral("17000000%1").arg(d))
                .value(0),
            QStringLiteral("заметка %1").arg(d));
    // The damaged file as it was, kept before it was replaced.
    QCOMPARE(read_file(rig.notes_file() + ".unreadable"), text);
    rig.store->add_note(QDate(2026, 3, 21), "newer", false, QTime(0, 0));
    QCoreApplication::processEvents();
    QCOMPARE(prompts.warnings.size(), 1);
    QVERIFY(!QFile::exists(rig.notes_file() + ".unreadable.1"));
    storage_notices::set_prompts(nullptr);
}

void test_notes_store::a_malformed_line_written_while_running_wipes_nothing()
{
    calendar_rig rig(six_notes());
    QThread::msleep(20);
    {
        QFile f(rig.notes_file());
        QVERIFY(f.open(QIODevice::Append));
        f.write("[15.03.2026\n");
    }
    // The next check reads it: every note stays, in the store and on disk.
    rig.store->reload_if_changed_on_disk();
    QCOMPARE(rig.store->dates().size(), 6);
    rig.store->add_note(QDate(2026, 3, 5), "ours", false, QTime(0, 0));
    QCOMPARE(rig.groups_on_disk().size(), 6);
    QCOMPARE(rig.store->keys(QDate(2026, 3, 5)).size(), 2);
    QVERIFY(QFile::exists(rig.notes_file() + ".unreadable"));
}

void test_notes_store::unwritable_folder_keeps_the_note_and_says_so()
{
    QCoreApplication::processEvents(); // boxes the tests before still have queued
    scripted_prompts prompts;
    storage_notices::set_prompts(&prompts);
    auto rig = std::make_unique<calendar_rig>(six_notes());
    {
        folder_lock locked(rig->home.data_folder());
        if (!locked.locked())
            QSKIP("cannot make a folder unwritable here");
        rig->store->add_note(QDate(2026, 3, 5), "unsaved", false, QTime(0, 0));
        QCoreApplication::processEvents();
        // Said at once, and the note is there for the calendar meanwhile.
        QCOMPARE(prompts.warnings.size(), 1);
        QVERIFY2(prompts.warnings[0].contains(rig->notes_file()), qPrintable(prompts.warnings[0]));
        QVERIFY(rig->store->unsaved());
        QCOMPARE(rig->store->today_text(), QStringLiteral("заметка 5\nunsaved\n"));
        QCOMPARE(rig->groups_on_disk().size(), 6);
    }
    // Tried again by itself once the folder can be written.
    QTRY_VERIFY_WITH_TIMEOUT(!rig->store->unsaved(), 8000);
    QCOMPARE(rig->on_disk("05.03.2026", rig->store->keys(QDate(2026, 3, 5)).last()).value(0),
             QStringLiteral("unsaved"));
    QCOMPARE(prompts.warnings.size(), 1);

    // Still unwritable at exit: said in a box then.
    {
        folder_lock locked(rig->home.data_folder());
        rig->store->add_note(QDate(2026, 3, 6), "lost at exit", false, QTime(0, 0));
        QCoreApplication::processEvents();
        QCOMPARE(prompts.warnings.size(), 2); // told again: the trouble is back
        rig->store.reset();
    }
    QCOMPARE(prompts.warnings.size(), 3);
    QVERIFY2(prompts.warnings.last().contains(QStringLiteral("будут потеряны")), qPrintable(prompts.warnings.last()));
    storage_notices::set_prompts(nullptr);
}

#include "tst_notes_store.moc"
