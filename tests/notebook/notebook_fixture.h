#pragma once
// Shared rig for the notebook tests: a private data folder holding a copy
// of the built seed notebook.db (or a database of the test's own making),
// scripted answers to every question the notebook asks, and direct access
// to the file through a second connection.

#include "notebook/notebook_prompts.h"
#include "test_support.h"

#include <QList>
#include <QQueue>
#include <QVariant>

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
