// The notebook's data layer against real SQLite files: seeding, every
// statement's result and its failure message, the newest page.
#include "notebook/notebook_seed.h"
#include "notebook/notebook_store.h"
#include "notebook_fixture.h"

#include <QDir>
#include <QFile>
#include <QTest>

class tst_notebook_store : public QObject
{
    Q_OBJECT

    struct rig
    {
        temp_data_home home;
        QList<notebook_store::failure> failures;
        std::unique_ptr<notebook_store> store;
        QString db() const { return home.data_folder() + "/notebook.db"; }
        void open()
        {
            store = std::make_unique<notebook_store>([this](const notebook_store::failure &f) { failures.append(f); });
            store->open(db(), home.data_folder());
        }
        QStringList texts() const
        {
            QStringList out;
            for (const auto &f : failures)
                out << f.text;
            return out;
        }
    };

private slots:
    void seeding_data()
    {
        QTest::addColumn<QByteArray>("existing"); // "-" for no file
        QTest::addColumn<bool>("seed_there");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<bool>("equals_seed");
        QTest::newRow("absent, copied") << QByteArray("-") << true << int(notebook_seed::outcome::copied) << true;
        QTest::newRow("zero size replaced") << QByteArray() << true << int(notebook_seed::outcome::copied) << true;
        QTest::newRow("non-empty kept without tables")
            << QByteArray("not a database at all") << true << int(notebook_seed::outcome::kept) << false;
        QTest::newRow("no seed") << QByteArray("-") << false << int(notebook_seed::outcome::failed) << false;
    }
    void seeding()
    {
        QFETCH(QByteArray, existing);
        QFETCH(bool, seed_there);
        QFETCH(int, outcome);
        QFETCH(bool, equals_seed);
        temp_data_home home;
        const QString db = home.data_folder() + "/notebook.db";
        if (existing != "-")
            write_file(db, existing);
        const auto r = notebook_seed::ensure(db, seed_there ? built_seed() : QString());
        QCOMPARE(int(r.what), outcome);
        QCOMPARE(read_file(db) == read_file(built_seed()), equals_seed);
        if (existing != "-" && !existing.isEmpty())
            QCOMPARE(read_file(db), existing);
        if (r.what == notebook_seed::outcome::failed)
            QCOMPARE(r.message, "Невозможно скопировать ./app_data/notebook.db в\n" + db);
    }

    void seed_holds_welcome_pages()
    {
        rig r;
        install_seed(r.home);
        r.open();
        QList<notebook_store::page_row> rows;
        QVERIFY(r.store->list_pages(rows));
        QVERIFY(rows.size() >= 2 && rows.size() <= 3);
        int images = 0;
        for (const auto &row : rows) {
            if (r.store->is_image_page(row.id)) {
                ++images;
                const QByteArray data = r.store->read_page_data(row.id);
                QVERIFY(!QImage::fromData(data, "PNG").isNull());
                notebook_store::caption c;
                QVERIFY(r.store->read_caption(row.id, c));
                QVERIFY(!c.text.isEmpty());
            }
        }
        QCOMPARE(images, 1);
        notebook_store::editor_setup s;
        QVERIFY(r.store->read_editor_setup(s));
        QVERIFY(!s.html);
        QVERIFY(r.failures.isEmpty());
    }

