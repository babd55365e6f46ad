#include "notebook/page_draft.h"

#include "notebook/notebook_log.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QSaveFile>
#include <algorithm>

namespace {

constexpr quint32 magic = 0x4f52'4446; // "ORDF"
constexpr quint16 version = 1;
const QString suffix = QStringLiteral(".draft");
// A draft is never larger than the largest page plus its caption.
constexpr qint64 largest_file = 80LL * 1024 * 1024;

} // namespace

namespace page_draft_files {

QByteArray encode(const page_draft &d)
{
    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s.setVersion(QDataStream::Qt_6_0);
    s << magic << version << d.page << d.title << d.image << d.written << d.html << d.body << d.picture_as_stored
      << d.has_caption << d.caption << d.x << d.y << d.rotation << d.z << d.font << d.color;
    return out;
}

std::optional<page_draft> decode(const QByteArray &bytes)
{
    QDataStream s(bytes);
    s.setVersion(QDataStream::Qt_6_0);
    quint32 m = 0;
    quint16 v = 0;
    s >> m >> v;
    if (m != magic || v != version)
        return std::nullopt;
    page_draft d;
    s >> d.page >> d.title >> d.image >> d.written >> d.html >> d.body >> d.picture_as_stored >> d.has_caption >>
        d.caption >> d.x >> d.y >> d.rotation >> d.z >> d.font >> d.color;
    if (s.status() != QDataStream::Ok || d.page < 0)
        return std::nullopt;
    return d;
}

QString new_file_name(qint64 page, const QDateTime &now)
{
    return QStringLiteral("page-%1-%2").arg(page).arg(now.toMSecsSinceEpoch()) + suffix;
}

bool write(const QString &folder, const page_draft &d, QString *error)
{
    QDir dir(folder);
    if (!dir.exists()) {
        QDir().mkpath(QFileInfo(folder).absolutePath());
        if (!QDir().mkdir(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner) && !dir.exists()) {
            if (error)
                *error = QStringLiteral("cannot create ") + folder;
            return false;
        }
    }
    QSaveFile f(dir.filePath(d.file));
    if (!f.open(QIODevice::WriteOnly)) {
        if (error)
            *error = f.errorString();
        return false;
    }
    // The temporary file is the one renamed into place: private from the start.
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    const QByteArray bytes = encode(d);
    if (f.write(bytes) != bytes.size() || !f.commit()) {
        if (error)
            *error = f.errorString();
        return false;
    }
    return true;
}

void remove(const QString &folder, const QString &file)
{
    if (file.isEmpty())
        return;
    const QString path = QDir(folder).filePath(file);
    if (QFile::exists(path) && !QFile::remove(path))
        qCWarning(lc_notebook) << "cannot remove the draft" << path;
}

QList<page_draft> read_all(const QString &folder)
{
    QList<page_draft> out;
    const QDir dir(folder);
    for (const QFileInfo &info : dir.entryInfoList({QStringLiteral("*") + suffix}, QDir::Files)) {
        if (info.size() > largest_file) {
            qCWarning(lc_notebook) << "not a draft (too large), left alone:" << info.filePath();
            continue;
        }
        QFile f(info.filePath());
        std::optional<page_draft> d;
        if (f.open(QIODevice::ReadOnly))
            d = decode(f.readAll());
        if (!d) {
            qCWarning(lc_notebook) << "unreadable draft left alone:" << info.filePath();
            continue;
        }
        d->file = info.fileName();
        out.append(*d);
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const page_draft &a, const page_draft &b) { return a.written < b.written; });
    return out;
}

} // namespace page_draft_files
