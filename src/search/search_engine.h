#pragma once
// search_engine: one search over the date notes and the notebook pages,
// answered at once on the calling thread. It opens its own connection on
// notebook.db, so it lives and works on one thread (the search thread in
// the program; the test's or the benchmark's own thread elsewhere).

#include "search/note_index.h"
#include "search/page_index.h"

#include <QString>
#include <memory>

class search_engine
{
public:
    // An empty file name: notes only.
    explicit search_engine(const QString &notebook_file);
    ~search_engine();
    search_engine(const search_engine &) = delete;
    search_engine &operator=(const search_engine &) = delete;

    void set_notes(note_list notes) { m_notes = std::move(notes); }

    // Indexes waiting pages for about budget_ms; the pages still waiting,
    // -1 when the notebook cannot be searched (problem() says why).
    int index(int budget_ms);
    QString problem() const { return m_problem; }

    // At most `limit` notes and `limit` pages. Pages changed by another
    // program since the last call are indexed first, within a small budget.
    search_results run(const QString &query, int limit = 100);

private:
    QString m_connection;
    std::unique_ptr<page_index> m_pages;
    bool m_pages_ready = false;
    QString m_problem;
    note_list m_notes;
};
