// Restoring the data folder from the installation must not touch the
// user's files: a notebook full of pages and a customised clock.ini
// survive a restoration set off by a missing calendar.ini.
#include "notebook/notebook_store.h"
#include "notebook_fixture.h"
#include "storage/data_folder_check.h"

#include <QDir>
#include <QFile>
#include <QTest>

class tst_notebook_restoration : public QObject
{
    Q_OBJECT

private slots:
    void user_files_survive_restoration()
    {
        temp_data_home home;
        const QString data = home.data_folder();
        // The program runs from a folder holding the shipped app_data.
        QTemporaryDir work;
        QVERIFY(QFile::link(built_app_data(), work.path() + "/app_data"));
        const QString old_cwd = QDir::currentPath();
        QDir::setCurrent(work.path());

        // A complete data folder except calendar.ini.
        QVERIFY(QDir().mkpath(data));
        QVERIFY(QDir(built_app_data()).exists());
        for (const char *f : {"clock.ini", "plugins/imageformats/libqgif.so"}) {
            QDir().mkpath(QFileInfo(data + "/" + f).absolutePath());
            QVERIFY(QFile::copy(built_app_data() + "/" + f, data + "/" + f));
        }
        const QByteArray clock_ini = "[TYPE]\nclock=digital\nposx=321\n";
        write_file(data + "/clock.ini", clock_ini);
        install_seed(home);
        const QString db = data + "/notebook.db";
        QStringList pages;
        for (int i = 0; i < 50; ++i)
            pages << QString("INSERT INTO notebook (name, data, image) VALUES ('Моя страница %1', 'текст', 0)").arg(i);
        run_sql(db, pages);
        const QByteArray notebook = read_file(db);

        box_answerer boxes;
        QVERIFY(!QFile::exists(data + "/calendar.ini"));
        data_folder_check::run(nullptr);
        QDir::setCurrent(old_cwd);

        QVERIFY(QFile::exists(data + "/calendar.ini"));
        QCOMPARE(read_file(data + "/clock.ini"), clock_ini);
        QCOMPARE(read_file(db), notebook);
        QCOMPARE(query_value(db, "select count(*) from notebook where name like 'Моя страница%'").toInt(), 50);
        QCOMPARE(boxes.seen().size(), 1);
        QCOMPARE(boxes.seen().first().title, "Внимание!");
    }
};

QTEST_MAIN(tst_notebook_restoration)
#include "tst_notebook_restoration.moc"
