#pragma once
// Shared rig for the notebook tests: a private data folder holding a copy
// of the built seed notebook.db (or a database of the test's own making),
// scripted answers to every question the notebook asks, and direct access
// to the file through a second connection.

#include "notebook/notebook_prompts.h"
#include "test_support.h"

#include <QList>
#include <QQueue>
#include <QSemaphore>
#include <QThread>
#include <QVariant>
#include <memory>

class scripted_prompts : public notebook_prompts
{
public:
    struct shown
    {
        box kind;
        QString title;
        QString text;
        bool has_parent;
    };
    QList<shown> messages;
    QStringList asked_unsaved;
    bool confirm_answer = true;
    QQueue<unsaved_answer> unsaved_answers; // empty: discard
    QStringList asked_drafts;
    QQueue<draft_answer> draft_answers;   // empty: later
    QQueue<std::optional<QString>> texts; // empty: cancelled
    std::optional<QFont> font_answer;
    QColor color_answer;
    QString open_answer, save_answer;

    void message(QWidget *parent, box kind, const QString &title, const QString &text) override
    {
        messages.append({kind, title, text, parent != nullptr});
    }
    bool confirm(QWidget *, const QString &, const QString &) override { return confirm_answer; }
    unsaved_answer ask_unsaved(QWidget *, const QString &page_title) override
    {
        asked_unsaved << page_title;
        return unsaved_answers.isEmpty() ? unsaved_answer::discard : unsaved_answers.dequeue();
    }
    draft_answer ask_restore_draft(QWidget *, const QString &page_title, const QDateTime &) override
    {
        asked_drafts << page_title;
        return draft_answers.isEmpty() ? draft_answer::later : draft_answers.dequeue();
    }
    std::optional<QString> text(QWidget *, const QString &, const QString &) override
    {
        return texts.isEmpty() ? std::nullopt : texts.dequeue();
    }
    std::optional<QFont> font(QWidget *, const QFont &) override { return font_answer; }
    QColor color(QWidget *, const QColor &) override { return color_answer; }
    QString open_file(QWidget *, const QString &, const QString &) override { return open_answer; }
    QString save_file(QWidget *, const QString &, const QString &) override { return save_answer; }

    QStringList texts_shown() const
    {
        QStringList out;
        for (const shown &s : messages)
            out << s.text;
        return out;
    }
};

// The seed's schema, for databases a test builds itself.
QStringList seed_schema();

// The built seed notebook.db.
QString built_seed();

// Copies the built seed into home's data folder.
void install_seed(const temp_data_home &home);

// Creates a database file at path with the given statements.
void make_database(const QString &path, const QStringList &statements);

// One value (first row, first column) read through a private connection.
QVariant query_value(const QString &database, const QString &sql);
// Runs statements through a private connection.
void run_sql(const QString &database, const QStringList &statements);

// A PNG of the given size filled with one colour.
QByteArray png_bytes(int width, int height, QColor fill);

// Another program holding the database: its own SQLite connection, in a
// thread of its own, inside a transaction begun with mode ("EXCLUSIVE":
// nobody may read; "IMMEDIATE": nobody may write) until release().
class other_program_lock
{
public:
    explicit other_program_lock(const QString &database, const QString &mode = QStringLiteral("EXCLUSIVE"));
    ~other_program_lock();
    void release();

private:
    QSemaphore m_taken, m_let_go;
    std::unique_ptr<QThread> m_thread;
};

// The user-only part of a file's mode is all there is (no group or other bits).
bool private_to_user(const QString &path);

class my_notebook;

// The notebook window over a private data folder holding the built seed,
// its questions answered by scripted_prompts.
struct notebook_rig
{
    temp_data_home home;
    scripted_prompts prompts;
    std::unique_ptr<my_notebook> window;

    explicit notebook_rig(bool seed = true);
    ~notebook_rig();
    QString db() const { return home.data_folder() + "/notebook.db"; }
    QString drafts() const { return home.data_folder() + "/notebook_drafts"; }
    my_notebook &open();
    void reopen();
    // Adds a page (answering its title) and returns its id, -1 when none was added.
    qint64 add(const QString &title, bool image = false);
    void go_to(const QString &title);
    int row_titled(const QString &title) const;
    QVariant column(qint64 id, const QString &col) const;
    // A picture of one colour, added from a file as the context menu does.
    void add_picture(int width, int height, QColor fill);
    // Inserts a page directly into the database; returns its id.
    qint64 insert(const QString &title, const QByteArray &data, bool image = false);
};
