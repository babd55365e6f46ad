#pragma once
// sync_engine: one two-way sync of the local events and date notes with a
// CalDAV calendar. It asks the server what changed (a sync token where the
// server keeps them, else the whole listing), fetches only resources whose
// ETag moved, and decides per item against what both sides agreed last
// time:
//  - changed on one side only: that side wins, field by field;
//  - changed on both: fields changed on one side win; where both changed the
//    same field, the side modified later wins and the other version is kept
//    as a visible copy ("(конфликт) ...") — nothing is dropped;
//  - the later firing or showing of a reminder always wins;
//  - deleted on one side and unchanged on the other: deleted on both;
//    deleted on one side and changed on the other: the change survives.
// Writes go with If-Match, so an item changed on the server meanwhile is
// never overwritten; it is taken up at the next sync. Everything is
// asynchronous; the GUI thread only merges.

#include "sync/caldav_client.h"
#include "sync/sync_item.h"

#include <QElapsedTimer>
#include <QHash>
#include <QMetaType>
#include <QObject>
#include <QSet>
#include <functional>

class local_calendar;

struct sync_result
{
    bool ok = false;
    bool unreachable = false;
    QString error;
    int pulled = 0, pushed = 0, deleted_here = 0, deleted_there = 0, conflicts = 0, failed = 0;
    qint64 ms = 0;
    QString summary() const;
};
Q_DECLARE_METATYPE(sync_result)

class sync_engine : public QObject
{
    Q_OBJECT
public:
    sync_engine(local_calendar &local, caldav_client &client, QObject *parent = nullptr);

    void set_collection(const QUrl &collection, bool journals);
    QUrl collection() const { return m_collection; }
    // When each kind of item was last changed here (the store file's time).
    void set_local_modified(std::function<QDateTime(sync_item::kind)> f) { m_local_modified = std::move(f); }
    bool running() const { return m_running; }
    // Starts a sync; `finished` follows. Ignored while one runs.
    void run();

signals:
    void finished(const sync_result &r);

private:
    struct remote
    {
        sync_item item;
        QString href, etag;
        QByteArray text;
        QDateTime modified;
    };

    void on_changes(const dav_status &st, const dav_delta &d);
    void fetch_batch();
    void merge_all();
    void decide_slice();
    void decide(const QString &uid, const std::optional<sync_item> &here);
    void push(const sync_item &item, const QString &href, const QString &etag, const QDateTime &stamp);
    void drop_remote(const QString &uid, const QString &href, const QString &etag);
    void apply_here(const sync_item &item);
    void request_done(bool ok);
    // Writes wait in line: a few at a time, so none times out queued.
    void enqueue(std::function<void()> request);
    void next_request();
    void write_done(bool ok);
    void finish();
    std::optional<sync_item> base_of(const QString &uid, const QByteArray &content);
    QString href_for(const QString &uid) const;
    ical_mapping::options options(const QDateTime &stamp) const;
    QDateTime local_modified(sync_item::kind k) const;

    local_calendar &m_local;
    caldav_client &m_client;
    QUrl m_collection;
    bool m_journals = true;
    std::function<QDateTime(sync_item::kind)> m_local_modified;

    bool m_running = false;
    sync_result m_result;
    QElapsedTimer m_clock;
    QString m_token;
    QHash<QString, QString> m_remote_etag; // href -> etag, what the server holds now
    QHash<QString, QString> m_uid_of_href; // from the state
    QStringList m_to_fetch;
    QHash<QString, remote> m_fetched; // by uid
    QHash<QString, sync_item> m_mine;  // the local items, by uid
    QStringList m_undecided;
    int m_pending = 0;
    QList<std::function<void()>> m_queue;
    int m_in_flight = 0;
    bool m_logged_failure = false;
    // Parsed bases, by uid, with the text they came from.
    QHash<QString, std::pair<QByteArray, sync_item>> m_base_cache;
};
