#pragma once
// sync_item: an event or a date note, whichever a calendar resource holds,
// with the three-way merge sync decides by.

#include "sync/ical_mapping.h"
#include "sync/sync_records.h"

#include <optional>

struct sync_item
{
    enum class kind
    {
        event,
        note
    };
    kind what = kind::note;
    event_record event;
    note_record note;

    QString uid() const { return what == kind::event ? event.uid : note.uid; }
    bool same_content(const sync_item &o) const;
    // The item as one calendar resource; empty when it cannot be one.
    QByteArray text(const ical_mapping::options &o) const;
    // Whether it can be a calendar resource at all (an event repeated
    // "after n minutes" or on no day cannot).
    bool exportable() const;
    // The moment of its last firing or showing (UTC), invalid: none.
    QDateTime acknowledged() const;
    void set_acknowledged(const QDateTime &at);
    QString label() const;
    // A visible copy of the losing side of a conflict: a new uid, the name
    // marked, and an event disabled so it does not fire twice.
    sync_item conflict_copy(const QString &machine) const;

    static sync_item of(const event_record &e);
    static sync_item of(const note_record &n);
    // The single item of a resource's text; nullopt when it holds none we take.
    static std::optional<sync_item> parse(const QByteArray &ics, QDateTime *modified = nullptr);
};

namespace sync_merge {

struct result
{
    sync_item merged;
    bool conflict = false; // both sides changed the same field
};

// Fields changed on one side only win; the later firing of the two is kept.
// When both sides changed a field differently, the side with the newer
// modification wins and `conflict` is set: the caller keeps the other as a
// copy.
result merge(const sync_item &base, const sync_item &mine, const sync_item &theirs, bool mine_newer);

} // namespace sync_merge
