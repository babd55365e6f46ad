// The event store on a real alarm.ini: enumeration order, both default
// columns, deletion, unique keys, nested group use, Cyrillic text.

#include "test_support.h"

#include "scheduler/event_store.h"
#include "storage/data_folder.h"
#include "storage/ini_format.h"

#include <QFile>
#include <QTest>

namespace k = event_keys;

class test_event_store : public QObject
{
    Q_OBJECT

private slots:
    void missing_file_has_no_events_and_first_write_creates_it();
    void events_come_in_text_order();
    void absent_keys_give_each_readers_default();
    void deleting_removes_every_key();
    void new_keys_stay_unique_within_a_second();
    void nested_user_gets_its_own_group();
    void cyrillic_is_stored_in_cp1251_and_read_back();
};

void test_event_store::missing_file_has_no_events_and_first_write_creates_it()
{
    temp_data_home home;
    QDir().mkpath(home.data_folder());
    auto ini = ini_format::open(data_folder::file("//alarm.ini"));
    event_store store(*ini);
    QVERIFY(store.events().isEmpty());
    const QString key = store.new_key(QDateTime::fromSecsSinceEpoch(1700000000));
    QCOMPARE(key, QStringLiteral("1700000000"));
    {
        event_store::scope in(store, key);
        store.write(k::name, QStringLiteral("first"));
    }
    store.sync();
    QVERIFY(QFile::exists(home.data_folder() + "/alarm.ini"));
    QCOMPARE(store.events(), QStringList{key});
}

void test_event_store::events_come_in_text_order()
{
    temp_data_home home;
    write_file(home.data_folder() + "/alarm.ini", "[1700000010]\nname=b\n[999]\nname=c\n[1700000002]\nname=a\n");
    auto ini = ini_format::open(data_folder::file("//alarm.ini"));
    event_store store(*ini);
    QCOMPARE(store.events(), (QStringList{"1700000002", "1700000010", "999"}));
}

void test_event_store::absent_keys_give_each_readers_default()
{
    temp_data_home home;
    write_file(home.data_folder() + "/alarm.ini", "[1]\nname=x\n[2]\nrepeat_min=abc\nrepeat=7\nbeep_pc=true\n");
    auto ini = ini_format::open(data_folder::file("//alarm.ini"));
    event_store store(*ini);
    {
        event_store::scope in(store, "1");
        QCOMPARE(store.read(k::repeat_min), 0);
        QCOMPARE(store.read(k::repeat_min, event_store::reader::page), 1);
        QCOMPARE(store.read(k::lastrun), QStringLiteral("00:00:0000:00:00"));
        QCOMPARE(store.read(k::repeat), 0);
        QCOMPARE(store.read(k::day[6]), false);
        QCOMPARE(store.read(k::time), QString());
    }
    {
        event_store::scope in(store, "2");
        QCOMPARE(store.read(k::repeat_min), 0); // unreadable
        QCOMPARE(store.read(k::repeat_min, event_store::reader::page), 1);
        QCOMPARE(store.read(k::repeat), 7);
        QCOMPARE(store.read(k::beep_pc), true);
    }
}

void test_event_store::deleting_removes_every_key()
{
    temp_data_home home;
    write_file(home.data_folder() + "/alarm.ini",
               "[1700000000]\nname=x\nlastrun=05:03:2026:10:15\ntime=10:15\n[1700000001]\nname=y\n");
    auto ini = ini_format::open(data_folder::file("//alarm.ini"));
    event_store store(*ini);
    store.remove_event("1700000000");
    QCOMPARE(store.events(), QStringList{"1700000001"});
    QVERIFY(!store.inside());
    // A new event under the same key starts clean.
    {
        event_store::scope in(store, "1700000000");
        store.write(k::name, QStringLiteral("again"));
        QVERIFY(!store.has("lastrun"));
    }
    store.sync();
    QVERIFY(!read_file(home.data_folder() + "/alarm.ini").contains("lastrun"));
}

void test_event_store::new_keys_stay_unique_within_a_second()
{
    temp_data_home home;
    write_file(home.data_folder() + "/alarm.ini", "[1700000000]\nname=x\n[1700000001]\nname=y\n");
    auto ini = ini_format::open(data_folder::file("//alarm.ini"));
    event_store store(*ini);
    const QDateTime now = QDateTime::fromSecsSinceEpoch(1700000000);
    QCOMPARE(store.new_key(now), QStringLiteral("1700000002"));
    QCOMPARE(store.new_key(now.addSecs(5)), QStringLiteral("1700000005"));
    // Works from inside a group too.
    event_store::scope in(store, "1700000000");
    QCOMPARE(store.new_key(now), QStringLiteral("1700000002"));
    QCOMPARE(store.read(k::name), QStringLiteral("x"));
}

void test_event_store::nested_user_gets_its_own_group()
{
    temp_data_home home;
    write_file(home.data_folder() + "/alarm.ini", "[100]\nname=outer\n[200]\nname=inner\n");
    auto ini = ini_format::open(data_folder::file("//alarm.ini"));
    event_store store(*ini);
    store.enter("100");
    store.write(k::alarmmessage, QStringLiteral("before"));
    {
        // Someone else, inside a nested event loop.
        event_store::scope in(store, "200");
        QCOMPARE(store.read(k::name), QStringLiteral("inner"));
        store.write(k::disable, true);
        QCOMPARE(store.events(), (QStringList{"100", "200"}));
    }
    QCOMPARE(store.read(k::name), QStringLiteral("outer"));
    store.write(k::lastrun, QStringLiteral("05:03:2026:10:15"));
    store.leave();
    QVERIFY(!store.inside());
    const ini_document &doc = store.document();
    QCOMPARE(doc.groups(), (QStringList{"100", "200"}));
    QCOMPARE(doc.value("100/lastrun").toString(), QStringLiteral("05:03:2026:10:15"));
    QCOMPARE(doc.value("200/disable").toString(), QStringLiteral("true"));
    QVERIFY(!doc.contains("200/lastrun"));
    QVERIFY(!doc.contains("100/200/disable"));
}

void test_event_store::cyrillic_is_stored_in_cp1251_and_read_back()
{
    temp_data_home home;
    QDir().mkpath(home.data_folder());
    const QString text = QStringLiteral("Позвонить маме, в 10:00\nвторая строка");
    {
        auto ini = ini_format::open(data_folder::file("//alarm.ini"));
        event_store store(*ini);
        event_store::scope in(store, "1700000000");
        store.write(k::alarmmessage, text);
        store.write(k::name, QStringLiteral("Звонок ✓"));
    }
    const QByteArray bytes = read_file(home.data_folder() + "/alarm.ini");
    QVERIFY(bytes.contains("\xcf\xee\xe7\xe2\xee\xed\xe8\xf2\xfc")); // "Позвонить" in CP1251
    // The settings library caches by path: read a copy.
    const QString copy = home.home() + "/copy.ini";
    QVERIFY(QFile::copy(home.data_folder() + "/alarm.ini", copy));
    auto again = ini_format::open(copy);
    event_store store(*again);
    event_store::scope in(store, "1700000000");
    QCOMPARE(store.read(k::alarmmessage), text);
    QCOMPARE(store.read(k::name), QStringLiteral("Звонок ✓"));
}

QTEST_MAIN(test_event_store)
#include "tst_event_store.moc"
