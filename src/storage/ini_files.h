#pragma once
// The file work shared by the settings format and the settings documents:
// saving atomically and privately, keeping a damaged file aside, telling
// the user what could not be read.

#include <QByteArray>
#include <QString>

struct ini_read_result;

namespace ini_files {

// Writes `bytes` atomically (a crash leaves the old file or the new one).
// A file made here is private to the user (0600); an existing file keeps
// its mode. On failure, `error` says why.
bool save(const QString &path, const QByteArray &bytes, QString *error = nullptr);

// Copies the file as it is now to "<path>.unreadable" (or ".unreadable.N"
// when that exists), private to the user.
void keep_aside(const QString &path);

// Logs the lines of `path` that could not be read and tells the user, once.
void tell_unreadable(const QString &path, const ini_read_result &r);

// Tells the user once that `path` cannot be written, and why.
void tell_unwritable(const QString &path, const QString &why);
// The trouble is over: a later one is told again.
void written_again(const QString &path);

// Why a file in `path`'s folder cannot be written, as far as can be told.
QString why_unwritable(const QString &path);

} // namespace ini_files
