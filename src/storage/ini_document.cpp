#include "storage/ini_document.h"

#include "common/log.h"
#include "storage/ini_files.h"
#include "storage/ini_limits.h"
#include "storage/ini_reader.h"
#include "storage/ini_writer.h"
#include "storage/storage_notices.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

class ini_document::side : public ini_merge_side
{
public:
    explicit side(ini_document &d) : m_d(d) {}
    QVariant ours(const QString &key) const override { return m_d.m_keys.value(key); }
    void take(const QString &key, const QVariant &value) override
    {
        if (value.isValid())
            m_d.m_keys.insert(key, value);
        else
            m_d.m_keys.remove(key);
        m_d.touch(key);
    }

private:
    ini_document &m_d;
};

namespace {

bool ends_a_line(const QByteArray &bytes)
{
    return bytes.isEmpty() || bytes.endsWith('\n') || bytes.endsWith('\r');
}

QByteArray complete_lines(const QByteArray &bytes)
{
    return bytes.left(qMax(bytes.lastIndexOf('\n'), bytes.lastIndexOf('\r')) + 1);
}

} // namespace

ini_document::ini_document(const QString &path) : m_path(QFileInfo(path).absoluteFilePath())
{
    load();
}

bool ini_document::over_limits(qint64 bytes, int groups, int keys)
{
    m_refusal = ini_limits_refusal(m_path, bytes, groups, keys);
    m_refused = !m_refusal.isEmpty();
    if (m_refused)
        storage_notices::tell_once(QStringLiteral("too large:") + m_path, m_refusal);
    return m_refused;
}

void ini_document::load()
{
    m_keys.clear();
    m_base.clear();
    m_unreadable = false;
    m_keep_aside = false;
    m_stamp = file_stamp::of(m_path);
    changed(true);
    if (!m_stamp.exists)
        return;
    if (over_limits(m_stamp.size, 0, 0))
        return;
    const file_bytes file = file_settle::read(m_path, false);
    if (!file.opened) {
        m_unreadable = true;
        qCWarning(lc_settings).noquote() << m_path << "cannot be read; it is not written over";
        return;
    }
    ini_read_result parsed = ini_reader::read(file.bytes);
    if (over_limits(file.bytes.size(), parsed.groups, int(parsed.map.size())))
        return;
    if (!parsed.clean()) {
        ini_files::tell_unreadable(m_path, parsed);
        m_keep_aside = true;
    }
    m_keys = std::move(parsed.map);
    m_base = file.bytes;
    m_base_is_ours = false;
    m_stamp = file.stamp;
    // Read without waiting; a save soon after checks that it held still.
    m_unsettled = !file.settled || file.stamp.age_ms() < file_settle::settle_ms;
}

void ini_document::changed(bool groups)
{
    ++m_revision;
    if (groups)
        m_groups_known = false;
}

void ini_document::touch(const QString &key)
{
    const qsizetype slash = key.indexOf(u'/');
    m_touched.insert(slash < 0 ? QString() : key.left(slash));
}

bool ini_document::set(const QString &key, const QVariant &value)
{
    if (m_refused)
        return false;
    const auto it = m_keys.find(key);
    if (it != m_keys.end()) {
        if (ini_merge::same(*it, value))
            return false;
        *it = value;
        touch(key);
        changed(false);
    } else {
        const qsizetype slash = key.indexOf(u'/');
        bool new_group = false;
        if (slash >= 0) {
            const QString prefix = key.left(slash + 1);
            const auto next = m_keys.lowerBound(prefix);
            new_group = next == m_keys.end() || !next.key().startsWith(prefix);
        }
        m_keys.insert(key, value);
        touch(key);
        changed(new_group);
    }
    m_unsaved = true;
    return true;
}

