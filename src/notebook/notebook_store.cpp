#include "notebook/notebook_store.h"

#include "notebook/notebook_log.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <initializer_list>
#include <utility>

Q_LOGGING_CATEGORY(lc_notebook, "orvella.notebook")

namespace {

using binding = std::pair<QString, QVariant>;

// What SQLite's own result code says about a failed statement.
notebook_store::cause classify(const QSqlError &e)
{
    bool numeric = false;
    // The primary result code is the low byte of an extended one.
    const int code = e.nativeErrorCode().toInt(&numeric) & 0xff;
    if (!numeric)
        return notebook_store::cause::other;
    switch (code) {
    case 5: // SQLITE_BUSY
    case 6: // SQLITE_LOCKED
        return notebook_store::cause::busy;
    case 26: // SQLITE_NOTADB
        return notebook_store::cause::not_a_database;
    case 11: // SQLITE_CORRUPT
        return notebook_store::cause::corrupt;
    default:
        return notebook_store::cause::other;
    }
}

// Prepares and runs one statement on the default connection. Named
// parameters start with ':'; anything else is bound by position.
bool run(QSqlQuery &q, const QString &sql, std::initializer_list<binding> binds, notebook_store::cause &why)
{
    why = notebook_store::cause::none;
    if (!q.prepare(sql)) {
        qCWarning(lc_notebook) << "prepare failed:" << sql << q.lastError().text();
        why = classify(q.lastError());
        return false;
    }
    int position = 0;
    for (const binding &b : binds) {
        if (b.first.startsWith(':'))
            q.bindValue(b.first, b.second);
        else
            q.bindValue(position, b.second);
        ++position;
    }
    if (!q.exec()) {
        qCWarning(lc_notebook) << "statement failed:" << sql << q.lastError().text();
        why = classify(q.lastError());
        return false;
    }
    return true;
}

const QString update_failed = QStringLiteral("Ошибка обновления данных (Запрос ");
const QString select_failed = QStringLiteral("Ошибка выборки данных - запрос: ");

} // namespace

notebook_store::notebook_store(reporter report) : m_report(std::move(report)) {}

notebook_store::~notebook_store()
{
    const QString name = QString::fromLatin1(QSqlDatabase::defaultConnection);
    if (!QSqlDatabase::contains(name))
        return;
    QSqlDatabase::database(name, false).close();
    QSqlDatabase::removeDatabase(name);
}

void notebook_store::send(failure f)
{
    f.why = m_last == cause::none ? cause::other : m_last;
    f.reason = reason_for(f.why, database_name());
    if (!f.reason.isEmpty())
        qCWarning(lc_notebook).noquote() << f.reason;
    if (m_report)
        m_report(f);
}

void notebook_store::warn(const QString &text)
{
    qCWarning(lc_notebook).noquote() << text;
    send({failure::kind::warning, QStringLiteral("Внимание!"), text, true, cause::other, {}});
}

void notebook_store::inform(const QString &text, bool over_window, const QString &title)
{
    qCWarning(lc_notebook).noquote() << title << text;
    send({failure::kind::information, title, text, over_window, cause::other, {}});
}

QString notebook_store::reason_for(cause c, const QString &file)
{
    const QString shown = QDir::toNativeSeparators(file);
    switch (c) {
    case cause::busy:
        return QStringLiteral("База данных %1 занята другой программой; ничего не потеряно.").arg(shown);
    case cause::not_a_database:
        return QStringLiteral("Файл %1 не является базой данных. Программа его не изменяет.").arg(shown);
    case cause::corrupt:
        return QStringLiteral("Файл %1 повреждён и не является базой данных в целости. Программа его не изменяет.")
            .arg(shown);
    case cause::none:
    case cause::other:
        break;
    }
    return {};
}

