#pragma once
// sync_state: sync.ini — the account and this folder's machine name — and
// beside it sync_items.json: the uids of date notes, and for every item
// what the last sync agreed with the server (its resource, ETag and the
// content both sides had then). The items are kept in memory and written
// in one piece, only when they changed.

#include <QDate>
#include <QHash>
#include <QString>
#include <memory>

class QSettings;

class sync_state
{
public:
    explicit sync_state(const QString &path);
    ~sync_state();
    sync_state(const sync_state &) = delete;
    sync_state &operator=(const sync_state &) = delete;

    QSettings &settings() { return *m_s; }
    const QSettings &settings() const { return *m_s; }
    // Made up and written on first use.
    QString machine();

    // A note's uid, made up (and kept) on first use.
    QString note_uid(QDate date, const QString &key);
    void set_note_uid(QDate date, const QString &key, const QString &uid);
    // "dd.MM.yyyy/key" of the note with `uid`, or empty.
    QString note_of(const QString &uid);
    void forget_note(const QString &uid);

    struct item
    {
        QString href;
        QString etag;
        QByteArray content; // the item's text both sides had at the last sync
        bool exists() const { return !href.isEmpty(); }
    };
    item get(const QString &uid) const;
    void put(const QString &uid, const item &i);
    void remove(const QString &uid);
    QStringList uids() const;

    void flush();

private:
    void load();
    std::unique_ptr<QSettings> m_s;
    QString m_items_path;
    QHash<QString, QString> m_uid_of_note; // "dd.MM.yyyy/key" -> uid
    QHash<QString, QString> m_note_of_uid;
    QHash<QString, item> m_items;
    bool m_dirty = false;
};
