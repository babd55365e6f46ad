#include "notebook/text_page.h"

#include "notebook/layout_pacer.h"
#include "notebook/notebook_limits.h"
#include "notebook/notebook_prompts.h"
#include "notebook/page_draft.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QRadioButton>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QTextEdit>
#include <QThreadPool>

text_page::text_page(QTextEdit &editor, notebook_store &store, notebook_prompts &prompts, QWidget *window)
    : m_editor(editor), m_store(store), m_prompts(prompts), m_window(window),
      // The labels keep the window's translation context.
      m_html(new QRadioButton(QCoreApplication::translate("my_notebook", "Обрабатывать данные как HTML"))),
      m_text(new QRadioButton(QCoreApplication::translate("my_notebook", "Обрабатывать данные как текст"))),
      m_pacer(new layout_pacer(this))
{
    connect(m_html, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            emit mode_chosen(true);
    });
    connect(m_text, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            emit mode_chosen(false);
    });
}

text_page::~text_page()
{
    // The tool bar holds the switches, but they must not outlive the page
    // whose mode they set.
    delete m_html;
    delete m_text;
    m_pacer->stop();
    // The editor may outlive this page: it gets a document of its own back.
    if (m_shown) {
        const QSignalBlocker quiet(&m_editor);
        m_editor.setDocument(new QTextDocument(&m_editor));
    }
    delete m_shown;
}

void text_page::dispose(QTextDocument *document)
{
    if (!document)
        return;
    if (document->characterCount() < notebook_limits::text_in_background) {
        delete document;
        return;
    }
    // Freeing a large page takes a while: not on the GUI thread.
    document->moveToThread(nullptr);
    QThreadPool::globalInstance()->start([document] { delete document; });
}

bool text_page::html() const
{
    return m_html->isChecked();
}

void text_page::set_switch_enabled(bool on)
{
    m_html->setEnabled(on);
    m_text->setEnabled(on);
}

void text_page::revert_switch(bool html)
{
    const QSignalBlocker b1(m_html), b2(m_text);
    (html ? m_text : m_html)->setChecked(true);
}

void text_page::store_mode()
{
    m_store.write_editor_mode(m_html->isChecked());
}

void text_page::apply_setup(const notebook_store::editor_setup &setup)
{
    if (setup.html)
        m_html->setChecked(true);
    else
        m_text->setChecked(true);
    if (!setup.font.isEmpty())
        m_font.fromString(setup.font);
    m_editor.setFont(m_font);
    m_color = setup.color.isEmpty() ? QColor() : QColor::fromString(setup.color);
    if (m_color.isValid()) {
        QPalette p = m_editor.palette();
        p.setBrush(QPalette::All, QPalette::Text, QBrush(m_color));
        m_editor.setPalette(p);
    }
}

void text_page::clear()
{
    m_pacer->stop();
    m_editor.clear();
    m_editor.document()->setModified(false);
    m_loaded.clear();
}

QTextDocument *text_page::build_document(const QByteArray &data, bool html, const QFont &font,
                                         QTextOption::WrapMode wrap)
{
    auto *doc = new QTextDocument;
    doc->setDefaultFont(font);
    const QString text = QString::fromUtf8(data);
    // A page typed in plain-text mode has no markup: shown as HTML its line
    // breaks would run together.
    if (html && Qt::mightBeRichText(text))
        doc->setHtml(text);
    else
        doc->setPlainText(text);
    // The editor's wrapping and the layout made here: either done on the GUI
    // thread walks every block of the page.
    QTextOption option = doc->defaultTextOption();
    option.setWrapMode(wrap);
    doc->setDefaultTextOption(option);
    doc->documentLayout();
    doc->setModified(false);
    return doc;
}

QTextOption::WrapMode text_page::wrap_mode() const
{
    return m_editor.lineWrapMode() == QTextEdit::NoWrap ? QTextOption::NoWrap : m_editor.wordWrapMode();
}

void text_page::show_document(QTextDocument *document, const QByteArray &data)
{
    m_pacer->stop();
    QTextDocument *previous = m_shown;
    m_shown = document;
    m_editor.setDocument(document);
    dispose(previous);
    if (document->characterCount() > 2 * layout_pacer::step_chars)
        m_pacer->pace(document);
    m_editor.setReadOnly(false);
    m_loaded = data;
    if (!html())
        apply_editor_format();
    document->setModified(false);
}

void text_page::load(const QByteArray &data)
{
    show_document(build_document(data, html(), m_editor.font(), wrap_mode()), data);
}

void text_page::show_notice(const QString &html)
{
    m_editor.setHtml(html);
    m_editor.document()->setModified(false);
    m_editor.setReadOnly(true);
    m_loaded.clear();
}

