// The longest time the GUI thread is held while a large notebook page
// opens: a 5 MB HTML page the way the window used to open it (the editor's
// setHtml on the GUI thread) and the way it opens it now, and the window
// now on a 5 MB plain-text page, a 16 MB HTML page (the largest it opens)
// and a 12-megapixel picture. A 5 ms heartbeat timer on the GUI thread
// measures the gaps; each figure is the worst gap from the click until
// the page is shown and a second has passed (painting and the editor's
// layout steps included).
//
//   bench_page_stall        (on a display, as the user sees it: DISPLAY=:N)

#include "notebook/my_notebook.h"
#include "notebook/notebook_prompts.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QRadioButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <cstdio>
#include <functional>

namespace {

class silent_prompts : public notebook_prompts
{
public:
    void message(QWidget *, box, const QString &title, const QString &text) override
    {
        std::printf("box: %s: %s\n", qPrintable(title), qPrintable(text));
    }
    bool confirm(QWidget *, const QString &, const QString &) override { return false; }
    bool discard_next = false;
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

// Watches the GUI thread: the longest gap between two ticks of a 5 ms timer.
class heartbeat
{
public:
    heartbeat()
    {
        m_timer.setInterval(5);
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const qint64 now = m_clock.nsecsElapsed();
            m_worst = qMax(m_worst, now - m_last);
            if (now - m_last > 30'000'000 && qEnvironmentVariableIsSet("STALL_DEBUG"))
                std::printf("  gap %.0f ms ending at %.0f ms\n", (now - m_last) / 1e6, now / 1e6);
            m_last = now;
        });
    }
    void start()
    {
        m_worst = 0;
        m_clock.start();
        m_last = 0;
        m_timer.start();
    }
    // Worst gap beyond the timer's own interval, in ms.
    double stop()
    {
        m_timer.stop();
        const qint64 now = m_clock.nsecsElapsed();
        m_worst = qMax(m_worst, now - m_last);
        return qMax(0.0, m_worst / 1e6 - 5.0);
    }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_worst = 0;
};

QByteArray html_page(int bytes)
{
    QByteArray out = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\"><html><head></head><body>";
    for (int i = 0; out.size() < bytes; ++i)
        out += "<p>Строка заметки с <b>выделенным</b> текстом для проверки загрузки, номер " + QByteArray::number(i) +
               "</p>\n";
    return out + "</body></html>";
}

QByteArray plain_page(int bytes)
{
    QByteArray out;
    for (int i = 0; out.size() < bytes; ++i)
        out += "Строка заметки с текстом для проверки загрузки, номер " + QByteArray::number(i) + "\n";
    return out;
}

QByteArray picture(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto *row = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < w; ++x)
            row[x] = qRgb((x * 255) / w, (y * 255) / h, (x ^ y) & 0xff);
    }
    QByteArray bytes;
    QBuffer b(&bytes);
    b.open(QIODevice::WriteOnly);
    img.save(&b, "PNG", 50);
    return bytes;
}

void wait_ms(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// Runs act from the event loop with the heartbeat on, waits until done()
// and then one more second; prints and returns the worst stall.
double measure(const char *what, const std::function<void()> &act, const std::function<bool()> &done)
{
    heartbeat beat;
    wait_ms(300);
    beat.start();
    QElapsedTimer shown;
    shown.start();
    QTimer::singleShot(0, act);
    wait_ms(1);
    while (!done())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const qint64 ready = shown.elapsed();
    wait_ms(1000);
    const double worst = beat.stop();
    std::printf("%-52s longest GUI stall %7.1f ms   (page shown after %lld ms)\n", what, worst, ready);
    return worst;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
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

    std::printf("preparing pages...\n");
    const QByteArray html5 = html_page(5 * 1024 * 1024);
    {
        QSqlDatabase c = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("prep"));
        c.setDatabaseName(db);
        c.open();
        QSqlQuery q(c);
        q.prepare(QStringLiteral("INSERT INTO notebook (name, data, image) VALUES (?, ?, ?)"));
        const struct
        {
            const char *name;
            QByteArray data;
            bool image;
        } pages[] = {{"html5", html5, false},
                     {"plain5", plain_page(5 * 1024 * 1024), false},
                     {"html16", html_page(16 * 1024 * 1024 - 4096), false},
                     {"picture", picture(4000, 3000), true},
                     {"small", "короткая", false}};
        for (const auto &p : pages) {
            q.addBindValue(QString::fromLatin1(p.name));
            q.addBindValue(p.data);
            q.addBindValue(p.image ? 1 : 0);
            q.exec();
        }
        c.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("prep"));

    // Before: the editor given the whole page on the GUI thread.
    {
        QTextEdit editor;
        editor.resize(600, 500);
        editor.show();
        wait_ms(300);
        bool done = false;
        measure(
            "5 MB HTML page, setHtml on the GUI thread (before)",
            [&] {
                editor.setHtml(QString::fromUtf8(html5));
                done = true;
            },
            [&] { return done; });
    }

    silent_prompts prompts;
    my_notebook n(&prompts);
    n.resize(700, 560);
    n.show();
    wait_ms(500);
    auto row_of = [&](const QString &title) {
        for (int r = 0; r < n.page_list()->rowCount(); ++r)
            if (n.page_list()->item(r, 1)->text() == title)
                return r;
        return -1;
    };
    auto open = [&](const char *what, const QString &title) {
        n.page_list()->setCurrentCell(row_of(QStringLiteral("small")), 1);
        wait_ms(200);
        measure(
            what, [&] { n.page_list()->setCurrentCell(row_of(title), 1); },
            [&] { return n.loaded_page() >= 0 && !n.page_loading() && row_of(title) == n.page_list()->currentRow(); });
    };
    n.html_switch()->setChecked(true);
    wait_ms(300);
    open("5 MB HTML page, the notebook window (after)", QStringLiteral("html5"));
    {
        // A pause in typing on that page writes its draft.
        n.set_draft_delay(1);
        bool typed = false;
        measure(
            "5 MB HTML page, a change and its draft",
            [&] {
                n.editor()->moveCursor(QTextCursor::End);
                n.editor()->insertPlainText(QStringLiteral("!"));
                typed = true;
            },
            [&] { return typed; });
        n.set_draft_delay(3000);
        prompts.discard_next = true;
    }
    open("16 MB HTML page, the notebook window", QStringLiteral("html16"));
    open("12-megapixel picture page, the notebook window", QStringLiteral("picture"));
    n.text_switch()->setChecked(true);
    wait_ms(300);
    open("5 MB plain-text page, the notebook window", QStringLiteral("plain5"));
    return 0;
}
