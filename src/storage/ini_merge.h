#pragma once
// The three-way merge of a settings file another program changed: from
// `base` (the file as we last read or wrote it) to `disk` (the file now),
// with our own values on the other side. A key changed only on disk takes
// the disk's value, a key changed only here keeps ours, a key changed on
// both sides keeps ours (logged). A key missing from the disk is removed
// only when the read is evidence of a removal; otherwise ours stays and is
// written back.

#include <QSettings>
#include <QString>
#include <QVariant>

// What a write of settings came to.
enum class ini_write_outcome
{
    written,  // on disk (or nothing to write)
    deferred, // another program is writing the file; tried again later
    failed    // the file cannot be written; the changes stay in memory
};

// Our side of a merge.
class ini_merge_side
{
public:
    virtual ~ini_merge_side() = default;
    virtual QVariant ours(const QString &key) const = 0;
    // Sets (an invalid value: removes) a key that must end up so in the file.
    virtual void take(const QString &key, const QVariant &value) = 0;
};

struct ini_merge_counts
{
    int taken_in = 0;
    int conflicts = 0;
    int kept_back = 0;
};

namespace ini_merge {

// Values as the file would hold them: read back as text, set as numbers.
bool same(const QVariant &a, const QVariant &b);

// `removals`: the disk read is complete and clean, so a missing key was
// removed there.
ini_merge_counts merge(const QSettings::SettingsMap &base, const QSettings::SettingsMap &disk, bool removals,
                       ini_merge_side &side, const QString &path_for_log);

} // namespace ini_merge
