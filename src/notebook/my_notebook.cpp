#include "notebook/my_notebook.h"

#include "notebook/database_watch.h"
#include "notebook/draft_keeper.h"
#include "notebook/edit_contents.h"
#include "notebook/find_dialog.h"
#include "notebook/image_page.h"
#include "notebook/loading_feedback.h"
#include "notebook/notebook_geometry.h"
#include "notebook/notebook_limits.h"
#include "notebook/notebook_log.h"
#include "notebook/notebook_menus.h"
#include "notebook/notebook_prompts.h"
#include "notebook/page_loader.h"
#include "notebook/page_reading.h"
#include "notebook/page_titles.h"
#include "notebook/text_item.h"
#include "notebook/text_page.h"
#include "storage/data_folder.h"
#include "ui_my_notebook.h"

#include <QCursor>
#include <QDateTime>
#include <QDir>
#include <QGraphicsScene>
#include <QHeaderView>
#include <QLineEdit>
#include <QRadioButton>
#include <QShowEvent>
#include <QTextDocument>
#include <algorithm>
#include <utility>

namespace {

// A draft is written this long after the last change.
constexpr int draft_delay_ms = 3000;

QString notice_html(const QString &text)
{
    return QStringLiteral("<html><body><p style=\"font-size:11pt;\">%1</p></body></html>").arg(text.toHtmlEscaped());
}

} // namespace

my_notebook::my_notebook(notebook_prompts *prompts, QWidget *parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::my_notebookClass>())
{
    ui->setupUi(this);
    m_data_folder = data_folder::path();
    if (!prompts) {
        m_own_prompts = std::make_unique<dialog_prompts>();
        prompts = m_own_prompts.get();
    }
    m_prompts = prompts;

    m_scene = new QGraphicsScene(0, 0, 300, 300, this);
    ui->graphicsView->setScene(m_scene);
    ui->graphicsView->setRenderHint(QPainter::Antialiasing);
    ui->graphicsView->setRenderHint(QPainter::TextAntialiasing);

    ui->textEdit->setObjectName(QStringLiteral("ui.textEdit"));
    ui->textEdit->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui->textEdit, &QWidget::customContextMenuRequested, this, [this] { notebook_menus::editor_menu(*this); });
    connect(ui->tableWidget, &QWidget::customContextMenuRequested, this,
            [this] { notebook_menus::page_list_menu(*this); });
    connect(ui->graphicsView, &QWidget::customContextMenuRequested, this,
            [this] { notebook_menus::picture_menu(*this); });

    m_find = new find_dialog(this);
    connect(m_find, &find_dialog::search, this, &my_notebook::find_text);

    m_store = std::make_unique<notebook_store>([this](const notebook_store::failure &f) { report(f); });
    // The separator is the platform's own: the file the entry point seeded.
    m_store->open(m_data_folder + "/notebook.db", m_data_folder);
    setWindowTitle(QStringLiteral("Заметки. ") + QStringLiteral("База: ") +
                   QDir::toNativeSeparators(m_store->database_name()));
    m_text = std::make_unique<text_page>(*ui->textEdit, *m_store, *m_prompts, this);
    connect(m_text.get(), &text_page::mode_chosen, this, &my_notebook::switch_mode);
    m_pictures = std::make_unique<image_page>(*m_scene, *ui->graphicsView, *m_store, *m_prompts, this);

    m_loader = new page_loader(this);
    connect(m_loader, &page_loader::text_ready, this, &my_notebook::text_loaded);
    connect(m_loader, &page_loader::picture_ready, this, &my_notebook::picture_loaded);
    m_drafts = std::make_unique<draft_keeper>(m_data_folder + "/notebook_drafts");
    m_draft_timer.setSingleShot(true);
    m_draft_timer.setInterval(draft_delay_ms);
    connect(&m_draft_timer, &QTimer::timeout, this, [this] { keep_draft(true); });
    connect(ui->textEdit, &QTextEdit::textChanged, this, &my_notebook::page_edited);
    connect(m_pictures.get(), &image_page::edited, this, &my_notebook::page_edited);
    m_database = new database_watch([this] { return load_contents(); }, this);

    notebook_menus::build_tool_bar(*this);
    ui->tableWidget->setItemDelegateForColumn(
        1, new EditContents([this](const QString &name, qint64 id) { m_store->rename_page(name, id); }, this));

    // The program is starting: a database another program holds is said
    // when the notebook is opened, not with a box before the clock shows.
    m_database->start();
    m_geometry = std::make_unique<notebook_geometry>(*this, *ui->dockWidgetContents, *ui->toolBar,
                                                     m_data_folder + "//notebook_size.dat");
    m_geometry->restore();
    connect(ui->tableWidget, &QTableWidget::currentItemChanged, this, &my_notebook::tableWidget_currentItemChanged);
}

