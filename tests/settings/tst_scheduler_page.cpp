// The scheduler page: modes and their form, save_task's stored forms, add,
// save and delete with their boxes, and saving beside the evaluation pass.
#include "clock_rig.h"
#include "common/time_source.h"
#include "scheduler/event_evaluator.h"
#include "scheduler/event_runner.h"
#include "scheduler/event_store.h"
#include "scheduler/scheduler_page.h"
#include "settings/alarm_setup.h"
#include "settings/constructor/skin_constructor.h"
#include "settings_rig.h"
#include "storage/ini_format.h"
#include "test_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>
#include <QTimeEdit>

namespace {

class counting_runner : public event_runner
{
public:
    void run(event_store &store, bool) override { fired << store.current(); }
    QStringList fired;
};

const char *const day_boxes[] = {"ponedelnik", "vtornik", "sreda", "chetverg", "patnicha", "subbota", "voskresenie"};

// The dialog with its page on a real alarm.ini and a fake clock.
struct page_rig
{
    explicit page_rig(const QByteArray &alarm_ini = "",
                      const QDateTime &start = QDateTime(QDate(2026, 3, 10), QTime(10, 7, 40)))
        : clock(start)
    {
        make_clock_data(home, "[TYPE]\nclock=analog\n");
        write_file(home.data_folder() + "/alarm.ini", ini_format::encode(QString::fromUtf8(alarm_ini)));
        setup = std::make_unique<alarm_setup>();
        setup->set_prompts(&prompts);
        store = std::make_unique<event_store>(setup->alarm_ini());
        setup->attach_event_store(*store, clock);
        evaluator = std::make_unique<event_evaluator>(*store, clock, runner);
    }
    template <class T>
    T *w(const char *name)
    {
        T *found = setup->findChild<T *>(QString::fromLatin1(name));
        if (!found)
            qFatal("no %s on the form", name);
        return found;
    }
    QTableWidget *table() { return w<QTableWidget>("tableWidget"); }
    QString file() const { return home.data_folder() + "/alarm.ini"; }
    QVariant value(const QString &key)
    {
        setup->alarm_ini().sync();
        return stored(file(), key);
    }
    void mode(int index) { w<QComboBox>("comboBox")->setCurrentIndex(index); }
    void click(const char *button) { w<QPushButton>(button)->click(); }

    temp_data_home home;
    manual_time_source clock;
    scripted_prompts prompts;
    std::unique_ptr<alarm_setup> setup;
    std::unique_ptr<event_store> store;
    counting_runner runner;
    std::unique_ptr<event_evaluator> evaluator;
};

QByteArray two_events()
{
    return "[1700000000]\nname=Первое\nrepeat=1\ntime=09:30\ndate=01.02.2026\nday_2=true\n"
           "[1700000100]\nname=Выключенное\ndisable=true\nrepeat=0\ntime=11:00\ndate=10.03.2026\n"
           "alarmmessage=Текст\nsoundfile=\"/tmp/a b/звук \\\"1\\\".wav\"\nrepeat_min=7\n";
}

} // namespace

class tst_scheduler_page : public QObject
{
    Q_OBJECT

private slots:
    void lists_events_and_loads_the_first()
    {
        page_rig r(two_events());
        QTableWidget *t = r.table();
        QCOMPARE(t->rowCount(), 2);
        QVERIFY(t->isColumnHidden(0));
        QCOMPARE(t->item(0, 0)->text(), QString("1700000000"));
        QCOMPARE(t->item(1, 1)->text(), QString("Выключенное"));
        QCOMPARE(t->item(1, 1)->foreground().color(), QColor(Qt::lightGray));
        QCOMPARE(t->currentRow(), 0);
        QCOMPARE(r.w<QLineEdit>("lineEdit")->text(), QString("Первое"));
        QCOMPARE(r.w<QComboBox>("comboBox")->currentIndex(), 1);
        QVERIFY(r.w<QCheckBox>("vtornik")->isChecked());
        QVERIFY(!r.w<QCheckBox>("ponedelnik")->isChecked());

        // A disabled event still loads.
        t->setCurrentCell(1, 1);
        QCOMPARE(r.w<QLineEdit>("lineEdit")->text(), QString("Выключенное"));
        QVERIFY(r.w<QCheckBox>("checkBox_24")->isChecked());
        QCOMPARE(r.w<QTextEdit>("textEdit")->toPlainText(), QString("Текст"));
        QCOMPARE(r.w<QLineEdit>("lineEdit_2")->text(), QString("/tmp/a b/звук \"1\".wav"));
        QCOMPARE(r.w<QSpinBox>("repeat_min")->value(), 7);
        QCOMPARE(r.w<QTimeEdit>("timeEdit")->time(), QTime(11, 0));
    }

