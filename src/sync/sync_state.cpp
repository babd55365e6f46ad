#include "sync/sync_state.h"

#include "common/log.h"
#include "storage/ini_format.h"
#include "storage/sync_keys.h"
#include "sync/sync_records.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QSettings>

namespace {

QString note_id(QDate date, const QString &key)
{
    return date.toString(QStringLiteral("dd.MM.yyyy")) + u'/' + key;
}

} // namespace

sync_state::sync_state(const QString &path)
    : m_s(ini_format::open(path)), m_items_path(QFileInfo(path).dir().filePath(QStringLiteral("sync_items.json")))
{
    load();
}

sync_state::~sync_state()
{
    flush();
}

void sync_state::load()
{
    QFile f(m_items_path);
    if (!f.exists() || !f.open(QIODevice::ReadOnly))
        return;
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(f.readAll(), &error);
    if (doc.isNull()) {
        // What was agreed with the server is only a shortcut: without it the
        // next sync compares every item by content. The note uids are kept
        // aside so they can be recovered by hand.
        qCWarning(lc_app).noquote() << "sync: unreadable" << m_items_path << "-" << error.errorString()
                                    << "- kept as .unreadable";
        QFile::remove(m_items_path + QStringLiteral(".unreadable"));
        QFile::copy(m_items_path, m_items_path + QStringLiteral(".unreadable"));
        return;
    }
    const QJsonObject ids = doc.object().value(QStringLiteral("ids")).toObject();
    for (auto it = ids.begin(); it != ids.end(); ++it) {
        m_note_of_uid.insert(it.key(), it.value().toString());
        m_uid_of_note.insert(it.value().toString(), it.key());
    }
    const QJsonObject items = doc.object().value(QStringLiteral("items")).toObject();
    for (auto it = items.begin(); it != items.end(); ++it) {
        const QJsonArray a = it.value().toArray();
        m_items.insert(it.key(), {a.at(0).toString(), a.at(1).toString(), a.at(2).toString().toUtf8()});
    }
}

QString sync_state::machine()
{
    typed_settings t(*m_s);
    QString id = t.get(sync_keys::machine);
    if (id.isEmpty()) {
        id = sync_records::new_uid(QString()).section(u'@', 0, 0).left(8);
        t.set(sync_keys::machine, id);
        m_s->sync();
    }
    return id;
}

QString sync_state::note_uid(QDate date, const QString &key)
{
    const QString id = note_id(date, key);
    const QString known = m_uid_of_note.value(id);
    if (!known.isEmpty())
        return known;
    const QString uid = sync_records::new_uid(machine());
    set_note_uid(date, key, uid);
    return uid;
}

void sync_state::set_note_uid(QDate date, const QString &key, const QString &uid)
{
    const QString id = note_id(date, key);
    const QString old = m_note_of_uid.value(uid);
    if (old == id)
        return;
    if (!old.isEmpty())
        m_uid_of_note.remove(old);
    m_uid_of_note.insert(id, uid);
    m_note_of_uid.insert(uid, id);
    m_dirty = true;
}

QString sync_state::note_of(const QString &uid)
{
    return m_note_of_uid.value(uid);
}

void sync_state::forget_note(const QString &uid)
{
    if (!m_note_of_uid.contains(uid))
        return;
    m_uid_of_note.remove(m_note_of_uid.take(uid));
    m_dirty = true;
}

sync_state::item sync_state::get(const QString &uid) const
{
    return m_items.value(uid);
}

void sync_state::put(const QString &uid, const item &i)
{
    m_items.insert(uid, i);
    m_dirty = true;
}

void sync_state::remove(const QString &uid)
{
    if (m_items.remove(uid))
        m_dirty = true;
}

QStringList sync_state::uids() const
{
    return m_items.keys();
}

void sync_state::flush()
{
    m_s->sync();
    if (!m_dirty)
        return;
    QJsonObject ids, items;
    for (auto it = m_note_of_uid.cbegin(); it != m_note_of_uid.cend(); ++it)
        ids.insert(it.key(), it.value());
    for (auto it = m_items.cbegin(); it != m_items.cend(); ++it)
        items.insert(it.key(), QJsonArray{it->href, it->etag, QString::fromUtf8(it->content)});
    const QByteArray text =
        QJsonDocument(QJsonObject{{QStringLiteral("ids"), ids}, {QStringLiteral("items"), items}})
            .toJson(QJsonDocument::Compact);
    QSaveFile f(m_items_path);
    if (f.open(QIODevice::WriteOnly)) {
        f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        f.write(text);
        if (f.commit()) {
            m_dirty = false;
            return;
        }
    }
    qCWarning(lc_app).noquote() << "sync: cannot write" << m_items_path << "-" << f.errorString();
}
