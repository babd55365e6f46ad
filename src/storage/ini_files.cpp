#include "storage/ini_files.h"

#include "common/log.h"
#include "storage/ini_reader.h"
#include "storage/storage_notices.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace ini_files {

bool save(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile f(path);
    const bool fresh = !QFileInfo::exists(path);
    if (!f.open(QIODevice::WriteOnly)) {
        if (error)
            *error = f.errorString();
        return false;
    }
    if (fresh)
        f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (f.write(bytes) != bytes.size()) {
        if (error)
            *error = f.errorString();
        f.cancelWriting();
        f.commit();
        return false;
    }
    if (!f.commit()) {
        if (error)
            *error = f.errorString();
        return false;
    }
    return true;
}

void keep_aside(const QString &path)
{
    QString keep = path + QStringLiteral(".unreadable");
    for (int i = 1; QFileInfo::exists(keep) || QFileInfo(keep).isSymLink(); ++i)
        keep = path + QStringLiteral(".unreadable.") + QString::number(i);
    if (QFile::copy(path, keep)) {
        QFile::setPermissions(keep, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        qCWarning(lc_settings).noquote() << path << "could not be read whole; its old content is kept in" << keep;
    } else {
        qCWarning(lc_settings).noquote() << path << "could not be read whole and could not be kept aside";
    }
}

void tell_unreadable(const QString &path, const ini_read_result &r)
{
    for (qsizetype i = 0; i < r.problems.size() && i < 20; ++i)
        qCWarning(lc_settings).noquote() << path << "line" << r.problems[i].line << "not read:" << r.problems[i].reason
                                         << "-" << r.problems[i].text;
    if (r.problems.size() > 20)
        qCWarning(lc_settings).noquote() << path << ":" << r.problems.size() - 20 << "more lines not read";
    QStringList lines;
    for (qsizetype i = 0; i < r.problems.size() && i < 3; ++i)
        lines << QStringLiteral("строка %1: «%2»").arg(r.problems[i].line).arg(r.problems[i].text);
    if (r.problems.size() > 3)
        lines << QStringLiteral("и ещё %1").arg(r.problems.size() - 3);
    const QString name = QFileInfo(path).fileName();
    const QString text =
        r.not_ini
            ? QStringLiteral("Файл %1 не похож на файл настроек, и из него ничего не прочитано. Прежде чем он будет "
                             "записан заново, он будет сохранён как %2.unreadable.")
                  .arg(path, name)
            : QStringLiteral("В файле %1 есть строки, которые не удалось прочитать (%2). Всё остальное прочитано; "
                             "прежде чем файл будет записан заново, он будет сохранён как %3.unreadable.")
                  .arg(path, lines.join(QStringLiteral("; ")), name);
    storage_notices::tell_once(QStringLiteral("unreadable:") + path, text);
}

void tell_unwritable(const QString &path, const QString &why)
{
    storage_notices::tell_once(QStringLiteral("unwritable:") + path,
                               QStringLiteral("Не удаётся записать файл %1: %2. Изменения сохранены в памяти "
                                              "программы, запись будет повторяться. Если закрыть программу до "
                                              "удачной записи, они будут потеряны.")
                                   .arg(path, why));
}

void written_again(const QString &path)
{
    storage_notices::forget(QStringLiteral("unwritable:") + path);
}

QString why_unwritable(const QString &path)
{
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir())
        return QStringLiteral("папки %1 нет").arg(folder.absoluteFilePath());
    if (!folder.isWritable())
        return QStringLiteral("папка недоступна для записи");
    if (file.exists() && !file.isFile())
        return QStringLiteral("на месте файла находится что-то другое");
    return QStringLiteral("файл недоступен для записи");
}

} // namespace ini_files
