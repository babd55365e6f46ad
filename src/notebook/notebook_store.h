#pragma once
// notebook_store: the notebook's data layer. It owns the one SQLite
// connection and runs every statement the notebook needs; the window only
// calls these operations and never builds SQL. Each statement is prepared
// per call. A failed statement is reported through the reporter (the
// window turns it into a message box) and the operation carries on with a
// harmless default.

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QList>
#include <QString>
#include <functional>

class notebook_store
{
public:
    // Why the database did not answer, as far as SQLite says.
    enum class cause
    {
        none,
        busy,           // another program holds a lock on the file
        not_a_database, // the file is not an SQLite database
        corrupt,        // an SQLite database, damaged
        other           // a statement the file cannot run (a missing table, read-only, ...)
    };

    struct failure
    {
        enum class kind
        {
            warning,    // "Внимание!" over the notebook window
            information // "Внимание" with no parent unless over_window
        };
        kind box = kind::warning;
        QString title;
        QString text;
        bool over_window = true;
        notebook_store::cause why = cause::other;
        // What the user can make of it (empty when SQLite said nothing useful);
        // shown below the text.
        QString reason;
    };
    using reporter = std::function<void(const failure &)>;

    struct editor_setup
    {
        bool html = false;
        QString font;
        QString color;
    };
    struct page_row
    {
        qint64 id = 0;
        QString name;
    };
    struct caption
    {
        QString text;
        double x = 0, y = 0, rotation = 0, z = 0;
    };

    explicit notebook_store(reporter report);
    // Closes the connection.
    ~notebook_store();
    notebook_store(const notebook_store &) = delete;
    notebook_store &operator=(const notebook_store &) = delete;

    // Registers the connection on file and opens it. A missing file is
    // reported (SQLite then creates an empty one); a failed open is
    // reported with the driver's texts. False when the open failed.
    bool open(const QString &file, const QString &folder_for_messages);
    // The file the connection was given.
    QString database_name() const;
    // Why the last statement failed (cause::none after a success).
    cause last_cause() const { return m_last; }
    // How long a statement waits for another program's lock before it
    // gives up. Short: the notebook runs on the GUI thread, and a lock held
    // longer is met again at the next attempt.
    static constexpr int lock_wait_ms = 100;

    bool read_editor_setup(editor_setup &out);
    bool count_pages(int &count);
    bool list_pages(QList<page_row> &rows);
    // The largest id among rows, 0 when there are none: ids grow with each insert.
    static qint64 newest_page(const QList<page_row> &rows);

    // ok (optional) tells a failed read from an empty page body.
    QByteArray read_page_data(qint64 id, bool *ok = nullptr);
    // The size of the page's stored body in bytes, read without the body
    // itself; -1 when the database could not answer (reported).
    qint64 page_size(qint64 id);
    // ok (when given) is false when the database could not answer.
    bool is_image_page(qint64 id, bool *ok = nullptr);
    QFont read_page_font(qint64 id);
    QColor read_page_color(qint64 id);
    bool read_caption(qint64 id, caption &out);

    bool insert_page(const QString &name, bool image);
    bool rename_page(const QString &name, qint64 id);
    bool delete_page(qint64 id);
    bool write_page_data(qint64 id, const QByteArray &data);
    bool write_caption_text(qint64 id, const QString &text);
    bool write_caption_geometry(qint64 id, double x, double y, double rotation, double z);
    bool write_caption_style(qint64 id, const QString &font, const QString &color);
    bool write_page_font(qint64 id, const QString &font);
    bool write_page_color(qint64 id, const QString &color);
    bool write_editor_font(const QString &font);
    bool write_editor_color(const QString &color);
    bool write_editor_mode(bool html);
    bool compact_database();

    // Several writes that must land together (a picture page's columns):
    // begin() takes the write lock at once, so a busy database fails before
    // anything is written; commit() or rollback() ends it. Failures are
    // reported with the given text.
    bool begin(const QString &what_failed);
    bool commit(const QString &what_failed);
    void rollback();

    // The reason text for a cause, naming the file.
    static QString reason_for(cause c, const QString &file);

private:
    void warn(const QString &text);
    void inform(const QString &text, bool over_window = false, const QString &title = QStringLiteral("Внимание"));
    void send(failure f);

    reporter m_report;
    cause m_last = cause::none;
};
