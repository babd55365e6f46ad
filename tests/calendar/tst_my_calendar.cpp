// The calendar window over real files: calendar.ini, the context menu, the
// note editor, delete-all, the reminder signal, the position check and the
// painting of days with notes.

#include "calendar_rig.h"

#include "calendar/add_note.h"
#include "calendar/my_calendar.h"
#include "common/shared_wake_timer.h"
#include "calendar/my_monitor.h"
#include "calendar/qtcalendar.h"
#include "calendar/resize_label.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimeEdit>
#include <QToolButton>
#include <functional>

namespace {

const QDate today(2026, 3, 5);

struct window_rig : calendar_rig
{
    explicit window_rig(const QByteArray &notes = {}, const QByteArray &calendar_ini = "")
        : calendar_rig(notes, QDateTime(today, QTime(10, 0)))
    {
        write_file(home.data_folder() + "/calendar.ini", calendar_ini);
        window = std::make_unique<my_calendar>(*store, clock);
    }
    ~window_rig() { window.reset(); }
    // Answers the note editor the next time it opens.
    void answer_editor(std::function<void(addNote *)> f)
    {
        QTimer::singleShot(0, window.get(), [this, f] {
            addNote *e = window->editor();
            // Whatever the checks find, the editor's event loop must end.
            struct closer
            {
                addNote *e;
                ~closer() { e->close(); }
            } guard{e};
            QTRY_VERIFY(e->isVisible());
            f(e);
        });
    }
    QStringList menu_texts()
    {
        window->customContextMenuRequested({});
        QStringList r;
        for (QAction *a : window->context_menu()->actions())
            r << (a->isSeparator() ? QStringLiteral("--") : a->text() + " [" + a->data().toString() + "]");
        window->context_menu()->hide();
        return r;
    }
    std::unique_ptr<my_calendar> window;
};

void png(const QString &path, QColor c, QSize s = {300, 200})
{
    QImage img(s, QImage::Format_ARGB32);
    img.fill(c);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QVERIFY(img.save(path));
}

int count_colour(const QImage &img, QRgb c)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += (img.pixel(x, y) & 0xffffff) == (c & 0xffffff);
    return n;
}

} // namespace

class test_my_calendar : public QObject
{
    Q_OBJECT

private slots:
    void menu_lists_the_selected_days_notes();
    void add_through_the_editor();
    void empty_text_on_add_adds_nothing();
    void edit_and_clear_to_delete();
    void delete_all_asks_only_when_there_are_notes_data();
    void delete_all_asks_only_when_there_are_notes();
    void reminder_signal_carries_the_sticker_text();
    void position_check_data();
    void position_check();
    void skin_fallbacks_data();
    void skin_fallbacks();
    void garbage_calendar_ini_gives_defaults();
    void ring_around_days_with_notes();
    void shown_grid_turns_to_today();
    void grip_follows_and_resizes();
    void a_right_click_selects_the_day_first();
    void cells_show_the_dates_the_widget_selects();
    void notes_with_any_key_open();
    void names_are_russian_whatever_the_locale();
    void overview_over_a_modal_dialog_can_be_closed();
};

void test_my_calendar::menu_lists_the_selected_days_notes()
{
    window_rig rig(notes_group("05.03.2026", {"1700000000=plain", "1700000001=timed, 2, 09:30",
                                              "1700000002=\"\", 2, 09:30", "1700000003=" + QString(200, 'x')}));
    const QString ell = QString(79, 'x') + QChar(0x2026);
    QCOMPARE(rig.menu_texts(),
             (QStringList{"Обзор заметок [-1]", "Добавление новой заметки на 05.03.2026 [-2]", "--",
                          "plain [1700000000]", "timed (Показать в 09:30) [1700000001]", ell + " [1700000003]", "--",
                          "Удалить все за выбранный день [-3]", "Обновить [-5]", "Закрыть календарь [-4]"}));
}

void test_my_calendar::add_through_the_editor()
{
    window_rig rig;
    QSignalSpy changed(rig.store.get(), &notes_store::changed);
    rig.answer_editor([](addNote *e) {
        QCOMPARE(e->windowTitle(), QStringLiteral("05.03.2026"));
        QCOMPARE(e->text(), QStringLiteral("Новая заметка"));
        QCOMPARE(e->text_edit->selectedText(), QStringLiteral("Новая заметка"));
        QVERIFY(!e->time_edit->isEnabled());
        e->text_edit->setText("Забрать посылку");
        e->timed_box->setChecked(true);
        QVERIFY(e->time_edit->isEnabled());
        e->time_edit->setTime(QTime(18, 5));
        e->ok_button->click();
    });
    rig.window->add_note();
    const QStringList keys = rig.store->keys(today);
    QCOMPARE(keys.size(), 1);
    QCOMPARE(rig.on_disk("05.03.2026", keys.first()), (QStringList{"Забрать посылку", "2", "18:05"}));
    QCOMPARE(changed.size(), 1);
}

