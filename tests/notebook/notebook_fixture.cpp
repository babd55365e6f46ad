#include "notebook_fixture.h"

#include "notebook/my_notebook.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableWidget>
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

other_program_lock::other_program_lock(const QString &database, const QString &mode)
{
    const QString name = QUuid::createUuid().toString();
    m_thread.reset(QThread::create([this, database, mode, name] {
        {
            QSqlDatabase c = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            c.setDatabaseName(database);
            if (!c.open())
                qFatal("the other program cannot open %s", qPrintable(database));
            QSqlQuery q(c);
            if (!q.exec(QStringLiteral("BEGIN ") + mode))
                qFatal("the other program cannot lock: %s", qPrintable(q.lastError().text()));
            m_taken.release();
            m_let_go.acquire();
            q.exec(QStringLiteral("ROLLBACK"));
            c.close();
        }
        QSqlDatabase::removeDatabase(name);
    }));
    m_thread->start();
    m_taken.acquire();
}

other_program_lock::~other_program_lock()
{
    release();
}

void other_program_lock::release()
{
    if (!m_thread)
        return;
    m_let_go.release();
    m_thread->wait();
    m_thread.reset();
}

bool private_to_user(const QString &path)
{
    const QFile::Permissions others =
        QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    return QFileInfo::exists(path) && (QFile::permissions(path) & others) == QFile::Permissions();
}

notebook_rig::notebook_rig(bool seed)
{
    if (seed)
        install_seed(home);
}

notebook_rig::~notebook_rig() = default;

my_notebook &notebook_rig::open()
{
    window = std::make_unique<my_notebook>(&prompts);
    return *window;
}

void notebook_rig::reopen()
{
    window.reset();
    open();
}

qint64 notebook_rig::add(const QString &title, bool image)
{
    prompts.texts.enqueue(title);
    if (!window->add_page(image))
        return -1;
    return window->loaded_page();
}

int notebook_rig::row_titled(const QString &title) const
{
    for (int r = 0; r < window->page_list()->rowCount(); ++r)
        if (window->page_list()->item(r, 1)->text() == title)
            return r;
    return -1;
}

void notebook_rig::go_to(const QString &title)
{
    window->page_list()->setCurrentCell(row_titled(title), 1);
}

QVariant notebook_rig::column(qint64 id, const QString &col) const
{
    return query_value(db(), QString("select %1 from notebook where id = %2").arg(col).arg(id));
}

void notebook_rig::add_picture(int width, int height, QColor fill)
{
    const QString file = home.home() + "/pic.png";
    write_file(file, png_bytes(width, height, fill));
    prompts.open_answer = file;
    window->add_img_file();
}

qint64 notebook_rig::insert(const QString &title, const QByteArray &data, bool image)
{
    return with_connection(db(), [&](QSqlDatabase &db) {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("INSERT INTO notebook (name, data, image) VALUES (?, ?, ?)"));
        q.addBindValue(title);
        q.addBindValue(data);
        q.addBindValue(image ? 1 : 0);
        if (!q.exec())
            qFatal("insert: %s", qPrintable(q.lastError().text()));
        return q.lastInsertId().toLongLong();
    });
}
