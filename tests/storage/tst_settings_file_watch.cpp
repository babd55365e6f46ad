// settings_file_watch: another program's edit made between our reads and
// our write survives it, key by key; on a key both sides changed ours wins.

#include "test_support.h"

#include "storage/ini_format.h"
#include "storage/settings_file_watch.h"

#include <QTest>
#include <QThread>

class tst_settings_file_watch : public QObject
{
    Q_OBJECT

private slots:
    void merge_data();
    void merge();
    void unchanged_file_reads_nothing();
    void refresh_takes_in_an_outside_edit();
};

namespace {

QMap<QString, QString> on_disk(const QString &path)
{
    QFile f(path);
    QSettings::SettingsMap map;
    if (f.open(QIODevice::ReadOnly))
        ini_format::read(f, map);
    QMap<QString, QString> r;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        r.insert(it.key(), it.value().toString());
    return r;
}

// Past the file system's timestamp granularity, as a person or a program
// editing the file would be.
void later()
{
    QThread::msleep(30);
}

} // namespace

void tst_settings_file_watch::merge_data()
{
    QTest::addColumn<QByteArray>("base");
    QTest::addColumn<QString>("ours"); // "key=value", or "-key" to remove
    QTest::addColumn<QByteArray>("outside");
    QTest::addColumn<QString>("expected"); // "key=value" joined by ';', sorted
    QTest::addColumn<int>("conflicts");

    QTest::newRow("outside adds a group")
        << QByteArray("[1]\na=1\n") << "1/a=2" << QByteArray("[1]\na=1\n[2]\nb=x\n") << "1/a=2;2/b=x" << 0;
    QTest::newRow("outside changes another key")
        << QByteArray("[1]\na=1\nb=1\n") << "1/a=2" << QByteArray("[1]\na=1\nb=5\n") << "1/a=2;1/b=5" << 0;
    QTest::newRow("both change one key, ours wins")
        << QByteArray("[1]\na=1\n") << "1/a=2" << QByteArray("[1]\na=3\n") << "1/a=2" << 1;
    QTest::newRow("both make the same change")
        << QByteArray("[1]\na=1\n") << "1/a=2" << QByteArray("[1]\na=2\n") << "1/a=2" << 0;
    QTest::newRow("outside removes a key we left")
        << QByteArray("[1]\na=1\nb=1\n") << "1/a=2" << QByteArray("[1]\na=1\n") << "1/a=2" << 0;
    QTest::newRow("we remove, outside adds")
        << QByteArray("[1]\na=1\nb=1\n") << "-1/b" << QByteArray("[1]\na=1\nb=1\nc=1\n") << "1/a=1;1/c=1" << 0;
    QTest::newRow("outside removes the group we write into")
        << QByteArray("[1]\na=1\n[2]\nb=1\n") << "2/b=2" << QByteArray("[1]\na=1\n") << "1/a=1;2/b=2" << 1;
    QTest::newRow("file deleted outside") << QByteArray("[1]\na=1\n") << "2/b=2" << QByteArray() << "2/b=2" << 0;
}

void tst_settings_file_watch::merge()
{
    QFETCH(QByteArray, base);
    QFETCH(QString, ours);
    QFETCH(QByteArray, outside);
    QFETCH(QString, expected);
    QFETCH(int, conflicts);

    temp_data_home home;
    // A fresh path per row: the settings library caches files by path.
    const QString path = home.home() + "/" + QTest::currentDataTag() + ".ini";
    write_file(path, base);
    auto s = ini_format::open(path);
    settings_file_watch watch(*s);
    if (ours.startsWith('-'))
        s->remove(ours.mid(1));
    else
        s->setValue(ours.section('=', 0, 0), ours.section('=', 1));
    later();
    if (outside.isEmpty())
        QFile::remove(path);
    else
        write_file(path, outside);
    watch.sync();

    QStringList got;
    const auto disk = on_disk(path);
    for (auto it = disk.cbegin(); it != disk.cend(); ++it)
        got << it.key() + "=" + it.value();
    QCOMPARE(got.join(';'), expected);
    QCOMPARE(watch.conflicts(), conflicts);
    QVERIFY(!watch.changed_on_disk());
}

void tst_settings_file_watch::unchanged_file_reads_nothing()
{
    temp_data_home home;
    const QString path = home.home() + "/same.ini";
    write_file(path, "[1]\na=1\n");
    auto s = ini_format::open(path);
    settings_file_watch watch(*s);
    QVERIFY(!watch.changed_on_disk());
    QVERIFY(!watch.refresh());
    s->setValue("1/a", "2");
    watch.sync();
    QVERIFY(!watch.changed_on_disk());
    QCOMPARE(watch.taken_in(), 0);
    QCOMPARE(on_disk(path).value("1/a"), QStringLiteral("2"));
}

void tst_settings_file_watch::refresh_takes_in_an_outside_edit()
{
    temp_data_home home;
    const QString path = home.home() + "/refresh.ini";
    write_file(path, "[1]\na=1\n");
    auto s = ini_format::open(path);
    settings_file_watch watch(*s);
    QCOMPARE(s->value("1/a").toString(), QStringLiteral("1"));
    later();
    // Replaced by rename, as editors and sync tools do.
    write_file(path + ".new", "[1]\na=7\n[2]\nname=\xcd\xee\xe2\xee\xe5\n");
    QFile::remove(path);
    QFile::rename(path + ".new", path);
    QVERIFY(watch.changed_on_disk());
    QVERIFY(watch.refresh());
    QCOMPARE(s->value("1/a").toString(), QStringLiteral("7"));
    QCOMPARE(s->value("2/name").toString(), QStringLiteral("Новое"));
    QCOMPARE(s->childGroups(), (QStringList{"1", "2"}));
}

QTEST_GUILESS_MAIN(tst_settings_file_watch)
#include "tst_settings_file_watch.moc"
