// The notebook's full-text index in a real notebook.db: an old file gets
// one and keeps its own tables as they were; the index follows every add,
// rename, save and delete, by this program or by another one; captions are
// found, HTML markup is not; a file that cannot hold an index still lets
// the notes be searched.
#include "notebook/notebook_store.h"
#include "notebook_fixture.h"
#include "search/search_engine.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QTextDocument>

namespace {

QString columns_of(const QString &db, const QString &table)
{
    const QString name = QStringLiteral("columns_probe");
    QString out;
    {
        QSqlDatabase c = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        c.setDatabaseName(db);
        c.open();
        QSqlQuery q(c);
        q.exec(QStringLiteral("PRAGMA table_info(%1)").arg(table));
        while (q.next())
            out += q.value(1).toString() + u' ' + q.value(2).toString() + u' ' + q.value(4).toString() + u';';
    }
    QSqlDatabase::removeDatabase(name);
    return out;
}

QStringList places(const search_results &r)
{
    QStringList out;
    for (const search_hit &h : r.hits)
        out << h.place.text;
    return out;
}

int count(const QString &db, const QString &sql)
{
    return query_value(db, sql).toInt();
}

// The index holds exactly the pages of the notebook table.
bool in_step(const QString &db)
{
    return count(db, QStringLiteral("SELECT count(*) FROM notebook")) ==
               count(db, QStringLiteral("SELECT count(*) FROM notebook_search")) &&
           count(db, QStringLiteral("SELECT count(*) FROM notebook n JOIN notebook_search s ON s.rowid = n.id")) ==
               count(db, QStringLiteral("SELECT count(*) FROM notebook"));
}

struct store_rig
{
    temp_data_home home;
    QString db = home.data_folder() + "/notebook.db";
    std::unique_ptr<notebook_store> store;
    QStringList failures;

    store_rig()
    {
        install_seed(home);
        store = std::make_unique<notebook_store>([this](const notebook_store::failure &f) { failures << f.text; });
        store->open(db, home.data_folder());
    }
    qint64 newest()
    {
        QList<notebook_store::page_row> rows;
        store->list_pages(rows);
        return notebook_store::newest_page(rows);
    }
};

} // namespace

class tst_page_index : public QObject
{
    Q_OBJECT

private slots:
    void an_old_notebook_opens_as_it_was_and_gets_an_index()
    {
        store_rig rig;
        const QString before = columns_of(rig.db, "notebook");
        const QString setup_before = columns_of(rig.db, "setup");
        QCOMPARE(count(rig.db, "SELECT count(*) FROM sqlite_master WHERE name LIKE 'notebook_search%'"), 0);

        search_engine engine(rig.db);
        QVERIFY2(engine.problem().isEmpty(), qPrintable(engine.problem()));
        QCOMPARE(engine.index(5000), 0);
        QCOMPARE(count(rig.db, "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = 'notebook_search'"),
                 1);
        QCOMPARE(count(rig.db, "SELECT count(*) FROM sqlite_master WHERE type = 'trigger'"), 3);
        QVERIFY(in_step(rig.db));
        // The tables older copies read are exactly as they were.
        QCOMPARE(columns_of(rig.db, "notebook"), before);
        QCOMPARE(columns_of(rig.db, "setup"), setup_before);
        QList<notebook_store::page_row> rows;
        QVERIFY(rig.store->list_pages(rows));
        QCOMPARE(rows.size(), 3);

        const search_results r = engine.run(QStringLiteral("добро"));
        QCOMPARE(places(r), QStringList{"Добро пожаловать"});
        QCOMPARE(r.hits[0].what, search_hit::kind::text_page);
        QVERIFY(rig.failures.isEmpty());
    }

    void a_second_open_keeps_the_index()
    {
        store_rig rig;
        {
            search_engine engine(rig.db);
            QCOMPARE(engine.index(5000), 0);
        }
        const int rows = count(rig.db, "SELECT count(*) FROM notebook_search");
        search_engine again(rig.db);
        QCOMPARE(count(rig.db, "SELECT count(*) FROM notebook_search_queue"), 0);
        QCOMPARE(count(rig.db, "SELECT count(*) FROM notebook_search"), rows);
    }

    void the_index_follows_add_rename_save_and_delete()
    {
        store_rig rig;
        search_engine engine(rig.db);
        engine.index(5000);

        QVERIFY(rig.store->insert_page(QStringLiteral("Список покупок"), false));
        const qint64 id = rig.newest();
        QCOMPARE(places(engine.run("покуп")), QStringList{"Список покупок"});
        QVERIFY(in_step(rig.db));

        QVERIFY(rig.store->write_page_data(id, QStringLiteral("Купить молоко и ёлочные игрушки").toUtf8()));
        QCOMPARE(places(engine.run("молоко")), QStringList{"Список покупок"});
        QCOMPARE(places(engine.run("елочн")), QStringList{"Список покупок"});
        QVERIFY(in_step(rig.db));

        QVERIFY(rig.store->rename_page(QStringLiteral("  Дела на субботу "), id));
        QVERIFY(places(engine.run("покуп")).isEmpty());
        QCOMPARE(places(engine.run("суббот")), QStringList{"Дела на субботу"});
        QVERIFY(in_step(rig.db));

        QVERIFY(rig.store->delete_page(id));
        QVERIFY(engine.run("молоко").hits.isEmpty());
        QVERIFY(in_step(rig.db));
        QVERIFY(rig.failures.isEmpty());
    }

