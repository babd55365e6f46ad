// The notes overview over real files: the span of months, the title, the
// columns, copy, delete, find, setup.dat and the refill that runs only when
// something it shows changed.

#include "calendar_rig.h"
#include "clock_rig.h"

#include "calendar/datetime_edit.h"
#include "calendar/my_dialog.h"
#include "calendar/my_monitor.h"

#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

namespace {

const QByteArray span_notes =
    notes_group("30.01.2014", {"1390000000=before"}) + notes_group("31.01.2014", {"1390000001=start"}) +
    notes_group("28.02.2014", {"1390000002=last day, 2, 08:15"}) + notes_group("01.03.2014", {"1390000003=after"}) +
    notes_group("30.11.2013", {"1390000004=two months back"}) + notes_group("29.11.2013", {"1390000005=too far back"}) +
    notes_group("not a date", {"1390000006=odd group"});

struct monitor_rig : calendar_rig
{
    monitor_rig(const QByteArray &notes, const QByteArray &clock_ini)
        : calendar_rig(notes, QDateTime(QDate(2014, 1, 31), QTime(12, 0)))
    {
        write_file(home.data_folder() + "/clock.ini", clock_ini);
        monitor = std::make_unique<my_monitor>(*store, clock);
    }
    // Column `c` of every row, top to bottom.
    QStringList column(int c) const
    {
        QStringList r;
        QTableWidget *t = monitor->table();
        for (int i = 0; i < t->rowCount(); ++i) {
            const QVariant v = t->item(i, c)->data(Qt::DisplayRole);
            r << (v.typeId() == QMetaType::QDate ? v.toDate().toString("dd.MM.yyyy") : v.toString());
        }
        return r;
    }
    std::unique_ptr<my_monitor> monitor;
};

QByteArray span_ini(int months, const QString &start = "31.01.2014")
{
    return QString("[MONITOR]\nupdate_value=%1\nstart_mon_date=%2\n").arg(months).arg(start).toLatin1();
}

} // namespace

class test_my_monitor : public QObject
{
    Q_OBJECT

private slots:
    void span_data();
    void span();
    void columns_and_headers();
    void header_click_sorts_by_that_column();
    void set_today_moves_the_start_every_fill();
    void copy_data();
    void copy();
    void delete_asks_and_removes();
    void find_by_date_text_and_by_content();
    void operations_without_rows_do_nothing();
    void refill_only_when_something_changed();
    void setup_dat_data();
    void setup_dat();
    void span_changes_are_written_to_clock_ini();
    void dragged_by_its_labels_and_the_empty_table_data();
    void dragged_by_its_labels_and_the_empty_table();
    void a_huge_note_is_shown_cut_and_kept_whole();
};

void test_my_monitor::span_data()
{
    QTest::addColumn<int>("months");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("dates");
    QTest::newRow("M = 1") << 1 << "Обзор заметок. Интервал: 31.01.2014 по 28.02.2014"
                           << QStringList{"31.01.2014", "28.02.2014"};
    QTest::newRow("M = -2") << -2 << "Обзор заметок. Интервал: 31.01.2014 по 30.11.2013"
                            << QStringList{"30.11.2013", "30.01.2014", "31.01.2014"};
    QTest::newRow("M = 0 lists all, the odd group too")
        << 0 << "Показать все заметки"
        << QStringList{"", "29.11.2013", "30.11.2013", "30.01.2014", "31.01.2014", "28.02.2014", "01.03.2014"};
}

void test_my_monitor::span()
{
    QFETCH(int, months);
    QFETCH(QString, title);
    QFETCH(QStringList, dates);
    monitor_rig rig(span_notes, span_ini(months));
    QCOMPARE(rig.monitor->windowTitle(), title);
    QCOMPARE(rig.monitor->toolTip(), title);
    // Sorted by date whatever the order of the groups in the file.
    QCOMPARE(rig.column(0), dates);
}

void test_my_monitor::columns_and_headers()
{
    monitor_rig rig(span_notes, span_ini(1));
    QTableWidget *t = rig.monitor->table();
    QCOMPARE(t->columnCount(), 4);
    QStringList headers;
    for (int c = 0; c < 4; ++c)
        headers << t->horizontalHeaderItem(c)->text();
    QCOMPARE(headers, (QStringList{"Дата", "Заметка", "id", "Показать на экране в:"}));
    QVERIFY(t->isColumnHidden(2));
    QCOMPARE(rig.column(1), (QStringList{"start", "last day"}));
    QCOMPARE(rig.column(2), (QStringList{"1390000001", "1390000002"}));
    QCOMPARE(rig.column(3), (QStringList{"-", "08:15"}));
    QCOMPARE(t->columnWidth(0), int(1.5 * t->fontMetrics().horizontalAdvance("99.99.9999")));
}

