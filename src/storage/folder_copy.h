#pragma once
// Restores the data folder from the installation folder, file by file.

#include <QString>

class QWidget;

namespace folder_copy {

struct result
{
    int copied = 0;
    int kept = 0; // already there, left as the user has it
    int failed = 0;
    result &operator+=(const result &o)
    {
        copied += o.copied;
        kept += o.kept;
        failed += o.failed;
        return *this;
    }
};

// Copies every file of source that destination lacks, recursing into
// subfolders. A file the user already has (even a dangling link) is never
// deleted or replaced: it may be their notebook or their own settings.
// A file that cannot be copied gets a warning box on parent and the copy
// goes on. Folders and files made here are private to the user (0700,
// 0600).
result copy(QWidget *parent, const QString &source, const QString &destination);

} // namespace folder_copy
