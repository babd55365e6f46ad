// The matching rules: case, "ё" as "е", word beginnings, several words,
// HTML reduced to its text, and the snippet's highlighted spans.
#include "search/search_text.h"

#include <QTest>

using namespace search_text;

class tst_search_text : public QObject
{
    Q_OBJECT

private slots:
    void matching_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("query");
        QTest::addColumn<bool>("found");
        QTest::newRow("same word") << "Встреча с врачом"
                                   << "встреча" << true;
        QTest::newRow("capitals in the text") << "ВСТРЕЧА С ВРАЧОМ"
                                              << "встреча" << true;
        QTest::newRow("capitals in the query") << "встреча с врачом"
                                               << "ВСТРЕЧА" << true;
        QTest::newRow("mixed case Latin") << "Call Bob"
                                          << "cALL" << true;
        QTest::newRow("ё in the text, е typed") << "Купить ёлку"
                                                << "елку" << true;
        QTest::newRow("е in the text, ё typed") << "Купить елку"
                                                << "ёлку" << true;
        QTest::newRow("capital Ё") << "Ёжик в тумане"
                                   << "ежик" << true;
        QTest::newRow("ё inside a word") << "Пришёл вовремя"
                                         << "пришел" << true;
        QTest::newRow("prefix: встреча") << "Встреча в пять"
                                         << "встреч" << true;
        QTest::newRow("prefix: встречи") << "Две встречи"
                                         << "встреч" << true;
        QTest::newRow("prefix: Встречу") << "Перенести Встречу"
                                         << "встреч" << true;
        QTest::newRow("no match inside a word") << "Перевстреча"
                                                << "встреч" << false;
        QTest::newRow("longer than the word") << "Встреча"
                                              << "встречами" << false;
        QTest::newRow("after punctuation") << "(встреча), «встречи»"
                                           << "встреч" << true;
        QTest::newRow("after a hyphen") << "пол-литра"
                                        << "литр" << true;
        QTest::newRow("every word needed") << "Встреча с врачом"
                                           << "врач встреч" << true;
        QTest::newRow("one word missing") << "Встреча с врачом"
                                          << "врач театр" << false;
        QTest::newRow("punctuation in the query") << "Встреча с врачом"
                                                  << "«врач», встреч!" << true;
        QTest::newRow("digits") << "Позвонить 8-800-555"
                                << "555" << true;
        QTest::newRow("й is not и") << "мой дом"
                                    << "мои" << false;
        QTest::newRow("empty query") << "Встреча"
                                     << "" << false;
        QTest::newRow("only punctuation") << "Встреча"
                                          << " ,.! " << false;
    }
    void matching()
    {
        QFETCH(QString, text);
        QFETCH(QString, query);
        QFETCH(bool, found);
        QCOMPARE(matches_all(fold(text), terms(query)), found);
    }

    void folding_keeps_every_position()
    {
        const QString t = QStringLiteral("ЁЛКА Ёж ёж Straße ǅ 𝔸");
        const QString f = fold(t);
        QCOMPARE(f.size(), t.size());
        QCOMPARE(f.left(10), QStringLiteral("елка еж еж"));
    }

    void query_words_are_folded_unique_and_longest_first()
    {
        QCOMPARE(terms(u"Ёж, ВСТРЕЧА ёж в"), (QStringList{"встреча", "еж", "в"}));
        QCOMPARE(terms(u"a b c d e f g h i j", 3).size(), 3);
    }

    void html_to_text_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("text");
        QTest::newRow("tags go") << "<p style=\"font-family:'Sans'\">Привет <b>мир</b></p>"
                                 << "Привет мир";
        QTest::newRow("head, style and title go")
            << "<html><head><title>Тема</title><style>p { color: red }</style></head><body>Текст</body></html>"
            << "Текст";
        QTest::newRow("script goes") << "до<script>var x = 1 < 2;</script>после"
                                     << "до после";
        QTest::newRow("comment goes") << "a<!-- скрыто -->b"
                                      << "ab";
        QTest::newRow("blocks apart") << "<p>один</p><p>два</p>"
                                      << "один два";
        QTest::newRow("line break") << "один<br />два"
                                    << "один два";
        QTest::newRow("references") << "&lt;b&gt; &amp; &quot;x&quot; &#1105;&#x451; &laquo;ок&raquo;"
                                    << "<b> & \"x\" ёё «ок»";
        QTest::newRow("unknown reference kept") << "AT&T &zzz; &"
                                                << "AT&T &zzz; &";
        QTest::newRow("quoted > in an attribute") << "<a title=\"a>b\">ссылка</a>"
                                                  << "ссылка";
        QTest::newRow("lone <") << "1 < 2"
                                << "1 < 2";
        QTest::newRow("doctype") << "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\"><html>Да</html>"
                                 << "Да";
    }
    void html_to_text()
    {
        QFETCH(QString, html);
        QFETCH(QString, text);
        QCOMPARE(search_text::html_to_text(html).simplified(), text);
    }

    void page_text_reads_html_and_plain_bodies()
    {
        const QByteArray html = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\" "
                                "\"http://www.w3.org/TR/REC-html40/strict.dtd\">\n<html><head><meta "
                                "name=\"qrichtext\" content=\"1\" /><style type=\"text/css\">\np, li { white-space: "
                                "pre-wrap; }\n</style></head><body style=\" font-family:'DejaVu Sans'; "
                                "font-size:9pt;\">\n<p style=\" margin-top:0px;\">Встреча <span style=\" "
                                "color:#ff0000;\">в пять</span></p></body></html>";
        QCOMPARE(page_text(html), QStringLiteral("Встреча в пять"));
        QVERIFY(!matches_all(fold(page_text(html)), terms(u"style")));
        QVERIFY(!matches_all(fold(page_text(html)), terms(u"font")));
        QVERIFY(!matches_all(fold(page_text(html)), terms(u"ff0000")));
        // A plain body is taken as written, up to its first zero byte.
        QCOMPARE(page_text(QByteArray("<b> is bold\0rest", 16)), QStringLiteral("<b> is bold"));
        QCOMPARE(page_text("строка\n\n  вторая"), QStringLiteral("строка вторая"));
    }

    void snippet_marks_each_matched_word_start_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("query");
        QTest::addColumn<QStringList>("marked");
        QTest::newRow("one") << "Завтра встреча с врачом"
                             << "встреч" << QStringList{"встреч"};
        QTest::newRow("case and ё kept as written") << "ЁЛКА и ёлка"
                                                    << "елк" << QStringList{"ЁЛК", "ёлк"};
        QTest::newRow("two words") << "Встреча с врачом"
                                   << "врач встреча" << QStringList{"Встреча", "врач"};
        QTest::newRow("not inside words") << "перевстреча встреча"
                                          << "встреч" << QStringList{"встреч"};
        QTest::newRow("none") << "Ничего"
                              << "встреч" << QStringList{};
    }
    void snippet_marks_each_matched_word_start()
    {
        QFETCH(QString, text);
        QFETCH(QString, query);
        QFETCH(QStringList, marked);
        const search_text::marked m = snippet(text, terms(query));
        QStringList got;
        for (auto s : m.marks)
            got << m.text.mid(s.first, s.second);
        QCOMPARE(got, marked);
    }

    void snippet_of_a_long_text_centres_the_match()
    {
        QString text;
        for (int i = 0; i < 200; ++i)
            text += QStringLiteral("слово%1 ").arg(i);
        text += QStringLiteral("Встреча ");
        for (int i = 0; i < 200; ++i)
            text += QStringLiteral("далее%1 ").arg(i);
        const search_text::marked m = snippet(text, terms(u"встреч"), 80);
        QVERIFY(m.text.startsWith(QStringLiteral("…")));
        QVERIFY(m.text.endsWith(QStringLiteral("…")));
        QVERIFY(m.text.size() <= 84);
        QCOMPARE(m.marks.size(), 1);
        QCOMPARE(m.text.mid(m.marks[0].first, m.marks[0].second), QStringLiteral("Встреч"));
        // Cut at word gaps: no word is broken at either end.
        QVERIFY(m.text.at(1).isLetter());
        QVERIFY(!m.text.mid(1).startsWith(u' '));
    }
};

QTEST_GUILESS_MAIN(tst_search_text)
#include "tst_search_text.moc"
