// The notebook window over a database of 10 000 pages, a 5 MB text page
// and a 20-megapixel image page. Prints how long the page list takes to
// build, how long each big page takes to load, and resident memory.
//
//   bench_notebook [pages]      (QT_QPA_PLATFORM=offscreen or a display)

#include "notebook/image_page.h"
#include "notebook/my_notebook.h"
#include "notebook/notebook_prompts.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Answers nothing and shows nothing: the bench must not wait on a box.
class silent_prompts : public notebook_prompts
{
public:
    void message(QWidget *, box, const QString &title, const QString &text) override
    {
        std::printf("box: %s: %s\n", qPrintable(title), qPrintable(text));
    }
    bool confirm(QWidget *, const QString &, const QString &) override { return false; }
    unsaved_answer ask_unsaved(QWidget *, const QString &) override { return unsaved_answer::discard; }
    draft_answer ask_restore_draft(QWidget *, const QString &, const QDateTime &) override
    {
        return draft_answer::later;
    }
    std::optional<QString> text(QWidget *, const QString &, const QString &) override { return std::nullopt; }
    std::optional<QFont> font(QWidget *, const QFont &) override { return std::nullopt; }
    QColor color(QWidget *, const QColor &) override { return {}; }
    QString open_file(QWidget *, const QString &, const QString &) override { return {}; }
    QString save_file(QWidget *, const QString &, const QString &) override { return {}; }
};

long rss_kb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

QByteArray big_text(int bytes)
{
    const QByteArray line = QStringLiteral("Строка заметки с текстом для проверки скорости загрузки, номер ").toUtf8();
    QByteArray out;
    out.reserve(bytes + 200);
    for (int i = 0; out.size() < bytes; ++i)
        out += line + QByteArray::number(i) + '\n';
    return out;
}

QByteArray big_png(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    auto *rng = QRandomGenerator::global();
    for (int y = 0; y < h; ++y) {
        auto *row = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < w; ++x)
            row[x] = qRgb((x * 255) / w, (y * 255) / h, int(rng->bounded(64)) + 96);
    }
    QByteArray bytes;
    QBuffer b(&bytes);
    b.open(QIODevice::WriteOnly);
    img.save(&b, "PNG", 90);
    return bytes;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int pages = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 10000;
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    const QString folder = home.path() + "/Orvella";
    QDir().mkpath(folder);
    const QString db = folder + "/notebook.db";
    if (!QFile::copy(QStringLiteral(ORVELLA_SEED_DB), db)) {
        std::fprintf(stderr, "no seed database at %s\n", ORVELLA_SEED_DB);
        return 1;
    }
    QFile::setPermissions(db, QFile::ReadOwner | QFile::WriteOwner);

    std::printf("preparing %d pages, a 5 MB text page and a 20-megapixel image page...\n", pages);
    const QByteArray png = big_png(5472, 3648);
    {
        QSqlDatabase c = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("prep"));
        c.setDatabaseName(db);
        c.open();
        QSqlQuery q(c);
        c.transaction();
        q.prepare(QStringLiteral("INSERT INTO notebook (name, data, image) VALUES (?, ?, 0)"));
        for (int i = 0; i < pages; ++i) {
            q.addBindValue(QStringLiteral("Заметка %1 о чём-то").arg(QRandomGenerator::global()->bounded(1000000)));
            q.addBindValue(QByteArray("короткий текст"));
            q.exec();
        }
        q.addBindValue(QStringLiteral("!Большой текст"));
        q.addBindValue(big_text(5 * 1024 * 1024));
        q.exec();
        q.prepare(QStringLiteral("INSERT INTO notebook (name, data, image, comment, pos_x, pos_y) "
                                 "VALUES ('!Большая картинка', ?, 1, 'Подпись', 100, 100)"));
        q.addBindValue(png);
        q.exec();
        c.commit();
        c.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("prep"));
    std::printf("image page PNG: %.1f MB\n", png.size() / 1048576.0);

    silent_prompts prompts;
    const long rss_before = rss_kb();
    QElapsedTimer t;
    t.start();
    my_notebook n(&prompts);
    std::printf("window construction (list + first page): %lld ms\n", t.elapsed());

    std::vector<double> list;
    for (int i = 0; i < 7; ++i) {
        t.restart();
        n.rebuild_page_list();
        list.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("page list of %d pages: median %.1f ms (of 7 builds)\n", n.page_list()->rowCount(), median(list));

    auto row_of = [&](const QString &title) {
        for (int r = 0; r < n.page_list()->rowCount(); ++r)
            if (n.page_list()->item(r, 1)->text() == title)
                return r;
        return -1;
    };
    n.show();
    QCoreApplication::processEvents();

    // Through the list, as the user moves to a page.
    t.restart();
    n.page_list()->setCurrentCell(row_of(QStringLiteral("!Большой текст")), 1);
    std::printf("5 MB text page, plain text mode: %lld ms\n", t.elapsed());
    t.restart();
    n.html_switch()->setChecked(true); // reloads the page as HTML
    std::printf("5 MB text page, HTML mode: %lld ms\n", t.elapsed());
    n.text_switch()->setChecked(true);

    t.restart();
    n.page_list()->setCurrentCell(row_of(QStringLiteral("!Большая картинка")), 1);
    const qint64 load = t.elapsed();
    QCoreApplication::processEvents();
    std::printf("20-megapixel image page: %lld ms to load, %lld ms to first paint\n", load, t.elapsed());
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    std::printf("resident memory: %ld MB before the window, %ld MB with it open on the 20-megapixel page\n",
                rss_before / 1024, rss_kb() / 1024);
    return 0;
}
