#include "search/search_engine.h"

#include "search/search_log.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>

// Opened hits log at debug level: QT_LOGGING_RULES="orvella.search.debug=true".
Q_LOGGING_CATEGORY(lc_search, "orvella.search", QtInfoMsg)

namespace {

// What a keystroke may spend on pages another program changed meanwhile;
// the rest is indexed between keystrokes.
constexpr int keystroke_index_budget_ms = 10;

} // namespace

search_engine::search_engine(const QString &notebook_file)
    : m_connection(QStringLiteral("orvella_search_%1").arg(quintptr(this)))
{
    if (notebook_file.isEmpty())
        return;
    // Opening a missing file would create an empty one in its place; the
    // notebook seeds it, not the search.
    if (!QFile::exists(notebook_file)) {
        m_problem = QStringLiteral("Нет базы блокнота ") + notebook_file;
        return;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(notebook_file);
    // Off the GUI thread: waiting for the notebook's own writes is fine.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    if (!db.open()) {
        m_problem = QStringLiteral("База блокнота не открывается: ") + db.lastError().text();
        qCWarning(lc_search).noquote() << m_problem;
        return;
    }
    m_pages = std::make_unique<page_index>(m_connection);
    m_pages_ready = m_pages->ensure();
    if (!m_pages_ready) {
        m_problem = m_pages->problem();
        qCWarning(lc_search).noquote() << m_problem;
    }
}

search_engine::~search_engine()
{
    m_pages.reset();
    if (QSqlDatabase::contains(m_connection)) {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
}

int search_engine::index(int budget_ms)
{
    if (!m_pages)
        return -1;
    if (!m_pages_ready) {
        // The file may have become writable or free since.
        m_pages_ready = m_pages->ensure();
        m_problem = m_pages->problem();
        if (!m_pages_ready)
            return -1;
    }
    const int left = m_pages->refresh(budget_ms);
    if (left < 0)
        qCWarning(lc_search) << "the search index could not be brought up to date now";
    return left;
}

search_results search_engine::run(const QString &query, int limit)
{
    QElapsedTimer timer;
    timer.start();
    search_results r;
    r.query = query;
    const QStringList terms = search_text::terms(query);
    r.hits = note_index::find(m_notes, terms, limit, &r.notes);
    r.more_notes = r.notes > int(r.hits.size());
    if (m_pages && !terms.isEmpty()) {
        r.indexing = index(keystroke_index_budget_ms);
        if (m_pages_ready) {
            const QList<search_hit> pages = m_pages->find(terms, limit, &r.more_pages);
            r.pages = int(pages.size());
            r.hits += pages;
        }
    }
    r.problem = m_problem;
    r.milliseconds = timer.nsecsElapsed() / 1e6;
    return r;
}
