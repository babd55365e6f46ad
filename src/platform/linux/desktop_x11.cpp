#include "platform/desktop.h"

#include "common/log.h"

#include <QGuiApplication>
#include <QWidget>

namespace desktop {

bool is_x11()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

void pin_to_desktop(QWidget *window)
{
    if (!is_x11()) {
        static bool said = false;
        if (!said) {
            said = true;
            qCInfo(lc_platform) << "not an X11 session: the clock is not pinned to the desktop";
        }
        return;
    }
    // Below other windows, on every workspace, out of the task bar.
    window->setWindowFlag(Qt::WindowStaysOnBottomHint, true);
}

} // namespace desktop
