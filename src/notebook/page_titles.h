#pragma once
// The order of the notebook's page list: as a Russian reader looks for a
// title — "2 дела" before "10 дел", "Банан" before "Ёлка", case aside —
// with equal titles in database order. Titles are trimmed.

#include "notebook/notebook_store.h"

namespace page_titles {

void sort(QList<notebook_store::page_row> &rows);

} // namespace page_titles
