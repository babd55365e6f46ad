#include "storage/data_folder_check.h"

#include "storage/data_folder.h"
#include "storage/folder_copy.h"
#include "common/log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>

#include <sys/stat.h>

namespace data_folder_check {

bool is_complete()
{
    // All three are always looked at, in this order.
    const bool clock = QFileInfo::exists(data_folder::path() + "/clock.ini");
    const bool calendar = QFileInfo::exists(data_folder::path() + "/calendar.ini");
    const bool plugin = QFileInfo::exists(data_folder::plugin_folder() + data_folder::gif_plugin_name());
    return clock && calendar && plugin;
}

bool create_if_absent(QWidget *parent)
{
    const QString folder = data_folder::path();
    if (QFileInfo::exists(folder) || QFileInfo(folder).isSymLink())
        return false;
    const QString source = data_folder::installation_folder();
    // Without an installation, or where the folder cannot be made, the full
    // check below explains what went wrong. Notes and the notebook are the
    // user's alone: the folder is made 0700.
    if (source.isEmpty() || !QDir().mkpath(QFileInfo(folder).absolutePath()) ||
        !QDir().mkdir(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner))
        return false;
    const folder_copy::result copied = folder_copy::copy(parent, source, folder);
    qCInfo(lc_app).noquote() << "new data folder" << folder << "made from" << source
                             << QStringLiteral("(%1 files)").arg(copied.copied);
    return true;
}

void say_if_readable_by_others()
{
    // A folder the user made or opened up is theirs to keep so; said once.
    static bool said = false;
    struct stat st;
    if (said || ::stat(QFile::encodeName(data_folder::path()).constData(), &st) != 0 || !(st.st_mode & 0077))
        return;
    said = true;
    qCInfo(lc_app).noquote() << "the data folder" << data_folder::path() << "can be read by other users (mode"
                             << QString::number(st.st_mode & 0777, 8).prepend(u'0')
                             << "); \"chmod 700\" on it keeps notes and the notebook private";
}

outcome run(QWidget *parent)
{
    if (create_if_absent(parent))
        return outcome::created;
    say_if_readable_by_others();
    if (is_complete())
        return outcome::complete;

    const QString source = data_folder::installation_folder();
    if (source.isEmpty()) {
        // Nothing can be restored; saying it was would be a lie.
        const QString where = data_folder::installation_candidates().join(QStringLiteral(", "));
        qCWarning(lc_app) << "installation folder not found; looked in" << where;
        QMessageBox::warning(parent, QStringLiteral("Внимание!"),
                             QStringLiteral("В каталоге ") + data_folder::path() +
                                 QStringLiteral(" не были обнаружены все файлы программы. "
                                                "Каталог установки программы не найден (искали: ") +
                                 where + QStringLiteral("). Восстановление не произведено."),
                             QMessageBox::Ok);
        return outcome::installation_missing;
    }

    qCInfo(lc_app) << "restoring" << data_folder::path() << "from" << source;
    const folder_copy::result copied = folder_copy::copy(parent, source, data_folder::path());
    if (copied.copied == 0 && copied.failed > 0) {
        // Nothing could be written: saying it was restored would be a lie.
        qCWarning(lc_app) << "data folder could not be restored:" << data_folder::path();
        QMessageBox::warning(parent, QStringLiteral("Внимание!"),
                             QStringLiteral("В каталоге ") + data_folder::path() +
                                 QStringLiteral(" не были обнаружены все файлы программы. Восстановить их не "
                                                "удалось: каталог недоступен для записи."),
                             QMessageBox::Ok);
        return outcome::restore_failed;
    }
    QMessageBox::warning(parent, QStringLiteral("Внимание!"),
                         QStringLiteral("В каталоге ") + data_folder::path() +
                             QStringLiteral(" не были обнаружены все файлы программы. Произведено "
                                            "восстановление. ПЕРАЗАПУСТИТЕ ПРОГРАММУ В СЕАНСЕ ПОЛЬЗОВАТЕЛЯ !"),
                         QMessageBox::Ok);
    return outcome::restored;
}

} // namespace data_folder_check
