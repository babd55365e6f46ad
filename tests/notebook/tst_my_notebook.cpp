// The notebook window over a real database file: text pages in both modes,
// the unsaved-changes question, deleting, finding, image pages with
// captions, export, bad pages, the size file, the context menus, the entry
// point's seeding.
#include "notebook/image_page.h"
#include "notebook/my_notebook.h"
#include "notebook/notebook_entry.h"
#include "notebook/notebook_size_file.h"
#include "notebook/text_item.h"
#include "notebook_fixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QImage>
#include <QMenu>
#include <QRadioButton>
#include <QSemaphore>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QThread>
#include <QTimer>

namespace {

using answer = notebook_prompts::unsaved_answer;

int row_titled(my_notebook &n, const QString &title)
{
    for (int r = 0; r < n.page_list()->rowCount(); ++r)
        if (n.page_list()->item(r, 1)->text() == title)
            return r;
    return -1;
}

qint64 id_titled(my_notebook &n, const QString &title)
{
    const int r = row_titled(n, title);
    return r < 0 ? -1 : n.page_list()->item(r, 0)->data(Qt::DisplayRole).toLongLong();
}

// The texts of the menu that widget's context-menu request opens, closed
// unused; empty when none opens.
QStringList context_menu_of(QWidget *widget)
{
    QStringList texts;
    QTimer::singleShot(0, [&texts] {
        if (auto *m = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            for (QAction *a : m->actions())
                if (!a->isSeparator())
                    texts << a->text();
            m->close();
        }
    });
    emit widget->customContextMenuRequested(QPoint(5, 5));
    QCoreApplication::processEvents(); // the timer, when no menu opened
    return texts;
}

} // namespace

class tst_my_notebook : public QObject
{
    Q_OBJECT

    struct rig
    {
        temp_data_home home;
        scripted_prompts prompts;
        std::unique_ptr<my_notebook> window;
        explicit rig(bool seed = true)
        {
            if (seed)
                install_seed(home);
        }
        QString db() const { return home.data_folder() + "/notebook.db"; }
        my_notebook &open()
        {
            window = std::make_unique<my_notebook>(&prompts);
            return *window;
        }
        void reopen()
        {
            window.reset();
            open();
        }
        // Adds a page and returns its id.
        qint64 add(const QString &title, bool image = false)
        {
            prompts.texts.enqueue(title);
            if (!window->add_page(image))
                return -1;
            return window->loaded_page();
        }
        // An image page with a caption (and no picture); returns its id.
        qint64 add_captioned(const QString &title, const QString &caption)
        {
            const qint64 id = add(title, true);
            prompts.texts.enqueue(caption);
            window->add_text();
            return id;
        }
        // A picture of one colour from a file, as the context menu adds it.
        void add_picture(int width, int height, QColor fill)
        {
            const QString file = home.home() + "/pic.png";
            write_file(file, png_bytes(width, height, fill));
            prompts.open_answer = file;
            window->add_img_file();
        }
        void go_to(const QString &title) { window->page_list()->setCurrentCell(row_titled(*window, title), 1); }
        QVariant column(qint64 id, const QString &col) const
        {
            return query_value(db(), QString("select %1 from notebook where id = %2").arg(col).arg(id));
        }
    };

private slots:
    void first_page_loaded_at_start()
    {
        rig r;
        my_notebook &n = r.open();
        QVERIFY(n.page_list()->rowCount() >= 2);
        QCOMPARE(n.loaded_page(), n.page_list()->item(0, 0)->data(Qt::DisplayRole).toLongLong());
        QVERIFY(n.windowTitle().startsWith("Заметки. База: "));
        QVERIFY(n.windowTitle().endsWith("/Orvella/notebook.db"));
        QVERIFY(r.prompts.messages.isEmpty());
        QVERIFY(n.page_list()->isColumnHidden(0));
    }

