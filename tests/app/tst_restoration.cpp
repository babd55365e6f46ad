#include "app/data_folder.h"
#include "app/data_folder_check.h"
#include "test_support.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

class tst_restoration : public QObject
{
    Q_OBJECT

    QTemporaryDir m_work; // working folder holding ./app_data
    QString m_old_cwd;

    QString install() const { return m_work.path() + "/app_data"; }

private slots:
    void init()
    {
        m_old_cwd = QDir::currentPath();
        QDir(install()).removeRecursively();
        write_file(install() + "/clock.ini", "[TYPE]\nclock=analog\n");
        write_file(install() + "/calendar.ini", "[POSITION]\nposcalendarx=5\n");
        write_file(install() + "/plugins/imageformats/libqgif.so", "plugin");
        write_file(install() + "/Skins/Standart/settings.ini", "[SkinSettings]\n");
        write_file(install() + "/Base/Clockface/deep/er/dial.png", "png");
        QDir::setCurrent(m_work.path());
    }
    void cleanup() { QDir::setCurrent(m_old_cwd); }

    void empty_folder_is_restored_at_every_depth()
    {
        temp_data_home home;
        box_answerer boxes;
        QVERIFY(!data_folder_check::is_complete());
        QCOMPARE(data_folder_check::run(nullptr), data_folder_check::outcome::restored);
        const QString d = home.data_folder();
        for (const char *f : {"/clock.ini", "/calendar.ini", "/plugins/imageformats/libqgif.so",
                              "/Skins/Standart/settings.ini", "/Base/Clockface/deep/er/dial.png"})
            QVERIFY2(QFileInfo::exists(d + f), f);
        QVERIFY(data_folder_check::is_complete());
        QCOMPARE(boxes.seen().size(), 1);
        QCOMPARE(boxes.seen()[0].title, QStringLiteral("Внимание!"));
        QCOMPARE(boxes.seen()[0].text,
                 QStringLiteral("В каталоге ") + d +
                     QStringLiteral(" не были обнаружены все файлы программы. Произведено восстановление. "
                                    "ПЕРАЗАПУСТИТЕ ПРОГРАММУ В СЕАНСЕ ПОЛЬЗОВАТЕЛЯ !"));
    }

    void missing_plugin_restores_everything_over_user_files()
    {
        temp_data_home home;
        box_answerer boxes;
        write_file(home.data_folder() + "/clock.ini", "[TYPE]\nclock=flip\n");
        write_file(home.data_folder() + "/calendar.ini", "[POSITION]\n");
        write_file(home.data_folder() + "/alarm.ini", "[1]\nname=mine\n");
        QCOMPARE(data_folder_check::run(nullptr), data_folder_check::outcome::restored);
        QCOMPARE(read_file(home.data_folder() + "/clock.ini"), QByteArray("[TYPE]\nclock=analog\n"));
        QCOMPARE(read_file(home.data_folder() + "/alarm.ini"), QByteArray("[1]\nname=mine\n"));
    }

    void complete_folder_is_left_alone()
    {
        temp_data_home home;
        box_answerer boxes;
        write_file(home.data_folder() + "/clock.ini", "mine");
        write_file(home.data_folder() + "/calendar.ini", "mine");
        write_file(home.data_folder() + "/plugins/imageformats/libqgif.so", "mine");
        QCOMPARE(data_folder_check::run(nullptr), data_folder_check::outcome::complete);
        QCOMPARE(read_file(home.data_folder() + "/clock.ini"), QByteArray("mine"));
        QTest::qWait(100);
        QVERIFY(boxes.seen().isEmpty());
    }

    void missing_installation_says_so_and_copies_nothing()
    {
        temp_data_home home;
        box_answerer boxes;
        QTemporaryDir elsewhere;
        QDir::setCurrent(elsewhere.path());
        QCOMPARE(data_folder_check::run(nullptr), data_folder_check::outcome::installation_missing);
        QVERIFY(!QFileInfo::exists(home.data_folder() + "/clock.ini"));
        QCOMPARE(boxes.seen().size(), 1);
        QCOMPARE(boxes.seen()[0].title, QStringLiteral("Внимание!"));
        QVERIFY(boxes.seen()[0].text.contains(QStringLiteral("Каталог установки программы не найден")));
        QVERIFY(boxes.seen()[0].text.contains(elsewhere.path() + "/app_data"));
        QVERIFY(!boxes.seen()[0].text.contains(QStringLiteral("Произведено восстановление")));
    }

    void a_file_that_cannot_be_copied_is_reported_and_the_rest_copied()
    {
        temp_data_home home;
        box_answerer boxes;
        // A folder where the file should go: neither removable as a file nor overwritable.
        write_file(home.data_folder() + "/calendar.ini/keep", "x");
        QCOMPARE(data_folder_check::run(nullptr), data_folder_check::outcome::restored);
        QVERIFY(QFileInfo::exists(home.data_folder() + "/clock.ini"));
        QVERIFY(QFileInfo::exists(home.data_folder() + "/Base/Clockface/deep/er/dial.png"));
        QCOMPARE(boxes.seen().size(), 2);
        QCOMPARE(boxes.seen()[0].title, QStringLiteral("Внимание!"));
        QCOMPARE(boxes.seen()[0].text, QStringLiteral("Невозможно создать calendar.ini"));
        QCOMPARE(boxes.seen()[0].buttons, QStringList{home.data_folder() + "/calendar.ini"});
        QVERIFY(boxes.seen()[1].text.contains(QStringLiteral("Произведено восстановление")));
    }

    void data_folder_that_cannot_be_made_gets_one_warning()
    {
        temp_data_home home;
        box_answerer boxes;
        write_file(home.data_folder(), "a file where the folder should be");
        QCOMPARE(data_folder_check::run(nullptr), data_folder_check::outcome::restore_failed);
        // One box for the folder, not one per file, then the plain truth.
        QCOMPARE(boxes.seen().size(), 2);
        QCOMPARE(boxes.seen()[0].text, QStringLiteral("Невозможно создать ") + home.data_folder());
        QVERIFY(boxes.seen()[1].text.contains(QStringLiteral("Восстановить их не удалось")));
        QVERIFY(!boxes.seen()[1].text.contains(QStringLiteral("Произведено восстановление")));
        QCOMPARE(read_file(home.data_folder()), QByteArray("a file where the folder should be"));
    }

    void data_folder_with_spaces_and_cyrillic()
    {
        QTemporaryDir base;
        const QString home = base.path() + QStringLiteral("/Мои данные с пробелами");
        QDir().mkpath(home);
        qputenv("XDG_DATA_HOME", home.toUtf8());
        box_answerer boxes;
        QCOMPARE(data_folder::path(), home + "/Orvella");
        QCOMPARE(data_folder_check::run(nullptr), data_folder_check::outcome::restored);
        QVERIFY(QFileInfo::exists(home + "/Orvella/Base/Clockface/deep/er/dial.png"));
        qunsetenv("XDG_DATA_HOME");
    }
};

QTEST_MAIN(tst_restoration)
#include "tst_restoration.moc"
