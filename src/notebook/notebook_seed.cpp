#include "notebook/notebook_seed.h"

#include "notebook/notebook_log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace notebook_seed {

result ensure(const QString &database, const QString &seed)
{
    QFileInfo info(database);
    if (info.exists() && info.size() != 0)
        return {outcome::kept, {}};
    if (info.exists() && !QFile::remove(database))
        qCWarning(lc_notebook) << "cannot remove the empty" << database;
    QDir().mkpath(info.absolutePath());
    if (!seed.isEmpty() && !QFile::exists(database) && QFile::copy(seed, database)) {
        // The copy takes the installed seed's mode (read-only, readable by
        // all); the user's notebook is writable and private.
        QFile::setPermissions(database, QFile::ReadOwner | QFile::WriteOwner);
        qCInfo(lc_notebook) << "seeded" << database << "from" << seed;
        return {outcome::copied, {}};
    }
    const QString shown = seed.isEmpty() ? QStringLiteral("./app_data/notebook.db") : seed;
    return {outcome::failed, QStringLiteral("Невозможно скопировать ") + shown + QStringLiteral(" в\n") + database};
}

} // namespace notebook_seed