    void text_round_trip_data()
    {
        QTest::addColumn<bool>("html");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored_text");
        QTest::newRow("plain cyrillic") << false << "Привет, мир!\nВторая строка ёЁ"
                                        << "Привет, мир!\nВторая строка ёЁ";
        QTest::newRow("plain markup is text") << false << "<b>не жирный</b> & <i>"
                                              << "<b>не жирный</b> & <i>";
        QTest::newRow("plain cut at zero") << false << QString("до") + QChar(0) + "после"
                                           << "до";
        QTest::newRow("html cyrillic") << true << "Съешь же ещё этих мягких булок"
                                       << "Съешь же ещё этих мягких булок";
        QTest::newRow("html markup typed") << true << "<b>тег</b> 🙂"
                                           << "<b>тег</b> 🙂";
    }
    void text_round_trip()
    {
        QFETCH(bool, html);
        QFETCH(QString, typed);
        QFETCH(QString, stored_text);
        rig r;
        run_sql(r.db(), {QString("UPDATE setup SET html = %1").arg(html ? 1 : 0)});
        my_notebook &n = r.open();
        QCOMPARE(n.html_switch()->isChecked(), html);
        const qint64 id = r.add("Страница");
        QVERIFY(id > 0);
        QVERIFY(r.column(id, "data").isNull());
        n.editor()->insertPlainText(typed);
        QVERIFY(n.page_modified());
        n.save();
        QVERIFY(!n.page_modified());
        const QByteArray bytes = r.column(id, "data").toByteArray();
        if (!html)
            QCOMPARE(bytes, stored_text.toUtf8());
        else
            QVERIFY(bytes.startsWith("<!DOCTYPE HTML"));

        r.reopen();
        r.go_to("Страница");
        QCOMPARE(r.window->loaded_page(), id);
        QCOMPARE(r.window->editor()->toPlainText(), stored_text);
        QVERIFY(r.prompts.messages.isEmpty());
    }

    void mode_switch_reinterprets_bytes()
    {
        rig r;
        my_notebook &n = r.open();
        const qint64 id = r.add("Разметка");
        run_sql(r.db(), {QString("UPDATE notebook SET data = '<b>жирный</b> текст' WHERE id = %1").arg(id)});
        n.set_notebook_data(int(id));
        QCOMPARE(n.editor()->toPlainText(), "<b>жирный</b> текст");
        n.html_switch()->click();
        QCOMPARE(query_value(r.db(), "select html from setup").toInt(), 1);
        QCOMPARE(n.editor()->toPlainText(), "жирный текст");
        QCOMPARE(r.column(id, "data").toByteArray(), QByteArray("<b>жирный</b> текст"));
        n.text_switch()->click();
        QCOMPARE(query_value(r.db(), "select html from setup").toInt(), 0);
        QCOMPARE(n.editor()->toPlainText(), "<b>жирный</b> текст");
        QVERIFY(r.prompts.asked_unsaved.isEmpty());
    }

    void cancelled_mode_switch_changes_nothing()
    {
        rig r;
        my_notebook &n = r.open();
        n.editor()->insertPlainText("несохранённое ");
        r.prompts.unsaved_answers.enqueue(answer::cancel);
        n.html_switch()->click();
        QCOMPARE(r.prompts.asked_unsaved.size(), 1);
        QVERIFY(n.text_switch()->isChecked());
        QVERIFY(!n.html_switch()->isChecked());
        QCOMPARE(query_value(r.db(), "select html from setup").toInt(), 0);
        QVERIFY(n.editor()->toPlainText().startsWith("несохранённое "));
        QVERIFY(n.page_modified());
    }

    void leaving_a_changed_page_asks_data()
    {
        QTest::addColumn<int>("reply");
        QTest::addColumn<bool>("stored");
        QTest::addColumn<bool>("moved");
        QTest::newRow("save") << int(answer::save) << true << true;
        QTest::newRow("discard") << int(answer::discard) << false << true;
        QTest::newRow("cancel") << int(answer::cancel) << false << false;
    }
    void leaving_a_changed_page_asks()
    {
        QFETCH(int, reply);
        QFETCH(bool, stored);
        QFETCH(bool, moved);
        rig r;
        my_notebook &n = r.open();
        const qint64 a = r.add("А-страница");
        const qint64 b = r.add("Б-страница");
        r.go_to("А-страница");
        QCOMPARE(n.loaded_page(), a);
        n.editor()->insertPlainText("правка");
        r.prompts.unsaved_answers.enqueue(answer(reply));
        r.go_to("Б-страница");
        QCOMPARE(r.prompts.asked_unsaved, QStringList{"А-страница"});
        QCOMPARE(n.loaded_page(), moved ? b : a);
        QCOMPARE(n.page_list()->currentRow(), row_titled(n, moved ? "Б-страница" : "А-страница"));
        QCOMPARE(r.column(a, "data").toByteArray() == QByteArray("правка"), stored);
        if (!moved)
            QCOMPARE(n.editor()->toPlainText(), "правка");
        // Moving between unchanged pages asks nothing.
        r.prompts.asked_unsaved.clear();
        if (moved) {
            r.go_to("А-страница");
            QVERIFY(r.prompts.asked_unsaved.isEmpty());
        }
    }

