#include "notebook/page_titles.h"

#include <QCollator>
#include <algorithm>
#include <vector>

namespace page_titles {

void sort(QList<notebook_store::page_row> &rows)
{
    QCollator collator{QLocale(QLocale::Russian, QLocale::Russia)};
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    // Keys made once per title: ten thousand titles compared pairwise by
    // the collator would take long.
    struct keyed
    {
        QCollatorSortKey key;
        notebook_store::page_row row;
    };
    std::vector<keyed> order;
    order.reserve(size_t(rows.size()));
    for (notebook_store::page_row &row : rows) {
        row.name = row.name.trimmed();
        order.push_back({collator.sortKey(row.name), row});
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const keyed &a, const keyed &b) { return a.key.compare(b.key) < 0; });
    for (qsizetype i = 0; i < rows.size(); ++i)
        rows[i] = order[size_t(i)].row;
}

} // namespace page_titles
