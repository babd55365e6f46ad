// Figures for the settings dialog, on a private data folder copied from the
// shipped app_data:
//  1. with N events in alarm.ini (default 1000): building the dialog with its
//     scheduler page, and show() to the first paint of the dialog;
//  2. a point of the background gradient dragged across the red strip at the
//     pointer's pace (one move every 8 ms) while the clock shows the flip
//     face: time per move until everything it caused is painted, paints of
//     the clock per move, and clock.ini writes.
// Usage (under X): bench_settings_dialog [app_data folder] [events] [moves]
#include "storage/data_folder.h"
#include "storage/folder_copy.h"
#include "storage/ini_format.h"
#include "app/app_composition.h"
#include "clock/clock_window.h"
#include "common/time_source.h"
#include "gradients/gradient_editor.h"
#include "gradients/shade_widget.h"
#include "settings/alarm_setup.h"
#include "settings/gradient_writer.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>

namespace {

class paint_counter : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint) {
            ++paints;
            if (!first.isValid())
                first.start();
        }
        return false;
    }
    int paints = 0;
    QElapsedTimer first;
};

void write_events(const QString &file, int n)
{
    QString text;
    for (int i = 0; i < n; ++i)
        text += QString("[%1]\nname=Событие номер %2\ntime=%3:%4\ndate=14.03.2026\nrepeat=%5\n"
                        "alarmmessage=Напоминание %2\nday_1=true\ndisable=%6\nrepeat_min=5\n")
                    .arg(1700000000 + i)
                    .arg(i)
                    .arg(i % 24, 2, 10, QChar('0'))
                    .arg(i % 60, 2, 10, QChar('0'))
                    .arg(i % 4)
                    .arg(i % 7 == 0 ? "true" : "false");
    QFile f(file);
    f.open(QIODevice::WriteOnly);
    f.write(ini_format::encode(text));
}

void send(QWidget *w, QEvent::Type t, QPoint at, Qt::MouseButtons held)
{
    QMouseEvent e(t, QPointF(at), QPointF(w->mapToGlobal(at)), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString app_data = argc > 1 ? QString::fromLocal8Bit(argv[1]) : qEnvironmentVariable("ORVELLA_APP_DATA");
    const int events = argc > 2 ? atoi(argv[2]) : 1000;
    const int moves = argc > 3 ? atoi(argv[3]) : 250;

    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    if (folder_copy::copy(nullptr, app_data, data_folder::path()).copied == 0) {
        std::fprintf(stderr, "cannot copy %s\n", qPrintable(app_data));
        return 1;
    }
    write_events(data_folder::file("//alarm.ini"), events);
    {
        auto ini = ini_format::open(data_folder::file("//clock.ini"));
        ini->setValue("TYPE/clock", "flip");
    }

    system_time_source now;
    QElapsedTimer t;
    t.start();
    auto *program = new app_composition(now);
    orvella *clock = program->clock_window();
    const double build_ms = t.nsecsElapsed() / 1e6;
    clock->show();
    QApplication::processEvents();
    alarm_setup *dialog = program->settings_dialog();

    paint_counter dialog_paints;
    dialog->installEventFilter(&dialog_paints);
    t.restart();
    dialog->show();
    while (!dialog_paints.paints && t.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    const double open_ms = t.nsecsElapsed() / 1e6;
    std::printf("events in alarm.ini:                     %d\n", events);
    std::printf("clock window with dialog and page built: %.1f ms\n", build_ms);
    std::printf("dialog show() to its first paint:        %.1f ms\n", open_ms);

    // Drag on the flip page's red strip.
    dialog->findChild<QRadioButton *>("radioButton_3")->click();
    dialog->findChild<QRadioButton *>("radioButton_4")->click();
    QApplication::processEvents();
    auto *editor = dialog->findChild<GradientEditor *>("gradientEditor");
    ShadeWidget *strip = editor->redShade();
    auto *writer = dialog->findChild<gradient_writer *>();
    const int writes_before = writer->writes();
    paint_counter clock_paints;
    clock->installEventFilter(&clock_paints);

    const QPoint start(strip->width() / 2, strip->height() / 2);
    send(strip, QEvent::MouseButtonPress, start, Qt::LeftButton); // inserts a point and holds it
    QList<double> frame_ms;
    QElapsedTimer frame;
    for (int i = 0; i < moves; ++i) {
        const int x = 2 + (i * 3) % (strip->width() - 4);
        const int y = 2 + (i * 7) % (strip->height() - 4);
        frame.start();
        send(strip, QEvent::MouseMove, QPoint(x, y), Qt::LeftButton);
        QApplication::processEvents(); // the repaints the move brought
        frame_ms << frame.nsecsElapsed() / 1e6;
        const qint64 left = 8 - frame.elapsed();
        if (left > 0)
            QThread::msleep(left);
    }
    send(strip, QEvent::MouseButtonRelease, QPoint(10, 10), Qt::NoButton);
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 300)
        QApplication::processEvents(QEventLoop::AllEvents, 10);

    std::sort(frame_ms.begin(), frame_ms.end());
    double sum = 0;
    for (double v : frame_ms)
        sum += v;
    std::printf("gradient drag, %d moves at 8 ms:\n", moves);
    std::printf("  time per move until painted: mean %.2f ms, median %.2f, p95 %.2f, max %.2f\n", sum / frame_ms.size(),
                frame_ms.at(frame_ms.size() / 2), frame_ms.at(frame_ms.size() * 95 / 100), frame_ms.last());
    std::printf("  clock paints: %d (%.2f per move)\n", clock_paints.paints, double(clock_paints.paints) / moves);
    std::printf("  clock.ini writes: %d\n", writer->writes() - writes_before);
    delete program;
    return 0;
}
