#include "settings_rig.h"
#include "storage/ini_format.h"
#include "storage/storage_notices.h"
#include "test_support.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>

class tst_ini_format : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_serial = 0;

    QString fresh_path() { return m_dir.path() + QString("/f%1.ini").arg(++m_serial); }

    // Reads a file back in a separate process.
    QJsonObject dump(const QString &path)
    {
        QProcess p;
        p.start(qEnvironmentVariable("ORVELLA_INI_TOOL"), {"dump", path});
        if (!p.waitForFinished(10000))
            return {};
        return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
    }

    // Reads a file back in this process through a path never used before.
    QVariant read_back(const QString &path, const QString &key)
    {
        const QString copy = fresh_path();
        QFile::copy(path, copy);
        return ini_format::open(copy)->value(key);
    }

private slots:
    void round_trip_in_new_process_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::newRow("cyrillic") << QVariant(QStringLiteral("Привет, мир! Ёж №5"));
        QTest::newRow("list with commas and quotes") << QVariant(QStringList{"a,b", "with \"quotes\"", "плюс", ""});
        QTest::newRow("emoji") << QVariant(QStringLiteral("будильник 😀 ok"));
        QTest::newRow("chinese then hex digits") << QVariant(QStringLiteral("中a1F漢9"));
        QTest::newRow("line breaks and backslash") << QVariant(QStringLiteral("line 1\nline 2\\x41\ttab"));
        QTest::newRow("leading at-sign") << QVariant(QStringLiteral("@String(not a marker)"));
        QTest::newRow("spaces kept") << QVariant(QStringLiteral("  padded  "));
        QTest::newRow("number") << QVariant(QStringLiteral("0.49"));
        QTest::newRow("colour name") << QVariant(QStringLiteral("#c0c0c0"));
        QTest::newRow("font description") << QVariant(QStringLiteral("Sans Serif,12,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"));
    }
    void round_trip_in_new_process()
    {
        QFETCH(QVariant, value);
        const QString path = fresh_path();
        {
            auto s = ini_format::open(path);
            s->setValue("TYPE/key", value);
            s->setValue("Группа ключ/ключ", value); // non-ASCII group and key
            s->setValue("top", value);
            s->sync();
            QCOMPARE(s->status(), QSettings::NoError);
        }
        const QJsonObject o = dump(path);
        const bool list = value.typeId() == QMetaType::QStringList;
        for (const char *k : {"TYPE/key", "Группа ключ/ключ", "top"}) {
            const QVariant got = o.value(QString::fromUtf8(k)).toVariant();
            if (list)
                QCOMPARE(got.toStringList(), value.toStringList());
            else
                QCOMPARE(got, value);
        }
    }

    void bytes_on_disk_are_cp1251_with_escapes()
    {
        const QString path = fresh_path();
        {
            auto s = ini_format::open(path);
            s->setValue("A/ru", QStringLiteral("Привет"));
            s->setValue("A/smile", QStringLiteral("😀a"));
            s->setValue("A/mixed", QStringLiteral("中 Ёж"));
            s->sync();
        }
        const QByteArray bytes = read_file(path);
        QVERIFY2(bytes.contains("ru=\xcf\xf0\xe8\xe2\xe5\xf2"), bytes.constData());
        // Two escaped UTF-16 units, and the hex digit after them escaped as well.
        QVERIFY2(bytes.contains("smile=\\xd83d\\xde00\\x61"), bytes.constData());
        // Characters the code page has stay plain bytes after one it lacks.
        QVERIFY2(bytes.contains("mixed=\\x4e2d \xa8\xe6"), bytes.constData());
        QVERIFY(!bytes.contains('?'));
    }

    void reads_a_file_written_on_windows()
    {
        const QString path = fresh_path();
        write_file(path, "[TYPE]\r\nclock=analog\r\nname=\xcf\xf0\xe8\xe2\xe5\xf2 \xb9"
                         "1\r\n"
                         "font=\"Arial,12,-1,5,50,0,0,0,0,0\"\r\nlist=one, \xe4\xe2\xe0, three\r\n"
                         "[Gradient_BK]\r\n0=#f5f5f5\r\n0.49=#c0c0c0\r\n1=#c0c0c0\r\n");
        const QJsonObject o = dump(path);
        QCOMPARE(o.value("TYPE/clock").toString(), QString("analog"));
        QCOMPARE(o.value("TYPE/name").toString(), QStringLiteral("Привет №1"));
        QCOMPARE(o.value("TYPE/font").toString(), QString("Arial,12,-1,5,50,0,0,0,0,0"));
        QCOMPARE(o.value("TYPE/list").toVariant().toStringList(), (QStringList{"one", "два", "three"}));
        QCOMPARE(o.value("Gradient_BK/0.49").toString(), QString("#c0c0c0"));
        auto s = ini_format::open(path);
        QCOMPARE(s->value("TYPE/name").toString(), QStringLiteral("Привет №1"));
    }

    void written_in_another_process_read_here()
    {
        const QString path = fresh_path();
        QProcess p;
        p.start(qEnvironmentVariable("ORVELLA_INI_TOOL"), {"set", path, "G/k", "\"Заметка 中 🎉\""});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(read_back(path, "G/k").toString(), QStringLiteral("Заметка 中 🎉"));
    }

    void fuzzed_text_round_trips()
    {
        QRandomGenerator rng(1251);
        const char16_t pool[] = {u'a',  u'F',  u'0',  u'9', u' ', u',', u'"', u'\\', u'=', u';',  u'#',    u'[',
                                 u'\n', u'\r', u'\t', u'@', u'%', u'Ж', u'ё', u'№',  u'€', u'中', u'\x7f', u'\x01'};
        for (int i = 0; i < 150; ++i) {
            QString v;
            const int n = rng.bounded(0, 24);
            for (int j = 0; j < n; ++j) {
                if (rng.bounded(10) == 0) {
                    v += QString::fromUcs4(U"\U0001F600\U0001F389\U00020000" + rng.bounded(3), 1);
                } else {
                    v += QChar(pool[rng.bounded(int(std::size(pool)))]);
                }
            }
            const QString path = fresh_path();
            {
                auto s = ini_format::open(path);
                s->setValue("F/v", v);
                s->setValue("F/list", QStringList{v, v + "x"});
                s->sync();
            }
            QCOMPARE(read_back(path, "F/v").toString(), v);
            QCOMPARE(read_back(path, "F/list").toStringList(), (QStringList{v, v + "x"}));
        }
    }

    // Found by fuzzing: "=value" in a group was read as a key "<group>/"
    // and written back as a top-level key "<group>"; "/k" came back as "k".
    // A name the toolkit cannot write back as it was read is left out, never
    // moved onto another key, and the file is kept aside before it is
    // replaced, so its value is not lost either.
    void a_line_without_a_key_name_is_not_moved_to_another_key_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("in a group") << QByteArray("[TYPE]\nclock=flip\n=5\n");
        QTest::newRow("at the top") << QByteArray("=5\n[TYPE]\nclock=flip\n");
        QTest::newRow("spaces") << QByteArray("[TYPE]\n  = 5\nclock=flip\n");
        QTest::newRow("leading slash") << QByteArray("/k=1\n[TYPE]\nclock=flip\n");
        QTest::newRow("trailing slash") << QByteArray("k/=1\n[TYPE]\nclock=flip\n");
        QTest::newRow("double slash") << QByteArray("a//b=1\n[TYPE]\nclock=flip\n");
        QTest::newRow("leading backslash") << QByteArray("\\k=1\n[TYPE]\nclock=flip\n");
        QTest::newRow("backslash in a group") << QByteArray("[TYPE]\nclock=flip\n\\posx=7\n");
        QTest::newRow("onto a real key") << QByteArray("[TYPE]\nclock=flip\n\\clock=analog\n");
        QTest::newRow("double backslash") << QByteArray("[TYPE]\nclock=flip\na\\\\b=1\n");
        QTest::newRow("group ending in a slash") << QByteArray("[TYPE/]\nclock=analog\n[TYPE]\nclock=flip\n");
        QTest::newRow("group starting with a slash") << QByteArray("[/TYPE]\nclock=analog\n[TYPE]\nclock=flip\n");
        QTest::newRow("escaped slash as a group") << QByteArray("[%2F]\nk=1\n[TYPE]\nclock=flip\n");
        QTest::newRow("empty group") << QByteArray("[]\nclock=1\n[TYPE]\nclock=flip\n");
    }
    void a_line_without_a_key_name_is_not_moved_to_another_key()
    {
        QFETCH(QByteArray, text);
        const QString path = fresh_path();
        write_file(path, text);
        {
            auto s = ini_format::open(path);
            QCOMPARE(s->allKeys(), QStringList{"TYPE/clock"});
            QCOMPARE(s->value("TYPE/clock").toString(), QStringLiteral("flip"));
            s->setValue("TYPE/posx", 10);
            s->sync();
        }
        const QJsonObject back = dump(path);
        QCOMPARE(back.keys(), (QStringList{"TYPE/clock", "TYPE/posx"}));
        QCOMPARE(back.value("TYPE/clock").toString(), QStringLiteral("flip"));
        QCOMPARE(read_file(path + ".unreadable"), text);
        // Once replaced, the file holds only names it can keep: the next
        // write makes no second copy.
        ini_format::open(path)->setValue("TYPE/posy", 3);
        QVERIFY(!QFile::exists(path + ".unreadable.1"));
    }

    // Slashes and backslashes that the toolkit reads into an ordinary name
    // are ordinary keys: read, kept, and no copy made.
    void ordinary_names_with_separators_are_kept_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("key");
        QTest::newRow("group with a slash") << QByteArray("[a/b]\nk=1\n") << "a/b/k";
        QTest::newRow("backslash inside a key") << QByteArray("[G]\na\\b=1\n") << "G/a/b";
        QTest::newRow("escaped backslash") << QByteArray("[G]\na%5Cb=1\n") << "G/a\\b";
        QTest::newRow("value with slashes") << QByteArray("[G]\nurl=http://x//y/\n") << "G/url";
    }
    void ordinary_names_with_separators_are_kept()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, key);
        const QString path = fresh_path();
        write_file(path, text);
        {
            auto s = ini_format::open(path);
            QCOMPARE(s->allKeys(), QStringList{key});
            s->setValue("TYPE/posx", 10);
        }
        QStringList want{key, "TYPE/posx"};
        want.sort();
        QCOMPARE(dump(path).keys(), want);
        QVERIFY(!QFile::exists(path + ".unreadable"));
    }

    void garbage_never_crashes()
    {
        QRandomGenerator rng(7);
        for (int i = 0; i < 200; ++i) {
            QByteArray junk(rng.bounded(0, 400), Qt::Uninitialized);
            for (char &c : junk)
                c = char(rng.bounded(256));
            if (i % 3 == 0)
                junk.prepend("[TYPE]\nclock=");
            const QString path = fresh_path();
            write_file(path, junk);
            auto s = ini_format::open(path);
            (void)s->allKeys();
        }
    }

    void unreadable_file_is_kept_aside_not_overwritten()
    {
        const QString path = fresh_path();
        const QByteArray binary("\x7f"
                                "ELF\0\0\x01garbage\xff\xfe",
                                17);
        write_file(path, binary);
        {
            auto s = ini_format::open(path);
            QVERIFY(s->allKeys().isEmpty());
            s->setValue("TYPE/posx", 5);
            s->sync();
        }
        QCOMPARE(read_file(path + ".unreadable"), binary);
        QCOMPARE(read_back(path, "TYPE/posx").toInt(), 5);
    }

    void huge_line_is_read()
    {
        const QString path = fresh_path();
        QByteArray big("[TYPE]\nclock=analog\nbig=");
        big.append(QByteArray(10 * 1024 * 1024, 'x'));
        big.append("\nposx=7\n");
        write_file(path, big);
        auto s = ini_format::open(path);
        QCOMPARE(s->value("TYPE/clock").toString(), QString("analog"));
        QCOMPARE(s->value("TYPE/posx").toInt(), 7);
    }

    // Reads and writes happen in memory: nothing is left in the temporary
    // folder, even by a process killed half-way.
    void reads_and_writes_use_no_temporary_folder()
    {
        QTemporaryDir tmp;
        const QByteArray old = qgetenv("TMPDIR");
        qputenv("TMPDIR", tmp.path().toLocal8Bit());
        const QString path = fresh_path();
        write_file(path, "[TYPE]\nclock=analog\n");
        {
            auto s = ini_format::open(path);
            QCOMPARE(s->value("TYPE/clock").toString(), QStringLiteral("analog"));
            s->setValue("TYPE/posx", 5);
            s->sync();
        }
        QCOMPARE(read_back(path, "TYPE/posx").toInt(), 5);
        qputenv("TMPDIR", old);
        QCOMPARE(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    }

    void files_made_here_are_private_and_others_keep_their_mode()
    {
        const QString made = fresh_path();
        {
            auto s = ini_format::open(made);
            s->setValue("TYPE/a", 1);
        }
        QCOMPARE(int(QFile::permissions(made) & 0x7777), 0x6600);
        const QString existing = fresh_path();
        write_file(existing, "[TYPE]\na=1\n");
        QFile::setPermissions(existing, QFile::Permissions(0x6644));
        {
            auto s = ini_format::open(existing);
            s->setValue("TYPE/a", 2);
        }
        QCOMPARE(int(QFile::permissions(existing) & 0x7777), 0x6644);
        QCOMPARE(read_back(existing, "TYPE/a").toInt(), 2);
    }

    // One broken line costs that line: every other group and key is read,
    // the user is told once, and the file as it was is kept beside it
    // before it is first written.
    void a_malformed_line_costs_only_itself_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("clock.ini, a group line without its bracket")
            << "clock.ini" << QByteArray("[TYPE]\nclock=flip\n[Gradient_BK\n0=#ffffff\n[POS]\nposx=3\n")
            << QStringList{"Gradient_BK/0", "POS/posx", "TYPE/clock"};
        QTest::newRow("calendar.ini, a line without '='")
            << "calendar.ini" << QByteArray("[POSITION]\nposcalendarx=60\nhello\nposcalendary=300\n")
            << QStringList{"POSITION/poscalendarx", "POSITION/poscalendary"};
        QTest::newRow("alarm.ini, a quote left open")
            << "alarm.ini" << QByteArray("[1000]\nalarmmessage=\"Call\nname=x\n[1001]\nname=y\n")
            << QStringList{"1000/alarmmessage", "1000/name", "1001/name"};
    }
    void a_malformed_line_costs_only_itself()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, text);
        QFETCH(QStringList, keys);
        QCoreApplication::processEvents(); // boxes the tests before still have queued
        scripted_prompts prompts;
        storage_notices::set_prompts(&prompts);
        const QString dir = m_dir.path() + QStringLiteral("/m%1").arg(++m_serial);
        QDir().mkpath(dir);
        const QString path = dir + "/" + name;
        write_file(path, text);
        {
            auto s = ini_format::open(path);
            QCOMPARE(s->allKeys(), keys);
            QCoreApplication::processEvents();
            QCOMPARE(prompts.warnings.size(), 1);
            s->setValue("NEW/key", 1);
            s->sync();
            QCOMPARE(s->status(), QSettings::NoError);
        }
        QCOMPARE(read_file(path + ".unreadable"), text);
        QStringList want = keys;
        want << "NEW/key";
        want.sort();
        QCOMPARE(dump(path).keys(), want);
        {
            auto again = ini_format::open(path);
            again->setValue("NEW/key", 2);
        }
        QVERIFY(!QFile::exists(path + ".unreadable.1"));
        QCoreApplication::processEvents();
        QCOMPARE(prompts.warnings.size(), 1);
        storage_notices::set_prompts(nullptr);
    }

    void write_leaves_no_temporary_files()
    {
        QTemporaryDir d;
        {
            auto s = ini_format::open(d.path() + "/clock.ini");
            s->setValue("TYPE/a", 1);
            s->sync();
        }
        QCOMPARE(QDir(d.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"clock.ini"});
    }
};

QTEST_MAIN(tst_ini_format)
#include "tst_ini_format.moc"
