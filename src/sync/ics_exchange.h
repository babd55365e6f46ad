#pragma once
// ics_exchange: every event and date note to an iCalendar file, and a file
// from any calendar program into the stores. Importing the same file twice,
// or a file this program exported, adds nothing twice (items are matched by
// uid). A file that cannot be read changes nothing.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

class local_calendar;

namespace ics_exchange {

struct report
{
    bool ok = false;
    QString error;
    int events = 0, notes = 0; // exported
    int added = 0, updated = 0, unchanged = 0;
    QStringList lines; // what was left out and why
    // One paragraph for a box or the terminal.
    QString summary(bool import) const;
};

report export_to(const QString &path, local_calendar &items);
QByteArray export_text(local_calendar &items, report &r);
report import_from(const QString &path, local_calendar &items, const QDateTime &now);
report import_text(const QByteArray &text, local_calendar &items, const QDateTime &now);

} // namespace ics_exchange