void test_my_calendar::empty_text_on_add_adds_nothing()
{
    window_rig rig;
    rig.answer_editor([](addNote *e) {
        e->text_edit->clear();
        e->ok_button->click();
    });
    rig.window->add_note();
    rig.answer_editor([](addNote *e) { e->close(); }); // closed without OK
    rig.window->add_note();
    QVERIFY(rig.store->dates().isEmpty());
}

void test_my_calendar::edit_and_clear_to_delete()
{
    window_rig rig(notes_group("05.03.2026", {"1700000000=fired, 2, 09:30, 05:03:2026:09:30, 1", "1700000001=other"}));
    QAction note_entry("x");
    note_entry.setData(QStringLiteral("1700000000"));
    rig.answer_editor([](addNote *e) {
        QCOMPARE(e->text(), QStringLiteral("fired"));
        QVERIFY(e->timed());
        QCOMPARE(e->time(), QTime(9, 30));
        e->text_edit->setText("fired, edited");
        e->ok_button->click();
    });
    rig.window->edit_note(&note_entry);
    QCOMPARE(rig.on_disk("05.03.2026", "1700000000"), (QStringList{"fired, edited", "2", "09:30"}));

    rig.answer_editor([](addNote *e) {
        e->text_edit->clear();
        e->ok_button->click();
    });
    rig.window->edit_note(&note_entry);
    QCOMPARE(rig.store->keys(today), QStringList{"1700000001"});

    // The fixed entries reach edit_note too and change nothing.
    for (int data : {-1, -2, -3, -4, -5}) {
        QAction fixed("y");
        fixed.setData(data);
        rig.window->edit_note(&fixed);
    }
    QCOMPARE(rig.store->keys(today), QStringList{"1700000001"});
}

void test_my_calendar::delete_all_asks_only_when_there_are_notes_data()
{
    QTest::addColumn<QByteArray>("notes");
    QTest::addColumn<bool>("press_ok");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("left");
    const QByteArray two = notes_group("05.03.2026", {"1700000000=a", "1700000001=\"\""});
    QTest::newRow("two, OK") << two << true << "Удаление 2 записи(ей)" << 0;
    QTest::newRow("two, Cancel") << two << false << "Удаление 2 записи(ей)" << 2;
    QTest::newRow("none") << notes_group("06.03.2026", {"1700000000=a"}) << true << "" << 0;
}

void test_my_calendar::delete_all_asks_only_when_there_are_notes()
{
    QFETCH(QByteArray, notes);
    QFETCH(bool, press_ok);
    QFETCH(QString, title);
    QFETCH(int, left);
    window_rig rig(notes);
    box_answerer boxes;
    boxes.prefer_button(press_ok ? "OK" : "Cancel");
    rig.window->delete_note();
    if (title.isEmpty()) {
        QVERIFY(boxes.seen().isEmpty());
    } else {
        QCOMPARE(boxes.seen().size(), 1);
        QCOMPARE(boxes.seen().first().title, title);
        QCOMPARE(boxes.seen().first().text, QStringLiteral("Вы действительно хотите удалить все за 05.03.2026 ?"));
    }
    QCOMPARE(rig.store->keys(today).size(), left);
}

void test_my_calendar::reminder_signal_carries_the_sticker_text()
{
    window_rig rig(notes_group("05.03.2026", {"1700000000=Позвонить, 2, 09:30"}));
    QSignalSpy spy(rig.window.get(), &my_calendar::doshowNotes);
    QCOMPARE(rig.window->reminder_timer()->interval(), 5000);
    QVERIFY(rig.window->reminder_timer()->isActive());
    rig.window->show_notes();
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.first().first().toString(), QStringLiteral("ПРОПУЩЕННОЕ НАПОМИНАНИЕ !!!\nПозвонить"));
    rig.window->show_notes();
    QCOMPARE(spy.size(), 1);
}

