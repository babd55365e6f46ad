#include "platform/desktop.h"

#include "common/log.h"

namespace desktop {

void pin_to_desktop(QWidget *)
{
    static bool said = false;
    if (!said) {
        said = true;
        qCInfo(lc_platform) << "desktop pinning is not available on this platform";
    }
}

bool is_x11()
{
    return false;
}

} // namespace desktop
