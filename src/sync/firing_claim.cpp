#include "sync/firing_claim.h"

#include "common/log.h"
#include "sync/caldav_client.h"
#include "sync/local_calendar.h"
#include "sync/sync_item.h"
#include "sync/sync_state.h"

void firing_claim::claim(const QString &uid, const QDateTime &minute, std::function<void(bool)> decide)
{
    const sync_state::item kept = m_enabled ? m_local.state().get(uid) : sync_state::item();
    if (!kept.exists()) {
        decide(true); // not on a server (yet)
        return;
    }
    attempt(uid, kept.href, minute.toUTC(), 2, std::move(decide));
}

void firing_claim::attempt(const QString &uid, const QString &href, const QDateTime &minute, int tries,
                           std::function<void(bool)> decide)
{
    m_client.get(href, [=, this](dav_status st, dav_resource r) {
        if (!st.ok()) {
            qCInfo(lc_app).noquote() << "firing" << uid << "without asking the server:" << st.error;
            decide(true);
            return;
        }
        QDateTime modified;
        std::optional<sync_item> item = sync_item::parse(r.data, &modified);
        if (!item) {
            decide(true);
            return;
        }
        if (item->acknowledged().isValid() && item->acknowledged() >= minute) {
            qCInfo(lc_app).noquote() << "event" << uid << "was fired on another machine at"
                                     << item->acknowledged().toString(Qt::ISODate);
            decide(false);
            return;
        }
        item->set_acknowledged(minute);
        ical_mapping::options o;
        o.journals = m_journals;
        o.stamp = QDateTime::currentDateTimeUtc();
        const QByteArray text = item->text(o);
        m_client.put(href, text, r.etag, [=, this](dav_status put, QString etag) {
            if (put.ok()) {
                m_local.state().put(uid, {href, etag, text});
                m_local.state().flush();
                m_local.acknowledge(uid, minute);
                decide(true);
            } else if (put.http == 412 && tries > 1) {
                attempt(uid, href, minute, tries - 1, decide); // another machine wrote first: look again
            } else {
                decide(put.http != 412);
            }
        });
    });
}