my_notebook::~my_notebook()
{
    m_geometry->save(*m_prompts);
    // Changes nobody was asked about (the program is ending without Exit):
    // kept for the next start.
    if (page_modified())
        keep_draft();
    m_draft_timer.stop();
    disconnect(ui->textEdit, nullptr, this, nullptr);
    delete m_loader;
    m_loader = nullptr;
    m_drafts.reset();
    m_text.reset();
    m_pictures.reset();
    m_store.reset(); // closes the connection
    delete m_find;
    m_find = nullptr;
}

void my_notebook::use_default_size()
{
    m_geometry->forget();
}

void my_notebook::report(const notebook_store::failure &f)
{
    // Logged by the store; said once the user opens the notebook.
    if (f.why == notebook_store::cause::busy && m_database->quiet())
        return;
    const bool warning = f.box == notebook_store::failure::kind::warning;
    const QString text = f.reason.isEmpty() ? f.text : f.text + QStringLiteral("\n\n") + f.reason;
    m_prompts->message(f.over_window ? this : nullptr,
                       warning ? notebook_prompts::box::warning : notebook_prompts::box::information, f.title, text);
}

QTableWidget *my_notebook::page_list() const
{
    return ui->tableWidget;
}

QTextEdit *my_notebook::editor() const
{
    return ui->textEdit;
}

QDockWidget *my_notebook::page_dock() const
{
    return ui->dockWidget;
}

QToolBar *my_notebook::tool_bar() const
{
    return ui->toolBar;
}

QRadioButton *my_notebook::html_switch() const
{
    return m_text->html_switch();
}

QRadioButton *my_notebook::text_switch() const
{
    return m_text->text_switch();
}

void my_notebook::set_tool_actions_enabled(bool on)
{
    for (const char *name : {"setfonttsk", "setcolortsk"})
        if (auto *a = findChild<QAction *>(QLatin1String(name)))
            a->setEnabled(on);
}

void my_notebook::apply_editor_setup(const notebook_store::editor_setup &s)
{
    m_text->apply_setup(s);
    set_tool_actions_enabled(!s.html);
    m_pictures->set_caption_defaults(m_text->font(), m_text->color());
}

bool my_notebook::database_failed()
{
    if (!m_database->failed(m_store->last_cause()))
        return false;
    show_unavailable();
    return true;
}

void my_notebook::show_unavailable()
{
    m_page_id = -1;
    m_text->clear();
    m_pictures->clear();
    ui->stackedWidget->setCurrentIndex(0);
    ui->textEdit->setVisible(true);
    const QString reason = notebook_store::reason_for(m_store->last_cause(), m_store->database_name());
    m_text->show_notice(
        notice_html(m_database->current() == database_watch::state::busy
                        ? reason + QStringLiteral(" Заметки появятся здесь, как только та программа её освободит.")
                        : reason));
}

// The editor defaults, the page list and the first page: at construction,
// and again while the database was held by another program.
bool my_notebook::load_contents()
{
    notebook_store::editor_setup s;
    if (m_store->read_editor_setup(s))
        apply_editor_setup(s);
    else if (database_failed())
        return false;
    // Without its setup the notebook still shows its pages.
    const bool listed = build_list();
    if (!listed && database_failed())
        return false;
    m_database->succeeded();
    if (ui->tableWidget->rowCount() > 0) {
        ui->tableWidget->setCurrentCell(0, 1);
        set_notebook_data(int(current_row_page()));
    }
    if (!m_drafts_offered)
        QTimer::singleShot(0, this, &my_notebook::offer_drafts);
    return true;
}

bool my_notebook::database_ready() const
{
    return m_database->ready();
}

void my_notebook::retry_database()
{
    m_database->retry();
}

