#pragma once
// desktop_notifier: reminders in the desktop's notification centre
// (freedesktop notifications over the session bus), beside the sticker.
// Where no notification server answers, notify() does nothing and says so
// once in the log. Asynchronous: nothing here waits for the server.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

class QImage;

class desktop_notifier : public QObject
{
    Q_OBJECT
public:
    explicit desktop_notifier(QObject *parent = nullptr);

    // Shows a notification; `token` names it in the signals. With
    // `actions`, buttons "Отложить на 10 минут" and "Закрыть" where the
    // server shows buttons.
    void notify(const QString &token, const QString &title, const QString &text, bool actions);
    void close(const QString &token);
    // The picture sent with each notification (servers that do not find
    // the program's icon by name show this one).
    void set_icon(const QImage &icon);
    // What the server can do ("actions", "body", ...); empty until it answered.
    QStringList capabilities() const { return m_caps; }
    bool available() const { return m_available; }

signals:
    void snooze_requested(const QString &token);
    void close_requested(const QString &token);
    // The server took the notification away: `by_user` when the user
    // dismissed it, not when it expired.
    void closed(const QString &token, bool by_user);

private slots:
    void on_action(uint id, const QString &action);
    void on_closed(uint id, uint reason);

private:
    struct pending
    {
        QString token, title, text;
        bool actions = false;
    };
    void ask_capabilities();
    void say_unavailable(const QString &why);
    void send(const pending &p);

    QStringList m_caps;
    // Until the server said what it can do, notifications wait here, so the
    // first one after start already gets its buttons.
    bool m_caps_known = false;
    QList<pending> m_waiting;
    bool m_available = true;
    bool m_said_unavailable = false;
    QHash<uint, QString> m_token_of;
    QHash<QString, uint> m_id_of;
    QSet<QString> m_sent;    // sent, the server's id for them not back yet
    QSet<QString> m_closing; // of those, closed by us meanwhile
    // As the protocol's image-data hint wants it: RGBA rows.
    int m_icon_width = 0, m_icon_height = 0;
    QByteArray m_icon_rgba;
};
