// ini_document: a settings file in memory that merges other programs'
// edits only as far as the file gives evidence, waits for a writer still at
// work, keeps a damaged file aside, refuses files past their limits, and
// writes only what changed.

#include "settings_rig.h"
#include "test_support.h"

#include "storage/ini_document.h"
#include "storage/ini_reader.h"
#include "storage/ini_writer.h"
#include "storage/storage_notices.h"

#include <QRandomGenerator>
#include <QTest>
#include <QThread>

#include <atomic>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QMap<QString, QString> on_disk(const QString &path)
{
    QMap<QString, QString> r;
    const QSettings::SettingsMap m = ini_reader::read(read_file(path)).map;
    // A note's record is a list: its text stands for it.
    for (auto it = m.cbegin(); it != m.cend(); ++it)
        r.insert(it.key(), it.value().typeId() == QMetaType::QStringList ? it.value().toStringList().value(0)
                                                                         : it.value().toString());
    return r;
}

QString joined(const QMap<QString, QString> &m)
{
    QStringList out;
    for (auto it = m.cbegin(); it != m.cend(); ++it)
        out << it.key() + "=" + it.value();
    return out.join(';');
}

// Past the file system's timestamp granularity and the document's wait for
// a writer at work, as a person or a program editing the file would be.
void later()
{
    QThread::msleep(120);
}

int mode_of(const QString &path)
{
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

QByteArray notes(int from, int count)
{
    QByteArray out;
    for (int i = from; i < from + count; ++i)
        out += "[" + QByteArray::number(1000 + i) + "]\n" + QByteArray::number(1700000000 + i) + "=note " +
               QByteArray::number(i) + ", 0, 0:00\n\n";
    return out;
}

} // namespace

class tst_ini_document : public QObject
{
    Q_OBJECT

    scripted_prompts m_prompts;
    temp_data_home m_home;
    int m_serial = 0;

    QString fresh(const QString &name = QStringLiteral("f.ini"))
    {
        const QString dir = m_home.home() + QStringLiteral("/d%1").arg(++m_serial);
        QDir().mkpath(dir);
        return dir + "/" + name;
    }
    int warnings_after_events()
    {
        QCoreApplication::processEvents();
        return int(m_prompts.warnings.size());
    }

private slots:
    void initTestCase() { storage_notices::set_prompts(&m_prompts); }
    void cleanupTestCase() { storage_notices::set_prompts(nullptr); }
    void init()
    {
        // Boxes still queued by the test before.
        QCoreApplication::processEvents();
        m_prompts.warnings.clear();
    }

    void merge_data();
    void merge();
    void save_writes_only_what_changed();
    void sections_copied_on_save_are_the_whole_write();
    void damaged_file_is_kept_aside_and_told_once();
    void another_writer_at_work_is_waited_for();
    void unwritable_folder_keeps_the_change_and_tries_again();
    void file_past_its_limits_is_left_alone_data();
    void file_past_its_limits_is_left_alone();
    void files_made_here_are_private();
};

void tst_ini_document::merge_data()
{
    QTest::addColumn<QByteArray>("base");
    QTest::addColumn<QString>("ours"); // "key=value", or "-key" to remove
    QTest::addColumn<QByteArray>("outside");
    QTest::addColumn<QString>("expected"); // on disk, "key=value" joined by ';'
    QTest::addColumn<int>("kept_back");

    QTest::newRow("outside adds a group")
        << QByteArray("[1]\na=1\n") << "1/a=2" << QByteArray("[1]\na=1\n[2]\nb=x\n") << "1/a=2;2/b=x" << 0;
    QTest::newRow("both change one key, ours wins")
        << QByteArray("[1]\na=1\n") << "1/a=2" << QByteArray("[1]\na=3\n") << "1/a=2" << 0;
    QTest::newRow("outside removes a key we left")
        << QByteArray("[1]\na=1\nb=1\n") << "1/a=2" << QByteArray("[1]\na=1\n") << "1/a=2" << 0;
    QTest::newRow("we remove, outside adds")
        << QByteArray("[1]\na=1\nb=1\n") << "-1/b" << QByteArray("[1]\na=1\nb=1\nc=1\n") << "1/a=1;1/c=1" << 0;
    QTest::newRow("file deleted outside") << QByteArray("[1]\na=1\n") << "2/b=2" << QByteArray() << "2/b=2" << 0;
    // No evidence of removals in these: what the file lacks is kept.
    QTest::newRow("a malformed group line")
        << QByteArray("[1]\na=1\n[2]\nb=2\n") << "3/c=3" << QByteArray("[1]\na=1\n[2\n") << "1/a=1;2/b=2;3/c=3" << 1;
    QTest::newRow("a line without '='") << QByteArray("[1]\na=1\nb=2\n") << "1/a=5" << QByteArray("[1]\ngarbage\n")
                                        << "1/a=5;1/b=2" << 2;
    QTest::newRow("cut off in the middle of a line")
        << QByteArray("[1]\na=1\n[2]\nb=2\n[3]\nc=3\n") << "4/d=4" << QByteArray("[1]\na=1\n[2]\nb=")
        << "1/a=1;2/b=2;3/c=3;4/d=4" << 2;
    QTest::newRow("NUL blocks after a crash") << QByteArray("[1]\na=1\nb=2\n") << "1/c=3"
                                              << QByteArray("[1]\na=1\n\0\0\0\0\0\0", 15) << "1/a=1;1/b=2;1/c=3" << 1;
}

