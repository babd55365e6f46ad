// Prints figures; asserts nothing. Usage: bench_search [notes] [pages]
#include "calendar/notes_store.h"
#include "common/time_source.h"
#include "search/note_index.h"
#include "search/search_engine.h"
#include "search/search_service.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {

const QStringList words = {
    "встреча",  "встречи", "встречу", "врач",     "театр", "билеты",    "купить", "молоко",     "хлеб",     "ёлка",
    "работа",   "проект",  "отчёт",   "звонок",   "маме",  "папе",      "друзья", "дача",       "поезд",    "вокзал",
    "магазин",  "подарок", "день",    "рождения", "книга", "прочитать", "фильм",  "посмотреть", "собрание", "школа",
    "урок",     "музыка",  "спорт",   "бассейн",  "зал",   "машина",    "ремонт", "страховка",  "банк",     "оплатить",
    "квартира", "счёт",    "налог",   "письмо",   "почта", "отпуск",    "море",   "горы",       "лес",      "озеро",
    "рецепт",   "пирог",   "сахар",   "соль",     "утро",  "вечер",     "ночь",   "неделя",     "месяц",    "год",
    "и",        "в",       "на",      "с",        "по",    "для",       "к",      "не",         "что",      "это"};

QString sentence(QRandomGenerator &g, int n)
{
    QStringList s;
    for (int i = 0; i < n; ++i)
        s << words[g.bounded(int(words.size()))];
    s[0][0] = s[0][0].toUpper();
    return s.join(u' ') + u'.';
}

void build_notebook(const QString &file, int pages, QRandomGenerator &g)
{
    QFile::remove(file);
    QFile::copy(QStringLiteral(ORVELLA_SEED_DB), file);
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
        db.setDatabaseName(file);
        db.open();
        QSqlQuery q(db);
        q.exec(QStringLiteral("BEGIN"));
        q.prepare(QStringLiteral("INSERT INTO notebook (name, data, image, comment) VALUES (?, ?, ?, ?)"));
        for (int i = 0; i < pages; ++i) {
            const int kind = i % 10; // 7 plain, 2 HTML, 1 picture
            QString body;
            for (int p = 0; p < 6; ++p)
                body += sentence(g, 8 + g.bounded(10)) + u'\n';
            QByteArray data = body.toUtf8();
            if (kind == 7 || kind == 8)
                data = ("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\"><html><head><meta name=\"qrichtext\" "
                        "content=\"1\" /><style type=\"text/css\">p, li { white-space: pre-wrap; }</style></head>"
                        "<body style=\" font-family:'Sans'; font-size:9pt;\"><p style=\" margin-top:0px;\">" +
                        body.toHtmlEscaped().replace(u'\n', QStringLiteral("</p><p>")).toUtf8() + "</p></body></html>");
            const bool picture = kind == 9;
            q.addBindValue(sentence(g, 3));
            q.addBindValue(picture ? QByteArray("\x89PNG\r\n") : data);
            q.addBindValue(picture ? 1 : 0);
            q.addBindValue(picture ? sentence(g, 5) : QString());
            q.exec();
        }
        QSqlQuery(db).exec(QStringLiteral("COMMIT"));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
}

double ms(const QElapsedTimer &t)
{
    return t.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int note_count = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int page_count = argc > 2 ? std::atoi(argv[2]) : 10000;
    QTemporaryDir dir;
    QRandomGenerator g(22);
    const QString file = dir.path() + "/notebook.db";

    QElapsedTimer t;
    t.start();
    build_notebook(file, page_count, g);
    std::printf("notebook.db with %d pages written in %.0f ms\n", page_count, ms(t));

    // Notes through the real store on a real my_notes.ini.
    manual_time_source clock(QDateTime(QDate(2026, 1, 1), QTime(9, 0)));
    notes_store store(dir.path() + "/my_notes.ini", clock);
    {
        notes_store::batch b(store);
        for (int i = 0; i < note_count; ++i)
            store.add_note(QDate(2020, 1, 1).addDays(i % 2500), sentence(g, 3 + g.bounded(8)), i % 4 == 0,
                           QTime(9 + i % 10, 0));
    }
    t.restart();
    note_list notes = note_index::collect(store);
    std::printf("copy of %zu notes for the search (GUI thread, on opening or a change): %.1f ms\n", notes->size(),
                ms(t));

    t.restart();
    {
        search_engine first(file);
        int left = 0;
        while ((left = first.index(1000)) > 0) {
        }
    }
    std::printf("first indexing of %d pages (search thread, in slices): %.0f ms; file %.1f MB\n", page_count, ms(t),
                QFile(file).size() / 1048576.0);

    search_engine engine(file);
    engine.set_notes(notes);
    const QStringList typed = {"встреча", "молоко хлеб", "прочит", "zzz"};
    std::printf("\nper keystroke on the search thread (ms; hits listed: notes+pages, of which found):\n");
    for (const QString &word : typed) {
        for (int n = 1; n <= word.size(); ++n) {
            const QString q = word.left(n);
            if (q.endsWith(u' '))
                continue;
            double best = 1e9, worst = 0;
            search_results r;
            for (int rep = 0; rep < 5; ++rep) {
                QElapsedTimer k;
                k.start();
                r = engine.run(q);
                best = std::min(best, ms(k));
                worst = std::max(worst, ms(k));
            }
            std::printf("  %-14s best %6.2f  worst %6.2f   %3lld listed, notes %d%s, pages %d%s\n",
                        qPrintable(u'"' + q + u'"'), best, worst, qlonglong(r.hits.size()), r.notes,
                        r.more_notes ? "" : "", r.pages, r.more_pages ? "+" : "");
        }
    }

    // As the window sees it: from the keystroke's search() to found(), the
    // search running on its thread; and the longest the GUI thread did not
    // answer a 1 ms timer meanwhile.
    search_service service(file);
    service.set_notes(notes);
    service.start();
    QEventLoop loop;
    QElapsedTimer since;
    double answered = 0;
    QObject::connect(&service, &search_service::found, &loop, [&](const search_results &) {
        answered = ms(since);
        loop.quit();
    });
    QElapsedTimer beat;
    double stall = 0;
    QTimer heart;
    heart.setInterval(1);
    QObject::connect(&heart, &QTimer::timeout, [&] {
        stall = std::max(stall, ms(beat));
        beat.restart();
    });
    // Warm up: the service's own connection opens.
    since.start();
    service.search(QStringLiteral("в"));
    loop.exec();
    std::printf("\nper keystroke as the window sees it (search() to found(), ms):\n");
    beat.start();
    heart.start();
    for (const QString &word : typed) {
        std::printf("  ");
        for (int n = 1; n <= word.size(); ++n) {
            const QString q = word.left(n);
            if (q.endsWith(u' '))
                continue;
            since.start();
            service.search(q);
            loop.exec();
            std::printf("%s %.1f  ", qPrintable(q), answered);
        }
        std::printf("\n");
    }
    heart.stop();
    std::printf("longest GUI thread stall meanwhile: %.1f ms\n", stall);
    return 0;
}
