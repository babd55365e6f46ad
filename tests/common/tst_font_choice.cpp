// The font dialog as the settings windows use it: it opens on the font as
// it is (not on a style it happens to list first), and what the user left
// untouched comes back unchanged, a Windows font string included.
#include "common/font_choice.h"
#include "common/user_prompts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontDialog>
#include <QListView>
#include <QTest>
#include <QTimer>

namespace {

QFont font_of(const QString &s)
{
    QFont f;
    f.fromString(s);
    return f;
}

bool installed(const QString &family)
{
    return QFontDatabase::families().contains(family);
}

// Answers the next font dialog: picks `size` in its size list (unless 0)
// and presses OK.
void answer_font_dialog(int size, QFont *shown)
{
    QTimer::singleShot(0, [size, shown] {
        QFontDialog *d = nullptr;
        QTRY_VERIFY((d = qobject_cast<QFontDialog *>(QApplication::activeModalWidget())));
        *shown = d->currentFont();
        if (size > 0) {
            for (QListView *list : d->findChildren<QListView *>()) {
                QAbstractItemModel *m = list->model();
                for (int r = 0; m && r < m->rowCount(); ++r)
                    if (m->index(r, 0).data().toString() == QString::number(size) &&
                        m->match(m->index(0, 0), Qt::DisplayRole, QStringLiteral("72")).size() == 1)
                        list->setCurrentIndex(m->index(r, 0));
            }
        }
        d->accept();
    });
}

} // namespace

class tst_font_choice : public QObject
{
    Q_OBJECT

private slots:
    void preset_names_the_style_data()
    {
        QTest::addColumn<QString>("font");
        QTest::addColumn<QString>("style");
        QTest::newRow("normal") << "DejaVu Sans,12,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"
                                << "Book";
        QTest::newRow("Windows normal") << "DejaVu Sans,8,-1,5,50,0,0,0,0,0"
                                        << "Book";
        QTest::newRow("Windows bold") << "DejaVu Sans,8,-1,5,75,0,0,0,0,0"
                                      << "Bold";
        QTest::newRow("Windows bold italic") << "DejaVu Sans,8,-1,5,75,1,0,0,0,0"
                                             << "Bold Oblique";
        QTest::newRow("italic") << "DejaVu Sans,12,-1,5,400,1,0,0,0,0,0,0,0,0,0,1"
                                << "Oblique";
        QTest::newRow("style named already") << "DejaVu Sans,12,-1,5,400,0,0,0,0,0,0,0,0,0,0,1,Bold"
                                             << "Bold";
        QTest::newRow("family not installed") << "Tahoma,8,-1,5,50,0,0,0,0,0"
                                              << "";
    }
    void preset_names_the_style()
    {
        QFETCH(QString, font);
        QFETCH(QString, style);
        if (!installed("DejaVu Sans"))
            QSKIP("DejaVu Sans is not installed");
        QCOMPARE(font_choice::preset(font_of(font)).styleName(), style);
    }

    void the_dialog_opens_on_the_font_as_it_is_data()
    {
        QTest::addColumn<QString>("font");
        QTest::newRow("Qt 6 string") << "DejaVu Sans,12,-1,5,400,0,0,0,0,0,0,0,0,0,0,1";
        QTest::newRow("Windows string") << "DejaVu Sans,9,-1,5,50,0,0,0,0,0";
        QTest::newRow("Windows bold italic") << "DejaVu Sans,10,-1,5,75,1,0,0,0,0";
        QTest::newRow("serif") << "DejaVu Serif,11,-1,5,50,0,0,0,0,0";
    }
    void the_dialog_opens_on_the_font_as_it_is()
    {
        QFETCH(QString, font);
        const QFont f = font_of(font);
        if (!installed(f.family()))
            QSKIP("the family is not installed");
        QFontDialog d;
        const QFont shown = font_choice::prepare(d, f);
        QCOMPARE(shown.family(), f.family());
        QCOMPARE(shown.weight(), f.weight());
        QCOMPARE(shown.italic(), f.italic());
        QCOMPARE(shown.pointSize(), f.pointSize());
    }

    void merge_keeps_what_was_not_touched_data()
    {
        QTest::addColumn<QString>("initial");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("expected");
        const QString windows = "Tahoma,8,-1,5,50,0,0,0,0,0";
        const QString substitute = "Sans Serif,8,-1,5,400,0,0,0,0,0,0,0,0,0,0,1";
        QTest::newRow("nothing changed") << windows << substitute << substitute << font_of(windows).toString();
        QTest::newRow("size only") << windows << substitute << "Sans Serif,12,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"
                                   << font_of("Tahoma,12,-1,5,50,0,0,0,0,0").toString();
        QTest::newRow("style chosen") << windows << substitute << "Sans Serif,8,-1,5,700,0,0,0,0,0,0,0,0,0,0,1,Bold"
                                      << font_of("Tahoma,8,-1,5,700,0,0,0,0,0,0,0,0,0,0,1,Bold").toString();
        QTest::newRow("family chosen") << windows << substitute
                                       << "DejaVu Serif,8,-1,5,400,1,0,0,0,0,0,0,0,0,0,1,Italic"
                                       << font_of("DejaVu Serif,8,-1,5,400,1,0,0,0,0,0,0,0,0,0,1,Italic").toString();
        QTest::newRow("underlined") << windows << substitute << "Sans Serif,8,-1,5,400,0,1,0,0,0,0,0,0,0,0,1"
                                    << font_of("Tahoma,8,-1,5,50,0,1,0,0,0").toString();
    }
    void merge_keeps_what_was_not_touched()
    {
        QFETCH(QString, initial);
        QFETCH(QString, shown);
        QFETCH(QString, chosen);
        QFETCH(QString, expected);
        QCOMPARE(font_choice::merge(font_of(initial), font_of(shown), font_of(chosen)).toString(), expected);
    }

    // The real dialog through the program's prompts: only the size is
    // changed, and the font comes back upright, at its weight, in its family.
    void changing_only_the_size_keeps_the_style_data()
    {
        QTest::addColumn<QString>("font");
        QTest::newRow("DejaVu Sans") << "DejaVu Sans,12,-1,5,400,0,0,0,0,0,0,0,0,0,0,1";
        QTest::newRow("Windows string") << "DejaVu Sans,9,-1,5,50,0,0,0,0,0";
        QTest::newRow("Windows family not installed") << "Tahoma,8,-1,5,50,0,0,0,0,0";
    }
    void changing_only_the_size_keeps_the_style()
    {
        QFETCH(QString, font);
        if (!installed("DejaVu Sans"))
            QSKIP("DejaVu Sans is not installed");
        const QFont initial = font_of(font);
        QFont shown;
        answer_font_dialog(14, &shown);
        const std::optional<QFont> chosen = user_prompts::standard().font(initial, nullptr);
        QVERIFY(chosen);
        QCOMPARE(chosen->family(), initial.family());
        QCOMPARE(chosen->pointSize(), 14);
        QCOMPARE(chosen->weight(), initial.weight());
        QCOMPARE(chosen->style(), QFont::StyleNormal);
        QVERIFY2(!chosen->toString().contains("Oblique"), qPrintable(chosen->toString()));
        if (installed(initial.family()))
            QVERIFY2(!shown.italic(), qPrintable(shown.toString()));

        // Accepted as it opened: the very font that went in.
        answer_font_dialog(0, &shown);
        QCOMPARE(user_prompts::standard().font(initial, nullptr)->toString(), initial.toString());
    }
};

QTEST_MAIN(tst_font_choice)
#include "tst_font_choice.moc"