    void statements_round_trip()
    {
        rig r;
        install_seed(r.home);
        r.open();
        int before = 0;
        QVERIFY(r.store->count_pages(before));
        QVERIFY(r.store->insert_page("Тест 🙂 <b>жирный</b>", false));
        QList<notebook_store::page_row> rows;
        QVERIFY(r.store->list_pages(rows));
        QCOMPARE(rows.size(), before + 1);
        const qint64 id = notebook_store::newest_page(rows);
        QCOMPARE(query_value(r.db(), "select max(id) from notebook").toLongLong(), id);
        // A fresh text page has NULL data: it reads as empty.
        bool ok = false;
        QVERIFY(r.store->read_page_data(id, &ok).isEmpty());
        QVERIFY(ok);
        QVERIFY(!r.store->is_image_page(id));

        QVERIFY(r.store->rename_page("  Новое имя  ", id));
        QCOMPARE(query_value(r.db(), QString("select name from notebook where id=%1").arg(id)).toString(),
                 "  Новое имя  ");
        QVERIFY(r.store->write_page_data(id, "данные"));
        QCOMPARE(r.store->read_page_data(id), QByteArray("данные"));
        QVERIFY(r.store->write_caption_text(id, "Подпись"));
        QVERIFY(r.store->write_caption_geometry(id, 10.5, -3, 270, 2));
        notebook_store::caption c;
        QVERIFY(r.store->read_caption(id, c));
        QCOMPARE(c.text, "Подпись");
        QCOMPARE(c.x, 10.5);
        QCOMPARE(c.y, -3.0);
        QCOMPARE(c.rotation, 270.0);
        QCOMPARE(c.z, 2.0);
        QFont f("DejaVu Serif", 21);
        QVERIFY(r.store->write_caption_style(id, f.toString(), "#123456"));
        QCOMPARE(r.store->read_page_font(id).family(), "DejaVu Serif");
        QCOMPARE(r.store->read_page_color(id), QColor("#123456"));
        QVERIFY(r.store->write_page_font(id, QFont("DejaVu Sans", 9).toString()));
        QVERIFY(r.store->write_page_color(id, "#abcdef"));
        QCOMPARE(r.store->read_page_font(id).pointSize(), 9);
        QCOMPARE(r.store->read_page_color(id), QColor("#abcdef"));

        QVERIFY(r.store->write_editor_font(f.toString()));
        QVERIFY(r.store->write_editor_color("#ff0000"));
        QVERIFY(r.store->write_editor_mode(true));
        notebook_store::editor_setup s;
        QVERIFY(r.store->read_editor_setup(s));
        QVERIFY(s.html);
        QCOMPARE(s.font, f.toString());
        QCOMPARE(s.color, "#ff0000");

        QVERIFY(r.store->delete_page(id));
        QVERIFY(r.store->count_pages(before));
        QCOMPARE(before, rows.size() - 1);
        QVERIFY(r.store->compact_database());
        QCOMPARE(r.texts(), QStringList{"Сжатие базы завершено."});
        QVERIFY(r.failures.first().over_window);
    }

    void newest_after_deleting_the_newest()
    {
        rig r;
        install_seed(r.home);
        r.open();
        QList<notebook_store::page_row> rows;
        QVERIFY(r.store->insert_page("a", false));
        QVERIFY(r.store->list_pages(rows));
        const qint64 first = notebook_store::newest_page(rows);
        QVERIFY(r.store->delete_page(first));
        QVERIFY(r.store->insert_page("b", true));
        QVERIFY(r.store->list_pages(rows));
        QVERIFY(notebook_store::newest_page(rows) > first);
        QVERIFY(r.store->is_image_page(notebook_store::newest_page(rows)));
    }

