#include "sync/sync_engine.h"

#include "common/log.h"
#include "storage/sync_keys.h"
#include "sync/local_calendar.h"
#include "sync/sync_state.h"

#include <QSettings>
#include <QTimer>

namespace {
// Resources asked for in one calendar-multiget.
constexpr int fetch_batch_size = 50;
// Writes sent at once.
constexpr int writes_in_flight = 4;
// Items decided between two turns of the event loop.
constexpr int decisions_per_slice = 25;
} // namespace

QString sync_result::summary() const
{
    if (!ok)
        return error;
    QString s = QStringLiteral("получено %1, отправлено %2").arg(pulled).arg(pushed);
    if (deleted_here || deleted_there)
        s += QStringLiteral(", удалено здесь %1, на сервере %2").arg(deleted_here).arg(deleted_there);
    if (conflicts)
        s += QStringLiteral(", конфликтов %1 (копии сохранены)").arg(conflicts);
    if (failed)
        s += QStringLiteral(", не удалось %1 (повтор при следующей синхронизации)").arg(failed);
    return s;
}

sync_engine::sync_engine(local_calendar &local, caldav_client &client, QObject *parent)
    : QObject(parent), m_local(local), m_client(client)
{
}

void sync_engine::set_collection(const QUrl &collection, bool journals)
{
    if (collection != m_collection)
        m_base_cache.clear();
    m_collection = collection;
    m_journals = journals;
}

ical_mapping::options sync_engine::options(const QDateTime &stamp) const
{
    ical_mapping::options o;
    o.journals = m_journals;
    o.stamp = stamp;
    return o;
}

QDateTime sync_engine::local_modified(sync_item::kind k) const
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (!m_local_modified)
        return now;
    const QDateTime t = m_local_modified(k);
    return t.isValid() && t < now ? t.toUTC() : now;
}

void sync_engine::run()
{
    if (m_running)
        return;
    m_running = true;
    m_result = {};
    m_clock.start();
    m_remote_etag.clear();
    m_uid_of_href.clear();
    m_to_fetch.clear();
    m_fetched.clear();
    m_pending = 0;
    m_queue.clear();
    m_in_flight = 0;
    m_logged_failure = false;
    sync_state &state = m_local.state();
    for (const QString &uid : state.uids()) {
        const sync_state::item i = state.get(uid);
        if (i.exists())
            m_uid_of_href.insert(i.href, uid);
    }
    const QString token = state.settings().value(sync_keys::sync_token.path()).toString();
    m_client.changes(m_collection, token, [this](dav_status st, dav_delta d) { on_changes(st, d); });
}

void sync_engine::on_changes(const dav_status &st, const dav_delta &d)
{
    if (!st.ok()) {
        m_result.error = QStringLiteral("Синхронизация не удалась: %1").arg(st.error);
        m_result.unreachable = st.unreachable();
        finish();
        return;
    }
    sync_state &state = m_local.state();
    m_token = d.token;
    if (!d.full)
        for (auto it = m_uid_of_href.cbegin(); it != m_uid_of_href.cend(); ++it)
            m_remote_etag.insert(it.key(), state.get(it.value()).etag);
    for (const QString &h : d.removed)
        m_remote_etag.remove(h);
    for (const dav_resource &r : d.changed) {
        m_remote_etag.insert(r.href, r.etag);
        const QString uid = m_uid_of_href.value(r.href);
        if (uid.isEmpty() || state.get(uid).etag != r.etag || r.etag.isEmpty())
            m_to_fetch << r.href;
    }
    fetch_batch();
}

void sync_engine::fetch_batch()
{
    if (m_to_fetch.isEmpty()) {
        merge_all();
        return;
    }
    const QStringList batch = m_to_fetch.mid(0, fetch_batch_size);
    m_to_fetch = m_to_fetch.mid(batch.size());
    m_client.fetch(m_collection, batch, [this](dav_status st, QList<dav_resource> got) {
        if (!st.ok()) {
            m_result.error = QStringLiteral("Синхронизация не удалась: %1").arg(st.error);
            m_result.unreachable = st.unreachable();
            finish();
            return;
        }
        for (const dav_resource &r : got) {
            QDateTime modified;
            const std::optional<sync_item> item = sync_item::parse(r.data, &modified);
            if (!item) {
                qCWarning(lc_app) << "sync: a resource we cannot read is left alone:" << r.href;
                continue;
            }
            m_fetched.insert(item->uid(), {*item, r.href, r.etag.isEmpty() ? m_remote_etag.value(r.href) : r.etag,
                                           r.data, modified});
        }
        fetch_batch();
    });
}

