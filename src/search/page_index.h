#pragma once
// page_index: the notebook's full-text index, an FTS5 table inside
// notebook.db beside the notebook table, which it leaves exactly as it is.
//
// Triggers on the notebook table put the id of every page inserted,
// changed or deleted into a queue table; refresh() takes pages from the
// queue and writes their folded text into the index. The triggers use
// nothing but plain SQL, so every program that writes the file keeps the
// queue right: an older copy of this program, one on an SQLite without
// FTS5, the sqlite3 shell. Computing the folded text (HTML to text, lower
// case, "ё" as "е") needs this program's code, so it cannot run inside a
// trigger: a trigger calling a function of ours would make every write of
// such a program fail. The queue is drained before each search, so what a
// search reads is never behind the notebook table.

#include "search/search_hit.h"

#include <QString>
#include <QStringList>

class page_index
{
public:
    // connection: an open QSQLITE connection on notebook.db, used from the
    // thread that opened it.
    explicit page_index(QString connection);

    // Creates the index, the queue and the triggers where they are missing;
    // a new index queues every page. False (and problem() says why) when
    // the file cannot hold an index.
    bool ensure();
    // Pages waiting to be indexed; -1 when the queue cannot be read.
    int pending() const;
    // Indexes queued pages for about `budget_ms`, in short transactions so
    // the notebook's own writes are never kept waiting long. Returns the
    // pages still queued, -1 on failure.
    int refresh(int budget_ms);

    // Pages where every term begins a word of the title, the text or the
    // caption, newest first; at most `limit`. more: there are others.
    QList<search_hit> find(const QStringList &terms, int limit, bool *more = nullptr) const;

    QString problem() const { return m_problem; }

    static QString table() { return QStringLiteral("notebook_search"); }
    static QString queue_table() { return QStringLiteral("notebook_search_queue"); }
    // The FTS5 query for terms: each a word prefix, all required.
    static QString match_expression(const QStringList &terms);

private:
    bool index_page(qint64 id);

    QString m_connection;
    QString m_problem;
};
