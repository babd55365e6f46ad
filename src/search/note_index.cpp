#include "search/note_index.h"

#include "calendar/notes_store.h"

#include <algorithm>

namespace note_index {

note_list from(std::vector<note_entry> entries)
{
    for (note_entry &e : entries) {
        if (e.folded.isEmpty())
            e.folded = search_text::fold(e.text);
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const note_entry &a, const note_entry &b) { return a.date > b.date; });
    return std::make_shared<const std::vector<note_entry>>(std::move(entries));
}

note_list collect(const notes_store &store)
{
    std::vector<note_entry> entries;
    for (const QString &group : store.dates()) {
        const QDate d = notes_store::parse_date(group);
        if (!d.isValid())
            continue;
        for (const QString &key : store.keys(group)) {
            // Filled over the editor's defaults, as the calendar shows it.
            const QStringList r =
                notes_store::fill({QStringLiteral("Новая заметка"), QStringLiteral("0"), QStringLiteral("00:00")},
                                  store.read(group, key));
            note_entry e;
            e.date = d;
            e.key = key;
            e.text = r.at(0);
            if (r.at(1) == QStringLiteral("2"))
                e.time = r.at(2);
            entries.push_back(std::move(e));
        }
    }
    return from(std::move(entries));
}

QList<search_hit> find(const note_list &notes, const QStringList &terms, int limit, int *found)
{
    QList<search_hit> hits;
    int count = 0;
    if (notes && !terms.isEmpty()) {
        for (const note_entry &e : *notes) {
            if (!search_text::matches_all(e.folded, terms))
                continue;
            ++count;
            if (hits.size() >= limit)
                continue;
            search_hit h;
            h.what = search_hit::kind::note;
            h.date = e.date;
            h.key = e.key;
            QString place = notes_store::date_name(e.date);
            if (!e.time.isEmpty())
                place += u' ' + e.time;
            h.place = {place, {}};
            h.snippet = search_text::snippet(e.text, terms);
            hits << h;
        }
    }
    if (found)
        *found = count;
    return hits;
}

} // namespace note_index
