// The search as the program wires it: reached from the tray menu and by
// Ctrl+F in the calendar and the notebook (where it replaced the find by
// title, still in the page list's menu), and a chosen hit opens the
// calendar at the note's day or the notebook at the page.
#include "app/app_composition.h"
#include "calendar/my_calendar.h"
#include "calendar/notes_store.h"
#include "calendar/qtcalendar.h"
#include "clock/clock_tray.h"
#include "clock_rig.h"
#include "common/time_source.h"
#include "notebook/find_dialog.h"
#include "notebook/my_notebook.h"
#include "notebook_fixture.h"
#include "search/hit_list.h"
#include "search/search_module.h"
#include "search/search_window.h"

#include <QAction>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

namespace {

// Key by key, as typed (QTest sends Latin-1 keys only).
void type_into(QLineEdit *edit, const QString &text)
{
    for (QChar c : text)
        edit->insert(QString(c));
}

struct program_rig
{
    temp_data_home home;
    box_answerer boxes;
    manual_time_source time{QDateTime(QDate(2026, 3, 5), QTime(10, 0))};
    std::unique_ptr<app_composition> windows;

    program_rig()
    {
        make_clock_data(home, "[TYPE]\nclock=analog\n");
        install_seed(home);
        windows = std::make_unique<app_composition>(time);
    }
    search_window *search() const { return windows->search()->window(); }
};

} // namespace

class tst_search_composition : public QObject
{
    Q_OBJECT

private slots:
    void reached_from_the_tray_and_by_ctrl_f()
    {
        program_rig rig;
        QVERIFY(!rig.search()->isVisible());
        rig.windows->tray()->action(clock_tray::command::search)->trigger();
        QVERIFY(rig.search()->isVisible());
        rig.search()->close();

        auto *from_calendar = rig.windows->calendar()->findChild<QAction *>(QStringLiteral("search_everything"));
        QVERIFY(from_calendar);
        QCOMPARE(from_calendar->shortcut(), QKeySequence(QKeySequence::Find));
        from_calendar->trigger();
        QVERIFY(rig.search()->isVisible());
        rig.search()->close();

        my_notebook *notebook = rig.windows->notebook();
        auto *from_notebook = notebook->findChild<QAction *>(QStringLiteral("search_everything"));
        QVERIFY(from_notebook);
        QCOMPARE(from_notebook->shortcut(), QKeySequence(QKeySequence::Find));
        from_notebook->trigger();
        QVERIFY(rig.search()->isVisible());
        // Ctrl+F no longer opens the find-by-title dialog.
        QVERIFY(!notebook->finder()->isVisible());
        // No other action of the notebook holds Ctrl+F.
        int holders = 0;
        for (QAction *a : notebook->findChildren<QAction *>())
            holders += a->shortcut() == QKeySequence(QKeySequence::Find);
        QCOMPARE(holders, 1);
        QVERIFY(rig.boxes.seen().isEmpty());
    }

    void a_note_hit_opens_the_calendar_at_its_day()
    {
        program_rig rig;
        rig.windows->calendar()->store().add_note(QDate(2025, 11, 20), QStringLiteral("Встреча выпускников"), false,
                                                  QTime());
        rig.windows->search()->show();
        search_window *w = rig.search();
        w->set_pause(10);
        QSignalSpy listed(w, &search_window::listed);
        type_into(w->query(), QStringLiteral("выпускн"));
        QVERIFY(listed.wait(5000));
        QCOMPARE(w->hits()->rowCount(), 1);
        w->open_hit(0);
        my_calendar *calendar = rig.windows->calendar();
        QVERIFY(calendar->isVisible());
        QCOMPARE(calendar->calendar_widget()->selectedDate(), QDate(2025, 11, 20));
        QCOMPARE(calendar->calendar_widget()->monthShown(), 11);
    }

    void a_page_hit_opens_the_notebook_at_the_page()
    {
        program_rig rig;
        my_notebook *notebook = rig.windows->notebook();
        const qint64 first = notebook->loaded_page();
        rig.windows->search()->show();
        search_window *w = rig.search();
        w->set_pause(10);
        QSignalSpy listed(w, &search_window::listed);
        type_into(w->query(), QStringLiteral("рассвет"));
        QVERIFY(listed.wait(5000));
        QCOMPARE(w->hits()->rowCount(), 1);
        const qint64 page = w->hits()->hit(0).page;
        QVERIFY(page != first);
        w->open_hit(0);
        QVERIFY(notebook->isVisible());
        QTRY_COMPARE(notebook->loaded_page(), page);
        const int row = notebook->page_list()->currentRow();
        QCOMPARE(notebook->page_list()->item(row, 1)->text(), QStringLiteral("Картинка с подписью"));
    }
};

QTEST_MAIN(tst_search_composition)
#include "tst_search_composition.moc"
