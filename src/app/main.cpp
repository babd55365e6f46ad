// Entry point: application object, translation, single instance, the
// clock window, the event loop.
#include "app/app_composition.h"
#include "app/command_line.h"
#include "app/single_instance.h"
#include "app/window_commands.h"
#include "clock/clock_window.h"
#include "common/log.h"
#include "common/time_source.h"
#include "platform/stop_signals.h"
#include "storage/data_folder.h"
#include "storage/data_folder_check.h"
#include "storage/ini_format.h"

#include <QApplication>
#include <QDateTime>
#include <QSessionManager>
#include <QTimer>
#include <QTranslator>
#include <memory>

namespace {

// A desktop clock must place itself and stay on the desktop layer, which
// only X11 allows; on Wayland use XWayland when it is there.
void prefer_x11()
{
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return;
    if (qEnvironmentVariableIsSet("WAYLAND_DISPLAY") && qEnvironmentVariableIsSet("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
        qCInfo(lc_app) << "Wayland session: running through XWayland";
    }
}

// The clock repaints the same few digits every second. With shared-memory
// images the toolkit has to wait, before each paint, for the X server to
// finish reading the last one (a round trip to the server through the
// connection's reader thread, three thread wakeups), for a few hundred bytes
// of pixels; a card turn pays it at every frame. Copying the pixels over the
// socket costs less for a repaint this small, and is all the other windows
// need too. The toolkit reads the variable once, when it connects: it is
// taken away again right after, so that programs we start do not inherit it.
// Setting QT_XCB_NO_MITSHM yourself keeps it for them as well.
class no_shared_memory_images
{
public:
    no_shared_memory_images() : m_ours(!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
    {
        if (m_ours)
            qputenv("QT_XCB_NO_MITSHM", "1");
    }
    void connected()
    {
        if (m_ours)
            qunsetenv("QT_XCB_NO_MITSHM");
        m_ours = false;
    }

private:
    bool m_ours;
};

// Reports the wall-clock moment of the clock window's first paint, for the
// start-up benchmark.
class first_paint_probe : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Paint) {
            o->removeEventFilter(this);
            QTimer::singleShot(0, this,
                               [] { qCInfo(lc_startup) << "first paint at" << QDateTime::currentMSecsSinceEpoch(); });
        }
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    if (const std::optional<int> done = command_line::run(argc, argv))
        return *done;
    prefer_x11();
    no_shared_memory_images images;
    QApplication app(argc, argv);
    images.connected();
    ini_format::format();

    const QString folder = data_folder::path();
    // A first start fills the new folder from the installation before the
    // lock file goes into it.
    data_folder_check::create_if_absent(nullptr);

    single_instance instance(folder, single_instance::default_runtime_folder());
    switch (instance.start()) {
    case single_instance::outcome::first:
        break;
    case single_instance::outcome::handed_over:
        qCInfo(lc_app) << "Orvella already runs for" << folder << "- showing its clock";
        return 0;
    case single_instance::outcome::already_running:
        qCWarning(lc_app) << "Orvella already runs for" << folder << "(it holds" << instance.lock_path()
                          << ") but did not answer";
        return 0;
    }

    auto *translator = new QTranslator;
    if (translator->load(folder + "//" + "qt_ru.qm"))
        QCoreApplication::installTranslator(translator);
    QApplication::setQuitOnLastWindowClosed(false);

    system_time_source clock;
    auto windows = std::make_unique<app_composition>(clock);
    orvella *w = windows->clock_window();
    QObject::connect(&instance, &single_instance::show_requested, w, [w] {
        w->set_start_mode(0);
        w->show();
        w->raise();
    });
    // Logout and stop signals: keep what is unsaved, then (signals) leave.
    window_commands *commands = windows->commands();
    QObject::connect(&app, &QGuiApplication::commitDataRequest, commands,
                     [commands](QSessionManager &) { commands->keep_session(); });
    stop_signals stop;
    QObject::connect(&stop, &stop_signals::stop_requested, commands, &window_commands::end_session);
    first_paint_probe probe;
    if (lc_startup().isInfoEnabled())
        w->installEventFilter(&probe);
    w->show();
    const int rc = app.exec();
    windows.reset();
    delete translator;
    return rc;
}
