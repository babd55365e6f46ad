#include "scheduler/reminder_mirror.h"

#include "common/log.h"
#include "platform/desktop_notifier.h"
#include "scheduler/my_stiker.h"

reminder_mirror::reminder_mirror(std::function<bool()> wanted, notifier_factory make)
    : m_wanted(std::move(wanted)), m_make(std::move(make))
{}

reminder_mirror::reminder_mirror(std::function<bool()> wanted)
    : reminder_mirror(std::move(wanted), [] { return std::make_unique<desktop_notifier>(); })
{}

reminder_mirror::~reminder_mirror() = default;

void reminder_mirror::mirror(my_stiker *s, const QString &text)
{
    if (!s || !m_wanted || !m_wanted())
        return;
    if (!m_notifier) {
        m_notifier = m_make();
        if (!m_notifier)
            return;
        connect(m_notifier.get(), &desktop_notifier::snooze_requested, this, [this](const QString &token) {
            if (my_stiker *st = stiker(token))
                st->put_off(put_off_minutes);
        });
        connect(m_notifier.get(), &desktop_notifier::close_requested, this, [this](const QString &token) {
            if (my_stiker *st = stiker(token))
                st->close();
        });
        connect(m_notifier.get(), &desktop_notifier::closed, this, [this](const QString &token, bool by_user) {
            // Gone from the notification centre by itself (expired): the
            // sticker stays, as a reminder is not dismissed by a timer.
            QPointer<my_stiker> st = m_stikers.take(token);
            if (by_user && st)
                st->close();
        });
    }
    const QString token = QString::number(++m_next);
    m_stikers.insert(token, s);
    connect(s, &QObject::destroyed, this, [this, token] { forget(token); });
    // Buttons only where the sticker can be put off too.
    m_notifier->notify(token, title(), text, s->snoozable());
    qCDebug(lc_scheduler) << "reminder also sent to the notification centre as" << token;
}

my_stiker *reminder_mirror::stiker(const QString &token) const
{
    return m_stikers.value(token).data();
}

void reminder_mirror::forget(const QString &token)
{
    if (m_stikers.remove(token) && m_notifier)
        m_notifier->close(token);
}
