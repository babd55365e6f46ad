#include "notebook/my_notebook.h"

#include "common/screen_placement.h"
#include "notebook/edit_contents.h"
#include "notebook/find_dialog.h"
#include "notebook/image_page.h"
#include "notebook/loading_feedback.h"
#include "notebook/notebook_log.h"
#include "notebook/notebook_menus.h"
#include "notebook/notebook_prompts.h"
#include "notebook/notebook_size_file.h"
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
#include <QScreen>
#include <algorithm>

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

    build_tool_bar();
    ui->tableWidget->setItemDelegateForColumn(
        1, new EditContents([this](const QString &name, qint64 id) { m_store->rename_page(name, id); }, this));

    apply_editor_setup();

    if (build_list() && ui->tableWidget->rowCount() > 0) {
        ui->tableWidget->setCurrentCell(0, 1);
        set_notebook_data(int(current_row_page()));
    }
    restore_layout();
    connect(ui->tableWidget, &QTableWidget::currentItemChanged, this, &my_notebook::tableWidget_currentItemChanged);
}

my_notebook::~my_notebook()
{
    save_layout();
    m_text.reset();
    m_pictures.reset();
    m_store.reset(); // closes the connection
    delete m_find;
    m_find = nullptr;
}

void my_notebook::report(const notebook_store::failure &f)
{
    const bool warning = f.box == notebook_store::failure::kind::warning;
    m_prompts->message(f.over_window ? this : nullptr,
                       warning ? notebook_prompts::box::warning : notebook_prompts::box::information, f.title, f.text);
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

void my_notebook::build_tool_bar()
{
    QToolBar *bar = ui->toolBar;
    QAction *add = bar->addAction(QIcon(QStringLiteral(":/icons/new.png")), tr("Добавить заметку"));
    add->setObjectName(QStringLiteral("addtsk_"));
    add->setShortcut(QKeySequence::New);
    connect(add, &QAction::triggered, this, &my_notebook::add_notebook);
    connect(bar->addAction(QIcon(QStringLiteral(":/icons/del.png")), tr("Удалить заметку")), &QAction::triggered, this,
            &my_notebook::delete_notebook);
    bar->addSeparator();
    QAction *save_action = bar->addAction(QIcon(QStringLiteral(":/icons/save.png")), tr("Сохранить"));
    save_action->setShortcut(QKeySequence::Save);
    connect(save_action, &QAction::triggered, this, &my_notebook::save);
    auto *find_action = new QAction(this);
    find_action->setShortcut(QKeySequence::Find);
    addAction(find_action);
    connect(find_action, &QAction::triggered, this, &my_notebook::find);
    bar->addSeparator();
    QAction *font = bar->addAction(QIcon(QStringLiteral(":/icons/fonts.png")), tr("Выбрать шрифт редактора"));
    font->setObjectName(QStringLiteral("setfonttsk"));
    connect(font, &QAction::triggered, this, &my_notebook::seteditorfont);
    QAction *color = bar->addAction(QIcon(QStringLiteral(":/icons/colors.png")), tr("Выбрать цвет букв редактора"));
    color->setObjectName(QStringLiteral("setcolortsk"));
    connect(color, &QAction::triggered, this, &my_notebook::seteditorcolor);
    bar->addSeparator();
    bar->addWidget(m_text->html_switch());
    bar->addWidget(m_text->text_switch());
    bar->addSeparator();
}

void my_notebook::set_tool_actions_enabled(bool on)
{
    for (const char *name : {"setfonttsk", "setcolortsk"})
        if (auto *a = findChild<QAction *>(QLatin1String(name)))
            a->setEnabled(on);
}

void my_notebook::apply_editor_setup()
{
    notebook_store::editor_setup s;
    if (!m_store->read_editor_setup(s))
        return;
    m_text->apply_setup(s);
    set_tool_actions_enabled(!s.html);
    m_pictures->set_caption_defaults(m_text->font(), m_text->color());
}

void my_notebook::restore_layout()
{
    const auto saved = notebook_size_file::load(m_data_folder + "//notebook_size.dat");
    if (saved) {
        restoreGeometry(saved->geometry);
        restoreState(saved->state, 0);
        // A geometry from a screen that is gone would put the window out of reach.
        const QRect frame = geometry();
        QList<QRect> areas;
        for (const QScreen *s : QGuiApplication::screens())
            areas.append(s->availableGeometry());
        if (saved->geometry.isEmpty() || areas.isEmpty() || screen_placement::on_screens(frame, areas))
            return;
        qCInfo(lc_notebook) << "stored notebook geometry" << frame << "is off screen; centring";
    } else {
        ui->dockWidgetContents->setMaximumWidth(180);
    }
    QScreen *scr = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!scr)
        return;
    const QRect area = scr->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
}

