#pragma once
// note_index: the calendar's date notes as the search reads them, a copy
// taken on the GUI thread from the notes store (which only that thread may
// touch) and then searched anywhere. Each note's text is kept folded too,
// so a keystroke costs one pass over the texts and no folding.

#include "search/search_hit.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class notes_store;

struct note_entry
{
    QDate date;
    QString key;
    QString time; // "HH:mm" of a timed note, else empty
    QString text;
    QString folded;
};
using note_list = std::shared_ptr<const std::vector<note_entry>>;

namespace note_index {

// Every note of every date, newest date first, a date's notes in key order.
// Groups that are no date are left out: the calendar never shows them.
note_list collect(const notes_store &store);
// Builds the same from plain entries (tests, benchmarks).
note_list from(std::vector<note_entry> entries);

// Notes where every term begins a word, in the list's order; at most
// `limit` listed, all of them counted in `found`.
QList<search_hit> find(const note_list &notes, const QStringList &terms, int limit, int *found = nullptr);

} // namespace note_index
