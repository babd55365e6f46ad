#include "storage/folder_copy.h"

#include "common/log.h"

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>

namespace folder_copy {

namespace {

void warn_cannot_create(QWidget *parent, const QString &name, const QString &target)
{
    qCWarning(lc_app) << "cannot create" << target;
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Внимание!"), QStringLiteral("Невозможно создать ") + name,
                    QMessageBox::NoButton, parent);
    // The only button names the full destination, so the user sees where.
    box.addButton(target, QMessageBox::AcceptRole);
    box.exec();
}

// A folder made for the user, and every missing one above it: theirs alone.
bool make_private_folder(const QString &folder)
{
    const QFileInfo there(folder);
    if (there.isDir())
        return true;
    const QString parent = there.absolutePath();
    if (parent == there.absoluteFilePath() || !make_private_folder(parent))
        return false;
    return QDir().mkdir(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner) ||
           QFileInfo(folder).isDir();
}

} // namespace

result copy(QWidget *parent, const QString &source, const QString &destination)
{
    result r;
    QDir src(source);
    if (!src.exists())
        return r;

    const QStringList files =
        src.entryList(QStringList{QStringLiteral("*.*")}, QDir::Files | QDir::Hidden, QDir::Unsorted);
    // A folder that cannot be made gets one warning, not one per file in it.
    if (!files.isEmpty() && !make_private_folder(destination)) {
        warn_cannot_create(parent, QDir::toNativeSeparators(destination), destination);
        r.failed += int(files.size());
        return r;
    }
    for (const QString &name : files) {
        const QString target = destination + "/" + name;
        const QFileInfo have(target);
        if (have.isFile() || have.isSymLink()) {
            ++r.kept;
            continue;
        }
        // Anything else in the way (a folder of that name) makes the copy fail and is reported.
        if (!QFile::copy(src.absolutePath() + "/" + name, target)) {
            ++r.failed;
            warn_cannot_create(parent, name, target);
            continue;
        }
        ++r.copied;
        // The user's copy is theirs alone and writable, whatever the
        // installation's modes (programs keep being runnable).
        QFile::Permissions mode = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
        if (QFile::permissions(target) & QFileDevice::ExeOwner)
            mode |= QFileDevice::ExeOwner;
        QFile::setPermissions(target, mode);
    }

    const QStringList dirs = src.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QString &name : dirs)
        r += copy(parent, source + QDir::separator() + name, destination + QDir::separator() + name);
    return r;
}

} // namespace folder_copy