void test_my_monitor::header_click_sorts_by_that_column()
{
    monitor_rig rig(span_notes, span_ini(0));
    QHeaderView *h = rig.monitor->table()->horizontalHeader();
    QVERIFY(h->isSortIndicatorShown());
    h->setSortIndicator(1, Qt::DescendingOrder);
    QCOMPARE(rig.column(1),
             (QStringList{"two months back", "too far back", "start", "odd group", "last day", "before", "after"}));
    h->setSortIndicator(0, Qt::DescendingOrder);
    QCOMPARE(rig.column(0).first(), QStringLiteral("01.03.2014"));
    QCOMPARE(rig.column(0).last(), QString());
}

void test_my_monitor::set_today_moves_the_start_every_fill()
{
    monitor_rig rig(span_notes, span_ini(1, "01.01.2000") + "[TYPE]\nset_today=2\n");
    QCOMPARE(rig.column(0), (QStringList{"31.01.2014", "28.02.2014"}));
    rig.clock.set(QDateTime(QDate(2014, 2, 28), QTime(9, 0)));
    QVERIFY(rig.monitor->refill_if_stale());
    QCOMPARE(rig.column(0), (QStringList{"28.02.2014", "01.03.2014"}));
}

void test_my_monitor::copy_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QDate>("target");
    QTest::addColumn<QStringList>("record");
    QTest::newRow("untimed") << 0 << QDate(2014, 2, 10) << QStringList{"start", "0", "0:00"};
    QTest::newRow("timed") << 1 << QDate(2014, 2, 10) << QStringList{"last day", "2", "08:15"};
    QTest::newRow("to its own date") << 1 << QDate(2014, 2, 28) << QStringList{"last day", "2", "08:15"};
}

void test_my_monitor::copy()
{
    QFETCH(int, row);
    QFETCH(QDate, target);
    QFETCH(QStringList, record);
    monitor_rig rig(span_notes, span_ini(1));
    QSignalSpy calendar(rig.monitor.get(), &my_monitor::doUpdate_calendar_buffer);
    rig.monitor->table()->setCurrentCell(row, 1);
    rig.monitor->copy_notes();
    _datetimeEdit *dlg = rig.monitor->copy_dialog();
    QVERIFY(dlg->isVisible());
    QCOMPARE(dlg->windowTitle(), QStringLiteral("На какую дату скопировать ?:"));
    QCOMPARE(dlg->date_edit()->date(), row == 0 ? QDate(2014, 1, 31) : QDate(2014, 2, 28));
    dlg->date_edit()->setDate(target);
    dlg->ok_button()->click();
    QVERIFY(!dlg->isVisible());
    QCOMPARE(calendar.size(), 1);
    const QString key = rig.store->keys(target).last();
    QCOMPARE(rig.on_disk(notes_store::date_name(target), key), record);
    if (target == QDate(2014, 2, 28))
        QCOMPARE(rig.store->keys(target).size(), 2);
}

void test_my_monitor::delete_asks_and_removes()
{
    monitor_rig rig(span_notes, span_ini(1));
    QSignalSpy calendar(rig.monitor.get(), &my_monitor::doUpdate_calendar_buffer);
    box_answerer boxes;
    boxes.prefer_button("Cancel");
    rig.monitor->table()->setCurrentCell(1, 1);
    rig.monitor->delete_notes();
    QCOMPARE(boxes.seen().size(), 1);
    QCOMPARE(boxes.seen().first().title, QStringLiteral("Удаление"));
    QCOMPARE(boxes.seen().first().text, QStringLiteral("Вы действительно хотите удалить заметку ?"));
    QCOMPARE(rig.column(1), (QStringList{"start", "last day"}));
    boxes.prefer_button("OK");
    rig.monitor->table()->setCurrentCell(1, 1);
    rig.monitor->delete_notes();
    QCOMPARE(rig.column(1), QStringList{"start"});
    QVERIFY(!rig.store->has_notes(QDate(2014, 2, 28)));
    QCOMPARE(calendar.size(), 2);
}

