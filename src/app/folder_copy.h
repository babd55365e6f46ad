#pragma once
// Restores the data folder from the installation folder, file by file.

#include <QString>

class QWidget;

namespace folder_copy {

struct result
{
    int copied = 0;
    int failed = 0;
    result &operator+=(const result &o)
    {
        copied += o.copied;
        failed += o.failed;
        return *this;
    }
};

// Copies every file of source into destination (replacing what is there)
// and recurses into subfolders. A file that cannot be copied gets a warning
// box on parent and the copy goes on.
result copy(QWidget *parent, const QString &source, const QString &destination);

} // namespace folder_copy
