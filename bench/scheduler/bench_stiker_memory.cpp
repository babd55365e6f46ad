// Resident memory before and after opening and closing many stickers, and
// the time each takes, with a still skin, an animated skin (when ImageMagick
// can make one), none, and the shipped skin when its folder is given:
//   bench_stiker_memory [count] [app_data folder]

#include "common/time_source.h"
#include "scheduler/event_actions.h"
#include "scheduler/my_stiker.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextEdit>

#include <cstdio>
#include <malloc.h>

namespace {

long rss_kb()
{
    malloc_trim(0);
    QFile f("/proc/self/status");
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

void cycle(const QString &skin, int count)
{
    for (int i = 0; i < count; ++i) {
        auto *s = new my_stiker(nullptr, skin);
        s->set_text(QStringLiteral("Напоминание номер %1").arg(i));
        s->move(10 + i % 300, 10 + i % 200);
        s->show();
        QCoreApplication::processEvents();
        s->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? QByteArray(argv[1]).toInt() : 1000;
    QTemporaryDir dir;

    QImage img(220, 160, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    {
        QPainter p(&img);
        p.setBrush(QColor(250, 220, 60));
        p.drawRoundedRect(img.rect().adjusted(2, 2, -2, -2), 20, 20);
    }
    const QString still = dir.filePath("still.png");
    img.save(still);
    QString animated = dir.filePath("anim.gif");
    if (QStandardPaths::findExecutable("convert").isEmpty() ||
        QProcess::execute("convert", {"-size", "160x120", "xc:red", "xc:blue", "xc:green", "-set", "delay", "10",
                                      "-loop", "0", animated}) != 0)
        animated.clear();

    struct run
    {
        const char *name;
        QString skin;
    };
    const QString shipped = argc > 2 ? QString::fromLocal8Bit(argv[2]) + "/Skins/stiker.png" : QString();
    for (const run &r : {run{"no skin", dir.filePath("missing.png")}, run{"still skin", still},
                         run{"animated skin", animated}, run{"shipped skin", shipped}}) {
        if (r.skin.isEmpty()) {
            std::printf("%-14s skipped (no ImageMagick, or no app_data folder given)\n", r.name);
            continue;
        }
        cycle(r.skin, 50); // warm caches, fonts, style
        const long before = rss_kb();
        QElapsedTimer t;
        t.start();
        cycle(r.skin, count);
        const double ms = t.nsecsElapsed() / 1e6 / count;
        const long after = rss_kb();
        std::printf("%-14s %d stickers opened and closed: %.2f ms each; RSS %ld kB before, %ld kB after (%+ld kB)\n",
                    r.name, count, ms, before, after, after - before);
    }
    if (!shipped.isEmpty()) {
        // As reminders open them: the skin from the data folder, a random
        // place, a text of their own each.
        qputenv("XDG_DATA_HOME", dir.filePath("home").toLocal8Bit());
        QDir().mkpath(dir.filePath("home/Orvella/Skins"));
        QFile::copy(shipped, dir.filePath("home/Orvella/Skins/stiker.png"));
        manual_time_source clock(QDateTime(QDate(2026, 3, 2), QTime(8, 0, 2)));
        event_actions actions(nullptr, clock);
        const auto reminders = [&](int n) {
            for (int i = 0; i < n; i += 3) {
                clock.advance_secs(65);
                // A few at once, as events due together and a note open them.
                QList<my_stiker *> open;
                open << actions.open_stiker(QStringLiteral("week %1").arg(1772000000 + i))
                     << actions.open_stiker(QStringLiteral("week %1").arg(1772000001 + i))
                     << actions.open_stiker(QStringLiteral("ПРОПУЩЕННОЕ НАПОМИНАНИЕ !!!\nзаметка %1").arg(i));
                QCoreApplication::processEvents();
                for (my_stiker *s : open)
                    s->close();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                QCoreApplication::processEvents();
            }
        };
        reminders(50);
        const long before = rss_kb();
        QElapsedTimer t;
        t.start();
        reminders(count);
        const double ms = t.nsecsElapsed() / 1e6 / count;
        const long after = rss_kb();
        std::printf("%-14s %d stickers opened and closed: %.2f ms each; RSS %ld kB before, %ld kB after (%+ld kB)\n",
                    "as reminders", count, ms, before, after, after - before);
    }
    return 0;
}