bool ini_document::remove(const QString &key)
{
    bool any = m_keys.remove(key) > 0;
    const QString prefix = key + u'/';
    for (auto it = m_keys.lowerBound(prefix); it != m_keys.end() && it.key().startsWith(prefix);) {
        it = m_keys.erase(it);
        any = true;
    }
    if (any) {
        touch(key);
        changed(true);
        m_unsaved = true;
    }
    return any;
}

const QStringList &ini_document::groups() const
{
    if (!m_groups_known) {
        m_groups.clear();
        QStringView last;
        for (auto it = m_keys.cbegin(); it != m_keys.cend(); ++it) {
            const qsizetype slash = it.key().indexOf(u'/');
            if (slash < 0)
                continue;
            // A group's keys follow each other in key order.
            const QStringView g = QStringView(it.key()).first(slash);
            if (g != last)
                m_groups << g.toString();
            last = g;
        }
        m_groups.sort();
        m_groups_known = true;
    }
    return m_groups;
}

QStringList ini_document::child_keys(const QString &group) const
{
    QStringList out;
    const QString prefix = group + u'/';
    for (auto it = m_keys.lowerBound(prefix); it != m_keys.cend() && it.key().startsWith(prefix); ++it) {
        const QStringView rest = QStringView(it.key()).sliced(prefix.size());
        if (!rest.contains(u'/'))
            out << rest.toString();
    }
    return out;
}

QByteArray ini_document::render_all()
{
    QList<ini_writer::section_span> spans;
    QByteArray bytes = ini_writer::write(m_keys, &spans);
    m_spans.clear();
    for (const ini_writer::section_span &s : std::as_const(spans))
        m_spans.insert(s.name, {s.offset, s.size, s.keys});
    return bytes;
}

QByteArray ini_document::render()
{
    // Copying the sections of unchanged groups makes a pass that changed a
    // few events cost the copy of the file, not the writing of every key.
    if (!m_base_is_ours || m_touched.contains(QString()) || m_spans.contains(QString()))
        return render_all();
    const QStringList &order = groups();
    QByteArray out;
    out.reserve(m_base.size() + 4096);
    QHash<QString, span> spans;
    spans.reserve(order.size());
    qsizetype total = 0;
    for (const QString &g : std::as_const(order)) {
        if (!out.isEmpty())
            out += '\n';
        const qsizetype at = out.size();
        const auto old = m_spans.constFind(g);
        qsizetype keys = 0;
        if (old != m_spans.cend() && old->keys >= 0 && !m_touched.contains(g)) {
            out.append(m_base.constData() + old->offset, old->size);
            keys = old->keys;
        } else {
            const QString prefix = g + u'/';
            const auto from = m_keys.lowerBound(prefix);
            auto to = from;
            for (; to != m_keys.cend() && to.key().startsWith(prefix); ++to)
                ++keys;
            ini_writer::append_section(out, g, from, to);
        }
        spans.insert(g, {at, out.size() - at, keys});
        total += keys;
    }
    if (total != m_keys.size())
        return render_all(); // keys at the top level
    m_spans = std::move(spans);
    return out;
}

bool ini_document::changed_on_disk() const
{
    return !(file_stamp::of(m_path) == m_stamp);
}

bool ini_document::read_for_merge(file_bytes &disk)
{
    disk = file_settle::read(m_path, true);
    if (disk.opened && disk.settled)
        return true;
    if (!disk.opened && !file_stamp::of(m_path).exists)
        return true; // removed: a merge with an empty file
    ++m_waits;
    qCInfo(lc_settings).noquote() << m_path
                                  << (disk.opened ? "is being written by another program; read later"
                                                  : "cannot be read; read later");
    return false;
}

