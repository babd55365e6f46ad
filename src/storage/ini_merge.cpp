#include "storage/ini_merge.h"

#include "common/log.h"

#include <QSet>

namespace ini_merge {

namespace {

QString canonical(const QVariant &v)
{
    if (!v.isValid())
        return QStringLiteral("\x01absent");
    if (v.metaType().id() == QMetaType::QStringList)
        return QStringLiteral("\x02") + v.toStringList().join(QChar(0x1f));
    return v.toString();
}

} // namespace

bool same(const QVariant &a, const QVariant &b)
{
    if (a.metaType() == b.metaType() && a.metaType().id() == QMetaType::QString)
        return a.toString() == b.toString();
    return canonical(a) == canonical(b);
}

ini_merge_counts merge(const QSettings::SettingsMap &base, const QSettings::SettingsMap &disk, bool removals,
                       ini_merge_side &side, const QString &path_for_log)
{
    ini_merge_counts n;
    // Only keys the other program changed need a decision: everything else
    // is either untouched or changed here alone.
    QSet<QString> outside;
    for (auto it = base.cbegin(); it != base.cend(); ++it)
        if (!same(it.value(), disk.value(it.key())))
            outside.insert(it.key());
    for (auto it = disk.cbegin(); it != disk.cend(); ++it)
        if (!base.contains(it.key()))
            outside.insert(it.key());

    for (const QString &k : std::as_const(outside)) {
        const QVariant b = base.value(k), d = disk.value(k), o = side.ours(k);
        QVariant pick = o;
        if (!d.isValid() && !removals) {
            ++n.kept_back;
        } else if (same(o, b)) {
            pick = d;
            ++n.taken_in;
        } else if (!same(d, o)) {
            ++n.conflicts;
            qCInfo(lc_settings).noquote()
                << path_for_log << ": key" << k << "was changed here and by another program; keeping" << canonical(o)
                << "over" << canonical(d);
        }
        // Every value that must end up in the file is set, so the result is
        // the same whether or not the file is read again before it is written.
        side.take(k, pick);
    }
    if (n.kept_back)
        qCWarning(lc_settings).noquote() << path_for_log << "is damaged or cut off;" << n.kept_back
                                         << "keys it lacks are kept and written back";
    return n;
}

} // namespace ini_merge
