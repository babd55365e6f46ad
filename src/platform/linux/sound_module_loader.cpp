#include "platform/linux/sound_module_loader.h"

#include "common/log.h"
#include "platform/audio_notice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace {

void output_unavailable()
{
    report_output_unavailable();
}

const sound_module_host host{sound_module_version, &output_unavailable};

} // namespace

sound_module_loader::sound_module_loader(QStringList candidates) : m_candidates(std::move(candidates)) {}

QStringList sound_module_loader::default_candidates()
{
    const QString forced = qEnvironmentVariable("ORVELLA_SOUND_MODULE");
    if (!forced.isEmpty())
        return {forced};
    QStringList c;
    if (QCoreApplication::instance())
        c << QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../lib/orvella/") +
                             QLatin1String(sound_module_file));
#ifdef ORVELLA_SOUND_MODULE_DIR
    const QString installed =
        QDir::cleanPath(QStringLiteral(ORVELLA_SOUND_MODULE_DIR "/") + QLatin1String(sound_module_file));
    if (!c.contains(installed))
        c << installed;
#endif
    return c;
}

sound_module_loader &sound_module_loader::shared()
{
    static sound_module_loader loader(default_candidates());
    return loader;
}

const sound_module_api *sound_module_loader::try_load(const QString &file, QString &why)
{
    if (!QFileInfo::exists(file)) {
        why = QStringLiteral("нет файла %1").arg(QDir::toNativeSeparators(file));
        return nullptr;
    }
    // Never unloaded: engines and their threads live in it until exit.
    QLibrary lib(file);
    if (!lib.load()) {
        why = lib.errorString();
        return nullptr;
    }
    auto entry = reinterpret_cast<sound_module_entry_fn>(lib.resolve(sound_module_entry));
    if (!entry) {
        why = QStringLiteral("%1 не модуль звука этой программы").arg(QDir::toNativeSeparators(file));
        return nullptr;
    }
    const sound_module_api *api = entry(&host);
    if (!api || api->version != sound_module_version || !api->create_engine || !api->play_tone) {
        why = QStringLiteral("%1 от другой версии программы").arg(QDir::toNativeSeparators(file));
        return nullptr;
    }
    return api;
}

const sound_module_api *sound_module_loader::api()
{
    if (m_api)
        return m_api;
    QStringList reasons;
    for (const QString &file : std::as_const(m_candidates)) {
        QString why;
        if (const sound_module_api *api = try_load(file, why)) {
            m_api = api;
            m_path = file;
            m_error.clear();
            qCInfo(lc_audio).noquote() << "sound module loaded from" << file;
            return m_api;
        }
        reasons << why;
        if (!m_reported.contains(file)) {
            m_reported.insert(file);
            qCWarning(lc_audio).noquote() << "sound module not loaded from" << file << "-" << why;
        }
    }
    if (m_candidates.isEmpty())
        reasons << QStringLiteral("не указано, где его искать");
    m_error = QStringLiteral("Не удалось загрузить модуль звука (%1): звуки не воспроизводятся.")
                  .arg(reasons.join(QStringLiteral("; ")));
    return nullptr;
}