bool my_notebook::build_list()
{
    QTableWidget *t = ui->tableWidget;
    int count = 0;
    QList<notebook_store::page_row> rows;
    const bool ok = m_store->count_pages(count) && m_store->list_pages(rows);
    m_rebuilding = true;
    t->setUpdatesEnabled(false);
    t->clear();
    t->setColumnCount(2);
    t->setRowCount(ok ? int(rows.size()) : 0);
    t->setHorizontalHeaderLabels({QStringLiteral("ИД"), QStringLiteral("Тема")});
    // Sorted here rather than by the table: sorting ten thousand table
    // items costs far more.
    page_titles::sort(rows);
    for (int r = 0; ok && r < rows.size(); ++r) {
        auto *id = new QTableWidgetItem;
        id->setData(Qt::DisplayRole, rows[r].id);
        id->setFlags(id->flags() & ~Qt::ItemIsEditable);
        t->setItem(r, 0, id);
        // Titles are shown as text; markup in them is never interpreted.
        t->setItem(r, 1, new QTableWidgetItem(rows[r].name));
    }
    t->setColumnHidden(0, true);
    t->horizontalHeader()->hide();
    t->verticalHeader()->hide();
    t->clearSelection();
    t->horizontalHeader()->setHighlightSections(false);
    t->horizontalHeader()->setStretchLastSection(true);
    t->setUpdatesEnabled(true);
    m_rebuilding = false;

    const bool any = t->rowCount() > 0;
    if (!any) {
        m_text->clear();
        m_pictures->clear();
        ui->stackedWidget->setCurrentIndex(0);
        m_page_id = -1;
    }
    ui->textEdit->setVisible(any);
    ui->graphicsView->setVisible(any);
    return ok;
}

qint64 my_notebook::newest_listed() const
{
    QList<notebook_store::page_row> rows;
    for (int r = 0; r < ui->tableWidget->rowCount(); ++r)
        rows.append({ui->tableWidget->item(r, 0)->data(Qt::DisplayRole).toLongLong(), QString()});
    return notebook_store::newest_page(rows);
}

int my_notebook::row_of(qint64 id) const
{
    for (int r = 0; r < ui->tableWidget->rowCount(); ++r)
        if (QTableWidgetItem *i = ui->tableWidget->item(r, 0); i && i->data(Qt::DisplayRole).toLongLong() == id)
            return r;
    return -1;
}

qint64 my_notebook::current_row_page() const
{
    const int row = ui->tableWidget->currentRow();
    QTableWidgetItem *i = row < 0 ? nullptr : ui->tableWidget->item(row, 0);
    return i ? i->data(Qt::DisplayRole).toLongLong() : -1;
}

void my_notebook::make_current(int row)
{
    m_switch_cancelled = false;
    ui->tableWidget->setCurrentCell(row, 1);
}

bool my_notebook::page_modified() const
{
    if (m_page_id < 0)
        return false;
    return m_page_image ? m_pictures->modified() : m_text->modified();
}

bool my_notebook::settle_unsaved()
{
    if (!page_modified())
        return true;
    const int row = row_of(m_page_id);
    QTableWidgetItem *title = row < 0 ? nullptr : ui->tableWidget->item(row, 1);
    switch (m_prompts->ask_unsaved(this, title ? title->text() : QString())) {
    case notebook_prompts::unsaved_answer::cancel:
        return false;
    case notebook_prompts::unsaved_answer::save:
        // The page shown is the one saved, wherever the list's cursor is.
        return save_current();
    case notebook_prompts::unsaved_answer::discard:
        m_text->set_modified(false);
        m_pictures->set_modified(false);
        m_draft_timer.stop();
        m_drafts->drop(m_page_id);
        return true;
    }
    return false;
}

void my_notebook::keep_unsaved()
{
    m_draft_timer.stop();
    if (page_modified())
        keep_draft();
    m_drafts->flush();
    m_geometry->save(*m_prompts);
}

void my_notebook::page_edited()
{
    if (m_page_id >= 0 && !m_loading && page_modified())
        m_draft_timer.start();
}