    // A database whose notebook table lacks a column the operation needs.
    void failure_messages_data()
    {
        QTest::addColumn<QString>("missing");
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("warning");
        const QString upd = "Ошибка обновления данных (Запрос ";
        const QString sel = "Ошибка выборки данных - запрос: ";
        QTest::newRow("setup") << "setup.html"
                               << "read_editor_setup" << sel + "select html, font, color from setup" << true;
        QTest::newRow("count") << "notebook"
                               << "count_pages"
                               << "Ошибка подсчета количества записей в базе - запрос: SELECT COUNT(notebook.id) AS "
                                  "FIELD_1 FROM notebook"
                               << true;
        QTest::newRow("list") << "name"
                              << "list_pages" << sel + "select id,name from notebook" << true;
        QTest::newRow("data") << "data"
                              << "read_page_data" << sel + "select data from notebook where notebook.id = :id" << true;
        QTest::newRow("image") << "image"
                               << "is_image_page" << sel + "select data from notebook where notebook.id = :id" << true;
        QTest::newRow("font") << "font"
                              << "read_page_font" << sel + "select font from notebook where id = :myid" << true;
        QTest::newRow("color") << "color"
                               << "read_page_color" << sel + "select color from notebook where id = :myid" << true;
        QTest::newRow("caption") << "comment"
                                 << "read_caption"
                                 << upd + "select comment, pos_x, pos_y, rotation, zvalue from notebook where "
                                          "notebook.id = :id)."
                                 << false;
        QTest::newRow("insert") << "image"
                                << "insert_page"
                                << "Ошибка добавления записей - запрос: INSERT INTO notebook(name) VALUES (?)" << true;
        QTest::newRow("rename") << "name"
                                << "rename_page" << upd + "UPDATE notebook SET name = :myname WHERE id = :myid)."
                                << false;
        QTest::newRow("delete") << "notebook"
                                << "delete_page"
                                << "Ошибка удаления данных (Запрос DELETE FROM notebook WHERE notebook.id = :IN_ID ). "
                                << false;
        QTest::newRow("write data") << "data"
                                    << "write_page_data"
                                    << upd + "UPDATE notebook SET data = :mydata WHERE id = :myid)." << false;
        QTest::newRow("caption text") << "comment"
                                      << "write_caption_text"
                                      << upd + "UPDATE notebook SET comment = :comment WHERE id = :myid)." << false;
        QTest::newRow("geometry") << "zvalue"
                                  << "write_caption_geometry"
                                  << upd + "UPDATE notebook SET pos_x = :pos_x, pos_y = :pos_y, rotation = :rotation, "
                                           "zvalue = :zvalue WHERE id = :myid)."
                                  << false;
        QTest::newRow("style") << "color"
                               << "write_caption_style"
                               << upd + "UPDATE notebook SET font = :font, color = :color WHERE id = :myid" << false;
        QTest::newRow("page font") << "font"
                                   << "write_page_font" << upd + "UPDATE notebook SET font = :font WHERE id = :myid)"
                                   << false;
        QTest::newRow("page color") << "color"
                                    << "write_page_color"
                                    << upd + "UPDATE notebook SET color = :color WHERE id = :myid)" << false;
        QTest::newRow("editor font") << "setup.font"
                                     << "write_editor_font" << upd + "UPDATE setup SET font = :font)" << false;
        QTest::newRow("editor color") << "setup.color"
                                      << "write_editor_color" << upd + "UPDATE setup SET color = :color)" << false;
        QTest::newRow("editor mode") << "setup.html"
                                     << "write_editor_mode" << upd + "UPDATE setup SET html = :dohtml)" << false;
    }
    void failure_messages()
    {
        QFETCH(QString, missing);
        QFETCH(QString, operation);
        QFETCH(QString, text);
        QFETCH(bool, warning);
        rig r;
        // Both tables as shipped, less the one column (or table) named.
        QStringList cols{"id INTEGER PRIMARY KEY AUTOINCREMENT",
                         "name TEXT",
                         "data BLOB",
                         "image INTEGER",
                         "comment TEXT",
                         "pos_x REAL",
                         "pos_y REAL",
                         "rotation REAL",
                         "zvalue REAL",
                         "font TEXT",
                         "color TEXT"};
        QStringList setup{"html INTEGER", "font TEXT", "color TEXT"};
        QStringList sql;
        if (missing.startsWith("setup.")) {
            setup.removeIf([&](const QString &c) { return c.startsWith(missing.mid(6) + ' '); });
        } else {
            cols.removeIf([&](const QString &c) { return c.startsWith(missing + ' '); });
        }
        if (missing != "notebook")
            sql << "CREATE TABLE notebook (" + cols.join(", ") + ")"
                << (missing == "image" ? "INSERT INTO notebook (name) VALUES ('x')"
                                       : "INSERT INTO notebook (id) VALUES (1)");
        sql << "CREATE TABLE setup (" + setup.join(", ") + ")";
        make_database(r.db(), sql);
        r.open();
        QVERIFY(r.failures.isEmpty());

        const qint64 id = 1;
        bool ok = true;
        int n = 0;
        QList<notebook_store::page_row> rows;
        notebook_store::editor_setup s;
        notebook_store::caption c{"untouched", 7, 8, 9, 10};
        auto *st = r.store.get();
        if (operation == "read_editor_setup")
            ok = st->read_editor_setup(s);
        else if (operation == "count_pages")
            ok = st->count_pages(n);
        else if (operation == "list_pages")
            ok = st->list_pages(rows);
        else if (operation == "read_page_data")
            QVERIFY(st->read_page_data(id, &ok).isEmpty());
        else if (operation == "is_image_page")
            ok = st->is_image_page(id);
        else if (operation == "read_page_font")
            ok = st->read_page_font(id) != QFont();
        else if (operation == "read_page_color")
            ok = st->read_page_color(id).isValid();
        else if (operation == "read_caption") {
            ok = st->read_caption(id, c);
            QCOMPARE(c.text, "untouched");
            QCOMPARE(c.z, 10.0);
        } else if (operation == "insert_page")
            ok = st->insert_page("x", true);
        else if (operation == "rename_page")
            ok = st->rename_page("x", id);
        else if (operation == "delete_page")
            ok = st->delete_page(id);
        else if (operation == "write_page_data")
            ok = st->write_page_data(id, "x");
        else if (operation == "write_caption_text")
            ok = st->write_caption_text(id, "x");
        else if (operation == "write_caption_geometry")
            ok = st->write_caption_geometry(id, 1, 2, 3, 4);
        else if (operation == "write_caption_style")
            ok = st->write_caption_style(id, "f", "#000000");
        else if (operation == "write_page_font")
            ok = st->write_page_font(id, "f");
        else if (operation == "write_page_color")
            ok = st->write_page_color(id, "#000000");
        else if (operation == "write_editor_font")
            ok = st->write_editor_font("f");
        else if (operation == "write_editor_color")
            ok = st->write_editor_color("#000000");
        else if (operation == "write_editor_mode")
            ok = st->write_editor_mode(true);
        QVERIFY(!ok);
        QCOMPARE(r.texts(), QStringList{text});
        const auto &f = r.failures.first();
        QCOMPARE(f.box == notebook_store::failure::kind::warning, warning);
        QCOMPARE(f.title, warning ? QString("Внимание!") : QString("Внимание"));
        QCOMPARE(f.over_window, warning || operation == "delete_page");
    }

