#include "sync/sync_item.h"

#include "storage/alarm_keys.h"

#include <algorithm>

bool sync_item::same_content(const sync_item &o) const
{
    if (what != o.what)
        return false;
    return what == kind::event ? event.same_content(o.event) : note.same_content(o.note);
}

QByteArray sync_item::text(const ical_mapping::options &o) const
{
    return what == kind::event ? ical_mapping::item(event, o) : ical_mapping::item(note, o);
}

bool sync_item::exportable() const
{
    if (what == kind::note)
        return true;
    const auto any = [](const auto &flags) { return std::find(flags.begin(), flags.end(), true) != flags.end(); };
    switch (event.repeat) {
    case event_keys::once:
    case event_keys::yearly:
    case event_keys::minute_cycle:
        return true;
    case event_keys::daily:
        return any(event.days);
    case event_keys::monthly:
        return any(event.months);
    default:
        return false;
    }
}

QDateTime sync_item::acknowledged() const
{
    return what == kind::event ? event.last_fired : note.shown_at;
}

void sync_item::set_acknowledged(const QDateTime &at)
{
    (what == kind::event ? event.last_fired : note.shown_at) = at;
}

QString sync_item::label() const
{
    return what == kind::event ? QStringLiteral("событие «%1»").arg(event.name)
                               : QStringLiteral("заметка %1 «%2»")
                                     .arg(note.date.toString(QStringLiteral("dd.MM.yyyy")),
                                          note.text.section(u'\n', 0, 0).left(40));
}

sync_item sync_item::conflict_copy(const QString &machine) const
{
    const QString mark = QStringLiteral("(конфликт) ");
    sync_item c = *this;
    if (what == kind::event) {
        c.event.uid = sync_records::new_uid(machine);
        c.event.key.clear();
        c.event.name = mark + event.name;
        c.event.disabled = true;
    } else {
        c.note.uid = sync_records::new_uid(machine);
        c.note.key.clear();
        c.note.text = mark + note.text;
        // A copy must not ring a second time.
        c.note.shown_at = note.shown_at.isValid() ? note.shown_at : QDateTime::currentDateTimeUtc();
    }
    return c;
}

sync_item sync_item::of(const event_record &e)
{
    sync_item i;
    i.what = kind::event;
    i.event = e;
    return i;
}

sync_item sync_item::of(const note_record &n)
{
    sync_item i;
    i.what = kind::note;
    i.note = n;
    return i;
}

std::optional<sync_item> sync_item::parse(const QByteArray &ics, QDateTime *modified)
{
    const ical_mapping::parsed p = ical_mapping::parse(ics);
    if (!p.ok)
        return std::nullopt;
    std::optional<sync_item> out;
    if (!p.events.isEmpty())
        out = of(p.events.first());
    else if (!p.notes.isEmpty())
        out = of(p.notes.first());
    if (out && modified)
        *modified = p.modified.value(out->uid());
    return out;
}

namespace sync_merge {

namespace {

template <class R, class F>
void field(R &out, const R &base, const R &mine, const R &theirs, F R::*f, bool mine_newer, bool &conflict)
{
    if (mine.*f == theirs.*f)
        out.*f = mine.*f;
    else if (mine.*f == base.*f)
        out.*f = theirs.*f;
    else if (theirs.*f == base.*f)
        out.*f = mine.*f;
    else {
        conflict = true;
        out.*f = mine_newer ? mine.*f : theirs.*f;
    }
}

QDateTime later(const QDateTime &a, const QDateTime &b)
{
    if (!a.isValid())
        return b;
    if (!b.isValid())
        return a;
    return a > b ? a : b;
}

} // namespace

result merge(const sync_item &base, const sync_item &mine, const sync_item &theirs, bool mine_newer)
{
    result r;
    r.merged = mine;
    bool c = false;
    if (mine.what != theirs.what || base.what != mine.what) {
        // An event on one side and a note on the other: no field is shared.
        r.merged = mine_newer ? mine : theirs;
        r.conflict = true;
        return r;
    }
    if (mine.what == sync_item::kind::event) {
        event_record &o = r.merged.event;
        const event_record &b = base.event, &m = mine.event, &t = theirs.event;
        field(o, b, m, t, &event_record::name, mine_newer, c);
        field(o, b, m, t, &event_record::message, mine_newer, c);
        field(o, b, m, t, &event_record::sound, mine_newer, c);
        field(o, b, m, t, &event_record::run_file, mine_newer, c);
        field(o, b, m, t, &event_record::run_arg, mine_newer, c);
        field(o, b, m, t, &event_record::run_cat, mine_newer, c);
        field(o, b, m, t, &event_record::repeat, mine_newer, c);
        field(o, b, m, t, &event_record::date, mine_newer, c);
        field(o, b, m, t, &event_record::time, mine_newer, c);
        field(o, b, m, t, &event_record::repeat_min, mine_newer, c);
        field(o, b, m, t, &event_record::days, mine_newer, c);
        field(o, b, m, t, &event_record::months, mine_newer, c);
        field(o, b, m, t, &event_record::beep, mine_newer, c);
        field(o, b, m, t, &event_record::disabled, mine_newer, c);
        field(o, b, m, t, &event_record::do_find, mine_newer, c);
        field(o, b, m, t, &event_record::origin, mine_newer, c);
        field(o, b, m, t, &event_record::run_everywhere, mine_newer, c);
        o.last_fired = later(m.last_fired, t.last_fired);
        o.key = m.key;
    } else {
        note_record &o = r.merged.note;
        const note_record &b = base.note, &m = mine.note, &t = theirs.note;
        field(o, b, m, t, &note_record::text, mine_newer, c);
        field(o, b, m, t, &note_record::date, mine_newer, c);
        field(o, b, m, t, &note_record::timed, mine_newer, c);
        field(o, b, m, t, &note_record::time, mine_newer, c);
        o.shown_at = later(m.shown_at, t.shown_at);
        o.key = m.key;
    }
    r.conflict = c;
    return r;
}

} // namespace sync_merge