void tst_ini_document::merge()
{
    QFETCH(QByteArray, base);
    QFETCH(QString, ours);
    QFETCH(QByteArray, outside);
    QFETCH(QString, expected);
    QFETCH(int, kept_back);

    const QString path = fresh();
    write_file(path, base);
    ini_document doc(path);
    if (ours.startsWith('-'))
        doc.remove(ours.mid(1));
    else
        doc.set(ours.section('=', 0, 0), ours.section('=', 1));
    later();
    if (outside.isEmpty())
        QFile::remove(path);
    else
        write_file(path, outside);
    later();
    QCOMPARE(doc.save(), ini_write_outcome::written);
    QCOMPARE(joined(on_disk(path)), expected);
    QCOMPARE(doc.kept_back(), kept_back);
    QVERIFY(!doc.changed_on_disk());
    QVERIFY(!doc.unsaved());
}

void tst_ini_document::save_writes_only_what_changed()
{
    const QString path = fresh();
    write_file(path, "[1]\na=1\nb=text\n");
    later();
    ini_document doc(path);
    const file_stamp first = file_stamp::of(path);
    QCOMPARE(doc.save(), ini_write_outcome::written);
    QVERIFY(!doc.set("1/a", 1)); // what is there already, as a number
    QVERIFY(!doc.set("1/b", QStringLiteral("text")));
    QCOMPARE(doc.save(), ini_write_outcome::written);
    QVERIFY(file_stamp::of(path) == first);
    QVERIFY(doc.set("1/a", 2));
    QVERIFY(doc.unsaved());
    QCOMPARE(doc.save(), ini_write_outcome::written);
    QVERIFY(!(file_stamp::of(path) == first));
    QCOMPARE(on_disk(path).value("1/a"), QStringLiteral("2"));
}

void tst_ini_document::sections_copied_on_save_are_the_whole_write()
{
    const QString path = fresh(QStringLiteral("alarm.ini"));
    QByteArray text;
    for (int g = 0; g < 60; ++g)
        for (const char *k : {"name", "time", "lastrun"})
            text += "[" + QByteArray::number(1700000000 + g * 7) + "]\n" + k + "=v" + QByteArray::number(g) + "\n";
    write_file(path, text);
    ini_document doc(path);
    QRandomGenerator rng(5);
    for (int round = 0; round < 40; ++round) {
        const QString group = QString::number(1700000000 + int(rng.bounded(70)) * 7);
        switch (rng.bounded(4)) {
        case 0:
            doc.remove(group);
            break;
        case 1:
            doc.set(group + "/extra", QStringList{"a", QString::number(round)});
            break;
        default:
            doc.set(group + "/lastrun", QStringLiteral("0%1:03:2026").arg(round % 10));
        }
        QCOMPARE(doc.save(), ini_write_outcome::written);
        QCOMPARE(read_file(path), ini_writer::write(doc.keys()));
    }
}

void tst_ini_document::damaged_file_is_kept_aside_and_told_once()
{
    const QString path = fresh(QStringLiteral("my_notes.ini"));
    const QByteArray damaged = notes(0, 6) + "[15.03.2026\n";
    write_file(path, damaged);
    ini_document doc(path);
    QCOMPARE(doc.groups().size(), 6);
    QCOMPARE(warnings_after_events(), 1);
    QVERIFY2(m_prompts.warnings[0].contains(QStringLiteral("[15.03.2026")), qPrintable(m_prompts.warnings[0]));
    QVERIFY(!QFile::exists(path + ".unreadable"));

    doc.set("15.03.2026/1773532800", QStringList{"new", "0", "0:00"});
    QCOMPARE(doc.save(), ini_write_outcome::written);
    QCOMPARE(read_file(path + ".unreadable"), damaged);
    QCOMPARE(on_disk(path).size(), 7);
    QCOMPARE(mode_of(path + ".unreadable"), 0600);
    // The file is whole again: no second copy, no second box.
    doc.set("15.03.2026/1773532801", QStringList{"more", "0", "0:00"});
    QCOMPARE(doc.save(), ini_write_outcome::written);
    QVERIFY(!QFile::exists(path + ".unreadable.1"));
    ini_document again(path);
    QCOMPARE(again.groups().size(), 7);
    QCOMPARE(warnings_after_events(), 1);
}