void my_notebook::keep_draft(bool in_passing)
{
    m_draft_timer.stop();
    if (m_page_id < 0 || !m_page_readable || !page_modified())
        return;
    page_draft d;
    d.page = m_page_id;
    const int row = row_of(m_page_id);
    if (QTableWidgetItem *title = row < 0 ? nullptr : ui->tableWidget->item(row, 1))
        d.title = title->text();
    d.written = QDateTime::currentDateTimeUtc();
    QImage picture;
    if (m_page_image) {
        m_pictures->fill_draft(d, picture);
    } else {
        m_text->fill_draft(d, in_passing);
        if (d.body.size() > notebook_limits::text_page_bytes) {
            qCWarning(lc_notebook) << "page" << m_page_id << "is too large to keep a draft of";
            return;
        }
    }
    m_drafts->keep(d, picture);
}

void my_notebook::offer_drafts()
{
    if (m_in_load) {
        // Asked from inside a page load (its notice paints): after it.
        QTimer::singleShot(0, this, &my_notebook::offer_drafts);
        return;
    }
    if (m_offering || !m_database->ready() || m_drafts_offered)
        return;
    m_offering = true;
    m_drafts_offered = true;
    m_drafts->offer(*m_prompts, this, [this](const page_draft &d) { restore_draft(d); });
    m_offering = false;
}

void my_notebook::restore_draft(page_draft d)
{
    if (!settle_unsaved())
        return;
    int row = row_of(d.page);
    if (row < 0) {
        // Its page was deleted since: the changes get a page of their own.
        if (!m_store->insert_page(d.title + QStringLiteral(" (восстановлено)"), d.image))
            return; // said; the draft stays for the next start
        m_text->set_modified(false);
        m_pictures->set_modified(false);
        build_list();
        d.page = newest_listed();
        row = row_of(d.page);
        m_page_id = -1;
    }
    if (row < 0)
        return;
    show();
    raise();
    activateWindow();
    make_current(row);
    if (m_page_id != d.page)
        set_notebook_data(int(d.page));
    if (m_loading)
        m_pending_draft = d;
    else
        apply_draft(d);
}

void my_notebook::apply_draft(const page_draft &d)
{
    if (m_page_id != d.page || !m_page_readable || d.image != m_page_image) {
        qCWarning(lc_notebook) << "the draft" << d.file << "does not fit its page; it stays for the next start";
        return;
    }
    m_drafts->adopt(d);
    if (d.image)
        m_pictures->restore(d);
    else
        m_text->restore(d);
    m_text->set_read_only(false);
}

void my_notebook::tableWidget_currentItemChanged(QTableWidgetItem *current, QTableWidgetItem *)
{
    if (!current || m_rebuilding || m_reverting)
        return;
    QTableWidgetItem *id_item = ui->tableWidget->item(current->row(), 0);
    if (!id_item)
        return;
    const qint64 id = id_item->data(Qt::DisplayRole).toLongLong();
    if (id == m_page_id)
        return; // another cell of the page already shown
    if (!settle_unsaved()) {
        m_switch_cancelled = true;
        m_reverting = true;
        ui->tableWidget->setCurrentCell(row_of(m_page_id), 1);
        m_reverting = false;
        return;
    }
    set_notebook_data(int(id));
}

void my_notebook::set_notebook_data(int id)
{
    // Leaving a page: changes still there (nobody was asked) are kept as a
    // draft; a settled page's draft of this run goes.
    if (m_page_id >= 0) {
        if (page_modified())
            keep_draft();
        else
            m_drafts->drop(m_page_id);
    }
    m_draft_timer.stop();
    m_loader->cancel();
    m_loading = false;
    m_loading_bytes.clear();
    m_pending_draft.reset();
    m_text->clear();
    m_pictures->clear();
    ui->stackedWidget->setCurrentIndex(0);
    m_page_id = id;
    m_page_image = false;
    // The notice paints by processing events: nothing started from there
    // may load a page inside this one.
    m_in_load = true;
    {
        loading_feedback feedback(this, ui->textEdit);
        // Without the page's kind and bytes nothing may be saved over it.
        m_page_readable = read_page(id);
    }
    m_in_load = false;
    // A page that could not be read is shown but cannot be saved over.
    m_text->set_read_only(!m_page_readable || m_loading);
    m_text->set_modified(false);
    m_pictures->set_modified(false);
}