void test_my_calendar::position_check_data()
{
    const QRect g = QGuiApplication::primaryScreen()->geometry();
    const QPoint corner = g.topLeft() + QPoint(1, 1);
    QTest::addColumn<QPoint>("saved");
    QTest::addColumn<QPoint>("expected");
    // 30 % of a 311 x 216 window may hang off the screen.
    QTest::newRow("inside") << QPoint(100, 50) << QPoint(100, 50);
    QTest::newRow("right overhang allowed") << QPoint(g.right() - 200, 50) << QPoint(g.right() - 200, 50);
    QTest::newRow("too far right") << QPoint(g.right() + 1 - 93, 50) << corner;
    QTest::newRow("far off") << QPoint(g.right() + 80, 50) << corner;
    QTest::newRow("left overhang allowed") << QPoint(-93, 50) << QPoint(-93, 50);
    QTest::newRow("too far left") << QPoint(-94, 50) << corner;
    QTest::newRow("too far down") << QPoint(50, g.bottom() + 1 - 64) << corner;
    QTest::newRow("too far up") << QPoint(50, -65) << corner;
}

void test_my_calendar::position_check()
{
    QFETCH(QPoint, saved);
    QFETCH(QPoint, expected);
    QCOMPARE(my_calendar::checked_position(saved, QSize(311, 216)), expected);
    window_rig rig({},
                   QString("[POSITION]\nposcalendarx=%1\nposcalendary=%2\n").arg(saved.x()).arg(saved.y()).toLatin1());
    QCOMPARE(rig.window->pos(), expected);
}

void test_my_calendar::skin_fallbacks_data()
{
    QTest::addColumn<QString>("skin");
    QTest::addColumn<bool>("with_default");
    QTest::addColumn<bool>("transparent");
    QTest::addColumn<QRgb>("centre");
    QTest::newRow("missing skin, default there") << "/nowhere/x.png" << true << false << qRgb(0, 200, 0);
    QTest::newRow("missing skin, no default") << "/nowhere/x.png" << false << false << qRgba(0, 0, 0, 0);
    QTest::newRow("broken skin picture") << "broken" << true << false << qRgba(0, 0, 0, 0);
    QTest::newRow("transparent over an existing skin") << "good" << true << true << qRgba(0, 0, 0, 0);
    QTest::newRow("good skin") << "good" << true << false << qRgb(200, 0, 0);
}

