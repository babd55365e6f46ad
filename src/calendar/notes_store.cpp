#include "calendar/notes_store.h"

#include "storage/ini_format.h"
#include "storage/settings_file_watch.h"
#include "calendar/calendar_log.h"
#include "common/time_source.h"

#include <QSettings>

Q_LOGGING_CATEGORY(lc_calendar, "orvella.calendar")

namespace {

QString time_text(QTime t)
{
    return (t.isValid() ? t : QTime(0, 0)).toString(QStringLiteral("HH:mm"));
}

QString timed_flag(bool timed)
{
    return timed ? QStringLiteral("2") : QStringLiteral("0");
}

} // namespace

notes_store::notes_store(const QString &path, const time_source &clock, QObject *parent)
    : QObject(parent), m_path(path), m_clock(clock), m_s(ini_format::open(path)),
      m_watch(std::make_unique<settings_file_watch>(*m_s))
{
    reload_dates();
}

notes_store::~notes_store()
{
    m_watch->sync();
}

QStringList notes_store::fill(QStringList defaults, const QStringList &stored)
{
    for (int i = 0; i < stored.size() && i < defaults.size(); ++i)
        defaults[i] = stored.at(i);
    return defaults;
}

void notes_store::reload_dates()
{
    m_dates = m_s->childGroups();
    m_date_set = QSet<QString>(m_dates.cbegin(), m_dates.cend());
}

QStringList notes_store::keys(QDate d) const
{
    return keys(date_name(d));
}

QStringList notes_store::keys(const QString &group) const
{
    if (group.isEmpty())
        return {};
    m_s->beginGroup(group);
    QStringList k = m_s->childKeys();
    m_s->endGroup();
    return k;
}

QStringList notes_store::read(QDate d, const QString &key, const QString &fallback) const
{
    return read(date_name(d), key, fallback);
}

QStringList notes_store::read(const QString &group, const QString &key, const QString &fallback) const
{
    const QVariant v = m_s->value(group + '/' + key);
    if (!v.isValid())
        return {fallback};
    return v.toStringList();
}

QString notes_store::write_new(QDate d, const QStringList &record)
{
    const QString group = date_name(d);
    const QStringList used = keys(group);
    qint64 second = m_clock.now().toSecsSinceEpoch();
    // Keys are text-ordered as creation order: never below a key the date
    // already has (a clock set back), never on one (two adds in a second).
    for (const QString &k : used) {
        bool ok = false;
        const qint64 v = k.toLongLong(&ok);
        if (ok && k.size() == 10 && v >= second)
            second = v + 1;
    }
    const QString key = QString::number(second);
    m_s->setValue(group + '/' + key, record);
    after_change();
    return key;
}

QString notes_store::add_note(QDate d, const QString &text, bool timed, QTime time)
{
    return write_new(d, {text, timed_flag(timed), time_text(time)});
}

QString notes_store::copy_note(QDate d, const QString &text, const QString &time_or_dash)
{
    if (time_or_dash == QLatin1String("-"))
        return write_new(d, {text, QStringLiteral("0"), QStringLiteral("0:00")});
    return write_new(d, {text, QStringLiteral("2"), time_or_dash});
}

void notes_store::replace_note(QDate d, const QString &key, const QString &text, bool timed, QTime time)
{
    m_s->setValue(date_name(d) + '/' + key, QStringList{text, timed_flag(timed), time_text(time)});
    after_change();
}

void notes_store::mark_shown(QDate d, const QString &key, const QStringList &record)
{
    m_s->setValue(date_name(d) + '/' + key, record);
    after_change();
}

void notes_store::mark_shown(QDate d, const QList<std::pair<QString, QStringList>> &records)
{
    const QString group = date_name(d);
    for (const auto &[key, record] : records)
        m_s->setValue(group + '/' + key, record);
    after_change();
}

void notes_store::remove_note(QDate d, const QString &key)
{
    remove_note(date_name(d), key);
}

void notes_store::remove_note(const QString &group, const QString &key)
{
    // The toolkit drops a group with its last key.
    m_s->remove(group + '/' + key);
    after_change();
}

void notes_store::remove_date(QDate d)
{
    m_s->remove(date_name(d));
    after_change();
}

void notes_store::after_change()
{
    if (m_batch > 0) {
        m_batch_dirty = true;
        return;
    }
    // Every change goes to disk at once: a note must not be lost to a crash
    // between typing it and the settings library's deferred write.
    flush();
    reload_dates();
    ++m_revision;
    emit changed();
}

void notes_store::flush()
{
    m_watch->sync();
    if (m_s->status() != QSettings::NoError)
        qCWarning(lc_calendar) << "cannot write" << m_path;
}

bool notes_store::reload_if_changed_on_disk()
{
    if (!m_watch->refresh())
        return false;
    reload_dates();
    ++m_revision;
    qCInfo(lc_calendar) << m_path << "changed on disk; read again";
    emit changed();
    return true;
}

QString notes_store::today_text()
{
    reload_if_changed_on_disk();
    const QString today = date_name(m_clock.now().date());
    if (!m_date_set.contains(today))
        return {};
    QString out;
    const QStringList k = keys(today);
    for (const QString &key : k) {
        const QStringList r = read(today, key);
        out += (r.isEmpty() ? QString() : r.first()) + '\n';
    }
    return out;
}
