#pragma once
// reminder_mirror: shows each reminder sticker in the desktop's
// notification centre too, while the user wants it. The two are one
// reminder: closing either closes the other (and with the sticker the
// sound stops); "Отложить на 10 минут" there puts the sticker off.

#include <QHash>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

class desktop_notifier;
class my_stiker;

class reminder_mirror : public QObject
{
    Q_OBJECT
public:
    using notifier_factory = std::function<std::unique_ptr<desktop_notifier>()>;
    // `wanted` is asked at each reminder (the option can change at any
    // time); the notifier is made on first use, so a user who never wants
    // notifications never talks to the session bus.
    reminder_mirror(std::function<bool()> wanted, notifier_factory make);
    // The real notifier on the session bus.
    explicit reminder_mirror(std::function<bool()> wanted);
    ~reminder_mirror() override;

    void mirror(my_stiker *s, const QString &text);
    static constexpr int put_off_minutes = 10;
    static QString title() { return QStringLiteral("Вам напоминание..."); }

    desktop_notifier *notifier() const { return m_notifier.get(); }

private:
    void forget(const QString &token);
    my_stiker *stiker(const QString &token) const;

    std::function<bool()> m_wanted;
    notifier_factory m_make;
    std::unique_ptr<desktop_notifier> m_notifier;
    QHash<QString, QPointer<my_stiker>> m_stikers;
    quint64 m_next = 0;
};
