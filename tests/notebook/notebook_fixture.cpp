#include "notebook_fixture.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>
#include <QUuid>

namespace {

// Runs f on a connection of its own, so the one the notebook uses is untouched.
template <typename F>
auto with_connection(const QString &database, F f)
{
    const QString name = QUuid::createUuid().toString();
    struct closer
    {
        QString name;
        ~closer() { QSqlDatabase::removeDatabase(name); }
    } c{name};
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(database);
    if (!db.open())
        qFatal("cannot open %s", qPrintable(database));
    auto result = f(db);
    db.close();
    return result;
}

} // namespace

QStringList seed_schema()
{
    return {QStringLiteral("CREATE TABLE notebook (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT, data BLOB, "
                           "image INTEGER NOT NULL DEFAULT 0, comment TEXT DEFAULT '', pos_x REAL DEFAULT 0, "
                           "pos_y REAL DEFAULT 0, rotation REAL DEFAULT 0, zvalue REAL DEFAULT 0, "
                           "font TEXT DEFAULT '', color TEXT DEFAULT '')"),
            QStringLiteral("CREATE TABLE setup (html INTEGER NOT NULL DEFAULT 0, font TEXT DEFAULT '', "
                           "color TEXT DEFAULT '')"),
            QStringLiteral("INSERT INTO setup (html, font, color) VALUES (0, '', '')")};
}

QString built_seed()
{
    return built_app_data() + "/notebook.db";
}

void install_seed(const temp_data_home &home)
{
    QDir().mkpath(home.data_folder());
    QFile::remove(home.data_folder() + "/notebook.db");
    if (!QFile::copy(built_seed(), home.data_folder() + "/notebook.db"))
        qFatal("no built seed at %s", qPrintable(built_seed()));
    QFile::setPermissions(home.data_folder() + "/notebook.db", QFile::ReadOwner | QFile::WriteOwner);
}

void make_database(const QString &path, const QStringList &statements)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile::remove(path);
    run_sql(path, statements);
}

void run_sql(const QString &database, const QStringList &statements)
{
    with_connection(database, [&](QSqlDatabase &db) {
        QSqlQuery q(db);
        for (const QString &s : statements)
            if (!q.exec(s))
                qFatal("%s: %s", qPrintable(s), qPrintable(q.lastError().text()));
        return 0;
    });
}

QVariant query_value(const QString &database, const QString &sql)
{
    return with_connection(database, [&](QSqlDatabase &db) {
        QSqlQuery q(db);
        if (!q.exec(sql) || !q.next())
            return QVariant();
        return q.value(0);
    });
}

QByteArray png_bytes(int width, int height, QColor fill)
{
    QImage img(width, height, QImage::Format_ARGB32);
    img.fill(fill);
    QByteArray bytes;
    QBuffer b(&bytes);
    b.open(QIODevice::WriteOnly);
    img.save(&b, "PNG");
    return bytes;
}