bool my_notebook::read_page(qint64 id)
{
    page_reading::result page = page_reading::read(*m_store, id);
    m_page_image = page.image;
    if (page.what == page_reading::result::outcome::too_large) {
        m_text->show_notice(notice_html(page.refusal));
        m_prompts->message(this, notebook_prompts::box::warning, QStringLiteral("Внимание!"), page.refusal);
    }
    if (page.what != page_reading::result::outcome::read)
        return false;
    const QByteArray data = std::move(page.data);

    if (m_page_image) {
        m_text->set_switch_enabled(false);
        set_tool_actions_enabled(true);
        m_text->clear();
        ui->stackedWidget->setCurrentIndex(1);
        if (m_pictures->load(id, data, true)) {
            m_loading = true;
            m_loader->decode_picture([data] { return image_page::decode(data); });
        }
        return true;
    }
    m_text->set_switch_enabled(true);
    ui->stackedWidget->setCurrentIndex(0);
    set_tool_actions_enabled(!m_text->html());
    if (data.size() < notebook_limits::text_in_background) {
        m_text->load(data);
        return true;
    }
    // A large page is built on the worker; the notice stays until it is there.
    m_loading = true;
    m_loading_bytes = data;
    m_text->show_notice(loading_feedback::notice);
    const bool html = m_text->html();
    const QFont font = ui->textEdit->font();
    const QTextOption::WrapMode wrap = m_text->wrap_mode();
    m_loader->build_text([data, html, font, wrap] { return text_page::build_document(data, html, font, wrap); });
    return true;
}

void my_notebook::text_loaded(QTextDocument *document)
{
    m_loading = false;
    m_text->show_document(document, m_loading_bytes);
    m_loading_bytes.clear();
    m_text->set_read_only(!m_page_readable);
    m_text->set_modified(false);
    if (m_pending_draft)
        apply_draft(*std::exchange(m_pending_draft, std::nullopt));
}

void my_notebook::picture_loaded(const QImage &picture)
{
    m_loading = false;
    const bool edited = m_pictures->modified();
    m_pictures->picture_decoded(picture);
    m_pictures->set_modified(edited);
    if (m_pending_draft)
        apply_draft(*std::exchange(m_pending_draft, std::nullopt));
}

bool my_notebook::save_current()
{
    if (m_page_id < 0)
        return false;
    if (!m_page_readable) {
        m_prompts->message(this, notebook_prompts::box::warning, QStringLiteral("Внимание!"),
                           QStringLiteral("Заметка не была прочитана из базы, поэтому не сохраняется: "
                                          "иначе её содержимое было бы потеряно."));
        return false;
    }
    if (m_loading) {
        m_prompts->message(this, notebook_prompts::box::warning, QStringLiteral("Внимание!"),
                           QStringLiteral("Заметка ещё загружается; сохраните её, когда она появится."));
        return false;
    }
    // The page on screen, as it was loaded: asking the database again could
    // fail (a lock held by another program) and turn a picture page into an
    // empty text written over the picture.
    const bool saved = m_page_image ? m_pictures->save(m_page_id) : m_text->save(m_page_id);
    if (saved) {
        m_draft_timer.stop();
        m_drafts->drop(m_page_id);
    } else if (page_modified()) {
        keep_draft(); // not in the database: on disk at least
    }
    return saved;
}

void my_notebook::save()
{
    if (m_database->current() == database_watch::state::busy) {
        m_database->retry();
        return;
    }
    if (ui->tableWidget->rowCount() == 0 || m_page_id < 0)
        return;
    save_current();
}

void my_notebook::find()
{
    m_find_held = false;
    m_find->move(QCursor::pos());
    m_find->line_edit()->clear();
    m_find->exec();
}

