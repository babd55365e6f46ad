#pragma once
// The settings file format shared by every INI file of the program: the
// toolkit's INI syntax with text in CP1251 bytes, read and written in
// memory by our own reader and writer (ini_reader, ini_writer).
//
// What it guards, for every file in this format:
// - a file with lines that cannot be read gives every key that can, the
//   user is told once, and the file is copied to "<name>.unreadable"
//   before it is first replaced;
// - a file another program is still writing is not replaced under it:
//   such a write is refused and the changes stay in memory for the next;
// - a file past its size limits (ini_limits) is neither read nor written;
// - a file this format creates is private to the user (0600); an existing
//   file keeps its mode. Writes go through QSaveFile (atomic).

#include <QByteArray>
#include <QSettings>

struct file_stamp;
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
// Only valid for text in which non-ASCII characters appear in values only
// (as the toolkit's INI writer gives it).
QByteArray encode(const QString &ini_text);

// The functions registered with the settings library.
bool read(QIODevice &device, QSettings::SettingsMap &map);
bool write(QIODevice &device, const QSettings::SettingsMap &map);

// The content merges of `path` start from (settings_file_watch keeps it):
// a read of the file that is damaged or caught while another program
// writes it takes nothing away from it, only adds and changes keys.
void set_baseline(const QString &path, const QByteArray &bytes);
void drop_baseline(const QString &path);

// A read of `path` outside the settings library found it holding still at
// `stamp` (a merge took in what it holds): a write may replace it.
void held_still(const QString &path, const file_stamp &stamp);

// Writes of `path` handed to the file so far, by this process.
quint64 writes(const QString &path);
// Why the last write of `path` was refused, or empty.
QString refusal(const QString &path);
// Whether the last write of `path` was put off because another program
// was writing the file.
bool waits_for_writer(const QString &path);
// Whether `path` is refused whole for its size.
bool refused(const QString &path);

} // namespace ini_format