    void mode_switch_sets_up_the_form_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("page_enabled");
        QTest::addColumn<bool>("days_on");
        QTest::addColumn<QString>("format");
        QTest::addColumn<bool>("date_enabled");
        QTest::addColumn<bool>("time_enabled");
        QTest::newRow("once") << 0 << 0 << false << false << "dd.MM.yyyy" << true << true;
        QTest::newRow("daily") << 1 << 0 << true << true << "dd.MM.yyyy" << false << true;
        QTest::newRow("monthly") << 2 << 1 << true << false << "dd.MMM" << true << true;
        QTest::newRow("yearly") << 3 << 0 << false << false << "dd.MM.yyyy" << true << true;
        QTest::newRow("after minutes") << 4 << 2 << true << false << "dd.MM.yyyy" << false << false;
        QTest::newRow("every n minutes") << 5 << 2 << true << false << "dd.MM.yyyy" << false << false;
    }
    void mode_switch_sets_up_the_form()
    {
        QFETCH(int, mode);
        QFETCH(int, page);
        QFETCH(bool, page_enabled);
        QFETCH(bool, days_on);
        QFETCH(QString, format);
        QFETCH(bool, date_enabled);
        QFETCH(bool, time_enabled);
        page_rig r;
        // From another mode, with the boxes in the opposite state.
        r.mode(mode == 1 ? 0 : 1);
        for (const char *d : day_boxes)
            r.w<QCheckBox>(d)->setChecked(!days_on);
        r.mode(mode);
        auto *pages = r.w<QStackedWidget>("stackedWidget");
        QCOMPARE(pages->currentIndex(), page);
        QCOMPARE(pages->currentWidget()->isEnabled(), page_enabled);
        if (mode == 2) {
            for (int m = 1; m <= 12; ++m)
                QVERIFY(r.w<QCheckBox>(qPrintable(QString("month_%1").arg(m)))->isChecked());
        } else {
            for (const char *d : day_boxes)
                QVERIFY2(r.w<QCheckBox>(d)->isChecked() == days_on, d);
        }
        QCOMPARE(r.w<QDateEdit>("dateEdit")->displayFormat(), format);
        QCOMPARE(r.w<QDateEdit>("dateEdit")->isEnabled(), date_enabled);
        QCOMPARE(r.w<QTimeEdit>("timeEdit")->isEnabled(), time_enabled);
    }

    void every_n_minutes_above_60_warns_and_stores_60()
    {
        page_rig r;
        box_answerer boxes;
        r.mode(5);
        r.w<QSpinBox>("repeat_min")->setValue(75);
        r.click("pushButton");
        QCOMPARE(boxes.seen().size(), 1);
        QCOMPARE(boxes.seen()[0].title, QString("Внимание!"));
        QCOMPARE(boxes.seen()[0].text, QString("В данном режиме ко-во минут = от 1 до 60"));
        const QString key = r.store->events().value(0);
        QCOMPARE(r.value(key + "/repeat_min").toInt(), 60);
        QCOMPARE(r.value(key + "/time").toString(), QString("00:60"));
        QVERIFY(!r.value(key + "/date").isValid());
        QCOMPARE(r.w<QSpinBox>("repeat_min")->value(), 60);
    }

    void after_minutes_counts_from_the_whole_minute()
    {
        page_rig r; // 10:07:40
        r.mode(4);
        r.w<QSpinBox>("repeat_min")->setValue(30);
        r.click("pushButton");
        const QString key = r.store->events().value(0);
        QCOMPARE(r.value(key + "/time").toString(), QString("10:37"));
        QCOMPARE(r.value(key + "/date").toString(), QString("10.03.2026"));
        QCOMPARE(r.value(key + "/repeat").toInt(), 4);
    }

    void add_stores_the_form()
    {
        page_rig r;
        r.w<QLineEdit>("lineEdit")->setText("Позвонить");
        r.w<QTimeEdit>("timeEdit")->setTime(QTime(18, 5));
        r.w<QDateEdit>("dateEdit")->setDate(QDate(2026, 12, 31));
        r.w<QTextEdit>("textEdit")->setPlainText("Строка 1\n\"Строка\" 2");
        const QString program = "/opt/my tools/запуск \"это\" 'now'.sh";
        r.w<QLineEdit>("lineEdit_3")->setText(program);
        r.w<QLineEdit>("lineEdit_4")->setText("--name \"a b\" 'c'");
        r.w<QCheckBox>("checkBox_10")->setChecked(true);
        r.w<QCheckBox>("checkBox_25")->setChecked(true);
        r.click("pushButton");
        const QString key = QString::number(r.clock.now().toSecsSinceEpoch());
        QCOMPARE(r.store->events(), QStringList{key});
        QCOMPARE(r.value(key + "/name").toString(), QString("Позвонить"));
        QCOMPARE(r.value(key + "/time").toString(), QString("18:05"));
        QCOMPARE(r.value(key + "/date").toString(), QString("31.12.2026"));
        QCOMPARE(r.value(key + "/alarmmessage").toString(), QString("Строка 1\n\"Строка\" 2"));
        QCOMPARE(r.value(key + "/run_file").toString(), program);
        QCOMPARE(r.value(key + "/run_arg").toString(), QString("--name \"a b\" 'c'"));
        QCOMPARE(r.value(key + "/beep_pc").toString(), QString("true"));
        QCOMPARE(r.value(key + "/do_find").toString(), QString("true"));
        QCOMPARE(r.value(key + "/disable").toString(), QString("false"));
        QCOMPARE(r.value(key + "/day_1").toString(), QString("false"));

        // A second add in the same second is a second event.
        r.click("pushButton");
        QCOMPARE(r.store->events().size(), 2);
        QCOMPARE(r.table()->rowCount(), 2);
    }

    void saving_on_an_empty_list_warns_and_writes_nothing()
    {
        page_rig r;
        box_answerer boxes;
        r.w<QLineEdit>("lineEdit")->setText("x");
        r.click("pushButton_3");
        QCOMPARE(boxes.seen().size(), 1);
        QCOMPARE(boxes.seen()[0].title, QString("Внимание !"));
        QCOMPARE(boxes.seen()[0].text, QString(" Выберите наименование напоминания для редактирования !"));
        r.setup->alarm_ini().sync();
        QCOMPARE(read_file(r.file()), QByteArray());
    }

    void save_changes_rewrites_the_selected_event()
    {
        page_rig r(two_events());
        r.table()->setCurrentCell(1, 1);
        r.w<QLineEdit>("lineEdit")->setText("Новое имя");
        r.w<QCheckBox>("checkBox_24")->setChecked(false);
        r.click("pushButton_3");
        QCOMPARE(r.value("1700000100/name").toString(), QString("Новое имя"));
        QCOMPARE(r.value("1700000100/disable").toString(), QString("false"));
        QCOMPARE(r.table()->currentRow(), 1);
        QCOMPARE(r.table()->item(1, 1)->text(), QString("Новое имя"));
        QVERIFY(r.table()->item(1, 1)->foreground().color() != QColor(Qt::lightGray));
        QCOMPARE(r.value("1700000000/name").toString(), QString("Первое"));
    }

    void delete_asks_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::newRow("confirmed") << true;
        QTest::newRow("cancelled") << false;
    }
    void delete_asks()
    {
        QFETCH(bool, confirm);
        page_rig r(two_events());
        box_answerer boxes;
        boxes.prefer_button(confirm ? "OK" : "Cancel");
        r.table()->setCurrentCell(1, 1);
        r.click("pushButton_2");
        QCOMPARE(boxes.seen().size(), 1);
        QCOMPARE(boxes.seen()[0].title, QString("Удаление"));
        QCOMPARE(boxes.seen()[0].text, QString("Вы действительно хотите удалить выбранное ?"));
        QCOMPARE(r.store->events().contains("1700000100"), !confirm);
        QCOMPARE(r.table()->rowCount(), confirm ? 1 : 2);
        // Either way the list is read again and the first event shown.
        QCOMPARE(r.table()->currentRow(), 0);
        QCOMPARE(r.w<QLineEdit>("lineEdit")->text(), QString("Первое"));
    }

    // Tab from the name runs through the whole form, its buttons and the
    // list once, and back: nothing is typed, no event is loaded.
    void tab_walks_the_form_and_loads_nothing()
    {
        page_rig r(two_events());
        r.setup->show();
        QVERIFY(QTest::qWaitForWindowActive(r.setup.get()));
        r.w<QTabWidget>("tabWidget")->setCurrentIndex(1);
        auto *name = r.w<QLineEdit>("lineEdit");
        name->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), name);
        name->setText("Изменённое");
        const QString loaded = r.setup->page()->loaded_key();
        QStringList visited;
        for (int i = 0; i < 80; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget *f = QApplication::focusWidget();
            QVERIFY(f);
            // A spin box's or a date field's line edit stands for it.
            QWidget *named = qobject_cast<QAbstractSpinBox *>(f->parentWidget()) ? f->parentWidget() : f;
            // Tab steps through the sections of a time or date field first.
            if (visited.isEmpty() || visited.last() != named->objectName())
                visited << named->objectName();
            if (named == name)
                break;
        }
        // Mode 1 of the first event: the date is off, the weekday page shown.
        const QStringList expected{"timeEdit",      "textEdit",
                                   "pushButton_10", "lineEdit_2",
                                   "pushButton_14", "checkBox_10",
                                   "pushButton_15", "pushButton_24",
                                   "lineEdit_3",    "lineEdit_4",
                                   "lineEdit_5",    "comboBox",
                                   "checkBox_25",   "checkBox_24",
                                   "ponedelnik",    "vtornik",
                                   "sreda",         "chetverg",
                                   "patnicha",      "subbota",
                                   "voskresenie",   "pushButton",
                                   "pushButton_3",  "pushButton_2",
                                   "tableWidget",   "qt_tabwidget_tabbar",
                                   "lineEdit"};
        QCOMPARE(visited.join(" "), expected.join(" "));
        QCOMPARE(r.setup->page()->loaded_key(), loaded);
        QCOMPARE(name->text(), QString("Изменённое"));
        QVERIFY(!r.w<QTextEdit>("textEdit")->toPlainText().contains('\t'));
        QVERIFY(r.prompts.questions.isEmpty());
        // Tab on in the list moves out of it, not down it.
        r.table()->setFocus();
        QTest::keyClick(r.table(), Qt::Key_Tab);
        QCOMPARE(r.table()->currentRow(), 0);
        QCOMPARE(r.setup->page()->loaded_key(), loaded);
    }

    // The program settings and the constructor: Tab visits each control of
    // the page shown, in its order, then the tab bar, and comes round.
    void tab_follows_each_pages_order_data()
    {
        QTest::addColumn<int>("tab");
        QTest::newRow("program settings") << 0;
        QTest::newRow("skin constructor") << 2;
    }
    void tab_follows_each_pages_order()
    {
        QFETCH(int, tab);
        page_rig r(two_events());
        r.setup->show();
        QVERIFY(QTest::qWaitForWindowActive(r.setup.get()));
        auto *tabs = r.w<QTabWidget>("tabWidget");
        tabs->setCurrentIndex(tab);
        const QList<QWidget *> order = tab == 0 ? r.setup->general_tab_order() : r.setup->constructor()->tab_order();
        QStringList expected;
        for (QWidget *w : order) {
            if (!w || !w->isVisible() || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus))
                continue;
            // Of a group of radio buttons Tab takes the one checked; the
            // arrow keys move between them.
            if (auto *radio = qobject_cast<QRadioButton *>(w); radio && radio->autoExclusive() && !radio->isChecked())
                continue;
            expected << w->objectName() + "/" + w->metaObject()->className();
        }
        QVERIFY(expected.size() > 10);
        QWidget *first = order.first();
        first->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), first);
        QStringList visited{first->objectName() + "/" + first->metaObject()->className()};
        for (int i = 0; i < 120; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget *f = QApplication::focusWidget();
            QVERIFY(f);
            QWidget *named = qobject_cast<QAbstractSpinBox *>(f->parentWidget()) ? f->parentWidget() : f;
            const QString name = named->objectName() + "/" + named->metaObject()->className();
            if (named == first)
                break;
            if (visited.last() != name)
                visited << name;
        }
        expected << "qt_tabwidget_tabbar/QTabBar";
        for (int i = 0; i < qMax(visited.size(), expected.size()); ++i)
            QVERIFY2(
                visited.value(i) == expected.value(i),
                qPrintable(QString("at %1: visited %2, expected %3").arg(i).arg(visited.value(i), expected.value(i))));
    }

    // Every control of every page that Tab can reach is in the page's order.
    void every_control_is_in_a_tab_order()
    {
        page_rig r(two_events());
        r.setup->show();
        const QList<QWidget *> general = r.setup->general_tab_order();
        const QList<QWidget *> scheduler = r.setup->scheduler_tab_order();
        auto *tabs = r.w<QTabWidget>("tabWidget");
        for (int i = 0; i < tabs->count(); ++i) {
            QWidget *page = tabs->widget(i);
            for (QWidget *w : page->findChildren<QWidget *>()) {
                if (!(w->focusPolicy() & Qt::TabFocus) || w->focusProxy())
                    continue;
                // Parts of a control: a spin box's line edit, a view's viewport, a scroll bar.
                if (w->objectName().startsWith("qt_") && !w->objectName().startsWith("qt_toolbox") &&
                    w->objectName() != "qt_tabwidget_tabbar")
                    continue;
                if (qobject_cast<QLineEdit *>(w) && qobject_cast<QAbstractSpinBox *>(w->parentWidget()))
                    continue;
                if (w->inherits("QScrollBar") || w->inherits("QCalendarWidget") || w->window() != r.setup.get())
                    continue;
                bool listed = general.contains(w) || scheduler.contains(w);
                if (!listed) {
                    for (QObject *o = w; o && !listed; o = o->parent())
                        listed = o->inherits("skin_constructor");
                }
                QVERIFY2(listed, qPrintable(w->metaObject()->className() + QString(" ") + w->objectName()));
            }
        }
    }

    void leaving_an_edited_event_asks_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("by_click");
        using a = user_prompts::unsaved_answer;
        QTest::newRow("cancel, arrow key") << int(a::cancel) << false;
        QTest::newRow("cancel, click") << int(a::cancel) << true;
        QTest::newRow("discard") << int(a::discard) << false;
        QTest::newRow("save") << int(a::save) << false;
        QTest::newRow("save, click") << int(a::save) << true;
    }
    void leaving_an_edited_event_asks()
    {
        QFETCH(int, answer);
        QFETCH(bool, by_click);
        const auto reply = user_prompts::unsaved_answer(answer);
        page_rig r(two_events());
        r.setup->show();
        QVERIFY(QTest::qWaitForWindowActive(r.setup.get()));
        r.w<QTabWidget>("tabWidget")->setCurrentIndex(1);
        QTableWidget *t = r.table();
        auto *name = r.w<QLineEdit>("lineEdit");
        QCOMPARE(r.setup->page()->loaded_key(), QString("1700000000"));
        // Untouched: moving on asks nothing.
        t->setCurrentCell(1, 1);
        t->setCurrentCell(0, 1);
        QVERIFY(r.prompts.questions.isEmpty());

        name->setText("Первое, исправленное");
        r.w<QTextEdit>("textEdit")->setPlainText("новый текст");
        QVERIFY(r.setup->page()->has_unsaved_edits());
        r.prompts.next_unsaved = reply;
        if (by_click) {
            QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualItemRect(t->item(1, 1)).center());
        } else {
            t->setFocus();
            QTest::keyClick(t, Qt::Key_Down);
        }
        QCOMPARE(r.prompts.questions.size(), 1);
        QCOMPARE(r.prompts.questions[0].kind, QString("unsaved"));
        QCOMPARE(r.prompts.questions[0].title, QString("Планировщик событий"));
        QCOMPARE(r.prompts.questions[0].label_or_folder, QString("Событие «Первое» изменено. Сохранить изменения?"));
        if (reply == user_prompts::unsaved_answer::cancel) {
            // The list shows the event the form shows, highlight included.
            QTRY_COMPARE(t->selectedItems(), QList<QTableWidgetItem *>{t->item(0, 1)});
            QCOMPARE(t->currentRow(), 0);
            QCOMPARE(r.setup->page()->loaded_key(), QString("1700000000"));
            QCOMPARE(name->text(), QString("Первое, исправленное"));
            QVERIFY(r.setup->page()->has_unsaved_edits());
            QCOMPARE(r.value("1700000000/name").toString(), QString("Первое"));
            return;
        }
        QCOMPARE(r.setup->page()->loaded_key(), QString("1700000100"));
        QCOMPARE(t->currentRow(), 1);
        QCOMPARE(name->text(), QString("Выключенное"));
        QVERIFY(!r.setup->page()->has_unsaved_edits());
        const bool saved = reply == user_prompts::unsaved_answer::save;
        QCOMPARE(r.value("1700000000/name").toString(), saved ? QString("Первое, исправленное") : QString("Первое"));
        QCOMPARE(r.value("1700000000/alarmmessage").toString(), saved ? QString("новый текст") : QString());
        QCOMPARE(t->item(0, 1)->text(), saved ? QString("Первое, исправленное") : QString("Первое"));
    }

    // "dd.MMM" names the month as the interface does, whatever the locale.
    void the_monthly_date_is_named_in_russian()
    {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        page_rig r;
        r.mode(2);
        QCOMPARE(r.w<QDateEdit>("dateEdit")->text(), QStringLiteral("10.мар."));
        QLocale::setDefault(before);
    }

    void closing_the_dialog_asks_about_unsaved_edits()
    {
        page_rig r(two_events());
        r.setup->show();
        QVERIFY(QTest::qWaitForWindowExposed(r.setup.get()));
        r.setup->reject();
        QVERIFY(!r.setup->isVisible()); // nothing to ask
        QVERIFY(r.prompts.questions.isEmpty());
        r.setup->show();
        r.w<QLineEdit>("lineEdit")->setText("ещё не сохранено");
        r.prompts.next_unsaved = user_prompts::unsaved_answer::cancel;
        r.setup->close();
        QVERIFY(r.setup->isVisible());
        QCOMPARE(r.prompts.questions.size(), 1);
        r.prompts.next_unsaved = user_prompts::unsaved_answer::save;
        QTest::keyClick(r.setup.get(), Qt::Key_Escape);
        QVERIFY(!r.setup->isVisible());
        QCOMPARE(r.value("1700000000/name").toString(), QString("ещё не сохранено"));
    }

    void choosers_fill_the_paths()
    {
        page_rig r;
        r.prompts.next_file = "/home/u/Музыка/a \"b\".ogg";
        r.click("pushButton_10");
        QCOMPARE(r.w<QLineEdit>("lineEdit_2")->text(), r.prompts.next_file);
        QCOMPARE(r.prompts.questions.last().title, QString("Выберете звуковой файл"));
        QCOMPARE(r.prompts.questions.last().label_or_folder, r.home.data_folder() + "//Sound");
        r.prompts.next_file = "/usr/bin/my prog";
        r.click("pushButton_24");
        QCOMPARE(r.w<QLineEdit>("lineEdit_3")->text(), QString("/usr/bin/my prog"));
        QCOMPARE(r.prompts.questions.last().title, QString("Выберете файл для запуска"));
        QCOMPARE(r.prompts.questions.last().filter_or_initial, QString("Все файлы (*.*)"));
        r.prompts.next_file.clear();
        r.click("pushButton_24");
        QCOMPARE(r.w<QLineEdit>("lineEdit_3")->text(), QString("/usr/bin/my prog"));
    }

    void an_event_saved_while_the_pass_is_due_fires_once()
    {
        // 10:07:40; an event for 10:07 today.
        page_rig r;
        r.w<QLineEdit>("lineEdit")->setText("now");
        r.w<QTimeEdit>("timeEdit")->setTime(QTime(10, 7));
        r.w<QDateEdit>("dateEdit")->setDate(QDate(2026, 3, 10));
        r.click("pushButton");
        const QString key = r.store->events().value(0);
        r.evaluator->pass();
        QCOMPARE(r.runner.fired, QStringList{key});
        // Edited and saved again within the minute: not again.
        r.w<QTextEdit>("textEdit")->setPlainText("changed");
        r.click("pushButton_3");
        r.clock.advance_secs(5);
        r.evaluator->pass();
        r.clock.advance_secs(5);
        r.evaluator->pass();
        QCOMPARE(r.runner.fired, QStringList{key});
        QCOMPARE(r.value(key + "/alarmmessage").toString(), QString("changed"));
    }

    void a_box_of_the_page_never_holds_the_pass_back()
    {
        page_rig r("[1700000000]\nname=due\nrepeat=0\ntime=10:07\ndate=10.03.2026\n");
        // While the mode 5 warning is up, an alarm tick comes.
        bool inside_while_boxed = true;
        int skipped = -1;
        QTimer tick;
        connect(&tick, &QTimer::timeout, this, [&] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible()) {
                    inside_while_boxed = r.store->inside();
                    r.evaluator->pass();
                    skipped = r.evaluator->skipped();
                    box->accept();
                    tick.stop();
                }
            }
        });
        tick.start(5);
        r.table()->setCurrentCell(0, 1);
        r.mode(5);
        r.w<QSpinBox>("repeat_min")->setValue(90);
        r.click("pushButton_3");
        QVERIFY(!inside_while_boxed);
        QCOMPARE(skipped, 0);
        QCOMPARE(r.runner.fired, QStringList{"1700000000"});
        QCOMPARE(r.value("1700000000/time").toString(), QString("00:60"));
    }
};

QTEST_MAIN(tst_scheduler_page)
#include "tst_scheduler_page.moc"