void test_my_calendar::skin_fallbacks()
{
    QFETCH(QString, skin);
    QFETCH(bool, with_default);
    QFETCH(bool, transparent);
    QFETCH(QRgb, centre);
    calendar_rig base;
    const QString dir = base.home.data_folder();
    if (with_default)
        png(dir + "/Calendar_skins/calendar_1.png", QColor(0, 200, 0));
    if (skin == "good") {
        png(dir + "/Calendar_skins/mine.png", QColor(200, 0, 0));
        skin = dir + "/Calendar_skins/mine.png";
    } else if (skin == "broken") {
        write_file(dir + "/Calendar_skins/broken.png", "not a png at all");
        skin = dir + "/Calendar_skins/broken.png";
    }
    write_file(dir + "/calendar.ini", QString("[Skin]\nmy_skin=%1\n[Transparent]\ndo_transp_calendar=%2\n"
                                              "[Geometry]\nwidth=320\nheight=220\n")
                                          .arg(skin)
                                          .arg(transparent ? 2 : 0)
                                          .toUtf8());
    my_calendar w(*base.store, base.clock);
    QImage img(w.size(), QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    {
        QPainter p(&img);
        w.render(&p, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    }
    QCOMPARE(w.size(), QSize(320, 220));
    QCOMPARE(img.pixel(3, 3), centre);
    if (skin.startsWith("/nowhere"))
        QCOMPARE(w.ini().value("Skin/my_skin").toString(), dir + "//Calendar_skins//calendar_1.png");
}

void test_my_calendar::garbage_calendar_ini_gives_defaults()
{
    window_rig rig({}, "[Geometry]\nwidth=abc\nheight=-5\n[POSITION]\nposcalendarx=zz\n[Color]\nweekday=notacolour\n"
                       "border=#12\n[Font]\nfont=,,,\n[Transparent]\ndo_transp_calendar=false\n");
    QCOMPARE(rig.window->size(), QSize(200, 60));
    QCOMPARE(rig.window->pos(), QPoint(1, 1));
    QVERIFY(!rig.window->look().colours.weekday.isValid());
    QVERIFY(!rig.window->look().colours.border.isValid());
    QVERIFY(!rig.window->look().transparent);
}

void test_my_calendar::ring_around_days_with_notes()
{
    const QByteArray ini = "[Color]\nborder=#ff00ff\ntoday_color=#00ffff\nweekday=#ffffff\n"
                           "day_not_this_months=#808080\n";
    window_rig without({}, ini);
    window_rig with(notes_group("05.03.2026", {"1700000000=a"}) + notes_group("26.02.2026", {"1700000001=b"}), ini);
    auto shot = [](my_calendar *w) {
        w->resize(420, 300);
        w->show();
        QTest::qWait(50);
        return w->calendar_widget()->grab().toImage();
    };
    const int rings_without = count_colour(shot(without.window.get()), qRgb(255, 0, 255));
    const QImage img = shot(with.window.get());
    QCOMPARE(rings_without, 0);
    QVERIFY(count_colour(img, qRgb(255, 0, 255)) > 40);
    // Removing the notes takes the rings away at once.
    with.store->remove_date(QDate(2026, 3, 5));
    with.store->remove_date(QDate(2026, 2, 26));
    QTest::qWait(50);
    QCOMPARE(count_colour(with.window->calendar_widget()->grab().toImage(), qRgb(255, 0, 255)), 0);
}

void test_my_calendar::shown_grid_turns_to_today()
{
    window_rig rig;
    qtcalendar *c = rig.window->calendar_widget();
    c->setSelectedDate(QDate(2025, 7, 14));
    rig.window->show();
    QCOMPARE(c->selectedDate(), today);
    c->setSelectedDate(QDate(2025, 7, 14));
    rig.window->refresh();
    QCOMPARE(c->selectedDate(), today);
    QCOMPARE(c->monthShown(), 3);
    rig.window->go_note("2024-12-06");
    QCOMPARE(c->selectedDate(), QDate(2024, 12, 6));
    QCOMPARE(c->monthShown(), 12);
    rig.window->go_to_now();
    QCOMPARE(c->selectedDate(), today);
}

void test_my_calendar::grip_follows_and_resizes()
{
    window_rig rig;
    QVERIFY(rig.window->grip());
    rig.window->set_resize_control(true);
    rig.window->show();
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(rig.window.get(), &enter);
    QVERIFY(!rig.window->pointer_outside());
    QVERIFY(rig.window->grip()->isVisible());
    QCOMPARE(rig.window->grip()->pos(), rig.window->frameGeometry().bottomRight());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(rig.window.get(), &leave);
    QVERIFY(rig.window->pointer_outside());
    QCOMPARE(rig.window->grip_timer()->interval(), 1500);
    QTRY_VERIFY(!rig.window->grip()->isVisible());
    rig.window->set_resize_control(false);
    QApplication::sendEvent(rig.window.get(), &enter);
    QVERIFY(!rig.window->grip()->isVisible());
}

namespace {

// The grid's day cells: the view, the model index of the cell of `date` in
// the shown month's page, and a point of the screen in it.
QTableView *grid_of(qtcalendar *c)
{
    return c->findChild<QTableView *>(QStringLiteral("qt_calendar_calendarview"));
}

QPoint global_centre(QTableView *view, int row, int column)
{
    return view->viewport()->mapToGlobal(view->visualRect(view->model()->index(row, column)).center());
}

} // namespace

void test_my_calendar::a_right_click_selects_the_day_first()
{
    window_rig rig(notes_group("12.03.2026", {"1700000000=на двенадцатое"}) +
                   notes_group("05.03.2026", {"1700000001=на сегодня"}));
    rig.window->resize(400, 300);
    rig.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(rig.window.get()));
    qtcalendar *c = rig.window->calendar_widget();
    QCOMPARE(c->selectedDate(), today);
    QTableView *view = grid_of(c);
    QVERIFY(view);
    // March 2026 begins on a Sunday: 12 March is in the third week, a Thursday.
    const QPoint at = global_centre(view, 3, 3);
    QCOMPARE(c->date_at(at), QDate(2026, 3, 12));
    rig.window->customContextMenuRequested(rig.window->mapFromGlobal(at));
    QCOMPARE(c->selectedDate(), QDate(2026, 3, 12));
    QStringList texts;
    for (QAction *a : rig.window->context_menu()->actions())
        texts << a->text();
    rig.window->context_menu()->hide();
    QVERIFY2(texts.contains("Добавление новой заметки на 12.03.2026"), qPrintable(texts.join('|')));
    QVERIFY(texts.contains("на двенадцатое"));
    QVERIFY(!texts.contains("на сегодня"));

    // The note goes to the day clicked.
    rig.answer_editor([](addNote *e) {
        QCOMPARE(e->windowTitle(), QStringLiteral("12.03.2026"));
        e->text_edit->setText("ещё одна");
        e->ok_button->click();
    });
    rig.window->add_note();
    QCOMPARE(rig.store->keys(QDate(2026, 3, 12)).size(), 2);

    // Outside the day cells (the day names) nothing changes.
    rig.window->customContextMenuRequested(rig.window->mapFromGlobal(global_centre(view, 0, 2)));
    rig.window->context_menu()->hide();
    QVERIFY(c->selectedDate().isValid());
}

// What the grid computes for a cell is what the widget selects when the
// cell is clicked, whatever the weekday the month begins on.
void test_my_calendar::cells_show_the_dates_the_widget_selects()
{
    window_rig rig;
    rig.window->resize(400, 300);
    rig.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(rig.window.get()));
    qtcalendar *c = rig.window->calendar_widget();
    QTableView *view = grid_of(c);
    // Months beginning on every day of the week, Monday first among them.
    const QList<QDate> months{{2026, 6, 1}, {2026, 9, 1}, {2026, 4, 1}, {2026, 1, 1},
                              {2026, 5, 1}, {2026, 8, 1}, {2026, 3, 1}, {2024, 2, 1}};
    for (const QDate &m : months) {
        for (int cell = 0; cell < 42; cell += 5) {
            c->setCurrentPage(m.year(), m.month());
            c->setSelectedDate(m.addDays(14));
            const int row = cell / 7, column = cell % 7;
            const QPoint at = global_centre(view, row + 1, column);
            const QDate expected = c->date_at(at);
            QCOMPARE(expected, qtcalendar::date_of_cell(m.year(), m.month(), Qt::Monday, row, column));
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->viewport()->mapFromGlobal(at));
            QCOMPARE(c->selectedDate(), expected);
        }
    }
}