std::optional<sync_item> sync_engine::base_of(const QString &uid, const QByteArray &content)
{
    if (content.isEmpty())
        return std::nullopt;
    auto it = m_base_cache.constFind(uid);
    if (it != m_base_cache.cend() && it->first == content)
        return it->second;
    const std::optional<sync_item> parsed = sync_item::parse(content);
    if (parsed)
        m_base_cache.insert(uid, {content, *parsed});
    return parsed;
}

QString sync_engine::href_for(const QString &uid) const
{
    QString path = m_collection.path();
    if (!path.endsWith(u'/'))
        path += u'/';
    QString safe;
    for (QChar c : uid)
        safe += (c.isLetterOrNumber() && c.unicode() < 128) || c == u'-' || c == u'_' ? c : u'_';
    return path + safe + QStringLiteral(".ics");
}

void sync_engine::merge_all()
{
    m_mine.clear();
    for (const event_record &e : m_local.events())
        if (sync_item::of(e).exportable()) // "after n minutes" is re-anchored at every start, never synced
            m_mine.insert(e.uid, sync_item::of(e));
    for (const note_record &n : m_local.notes())
        m_mine.insert(n.uid, sync_item::of(n));

    QSet<QString> uids(m_mine.keyBegin(), m_mine.keyEnd());
    for (const QString &u : m_local.state().uids())
        uids.insert(u);
    for (auto it = m_fetched.cbegin(); it != m_fetched.cend(); ++it)
        uids.insert(it.key());
    m_undecided = QStringList(uids.cbegin(), uids.cend());
    // Counted as one request until every decision is made.
    m_pending = 1;
    decide_slice();
}

void sync_engine::decide_slice()
{
    {
        local_calendar::batch together(m_local);
        for (int n = 0; n < decisions_per_slice && !m_undecided.isEmpty(); ++n) {
            const QString uid = m_undecided.takeLast();
            // Read afresh: the user may have changed it since the sync began.
            std::optional<sync_item> here;
            const auto it = m_mine.constFind(uid);
            if (it != m_mine.cend()) {
                if (it->what == sync_item::kind::event) {
                    if (const std::optional<event_record> e = m_local.event(uid))
                        here = sync_item::of(*e);
                } else if (const std::optional<note_record> n = m_local.note(uid)) {
                    here = sync_item::of(*n);
                }
            }
            decide(uid, here);
        }
    }
    if (!m_undecided.isEmpty()) {
        // Let the clock and the windows breathe between slices.
        QTimer::singleShot(0, this, &sync_engine::decide_slice);
        return;
    }
    m_mine.clear();
    request_done(true);
}