void my_notebook::save_layout()
{
    if (m_no_size_file)
        return;
    const QString file = m_data_folder + "//notebook_size.dat";
    QString error;
    switch (notebook_size_file::save(file, {saveGeometry(), saveState(0)}, &error)) {
    case notebook_size_file::save_result::written:
        break;
    case notebook_size_file::save_result::too_long:
        qCWarning(lc_notebook) << "window geometry does not fit" << file << "- the previous file is kept";
        break;
    case notebook_size_file::save_result::failed:
        qCWarning(lc_notebook) << "cannot write" << file << error;
        m_prompts->message(this, notebook_prompts::box::warning, QStringLiteral("Ошибка"), error);
        break;
    }
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
    // Ordered here as the table would order its title column (by its text,
    // case-sensitively, equal titles in database order): sorting ten
    // thousand table items costs far more than sorting the rows.
    for (notebook_store::page_row &row : rows)
        row.name = row.name.trimmed();
    std::stable_sort(rows.begin(), rows.end(),
                     [](const notebook_store::page_row &a, const notebook_store::page_row &b) {
                         return QString::compare(a.name, b.name, Qt::CaseSensitive) < 0;
                     });
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
        if (!m_page_readable)
            return false;
        return m_page_image ? m_pictures->save(m_page_id) : m_text->save(m_page_id);
    case notebook_prompts::unsaved_answer::discard:
        m_text->set_modified(false);
        m_pictures->set_modified(false);
        return true;
    }
    return false;
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
    m_text->clear();
    m_pictures->clear();
    ui->stackedWidget->setCurrentIndex(0);
    m_page_id = id;
    {
        loading_feedback feedback(this, ui->textEdit);
        bool readable = true;
        const QByteArray data = m_store->read_page_data(id, &readable);
        bool kind_known = true;
        m_page_image = m_store->is_image_page(id, &kind_known);
        // Without the page's kind nothing may be saved over it.
        m_page_readable = readable && kind_known;
        if (m_page_image) {
            m_text->set_switch_enabled(false);
            set_tool_actions_enabled(true);
            m_text->clear();
            ui->stackedWidget->setCurrentIndex(1);
            m_pictures->load(id, data);
        } else {
            m_text->set_switch_enabled(true);
            ui->stackedWidget->setCurrentIndex(0);
            set_tool_actions_enabled(!m_text->html());
            m_text->load(data);
        }
    }
    // A page that could not be read is shown but cannot be saved over.
    m_text->set_read_only(!m_page_readable);
    m_text->set_modified(false);
    m_pictures->set_modified(false);
}

void my_notebook::save()
{
    if (ui->tableWidget->rowCount() == 0 || m_page_id < 0)
        return;
    if (!m_page_readable) {
        m_prompts->message(this, notebook_prompts::box::warning, QStringLiteral("Внимание!"),
                           QStringLiteral("Заметка не была прочитана из базы, поэтому не сохраняется: "
                                          "иначе её содержимое было бы потеряно."));
        return;
    }
    // The page on screen, as it was loaded: asking the database again could
    // fail (a lock held by another program) and turn a picture page into an
    // empty text written over the picture.
    if (m_page_image)
        m_pictures->save(m_page_id);
    else
        m_text->save(m_page_id);
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
    QList<notebook_store::page_row> rows;
    for (int r = 0; r < ui->tableWidget->rowCount(); ++r)
        rows.append({ui->tableWidget->item(r, 0)->data(Qt::DisplayRole).toLongLong(), QString()});
    const int row = row_of(notebook_store::newest_page(rows));
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
    for (qint64 id : ids)
        m_store->delete_page(id);
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
    QMainWindow::showEvent(event);
    m_pictures->refit();
}
