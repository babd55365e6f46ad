#include "search/page_index.h"

#include "search/search_log.h"

#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

// Shown text kept per page for snippets; the index itself holds all of it.
constexpr int shown_limit = 1 << 18;
// The longest a write transaction of the index lasts: the notebook waits
// this long at most when it saves meanwhile.
constexpr int transaction_slice_ms = 15;

bool exec(QSqlQuery &q, const QString &sql, QString *error = nullptr)
{
    if (q.exec(sql))
        return true;
    qCWarning(lc_search).noquote() << "index statement failed:" << sql << q.lastError().text();
    if (error)
        *error = q.lastError().text();
    return false;
}

bool has_object(QSqlDatabase &db, const QString &type, const QString &name)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = ? AND name = ?"));
    q.addBindValue(type);
    q.addBindValue(name);
    return q.exec() && q.next();
}

} // namespace

page_index::page_index(QString connection) : m_connection(std::move(connection)) {}

QString page_index::match_expression(const QStringList &terms)
{
    QStringList parts;
    for (const QString &t : terms) {
        QString quoted = t;
        quoted.replace(u'"', QStringLiteral("\"\""));
        parts << u'"' + quoted + QStringLiteral("\"*");
    }
    return parts.join(QStringLiteral(" AND "));
}

bool page_index::ensure()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    m_problem.clear();
    if (!has_object(db, QStringLiteral("table"), QStringLiteral("notebook"))) {
        m_problem = QStringLiteral("В базе блокнота нет таблицы страниц");
        return false;
    }
    const bool have_index = has_object(db, QStringLiteral("table"), table());
    const bool have_queue = has_object(db, QStringLiteral("table"), queue_table());
    const QStringList triggers = {QStringLiteral("notebook_search_added"), QStringLiteral("notebook_search_changed"),
                                  QStringLiteral("notebook_search_removed")};
    bool have_triggers = true;
    for (const QString &t : triggers)
        have_triggers = have_triggers && has_object(db, QStringLiteral("trigger"), t);
    if (have_index && have_queue && have_triggers)
        return true;

    QSqlQuery q(db);
    QString error;
    if (!exec(q, QStringLiteral("BEGIN IMMEDIATE"), &error)) {
        m_problem = QStringLiteral("Индекс поиска не создан: ") + error;
        return false;
    }
    // Each id once: a page changed many times before a refresh is indexed once.
    bool ok =
        exec(q, QStringLiteral("CREATE TABLE IF NOT EXISTS notebook_search_queue (id INTEGER PRIMARY KEY)"), &error);
    // title and body hold the folded text the words are looked up in;
    // heading and shown the text as the list shows it. Diacritics are kept
    // as they are: "й" is no "и".
    ok = ok && (have_index ||
                exec(q,
                     QStringLiteral("CREATE VIRTUAL TABLE notebook_search USING fts5(title, body, heading UNINDEXED, "
                                    "shown UNINDEXED, picture UNINDEXED, "
                                    "tokenize = 'unicode61 remove_diacritics 0', prefix = '1 2 3')"),
                     &error));
    ok = ok && exec(q,
                    QStringLiteral("CREATE TRIGGER IF NOT EXISTS notebook_search_added AFTER INSERT ON notebook "
                                   "BEGIN INSERT OR IGNORE INTO notebook_search_queue (id) VALUES (new.id); END"),
                    &error);
    ok = ok && exec(q,
                    QStringLiteral("CREATE TRIGGER IF NOT EXISTS notebook_search_changed "
                                   "AFTER UPDATE OF id, name, data, image, comment ON notebook "
                                   "BEGIN INSERT OR IGNORE INTO notebook_search_queue (id) VALUES (old.id); "
                                   "INSERT OR IGNORE INTO notebook_search_queue (id) VALUES (new.id); END"),
                    &error);
    ok = ok && exec(q,
                    QStringLiteral("CREATE TRIGGER IF NOT EXISTS notebook_search_removed AFTER DELETE ON notebook "
                                   "BEGIN INSERT OR IGNORE INTO notebook_search_queue (id) VALUES (old.id); END"),
                    &error);
    // Whatever happened while part of this was missing is unknown: every
    // page is looked at again.
    ok = ok &&
         exec(q, QStringLiteral("INSERT OR IGNORE INTO notebook_search_queue (id) SELECT id FROM notebook"), &error);
    if (ok && have_index)
        ok = exec(q,
                  QStringLiteral("INSERT OR IGNORE INTO notebook_search_queue (id) SELECT rowid FROM notebook_search"),
                  &error);
    if (!ok || !exec(q, QStringLiteral("COMMIT"), &error)) {
        exec(q, QStringLiteral("ROLLBACK"));
        m_problem = error.contains(QStringLiteral("fts5"), Qt::CaseInsensitive)
                        ? QStringLiteral("SQLite этой системы не умеет полнотекстовый поиск (FTS5)")
                        : QStringLiteral("Индекс поиска не создан: ") + error;
        return false;
    }
    qCInfo(lc_search) << "search index created in" << db.databaseName();
    return true;
}

