// How pages show and what the notebook refuses: titles in a reader's
// order, pictures in their own shape, plain text kept plain in HTML mode,
// an empty clipboard, the whole tool bar at the first size, file dialogs
// that start in the user's folders, pages above the size limits, and large
// pages read without holding the window.
#include "notebook/image_page.h"
#include "notebook/my_notebook.h"
#include "notebook/notebook_limits.h"
#include "notebook/notebook_prompts.h"
#include "notebook/page_loader.h"
#include "notebook/text_item.h"
#include "notebook_fixture.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QImage>
#include <QMimeData>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

namespace {

// A picture of the given size that is small as a file (one bit a pixel).
QByteArray sparse_png(int width, int height)
{
    QImage img(width, height, QImage::Format_Mono);
    img.fill(0);
    QByteArray bytes;
    QBuffer b(&bytes);
    b.open(QIODevice::WriteOnly);
    img.save(&b, "PNG");
    return bytes;
}

QByteArray lines(int bytes)
{
    QByteArray out;
    for (int i = 0; out.size() < bytes; ++i)
        out += "Строка номер " + QByteArray::number(i) + "\n";
    return out;
}

bool says(const scripted_prompts &p, const QString &what)
{
    return p.texts_shown().join('\n').contains(what);
}

} // namespace

class tst_notebook_pages : public QObject
{
    Q_OBJECT

private slots:
    void titles_in_a_readers_order()
    {
        notebook_rig r;
        run_sql(r.db(), {"DELETE FROM notebook"});
        const QStringList stored{"10 дел", "Ёлка", "банан", "2 дела", "Банан", "Апельсин", "яблоко", "Арбуз"};
        for (const QString &t : stored)
            r.insert(t, {});
        my_notebook &n = r.open();
        QStringList shown;
        for (int row = 0; row < n.page_list()->rowCount(); ++row)
            shown << n.page_list()->item(row, 1)->text();
        // Numbers by value, case aside (equal titles in database order), Ё
        // beside Е.
        QCOMPARE(shown, (QStringList{"2 дела", "10 дел", "Апельсин", "Арбуз", "банан", "Банан", "Ёлка", "яблоко"}));
    }

    void pictures_keep_their_shape()
    {
        notebook_rig r;
        my_notebook &n = r.open();
        n.resize(700, 560);
        n.show();
        r.add("Картинка", true);
        r.add_picture(500, 250, Qt::blue);
        QGraphicsView *view = n.findChild<QGraphicsView *>();
        QTRY_VERIFY(view->isVisible());
        n.fit();
        const QTransform t = view->transform();
        QVERIFY(t.m11() > 0);
        QCOMPARE(t.m11(), t.m22());
        const QRect shown = view->mapFromScene(n.scene()->sceneRect()).boundingRect();
        QVERIFY(qAbs(double(shown.width()) / shown.height() - 2.0) < 0.05);
    }

    void plain_text_in_html_mode_keeps_its_lines()
    {
        notebook_rig r;
        run_sql(r.db(), {"UPDATE setup SET html = 1"});
        my_notebook &n = r.open();
        const QByteArray plain = "первая строка\nвторая строка\n\nпосле пустой";
        const qint64 id = r.insert("Простая", plain);
        n.rebuild_page_list();
        r.go_to("Простая");
        QCOMPARE(n.loaded_page(), id);
        QCOMPARE(n.editor()->toPlainText(), QString::fromUtf8(plain));
        // Saved untouched: the bytes stay as they were.
        n.save();
        QCOMPARE(r.column(id, "data").toByteArray(), plain);
        // Edited: stored as HTML, the lines still there.
        n.editor()->moveCursor(QTextCursor::End);
        n.editor()->insertPlainText("!");
        n.save();
        QVERIFY(r.column(id, "data").toByteArray().startsWith("<!DOCTYPE HTML"));
        n.set_notebook_data(int(id));
        QCOMPARE(n.editor()->toPlainText(), QString::fromUtf8(plain) + "!");
    }

    void an_empty_clipboard_keeps_the_picture()
    {
        notebook_rig r;
        my_notebook &n = r.open();
        const qint64 id = r.add("Буфер", true);
        r.add_picture(40, 30, Qt::red);
        n.save();
        QApplication::clipboard()->setText("только текст");
        n.add_img_buff();
        QVERIFY(says(r.prompts, "В буфере обмена нет картинки"));
        QVERIFY(n.pictures().has_picture());
        QCOMPARE(n.scene()->sceneRect(), QRectF(0, 0, 40, 30));
        QVERIFY(!n.page_modified());
        // A picture there is taken.
        QImage green(20, 10, QImage::Format_RGB32);
        green.fill(Qt::green);
        QApplication::clipboard()->setImage(green);
        n.add_img_buff();
        QCOMPARE(n.scene()->sceneRect(), QRectF(0, 0, 20, 10));
        n.save();
        QCOMPARE(QImage::fromData(r.column(id, "data").toByteArray()).size(), QSize(20, 10));
    }

    void the_whole_tool_bar_shows_at_the_first_size()
    {
        notebook_rig r;
        my_notebook &n = r.open();
        n.show();
        QVERIFY(QTest::qWaitForWindowExposed(&n));
        auto *more = n.tool_bar()->findChild<QToolButton *>(QStringLiteral("qt_toolbar_ext_button"));
        QVERIFY(more);
        QVERIFY(!more->isVisible());
        QVERIFY(n.text_switch()->isVisible());
        QVERIFY(n.text_switch()->geometry().right() <= n.tool_bar()->width());
    }

