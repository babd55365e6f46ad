#include "app/folder_copy.h"

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
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Внимание!"),
                    QStringLiteral("Невозможно создать ") + name, QMessageBox::NoButton, parent);
    // The only button names the full destination, so the user sees where.
    box.addButton(target, QMessageBox::AcceptRole);
    box.exec();
}

} // namespace

int copy(QWidget *parent, const QString &source, const QString &destination)
{
    int failures = 0;
    QDir src(source);
    if (!src.exists())
        return 0;

    const QStringList files =
        src.entryList(QStringList{QStringLiteral("*.*")}, QDir::Files | QDir::Hidden, QDir::Unsorted);
    for (const QString &name : files) {
        QDir().mkpath(destination);
        const QString target = destination + "/" + name;
        if (QFileInfo::exists(target) || QFileInfo(target).isSymLink())
            QFile::remove(target);
        if (!QFile::copy(src.absolutePath() + "/" + name, target)) {
            ++failures;
            warn_cannot_create(parent, name, target);
            continue;
        }
        // Shipped files may be read-only in the installation; the user's copy must not be.
        QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
    }

    const QStringList dirs = src.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QString &name : dirs)
        failures += copy(parent, source + QDir::separator() + name, destination + QDir::separator() + name);
    return failures;
}

} // namespace folder_copy