bool notebook_store::open(const QString &file, const QString &folder_for_messages)
{
    QSqlDatabase db = QSqlDatabase::contains(QString::fromLatin1(QSqlDatabase::defaultConnection))
                          ? QSqlDatabase::database(QString::fromLatin1(QSqlDatabase::defaultConnection), false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(file);
    // Another program's lock is waited for briefly, never for seconds.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(lock_wait_ms));
    if (!QFile::exists(file)) {
        inform(QStringLiteral("База notebook.db в ") + QDir::toNativeSeparators(folder_for_messages) +
                   QStringLiteral(" не найдена."),
               false, QStringLiteral("Внимание !"));
        // SQLite creates the file under the umask; the notebook is private.
        QFile created(file);
        if (created.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            created.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
    if (!db.open()) {
        const QSqlError e = db.lastError();
        m_last = classify(e);
        inform(e.databaseText(), false, e.driverText());
        return false;
    }
    m_last = cause::none;
    return true;
}

QString notebook_store::database_name() const
{
    return QSqlDatabase::database(QString::fromLatin1(QSqlDatabase::defaultConnection), false).databaseName();
}

bool notebook_store::read_editor_setup(editor_setup &out)
{
    const QString sql = QStringLiteral("select html, font, color from setup");
    QSqlQuery q;
    if (!run(q, sql, {}, m_last)) {
        warn(select_failed + sql);
        return false;
    }
    out = editor_setup{};
    if (q.next()) {
        out.html = q.value(0).toBool();
        out.font = q.value(1).toString();
        out.color = q.value(2).toString();
    }
    return true;
}

bool notebook_store::count_pages(int &count)
{
    QSqlQuery q;
    if (!run(q, QStringLiteral("SELECT COUNT (notebook.id) AS FIELD_1 FROM notebook"), {}, m_last) || !q.next()) {
        warn(QStringLiteral("Ошибка подсчета количества записей в базе - запрос: SELECT COUNT(notebook.id) AS "
                            "FIELD_1 FROM notebook"));
        return false;
    }
    count = q.value(0).toInt();
    return true;
}

bool notebook_store::list_pages(QList<page_row> &rows)
{
    const QString sql = QStringLiteral("select id,name from notebook");
    QSqlQuery q;
    q.setForwardOnly(true);
    if (!run(q, sql, {}, m_last)) {
        warn(select_failed + sql);
        return false;
    }
    rows.clear();
    while (q.next())
        rows.append({q.value(0).toLongLong(), q.value(1).toString()});
    return true;
}

qint64 notebook_store::newest_page(const QList<page_row> &rows)
{
    qint64 newest = 0;
    for (const page_row &r : rows)
        newest = qMax(newest, r.id);
    return newest;
}

QByteArray notebook_store::read_page_data(qint64 id, bool *ok)
{
    const QString sql = QStringLiteral("select data from notebook where notebook.id = :id");
    QSqlQuery q;
    const bool done = run(q, sql, {{":id", id}}, m_last) && q.next();
    if (ok)
        *ok = done;
    if (!done) {
        warn(select_failed + sql);
        return {};
    }
    return q.value(0).toByteArray();
}

qint64 notebook_store::page_size(qint64 id)
{
    QSqlQuery q;
    if (!run(q, QStringLiteral("select length(data) from notebook where notebook.id = :id"), {{":id", id}}, m_last) ||
        !q.next()) {
        warn(select_failed + QStringLiteral("select data from notebook where notebook.id = :id"));
        return -1;
    }
    return q.value(0).toLongLong(); // NULL (never saved) reads as 0
}

bool notebook_store::is_image_page(qint64 id, bool *ok)
{
    QSqlQuery q;
    const bool read =
        run(q, QStringLiteral("select image from notebook where notebook.id = :id"), {{":id", id}}, m_last) && q.next();
    if (ok)
        *ok = read;
    if (!read) {
        warn(select_failed + QStringLiteral("select data from notebook where notebook.id = :id"));
        return false;
    }
    return q.value(0).toBool();
}

QFont notebook_store::read_page_font(qint64 id)
{
    const QString sql = QStringLiteral("select font from notebook where id = :myid");
    QFont font;
    QSqlQuery q;
    if (!run(q, sql, {{":myid", id}}, m_last) || !q.next()) {
        warn(select_failed + sql);
        return font;
    }
    const QString s = q.value(0).toString();
    if (!s.isEmpty())
        font.fromString(s);
    return font;
}

QColor notebook_store::read_page_color(qint64 id)
{
    const QString sql = QStringLiteral("select color from notebook where id = :myid");
    QColor color;
    QSqlQuery q;
    if (!run(q, sql, {{":myid", id}}, m_last) || !q.next()) {
        warn(select_failed + sql);
        return color;
    }
    const QString s = q.value(0).toString();
    if (!s.isEmpty())
        color = QColor::fromString(s);
    return color;
}

bool notebook_store::read_caption(qint64 id, caption &out)
{
    const QString sql =
        QStringLiteral("select comment, pos_x, pos_y, rotation, zvalue from notebook where notebook.id = :id");
    QSqlQuery q;
    if (!run(q, sql, {{":id", id}}, m_last) || !q.next()) {
        inform(update_failed + sql + QStringLiteral(")."));
        return false;
    }
    out.text = q.value(0).toString();
    out.x = q.value(1).toDouble();
    out.y = q.value(2).toDouble();
    out.rotation = q.value(3).toDouble();
    out.z = q.value(4).toDouble();
    return true;
}

bool notebook_store::insert_page(const QString &name, bool image)
{
    QSqlQuery q;
    // Both values bound by position; a null name would store NULL, so an
    // empty title is stored as an empty string.
    if (!run(q, QStringLiteral("INSERT INTO notebook (name,image) VALUES (?,?)"),
             {{QString(), name.isNull() ? QStringLiteral("") : name}, {QString(), image}}, m_last)) {
        warn(QStringLiteral("Ошибка добавления записей - запрос: INSERT INTO notebook(name) VALUES (?)"));
        return false;
    }
    q.clear();
    return true;
}

namespace {

// Runs an UPDATE/DELETE; false when it failed.
bool change(const QString &sql, std::initializer_list<binding> binds, notebook_store::cause &why)
{
    QSqlQuery q;
    if (!run(q, sql, binds, why))
        return false;
    q.clear();
    return true;
}

} // namespace

bool notebook_store::rename_page(const QString &name, qint64 id)
{
    const QString sql = QStringLiteral("UPDATE notebook SET name = :myname WHERE id = :myid");
    if (change(sql, {{":myname", name.isNull() ? QStringLiteral("") : name}, {":myid", id}}, m_last))
        return true;
    inform(update_failed + sql + QStringLiteral(")."));
    return false;
}

bool notebook_store::delete_page(qint64 id)
{
    const QString sql = QStringLiteral("DELETE FROM notebook WHERE notebook.id = :IN_ID");
    if (change(sql, {{":IN_ID", id}}, m_last))
        return true;
    inform(QStringLiteral("Ошибка удаления данных (Запрос ") + sql + QStringLiteral(" ). "), true);
    return false;
}

bool notebook_store::write_page_data(qint64 id, const QByteArray &data)
{
    const QString sql = QStringLiteral("UPDATE notebook SET data = :mydata WHERE id = :myid");
    // An empty body is stored as an empty blob, not NULL.
    if (change(sql, {{":mydata", data.isNull() ? QByteArray("") : data}, {":myid", id}}, m_last))
        return true;
    inform(update_failed + sql + QStringLiteral(")."));
    return false;
}

bool notebook_store::write_caption_text(qint64 id, const QString &text)
{
    const QString sql = QStringLiteral("UPDATE notebook SET comment = :comment WHERE id = :myid");
    if (change(sql, {{":comment", text.isNull() ? QStringLiteral("") : text}, {":myid", id}}, m_last))
        return true;
    inform(update_failed + sql + QStringLiteral(")."));
    return false;
}

bool notebook_store::write_caption_geometry(qint64 id, double x, double y, double rotation, double z)
{
    const QString sql = QStringLiteral("UPDATE notebook SET pos_x = :pos_x, pos_y = :pos_y, rotation = :rotation, "
                                       "zvalue = :zvalue WHERE id = :myid");
    if (change(sql, {{":pos_x", x}, {":pos_y", y}, {":rotation", rotation}, {":zvalue", z}, {":myid", id}}, m_last))
        return true;
    inform(update_failed + sql + QStringLiteral(")."));
    return false;
}

bool notebook_store::write_caption_style(qint64 id, const QString &font, const QString &color)
{
    const QString sql = QStringLiteral("UPDATE notebook SET font = :font, color = :color WHERE id = :myid");
    if (change(sql, {{":font", font}, {":color", color}, {":myid", id}}, m_last))
        return true;
    inform(update_failed + sql);
    return false;
}

bool notebook_store::write_page_font(qint64 id, const QString &font)
{
    const QString sql = QStringLiteral("UPDATE notebook SET font = :font WHERE id = :myid");
    if (change(sql, {{":font", font}, {":myid", id}}, m_last))
        return true;
    inform(update_failed + sql + QStringLiteral(")"));
    return false;
}

bool notebook_store::write_page_color(qint64 id, const QString &color)
{
    const QString sql = QStringLiteral("UPDATE notebook SET color = :color WHERE id = :myid");
    if (change(sql, {{":color", color}, {":myid", id}}, m_last))
        return true;
    inform(update_failed + sql + QStringLiteral(")"));
    return false;
}

bool notebook_store::write_editor_font(const QString &font)
{
    const QString sql = QStringLiteral("UPDATE setup SET font = :font");
    if (change(sql, {{":font", font}}, m_last))
        return true;
    inform(update_failed + sql + QStringLiteral(")"));
    return false;
}

bool notebook_store::write_editor_color(const QString &color)
{
    const QString sql = QStringLiteral("UPDATE setup SET color = :color");
    if (change(sql, {{":color", color}}, m_last))
        return true;
    inform(update_failed + sql + QStringLiteral(")"));
    return false;
}

bool notebook_store::write_editor_mode(bool html)
{
    const QString sql = QStringLiteral("UPDATE setup SET html = :dohtml");
    if (change(sql, {{":dohtml", html}}, m_last))
        return true;
    inform(update_failed + sql + QStringLiteral(")"));
    return false;
}

bool notebook_store::compact_database()
{
    QSqlQuery q;
    if (!run(q, QStringLiteral("VACUUM"), {}, m_last)) {
        inform(QStringLiteral("Ошибка сжатия данных"));
        return false;
    }
    inform(QStringLiteral("Сжатие базы завершено."), true);
    return true;
}

bool notebook_store::begin(const QString &what_failed)
{
    QSqlQuery q;
    // IMMEDIATE: the write lock now, or a clear "busy" before any write.
    if (run(q, QStringLiteral("BEGIN IMMEDIATE"), {}, m_last))
        return true;
    inform(what_failed);
    return false;
}

bool notebook_store::commit(const QString &what_failed)
{
    QSqlQuery q;
    if (run(q, QStringLiteral("COMMIT"), {}, m_last))
        return true;
    const cause why = m_last;
    rollback();
    m_last = why;
    inform(what_failed);
    return false;
}

void notebook_store::rollback()
{
    QSqlQuery q;
    cause ignored = cause::none;
    run(q, QStringLiteral("ROLLBACK"), {}, ignored);
}
