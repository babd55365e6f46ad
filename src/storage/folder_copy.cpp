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
    if (!files.isEmpty() && !QDir().mkpath(destination)) {
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
        // Shipped files may be read-only in the installation; the user's copy must not be.
        QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
    }

    const QStringList dirs = src.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QString &name : dirs)
        r += copy(parent, source + QDir::separator() + name, destination + QDir::separator() + name);
    return r;
}

} // namespace folder_copy
