// Figures of the calendar over real files in a temporary data folder:
//   - the notes overview fill with 10 000 notes over 12 months;
//   - the reminder check with 1000 notes on today, reading them all, and
//     again when nothing changed since the last check;
//   - the overview fill and the note editor with a 1 000 000-character note;
//   - the calendar window's first show (construction to first paint).
// Usage: bench_calendar [runs]   (offscreen unless QT_QPA_PLATFORM says otherwise)

#include "calendar/add_note.h"
#include "calendar/calendar_module.h"
#include "calendar/my_calendar.h"
#include "calendar/my_monitor.h"
#include "calendar/note_reminders.h"
#include "calendar/notes_store.h"
#include "common/time_source.h"
#include "storage/ini_format.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPaintEvent>
#include <QStringEncoder>
#include <QTableWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const QDateTime now(QDate(2026, 3, 5), QTime(12, 0, 30));

void write(const QString &path, const QString &text)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    QStringEncoder enc("windows-1251");
    f.write(enc.encode(text));
}

// `per_day` notes on each of `days` days ending today, a tenth of them timed.
QString notes(int days, int per_day)
{
    QString ini;
    for (int d = 0; d < days; ++d) {
        const QDate day = now.date().addDays(-d);
        ini += '[' + day.toString("dd.MM.yyyy") + "]\n";
        for (int i = 0; i < per_day; ++i) {
            const int n = d * per_day + i;
            ini += QString::number(1700000000 + n) + "=\"Заметка номер " + QString::number(n) + ", с текстом\"";
            // Timed notes already shown, the rest untimed: the check reads them all.
            ini += n % 10 == 0 ? ", 2, 09:00, 05:03:2026:09:00, 1\n" : ", 0, 00:00\n";
        }
        ini += '\n';
    }
    return ini;
}

struct stats
{
    std::vector<double> ms;
    void print(const char *what) const
    {
        std::vector<double> s = ms;
        std::sort(s.begin(), s.end());
        std::printf("%-48s median %8.3f ms   min %8.3f   max %8.3f   (%zu runs)\n", what, s[s.size() / 2], s.front(),
                    s.back(), s.size());
    }
};

double elapsed_ms(const QElapsedTimer &t)
{
    return t.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 20;
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    const QString data = home.path() + "/Orvella";
    QDir().mkpath(data);
    ini_format::format();
    manual_time_source clock(now);

    {
        // 10 000 notes over 365 days (about 27 a day), the overview showing 12 months.
        write(data + "/my_notes.ini", notes(365, 28));
        write(data + "/clock.ini", "[MONITOR]\nupdate_value=-12\nstart_mon_date=05.03.2026\n");
        notes_store store(data + "/my_notes.ini", clock);
        my_monitor m(store, clock);
        stats s;
        for (int i = 0; i < runs; ++i) {
            QElapsedTimer t;
            t.start();
            m.fill();
            s.ms.push_back(elapsed_ms(t));
        }
        std::printf("overview rows: %d\n", m.table()->rowCount());
        s.print("overview fill, 12 months");
        stats idle;
        for (int i = 0; i < runs; ++i) {
            QElapsedTimer t;
            t.start();
            store.reload_if_changed_on_disk();
            m.refill_if_stale();
            idle.ms.push_back(elapsed_ms(t));
        }
        idle.print("periodic refresh, nothing changed");
    }
    {
        write(data + "/my_notes.ini", notes(1, 1000));
        notes_store store(data + "/my_notes.ini", clock);
        stats full, unchanged;
        for (int i = 0; i < runs * 5; ++i) {
            // Forget what the last check found, so this one reads every note.
            store.hint() = {};
            QElapsedTimer t;
            t.start();
            const QStringList fired = note_reminders::check(store, now);
            full.ms.push_back(elapsed_ms(t));
            if (!fired.isEmpty())
                qFatal("nothing should fire");
            t.start();
            note_reminders::check(store, now.addSecs(5));
            unchanged.ms.push_back(elapsed_ms(t));
        }
        full.print("reminder check, 1000 notes today, all read");
        unchanged.print("reminder check, nothing changed since the last");
    }
    {
        // One note of a million characters among ordinary ones.
        QString ini = notes(30, 3);
        ini += "[06.03.2026]\n1700009999=\"" + QString(1000000, QChar(u'ж')) + "\", 0, 00:00\n";
        write(data + "/my_notes.ini", ini);
        write(data + "/clock.ini", "[MONITOR]\nupdate_value=0\n");
        notes_store store(data + "/my_notes.ini", clock);
        my_monitor m(store, clock);
        stats fill;
        for (int i = 0; i < std::max(3, runs / 4); ++i) {
            QElapsedTimer t;
            t.start();
            m.fill();
            fill.ms.push_back(elapsed_ms(t));
        }
        fill.print("overview fill with a 1 000 000-character note");
        addNote editor;
        const QStringList r = store.read(QDate(2026, 3, 6), "1700009999");
        stats edit;
        for (int i = 0; i < 3; ++i) {
            QElapsedTimer t;
            t.start();
            editor.prepare("06.03.2026", "Текст заметки:", r.value(0), false, QTime(0, 0));
            editor.show();
            QCoreApplication::processEvents();
            edit.ms.push_back(elapsed_ms(t));
            editor.hide();
        }
        edit.print("note editor opened on that note");
    }
    {
        QFile::remove(data + "/my_notes.ini");
        write(data + "/my_notes.ini", notes(60, 3));
        // The calendar as installed: its settings, skins and grip picture.
        const QString shipped = QStringLiteral(ORVELLA_SHIPPED_DATA);
        QDir().mkpath(data + "/Calendar_skins");
        QDir().mkpath(data + "/Skins");
        QFile::copy(shipped + "/calendar.ini", data + "/calendar.ini");
        QFile::copy(shipped + "/Skins/resize.png", data + "/Skins/resize.png");
        for (const QString &f : QDir(shipped + "/Calendar_skins").entryList(QDir::Files))
            QFile::copy(shipped + "/Calendar_skins/" + f, data + "/Calendar_skins/" + f);
        stats s;
        for (int i = 0; i < std::max(3, runs / 4); ++i) {
            QElapsedTimer t;
            t.start();
            my_calendar *c = calendar_module::create(clock, nullptr);
            c->show();
            bool painted = false;
            struct probe : QObject
            {
                bool *flag;
                bool eventFilter(QObject *, QEvent *e) override
                {
                    if (e->type() == QEvent::Paint)
                        *flag = true;
                    return false;
                }
            } p;
            p.flag = &painted;
            c->installEventFilter(&p);
            while (!painted && t.elapsed() < 5000)
                QCoreApplication::processEvents();
            s.ms.push_back(elapsed_ms(t));
            c->removeEventFilter(&p);
            delete c;
        }
        s.print("calendar first show (create to first paint)");
    }
    return 0;
}
