#pragma once
// my_monitor: the notes overview. A table of the notes of a span of months
// around a start date (or of all notes), with copy, delete, find and
// jump-to-date. It remembers its geometry in setup.dat and its span in
// clock.ini (MONITOR). It is dragged by its margin, its labels and the
// table's empty area. A note's text cell shows its first cell_limit
// characters; the item keeps the whole text under full_text_role.

#include "calendar/skin_picture.h"

#include <QDate>
#include <QPixmap>
#include <QWidget>
#include <memory>

class QMenu;
class QSettings;
class QTableWidget;
class _datetimeEdit;
class my_dialog;
class notes_store;
class time_source;

namespace Ui {
class monitor_form;
}

class my_monitor : public QWidget
{
    Q_OBJECT
public:
    my_monitor(notes_store &store, const time_source &clock, QWidget *parent = nullptr);
    ~my_monitor() override;

    // Refills the table from the store.
    void fill();
    // Refills only when what the table shows can have changed since the
    // last fill: the notes, the start date, the span or (with set-today)
    // the date. True when it refilled.
    bool refill_if_stale();
    int fills() const { return m_fills; }

    // The calendar's skin picture (empty: none), decoded when first painted.
    void set_background(const QString &skin);
    void apply_look(const QColor &labels, const QColor &text, const QFont &table_font);
    void set_fixed_position(bool on) { m_fixed_position = on; }
    void set_set_today(bool on);
    // Always on top or not; keeps its geometry and shows again if it was shown.
    void set_on_top(bool on);
    bool pointer_outside() const { return m_pointer_outside; }
    // setup.dat: written on every release and resize, and on close.
    QString geometry_file() const;

    QTableWidget *table() const;
    static constexpr int cell_limit = 500;
    static constexpr int full_text_role = Qt::UserRole + 1;
    // The whole text of a note's row.
    static QString full_text(const class QTableWidgetItem *item);
    _datetimeEdit *copy_dialog() const { return m_copy; }
    my_dialog *find_dialog() const { return m_find; }
    QMenu *context_menu() const { return m_menu; }
    Ui::monitor_form *form() const { return m_ui.get(); }

signals:
    void doUpdate_calendar_buffer();
    void GoToNote(const QString &date);
    void GoNow();
    // Calendar files: what the composition does with them.
    void export_requested();
    void import_requested();

public slots:
    void set_value(int v);
    void set_start_date(QDate d);
    void on_toolButton_clicked();
    void on_monitor_notes_customContextMenuRequested(const QPoint &pos);
    void copy_notes();
    void do_update();
    void go_notes();
    void go_now();
    void find_item();
    void delete_notes();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void enterEvent(QEnterEvent *e) override;
    void leaveEvent(QEvent *e) override;

private:
    void restore_geometry();
    bool save_geometry();
    void set_title();
    void fit_columns();
    // The current row's date and key; false without a current row.
    bool current_note(QDate *date, QString *key, int *row = nullptr) const;
    struct fill_state
    {
        quint64 revision = ~quint64(0);
        QDate start;
        int months = 0;
        friend bool operator==(const fill_state &, const fill_state &) = default;
    };
    fill_state state_now() const;

    std::unique_ptr<Ui::monitor_form> m_ui;
    notes_store &m_store;
    const time_source &m_clock;
    skin_picture m_background;
    bool m_set_today = false;
    bool m_pointer_outside = true;
    bool m_fixed_position = false;
    QPoint m_drag_offset;
    bool m_dragging = false; // a drag begun on a label or the table's empty area
    std::unique_ptr<QSettings> m_clock_ini;
    QMenu *m_menu = nullptr;
    _datetimeEdit *m_copy = nullptr;
    my_dialog *m_find = nullptr;
    fill_state m_filled;
    int m_fills = 0;
};
