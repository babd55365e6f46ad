#pragma once
// "Создать скин": copies the five chosen pictures into a new folder under
// Skins/ and writes its settings.ini, asking and reporting through boxes.

#include "settings/constructor/skin_layout.h"

#include <QString>
#include <array>

class QWidget;
class user_prompts;

namespace skin_creation {

// Returns the folder the skin was written to, or an empty string when the
// user stopped or something failed (after its box).
QString create(QWidget *parent, user_prompts &ask, const QString &skins_folder, const std::array<QString, 5> &sources,
               const skin_layout &layout);

} // namespace skin_creation