void test_my_calendar::notes_with_any_key_open()
{
    window_rig rig(notes_group("05.03.2026", {"abc=по имени", "-3=минус три", "1700000000=обычная"}));
    rig.window->customContextMenuRequested({});
    QList<QAction *> notes;
    for (QAction *a : rig.window->context_menu()->actions())
        if (a->data().typeId() == QMetaType::QString)
            notes << a;
    rig.window->context_menu()->hide();
    QCOMPARE(notes.size(), 3);
    for (QAction *a : notes) {
        const QString key = a->data().toString();
        rig.answer_editor([key, &rig](addNote *e) {
            QCOMPARE(e->text(), rig.store->read(today, key).value(0));
            e->text_edit->setText(e->text() + " (открыта)");
            e->ok_button->click();
        });
        rig.window->edit_note(a);
        QVERIFY2(rig.on_disk("05.03.2026", key).value(0).endsWith(" (открыта)"), qPrintable(key));
    }
}

void test_my_calendar::names_are_russian_whatever_the_locale()
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    window_rig rig;
    rig.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(rig.window.get()));
    qtcalendar *c = rig.window->calendar_widget();
    auto *month = c->findChild<QToolButton *>(QStringLiteral("qt_calendar_monthbutton"));
    QVERIFY(month);
    QCOMPARE(month->text().toLower(), QStringLiteral("март"));
    QTableView *view = grid_of(c);
    QCOMPARE(view->model()->data(view->model()->index(0, 0)).toString().toLower(), QStringLiteral("пн"));
    // And the overview's dates, in its table and its date field.
    my_monitor *m = rig.window->overview();
    QCOMPARE(m->locale().language(), QLocale::Russian);
    const QString shown = m->table()->locale().toString(QDate(2026, 3, 5), QLocale::ShortFormat);
    QCOMPARE(shown, QStringLiteral("05.03.2026"));
    QLocale::setDefault(before);
}

// The calendar on top, the overview shown with it, and a calendar refresh
// while a modal dialog is open: the overview's "x" still closes it.
void test_my_calendar::overview_over_a_modal_dialog_can_be_closed()
{
    window_rig rig({}, "[Monitor]\nshow_monitor_notes=2\n");
    rig.window->overview()->set_on_top(true);
    QDialog dialog;
    dialog.resize(500, 400);
    bool checked = false;
    QTimer::singleShot(0, &dialog, [&] {
        struct closer
        {
            QDialog &d;
            ~closer() { d.reject(); }
        } guard{dialog};
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        rig.window->refresh();
        my_monitor *m = rig.window->overview();
        QVERIFY(QTest::qWaitForWindowExposed(m));
        auto *x = m->findChild<QToolButton *>(QStringLiteral("toolButton"));
        QVERIFY(x);
        QTest::mouseClick(m->windowHandle(), Qt::LeftButton, {}, x->mapTo(m, x->rect().center()));
        QTRY_VERIFY(!m->isVisible());
        checked = true;
    });
    dialog.exec();
    QVERIFY(checked);
}

QTEST_MAIN(test_my_calendar)
#include "tst_my_calendar.moc"
