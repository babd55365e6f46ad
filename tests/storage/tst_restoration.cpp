#include "storage/data_folder.h"
#include "storage/data_folder_check.h"
#include "test_support.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

#include <sys/stat.h>

namespace {

int mode_of(const QString &path)
{
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

// The log lines of the "orvella.app" category while it lives.
class app_log
{
public:
    app_log() { m_old = qInstallMessageHandler(&app_log::handle); }
    ~app_log() { qInstallMessageHandler(m_old); }
    static QStringList &lines()
    {
        static QStringList l;
        return l;
    }

private:
    static void handle(QtMsgType, const QMessageLogContext &c, const QString &text)
    {
        if (QLatin1String(c.category) == QLatin1String("orvella.app"))
            lines() << text;
    }
    QtMessageHandler m_old;
};

} // namespace

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

    void absent_folder_is_made_silently_at_every_depth()
    {
        temp_data_home home;
        box_answerer boxes;
        QVERIFY(!QFileInfo::exists(home.data_folder()));
        QVERIFY(!data_folder_check::is_complete());
        QCOMPARE(data_folder_check::run(nullptr), data_folder_check::outcome::created);
        const QString d = home.data_folder();
        for (const char *f : {"/clock.ini", "/calendar.ini", "/plugins/imageformats/libqgif.so",
                              "/Skins/Standart/settings.ini", "/Base/Clockface/deep/er/dial.png"})
            QVERIFY2(QFileInfo::exists(d + f), f);
        QCOMPARE(read_file(d + "/clock.ini"), QByteArray("[TYPE]\nclock=analog\n"));
        QVERIFY(data_folder_check::is_complete());
        // Nothing went wrong, so nothing to tell and nothing to restart.
        QTest::qWait(100);
        QVERIFY(boxes.seen().isEmpty());
        // Made once: the next start finds it complete.
        QCOMPARE(data_folder_check::run(nullptr), data_folder_check::outcome::complete);
    }

    void a_new_data_folder_is_private()
    {
        write_file(install() + "/tools/run.sh", "#!/bin/sh\n");
        QFile::setPermissions(install() + "/tools/run.sh", QFile::permissions(install() + "/tools/run.sh") |
                                                               QFileDevice::ExeOwner | QFileDevice::ExeOther);
        temp_data_home home;
        QCOMPARE(data_folder_check::run(nullptr), data_folder_check::outcome::created);
        const QString d = home.data_folder();
        QCOMPARE(mode_of(d), 0700);
        for (const char *f : {"/plugins", "/Skins/Standart", "/Base/Clockface/deep/er"})
            QCOMPARE(mode_of(d + f), 0700);
        for (const char *f : {"/clock.ini", "/calendar.ini", "/Skins/Standart/settings.ini"})
            QCOMPARE(mode_of(d + f), 0600);
        QCOMPARE(mode_of(d + "/tools/run.sh"), 0700);
    }

    // What the user has keeps its mode; what is restored is private; a
    // folder others can read is mentioned in the log, once.
    void restoration_keeps_the_users_modes_and_says_when_others_can_read()
    {
        temp_data_home home;
        const QString d = home.data_folder();
        QDir().mkpath(d);
        QFile::setPermissions(d, QFile::Permissions(0x7755)); // rwxr-xr-x
        write_file(d + "/clock.ini", "[TYPE]\nclock=flip\n");
        QFile::setPermissions(d + "/clock.ini", QFile::Permissions(0x6644)); // rw-r--r--
        app_log log;
        box_answerer boxes;
        QCOMPARE(data_folder_check::run(nullptr), data_folder_check::outcome::restored);
        QCOMPARE(mode_of(d), 0755);
        QCOMPARE(mode_of(d + "/clock.ini"), 0644);
        QCOMPARE(mode_of(d + "/calendar.ini"), 0600);
        QCOMPARE(app_log::lines().filter(QStringLiteral("can be read by other users")).size(), 1);
        data_folder_check::run(nullptr);
        QCOMPARE(app_log::lines().filter(QStringLiteral("can be read by other users")).size(), 1);
    }

