#pragma once
// Finds and loads the sound module (sound_module.h) on first use. The
// program asks the shared loader; tests give a loader their own places to
// look. Loading is tried again after a failure (a module installed while
// the program runs is found), but a failure is logged once per place.

#include "platform/linux/sound_module.h"

#include <QSet>
#include <QString>
#include <QStringList>

class sound_module_loader
{
public:
    explicit sound_module_loader(QStringList candidates);

    // Null when no candidate loads; error() says why, in Russian.
    const sound_module_api *api();
    const QString &error() const { return m_error; }
    // Where the loaded module came from.
    const QString &path() const { return m_path; }

    // ORVELLA_SOUND_MODULE when set, else beside the program
    // (<bin>/../lib/orvella, the build tree and an installation alike),
    // else the configured installation's library folder.
    static QStringList default_candidates();
    static sound_module_loader &shared();

private:
    const sound_module_api *try_load(const QString &file, QString &why);

    QStringList m_candidates;
    const sound_module_api *m_api = nullptr;
    QString m_error;
    QString m_path;
    QSet<QString> m_reported;
};
