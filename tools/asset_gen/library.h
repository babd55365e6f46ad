#pragma once
// Everything the generator writes into the app_data folder.

#include <QString>

namespace asset {

// Skins, picture libraries, stickers, calendar skins, the grip and the sounds.
bool write_all(const QString &app_data);

} // namespace asset
