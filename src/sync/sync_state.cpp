#include "sync/sync_state.h"

#include "storage/ini_format.h"
#include "storage/sync_keys.h"
#include "sync/sync_records.h"

#include <QSettings>

namespace {

QString note_id(QDate date, const QString &key)
{
    return date.toString(QStringLiteral("dd.MM.yyyy")) + u'/' + key;
}

// Uids are free text; as INI keys they are kept hex-safe.
QString item_key(const QString &uid)
{
    return QStringLiteral("Items/") + QString::fromLatin1(uid.toUtf8().toHex());
}

} // namespace

sync_state::sync_state(const QString &path) : m_s(ini_format::open(path)) {}

sync_state::~sync_state()
{
    flush();
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

void sync_state::load_ids()
{
    if (m_ids_loaded)
        return;
    m_ids_loaded = true;
    m_s->beginGroup(QStringLiteral("Ids"));
    for (const QString &uid_hex : m_s->childKeys()) {
        const QString uid = QString::fromUtf8(QByteArray::fromHex(uid_hex.toLatin1()));
        const QString note = m_s->value(uid_hex).toString();
        m_note_of_uid.insert(uid, note);
        m_uid_of_note.insert(note, uid);
    }
    m_s->endGroup();
}

QString sync_state::note_uid(QDate date, const QString &key)
{
    load_ids();
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
    load_ids();
    const QString id = note_id(date, key);
    const QString old = m_note_of_uid.value(uid);
    if (!old.isEmpty())
        m_uid_of_note.remove(old);
    m_uid_of_note.insert(id, uid);
    m_note_of_uid.insert(uid, id);
    m_s->setValue(QStringLiteral("Ids/") + QString::fromLatin1(uid.toUtf8().toHex()), id);
}

QString sync_state::note_of(const QString &uid)
{
    load_ids();
    return m_note_of_uid.value(uid);
}

void sync_state::forget_note(const QString &uid)
{
    load_ids();
    m_uid_of_note.remove(m_note_of_uid.take(uid));
    m_s->remove(QStringLiteral("Ids/") + QString::fromLatin1(uid.toUtf8().toHex()));
}

sync_state::item sync_state::get(const QString &uid) const
{
    const QStringList v = m_s->value(item_key(uid)).toStringList();
    item i;
    if (v.size() >= 3) {
        i.href = v.at(0);
        i.etag = v.at(1);
        i.content = QByteArray::fromBase64(v.at(2).toLatin1());
    }
    return i;
}

void sync_state::put(const QString &uid, const item &i)
{
    m_s->setValue(item_key(uid), QStringList{i.href, i.etag, QString::fromLatin1(i.content.toBase64())});
}

void sync_state::remove(const QString &uid)
{
    m_s->remove(item_key(uid));
}

QStringList sync_state::uids() const
{
    m_s->beginGroup(QStringLiteral("Items"));
    const QStringList keys = m_s->childKeys();
    m_s->endGroup();
    QStringList out;
    for (const QString &k : keys)
        out << QString::fromUtf8(QByteArray::fromHex(k.toLatin1()));
    return out;
}

void sync_state::flush()
{
    m_s->sync();
}
