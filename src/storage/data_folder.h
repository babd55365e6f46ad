#pragma once
// The per-user data folder (~/.local/share/Orvella, following
// XDG_DATA_HOME) and the shipped installation folder it is restored from.
// Computed afresh on every call; nothing caches it.

#include <QString>

namespace data_folder {

QString path();
// path() + suffix, where suffix starts with "//" as stored ("//clock.ini").
QString file(const QString &suffix);
QString plugin_folder();
// The image-format plug-in whose presence marks a complete data folder.
QString gif_plugin_name();

// "./app_data" in the working folder, else <bin>/../share/orvella/app_data.
// Returns the first that exists, or an empty string.
QString installation_folder();
// Both places looked in, for messages.
QStringList installation_candidates();

} // namespace data_folder
