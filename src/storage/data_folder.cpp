#include "storage/data_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace data_folder {

QString path()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Orvella";
}

QString file(const QString &suffix)
{
    return path() + suffix;
}

QString plugin_folder()
{
    return path() + "/plugins/";
}

QString gif_plugin_name()
{
    return QStringLiteral("imageformats/libqgif.so");
}

QStringList installation_candidates()
{
    QStringList c{QDir::current().absoluteFilePath("app_data")};
    const QString bin = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    if (!bin.isEmpty())
        c << QDir::cleanPath(bin + "/../share/orvella/app_data");
    return c;
}

QString installation_folder()
{
    for (const QString &c : installation_candidates())
        if (QFileInfo(c).isDir())
            return c;
    return {};
}

} // namespace data_folder
