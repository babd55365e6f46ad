#include "calendar/my_monitor.h"

#include "calendar/calendar_log.h"
#include "calendar/datetime_edit.h"
#include "calendar/my_dialog.h"
#include "calendar/notes_store.h"
#include "common/interface_locale.h"
#include "common/modal_reach.h"
#include "common/time_source.h"
#include "storage/clock_settings.h"
#include "storage/data_folder.h"
#include "storage/ini_format.h"
#include "ui_my_monitor.h"

#include <QCloseEvent>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSettings>

#include <algorithm>

namespace {

namespace monitor_keys {
inline const ini_key<int> update_value{"MONITOR", "update_value", 0};
inline const ini_key<QString> start_mon_date{"MONITOR", "start_mon_date", QString()};
} // namespace monitor_keys

enum column : int
{
    date_column,
    text_column,
    key_column,
    time_column
};

// A 100 000-character note must not make its column as wide as a city.
constexpr int widest_text_column = 1600;

} // namespace

my_monitor::my_monitor(notes_store &store, const time_source &clock, QWidget *parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::monitor_form>()), m_store(store), m_clock(clock)
{
    m_ui->setupUi(this);
    // Dates in the table, the date field and its calendar in Russian.
    setLocale(interface_locale());
    m_clock_ini = ini_format::open(data_folder::file(QStringLiteral("//clock.ini")));
    QTableWidget *t = m_ui->monitor_notes;
    t->setCursor(Qt::ArrowCursor);
    t->horizontalHeader()->setHighlightSections(false);
    t->verticalHeader()->setHighlightSections(false);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setStyleSheet(QStringLiteral("background-color: rgba(200,200, 200, 255);"));
    t->verticalHeader()->setStyleSheet(QStringLiteral("background-color: rgba(200,200, 200, 255);"));
    t->setStyleSheet(QStringLiteral("background-color: rgba(0, 85, 127, 25);"));

    m_copy = new _datetimeEdit(m_store, this);
    connect(m_copy, &_datetimeEdit::doUpdate, this, &my_monitor::do_update);
    m_find = new my_dialog(this);
    m_menu = new QMenu(this);

    typed_settings clock_ini(*m_clock_ini);
    set_on_top(clock_ini.get(clock_keys::top));
    setMouseTracking(true);
    // On top, it must never cover a modal dialog out of reach.
    modal_reach::keep_reachable(this);
    for (QWidget *handle : {static_cast<QWidget *>(m_ui->label), static_cast<QWidget *>(m_ui->label_2), t->viewport()})
        handle->installEventFilter(this);
    restore_geometry();

    QSignalBlocker block_spin(m_ui->spinBox), block_date(m_ui->dateEdit);
    m_ui->spinBox->setValue(clock_ini.get(monitor_keys::update_value));
    const QDate stored = QDate::fromString(clock_ini.get(monitor_keys::start_mon_date), QStringLiteral("dd.MM.yyyy"));
    m_ui->dateEdit->setDate(stored.isValid() ? stored : m_clock.now().date());
    m_set_today = clock_ini.get(clock_keys::set_today) != 0;
    if (m_set_today)
        m_ui->dateEdit->setDate(m_clock.now().date());
    // Sorted by date; a click on a header sorts by that column instead.
    t->setColumnCount(4);
    t->horizontalHeader()->setSectionsClickable(true);
    t->horizontalHeader()->setSortIndicatorShown(true);
    t->horizontalHeader()->setSortIndicator(date_column, Qt::AscendingOrder);
    fill();
    connect(t->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this, &my_monitor::fill);
    connect(m_ui->spinBox, &QSpinBox::valueChanged, this, &my_monitor::set_value);
    connect(m_ui->dateEdit, &QDateEdit::dateChanged, this, &my_monitor::set_start_date);
}

my_monitor::~my_monitor() = default;

QTableWidget *my_monitor::table() const
{
    return m_ui->monitor_notes;
}

QString my_monitor::geometry_file() const
{
    return data_folder::file(QStringLiteral("//setup.dat"));
}

