#include "scheduler/snooze_store.h"

#include "common/log.h"
#include "storage/data_folder.h"
#include "storage/ini_format.h"
#include "storage/snooze_keys.h"

#include <QFileInfo>
#include <QSettings>

#include <algorithm>

namespace {

snooze_store::reminder read_group(QSettings &ini)
{
    const typed_settings s(ini);
    snooze_store::reminder r;
    bool ok = false;
    const qint64 due = s.get(snooze_keys::due).toLongLong(&ok);
    if (ok)
        r.due = QDateTime::fromSecsSinceEpoch(due);
    r.text = s.get(snooze_keys::text);
    r.skin = s.get(snooze_keys::skin);
    r.sound = s.get(snooze_keys::sound);
    return r;
}

} // namespace

snooze_store::snooze_store(const QString &path)
    : m_path(path.isEmpty() ? data_folder::file(QStringLiteral("//snooze.ini")) : path)
{}

snooze_store::~snooze_store() = default;

void snooze_store::add(const reminder &r)
{
    if (!m_s)
        m_s = ini_format::open(m_path);
    m_s->sync();
    const QStringList taken = m_s->childGroups();
    qint64 key = QDateTime::currentSecsSinceEpoch();
    while (taken.contains(QString::number(key)))
        ++key;
    m_s->beginGroup(QString::number(key));
    typed_settings s(*m_s);
    s.set(snooze_keys::due, QString::number(r.due.toSecsSinceEpoch()));
    s.set(snooze_keys::due_at, r.due.toString(QLatin1String(snooze_keys::due_at_format)));
    s.set(snooze_keys::text, r.text);
    s.set(snooze_keys::skin, r.skin);
    s.set(snooze_keys::sound, r.sound);
    m_s->endGroup();
    m_s->sync();
    if (m_s->status() != QSettings::NoError)
        qCWarning(lc_scheduler).noquote()
            << "cannot write" << m_path << "; the reminder comes back only in this session";
}

QList<snooze_store::reminder> snooze_store::take_due(const QDateTime &now)
{
    // Checked every pass: no file, nothing put off, nothing to read.
    if (!m_s && !QFileInfo::exists(m_path))
        return {};
    if (!m_s)
        m_s = ini_format::open(m_path);
    m_s->sync();
    QList<reminder> due;
    const QStringList keys = m_s->childGroups();
    for (const QString &key : keys) {
        m_s->beginGroup(key);
        const reminder r = read_group(*m_s);
        // A group without a readable time is shown now rather than kept forever.
        if (!r.due.isValid() || r.due <= now) {
            due << r;
            m_s->remove(QString());
        }
        m_s->endGroup();
    }
    if (!due.isEmpty())
        m_s->sync();
    std::stable_sort(due.begin(), due.end(), [](const reminder &a, const reminder &b) { return a.due < b.due; });
    return due;
}

QList<snooze_store::reminder> snooze_store::all()
{
    if (!m_s)
        m_s = ini_format::open(m_path);
    m_s->sync();
    QList<reminder> r;
    for (const QString &key : m_s->childGroups()) {
        m_s->beginGroup(key);
        r << read_group(*m_s);
        m_s->endGroup();
    }
    return r;
}
