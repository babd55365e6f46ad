// The notebook as the program wires it: handed to the clock window with
// its flags, told not to write its size file after a reset, asked before
// Exit when a page has unsaved changes.
#include "app/app_composition.h"
#include "app/window_commands.h"
#include "clock/clock_window.h"
#include "clock/window_flags.h"
#include "clock_rig.h"
#include "common/time_source.h"
#include "notebook/draft_keeper.h"
#include "notebook/my_notebook.h"
#include "notebook_fixture.h"

#include <QFile>
#include <QTest>
#include <QTextEdit>

class tst_notebook_composition : public QObject
{
    Q_OBJECT

private slots:
    void handed_to_the_clock_with_its_flags_data()
    {
        QTest::addColumn<bool>("top");
        QTest::newRow("plain") << false;
        QTest::newRow("on top") << true;
    }
    void handed_to_the_clock_with_its_flags()
    {
        QFETCH(bool, top);
        temp_data_home home;
        make_clock_data(home, top ? "[TYPE]\ntop=true\n" : "[TYPE]\ntop=false\n");
        install_seed(home);
        box_answerer boxes;
        manual_time_source t;
        app_composition windows(t);
        auto *notebook = qobject_cast<my_notebook *>(windows.notebook());
        QVERIFY(notebook);
        QVERIFY(!notebook->isVisible());
        QCOMPARE(int(notebook->windowFlags() & (Qt::WindowType_Mask | Qt::WindowStaysOnTopHint)),
                 int(window_flags::notebook(top)));
        windows.commands()->show_notebook();
        QVERIFY(notebook->isVisible());
        QVERIFY(boxes.seen().isEmpty());
    }

    void reset_to_defaults_keeps_the_size_file_away()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\n");
        install_seed(home);
        box_answerer boxes;
        manual_time_source t;
        auto windows = std::make_unique<app_composition>(t);
        const QString size_file = home.data_folder() + "/notebook_size.dat";
        write_file(size_file, "old");
        windows->commands()->restore_defaults();
        QVERIFY(!QFile::exists(size_file));
        windows.reset(); // destroys the notebook
        QVERIFY(!QFile::exists(size_file));
    }

    void exit_asks_about_unsaved_changes_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("keeps_running");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("cancel") << "Отмена" << true << QByteArray();
        QTest::newRow("save") << "Сохранить" << false << QByteArray("перед выходом");
    }
    void exit_asks_about_unsaved_changes()
    {
        QFETCH(QString, button);
        QFETCH(bool, keeps_running);
        QFETCH(QByteArray, stored);
        temp_data_home home;
        make_clock_data(home, "[TYPE]\n");
        install_seed(home);
        box_answerer boxes;
        boxes.prefer_button(button);
        manual_time_source t;
        app_composition windows(t);
        auto *notebook = qobject_cast<my_notebook *>(windows.notebook());
        const qint64 id = notebook->loaded_page();
        const QByteArray before =
            query_value(home.data_folder() + "/notebook.db", QString("select data from notebook where id = %1").arg(id))
                .toByteArray();
        notebook->editor()->selectAll();
        notebook->editor()->insertPlainText("перед выходом");
        QMetaObject::invokeMethod(windows.commands(), &window_commands::quit, Qt::QueuedConnection);
        QTRY_COMPARE_WITH_TIMEOUT(boxes.seen().size(), 1, 5000);
        QCOMPARE(boxes.seen().first().title, "Заметки");
        QTest::qWait(50);
        const QByteArray after =
            query_value(home.data_folder() + "/notebook.db", QString("select data from notebook where id = %1").arg(id))
                .toByteArray();
        QCOMPARE(after, stored.isEmpty() ? before : stored);
        QCOMPARE(notebook->page_modified(), keeps_running);
    }

    // A logout or a stop signal asks nothing: the positions and the
    // notebook's geometry are written, its unsaved page kept as a draft
    // that the next start offers.
    void session_end_keeps_everything_without_asking()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\n");
        install_seed(home);
        box_answerer boxes;
        manual_time_source t;
        const QString folder = home.data_folder();
        {
            app_composition windows(t);
            windows.clock_window()->move(123, 77);
            auto *notebook = qobject_cast<my_notebook *>(windows.notebook());
            windows.commands()->show_notebook();
            notebook->editor()->selectAll();
            notebook->editor()->insertPlainText("набрано перед выходом из сеанса");
            windows.commands()->keep_session();
            QVERIFY(boxes.seen().isEmpty());
            QVERIFY(QFile::exists(folder + "/notebook_size.dat"));
            QCOMPARE(stored(folder + "/clock.ini", "TYPE/posx").toInt(), 123);
            QCOMPARE(notebook->drafts().stored().size(), 1);
            QCOMPARE(notebook->drafts().stored().first().body, QByteArray("набрано перед выходом из сеанса"));
        }
        QVERIFY(boxes.seen().isEmpty());
        app_composition again(t);
        QTRY_COMPARE_WITH_TIMEOUT(boxes.seen().size(), 1, 5000);
        QVERIFY(boxes.seen().first().text.contains("не были сохранены"));
    }
};

QTEST_MAIN(tst_notebook_composition)
#include "tst_notebook_composition.moc"