void my_monitor::restore_geometry()
{
    QFile f(geometry_file());
    bool restored = false;
    if (f.open(QIODevice::ReadOnly))
        restored = restoreGeometry(f.readAll());
    const QScreen *primary = QGuiApplication::primaryScreen();
    if (!restored) {
        // Missing, empty or not a geometry: the middle of the desktop.
        if (f.exists())
            qCWarning(lc_calendar) << geometry_file() << "holds no window geometry; overview centred";
        if (primary) {
            const QRect a = primary->availableGeometry();
            move((a.left() + a.right()) / 2 - width() / 2, (a.top() + a.bottom()) / 2 - height() / 2);
        }
        return;
    }
    const QRect g = frameGeometry();
    for (const QScreen *s : QGuiApplication::screens())
        if (s->geometry().contains(g))
            return;
    if (primary)
        move(primary->geometry().topLeft() + QPoint(1, 1));
}

bool my_monitor::save_geometry()
{
    QFile f(geometry_file());
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(saveGeometry());
    return true;
}

void my_monitor::set_title()
{
    const QDate s = m_ui->dateEdit->date();
    const int m = m_ui->spinBox->value();
    const QString title = m != 0
                              ? QStringLiteral("Обзор заметок. Интервал: ") + s.toString(QStringLiteral("dd.MM.yyyy")) +
                                    QStringLiteral(" по ") + s.addMonths(m).toString(QStringLiteral("dd.MM.yyyy"))
                              : QStringLiteral("Показать все заметки");
    setWindowTitle(title);
    setToolTip(title);
}

my_monitor::fill_state my_monitor::state_now() const
{
    return {m_store.revision(), m_set_today ? m_clock.now().date() : m_ui->dateEdit->date(), m_ui->spinBox->value()};
}

void my_monitor::fill()
{
    if (m_set_today) {
        QSignalBlocker block(m_ui->dateEdit);
        m_ui->dateEdit->setDate(m_clock.now().date());
    }
    const QDate s = m_ui->dateEdit->date();
    const int m = m_ui->spinBox->value();
    const QDate e = s.addMonths(m);
    set_title();

    struct row
    {
        QDate date;
        QString text, key, time;
    };
    QList<row> rows;
    const QStringList dates = m_store.dates();
    for (const QString &group : dates) {
        const QDate d = notes_store::parse_date(group);
        const bool in = m == 0 || (d.isValid() && (m > 0 ? (s <= d && d <= e) : (e <= d && d <= s)));
        if (!in)
            continue;
        const QStringList keys = m_store.keys(group);
        for (const QString &k : keys) {
            QStringList r = notes_store::fill({QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("-")},
                                              m_store.read(group, k));
            if (r.at(1) != QLatin1String("2"))
                r[2] = QStringLiteral("-");
            rows.append({d, r.at(0), k, r.at(2)});
        }
    }

    QTableWidget *t = m_ui->monitor_notes;
    t->setUpdatesEnabled(false);
    t->clear();
    t->setColumnCount(4);
    t->setRowCount(0);
    t->setHorizontalHeaderLabels({QStringLiteral("Дата"), QStringLiteral("Заметка"), QStringLiteral("id"),
                                  QStringLiteral("Показать на экране в:")});
    // Each note became the new first row: the last one read is on top. Then
    // the rows are sorted as the header shows (stable, by its column and
    // order, comparing as the table's items do). The table's own sort is
    // not used: on ten thousand rows it takes seconds.
    std::reverse(rows.begin(), rows.end());
    const int by = t->horizontalHeader()->sortIndicatorSection();
    const bool ascending = t->horizontalHeader()->sortIndicatorOrder() == Qt::AscendingOrder;
    auto field = [by](const row &r) -> const QString & {
        return by == text_column ? r.text : by == key_column ? r.key : r.time;
    };
    std::stable_sort(rows.begin(), rows.end(), [&](const row &a, const row &b) {
        if (by == date_column)
            return ascending ? a.date < b.date : b.date < a.date;
        return ascending ? field(a) < field(b) : field(b) < field(a);
    });
    const int n = int(rows.size());
    t->setRowCount(n);
    for (int i = 0; i < n; ++i) {
        const row &r = rows.at(i);
        const int at = i;
        auto *date = new QTableWidgetItem;
        date->setData(Qt::DisplayRole, r.date);
        t->setItem(at, date_column, date);
        auto *text =
            new QTableWidgetItem(r.text.size() > cell_limit ? r.text.left(cell_limit - 1) + QChar(0x2026) : r.text);
        if (r.text.size() > cell_limit)
            text->setData(full_text_role, r.text);
        t->setItem(at, text_column, text);
        t->setItem(at, key_column, new QTableWidgetItem(r.key));
        t->setItem(at, time_column, new QTableWidgetItem(r.time));
    }
    t->hideColumn(key_column);
    fit_columns();
    t->setUpdatesEnabled(true);
    m_filled = state_now();
    ++m_fills;
}

