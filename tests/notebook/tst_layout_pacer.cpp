// The layout pacer lays a large document out in an editor in steps of its
// own size, to the end, holding back the layout's growing steps; a new
// page or a deleted document stops it.
#include "notebook/layout_pacer.h"

#include <QAbstractTextDocumentLayout>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

namespace {

QString lines(int chars)
{
    QString out;
    for (int i = 0; out.size() < chars; ++i)
        out += QStringLiteral("Строка номер %1 с текстом\n").arg(i);
    return out;
}

int laid_out_blocks(QTextDocument &doc)
{
    int n = 0;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        if (b.layout() && b.layout()->lineCount() > 0)
            ++n;
    return n;
}

} // namespace

class tst_layout_pacer : public QObject
{
    Q_OBJECT

private slots:
    void lays_out_to_the_end_in_steps()
    {
        QTextEdit editor;
        editor.resize(400, 300);
        editor.show();
        auto *doc = new QTextDocument(&editor);
        doc->setPlainText(lines(400'000));
        editor.setDocument(doc);
        layout_pacer pacer;
        QSignalSpy finished(&pacer, &layout_pacer::finished);
        QSignalSpy steps(doc->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged);
        pacer.pace(doc);
        QVERIFY(pacer.active());
        QTRY_COMPARE(finished.size(), 1);
        QVERIFY(!pacer.active());
        QCOMPARE(laid_out_blocks(*doc), doc->blockCount());
        QVERIFY(steps.size() >= 400'000 / layout_pacer::step_chars);
        // The layout's own steps run again afterwards: an edit is laid out.
        QTextCursor c(doc);
        c.movePosition(QTextCursor::End);
        c.insertText("\nещё одна строка");
        QTRY_VERIFY(doc->lastBlock().layout()->lineCount() > 0);
    }

    void stops_with_its_document()
    {
        QTextEdit editor;
        auto *doc = new QTextDocument(&editor);
        doc->setPlainText(lines(200'000));
        editor.setDocument(doc);
        layout_pacer pacer;
        pacer.pace(doc);
        editor.setDocument(new QTextDocument(&editor));
        delete doc;
        QTest::qWait(20);
        QVERIFY(!pacer.active());
        pacer.pace(editor.document());
        pacer.stop();
        QVERIFY(!pacer.active());
    }
};

QTEST_MAIN(tst_layout_pacer)
#include "tst_layout_pacer.moc"
