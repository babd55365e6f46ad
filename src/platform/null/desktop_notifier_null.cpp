#include "platform/desktop_notifier.h"

desktop_notifier::desktop_notifier(QObject *parent) : QObject(parent)
{
    m_available = false;
}

void desktop_notifier::notify(const QString &, const QString &, const QString &, bool) {}
void desktop_notifier::close(const QString &) {}
void desktop_notifier::set_icon(const QImage &) {}
void desktop_notifier::on_action(uint, const QString &) {}
void desktop_notifier::on_closed(uint, uint) {}
void desktop_notifier::ask_capabilities() {}
void desktop_notifier::say_unavailable(const QString &) {}
