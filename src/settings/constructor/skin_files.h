#pragma once
// Writing a skin folder: the folder name check, the file names the pictures
// get, and settings.ini with its keys in the order skins have always had.

#include "settings/constructor/skin_layout.h"

#include <QByteArray>
#include <QString>
#include <array>

namespace skin_files {

// Why the name cannot name a folder directly inside Skins/ ("/", "..",
// characters the file system refuses, too long), or an empty string.
QString name_problem(const QString &name);

// File names for the five pictures (dial, hour, minute, second, cap) in the
// new folder: each its own name, except that a name taken by an earlier part
// gets the part's prefix ("hour_classic.png"), so no picture overwrites
// another.
std::array<QString, 5> target_names(const std::array<QString, 5> &source_paths);

// The text of settings.ini, group "SkinSettings", in CP1251.
QByteArray settings_text(const std::array<QString, 5> &names, const skin_layout &l);

// One value in the INI syntax the settings files use (quotes and escapes
// where a plain value would read back differently).
QString ini_value(const QString &v);

} // namespace skin_files
