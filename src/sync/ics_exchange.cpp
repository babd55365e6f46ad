#include "sync/ics_exchange.h"

#include "sync/ical_mapping.h"
#include "sync/local_calendar.h"
#include "sync/sync_state.h"

#include <QFile>
#include <QSaveFile>

namespace ics_exchange {

namespace {
// No real calendar comes near it; a larger file is refused unread.
constexpr qint64 largest_file = 64ll * 1024 * 1024;
} // namespace

QString report::summary(bool import) const
{
    if (!ok)
        return error;
    QString s = import ? QStringLiteral("Импорт: добавлено %1, обновлено %2, без изменений %3.")
                             .arg(added)
                             .arg(updated)
                             .arg(unchanged)
                       : QStringLiteral("Экспорт: событий %1, заметок %2.").arg(events).arg(notes);
    if (!lines.isEmpty())
        s += (import ? QStringLiteral("\nНе импортировано (%1):\n") : QStringLiteral("\nНе экспортировано (%1):\n"))
                 .arg(lines.size()) +
             lines.join(u'\n');
    return s;
}

QByteArray export_text(local_calendar &items, report &r)
{
    const ical_mapping::exported out = ical_mapping::calendar(items.events(), items.notes());
    r.ok = true;
    r.events = out.events;
    r.notes = out.notes;
    r.lines = out.skipped;
    return out.text;
}

report export_to(const QString &path, local_calendar &items)
{
    report r;
    const QByteArray text = export_text(items, r);
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size() || !f.commit()) {
        r.ok = false;
        r.error = QStringLiteral("Не удалось записать файл %1: %2").arg(path, f.errorString());
    }
    return r;
}

report import_text(const QByteArray &text, local_calendar &items, const QDateTime &now)
{
    report r;
    const ical_mapping::parsed in = ical_mapping::parse(text);
    if (!in.ok) {
        r.error = QStringLiteral("Файл не импортирован: %1.").arg(in.error);
        return r;
    }
    r.ok = true;
    r.lines = in.refused;
    const auto count = [&r](local_calendar::outcome o) {
        switch (o) {
        case local_calendar::outcome::added:
            ++r.added;
            break;
        case local_calendar::outcome::updated:
            ++r.updated;
            break;
        case local_calendar::outcome::unchanged:
            ++r.unchanged;
            break;
        }
    };
    local_calendar::batch together(items);
    for (const event_record &e : in.events)
        count(items.apply(e, now));
    for (const note_record &n : in.notes)
        count(items.apply(n));
    return r;
}

report import_from(const QString &path, local_calendar &items, const QDateTime &now)
{
    report r;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        r.error = QStringLiteral("Не удалось открыть файл %1: %2").arg(path, f.errorString());
        return r;
    }
    if (f.size() > largest_file) {
        r.error = QStringLiteral("Файл %1 слишком велик (%2 МБ, можно не больше %3 МБ).")
                      .arg(path)
                      .arg(f.size() / (1024 * 1024))
                      .arg(largest_file / (1024 * 1024));
        return r;
    }
    return import_text(f.readAll(), items, now);
}

} // namespace ics_exchange
