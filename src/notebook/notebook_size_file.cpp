#include "notebook/notebook_size_file.h"

#include <QFile>
#include <QSaveFile>

namespace notebook_size_file {

layout parse(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return {};
    const int n = static_cast<unsigned char>(bytes.at(0));
    return {bytes.mid(1, n), bytes.mid(1 + n)};
}

std::optional<QByteArray> compose(const layout &l)
{
    if (l.geometry.size() > 255)
        return std::nullopt;
    QByteArray out;
    out.append(char(static_cast<unsigned char>(l.geometry.size())));
    out.append(l.geometry);
    out.append(l.state);
    return out;
}

save_result save(const QString &path, const layout &l, QString *error)
{
    const std::optional<QByteArray> bytes = compose(l);
    if (!bytes)
        return save_result::too_long;
    // Written whole or not at all: a crash mid-write keeps the old file.
    const bool fresh = !QFile::exists(path);
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) {
        if (error)
            *error = f.errorString();
        return save_result::failed;
    }
    // A new file is the user's alone; an existing one keeps its mode.
    if (fresh)
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    if (f.write(*bytes) != bytes->size() || !f.commit()) {
        if (error)
            *error = f.errorString();
        return save_result::failed;
    }
    return save_result::written;
}

std::optional<layout> load(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    // Far more than any real geometry and state; a huge file is not ours.
    // (read(n) would reserve all n bytes whatever the file's size.)
    constexpr qint64 limit = 1 << 20;
    return parse(f.read(qMin(limit, qMax<qint64>(f.size(), 0))));
}

} // namespace notebook_size_file
