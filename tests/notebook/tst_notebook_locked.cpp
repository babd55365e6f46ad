// The notebook when its database is held by another program or is not a
// database at all: the start does not wait, the user is told why once, the
// list fills when the database frees, and nothing typed is lost on the way.
// Also the modes of the files the notebook makes.
#include "notebook/draft_keeper.h"
#include "notebook/my_notebook.h"
#include "notebook/notebook_size_file.h"
#include "notebook/notebook_store.h"
#include "notebook_fixture.h"

#include <QDir>
#include <QFile>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>

#include <sys/stat.h>

namespace {

bool any_says(const scripted_prompts &p, const QString &what)
{
    for (const QString &t : p.texts_shown())
        if (t.contains(what))
            return true;
    return false;
}

const QString in_use = QStringLiteral("занята другой программой");

} // namespace

class tst_notebook_locked : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ::umask(022); }

    void held_at_start_then_filled_data()
    {
        QTest::addColumn<QString>("trigger");
        QTest::newRow("opened after the lock went") << "open";
        QTest::newRow("saved after the lock went") << "save";
        QTest::newRow("opened while held, then freed") << "open held";
    }
    void held_at_start_then_filled()
    {
        QFETCH(QString, trigger);
        notebook_rig r;
        auto lock = std::make_unique<other_program_lock>(r.db());
        my_notebook &n = r.open();
        // The start neither waits with boxes nor pretends the notebook is empty.
        QVERIFY2(r.prompts.messages.isEmpty(), qPrintable(r.prompts.texts_shown().join('\n')));
        QVERIFY(!n.database_ready());
        QCOMPARE(n.page_list()->rowCount(), 0);
        QVERIFY(n.editor()->toPlainText().contains(in_use));
        QVERIFY(n.editor()->isReadOnly());
        // Saving tries again, and says why nothing is there yet.
        n.save();
        QCOMPARE(r.prompts.messages.size(), 1);
        QVERIFY(any_says(r.prompts, in_use));
        r.prompts.messages.clear();
        if (trigger == "open held") {
            n.show();
            QTRY_VERIFY(any_says(r.prompts, in_use));
            QCOMPARE(r.prompts.messages.size(), 1);
            lock->release();
            // Tried again by itself while the window is open.
            QTRY_VERIFY_WITH_TIMEOUT(n.database_ready(), 6000);
        } else {
            lock->release();
            if (trigger == "open")
                n.show();
            else
                n.save();
            QTRY_VERIFY(n.database_ready());
            QVERIFY2(r.prompts.messages.isEmpty(), qPrintable(r.prompts.texts_shown().join('\n')));
        }
        QVERIFY(n.page_list()->rowCount() >= 2);
        QVERIFY(n.loaded_page() > 0);
        QVERIFY(!n.editor()->isReadOnly());
        QVERIFY(!n.editor()->toPlainText().contains(in_use));
    }

    void a_file_that_is_no_database_is_named_once()
    {
        notebook_rig r(false);
        const QByteArray garbage = QByteArray("Это не база данных\n").repeated(300);
        write_file(r.db(), garbage);
        my_notebook &n = r.open();
        QCOMPARE(r.prompts.messages.size(), 1);
        QVERIFY(r.prompts.messages.first().text.contains("не является базой данных"));
        QVERIFY(n.editor()->toPlainText().contains("не является базой данных"));
        n.show();
        QTest::qWait(50);
        QCOMPARE(r.prompts.messages.size(), 1);
        r.window.reset();
        QCOMPARE(read_file(r.db()), garbage);
    }

    void saving_under_a_lock_says_why_and_loses_nothing_data()
    {
        QTest::addColumn<bool>("image");
        QTest::newRow("text page") << false;
        QTest::newRow("picture page") << true;
    }
    void saving_under_a_lock_says_why_and_loses_nothing()
    {
        QFETCH(bool, image);
        notebook_rig r;
        my_notebook &n = r.open();
        const qint64 id = r.add("Под замком", image);
        if (image)
            r.add_picture(30, 20, Qt::red);
        else
            n.editor()->insertPlainText("важный текст");
        QVERIFY(n.page_modified());
        const QVariant before = r.column(id, "data");
        {
            other_program_lock lock(r.db(), "IMMEDIATE"); // it writes; we may still read
            n.save();
            QVERIFY(any_says(r.prompts, in_use));
            QVERIFY(n.page_modified());
            QCOMPARE(r.column(id, "data"), before);
            // Kept on disk meanwhile.
            n.drafts().flush();
            QVERIFY(n.drafts().has(id));
            QCOMPARE(n.drafts().stored().size(), 1);
        }
        r.prompts.messages.clear();
        n.save();
        QVERIFY(r.prompts.messages.isEmpty());
        QVERIFY(!n.page_modified());
        QVERIFY(!r.column(id, "data").toByteArray().isEmpty());
        n.drafts().flush();
        QVERIFY(n.drafts().stored().isEmpty());
    }

    // New files are the user's alone; a file the user already had keeps its mode.
    void files_it_makes_are_private_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("seeded database") << "seed";
        QTest::newRow("database made by SQLite") << "no seed";
        QTest::newRow("existing database") << "existing";
    }
    void files_it_makes_are_private()
    {
        QFETCH(QString, how);
        notebook_rig r(how != "no seed");
        if (how == "existing")
            QFile::setPermissions(r.db(), QFile::Permissions(0x6644));
        if (how == "no seed")
            QDir().mkpath(r.home.data_folder());
        my_notebook &n = r.open();
        if (how == "existing")
            QCOMPARE(QFile::permissions(r.db()), QFile::Permissions(0x6644));
        else
            QVERIFY(private_to_user(r.db()));
        if (how == "no seed")
            return;
        n.set_draft_delay(10);
        r.add("Черновик");
        n.editor()->insertPlainText("текст");
        QTRY_VERIFY(n.drafts().has(n.loaded_page()));
        n.drafts().flush();
        QVERIFY(private_to_user(r.drafts()));
        const QList<page_draft> drafts = n.drafts().stored();
        QCOMPARE(drafts.size(), 1);
        QVERIFY(private_to_user(r.drafts() + "/" + drafts.first().file));
        r.window.reset();
        QVERIFY(private_to_user(r.home.data_folder() + "/notebook_size.dat"));
    }

    void an_existing_size_file_keeps_its_mode()
    {
        temp_data_home home;
        const QString file = home.home() + "/notebook_size.dat";
        write_file(file, "old");
        QFile::setPermissions(file, QFile::Permissions(0x6644));
        QCOMPARE(int(notebook_size_file::save(file, {"g", "s"}, nullptr)),
                 int(notebook_size_file::save_result::written));
        QCOMPARE(QFile::permissions(file), QFile::Permissions(0x6644));
    }

    void reasons_name_the_cause_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("cause");
        QTest::newRow("garbage") << QByteArray(4096, 'x') << int(notebook_store::cause::not_a_database);
        QTest::newRow("missing table") << QByteArray("no tables") << int(notebook_store::cause::other);
    }
    void reasons_name_the_cause()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, cause);
        temp_data_home home;
        const QString db = home.data_folder() + "/notebook.db";
        if (content == "no tables")
            make_database(db, {"CREATE TABLE other (x)"});
        else
            write_file(db, content);
        QList<notebook_store::failure> said;
        notebook_store store([&](const notebook_store::failure &f) { said << f; });
        store.open(db, home.data_folder());
        int n = 0;
        QVERIFY(!store.count_pages(n));
        QCOMPARE(said.size(), 1);
        QCOMPARE(int(said.first().why), cause);
        // The statement's own text stays as it was; the reason comes beside it.
        QVERIFY(said.first().text.startsWith("Ошибка подсчета количества записей"));
        QCOMPARE(said.first().reason.isEmpty(), cause == int(notebook_store::cause::other));
    }
};

QTEST_MAIN(tst_notebook_locked)
#include "tst_notebook_locked.moc"