void my_monitor::fit_columns()
{
    QTableWidget *t = m_ui->monitor_notes;
    t->resizeColumnsToContents();
    if (t->columnWidth(text_column) > widest_text_column)
        t->setColumnWidth(text_column, widest_text_column);
    // Notes are single lines: one row height fits them all, and sizing
    // ten thousand rows one by one would take the better part of a second.
    const int line = t->fontMetrics().height() + 6;
    t->verticalHeader()->setMinimumSectionSize(line);
    t->verticalHeader()->setDefaultSectionSize(line);
    for (int r = 0; r < t->rowCount(); ++r) {
        const QTableWidgetItem *item = t->item(r, text_column);
        if (item && item->text().contains('\n'))
            t->resizeRowToContents(r);
    }
    t->setColumnWidth(date_column, int(1.5 * t->fontMetrics().horizontalAdvance(QStringLiteral("99.99.9999"))));
}

bool my_monitor::refill_if_stale()
{
    if (state_now() == m_filled)
        return false;
    fill();
    return true;
}

void my_monitor::set_background(const QString &skin)
{
    m_background.set_file(skin);
    update();
}

void my_monitor::apply_look(const QColor &labels, const QColor &text, const QFont &table_font)
{
    QPalette lp = m_ui->label->palette();
    lp.setColor(QPalette::WindowText, labels);
    m_ui->label->setPalette(lp);
    m_ui->label_2->setPalette(lp);
    QTableWidget *t = m_ui->monitor_notes;
    QPalette tp = t->palette();
    tp.setColor(QPalette::Text, text);
    t->setPalette(tp);
    t->setFont(table_font);
    fit_columns();
}

void my_monitor::set_set_today(bool on)
{
    m_set_today = on;
    if (on)
        m_ui->dateEdit->setDate(m_clock.now().date());
}

void my_monitor::set_on_top(bool on)
{
    const bool shown = isVisible();
    const QRect g = geometry();
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | (on ? Qt::WindowStaysOnTopHint : Qt::WindowFlags()));
    setGeometry(g);
    if (shown)
        show();
}

void my_monitor::set_value(int v)
{
    typed_settings(*m_clock_ini).set(monitor_keys::update_value, v);
    fill();
}

void my_monitor::set_start_date(QDate d)
{
    typed_settings(*m_clock_ini).set(monitor_keys::start_mon_date, d.toString(QStringLiteral("dd.MM.yyyy")));
    fill();
}

void my_monitor::do_update()
{
    fill();
    emit doUpdate_calendar_buffer();
}

void my_monitor::on_toolButton_clicked()
{
    m_pointer_outside = true;
    close();
}

void my_monitor::go_now()
{
    emit GoNow();
}

bool my_monitor::current_note(QDate *date, QString *key, int *row) const
{
    const QTableWidget *t = m_ui->monitor_notes;
    const int r = t->currentRow();
    if (t->rowCount() == 0 || r < 0 || !t->item(r, date_column) || !t->item(r, key_column))
        return false;
    *date = t->item(r, date_column)->data(Qt::DisplayRole).toDate();
    *key = t->item(r, key_column)->text();
    if (row)
        *row = r;
    return true;
}

void my_monitor::go_notes()
{
    QDate d;
    QString key;
    if (current_note(&d, &key))
        emit GoToNote(d.toString(QStringLiteral("yyyy-MM-dd")));
}

void my_monitor::on_monitor_notes_customContextMenuRequested(const QPoint &)
{
    m_menu->clear();
    auto add = [this](const char *text, const char *icon, void (my_monitor::*slot)()) {
        QAction *a = m_menu->addAction(QIcon(tr(icon)), tr(text));
        connect(a, &QAction::triggered, this, slot);
    };
    add("Скопировать заметку на другую дату", ":/icons/copy.png", &my_monitor::copy_notes);
    add("Открыть календарь на день заметки", ":/icons/calendar.png", &my_monitor::go_notes);
    add("Открыть календарь на сегодня", ":/icons/now.png", &my_monitor::go_now);
    add("Удалить заметку", ":/icons/delete.png", &my_monitor::delete_notes);
    add("Найти по содержимому", ":/icons/find.png", &my_monitor::find_item);
    m_menu->addSeparator();
    connect(m_menu->addAction(QStringLiteral("Экспорт в iCalendar…")), &QAction::triggered, this,
            &my_monitor::export_requested);
    connect(m_menu->addAction(QStringLiteral("Импорт из iCalendar…")), &QAction::triggered, this,
            &my_monitor::import_requested);
    m_menu->popup(QCursor::pos());
}

