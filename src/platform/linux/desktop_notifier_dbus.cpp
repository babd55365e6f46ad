#include "platform/desktop_notifier.h"

#include "common/log.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

#include <algorithm>
#include <utility>

namespace {

const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");
const QString interface = QStringLiteral("org.freedesktop.Notifications");

QDBusMessage call(const QString &method)
{
    return QDBusMessage::createMethodCall(service, path, interface, method);
}

} // namespace

desktop_notifier::desktop_notifier(QObject *parent) : QObject(parent)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        say_unavailable(QStringLiteral("no session bus"));
        return;
    }
    bus.connect(service, path, interface, QStringLiteral("ActionInvoked"), this, SLOT(on_action(uint, QString)));
    bus.connect(service, path, interface, QStringLiteral("NotificationClosed"), this, SLOT(on_closed(uint, uint)));
    ask_capabilities();
}

void desktop_notifier::say_unavailable(const QString &why)
{
    m_available = false;
    if (m_said_unavailable)
        return;
    m_said_unavailable = true;
    qCInfo(lc_platform).noquote() << "no desktop notifications:" << why << "- reminders show as stickers only";
}

void desktop_notifier::ask_capabilities()
{
    auto *w = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call("GetCapabilities")), this);
    connect(w, &QDBusPendingCallWatcher::finished, this, [this, w] {
        w->deleteLater();
        QDBusPendingReply<QStringList> r = *w;
        m_caps_known = true;
        const QList<pending> waiting = std::exchange(m_waiting, {});
        if (r.isError()) {
            say_unavailable(r.error().message());
            return;
        }
        m_available = true;
        m_caps = r.value();
        for (const pending &p : waiting)
            send(p);
    });
}

void desktop_notifier::notify(const QString &token, const QString &title, const QString &text, bool actions)
{
    if (!QDBusConnection::sessionBus().isConnected()) {
        say_unavailable(QStringLiteral("no session bus"));
        return;
    }
    const pending p{token, title, text, actions};
    if (!m_caps_known)
        m_waiting << p;
    else
        send(p);
}

void desktop_notifier::send(const pending &p)
{
    const QString token = p.token;
    QStringList buttons;
    if (p.actions && m_caps.contains(QStringLiteral("actions")))
        buttons = {QStringLiteral("snooze"), QStringLiteral("Отложить на 10 минут"), QStringLiteral("close"),
                   QStringLiteral("Закрыть")};
    QVariantMap hints;
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue<uchar>(2)); // critical: stays until dismissed
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("orvella"));
    QDBusMessage m = call(QStringLiteral("Notify"));
    m << QStringLiteral("Orvella") << uint(0) << QStringLiteral("orvella") << p.title << p.text << buttons << hints
      << int(-1);
    auto *w = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(m), this);
    connect(w, &QDBusPendingCallWatcher::finished, this, [this, w, token] {
        w->deleteLater();
        QDBusPendingReply<uint> r = *w;
        if (r.isError()) {
            say_unavailable(r.error().message());
            return;
        }
        m_available = true;
        const uint id = r.value();
        if (m_closing.take(token)) {
            // Closed before the server answered.
            QDBusMessage c = call(QStringLiteral("CloseNotification"));
            c << id;
            QDBusConnection::sessionBus().asyncCall(c);
            return;
        }
        m_token_of.insert(id, token);
        m_id_of.insert(token, id);
    });
}

void desktop_notifier::close(const QString &token)
{
    const auto it = m_id_of.constFind(token);
    if (it == m_id_of.cend()) {
        const auto waiting =
            std::find_if(m_waiting.begin(), m_waiting.end(), [&token](const pending &p) { return p.token == token; });
        if (waiting != m_waiting.end())
            m_waiting.erase(waiting); // never sent
        else
            m_closing.insert(token, true); // sent, its id not back yet
        return;
    }
    const uint id = *it;
    m_id_of.remove(token);
    m_token_of.remove(id);
    QDBusMessage c = call(QStringLiteral("CloseNotification"));
    c << id;
    QDBusConnection::sessionBus().asyncCall(c);
}

void desktop_notifier::on_action(uint id, const QString &action)
{
    const QString token = m_token_of.value(id);
    if (token.isEmpty())
        return;
    if (action == u"snooze")
        emit snooze_requested(token);
    else if (action == u"close")
        emit close_requested(token);
}

void desktop_notifier::on_closed(uint id, uint reason)
{
    const QString token = m_token_of.take(id);
    if (token.isEmpty())
        return;
    m_id_of.remove(token);
    constexpr uint dismissed_by_user = 2;
    emit closed(token, reason == dismissed_by_user);
}
