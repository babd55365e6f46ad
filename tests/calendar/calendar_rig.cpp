#include "calendar_rig.h"

#include "storage/ini_format.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QThread>

QByteArray notes_group(const QString &date, const QStringList &lines)
{
    return cp1251('[' + date + "]\n" + lines.join('\n') + "\n\n");
}

calendar_rig::calendar_rig(const QByteArray &notes_ini, const QDateTime &start) : clock(start)
{
    ini_format::format();
    QDir().mkpath(home.data_folder());
    if (!notes_ini.isNull())
        write_file(notes_file(), notes_ini);
    store = std::make_unique<notes_store>(notes_file(), clock);
}

namespace {
template <class F>
auto with_copy(const QString &file, F f)
{
    QTemporaryDir d;
    const QString copy = d.path() + "/copy.ini";
    QFile::copy(file, copy);
    auto s = ini_format::open(copy);
    return f(*s);
}
} // namespace

QStringList calendar_rig::on_disk(const QString &date, const QString &key) const
{
    return with_copy(notes_file(), [&](QSettings &s) { return s.value(date + '/' + key).toStringList(); });
}

QStringList calendar_rig::groups_on_disk() const
{
    return with_copy(notes_file(), [](QSettings &s) { return s.childGroups(); });
}

void calendar_rig::rewrite_file(const QByteArray &notes_ini)
{
    // A later modification time than the store's own last write.
    QThread::msleep(20);
    write_file(notes_file(), notes_ini);
}
