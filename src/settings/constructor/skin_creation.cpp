#include "settings/constructor/skin_creation.h"

#include "common/user_prompts.h"
#include "common/log.h"
#include "settings/constructor/skin_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>

namespace skin_creation {

namespace {

const QString attention = QStringLiteral("Внимание!");

void warn(QWidget *parent, const QString &text)
{
    qCWarning(lc_settings) << text;
    QMessageBox::warning(parent, attention, text);
}

bool write_bytes(const QString &path, const QByteArray &bytes)
{
    QSaveFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.commit();
}

// The folder must sit directly in Skins/, also after symbolic links are
// followed: cleaning it deletes files.
bool inside(const QString &folder, const QString &skins_folder)
{
    const QString parent = QFileInfo(QFileInfo(folder).canonicalFilePath()).absolutePath();
    return parent == QFileInfo(skins_folder).canonicalFilePath();
}

// Makes an empty or emptied folder ready for the copies; false after a box.
bool prepare_folder(QWidget *parent, const QString &folder, const QString &skins_folder)
{
    QDir dir(folder);
    if (!QFileInfo(folder).exists()) {
        if (!QDir().mkpath(folder)) {
            warn(parent, QStringLiteral("Невозможно создать каталог ") + folder);
            return false;
        }
        return true;
    }
    if (!QFileInfo(folder).isDir() || !inside(folder, skins_folder)) {
        warn(parent, QStringLiteral("Невозможно создать каталог ") + folder);
        return false;
    }
    const auto answer =
        QMessageBox::warning(parent, attention, QStringLiteral("Такой каталог уже есть. Очистить его содержимое ?"),
                             QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return false;
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (!dir.remove(name)) {
            warn(parent, QStringLiteral("Невозможно удалить файл ") + folder + "/" + name);
            return false;
        }
    }
    return true;
}

} // namespace

QString create(QWidget *parent, user_prompts &ask, const QString &skins_folder, const std::array<QString, 5> &sources,
               const skin_layout &layout)
{
    for (const QString &s : sources) {
        if (s.isEmpty()) {
            QMessageBox::warning(parent, attention, QStringLiteral("Выбраны не все компоненты скина!"));
            return QString();
        }
    }
    const std::optional<QString> answer =
        ask.text(parent, QStringLiteral("Сохранение скина"), QStringLiteral("Каталог, где будет сохранен скин:"),
                 QStringLiteral("Новый скин"));
    if (!answer)
        return QString();
    const QString name = *answer;
    if (const QString problem = skin_files::name_problem(name); !problem.isEmpty()) {
        warn(parent, problem + QStringLiteral("\nСкин не сохранен."));
        return QString();
    }
    const QString folder = skins_folder + "/" + name;

    // Read every picture before the folder is touched: a picture chosen from
    // the very folder being cleaned would otherwise be deleted before it is
    // copied.
    std::array<QByteArray, 5> bytes;
    for (int i = 0; i < 5; ++i) {
        QFile f(sources[i]);
        if (!f.open(QIODevice::ReadOnly)) {
            warn(parent, QStringLiteral("Невозможно скопировать ") + sources[i]);
            return QString();
        }
        bytes[i] = f.readAll();
    }

    if (!prepare_folder(parent, folder, skins_folder))
        return QString();

    const std::array<QString, 5> names = skin_files::target_names(sources);
    for (int i = 0; i < 5; ++i) {
        if (!write_bytes(folder + "/" + names[i], bytes[i])) {
            warn(parent, QStringLiteral("Невозможно скопировать ") + sources[i]);
            return QString();
        }
    }
    const QString ini = folder + "/settings.ini";
    if (!write_bytes(ini, skin_files::settings_text(names, layout))) {
        warn(parent, QStringLiteral("Невозможно записать ") + ini);
        return QString();
    }
    qCInfo(lc_settings) << "skin written to" << folder;
    QMessageBox::information(parent, attention,
                             QStringLiteral("Скин в каталоге ") + folder + QStringLiteral(" создан."));
    return folder;
}

} // namespace skin_creation
