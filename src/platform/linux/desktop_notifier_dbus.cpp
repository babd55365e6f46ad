#include "platform/desktop_notifier.h"

#include "common/log.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QImage>
#include <QVariantMap>

#include <algorithm>
#include <utility>

namespace {

const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");
const QString interface = QStringLiteral("org.freedesktop.Notifications");

// The image-data hint: (iiibiiay) width, height, row stride, alpha,
// bits per sample, channels, bytes.
struct notification_image
{
    int width = 0, height = 0;
    QByteArray rgba;
};

QDBusArgument &operator<<(QDBusArgument &a, const notification_image &i)
{
    a.beginStructure();
    a << i.width << i.height << i.width * 4 << true << 8 << 4 << i.rgba;
    a.endStructure();
    return a;
}

const QDBusArgument &operator>>(const QDBusArgument &a, notification_image &i)
{
    int stride = 0, bits = 0, channels = 0;
    bool alpha = false;
    a.beginStructure();
    a >> i.width >> i.height >> stride >> alpha >> bits >> channels >> i.rgba;
    a.endStructure();
    return a;
}

QDBusMessage call(const QString &method)
{
    return QDBusMessage::createMethodCall(service, path, interface, method);
}

} // namespace

Q_DECLARE_METATYPE(notification_image)

desktop_notifier::desktop_notifier(QObject *parent) : QObject(parent)
{
    qDBusRegisterMetaType<notification_image>();
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
    if (!m_icon_rgba.isEmpty())
        hints.insert(QStringLiteral("image-data"),
                     QVariant::fromValue(notification_image{m_icon_width, m_icon_height, m_icon_rgba}));
    QDBusMessage m = call(QStringLiteral("Notify"));
    m << QStringLiteral("Orvella") << uint(0) << QStringLiteral("orvella") << p.title << p.text << buttons << hints
      << int(-1);
    m_sent.insert(token);
    auto *w = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(m), this);
    connect(w, &QDBusPendingCallWatcher::finished, this, [this, w, token] {
        w->deleteLater();
        m_sent.remove(token);
        const bool closed = m_closing.remove(token);
        QDBusPendingReply<uint> r = *w;
        if (r.isError()) {
            say_unavailable(r.error().message());
            return;
        }
        m_available = true;
        const uint id = r.value();
        if (closed) {
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

void desktop_notifier::set_icon(const QImage &icon)
{
    if (icon.isNull()) {
        m_icon_rgba.clear();
        return;
    }
    const QImage rgba =
        icon.scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGBA8888);
    m_icon_width = rgba.width();
    m_icon_height = rgba.height();
    m_icon_rgba.clear();
    for (int y = 0; y < rgba.height(); ++y)
        m_icon_rgba.append(reinterpret_cast<const char *>(rgba.constScanLine(y)), rgba.width() * 4);
}

void desktop_notifier::close(const QString &token)
{
    const auto it = m_id_of.constFind(token);
    if (it == m_id_of.cend()) {
        const auto waiting =
            std::find_if(m_waiting.begin(), m_waiting.end(), [&token](const pending &p) { return p.token == token; });
        if (waiting != m_waiting.end())
            m_waiting.erase(waiting); // never sent
        else if (m_sent.contains(token))
            m_closing.insert(token); // its id not back yet
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
