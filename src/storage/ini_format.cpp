#include "storage/ini_format.h"

#include "common/log.h"
#include "storage/win1251.h"
#include "storage/file_stamp.h"
#include "storage/ini_files.h"
#include "storage/ini_limits.h"
#include "storage/ini_reader.h"
#include "storage/ini_writer.h"
#include "storage/storage_notices.h"

#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QThread>

namespace ini_format {

namespace {

// What this process knows of each file in the format.
struct file_record
{
    bool has_baseline = false;
    QByteArray baseline;
    bool read_before = false;
    file_stamp read_stamp;
    bool read_unsettled = false; // maybe caught while another program wrote it
    bool read_unclean = false;   // to be kept aside before it is replaced
    bool refused = false;        // past its size limits
    QString refusal;
    bool waits_for_writer = false; // the last write was put off for another program's
    quint64 writes = 0;
};

struct registry
{
    QMutex lock;
    QHash<QString, file_record> files;
};

registry &the_registry()
{
    static registry r;
    return r;
}

QString path_of(const QIODevice &device)
{
    const auto *f = qobject_cast<const QFileDevice *>(&device);
    return f ? QFileInfo(f->fileName()).absoluteFilePath() : QString();
}

void refuse(file_record &rec, const QString &path, const QString &why)
{
    rec.refused = true;
    rec.refusal = why;
    storage_notices::tell_once(QStringLiteral("too large:") + path, why);
}

// Before replacing a file that was read while it may have been changing:
// true when it has held still since.
bool still_as_read(const QString &path, const file_record &rec)
{
    const file_stamp now = file_stamp::of(path);
    if (!now.exists)
        return true; // removed since: nothing left to write over
    if (!(now == rec.read_stamp))
        return false; // changed since: the settings library reads it again first next time
    const qint64 age = now.age_ms();
    if (age >= file_settle::settle_ms || age < -1000)
        return true;
    QThread::msleep(ulong(file_settle::settle_ms - qMax<qint64>(age, 0)));
    return file_stamp::of(path) == rec.read_stamp;
}

} // namespace

QString decode(const QByteArray &bytes)
{
    return win1251::decode(bytes);
}

QByteArray encode(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    bool escape_hex_next = false;
    for (const QChar qc : text) {
        const char16_t u = qc.unicode();
        const bool hex = (u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F');
        if (u < 0x80 && !(escape_hex_next && hex)) {
            escape_hex_next = false;
            out += char(u);
            continue;
        }
        const int b = u < 0x80 ? -1 : win1251::from_unicode(u);
        if (b >= 0) {
            out += char(b);
            escape_hex_next = false;
        } else {
            out += "\\x" + QByteArray::number(u, 16);
            escape_hex_next = escape_hex_next || u >= 0x80;
        }
    }
    return out;
}

bool read(QIODevice &device, QSettings::SettingsMap &map)
{
    const QString path = path_of(device);
    const std::optional<ini_limits> limits = ini_limits_for(path);
    registry &reg = the_registry();

    if (limits && device.size() > limits->max_bytes) {
        QMutexLocker l(&reg.lock);
        refuse(reg.files[path], path, ini_limits_refusal(path, device.size(), 0, 0));
        return true;
    }
    const QByteArray raw = device.readAll();
    ini_read_result parsed = ini_reader::read(raw);
    if (limits) {
        const QString why = ini_limits_refusal(path, raw.size(), parsed.groups, int(parsed.map.size()));
        if (!why.isEmpty()) {
            QMutexLocker l(&reg.lock);
            refuse(reg.files[path], path, why);
            return true;
        }
    }

    const auto *file = qobject_cast<const QFileDevice *>(&device);
    bool settled = true;
    bool baseline = false;
    QByteArray baseline_bytes;
    if (file && !path.isEmpty()) {
        bool again = false;
        {
            QMutexLocker l(&reg.lock);
            again = reg.files[path].read_before;
        }
        // A file read again changed under us: wait out a writer still at
        // work. The first read does not wait; a write soon after it checks.
        file_stamp stamp;
        if (again) {
            settled = file_settle::holds_still(file->handle(), raw.size(), stamp);
        } else {
            stamp = file_stamp::of(file->handle());
            settled = stamp.size == raw.size() && stamp.age_ms() >= file_settle::settle_ms;
        }
        QMutexLocker l(&reg.lock);
        file_record &rec = reg.files[path];
        rec.refused = false;
        rec.refusal.clear();
        rec.read_before = true;
        rec.read_stamp = stamp;
        rec.read_unsettled = !settled;
        if (!parsed.clean())
            rec.read_unclean = true;
        baseline = rec.has_baseline;
        baseline_bytes = rec.baseline;
    }
    if (!parsed.clean() && !path.isEmpty())
        ini_files::tell_unreadable(path, parsed);

    const bool complete = parsed.clean() && settled && (raw.isEmpty() || raw.endsWith('\n') || raw.endsWith('\r'));
    if (baseline && !complete) {
        // A damaged or half-written file is no evidence that anything was
        // removed from it: start from the baseline and take in only what
        // the file does hold, and nothing from a file still being written.
        QSettings::SettingsMap kept = ini_reader::read(baseline_bytes).map;
        if (settled)
            kept.insert(parsed.map);
        qCInfo(lc_settings).noquote() << path << (settled ? "is damaged" : "is being written by another program")
                                      << "- keys missing from it are kept";
        map.insert(kept);
        return true;
    }
    map.insert(parsed.map);
    return true;
}

bool write(QIODevice &device, const QSettings::SettingsMap &map)
{
    const QString path = path_of(device);
    registry &reg = the_registry();
    bool baseline = false;
    if (!path.isEmpty()) {
        file_record seen;
        {
            QMutexLocker l(&reg.lock);
            seen = reg.files[path];
        }
        if (seen.refused) {
            qCWarning(lc_settings).noquote() << path << "is not written:" << seen.refusal;
            return false;
        }
        if (seen.read_unsettled && !still_as_read(path, seen)) {
            QMutexLocker l(&reg.lock);
            reg.files[path].refusal = QStringLiteral("файл сейчас записывает другая программа");
            reg.files[path].waits_for_writer = true;
            qCInfo(lc_settings).noquote() << path << "is being written by another program; our changes wait";
            return false;
        }
        if (seen.read_unclean)
            ini_files::keep_aside(path);
        QMutexLocker l(&reg.lock);
        file_record &rec = reg.files[path];
        rec.read_unsettled = false;
        rec.read_unclean = false;
        rec.refusal.clear();
        rec.waits_for_writer = false;
        baseline = rec.has_baseline;
    }

    const QByteArray bytes = ini_writer::write(map);
    if (auto *file = qobject_cast<QFileDevice *>(&device); file && !QFileInfo::exists(path))
        file->setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (device.write(bytes) != bytes.size())
        return false;
    if (!path.isEmpty()) {
        QMutexLocker l(&reg.lock);
        file_record &rec = reg.files[path];
        ++rec.writes;
        if (baseline)
            rec.baseline = bytes;
    }
    return true;
}

void set_baseline(const QString &path, const QByteArray &bytes)
{
    registry &reg = the_registry();
    QMutexLocker l(&reg.lock);
    file_record &rec = reg.files[QFileInfo(path).absoluteFilePath()];
    rec.has_baseline = true;
    rec.baseline = bytes;
}

void drop_baseline(const QString &path)
{
    registry &reg = the_registry();
    QMutexLocker l(&reg.lock);
    const auto it = reg.files.find(QFileInfo(path).absoluteFilePath());
    if (it != reg.files.end()) {
        it->has_baseline = false;
        it->baseline.clear();
    }
}

void held_still(const QString &path, const file_stamp &stamp)
{
    registry &reg = the_registry();
    QMutexLocker l(&reg.lock);
    file_record &rec = reg.files[QFileInfo(path).absoluteFilePath()];
    rec.read_before = true;
    rec.read_stamp = stamp;
    rec.read_unsettled = false;
}

quint64 writes(const QString &path)
{
    registry &reg = the_registry();
    QMutexLocker l(&reg.lock);
    return reg.files.value(QFileInfo(path).absoluteFilePath()).writes;
}

QString refusal(const QString &path)
{
    registry &reg = the_registry();
    QMutexLocker l(&reg.lock);
    return reg.files.value(QFileInfo(path).absoluteFilePath()).refusal;
}

bool waits_for_writer(const QString &path)
{
    registry &reg = the_registry();
    QMutexLocker l(&reg.lock);
    return reg.files.value(QFileInfo(path).absoluteFilePath()).waits_for_writer;
}

bool refused(const QString &path)
{
    registry &reg = the_registry();
    QMutexLocker l(&reg.lock);
    return reg.files.value(QFileInfo(path).absoluteFilePath()).refused;
}

QSettings::Format format()
{
    static const QSettings::Format f = QSettings::registerFormat("ini", &read, &write);
    return f;
}

std::unique_ptr<QSettings> open(const QString &path)
{
    return std::make_unique<QSettings>(path, format());
}

} // namespace ini_format