    void a_caption_is_found_on_its_picture_page()
    {
        store_rig rig;
        search_engine engine(rig.db);
        // The seed's picture page has the caption "Рассвет на озере".
        search_results r = engine.run("рассвет");
        QCOMPARE(places(r), QStringList{"Картинка с подписью"});
        QCOMPARE(r.hits[0].what, search_hit::kind::picture_page);
        QCOMPARE(r.hits[0].snippet.text, QStringLiteral("Рассвет на озере"));

        QVERIFY(rig.store->write_caption_text(r.hits[0].page, QStringLiteral("Закат над морем")));
        QVERIFY(engine.run("рассвет").hits.isEmpty());
        r = engine.run("ЗАКАТ");
        QCOMPARE(places(r), QStringList{"Картинка с подписью"});
        QCOMPARE(r.hits[0].snippet.marks, (QList<std::pair<int, int>>{{0, 5}}));
        // A picture's own bytes are never text of the page (every PNG holds these chunks).
        QVERIFY(engine.run("ihdr").hits.isEmpty());
        QVERIFY(engine.run("iend").hits.isEmpty());
    }

    void an_html_page_matches_its_text_not_its_markup()
    {
        store_rig rig;
        search_engine engine(rig.db);
        QVERIFY(rig.store->insert_page(QStringLiteral("Цветная"), false));
        const qint64 id = rig.newest();
        QTextDocument doc;
        doc.setHtml(QStringLiteral("<p>Встреча <span style='color:#ff0000'>в пять</span> &amp; обед</p>"));
        QVERIFY(rig.store->write_page_data(id, doc.toHtml().toUtf8()));
        const search_results r = engine.run("встреч");
        QCOMPARE(places(r), QStringList{"Цветная"});
        QCOMPARE(r.hits[0].snippet.text, QStringLiteral("Встреча в пять & обед"));
        for (const char *markup : {"style", "span", "font", "color", "ff0000", "qrichtext", "doctype", "amp"})
            QVERIFY2(engine.run(QString::fromLatin1(markup)).hits.isEmpty(), markup);
    }

    void another_programs_writes_are_indexed_at_the_next_search()
    {
        store_rig rig;
        {
            search_engine first(rig.db);
            first.index(5000);
        }
        // Plain SQL through a connection that knows nothing of the search, as
        // an older copy of the program or the sqlite3 shell writes.
        run_sql(rig.db, {"INSERT INTO notebook (name, data, image) VALUES ('Чужая страница', "
                         "CAST('пишет другая программа' AS BLOB), 0)"});
        search_engine engine(rig.db);
        QCOMPARE(places(engine.run("другая")), QStringList{"Чужая страница"});
        run_sql(rig.db, {"UPDATE notebook SET name = 'Переименована' WHERE name = 'Чужая страница'"});
        QCOMPARE(places(engine.run("другая")), QStringList{"Переименована"});
        run_sql(rig.db, {"DELETE FROM notebook WHERE name = 'Переименована'"});
        QVERIFY(engine.run("другая").hits.isEmpty());
        QVERIFY(in_step(rig.db));
    }

    void a_lost_index_is_made_again()
    {
        store_rig rig;
        {
            search_engine engine(rig.db);
            engine.index(5000);
        }
        run_sql(rig.db, {"DROP TABLE notebook_search", "DROP TRIGGER notebook_search_changed"});
        search_engine engine(rig.db);
        QCOMPARE(engine.index(5000), 0);
        QVERIFY(in_step(rig.db));
        QCOMPARE(count(rig.db, "SELECT count(*) FROM sqlite_master WHERE type = 'trigger'"), 3);
        QCOMPARE(places(engine.run("рассвет")), QStringList{"Картинка с подписью"});
    }

    void notes_and_pages_in_one_answer()
    {
        store_rig rig;
        search_engine engine(rig.db);
        engine.set_notes(note_index::from({{QDate(2026, 3, 5), "1772700000", QString(), "Добрый день, встреча", {}},
                                           {QDate(2026, 3, 7), "1772800000", "14:30", "Купить хлеб", {}}}));
        const search_results r = engine.run("добр");
        QCOMPARE(places(r), (QStringList{"05.03.2026", "Добро пожаловать"}));
        QCOMPARE(r.notes, 1);
        QCOMPARE(r.pages, 1);
        QCOMPARE(r.hits[0].what, search_hit::kind::note);
        QCOMPARE(r.hits[0].key, QStringLiteral("1772700000"));
        QCOMPARE(places(engine.run("хлеб")), QStringList{"07.03.2026 14:30"});
    }

    void a_file_that_is_no_database_is_left_alone_and_notes_are_still_searched()
    {
        temp_data_home home;
        QDir().mkpath(home.data_folder());
        const QString db = home.data_folder() + "/notebook.db";
        QByteArray garbage(4096, 'x');
        {
            QFile f(db);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(garbage);
        }
        search_engine engine(db);
        engine.set_notes(note_index::from({{QDate(2026, 3, 5), "1", QString(), "Встреча", {}}}));
        const search_results r = engine.run("встреч");
        QCOMPARE(r.hits.size(), 1);
        QVERIFY(!r.problem.isEmpty());
        QFile f(db);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), garbage);
    }

    void a_missing_notebook_is_not_created()
    {
        temp_data_home home;
        const QString db = home.data_folder() + "/notebook.db";
        search_engine engine(db);
        QVERIFY(!engine.problem().isEmpty());
        QVERIFY(!QFile::exists(db));
    }
};

QTEST_MAIN(tst_page_index)
#include "tst_page_index.moc"