int page_index::pending() const
{
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    if (!q.exec(QStringLiteral("SELECT count(*) FROM notebook_search_queue")) || !q.next())
        return -1;
    return q.value(0).toInt();
}

bool page_index::index_page(qint64 id)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery read(db);
    read.setForwardOnly(true);
    // A picture's bytes are never read: only its caption is text.
    read.prepare(QStringLiteral(
        "SELECT name, CASE WHEN image THEN NULL ELSE data END, image, comment FROM notebook WHERE id = ?"));
    read.addBindValue(id);
    if (!read.exec())
        return false;
    QSqlQuery write(db);
    write.prepare(QStringLiteral("DELETE FROM notebook_search WHERE rowid = ?"));
    write.addBindValue(id);
    if (!write.exec())
        return false;
    if (!read.next())
        return true; // deleted
    const QString heading = read.value(0).toString().trimmed();
    const bool picture = read.value(2).toBool();
    const QString body =
        picture ? read.value(3).toString().simplified() : search_text::page_text(read.value(1).toByteArray());
    read.finish();
    write.prepare(QStringLiteral(
        "INSERT INTO notebook_search (rowid, title, body, heading, shown, picture) VALUES (?, ?, ?, ?, ?, ?)"));
    write.addBindValue(id);
    write.addBindValue(search_text::fold(heading));
    write.addBindValue(search_text::fold(body));
    write.addBindValue(heading);
    write.addBindValue(body.left(shown_limit));
    write.addBindValue(picture ? 1 : 0);
    return write.exec();
}

int page_index::refresh(int budget_ms)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QElapsedTimer whole;
    whole.start();
    for (;;) {
        QList<qint64> ids;
        {
            QSqlQuery q(db);
            q.setForwardOnly(true);
            if (!q.exec(QStringLiteral("SELECT id FROM notebook_search_queue LIMIT 256")))
                return -1;
            while (q.next())
                ids << q.value(0).toLongLong();
        }
        if (ids.isEmpty())
            return 0;
        QSqlQuery q(db);
        if (!exec(q, QStringLiteral("BEGIN IMMEDIATE")))
            return -1;
        QElapsedTimer slice;
        slice.start();
        QSqlQuery done(db);
        done.prepare(QStringLiteral("DELETE FROM notebook_search_queue WHERE id = ?"));
        bool ok = true;
        for (qint64 id : ids) {
            // Read inside the transaction: nobody changes the page meanwhile.
            ok = index_page(id);
            if (ok) {
                done.addBindValue(id);
                ok = done.exec();
            }
            if (!ok) {
                qCWarning(lc_search) << "page" << id << "not indexed:" << db.lastError().text();
                break;
            }
            if (slice.elapsed() >= transaction_slice_ms)
                break;
        }
        if (!ok || !exec(q, QStringLiteral("COMMIT"))) {
            exec(q, QStringLiteral("ROLLBACK"));
            return -1;
        }
        if (whole.elapsed() >= budget_ms)
            return pending();
    }
}

QList<search_hit> page_index::find(const QStringList &terms, int limit, bool *more) const
{
    QList<search_hit> hits;
    if (more)
        *more = false;
    if (terms.isEmpty())
        return hits;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT rowid, heading, shown, picture FROM notebook_search "
                             "WHERE notebook_search MATCH ? ORDER BY rowid DESC LIMIT ?"));
    q.addBindValue(match_expression(terms));
    q.addBindValue(limit + 1);
    if (!q.exec()) {
        qCWarning(lc_search) << "page search failed:" << q.lastError().text();
        return hits;
    }
    while (q.next()) {
        if (hits.size() == limit) {
            if (more)
                *more = true;
            break;
        }
        search_hit h;
        h.page = q.value(0).toLongLong();
        h.what = q.value(3).toBool() ? search_hit::kind::picture_page : search_hit::kind::text_page;
        const QString heading = q.value(1).toString();
        h.place = {heading, search_text::marks_in(heading, terms)};
        h.snippet = search_text::snippet(q.value(2).toString(), terms);
        hits << h;
    }
    return hits;
}
