#pragma once
// Restores the data folder from the installation folder, file by file.

#include <QString>

class QWidget;

namespace folder_copy {

// Copies every file of source into destination (replacing what is there)
// and recurses into subfolders. A file that cannot be copied gets a warning
// box on parent and the copy goes on. Returns the number of failures.
int copy(QWidget *parent, const QString &source, const QString &destination);

} // namespace folder_copy
