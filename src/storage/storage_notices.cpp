#include "storage/storage_notices.h"

#include "common/log.h"
#include "common/user_prompts.h"

#include <QCoreApplication>
#include <QMutex>
#include <QPointer>
#include <QSet>
#include <QTimer>

namespace storage_notices {

namespace {

const QString title = QStringLiteral("Внимание!");

struct state
{
    QMutex lock;
    user_prompts *prompts = nullptr;
    QSet<QString> told;
};

state &the_state()
{
    static state s;
    return s;
}

} // namespace

void set_prompts(user_prompts *prompts)
{
    state &s = the_state();
    QMutexLocker l(&s.lock);
    s.prompts = prompts;
}

void tell_once(const QString &subject, const QString &text)
{
    state &s = the_state();
    {
        QMutexLocker l(&s.lock);
        if (s.told.contains(subject))
            return;
        s.told.insert(subject);
    }
    qCWarning(lc_settings).noquote() << text;
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return;
    // Queued: a box runs an event loop, which must not happen while the
    // settings library is inside a read or a write of its own.
    QTimer::singleShot(0, app, [text] {
        state &s = the_state();
        user_prompts *p = nullptr;
        {
            QMutexLocker l(&s.lock);
            p = s.prompts;
        }
        if (p)
            p->warning(nullptr, title, text);
    });
}

void forget(const QString &subject)
{
    state &s = the_state();
    QMutexLocker l(&s.lock);
    s.told.remove(subject);
}

void tell_now(const QString &text)
{
    qCWarning(lc_settings).noquote() << text;
    state &s = the_state();
    user_prompts *p = nullptr;
    {
        QMutexLocker l(&s.lock);
        p = s.prompts;
    }
    if (p)
        p->warning(nullptr, title, text);
}

} // namespace storage_notices
