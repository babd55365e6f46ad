#include "calendar/notes_store.h"

#include "calendar/calendar_log.h"
#include "common/time_source.h"
#include "storage/ini_document.h"
#include "storage/storage_notices.h"

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

// How often a change that could not be written is tried again.
constexpr int retry_ms = 5000;

} // namespace

notes_store::notes_store(const QString &path, const time_source &clock, QObject *parent)
    : QObject(parent), m_path(path), m_clock(clock), m_doc(std::make_unique<ini_document>(path))
{
    m_retry.setInterval(retry_ms);
    connect(&m_retry, &QTimer::timeout, this, [this] { flush(); });
    reload_dates();
}

notes_store::~notes_store()
{
    if (m_doc->save_at_exit() == ini_write_outcome::written)
        return;
    storage_notices::tell_now(QStringLiteral("Заметки календаря не удалось сохранить в файл %1: изменения, "
                                             "сделанные после последней удачной записи, будут потеряны.")
                                  .arg(m_path));
}

// "dd.MM.yyyy", written by hand: the reminder check names today's group
// every five seconds, and the toolkit's formatting parses the format and
// consults the calendar each time.
QString notes_store::date_name(QDate d)
{
    int year = 0, month = 0, day = 0;
    d.getDate(&year, &month, &day);
    if (!d.isValid() || year < 1 || year > 9999)
        return d.toString(QStringLiteral("dd.MM.yyyy"));
    QString s(10, u'.');
    const auto put = [&s](int at, int value, int width) {
        for (int i = width - 1; i >= 0; --i, value /= 10)
            s[at + i] = QChar(u'0' + value % 10);
    };
    put(0, day, 2);
    put(3, month, 2);
    put(6, year, 4);
    return s;
}

QStringList notes_store::fill(QStringList defaults, const QStringList &stored)
{
    for (int i = 0; i < stored.size() && i < defaults.size(); ++i)
        defaults[i] = stored.at(i);
    return defaults;
}

void notes_store::reload_dates()
{
    m_dates = m_doc->groups();
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
    return m_doc->child_keys(group);
}

QStringList notes_store::read(QDate d, const QString &key, const QString &fallback) const
{
    return read(date_name(d), key, fallback);
}

QStringList notes_store::read(const QString &group, const QString &key, const QString &fallback) const
{
    const QVariant v = m_doc->value(group + '/' + key);
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
    m_doc->set(group + '/' + key, record);
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
    m_doc->set(date_name(d) + '/' + key, QStringList{text, timed_flag(timed), time_text(time)});
    after_change();
}

void notes_store::mark_shown(QDate d, const QString &key, const QStringList &record)
{
    m_doc->set(date_name(d) + '/' + key, record);
    after_change();
}

void notes_store::mark_shown(QDate d, const QList<std::pair<QString, QStringList>> &records)
{
    const QString group = date_name(d);
    for (const auto &[key, record] : records)
        m_doc->set(group + '/' + key, record);
    after_change();
}

void notes_store::remove_note(QDate d, const QString &key)
{
    remove_note(date_name(d), key);
}

void notes_store::remove_note(const QString &group, const QString &key)
{
    // A group goes with its last key.
    m_doc->remove(group + '/' + key);
    after_change();
}

void notes_store::remove_date(QDate d)
{
    m_doc->remove(date_name(d));
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

bool notes_store::flush()
{
    const ini_write_outcome done = m_doc->save();
    if (done == ini_write_outcome::written) {
        if (m_retry.isActive())
            qCInfo(lc_calendar) << m_path << "written at last";
        m_retry.stop();
        return true;
    }
    // The document has told the user; the notes stay in memory meanwhile.
    if (!m_retry.isActive())
        qCWarning(lc_calendar) << "cannot write" << m_path << "now; trying again every" << retry_ms / 1000 << "s";
    m_retry.start();
    return false;
}

bool notes_store::unsaved() const
{
    return m_doc->unsaved();
}

bool notes_store::reload_if_changed_on_disk()
{
    if (!m_doc->refresh())
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
