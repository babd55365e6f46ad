#pragma once
// Reads settings in the toolkit's INI syntax from CP1251 bytes, in memory.
//
// The syntax is the toolkit's own: "[group]" lines, "key=value" lines,
// names %-escaped (%XX, %UXXXX, "\" for "/"), values with "\" escapes and
// double quotes, lists split at commas, ';' comments, "\" at a line's end
// continuing the value on the next line, "[General]" for the top level.
//
// Every well-formed group and key is read, whatever lines around it are
// broken, and what could not be read is listed, so callers can say so and
// keep the file aside before they replace it. Two things are read more
// strictly than the toolkit reads them, so that one damaged line cannot
// take the notes after it along: a quote left open at the end of a line
// ends with the line, and a line holding a NUL byte is skipped.

#include <QByteArrayView>
#include <QList>
#include <QSettings>
#include <QString>

struct ini_problem
{
    int line = 0; // from 1
    QString text; // the line, shortened
    QString reason;
};

struct ini_read_result
{
    QSettings::SettingsMap map;
    QList<ini_problem> problems;
    int groups = 0;       // group lines read
    bool not_ini = false; // text, but not one line of settings in it
    bool clean() const { return problems.isEmpty(); }
};

namespace ini_reader {

ini_read_result read(QByteArrayView cp1251_bytes);

// A key name the writer can store as it is; the toolkit reads some names
// ("", "/k", "k/", "a//b") that come back under another name once written.
bool writable_name(const QString &key);

} // namespace ini_reader
