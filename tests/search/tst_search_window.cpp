// The window "Поиск" over a real my_notes.ini and a real notebook.db: it
// searches as the user types, lists notes and pages with highlighted
// words, follows changes of the notes, and says which hit was chosen.
#include "calendar_rig.h"
#include "notebook_fixture.h"
#include "search/hit_list.h"
#include "search/search_module.h"
#include "search/search_service.h"
#include "search/search_window.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QSignalSpy>
#include <QTest>

namespace {

// Key by key, as typed (QTest sends Latin-1 keys only).
void type_into(QLineEdit *edit, const QString &text)
{
    for (QChar c : text)
        edit->insert(QString(c));
}

struct window_rig
{
    calendar_rig notes;
    std::unique_ptr<search_module> search;

    explicit window_rig(const QByteArray &ini) : notes(ini)
    {
        install_seed(notes.home);
        search = std::make_unique<search_module>(*notes.store, notes.home.data_folder() + "/notebook.db");
        search->window()->set_pause(20);
        search->show();
    }
    search_window &w() { return *search->window(); }

    // Types the text (replacing what was there) and waits for its hits.
    bool type(const QString &text)
    {
        QSignalSpy listed(&w(), &search_window::listed);
        w().query()->clear();
        type_into(w().query(), text);
        return listed.wait(5000) || !listed.isEmpty();
    }
    QStringList places() const
    {
        QStringList out;
        for (const search_hit &h : search->window()->hits()->results().hits)
            out << h.place.text;
        return out;
    }
};

const QByteArray two_dates = notes_group("05.03.2026", {"1772700000=Встреча с врачом, 2, 10:30"}) +
                             notes_group("07.03.2026", {"1772800000=Купить ёлку", "1772800001=Встречи отменены"});

} // namespace

class tst_search_window : public QObject
{
    Q_OBJECT

private slots:
    void typing_lists_notes_and_pages()
    {
        window_rig rig(two_dates);
        QCOMPARE(rig.w().windowTitle(), QStringLiteral("Поиск"));
        QVERIFY(rig.type(QStringLiteral("встреч")));
        // Notes newest date first, a date's notes in creation order.
        QCOMPARE(rig.places(), (QStringList{"07.03.2026", "05.03.2026 10:30"}));
        QCOMPARE(rig.w().hit_view()->model()->rowCount(), 2);
        const search_hit &first = rig.w().hits()->hit(0);
        QCOMPARE(first.snippet.text.mid(first.snippet.marks[0].first, first.snippet.marks[0].second),
                 QStringLiteral("Встреч"));
        QVERIFY(rig.w().status()->text().startsWith(QStringLiteral("2 заметки в календаре, 0 страниц")));

        QVERIFY(rig.type(QStringLiteral("елку")));
        QCOMPARE(rig.places(), QStringList{"07.03.2026"});
        QVERIFY(rig.type(QStringLiteral("Добро")));
        QCOMPARE(rig.places(), QStringList{"Добро пожаловать"});
        QVERIFY(rig.w().status()->text().startsWith(QStringLiteral("0 заметок в календаре, 1 страница")));
        QVERIFY(rig.type(QStringLiteral("нетакогослова")));
        QVERIFY(rig.places().isEmpty());
        QCOMPARE(rig.w().status()->text(), QStringLiteral("Ничего не найдено"));
    }

    void fast_typing_starts_one_search()
    {
        window_rig rig(two_dates);
        rig.w().set_pause(300);
        QSignalSpy listed(&rig.w(), &search_window::listed);
        type_into(rig.w().query(), QStringLiteral("встреча"));
        QVERIFY(listed.wait(5000));
        QTest::qWait(400);
        QCOMPARE(listed.size(), 1);
        QCOMPARE(rig.w().hits()->results().query, QStringLiteral("встреча"));
    }

    void a_changed_note_is_found_while_the_window_is_open()
    {
        window_rig rig(two_dates);
        QVERIFY(rig.type(QStringLiteral("театр")));
        QVERIFY(rig.places().isEmpty());
        QSignalSpy listed(&rig.w(), &search_window::listed);
        rig.notes.store->add_note(QDate(2026, 3, 9), QStringLiteral("Билеты в театр"), false, QTime());
        QVERIFY(listed.wait(5000));
        QCOMPARE(rig.places(), QStringList{"09.03.2026"});
    }

    void coming_back_to_the_window_lists_what_changed_meanwhile()
    {
        window_rig rig(two_dates);
        QVERIFY(rig.type(QStringLiteral("бюджет")));
        QVERIFY(rig.places().isEmpty());
        // Saved in the notebook meanwhile (here by another connection).
        run_sql(rig.notes.home.data_folder() + "/notebook.db",
                {"INSERT INTO notebook (name, data, image) VALUES ('Смета', CAST('Бюджет на год' AS BLOB), 0)"});
        QSignalSpy listed(&rig.w(), &search_window::listed);
        QEvent activated(QEvent::ActivationChange);
        rig.w().activateWindow();
        QTRY_VERIFY(rig.w().isActiveWindow());
        if (listed.isEmpty())
            QApplication::sendEvent(&rig.w(), &activated);
        QVERIFY(listed.wait(5000) || !listed.isEmpty());
        QCOMPARE(rig.places(), QStringList{"Смета"});
    }

    void choosing_a_hit_says_where_it_is()
    {
        window_rig rig(two_dates);
        QSignalSpy notes(&rig.w(), &search_window::note_chosen);
        QSignalSpy pages(&rig.w(), &search_window::page_chosen);
        QVERIFY(rig.type(QStringLiteral("врач")));
        // Enter in the query opens the first hit.
        QTest::keyClick(rig.w().query(), Qt::Key_Return);
        QCOMPARE(notes.size(), 1);
        QCOMPARE(notes[0][0].toDate(), QDate(2026, 3, 5));
        QCOMPARE(notes[0][1].toString(), QStringLiteral("1772700000"));

        QVERIFY(rig.type(QStringLiteral("рассвет")));
        const QRect r = rig.w().hit_view()->visualRect(rig.w().hits()->index(0));
        QTest::mouseClick(rig.w().hit_view()->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(pages.size(), 1);
        QCOMPARE(pages[0][0].toLongLong(), rig.w().hits()->hit(0).page);
        QCOMPARE(rig.w().hits()->hit(0).what, search_hit::kind::picture_page);
    }

    void an_empty_query_lists_nothing()
    {
        window_rig rig(two_dates);
        QVERIFY(rig.type(QStringLiteral("встреч")));
        QVERIFY(rig.type(QStringLiteral("  ")));
        QVERIFY(rig.places().isEmpty());
        QCOMPARE(rig.w().status()->text(), QStringLiteral("Введите слово или его начало"));
    }
};

QTEST_MAIN(tst_search_window)
#include "tst_search_window.moc"