    void find_asks_once_and_goes_on_data()
    {
        QTest::addColumn<int>("reply");
        QTest::addColumn<bool>("follows");
        QTest::newRow("discard") << int(answer::discard) << true;
        QTest::newRow("cancel") << int(answer::cancel) << false;
    }
    void find_asks_once_and_goes_on()
    {
        QFETCH(int, reply);
        QFETCH(bool, follows);
        rig r;
        my_notebook &n = r.open();
        r.add("Покупки");
        r.add("Рецепт борща");
        const qint64 start = r.add("Ясная поляна");
        n.editor()->insertPlainText("правка");
        r.prompts.unsaved_answers.enqueue(answer(reply));
        for (const char *typed : {"р", "ре", "рец", "Рецепт", "Покуп"})
            n.find_text(typed);
        QCOMPARE(r.prompts.asked_unsaved.size(), 1);
        QCOMPARE(n.loaded_page(), follows ? id_titled(n, "Покупки") : start);
        // The match stays highlighted either way.
        QCOMPARE(n.page_list()->selectedItems().last()->row(), row_titled(n, "Покупки"));
    }

    void find_without_match_shows_first_page()
    {
        rig r;
        my_notebook &n = r.open();
        n.find_text("такого нет нигде");
        QCOMPARE(n.page_list()->currentRow(), 0);
        QCOMPARE(n.loaded_page(), n.page_list()->item(0, 0)->data(Qt::DisplayRole).toLongLong());
        n.find_text("");
        QVERIFY(n.page_list()->selectedItems().isEmpty());
    }

    void add_cancelled_or_empty_title()
    {
        rig r;
        my_notebook &n = r.open();
        const int before = n.page_list()->rowCount();
        QVERIFY(!n.add_page(false)); // no text queued: cancelled
        QCOMPARE(n.page_list()->rowCount(), before);
        QVERIFY(r.add("") > 0);
        QCOMPARE(n.page_list()->rowCount(), before + 1);
        QCOMPARE(r.column(n.loaded_page(), "name").toString(), "");
    }

    void titles_show_as_typed()
    {
        rig r;
        my_notebook &n = r.open();
        const QString title = "  <b>Жирный?</b> 🙂 &amp;  ";
        r.add(title);
        QVERIFY(row_titled(n, title.trimmed()) >= 0);
        // A title edited in the list is stored as typed.
        const int row = row_titled(n, title.trimmed());
        n.page_list()->item(row, 1)->setText("x");
        QVERIFY(n.store().rename_page("  Новое  ", id_titled(n, "x")));
        r.reopen();
        QVERIFY(row_titled(*r.window, "Новое") >= 0);
    }

    void deleting_selected_pages()
    {
        rig r;
        my_notebook &n = r.open();
        const qint64 a = r.add("удалить 1");
        r.add("оставить");
        const qint64 c = r.add("удалить 2");
        const int before = n.page_list()->rowCount();
        n.page_list()->clearSelection();
        n.page_list()->selectRow(row_titled(n, "удалить 1"));
        n.page_list()->setSelectionMode(QAbstractItemView::MultiSelection);
        n.page_list()->selectRow(row_titled(n, "удалить 2"));
        r.prompts.confirm_answer = false;
        n.delete_notebook();
        QCOMPARE(n.page_list()->rowCount(), before);
        r.prompts.confirm_answer = true;
        n.delete_notebook();
        QCOMPARE(n.page_list()->rowCount(), before - 2);
        QVERIFY(r.column(a, "id").isNull());
        QVERIFY(r.column(c, "id").isNull());
        QVERIFY(row_titled(n, "оставить") >= 0);
        QCOMPARE(n.page_list()->currentRow(), 0);
    }

    void empty_notebook_hides_editors()
    {
        rig r;
        run_sql(r.db(), {"DELETE FROM notebook"});
        my_notebook &n = r.open();
        QCOMPARE(n.page_list()->rowCount(), 0);
        QVERIFY(n.editor()->isHidden());
        QCOMPARE(n.loaded_page(), qint64(-1));
        n.html_switch()->click();
        QCOMPARE(query_value(r.db(), "select html from setup").toInt(), 0);
        n.save();
        QVERIFY(r.prompts.messages.isEmpty());
    }