void test_my_monitor::find_by_date_text_and_by_content()
{
    monitor_rig rig(notes_group("06.12.2013", {"1386300000=first", "1386300001=second"}) +
                        notes_group("07.12.2013", {"1386400000=third second"}),
                    span_ini(0));
    QTableWidget *t = rig.monitor->table();
    QCOMPARE(rig.column(1), (QStringList{"second", "first", "third second"}));
    rig.monitor->find_item();
    my_dialog *find = rig.monitor->find_dialog();
    QVERIFY(find->isVisible());
    QCOMPARE(find->windowTitle(), QStringLiteral("Найти..."));
    t->setCurrentCell(2, 0);
    find->line_edit()->setText("06.12.2013");
    QCOMPARE(t->currentRow(), 1); // the last row of that date
    QCOMPARE(t->selectedItems().size(), 1);
    t->setCurrentCell(0, 1);
    find->line_edit()->setText("second");
    QCOMPARE(t->currentRow(), 2);
    QCOMPARE(t->currentColumn(), 1);
    find->line_edit()->setText("");
    QVERIFY(t->selectedItems().isEmpty());
}

void test_my_monitor::operations_without_rows_do_nothing()
{
    monitor_rig rig({}, span_ini(0));
    QSignalSpy go(rig.monitor.get(), &my_monitor::GoToNote);
    box_answerer boxes;
    rig.monitor->copy_notes();
    rig.monitor->delete_notes();
    rig.monitor->go_notes();
    rig.monitor->find_item();
    QVERIFY(!rig.monitor->copy_dialog()->isVisible());
    QVERIFY(!rig.monitor->find_dialog()->isVisible());
    QVERIFY(boxes.seen().isEmpty());
    QCOMPARE(go.size(), 0);
}

void test_my_monitor::refill_only_when_something_changed()
{
    monitor_rig rig(span_notes, span_ini(1));
    const int fills = rig.monitor->fills();
    QVERIFY(!rig.monitor->refill_if_stale());
    QVERIFY(!rig.monitor->refill_if_stale());
    QCOMPARE(rig.monitor->fills(), fills);
    rig.store->add_note(QDate(2014, 2, 1), "new", false, QTime(0, 0));
    QVERIFY(rig.monitor->refill_if_stale());
    QVERIFY(rig.column(1).contains("new"));
    rig.rewrite_file(notes_group("01.02.2014", {"1390000009=from elsewhere"}));
    QVERIFY(!rig.monitor->refill_if_stale()); // not noticed until the store looks
    QVERIFY(rig.store->reload_if_changed_on_disk());
    QVERIFY(rig.monitor->refill_if_stale());
    QCOMPARE(rig.column(1), QStringList{"from elsewhere"});
    rig.monitor->findChild<QSpinBox *>("spinBox")->setValue(0);
    QVERIFY(!rig.monitor->refill_if_stale()); // the spin box refilled already
    // Without set-today a new day changes nothing shown.
    rig.clock.advance_secs(86400);
    QVERIFY(!rig.monitor->refill_if_stale());
}

void test_my_monitor::setup_dat_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("centred");
    QTest::newRow("missing") << QByteArray() << true;
    QTest::newRow("empty") << QByteArray("") << true;
    QTest::newRow("corrupt") << QByteArray("\x01\xd9\xd0\xcb garbage garbage garbage garbage", 36) << true;
    QTest::newRow("saved") << QByteArray("save") << false;
}

void test_my_monitor::setup_dat()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, centred);
    calendar_rig base;
    const QString file = base.home.data_folder() + "/setup.dat";
    if (content == "save") {
        my_monitor first(*base.store, base.clock);
        first.setGeometry(30, 40, 700, 260);
        first.show();
        first.close();
        QVERIFY(QFile::exists(file));
    } else if (!content.isNull()) {
        write_file(file, content);
    }
    my_monitor m(*base.store, base.clock);
    const QRect a = QGuiApplication::primaryScreen()->availableGeometry();
    if (centred) {
        QCOMPARE(m.size(), QSize(498, 165));
        QCOMPARE(m.pos(), QPoint((a.left() + a.right()) / 2 - 249, (a.top() + a.bottom()) / 2 - 82));
    } else {
        QCOMPARE(m.size(), QSize(700, 260));
    }
}