    void vacuum_failure_has_its_own_box()
    {
        rig r;
        write_file(r.db(), QByteArray(4096, 'x')); // not a database
        r.open();
        QVERIFY(!r.store->compact_database());
        QCOMPARE(r.texts().last(), "Ошибка сжатия данных");
        QVERIFY(!r.failures.last().over_window);
    }

    void missing_file_is_reported_and_created()
    {
        rig r;
        QDir().mkpath(r.home.data_folder());
        r.open();
        QCOMPARE(r.failures.size(), 1);
        QCOMPARE(r.failures.first().title, "Внимание !");
        QCOMPARE(r.failures.first().text, "База notebook.db в " + r.home.data_folder() + " не найдена.");
        QVERIFY(QFile::exists(r.db()));
        int n = 0;
        QVERIFY(!r.store->count_pages(n));
    }

    void read_only_database_refuses_writes_loudly()
    {
        rig r;
        install_seed(r.home);
        QFile::setPermissions(r.db(), QFile::ReadOwner);
        r.open();
        QList<notebook_store::page_row> rows;
        QVERIFY(r.store->list_pages(rows));
        if (!r.store->write_page_data(rows.first().id, "x")) {
            QCOMPARE(r.texts().last(), "Ошибка обновления данных (Запрос UPDATE notebook SET data = :mydata WHERE id "
                                       "= :myid).");
        } else {
            QSKIP("running as a user who may write read-only files");
        }
    }
};

QTEST_MAIN(tst_notebook_store)
#include "tst_notebook_store.moc"