    void image_page_without_caption_and_picture()
    {
        rig r;
        my_notebook &n = r.open();
        const qint64 id = r.add("Картинка", true);
        QCOMPARE(n.scene()->sceneRect(), QRectF(0, 0, 300, 300));
        r.add_picture(64, 48, Qt::red);
        QCOMPARE(n.scene()->sceneRect(), QRectF(0, 0, 64, 48));
        QVERIFY(n.page_modified());
        n.save();
        QCOMPARE(r.column(id, "comment").toString(), "");
        for (const char *col : {"pos_x", "pos_y", "rotation", "zvalue"})
            QCOMPARE(r.column(id, col).toDouble(), 0.0);
        QCOMPARE(QImage::fromData(r.column(id, "data").toByteArray()).size(), QSize(64, 48));

        n.del_img();
        QCOMPARE(n.scene()->sceneRect(), QRectF(0, 0, 64, 48));
        n.save();
        QVERIFY(r.column(id, "data").toByteArray().isEmpty());
        n.set_notebook_data(int(id));
        QCOMPARE(n.scene()->sceneRect(), QRectF(0, 0, 300, 300));
        QVERIFY(!n.pictures().has_picture());
    }

    void caption_position_on_load_data()
    {
        QTest::addColumn<QPointF>("stored");
        QTest::addColumn<QPointF>("shown");
        QTest::newRow("inside") << QPointF(10, 20) << QPointF(10, 20);
        QTest::newRow("negative") << QPointF(-5, 20) << QPointF(1, 1);
        QTest::newRow("below") << QPointF(10, 49) << QPointF(1, 1);
        QTest::newRow("right edge stays") << QPointF(64, 48) << QPointF(64, 48);
    }
    void caption_position_on_load()
    {
        QFETCH(QPointF, stored);
        QFETCH(QPointF, shown);
        rig r;
        my_notebook &n = r.open();
        const qint64 id = r.add("Подпись", true);
        run_sql(r.db(), {QString("UPDATE notebook SET data = x'%1', comment = 'текст', pos_x = %2, pos_y = %3, "
                                 "rotation = 45, zvalue = 3, color = '#00ff00' WHERE id = %4")
                             .arg(QString::fromLatin1(png_bytes(64, 48, Qt::blue).toHex()))
                             .arg(stored.x())
                             .arg(stored.y())
                             .arg(id)});
        n.set_notebook_data(int(id));
        const QList<TextItem *> caps = n.pictures().captions();
        QCOMPARE(caps.size(), 1);
        QCOMPARE(caps.first()->pos(), shown);
        QCOMPARE(caps.first()->rotation(), 45.0);
        QCOMPARE(caps.first()->zValue(), 3.0);
        QCOMPARE(caps.first()->defaultTextColor(), QColor("#00ff00"));
        QCOMPARE(caps.first()->type(), 65539);
        QVERIFY(!n.page_modified());
    }

    void rotation_steps()
    {
        rig r;
        my_notebook &n = r.open();
        r.add_captioned("Поворот", "Подпись");
        QCOMPARE(n.pictures().captions().size(), 1);
        TextItem *t = n.pictures().captions().first();
        QList<double> seen;
        for (int i = 0; i < 5; ++i) {
            n.rotate_text();
            seen << t->rotation();
        }
        QCOMPARE(seen, (QList<double>{90, 180, 270, 360, 90}));
    }

    void export_draws_caption_store_does_not()
    {
        rig r;
        my_notebook &n = r.open();
        const qint64 id = r.add("Экспорт", true);
        r.add_picture(200, 120, Qt::white);
        r.prompts.texts.enqueue(QString("ПОДПИСЬ ███"));
        n.add_text();
        n.pictures().captions().first()->setDefaultTextColor(Qt::black);
        n.pictures().captions().first()->setSelected(true);
        r.prompts.save_answer = r.home.home() + "/export.png";
        n.save_img_file();
        QCOMPARE(r.prompts.texts_shown().last(), "Файл " + r.prompts.save_answer + " сохранен.");
        const QImage exported(r.prompts.save_answer);
        QCOMPARE(exported.size(), QSize(200, 120));
        auto dark_pixels = [](const QImage &img) {
            int dark = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    dark += qGray(img.pixel(x, y)) < 100;
            return dark;
        };
        QVERIFY(dark_pixels(exported) > 50);
        n.save();
        const QImage stored = QImage::fromData(r.column(id, "data").toByteArray());
        QCOMPARE(stored.size(), QSize(200, 120));
        QCOMPARE(dark_pixels(stored), 0);
        QCOMPARE(r.column(id, "comment").toString(), "ПОДПИСЬ ███");

        r.prompts.save_answer = r.home.home() + "/no/such/folder/x.png";
        n.save_img_file();
        QCOMPARE(r.prompts.texts_shown().last(), "Файл " + r.prompts.save_answer + " не сохранен.");
    }