void text_page::fill_draft(page_draft &d, bool in_passing) const
{
    d.image = false;
    d.html = html();
    // Exporting a large HTML page holds the GUI thread for a good part of a
    // second; the drafts written while the user works keep its text alone,
    // and the one written as the session ends keeps everything.
    if (in_passing && d.html && modified() && m_editor.document()->characterCount() > quick_export_chars) {
        d.html = false;
        d.body = m_editor.document()->toPlainText().toUtf8();
        const qsizetype zero = d.body.indexOf('\0');
        if (zero >= 0)
            d.body.truncate(zero);
        return;
    }
    d.body = content();
}

void text_page::restore(const page_draft &d)
{
    const QByteArray stored = m_loaded;
    show_document(build_document(d.body, d.html, m_editor.font(), wrap_mode()), stored);
    m_editor.document()->setModified(true);
}

QByteArray text_page::content() const
{
    if (!modified())
        return m_loaded;
    QByteArray bytes;
    if (html()) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QTextDocumentWriter writer(&buffer, "HTML");
        writer.write(m_editor.document());
    } else {
        bytes = m_editor.document()->toPlainText().toUtf8();
        const qsizetype zero = bytes.indexOf('\0');
        if (zero >= 0)
            bytes.truncate(zero);
    }
    return bytes;
}

bool text_page::save(qint64 id)
{
    const QByteArray bytes = content();
    if (bytes.size() > notebook_limits::text_page_bytes) {
        m_prompts.message(m_window, notebook_prompts::box::warning, QStringLiteral("Внимание!"),
                          QStringLiteral("Заметка слишком велика для сохранения: %1 МБ, а заметка может занимать "
                                         "не больше %2 МБ. В базе ничего не изменено; сократите текст и "
                                         "сохраните снова.")
                              .arg(notebook_limits::megabytes(bytes.size()))
                              .arg(notebook_limits::megabytes(notebook_limits::text_page_bytes)));
        return false;
    }
    if (!m_store.write_page_data(id, bytes))
        return false;
    m_loaded = bytes;
    set_modified(false);
    return true;
}

bool text_page::modified() const
{
    return m_editor.document()->isModified();
}

void text_page::set_modified(bool m)
{
    m_editor.document()->setModified(m);
}

void text_page::set_read_only(bool on)
{
    m_editor.setReadOnly(on);
}

void text_page::apply_editor_format()
{
    QTextDocument *doc = m_editor.document();
    const bool was_modified = doc->isModified();
    // A plain-text page has no character formats of its own, so the
    // document's default font and the palette give every character the
    // editor font and colour; merging a format into each character of a
    // large page would take seconds.
    // Only when it differs: a new default font lays the whole page out again.
    if (doc->defaultFont() != m_font)
        doc->setDefaultFont(m_font);
    m_editor.setFont(m_font);
    QTextCharFormat f;
    f.setFont(m_font);
    if (m_color.isValid())
        f.setForeground(QBrush(m_color));
    m_editor.mergeCurrentCharFormat(f);
    apply_color();
    // Formatting a plain-text page is not a change of its text.
    doc->setModified(was_modified);
}

void text_page::apply_color()
{
    if (!m_color.isValid())
        return;
    QPalette p = m_editor.palette();
    p.setBrush(QPalette::All, QPalette::Text, QBrush(m_color));
    m_editor.setPalette(p);
    m_editor.setTextColor(m_color);
}

bool text_page::choose_editor_font()
{
    const std::optional<QFont> font = m_prompts.font(m_window, m_font);
    if (!font)
        return false;
    m_font = *font;
    if (m_text->isChecked())
        apply_editor_format();
    else
        m_editor.setFont(m_font);
    m_store.write_editor_font(m_font.toString());
    return true;
}

bool text_page::choose_editor_color()
{
    const QColor c = m_prompts.color(m_window, m_color);
    if (!c.isValid())
        return false;
    m_color = c;
    if (m_text->isChecked()) {
        apply_editor_format();
    } else {
        const bool was_modified = modified();
        apply_color();
        set_modified(was_modified);
    }
    m_store.write_editor_color(c.name());
    return true;
}

void text_page::merge_format(const QTextCharFormat &format)
{
    QTextCursor cursor = m_editor.textCursor();
    if (!cursor.hasSelection())
        cursor.select(QTextCursor::WordUnderCursor);
    cursor.mergeCharFormat(format);
    m_editor.mergeCurrentCharFormat(format);
}

void text_page::choose_selection_color()
{
    const QColor c = m_prompts.color(m_window, m_editor.textColor());
    if (!c.isValid())
        return;
    QTextCharFormat f;
    f.setForeground(QBrush(c));
    merge_format(f);
}

void text_page::choose_selection_font()
{
    const std::optional<QFont> font = m_prompts.font(m_window, m_editor.font());
    if (!font)
        return;
    QTextCharFormat f;
    f.setFont(*font);
    merge_format(f);
}