// A program that writes the file in place, a slice at a time, over about
// a second: nothing is merged from the half-written file and the file is
// never replaced under the writer; once it is done, both sides' notes are
// there.
void tst_ini_document::another_writer_at_work_is_waited_for()
{
    const QString path = fresh(QStringLiteral("my_notes.ini"));
    write_file(path, notes(0, 500));
    later();
    ini_document doc(path);
    QCOMPARE(doc.groups().size(), 500);

    const QByteArray theirs = notes(0, 2000);
    std::atomic<bool> done = false;
    std::thread writer([&] {
        const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_TRUNC);
        for (qsizetype at = 0; at < theirs.size(); at += 4096) {
            const qsizetype n = qMin<qsizetype>(4096, theirs.size() - at);
            if (::write(fd, theirs.constData() + at, size_t(n)) != n)
                break;
            QThread::msleep(25);
        }
        ::close(fd);
        done = true;
    });
    bool ours_added = false;
    while (!done) {
        doc.refresh();
        if (!ours_added && doc.waits() > 0) {
            doc.set("3500/1799999999", QStringList{"ours", "0", "0:00"});
            ours_added = true;
        }
        doc.save();
        QThread::msleep(30);
    }
    writer.join();
    QVERIFY(ours_added);
    QThread::msleep(file_settle::settle_ms + 20);
    QCOMPARE(doc.save(), ini_write_outcome::written);
    const QMap<QString, QString> disk = on_disk(path);
    QCOMPARE(disk.size(), 2001);
    QCOMPARE(disk.value("3500/1799999999"), QStringLiteral("ours"));
    QCOMPARE(doc.groups().size(), 2001);
    QVERIFY(doc.waits() > 0);
}

void tst_ini_document::unwritable_folder_keeps_the_change_and_tries_again()
{
    const QString path = fresh(QStringLiteral("my_notes.ini"));
    write_file(path, notes(0, 3));
    later();
    ini_document doc(path);
    const QString folder = QFileInfo(path).absolutePath();
    {
        folder_lock locked(folder);
        if (!locked.locked())
            QSKIP("cannot make a folder unwritable here");
        doc.set("1000/1800000000", QStringList{"kept in memory", "0", "0:00"});
        QCOMPARE(doc.save(), ini_write_outcome::failed);
        QCOMPARE(doc.save(), ini_write_outcome::failed);
        QVERIFY(doc.unsaved());
        QCOMPARE(doc.value("1000/1800000000").toStringList().value(0), QStringLiteral("kept in memory"));
        QCOMPARE(warnings_after_events(), 1);
        QVERIFY2(m_prompts.warnings[0].contains(path), qPrintable(m_prompts.warnings[0]));
        QCOMPARE(on_disk(path).size(), 3);
    }
    QCOMPARE(doc.save(), ini_write_outcome::written);
    QCOMPARE(on_disk(path).value("1000/1800000000"), QStringLiteral("kept in memory"));
    QVERIFY(!doc.unsaved());
}

void tst_ini_document::file_past_its_limits_is_left_alone_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("said");
    QByteArray events;
    for (int i = 0; i < 5001; ++i)
        events += "[" + QByteArray::number(1700000000 + i) + "]\nrepeat=1\n";
    QTest::newRow("alarm.ini of 5001 events") << "alarm.ini" << events << QStringLiteral("5001 событий");
    QByteArray big = "[01.01.2026]\n1700000000=";
    big += QByteArray(33 << 20, 'x');
    QTest::newRow("my_notes.ini of 33 MB") << "my_notes.ini" << big << QStringLiteral("33 МБ");
}

void tst_ini_document::file_past_its_limits_is_left_alone()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, text);
    QFETCH(QString, said);
    const QString path = fresh(name);
    write_file(path, text);
    ini_document doc(path);
    QVERIFY(doc.refused());
    QVERIFY(doc.keys().isEmpty());
    QCOMPARE(warnings_after_events(), 1);
    QVERIFY2(m_prompts.warnings[0].contains(said), qPrintable(m_prompts.warnings[0]));
    QVERIFY(!doc.set("1/a", 1));
    QVERIFY(!doc.remove("1700000000"));
    QCOMPARE(doc.save(), ini_write_outcome::written); // nothing to write
    QVERIFY(read_file(path) == text);
}

void tst_ini_document::files_made_here_are_private()
{
    const QString made = fresh();
    ini_document fresh_doc(made);
    fresh_doc.set("1/a", 1);
    QCOMPARE(fresh_doc.save(), ini_write_outcome::written);
    QCOMPARE(mode_of(made), 0600);

    const QString existing = fresh();
    write_file(existing, "[1]\na=1\n");
    QFile::setPermissions(existing, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                                        QFileDevice::ReadOther);
    later();
    ini_document doc(existing);
    doc.set("1/a", 2);
    QCOMPARE(doc.save(), ini_write_outcome::written);
    QCOMPARE(mode_of(existing), 0644);
}

QTEST_GUILESS_MAIN(tst_ini_document)
#include "tst_ini_document.moc"