    void caption_left_empty_disappears()
    {
        rig r;
        my_notebook &n = r.open();
        r.add_captioned("Пусто", "x");
        TextItem *t = n.pictures().captions().first();
        t->setPlainText("");
        emit t->lostFocus(t);
        QTest::qWait(0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(n.pictures().captions().isEmpty());
    }

    void caption_font_and_colour_are_stored_at_once()
    {
        rig r;
        my_notebook &n = r.open();
        const qint64 id = r.add_captioned("Стиль", "x");
        r.prompts.font_answer = QFont("DejaVu Serif", 30);
        n.setfont_GraphicsTextItem();
        r.prompts.color_answer = QColor("#336699");
        n.setcolor_GraphicsTextItem();
        QCOMPARE(QFont(n.pictures().captions().first()->font()).pointSize(), 30);
        QCOMPARE(r.column(id, "color").toString(), "#336699");
        QVERIFY(r.column(id, "font").toString().startsWith("DejaVu Serif,30"));
    }

    void unreadable_picture_is_kept_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::newRow("gif") << QByteArray("GIF89a\x01\x00\x01\x00", 10);
        QTest::newRow("broken png") << QByteArray("\x89PNG\r\n\x1a\nbroken", 14);
    }
    void unreadable_picture_is_kept()
    {
        QFETCH(QByteArray, data);
        rig r;
        my_notebook &n = r.open();
        const qint64 id = r.add("Битая", true);
        run_sql(
            r.db(),
            {QString("UPDATE notebook SET data = x'%1' WHERE id = %2").arg(QString::fromLatin1(data.toHex())).arg(id)});
        n.set_notebook_data(int(id));
        QCOMPARE(r.prompts.messages.size(), 1);
        QCOMPARE(n.scene()->sceneRect(), QRectF(0, 0, 300, 300));
        n.save();
        QCOMPARE(r.column(id, "data").toByteArray(), data);
        // Replacing the picture is the user's choice and is stored.
        n.del_img();
        n.save();
        QVERIFY(r.column(id, "data").toByteArray().isEmpty());
    }

    void saving_a_picture_page_under_a_lock_keeps_its_picture()
    {
        rig r;
        my_notebook &n = r.open();
        const qint64 id = r.add("Картинка", true);
        r.add_picture(40, 30, Qt::blue);
        n.save();
        const QByteArray picture = r.column(id, "data").toByteArray();
        QVERIFY(!picture.isEmpty());

        // Another program holds the database longer than one statement
        // waits, and lets go while the next one still waits.
        QSemaphore held;
        const QString db = r.db();
        std::unique_ptr<QThread> other(QThread::create([&held, db] {
            {
                QSqlDatabase c = QSqlDatabase::addDatabase("QSQLITE", "other_program");
                c.setDatabaseName(db);
                c.open();
                QSqlQuery q(c);
                q.exec("BEGIN EXCLUSIVE");
                held.release();
                QThread::msleep(7000);
                q.exec("ROLLBACK");
            }
            QSqlDatabase::removeDatabase("other_program");
        }));
        other->start();
        held.acquire();
        n.save();
        other->wait();
        QCOMPARE(r.column(id, "data").toByteArray(), picture);
        QCOMPARE(r.column(id, "image").toBool(), true);
    }

    void bad_database_files_data()
    {
        QTest::addColumn<QByteArray>("content"); // "seed-half": the seed cut in half
        QTest::newRow("not a database") << QByteArray("Это не база данных\n").repeated(300);
        QTest::newRow("truncated") << QByteArray("seed-half");
        QTest::newRow("no tables") << QByteArray("empty-db");
    }
    void bad_database_files()
    {
        QFETCH(QByteArray, content);
        rig r(false);
        if (content == "seed-half")
            content = read_file(built_seed()).left(2048);
        if (content == "empty-db") {
            make_database(r.db(), {"CREATE TABLE other (x)"});
            content = read_file(r.db());
        }
        write_file(r.db(), content);
        my_notebook &n = r.open();
        QVERIFY(!r.prompts.messages.isEmpty());
        QCOMPARE(n.page_list()->rowCount(), 0);
        QCOMPARE(r.add("новая"), qint64(-1));
        n.save();
        r.window.reset();
        QCOMPARE(read_file(r.db()), content);
    }

