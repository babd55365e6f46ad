// Drafts: what a page held when the program ended without saving it is
// kept beside the database and offered at the next start. The file
// format, the pause after typing, the three answers to the offer, picture
// pages, a page deleted meanwhile, and files that are not drafts.
#include "notebook/draft_keeper.h"
#include "notebook/image_page.h"
#include "notebook/my_notebook.h"
#include "notebook/page_draft.h"
#include "notebook/text_item.h"
#include "notebook_fixture.h"

#include <QDir>
#include <QFile>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>

namespace {

using answer = notebook_prompts::draft_answer;

QStringList draft_files(const notebook_rig &r)
{
    return QDir(r.drafts()).entryList({"*.draft"}, QDir::Files);
}

} // namespace

class tst_page_drafts : public QObject
{
    Q_OBJECT

private slots:
    void file_round_trip()
    {
        page_draft d;
        d.page = 42;
        d.title = "Заметка «в кавычках»";
        d.image = true;
        d.written = QDateTime(QDate(2026, 3, 1), QTime(8, 30), Qt::UTC);
        d.body = QByteArray("\x89PNG\0bytes", 10);
        d.picture_as_stored = false;
        d.has_caption = true;
        d.caption = "подпись 🙂";
        d.x = 1.5;
        d.y = -2;
        d.rotation = 270;
        d.z = 3;
        d.font = "DejaVu Sans,12,-1,5,400,0,0,0,0,0";
        d.color = "#204080";
        const auto back = page_draft_files::decode(page_draft_files::encode(d));
        QVERIFY(back);
        QCOMPARE(back->page, d.page);
        QCOMPARE(back->title, d.title);
        QCOMPARE(back->written, d.written);
        QCOMPARE(back->body, d.body);
        QCOMPARE(back->picture_as_stored, false);
        QCOMPARE(back->caption, d.caption);
        QCOMPARE(back->rotation, 270.0);
        QCOMPARE(back->color, d.color);
    }

