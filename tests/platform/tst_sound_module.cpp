// The sound module is loaded at the first sound, and a module that is
// missing, broken or from another build fails with a reason: the player
// answers 0 with words for the user, nothing crashes. No sound server needed.

#include "test_support.h"

#include "platform/audio_player.h"
#include "platform/linux/sound_module_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class tst_sound_module : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_real;

    QString file(const QString &name, const QByteArray &content)
    {
        QFile f(m_dir.filePath(name));
        if (!f.open(QIODevice::WriteOnly))
            return {};
        f.write(content);
        return f.fileName();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // The build tree's module, as ctest names it; the shared loader of
        // this process is sent elsewhere before anything plays.
        m_real = qEnvironmentVariable("ORVELLA_SOUND_MODULE");
        QVERIFY2(QFile::exists(m_real), qPrintable(m_real));
        qputenv("ORVELLA_SOUND_MODULE", m_dir.filePath("nowhere/liborvella_sound.so").toUtf8());
    }

    void a_bad_module_is_refused_with_a_reason_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << m_dir.filePath("gone/liborvella_sound.so") << "нет файла";
        QTest::newRow("not a library") << file("text.so", "just words\n") << "";
        QTest::newRow("empty file") << file("empty.so", "") << "";
        QTest::newRow("no entry") << QString(FAKE_NO_ENTRY_MODULE) << "не модуль звука";
        QTest::newRow("other version") << QString(FAKE_OTHER_VERSION_MODULE) << "другой версии";
    }
    void a_bad_module_is_refused_with_a_reason()
    {
        QFETCH(QString, path);
        QFETCH(QString, reason);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("sound module not loaded from"));
        sound_module_loader loader({path});
        QVERIFY(!loader.api());
        QVERIFY2(loader.error().startsWith("Не удалось загрузить модуль звука"), qPrintable(loader.error()));
        QVERIFY2(loader.error().contains(reason), qPrintable(loader.error()));
        // Asked again: the same answer, without a second warning.
        QVERIFY(!loader.api());
    }

    void the_next_place_is_tried()
    {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("sound module not loaded from"));
        sound_module_loader loader({m_dir.filePath("gone.so"), m_real});
        const sound_module_api *api = loader.api();
        QVERIFY(api);
        QCOMPARE(api->version, sound_module_version);
        QCOMPARE(loader.path(), m_real);
        QVERIFY(loader.error().isEmpty());
        // The engine really is one: a file that is not a sound fails there.
        std::unique_ptr<sound_engine> engine(api->create_engine());
        QVERIFY(engine);
        QCOMPARE(engine->open_file(file("noise.wav", QByteArray(4096, 'x'))), 0);
        QVERIFY(!engine->last_error().isEmpty());
    }

    void installed_and_build_tree_places()
    {
        // Beside the program first: <bin>/../lib/orvella, as installed and
        // as in the build tree.
        qunsetenv("ORVELLA_SOUND_MODULE");
        const QStringList c = sound_module_loader::default_candidates();
        qputenv("ORVELLA_SOUND_MODULE", m_dir.filePath("nowhere/liborvella_sound.so").toUtf8());
        QVERIFY(!c.isEmpty());
        QCOMPARE(c.first(),
                 QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../lib/orvella/liborvella_sound.so"));
        QCOMPARE(sound_module_loader::default_candidates(), QStringList{m_dir.filePath("nowhere/liborvella_sound.so")});
    }

    void the_player_without_its_module_fails_cleanly()
    {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("sound module not loaded from"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Не удалось загрузить модуль звука"));
        auto player = audio_player::create();
        QCOMPARE(player->open_file(file("ring.wav", "RIFF")), 0);
        QVERIFY2(player->last_error().startsWith("Не удалось загрузить модуль звука"),
                 qPrintable(player->last_error()));
        QVERIFY(player->last_error().contains("nowhere"));
        player->play();
        player->halt();
        QVERIFY(!player->is_playing());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("tone of 1000 Hz not played"));
        play_tone(1000, 100);
        player->release();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Проигрыватель уже закрыт"));
        QCOMPARE(player->open_file(file("ring.wav", "RIFF")), 0);
        QCOMPARE(player->last_error(), QString("Проигрыватель уже закрыт."));
    }
};

QTEST_GUILESS_MAIN(tst_sound_module)
#include "tst_sound_module.moc"