    void size_file_layout_data()
    {
        QTest::addColumn<int>("geometry");
        QTest::addColumn<bool>("fits");
        QTest::newRow("typical") << 66 << true;
        QTest::newRow("largest") << 255 << true;
        QTest::newRow("too long") << 256 << false;
    }
    void size_file_layout()
    {
        QFETCH(int, geometry);
        QFETCH(bool, fits);
        const notebook_size_file::layout l{QByteArray(geometry, 'g'), QByteArray("state-bytes")};
        const auto bytes = notebook_size_file::compose(l);
        QCOMPARE(bool(bytes), fits);
        temp_data_home home;
        const QString file = home.home() + "/notebook_size.dat";
        write_file(file, "previous");
        QString error;
        const auto saved = notebook_size_file::save(file, l, &error);
        if (!fits) {
            QCOMPARE(int(saved), int(notebook_size_file::save_result::too_long));
            QCOMPARE(read_file(file), QByteArray("previous"));
            return;
        }
        QCOMPARE(quint8(bytes->at(0)), quint8(geometry));
        QCOMPARE(bytes->mid(1, geometry), l.geometry);
        QCOMPARE(bytes->mid(1 + geometry), l.state);
        QCOMPARE(read_file(file), *bytes);
        const auto back = notebook_size_file::parse(*bytes);
        QCOMPARE(back.geometry, l.geometry);
        QCOMPARE(back.state, l.state);
    }

    void window_writes_and_restores_its_size()
    {
        rig r;
        r.open().resize(640, 480);
        r.window.reset();
        const QByteArray bytes = read_file(r.home.data_folder() + "/notebook_size.dat");
        QVERIFY(!bytes.isEmpty());
        const int n = quint8(bytes.at(0));
        QVERIFY(n > 0);
        my_notebook &w = r.open();
        QVERIFY(w.restoreGeometry(bytes.mid(1, n)));
        QCOMPARE(w.size(), QSize(640, 480));
        // Told to use the default size (the file was deleted), it writes nothing.
        QFile::remove(r.home.data_folder() + "/notebook_size.dat");
        w.use_default_size();
        r.window.reset();
        QVERIFY(!QFile::exists(r.home.data_folder() + "/notebook_size.dat"));
    }

    void corrupt_size_file_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("length past the end") << QByteArray("\xff\x01\x02", 3);
        QTest::newRow("garbage") << QByteArray("\x10garbagegarbagegarbagegarbage");
    }
    void corrupt_size_file()
    {
        QFETCH(QByteArray, content);
        rig r;
        write_file(r.home.data_folder() + "/notebook_size.dat", content);
        my_notebook &n = r.open();
        QVERIFY(n.page_list()->rowCount() > 0);
        QVERIFY(r.prompts.messages.isEmpty());
    }

    void context_menus_follow_the_page()
    {
        rig r;
        my_notebook &n = r.open();
        QCOMPARE(context_menu_of(n.page_list()),
                 (QStringList{"Добавить заметку", "Удалить заметку", "Поиск по теме заметки", "Сжать базу данных"}));
        const QStringList picture = context_menu_of(n.findChild<QGraphicsView *>());
        QCOMPARE(picture.size(), 10);
        QCOMPARE(picture.first(), "Добавить картинку из буфера");
        QCOMPARE(context_menu_of(n.editor()).size(), 5);
        n.html_switch()->click();
        QCOMPARE(context_menu_of(n.editor()).last(), "Изменить шрифт текста");
        run_sql(r.db(), {"DELETE FROM notebook"});
        n.rebuild_page_list();
        QVERIFY(context_menu_of(n.editor()).isEmpty());
    }

    void entry_point_seeds_a_fresh_data_folder()
    {
        temp_data_home home;
        QTemporaryDir work;
        QVERIFY(QFile::link(built_app_data(), work.path() + "/app_data"));
        const QString old_cwd = QDir::currentPath();
        QDir::setCurrent(work.path());
        box_answerer boxes;
        std::unique_ptr<my_notebook> n(create_notebook_window());
        QDir::setCurrent(old_cwd);
        QCOMPARE(read_file(home.data_folder() + "/notebook.db"), read_file(built_seed()));
        QVERIFY(n->page_list()->rowCount() > 0);
        QVERIFY(boxes.seen().isEmpty());
    }
};

QTEST_MAIN(tst_my_notebook)
#include "tst_my_notebook.moc"