void my_notebook::find_text(const QString &text)
{
    QTableWidget *t = ui->tableWidget;
    if (t->rowCount() == 0)
        return;
    int target = 0;
    QTableWidgetItem *match = nullptr;
    if (!text.isEmpty()) {
        const auto found = t->findItems(text, Qt::MatchContains);
        for (QTableWidgetItem *i : found)
            if (i->column() == 1 && (!match || i->row() < match->row()))
                match = i;
        if (match)
            target = match->row();
    }
    // One move per keystroke, straight to the page wanted; once the user
    // chose to stay on a changed page, matches are only highlighted.
    if (!m_find_held) {
        make_current(target);
        if (m_switch_cancelled)
            m_find_held = true;
    }
    // Selecting must not move the current row: that would load the page.
    t->clearSelection();
    if (match) {
        t->selectionModel()->select(t->model()->index(match->row(), 1),
                                    QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        t->scrollToItem(match);
    }
}

void my_notebook::setfont_GraphicsTextItem()
{
    if (ui->tableWidget->rowCount() > 0)
        m_pictures->choose_caption_font(current_row_page());
}

void my_notebook::setcolor_GraphicsTextItem()
{
    if (ui->tableWidget->rowCount() > 0)
        m_pictures->choose_caption_color(current_row_page());
}

void my_notebook::add_notebook()
{
    notebook_menus::add_page_menu(*this);
}

bool my_notebook::add_page(bool image)
{
    if (!settle_unsaved())
        return false;
    const std::optional<QString> title = m_prompts->text(
        this, QStringLiteral("Тема заметки:"),
        QStringLiteral("Новая заметка ") + QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yy HH:mm")));
    if (!title)
        return false;
    if (image)
        m_scene->setSceneRect(0, 0, 300, 300);
    if (!m_store->insert_page(*title, image))
        return false;
    // Nothing is left unsaved here: the list is rebuilt without asking again.
    m_text->set_modified(false);
    m_pictures->set_modified(false);
    build_list();
    const int row = row_of(newest_listed());
    if (row >= 0) {
        m_page_id = -1;
        make_current(row);
    }
    ui->stackedWidget->setCurrentIndex(image ? 1 : 0);
    return true;
}

void my_notebook::delete_notebook()
{
    QTableWidget *t = ui->tableWidget;
    const QModelIndexList selected = t->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    if (!m_prompts->confirm(this, QStringLiteral("Удаление"),
                            QStringLiteral("Вы действительно хотите удалить выбранное ?")))
        return;
    QList<int> rows;
    for (const QModelIndex &i : selected)
        rows << i.row();
    std::sort(rows.begin(), rows.end());
    QList<qint64> ids;
    for (int r : rows)
        ids << t->item(r, 0)->data(Qt::DisplayRole).toLongLong();
    // The page shown survives the deletion: its changes must not vanish
    // when the list moves to its first row.
    if (!ids.contains(m_page_id) && !settle_unsaved())
        return;
    for (qint64 id : ids) {
        m_store->delete_page(id);
        m_drafts->drop(id);
    }
    m_text->set_modified(false);
    m_pictures->set_modified(false);
    m_page_id = -1;
    build_list();
    if (t->rowCount() > 0) {
        t->setFocus();
        make_current(0);
    }
}

void my_notebook::seteditorfont()
{
    if (m_text->choose_editor_font())
        m_pictures->set_caption_defaults(m_text->font(), m_text->color());
}

void my_notebook::seteditorcolor()
{
    if (m_text->choose_editor_color())
        m_pictures->set_caption_defaults(m_text->font(), m_text->color());
}

void my_notebook::switch_mode(bool html)
{
    if (ui->tableWidget->rowCount() == 0)
        return;
    if (!settle_unsaved()) {
        // Put the switch back as it was; nothing is written.
        m_text->revert_switch(html);
        return;
    }
    m_text->store_mode();
    set_tool_actions_enabled(!html);
    const qint64 id = current_row_page();
    if (id >= 0)
        set_notebook_data(int(id));
    if (!html)
        m_text->apply_editor_format();
}

void my_notebook::add_img_buff()
{
    m_pictures->add_from_clipboard();
}

void my_notebook::add_img_file()
{
    m_pictures->add_from_file();
}

void my_notebook::fit()
{
    m_pictures->fit();
}

void my_notebook::add_text()
{
    m_pictures->add_or_change_caption();
}

void my_notebook::del_text()
{
    m_pictures->delete_captions();
}

void my_notebook::rotate_text()
{
    m_pictures->rotate_captions();
}

void my_notebook::save_img_file()
{
    m_pictures->export_to_file();
}

void my_notebook::del_img()
{
    m_pictures->delete_picture();
}

void my_notebook::editorLostFocus(TextItem *item)
{
    m_pictures->editorLostFocus(item);
}

void my_notebook::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    m_pictures->refit();
}

void my_notebook::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        m_geometry->first_show();
    QMainWindow::showEvent(event);
    m_pictures->refit();
    m_database->window_shown();
}

void my_notebook::hideEvent(QHideEvent *event)
{
    QMainWindow::hideEvent(event);
    m_database->window_hidden();
}
