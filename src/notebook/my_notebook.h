#pragma once
// my_notebook: the notebook window. Page titles in a dock on the left;
// on the right a rich-text editor for text pages or a picture view for
// image pages. Storage goes through notebook_store, the page contents
// through text_page and image_page, questions to the user through
// notebook_prompts, the context menus through notebook_menus.

#include "notebook/notebook_store.h"
#include "notebook/page_draft.h"

#include <QMainWindow>
#include <QTimer>
#include <memory>
#include <optional>

namespace Ui {
class my_notebookClass;
}
class QDockWidget;
class QGraphicsScene;
class QRadioButton;
class QTableWidget;
class QTableWidgetItem;
class QTextEdit;
class QToolBar;
class QTextDocument;
class TextItem;
class database_watch;
class draft_keeper;
class find_dialog;
class notebook_geometry;
class page_loader;
class image_page;
class notebook_prompts;
class text_page;

class my_notebook : public QMainWindow
{
    Q_OBJECT
public:
    // prompts: where questions go (null: the real dialogs).
    explicit my_notebook(notebook_prompts *prompts = nullptr, QWidget *parent = nullptr);
    ~my_notebook() override;

    // The size file was deleted: do not write it again at exit.
    void use_default_size();

    // Before leaving the current page (or the program): when it has unsaved
    // changes, asks whether to save them. False when the user cancels.
    bool settle_unsaved();
    bool page_modified() const;

    // The session ends without a question (logout, a stop signal): the
    // page's unsaved changes are kept as a draft, offered at the next
    // start, and the window's size file is written.
    void keep_unsaved();
    // How long after the last change a draft is written (a few seconds).
    void set_draft_delay(int ms) { m_draft_timer.setInterval(ms); }
    draft_keeper &drafts() { return *m_drafts; }
    // Asks about drafts an earlier run left; done once the list is read.
    void offer_drafts();

    // The database could be read (false while another program holds it
    // or when the file is not a database).
    bool database_ready() const;
    // Tries the database again; the list fills when it can be read.
    void retry_database();
    // A large page is still being read into the window.
    bool page_loading() const { return m_loading; }
    page_loader &loader() { return *m_loader; }

    // Adds a page after asking its title; true when one was added.
    bool add_page(bool image);
    // Reads the page list again from the database.
    void rebuild_page_list() { build_list(); }

    QTableWidget *page_list() const;
    QTextEdit *editor() const;
    QDockWidget *page_dock() const;
    QToolBar *tool_bar() const;
    QGraphicsScene *scene() const { return m_scene; }
    text_page &text() { return *m_text; }
    image_page &pictures() { return *m_pictures; }
    notebook_store &store() { return *m_store; }
    find_dialog *finder() const { return m_find; }
    QRadioButton *html_switch() const;
    QRadioButton *text_switch() const;
    qint64 loaded_page() const { return m_page_id; }
    // Moves to the first page whose title contains text, as the find dialog does.
    void find_text(const QString &text);
    // Brings the window up at the page with this id (the search found it).
    // False when no such page is listed or the user stayed on the page
    // they were changing.
    bool show_page(qint64 id);

signals:
    // Ctrl+F: the search over everything the user wrote.
    void search_requested();

public slots:
    void tableWidget_currentItemChanged(QTableWidgetItem *current, QTableWidgetItem *previous);
    void find();
    void setfont_GraphicsTextItem();
    void setcolor_GraphicsTextItem();
    void add_notebook();
    void delete_notebook();
    void set_notebook_data(int id);
    void save();
    void seteditorfont();
    void seteditorcolor();
    void add_img_buff();
    void add_img_file();
    void fit();
    void add_text();
    void del_text();
    void rotate_text();
    void save_img_file();
    void del_img();
    void editorLostFocus(TextItem *item);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void report(const notebook_store::failure &f);
    void apply_editor_setup(const notebook_store::editor_setup &s);
    bool load_contents();
    bool database_failed();
    void show_unavailable();
    bool build_list();
    bool read_page(qint64 id);
    void text_loaded(QTextDocument *document);
    void picture_loaded(const QImage &picture);
    bool save_current();
    void page_edited();
    // in_passing: written after a pause in typing, not as the session ends.
    void keep_draft(bool in_passing = false);
    void restore_draft(page_draft d);
    void apply_draft(const page_draft &d);
    int row_of(qint64 id) const;
    // The page added last among those listed (ids grow with each insert).
    qint64 newest_listed() const;
    qint64 current_row_page() const;
    void make_current(int row);
    void switch_mode(bool html);
    void set_tool_actions_enabled(bool on);

    std::unique_ptr<Ui::my_notebookClass> ui;
    QGraphicsScene *m_scene = nullptr;
    QString m_data_folder;

    std::unique_ptr<notebook_prompts> m_own_prompts;
    notebook_prompts *m_prompts = nullptr;
    std::unique_ptr<notebook_store> m_store;
    std::unique_ptr<text_page> m_text;
    std::unique_ptr<image_page> m_pictures;
    find_dialog *m_find = nullptr;
    page_loader *m_loader = nullptr;
    std::unique_ptr<draft_keeper> m_drafts;
    std::unique_ptr<notebook_geometry> m_geometry;
    QTimer m_draft_timer;

    qint64 m_page_id = -1; // the page shown, -1 for none
    bool m_page_image = false;
    bool m_page_readable = true;
    bool m_rebuilding = false;
    bool m_reverting = false;
    bool m_switch_cancelled = false;
    bool m_find_held = false; // the user kept the page during this search

    database_watch *m_database = nullptr;
    bool m_loading = false;
    QByteArray m_loading_bytes;
    std::optional<page_draft> m_pending_draft; // applied once its page has loaded
    bool m_drafts_offered = false;
    bool m_offering = false;
    bool m_in_load = false;
};