void test_my_monitor::span_changes_are_written_to_clock_ini()
{
    monitor_rig rig(span_notes, span_ini(1));
    rig.monitor->findChild<QSpinBox *>("spinBox")->setValue(-2);
    rig.monitor->findChild<QDateEdit *>("dateEdit")->setDate(QDate(2014, 1, 30));
    QCOMPARE(rig.column(0), (QStringList{"30.11.2013", "30.01.2014"}));
    rig.monitor.reset(); // the settings object writes on destruction
    const QString ini = rig.home.data_folder() + "/clock.ini";
    QCOMPARE(stored(ini, "MONITOR/update_value").toInt(), -2);
    QCOMPARE(stored(ini, "MONITOR/start_mon_date").toString(), QStringLiteral("30.01.2014"));
}

QTEST_MAIN(test_my_monitor)
void test_my_monitor::dragged_by_its_labels_and_the_empty_table_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<bool>("moves");
    QTest::newRow("margin") << "margin" << true;
    QTest::newRow("first label") << "label" << true;
    QTest::newRow("second label") << "label_2" << true;
    QTest::newRow("table below the rows") << "empty" << true;
    QTest::newRow("a row of the table") << "row" << false;
}

void test_my_monitor::dragged_by_its_labels_and_the_empty_table()
{
    QFETCH(QString, where);
    QFETCH(bool, moves);
    monitor_rig rig(notes_group("31.01.2014", {"1390000001=start"}), span_ini(0));
    my_monitor *m = rig.monitor.get();
    m->resize(498, 220);
    m->move(100, 100);
    m->show();
    QVERIFY(QTest::qWaitForWindowExposed(m));
    QTableWidget *t = m->table();
    QWidget *target = m;
    QPoint at(2, 2);
    if (where.startsWith("label")) {
        target = m->findChild<QLabel *>(where);
        at = target->rect().center();
    } else if (where == "empty") {
        target = t->viewport();
        at = QPoint(20, target->height() - 5);
        QVERIFY(!t->indexAt(at).isValid());
    } else if (where == "row") {
        target = t->viewport();
        at = t->visualItemRect(t->item(0, 1)).center();
    }
    const QPoint start = m->pos();
    send_mouse(target, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    send_mouse(target, QEvent::MouseMove, at + QPoint(30, 17), Qt::NoButton, Qt::LeftButton);
    send_mouse(target, QEvent::MouseButtonRelease, at + QPoint(30, 17), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(m->pos(), moves ? start + QPoint(30, 17) : start);
    // Fixed on the desktop, it stays.
    m->set_fixed_position(true);
    const QPoint fixed = m->pos();
    send_mouse(target, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    send_mouse(target, QEvent::MouseMove, at + QPoint(30, 17), Qt::NoButton, Qt::LeftButton);
    send_mouse(target, QEvent::MouseButtonRelease, at + QPoint(30, 17), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(m->pos(), fixed);
}

// A million characters: the cell lays out its beginning only, the copy and
// the search work on the whole text.
void test_my_monitor::a_huge_note_is_shown_cut_and_kept_whole()
{
    const QString huge = QString(600000, QChar(u'а')) + "конец" + QString(400000, QChar(u'б'));
    monitor_rig rig(notes_group("31.01.2014", {"1390000001=\"" + huge + "\"", "1390000002=short"}), span_ini(0));
    QTableWidget *t = rig.monitor->table();
    int row = -1;
    for (int r = 0; r < t->rowCount(); ++r)
        if (t->item(r, 2)->text() == "1390000001")
            row = r;
    QVERIFY(row >= 0);
    QTableWidgetItem *cell = t->item(row, 1);
    QCOMPARE(cell->text().size(), my_monitor::cell_limit);
    QVERIFY(cell->text().endsWith(QChar(0x2026)));
    QCOMPARE(my_monitor::full_text(cell), huge);
    QVERIFY(t->columnWidth(1) <= 1600);

    rig.monitor->find_dialog()->find(t, "конец");
    QCOMPARE(t->currentRow(), row);

    t->setCurrentCell(row, 1);
    rig.monitor->copy_notes();
    _datetimeEdit *dlg = rig.monitor->copy_dialog();
    dlg->date_edit()->setDate(QDate(2014, 2, 1));
    dlg->ok_button()->click();
    const QString key = rig.store->keys(QDate(2014, 2, 1)).value(0);
    QCOMPARE(rig.on_disk("01.02.2014", key).value(0), huge);
}

#include "tst_my_monitor.moc"