    void create_if_absent_leaves_an_existing_folder_to_the_check()
    {
        temp_data_home home;
        box_answerer boxes;
        QDir().mkpath(home.data_folder());
        QVERIFY(!data_folder_check::create_if_absent(nullptr));
        QVERIFY(!QFileInfo::exists(home.data_folder() + "/clock.ini"));
        // A file where the folder should be is not a new user either.
        QDir(home.data_folder()).removeRecursively();
        write_file(home.data_folder(), "x");
        QVERIFY(!data_folder_check::create_if_absent(nullptr));
        QCOMPARE(read_file(home.data_folder()), QByteArray("x"));
        QVERIFY(boxes.seen().isEmpty());
    }

    void existing_empty_folder_is_restored_with_the_warning()
    {
        temp_data_home home;
        box_answerer boxes;
        QDir().mkpath(home.data_folder());
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

    void restoration_never_replaces_user_files_data()
    {
        QTest::addColumn<QString>("missing");
        QTest::newRow("plug-in") << "/plugins/imageformats/libqgif.so";
        QTest::newRow("calendar.ini") << "/calendar.ini";
        QTest::newRow("clock.ini") << "/clock.ini";
    }

    void restoration_never_replaces_user_files()
    {
        QFETCH(QString, missing);
        temp_data_home home;
        box_answerer boxes;
        const QString d = home.data_folder();
        // The installation ships a seed notebook and a skin the user has changed.
        write_file(install() + "/notebook.db", "seed notebook");
        const QByteArray mine_clock = "[TYPE]\nclock=flip\n[POSITION]\nposx=123\n";
        const QByteArray mine_notebook = QByteArray("SQLite format 3\0", 16) + QByteArray(8192, 'p');
        write_file(d + "/clock.ini", mine_clock);
        write_file(d + "/calendar.ini", "[POSITION]\nposcalendarx=77\n");
        write_file(d + "/plugins/imageformats/libqgif.so", "my plugin");
        write_file(d + "/notebook.db", mine_notebook);
        write_file(d + "/alarm.ini", "[1]\nname=mine\n");
        write_file(d + "/Skins/Standart/settings.ini", "[SkinSettings]\nmine=1\n");
        QFile::setPermissions(d + "/alarm.ini", QFileDevice::ReadOwner); // read-only: still not touched
        QFile::remove(d + missing);

        QCOMPARE(data_folder_check::run(nullptr), data_folder_check::outcome::restored);

        QCOMPARE(read_file(d + missing), read_file(install() + missing));
        if (missing != "/clock.ini")
            QCOMPARE(read_file(d + "/clock.ini"), mine_clock);
        if (missing != "/calendar.ini")
            QCOMPARE(read_file(d + "/calendar.ini"), QByteArray("[POSITION]\nposcalendarx=77\n"));
        QCOMPARE(read_file(d + "/notebook.db"), mine_notebook);
        QCOMPARE(read_file(d + "/alarm.ini"), QByteArray("[1]\nname=mine\n"));
        QCOMPARE(QFile::permissions(d + "/alarm.ini") & QFileDevice::WriteOwner, QFileDevice::Permissions());
        QCOMPARE(read_file(d + "/Skins/Standart/settings.ini"), QByteArray("[SkinSettings]\nmine=1\n"));
        // What the user lacked besides is filled in.
        QVERIFY(QFileInfo::exists(d + "/Base/Clockface/deep/er/dial.png"));
        // The warning and its wording stay.
        QCOMPARE(boxes.seen().size(), 1);
        QVERIFY(boxes.seen()[0].text.contains(QStringLiteral("Произведено восстановление")));
        QFile::setPermissions(d + "/alarm.ini", QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QFile::remove(install() + "/notebook.db");
    }

    void a_dangling_link_of_the_user_is_kept()
    {
        temp_data_home home;
        box_answerer boxes;
        const QString d = home.data_folder();
        QDir().mkpath(d);
        QVERIFY(QFile::link(d + "/elsewhere.ini", d + "/clock.ini"));
        QCOMPARE(data_folder_check::run(nullptr), data_folder_check::outcome::restored);
        QVERIFY(QFileInfo(d + "/clock.ini").isSymLink());
        QVERIFY(!QFileInfo::exists(d + "/elsewhere.ini"));
        QVERIFY(QFileInfo::exists(d + "/calendar.ini"));
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
        QCOMPARE(data_folder_check::run(nullptr), data_folder_check::outcome::created);
        QVERIFY(QFileInfo::exists(home + "/Orvella/Base/Clockface/deep/er/dial.png"));
        qunsetenv("XDG_DATA_HOME");
    }
};

QTEST_MAIN(tst_restoration)
#include "tst_restoration.moc"