    void file_dialogs_start_in_the_users_folders()
    {
        temp_data_home home; // XDG_DATA_HOME only
        QTemporaryDir user;
        const QByteArray old_home = qgetenv("HOME"), old_config = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", user.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (user.path() + "/.config").toLocal8Bit());
        QCOMPARE(dialog_prompts::start_folder(), user.path());
        QDir(user.path()).mkdir("Pictures");
        QCOMPARE(dialog_prompts::start_folder(), user.path() + "/Pictures");
        qputenv("HOME", old_home);
        qputenv("XDG_CONFIG_HOME", old_config);
    }

    void pages_above_the_limits_are_refused_data()
    {
        QTest::addColumn<QString>("what");
        QTest::newRow("stored text page") << "text";
        QTest::newRow("stored picture") << "picture";
        QTest::newRow("picture from a file") << "file";
    }
    void pages_above_the_limits_are_refused()
    {
        QFETCH(QString, what);
        notebook_rig r;
        my_notebook &n = r.open();
        const QByteArray huge_text(int(notebook_limits::text_page_bytes) + 1, 'x');
        const QByteArray huge_picture = sparse_png(9000, 9000); // 81 megapixels, a small file
        qint64 id = -1;
        if (what == "text" || what == "picture") {
            id = r.insert("Огромная", what == "text" ? huge_text : huge_picture, what == "picture");
            n.rebuild_page_list();
            r.go_to("Огромная");
            QCOMPARE(n.loaded_page(), id);
            QVERIFY(says(r.prompts, "слишком велика"));
            QVERIFY(!n.page_loading());
            r.prompts.messages.clear();
            n.save(); // not read: not saved over
            QVERIFY(says(r.prompts, "не сохраняется") || what == "picture");
        } else if (what == "file") {
            id = r.add("Файл", true);
            r.add_picture(30, 30, Qt::blue);
            n.save();
            const QString file = r.home.home() + "/huge.png";
            write_file(file, huge_picture);
            r.prompts.open_answer = file;
            n.add_img_file();
            QVERIFY(says(r.prompts, "слишком велика"));
            QCOMPARE(n.scene()->sceneRect(), QRectF(0, 0, 30, 30));
            QVERIFY(!n.page_modified());
        }
        const QByteArray stored = r.column(id, "data").toByteArray();
        r.window.reset();
        QCOMPARE(r.column(id, "data").toByteArray(), stored);
    }

    void large_pages_open_in_the_background_data()
    {
        QTest::addColumn<bool>("html");
        QTest::addColumn<bool>("image");
        QTest::newRow("plain text") << false << false;
        QTest::newRow("html") << true << false;
        QTest::newRow("picture") << false << true;
    }
    void large_pages_open_in_the_background()
    {
        QFETCH(bool, html);
        QFETCH(bool, image);
        notebook_rig r;
        run_sql(r.db(), {QString("UPDATE setup SET html = %1").arg(html ? 1 : 0)});
        my_notebook &n = r.open();
        const QByteArray text = lines(1024 * 1024);
        const QByteArray body = image  ? png_bytes(1600, 900, Qt::darkCyan)
                                : html ? "<html><body><p>" + text + "</p></body></html>"
                                       : text;
        const qint64 id = r.insert("Большая", body, image);
        if (image)
            run_sql(r.db(), {QString("UPDATE notebook SET comment = 'подпись', pos_x = 1500, pos_y = 800 "
                                     "WHERE id = %1")
                                 .arg(id)});
        n.rebuild_page_list();
        r.go_to("Большая");
        QCOMPARE(n.loaded_page(), id);
        QVERIFY(n.page_loading());
        if (image) {
            // The scene has its size and the caption its place at once.
            QCOMPARE(n.scene()->sceneRect(), QRectF(0, 0, 1600, 900));
            QCOMPARE(n.pictures().captions().value(0)->pos(), QPointF(1500, 800));
            QVERIFY(!n.pictures().has_picture());
        } else {
            QVERIFY(n.editor()->isReadOnly());
            QVERIFY(n.editor()->toPlainText().contains("Загрузка"));
            n.save(); // nothing is written while it loads
            QVERIFY(r.column(id, "data").toByteArray() == body);
        }
        QTRY_VERIFY_WITH_TIMEOUT(!n.page_loading(), 20000);
        QVERIFY(!n.page_modified());
        if (image) {
            QVERIFY(n.pictures().has_picture());
        } else {
            QVERIFY(!n.editor()->isReadOnly());
            QCOMPARE(n.editor()->document()->blockCount() > 1000, !html);
            QVERIFY(n.editor()->toPlainText().startsWith("Строка номер 0"));
        }
        n.save();
        if (!image)
            QCOMPARE(r.column(id, "data").toByteArray(), body);
    }

    void leaving_a_page_that_loads_drops_it()
    {
        notebook_rig r;
        my_notebook &n = r.open();
        r.insert("Большая", lines(2 * 1024 * 1024));
        r.insert("Маленькая", "коротко");
        n.rebuild_page_list();
        r.go_to("Большая");
        QVERIFY(n.page_loading());
        r.go_to("Маленькая");
        QVERIFY(!n.page_loading());
        n.loader().wait_idle();
        QTest::qWait(20); // whatever the worker delivers now
        QCOMPARE(n.editor()->toPlainText(), "коротко");
        QVERIFY(!n.editor()->isReadOnly());
    }
};

QTEST_MAIN(tst_notebook_pages)
#include "tst_notebook_pages.moc"