void my_monitor::copy_notes()
{
    QDate d;
    QString key;
    int row = -1;
    if (!current_note(&d, &key, &row))
        return;
    const QTableWidget *t = m_ui->monitor_notes;
    m_copy->note.clear();
    m_copy->note << full_text(t->item(row, text_column)) << t->item(row, time_column)->text();
    m_copy->date_edit()->setDate(d.isValid() ? d : m_clock.now().date());
    m_copy->show();
}

void my_monitor::delete_notes()
{
    QDate d;
    QString key;
    if (!current_note(&d, &key))
        return;
    const auto answer = QMessageBox::information(this, QStringLiteral("Удаление"),
                                                 QStringLiteral("Вы действительно хотите удалить заметку ?"),
                                                 QMessageBox::Ok | QMessageBox::Cancel);
    if (answer == QMessageBox::Ok)
        m_store.remove_note(d, key);
    fill();
    emit doUpdate_calendar_buffer();
}

void my_monitor::find_item()
{
    if (m_ui->monitor_notes->rowCount() == 0)
        return;
    m_find->line_edit()->clear();
    m_find->show();
}

void my_monitor::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    // The picture overhangs every edge by 7 %, hiding the skin's rounded rim.
    const QRect r(int(-0.07 * width()), int(-0.07 * height()), int(1.14 * width()), int(1.14 * height()));
    p.drawPixmap(r.topLeft(), m_background.at(r.size(), devicePixelRatioF()));
}

void my_monitor::closeEvent(QCloseEvent *e)
{
    QFile f(geometry_file());
    if (f.open(QIODevice::WriteOnly)) {
        f.write(saveGeometry());
    } else {
        qCWarning(lc_calendar) << "cannot save" << geometry_file() << f.errorString();
        QMessageBox::warning(this, QStringLiteral("Ошибка сохранения конфигурации"), f.errorString(), QMessageBox::Ok);
    }
    e->accept();
}

void my_monitor::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    if (isVisible())
        save_geometry();
}

QString my_monitor::full_text(const QTableWidgetItem *item)
{
    if (!item)
        return {};
    const QVariant full = item->data(full_text_role);
    return full.isValid() ? full.toString() : item->text();
}

bool my_monitor::eventFilter(QObject *o, QEvent *e)
{
    QTableWidget *t = m_ui->monitor_notes;
    const bool handle = o == m_ui->label || o == m_ui->label_2 || o == t->viewport();
    if (!handle)
        return QWidget::eventFilter(o, e);
    switch (e->type()) {
    case QEvent::MouseButtonPress: {
        auto *m = static_cast<QMouseEvent *>(e);
        // On a row the table keeps the click.
        if (m->button() != Qt::LeftButton || (o == t->viewport() && t->indexAt(m->position().toPoint()).isValid()))
            break;
        m_dragging = true;
        m_drag_offset = m->globalPosition().toPoint() - frameGeometry().topLeft();
        return true;
    }
    case QEvent::MouseMove: {
        auto *m = static_cast<QMouseEvent *>(e);
        if (!m_dragging || !(m->buttons() & Qt::LeftButton))
            break;
        setCursor(Qt::ClosedHandCursor);
        if (!m_fixed_position)
            move(m->globalPosition().toPoint() - m_drag_offset);
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (!m_dragging)
            break;
        m_dragging = false;
        save_geometry();
        return true;
    default:
        break;
    }
    return QWidget::eventFilter(o, e);
}

void my_monitor::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton)
        m_drag_offset = e->globalPosition().toPoint() - frameGeometry().topLeft();
}

void my_monitor::mouseMoveEvent(QMouseEvent *e)
{
    setCursor(Qt::ClosedHandCursor);
    if ((e->buttons() & Qt::LeftButton) && !m_fixed_position)
        move(e->globalPosition().toPoint() - m_drag_offset);
}

void my_monitor::mouseReleaseEvent(QMouseEvent *)
{
    save_geometry();
}

void my_monitor::enterEvent(QEnterEvent *e)
{
    QWidget::enterEvent(e);
    m_pointer_outside = false;
}

void my_monitor::leaveEvent(QEvent *e)
{
    QWidget::leaveEvent(e);
    if (!m_menu->isVisible())
        m_pointer_outside = true;
}
