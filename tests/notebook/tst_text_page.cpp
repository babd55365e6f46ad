// The text page on its own, over a real database: which mode an unset
// switch means, a switch put back without a signal, and restyling that
// must not count as a change of the page.
#include "notebook/notebook_limits.h"
#include "notebook/notebook_store.h"
#include "notebook/text_page.h"
#include "notebook_fixture.h"

#include <QPointer>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>

class tst_text_page : public QObject
{
    Q_OBJECT

    struct rig
    {
        temp_data_home home;
        scripted_prompts prompts;
        notebook_store store{[](const notebook_store::failure &f) { qWarning() << f.text; }};
        QTextEdit editor;
        std::unique_ptr<text_page> page;
        rig()
        {
            install_seed(home);
            store.open(db(), home.data_folder());
            page = std::make_unique<text_page>(editor, store, prompts, nullptr);
        }
        QString db() const { return home.data_folder() + "/notebook.db"; }
    };

private slots:
    void unset_switch_means_plain_text()
    {
        rig r;
        QVERIFY(!r.page->html_switch()->isChecked() && !r.page->text_switch()->isChecked());
        r.page->load("<b>не жирный</b>");
        QCOMPARE(r.editor.toPlainText(), "<b>не жирный</b>");
        QCOMPARE(r.page->content(), QByteArray("<b>не жирный</b>"));
    }

    void switch_put_back_silently()
    {
        rig r;
        r.page->apply_setup({false, {}, {}});
        QSignalSpy chosen(r.page.get(), &text_page::mode_chosen);
        r.page->html_switch()->click();
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(chosen.first().first().toBool(), true);
        r.page->revert_switch(true);
        QVERIFY(r.page->text_switch()->isChecked());
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(query_value(r.db(), "select html from setup").toInt(), 0);
    }

    void restyling_is_not_a_change_data()
    {
        QTest::addColumn<bool>("html");
        QTest::addColumn<bool>("typed");
        QTest::newRow("plain, untouched") << false << false;
        QTest::newRow("plain, typed") << false << true;
        QTest::newRow("html, untouched") << true << false;
        QTest::newRow("html, typed") << true << true;
    }
    void restyling_is_not_a_change()
    {
        QFETCH(bool, html);
        QFETCH(bool, typed);
        rig r;
        r.page->apply_setup({html, {}, {}});
        r.page->load("строка");
        r.page->set_modified(false);
        if (typed)
            r.editor.insertPlainText("правка ");
        r.prompts.color_answer = QColor("#204080");
        QVERIFY(r.page->choose_editor_color());
        QCOMPARE(r.page->modified(), typed);
        r.prompts.font_answer = QFont("DejaVu Sans", 17);
        QVERIFY(r.page->choose_editor_font());
        QCOMPARE(r.page->modified(), typed);
        QCOMPARE(r.page->font().pointSize(), 17);
        QCOMPARE(query_value(r.db(), "select color from setup").toString(), "#204080");
        QVERIFY(query_value(r.db(), "select font from setup").toString().startsWith("DejaVu Sans,17"));
        // Cancelled choices change nothing.
        r.prompts.color_answer = QColor();
        r.prompts.font_answer.reset();
        QVERIFY(!r.page->choose_editor_color());
        QVERIFY(!r.page->choose_editor_font());
        QCOMPARE(r.page->color(), QColor("#204080"));
    }

    // Each page gets a document of its own; the one it replaces goes.
    void pages_do_not_pile_up()
    {
        rig r;
        r.page->load("первая");
        QPointer<QTextDocument> first = r.editor.document();
        r.page->load("вторая");
        QCOMPARE(r.editor.toPlainText(), "вторая");
        QVERIFY(!first);
        QPointer<QTextDocument> second = r.editor.document();
        r.page.reset();
        QVERIFY(!second);
        QVERIFY(r.editor.document()); // the editor keeps one to show
        r.editor.setPlainText("ещё работает");
    }

    void a_page_above_the_limit_is_not_saved()
    {
        rig r;
        r.page->apply_setup({false, {}, {}});
        QList<notebook_store::page_row> rows;
        QVERIFY(r.store.list_pages(rows));
        const qint64 id = rows.first().id;
        const QByteArray before =
            query_value(r.db(), QString("select data from notebook where id = %1").arg(id)).toByteArray();
        // The bytes a save would write, without laying out 16 MB of text.
        r.page->show_document(new QTextDocument, QByteArray(int(notebook_limits::text_page_bytes) + 1, 'x'));
        QVERIFY(!r.page->save(id));
        QCOMPARE(r.prompts.messages.size(), 1);
        QVERIFY(r.prompts.messages.first().text.contains("слишком велика"));
        QCOMPARE(query_value(r.db(), QString("select data from notebook where id = %1").arg(id)).toByteArray(), before);
        r.page->show_document(new QTextDocument, "обычная");
        QVERIFY(r.page->save(id));
    }
};

QTEST_MAIN(tst_text_page)
#include "tst_text_page.moc"