void sync_engine::decide(const QString &uid, const std::optional<sync_item> &here)
{
    sync_state &state = m_local.state();
    const sync_state::item kept = state.get(uid);
    const std::optional<sync_item> base = kept.exists() ? base_of(uid, kept.content) : std::nullopt;
    std::optional<sync_item> mine = here;
    // A firing acknowledged since the last sync (by this machine's claim)
    // is ours too: the later firing always stands.
    if (mine && base && base->what == mine->what && base->acknowledged().isValid() &&
        (!mine->acknowledged().isValid() || base->acknowledged() > mine->acknowledged())) {
        mine->set_acknowledged(base->acknowledged());
        apply_here(*mine);
    }
    const bool fetched = m_fetched.contains(uid);
    const bool on_server = fetched || (kept.exists() && m_remote_etag.contains(kept.href));
    const QDateTime now = QDateTime::currentDateTimeUtc();

    if (!on_server) {
        if (!mine)
            state.remove(uid); // gone on both sides
        else if (kept.exists() && base && mine->same_content(*base)) {
            m_local.remove(uid); // deleted there, unchanged here
            state.remove(uid);
            ++m_result.deleted_here;
        } else if (mine->exportable()) {
            // New here, or changed here while deleted there: it survives.
            push(*mine, kept.exists() ? kept.href : href_for(uid), QString(), local_modified(mine->what));
        }
        return;
    }

    const remote theirs = fetched ? m_fetched.value(uid)
                                  : remote{base ? *base : sync_item(), kept.href, kept.etag, kept.content, {}};
    if (!fetched && !base)
        return; // a resource we could not read last time either
    if (!mine) {
        if (!fetched) {
            drop_remote(uid, kept.href, kept.etag); // deleted here, unchanged there
        } else {
            apply_here(theirs.item); // changed there after we deleted it: it survives
            state.put(uid, {theirs.href, theirs.etag, theirs.text});
            ++m_result.pulled;
        }
        return;
    }
    if (mine->same_content(theirs.item)) {
        if (fetched)
            state.put(uid, {theirs.href, theirs.etag, theirs.text});
        return;
    }
    const sync_item &ancestor = base ? *base : *mine;
    const bool mine_changed = !ancestor.same_content(*mine) || !base;
    const bool theirs_changed = !ancestor.same_content(theirs.item);
    if (!theirs_changed && mine_changed && base) {
        push(*mine, theirs.href, theirs.etag, local_modified(mine->what));
        return;
    }
    if (!mine_changed || !base) {
        // Changed there only (or met for the first time: the server's copy
        // is taken, the later reminder firing kept).
        sync_item in = theirs.item;
        if (mine->acknowledged().isValid() &&
            (!in.acknowledged().isValid() || mine->acknowledged() > in.acknowledged()))
            in.set_acknowledged(mine->acknowledged());
        apply_here(in);
        ++m_result.pulled;
        if (in.same_content(theirs.item))
            state.put(uid, {theirs.href, theirs.etag, theirs.text});
        else
            push(in, theirs.href, theirs.etag, now);
        return;
    }
    const QDateTime mine_at = local_modified(mine->what);
    const bool mine_newer = !theirs.modified.isValid() || mine_at > theirs.modified;
    const sync_merge::result m = sync_merge::merge(ancestor, *mine, theirs.item, mine_newer);
    if (!m.merged.same_content(*mine)) {
        apply_here(m.merged);
        ++m_result.pulled;
    }
    if (m.conflict) {
        ++m_result.conflicts;
        const sync_item copy = (mine_newer ? theirs.item : *mine).conflict_copy(m_local.machine());
        qCInfo(lc_app).noquote() << "sync: both sides changed" << mine->label() << "- the other version kept as"
                                 << copy.label();
        apply_here(copy);
        push(copy, href_for(copy.uid()), QString(), now);
    }
    if (!m.merged.same_content(theirs.item))
        push(m.merged, theirs.href, theirs.etag, now);
    else
        state.put(uid, {theirs.href, theirs.etag, theirs.text});
}

void sync_engine::apply_here(const sync_item &item)
{
    if (item.what == sync_item::kind::event)
        m_local.apply(item.event, QDateTime::currentDateTime());
    else
        m_local.apply(item.note);
}

void sync_engine::push(const sync_item &item, const QString &href, const QString &etag, const QDateTime &stamp)
{
    const QByteArray text = item.text(options(stamp));
    if (text.isEmpty())
        return;
    ++m_pending;
    const QString uid = item.uid();
    enqueue([this, uid, href, text, etag] {
        m_client.put(href, text, etag, [this, uid, href, text](dav_status st, QString new_etag) {
            if (st.ok()) {
                m_local.state().put(uid, {href, new_etag, text});
                ++m_result.pushed;
            } else if (!m_logged_failure) {
                m_logged_failure = true;
                qCWarning(lc_app).noquote() << "sync: could not store" << href << "-" << st.error;
            }
            write_done(st.ok() || st.http == 412);
        });
    });
}

void sync_engine::drop_remote(const QString &uid, const QString &href, const QString &etag)
{
    ++m_pending;
    enqueue([this, uid, href, etag] {
        m_client.remove(href, etag, [this, uid](dav_status st) {
            if (st.ok() || st.http == 404) {
                m_local.state().remove(uid);
                ++m_result.deleted_there;
            }
            write_done(st.ok() || st.http == 404 || st.http == 412);
        });
    });
}

void sync_engine::enqueue(std::function<void()> request)
{
    m_queue << std::move(request);
    next_request();
}

void sync_engine::next_request()
{
    while (m_in_flight < writes_in_flight && !m_queue.isEmpty()) {
        ++m_in_flight;
        m_queue.takeFirst()();
    }
}

void sync_engine::write_done(bool ok)
{
    --m_in_flight;
    next_request();
    request_done(ok);
}

void sync_engine::request_done(bool ok)
{
    if (!ok)
        ++m_result.failed;
    if (--m_pending > 0)
        return;
    m_result.ok = true;
    // A token is kept only when everything went through, so what failed is
    // looked at again next time.
    if (m_result.failed == 0)
        m_local.state().settings().setValue(sync_keys::sync_token.path(), m_token);
    finish();
}

void sync_engine::finish()
{
    m_local.state().flush();
    m_result.ms = m_clock.elapsed();
    m_running = false;
    emit finished(m_result);
}