void ini_document::merge(const file_bytes &disk)
{
    if (m_refused || m_unreadable) {
        // Nothing of ours to merge with: read it afresh.
        load();
        return;
    }
    ++m_merges;
    // A last line without its line break may be cut off in the middle of a
    // value: it is left out, as if it were not there yet.
    const bool whole = ends_a_line(disk.bytes);
    const ini_read_result parsed = ini_reader::read(whole ? disk.bytes : complete_lines(disk.bytes));
    if (over_limits(disk.bytes.size(), parsed.groups, int(parsed.map.size()))) {
        m_keys.clear();
        changed(true);
        return;
    }
    if (!parsed.clean()) {
        ini_files::tell_unreadable(m_path, parsed);
        m_keep_aside = true;
    }
    // A file removed outright is a removal of everything in it; a damaged
    // one, or one whose last line is cut off, says nothing about what is
    // missing from it.
    const bool removals = !disk.opened || (parsed.clean() && whole);
    side ours(*this);
    const ini_merge_counts n = ini_merge::merge(ini_reader::read(m_base).map, parsed.map, removals, ours, m_path);
    m_counts.taken_in += n.taken_in;
    m_counts.conflicts += n.conflicts;
    m_counts.kept_back += n.kept_back;
    // Ours differs from the file where we kept it: it has to be written.
    if (n.conflicts || n.kept_back)
        m_unsaved = true;
    m_base = disk.bytes;
    m_base_is_ours = false;
    m_stamp = disk.opened ? disk.stamp : file_stamp{};
    m_unsettled = false;
    changed(true);
}

bool ini_document::refresh()
{
    if (!changed_on_disk())
        return false;
    file_bytes disk;
    if (!read_for_merge(disk))
        return false;
    merge(disk);
    if (m_unsaved)
        save();
    return true;
}

ini_write_outcome ini_document::save()
{
    if (changed_on_disk()) {
        file_bytes disk;
        if (!read_for_merge(disk))
            return m_unsaved ? ini_write_outcome::deferred : ini_write_outcome::written;
        merge(disk);
    }
    if (!m_unsaved)
        return ini_write_outcome::written;
    QString why;
    if (m_refused) {
        why = m_refusal;
    } else if (m_unreadable) {
        why = QStringLiteral("его не удалось прочитать, и он не будет записан поверх");
    } else if (m_unsettled) {
        // Read just after another program changed it: make sure it was not
        // still at work.
        const qint64 age = m_stamp.age_ms();
        if (age >= 0 && age < file_settle::settle_ms)
            QThread::msleep(ulong(file_settle::settle_ms - age));
        if (changed_on_disk()) {
            ++m_waits;
            return ini_write_outcome::deferred; // the next save merges it first
        }
        m_unsettled = false;
    }
    if (why.isEmpty()) {
        if (m_keep_aside && file_stamp::of(m_path).exists)
            ini_files::keep_aside(m_path);
        m_keep_aside = false;
        QElapsedTimer t;
        t.start();
        const QByteArray bytes = render();
        m_last_save.render_ns = t.nsecsElapsed();
        QString error;
        const bool saved = ini_files::save(m_path, bytes, &error);
        m_last_save.write_ns = t.nsecsElapsed() - m_last_save.render_ns;
        if (saved) {
            m_base = bytes;
            m_base_is_ours = true;
            m_touched.clear();
            m_stamp = file_stamp::of(m_path);
            m_unsaved = false;
            if (m_failing) {
                qCInfo(lc_settings).noquote() << m_path << "written at last";
                ini_files::written_again(m_path);
                m_failing = false;
            }
            return ini_write_outcome::written;
        }
        why = ini_files::why_unwritable(m_path);
        qCWarning(lc_settings).noquote() << "cannot write" << m_path << ":" << error;
    }
    m_failing = true;
    ini_files::tell_unwritable(m_path, why);
    return ini_write_outcome::failed;
}

ini_write_outcome ini_document::save_at_exit()
{
    ini_write_outcome done = save();
    for (int i = 0; i < 20 && done == ini_write_outcome::deferred; ++i) {
        QThread::msleep(file_settle::settle_ms);
        done = save();
    }
    return done;
}
