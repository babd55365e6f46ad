#pragma once
// The settings file format shared by every INI file of the program: the
// toolkit's INI syntax with text in CP1251 bytes. Characters CP1251 cannot
// hold are kept as "\xHHHH" escapes, so nothing typed is lost. Writes go
// through QSaveFile (atomic).

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <memory>

namespace ini_format {

// Registers the format once per process and returns it.
QSettings::Format format();

// Opens a settings object on an INI file in this format.
std::unique_ptr<QSettings> open(const QString &path);

// CP1251 text -> Unicode.
QString decode(const QByteArray &cp1251);
// Unicode INI text -> CP1251 bytes; characters CP1251 lacks become escapes.
// Only valid for text produced by the toolkit's INI writer (values are the
// only place non-ASCII characters appear there).
QByteArray encode(const QString &ini_text);

bool read(QIODevice &device, QSettings::SettingsMap &map);
bool write(QIODevice &device, const QSettings::SettingsMap &map);

} // namespace ini_format
