#pragma once
// text_page: the text half of the notebook window. It shows a page's bytes
// as plain text or as HTML, as the mode switch says, keeps the editor font
// and colour, and writes the page back. The window decides when a page is
// loaded or saved; this class decides how.

#include "notebook/notebook_store.h"

#include <QByteArray>

#include <QColor>
#include <QFont>
#include <QObject>
#include <QTextOption>

class QRadioButton;
class QTextCharFormat;
class layout_pacer;
class QTextDocument;
struct page_draft;
class QTextEdit;
class QWidget;
class notebook_prompts;

class text_page : public QObject
{
    Q_OBJECT
public:
    // Characters of an HTML page exported for a draft in passing (about 50 ms).
    static constexpr int quick_export_chars = 256 * 1024;

    text_page(QTextEdit &editor, notebook_store &store, notebook_prompts &prompts, QWidget *window);
    ~text_page() override;

    // The mode switch, for the window's tool bar. With neither checked (no
    // setup could be read) pages are plain text.
    QRadioButton *html_switch() const { return m_html; }
    QRadioButton *text_switch() const { return m_text; }
    bool html() const;
    void set_switch_enabled(bool on);
    // Puts the switch back to the mode it had before html was chosen, silently.
    void revert_switch(bool html);
    void store_mode();

    void apply_setup(const notebook_store::editor_setup &setup);
    QFont font() const { return m_font; }
    QColor color() const { return m_color; }

    void clear();
    void load(const QByteArray &data);
    // The document a page's bytes make: HTML when html is asked for and the
    // bytes look like HTML, plain text (line breaks kept) otherwise. Safe
    // on any thread; the document has no parent.
    static QTextDocument *build_document(const QByteArray &data, bool html, const QFont &font,
                                         QTextOption::WrapMode wrap);
    // How the editor wraps lines, for build_document.
    QTextOption::WrapMode wrap_mode() const;
    // Shows a document built from data (taking it over), as load() does.
    void show_document(QTextDocument *document, const QByteArray &data);
    // A notice (HTML) in place of the page (loading, not readable); read-only.
    void show_notice(const QString &html);
    // The bytes save() writes: the stored bytes unchanged while the user
    // has not edited the page; else HTML as the document writer makes it,
    // or the plain text up to its first NUL.
    QByteArray content() const;
    bool save(qint64 id);
    // The page as a draft keeps it, and back. in_passing: a draft written
    // while the user works, which must not hold up the window.
    void fill_draft(page_draft &d, bool in_passing) const;
    void restore(const page_draft &d);
    bool modified() const;
    void set_modified(bool m);
    void set_read_only(bool on);

    // Gives every character of a plain-text page the editor font and colour.
    void apply_editor_format();
    // Each true when the user chose something; it is then stored.
    bool choose_editor_font();
    bool choose_editor_color();
    // The selection's (or the word's) own format, for HTML pages.
    void choose_selection_color();
    void choose_selection_font();

signals:
    // The user turned the switch to html (true) or plain text.
    void mode_chosen(bool html);

private:
    static void dispose(QTextDocument *document);
    void apply_color();
    void merge_format(const QTextCharFormat &format);

    QTextEdit &m_editor;
    notebook_store &m_store;
    notebook_prompts &m_prompts;
    QWidget *m_window;
    QRadioButton *m_html;
    QRadioButton *m_text;
    QFont m_font;
    QColor m_color;
    QByteArray m_loaded; // the page's bytes as stored
    layout_pacer *m_pacer;
    QTextDocument *m_shown = nullptr; // the page's document, owned here
};
