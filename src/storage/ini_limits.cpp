#include "storage/ini_limits.h"

#include <QFileInfo>

namespace {

// alarm.ini: every event is walked on every 5-second pass; 5000 events
// keep a pass near a millisecond and its write in tens of milliseconds.
constexpr ini_limits alarm_limits{8LL << 20, 5000, 0};
// my_notes.ini: 200 000 notes are ten notes a day for fifty years; 32 MB
// leaves room for a few very long notes and keeps the process far from
// a gigabyte.
constexpr ini_limits notes_limits{32LL << 20, 0, 200000};

QString megabytes(qint64 bytes)
{
    return QString::number(double(bytes) / (1 << 20), 'f', bytes < (10 << 20) ? 1 : 0) + QStringLiteral(" МБ");
}

} // namespace

std::optional<ini_limits> ini_limits_for(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    if (name == QLatin1String("alarm.ini"))
        return alarm_limits;
    if (name == QLatin1String("my_notes.ini"))
        return notes_limits;
    return std::nullopt;
}

QString ini_limits_refusal(const QString &path, qint64 bytes, int groups, int keys)
{
    const std::optional<ini_limits> l = ini_limits_for(path);
    if (!l)
        return {};
    const QString name = QFileInfo(path).fileName();
    const bool alarms = name == QLatin1String("alarm.ini");
    QString what;
    if (bytes > l->max_bytes)
        what = QStringLiteral("%1, а программа читает не больше %2").arg(megabytes(bytes), megabytes(l->max_bytes));
    else if (l->max_groups && groups > l->max_groups)
        what = QStringLiteral("%1 событий, а программа читает не больше %2").arg(groups).arg(l->max_groups);
    else if (l->max_keys && keys > l->max_keys)
        what = QStringLiteral("%1 заметок, а программа читает не больше %2").arg(keys).arg(l->max_keys);
    else
        return {};
    return QStringLiteral("Файл %1 слишком велик (%2). Он не прочитан и не будет изменён: %3, пока файл не "
                          "станет меньше.")
        .arg(QFileInfo(path).absoluteFilePath(), what,
             alarms ? QStringLiteral("события из него не срабатывают") : QStringLiteral("заметки из него не видны"));
}
