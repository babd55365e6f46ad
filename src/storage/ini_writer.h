#pragma once
// Writes settings in the toolkit's INI syntax as CP1251 bytes, in memory:
// the layout the toolkit's own writer gives (groups in the order of their
// first key, keys sorted, "[General]" for the top level), names %-escaped,
// values quoted and escaped as it does. A character CP1251 lacks is written
// as a "\x" escape (a hex digit right after one escaped too), never as '?'.

#include <QByteArray>
#include <QList>
#include <QSettings>
#include <QString>

namespace ini_writer {

// Where a group's section lies in the written bytes: its "[name]" line and
// its keys, without the blank line that parts it from the one before.
struct section_span
{
    QString name; // empty for the top level
    qsizetype offset = 0;
    qsizetype size = 0;
    qsizetype keys = 0;
};

QByteArray write(const QSettings::SettingsMap &map, QList<section_span> *spans = nullptr);

// Appends the section of one group, whose keys are the map's entries
// [from, to), exactly as write() forms it.
void append_section(QByteArray &out, QStringView name, QSettings::SettingsMap::const_iterator from,
                    QSettings::SettingsMap::const_iterator to);

} // namespace ini_writer
