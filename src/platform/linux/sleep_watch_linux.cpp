#include "platform/sleep_watch.h"

#include "common/log.h"

#include <QDBusConnection>

// logind announces suspend and resume with PrepareForSleep(bool) on the
// system bus.
sleep_watch::sleep_watch(QObject *parent) : QObject(parent)
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        qCInfo(lc_platform) << "no system bus: wake-ups are noticed at the next scheduler tick";
        return;
    }
    m_active = bus.connect(QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
                           QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"), this,
                           SLOT(prepare_for_sleep(bool)));
}

void sleep_watch::prepare_for_sleep(bool sleeping)
{
    qCInfo(lc_platform) << (sleeping ? "the machine goes to sleep" : "the machine woke up");
    if (!sleeping)
        emit resumed();
}