    void what_is_not_a_draft_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        page_draft d;
        d.page = 7;
        d.body = "текст";
        const QByteArray good = page_draft_files::encode(d);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("other file") << QByteArray("[TYPE]\nclock=analog\n");
        QTest::newRow("cut short") << good.left(good.size() - 3);
        QByteArray later = good;
        later[5] = 9; // a format version from the future
        QTest::newRow("later version") << later;
    }
    void what_is_not_a_draft()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(!page_draft_files::decode(bytes));
        // In the folder it is left alone and offered to nobody.
        notebook_rig r;
        write_file(r.drafts() + "/page-1-1.draft", bytes);
        my_notebook &n = r.open();
        QTest::qWait(20);
        QVERIFY(r.prompts.asked_drafts.isEmpty());
        QVERIFY(n.drafts().stored().isEmpty());
        QCOMPARE(read_file(r.drafts() + "/page-1-1.draft"), bytes);
    }

    void typing_leaves_a_draft_after_a_pause()
    {
        notebook_rig r;
        my_notebook &n = r.open();
        n.set_draft_delay(30);
        const qint64 id = r.add("Пишу");
        n.editor()->insertPlainText("первая строка");
        QVERIFY(!n.drafts().has(id)); // not while typing
        QTRY_VERIFY(n.drafts().has(id));
        const QList<page_draft> kept = n.drafts().stored();
        QCOMPARE(kept.size(), 1);
        QCOMPARE(kept.first().page, id);
        QCOMPARE(kept.first().title, "Пишу");
        QCOMPARE(kept.first().body, QByteArray("первая строка"));
        // More typing rewrites the same file.
        n.editor()->insertPlainText(", вторая");
        QTRY_COMPARE(n.drafts().stored().value(0).body, QByteArray("первая строка, вторая"));
        QCOMPARE(draft_files(r).size(), 1);
        // Saved: the draft has done its work.
        n.save();
        n.drafts().flush();
        QVERIFY(draft_files(r).isEmpty());
    }

    // A large HTML page: the drafts written while typing keep its text (an
    // export would hold the window), the one at the session's end all of it.
    void a_large_html_page_keeps_its_text_in_passing()
    {
        notebook_rig r;
        run_sql(r.db(), {"UPDATE setup SET html = 1"});
        QByteArray html = "<html><body>";
        for (int i = 0; html.size() < 1024 * 1024; ++i)
            html += "<p>Абзац <b>номер</b> " + QByteArray::number(i) + " с текстом подлиннее, чтобы набралось</p>";
        html += "</body></html>";
        const qint64 id = r.insert("Большая", html);
        my_notebook &n = r.open();
        n.set_draft_delay(10);
        r.go_to("Большая");
        QTRY_VERIFY_WITH_TIMEOUT(!n.page_loading(), 20000);
        QCOMPARE(n.loaded_page(), id);
        n.editor()->moveCursor(QTextCursor::Start);
        n.editor()->insertPlainText("Новое начало. ");
        QTRY_VERIFY(n.drafts().has(id));
        page_draft d = n.drafts().stored().value(0);
        QVERIFY(!d.html);
        QVERIFY(d.body.startsWith("Новое начало. Абзац номер 0 с текстом"));
        n.keep_unsaved();
        d = n.drafts().stored().value(0);
        QVERIFY(d.html);
        QVERIFY(d.body.startsWith("<!DOCTYPE HTML"));
    }

    void the_next_start_offers_it_data()
    {
        QTest::addColumn<int>("reply");
        QTest::newRow("restore") << int(answer::restore);
        QTest::newRow("discard") << int(answer::discard);
        QTest::newRow("later") << int(answer::later);
    }
    void the_next_start_offers_it()
    {
        QFETCH(int, reply);
        notebook_rig r;
        my_notebook *n = &r.open();
        const qint64 other = r.add("Другая");
        const qint64 id = r.add("Важная");
        n->save();
        n->editor()->insertPlainText("не сохранено");
        // The session ends without a question (a stop signal, a logout).
        n->keep_unsaved();
        r.window.reset();
        QCOMPARE(r.column(id, "data").toByteArray(), QByteArray());

        r.prompts.draft_answers.enqueue(answer(reply));
        n = &r.open();
        r.go_to("Другая");
        QTRY_COMPARE(r.prompts.asked_drafts, QStringList{"Важная"});
        n->drafts().flush();
        switch (answer(reply)) {
        case answer::restore:
            QCOMPARE(n->loaded_page(), id);
            QCOMPARE(n->editor()->toPlainText(), "не сохранено");
            QVERIFY(n->page_modified());
            QVERIFY(n->isVisible());
            QCOMPARE(r.column(id, "data").toByteArray(), QByteArray()); // until the user saves
            n->save();
            QCOMPARE(r.column(id, "data").toByteArray(), QByteArray("не сохранено"));
            n->drafts().flush();
            QVERIFY(draft_files(r).isEmpty());
            break;
        case answer::discard:
            QCOMPARE(n->loaded_page(), other);
            QVERIFY(draft_files(r).isEmpty());
            break;
        case answer::later:
            QCOMPARE(n->loaded_page(), other);
            QCOMPARE(draft_files(r).size(), 1);
            // Visiting the page and leaving it does not throw it away.
            r.go_to("Важная");
            r.go_to("Другая");
            n->drafts().flush();
            QCOMPARE(draft_files(r).size(), 1);
            r.reopen();
            QTRY_COMPARE(r.prompts.asked_drafts.size(), 2);
            break;
        }
    }

    void a_picture_page_keeps_picture_and_caption()
    {
        notebook_rig r;
        my_notebook *n = &r.open();
        const qint64 id = r.add("Снимок", true);
        n->save();
        r.add_picture(64, 32, Qt::green);
        r.prompts.texts.enqueue("подпись");
        n->add_text();
        n->pictures().captions().first()->setPos(10, 12);
        n->pictures().rotate_captions();
        n->keep_unsaved();
        r.window.reset();
        QVERIFY(r.column(id, "data").toByteArray().isEmpty());

        r.prompts.draft_answers.enqueue(answer::restore);
        n = &r.open();
        QTRY_COMPARE(r.prompts.asked_drafts.size(), 1);
        QCOMPARE(n->loaded_page(), id);
        QVERIFY(n->pictures().has_picture());
        QCOMPARE(n->scene()->sceneRect(), QRectF(0, 0, 64, 32));
        const QList<TextItem *> caps = n->pictures().captions();
        QCOMPARE(caps.size(), 1);
        QCOMPARE(caps.first()->toPlainText(), "подпись");
        QCOMPARE(caps.first()->pos(), QPointF(10, 12));
        QCOMPARE(caps.first()->rotation(), 90.0);
        n->save();
        QCOMPARE(QImage::fromData(r.column(id, "data").toByteArray()).size(), QSize(64, 32));
        QCOMPARE(r.column(id, "comment").toString(), "подпись");
    }

    void a_page_deleted_meanwhile_gets_a_new_page()
    {
        notebook_rig r;
        my_notebook *n = &r.open();
        const qint64 id = r.add("Удалённая");
        n->editor()->insertPlainText("спасти");
        n->keep_unsaved();
        r.window.reset();
        run_sql(r.db(), {QString("DELETE FROM notebook WHERE id = %1").arg(id)});

        r.prompts.draft_answers.enqueue(answer::restore);
        n = &r.open();
        QTRY_COMPARE(r.prompts.asked_drafts.size(), 1);
        QVERIFY(n->loaded_page() > id);
        QCOMPARE(n->page_list()->item(n->page_list()->currentRow(), 1)->text(), "Удалённая (восстановлено)");
        QCOMPARE(n->editor()->toPlainText(), "спасти");
        n->save();
        QCOMPARE(r.column(n->loaded_page(), "data").toByteArray(), QByteArray("спасти"));
    }

    // Leaving a page with an answer settles its draft; a changed page the
    // program leaves without asking (a window closed at exit) keeps one.
    void answered_pages_leave_no_draft()
    {
        notebook_rig r;
        my_notebook &n = r.open();
        n.set_draft_delay(10);
        r.add("А");
        r.add("Б");
        r.go_to("А");
        n.editor()->insertPlainText("правка");
        QTRY_VERIFY(!draft_files(r).isEmpty());
        r.prompts.unsaved_answers.enqueue(notebook_prompts::unsaved_answer::discard);
        r.go_to("Б");
        n.drafts().flush();
        QVERIFY(draft_files(r).isEmpty());
        n.editor()->insertPlainText("ещё");
        r.window.reset();
        QCOMPARE(page_draft_files::read_all(r.drafts()).size(), 1);
    }
};

QTEST_MAIN(tst_page_drafts)
#include "tst_page_drafts.moc"
