#include "calendar/qtcalendar.h"

#include "calendar/notes_store.h"
#include "common/interface_locale.h"
#include "common/time_source.h"

#include <QPainter>
#include <QTableView>
#include <QTextCharFormat>

qtcalendar::qtcalendar(notes_store &store, const time_source &clock, QWidget *parent)
    : QCalendarWidget(parent), m_store(store), m_clock(clock)
{
    setLocale(interface_locale());
    setMouseTracking(true);
    setDateRange(QDate(1800, 1, 1), QDate(3000, 1, 31));
    setGridVisible(false);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    setFirstDayOfWeek(Qt::Monday);

    // The skin shows through everything; only the texts are painted.
    QPalette pal = palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Light, QPalette::Dark, QPalette::Mid,
                          QPalette::Shadow, QPalette::AlternateBase, QPalette::Highlight})
            pal.setColor(group, role, Qt::transparent);
        for (auto role : {QPalette::Text, QPalette::ButtonText, QPalette::HighlightedText})
            pal.setColor(group, role, Qt::white);
    }
    setPalette(pal);
    go_to_today();
    // A ring appears or goes when the notes change.
    connect(&m_store, &notes_store::changed, this, [this] { updateCells(); });
}

QDate qtcalendar::today() const
{
    return m_clock.now().date();
}

void qtcalendar::set_colours(const calendar_colours &c)
{
    m_colours = c;
    QTextCharFormat weekday;
    weekday.setForeground(c.weekday);
    QTextCharFormat weekend;
    weekend.setForeground(c.weekend);
    for (int d = Qt::Monday; d <= Qt::Friday; ++d)
        setWeekdayTextFormat(Qt::DayOfWeek(d), weekday);
    setWeekdayTextFormat(Qt::Saturday, weekend);
    setWeekdayTextFormat(Qt::Sunday, weekend);
    QPalette pal = palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        pal.setColor(group, QPalette::HighlightedText, c.month);
    setPalette(pal);
    // Under the pointer the toolkit paints the month and year buttons with
    // a palette of their own: the month's (often white) name on a light
    // panel. Their look is fixed here instead: the month colour always, and
    // a faint shade under the pointer, readable on any skin.
    const QString month = (c.month.isValid() ? c.month : QColor(Qt::black)).name();
    for (const char *name : {"qt_calendar_monthbutton", "qt_calendar_yearbutton"}) {
        if (QWidget *b = findChild<QWidget *>(QLatin1String(name)))
            b->setStyleSheet(QStringLiteral("QToolButton { color: %1; background: transparent; border: none;"
                                            " padding: 1px 4px; }"
                                            "QToolButton:hover, QToolButton:pressed { background-color:"
                                            " rgba(0, 0, 0, 60); border-radius: 3px; }")
                                 .arg(month));
    }
}

QDate qtcalendar::date_of_cell(int year, int month, Qt::DayOfWeek first_day, int row, int column)
{
    const QDate first(year, month, 1);
    if (!first.isValid() || row < 0 || row > 5 || column < 0 || column > 6)
        return {};
    // The grid always shows at least one day of the month before.
    int offset = (first.dayOfWeek() - int(first_day) + 7) % 7;
    if (offset < 1)
        offset += 7;
    return first.addDays(7 * row + column - offset);
}

QDate qtcalendar::date_at(const QPoint &global) const
{
    const auto *view = findChild<QTableView *>(QStringLiteral("qt_calendar_calendarview"));
    if (!view)
        return {};
    const QPoint at = view->viewport()->mapFromGlobal(global);
    if (!view->viewport()->rect().contains(at))
        return {};
    const QModelIndex i = view->indexAt(at);
    if (!i.isValid())
        return {};
    // The model's first row holds the day names, its first column the week
    // numbers when they are shown.
    const int row = i.row() - (horizontalHeaderFormat() != NoHorizontalHeader ? 1 : 0);
    const int column = i.column() - (verticalHeaderFormat() != NoVerticalHeader ? 1 : 0);
    const QDate d = date_of_cell(yearShown(), monthShown(), firstDayOfWeek(), row, column);
    return d.isValid() && d >= minimumDate() && d <= maximumDate() ? d : QDate();
}

void qtcalendar::go_to_today()
{
    const QDate t = today();
    if (yearShown() != t.year() || monthShown() != t.month())
        setCurrentPage(t.year(), t.month());
    if (selectedDate() != t)
        setSelectedDate(t);
}

void qtcalendar::showEvent(QShowEvent *e)
{
    go_to_today();
    QCalendarWidget::showEvent(e);
}

void qtcalendar::draw_number(QPainter *p, const QRect &rect, QDate date, const QColor &c) const
{
    p->save();
    // An invalid colour (absent from calendar.ini) paints black.
    p->setPen(c.isValid() ? c : QColor(Qt::black));
    p->drawText(rect, Qt::AlignCenter, QString::number(date.day()));
    p->restore();
}

void qtcalendar::paintCell(QPainter *painter, const QRect &rect, QDate date) const
{
    const bool selected = date == selectedDate();
    const bool is_today = date == today();
    const bool other_month = date.month() != monthShown() || date.year() != yearShown();
    if (m_store.has_notes(date)) {
        if (selected)
            QCalendarWidget::paintCell(painter, rect, date);
        const QColor c = is_today               ? m_colours.today
                         : other_month          ? m_colours.other_month
                         : date.dayOfWeek() < 6 ? m_colours.weekday
                                                : m_colours.weekend;
        draw_number(painter, rect, date, c);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(m_colours.border.isValid() ? m_colours.border : QColor(Qt::black), 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawEllipse(QRectF(rect).adjusted(1, 1, -1, -1));
        painter->restore();
    } else if (is_today) {
        if (selected)
            QCalendarWidget::paintCell(painter, rect, date);
        draw_number(painter, rect, date, m_colours.today);
    } else if (!other_month) {
        QCalendarWidget::paintCell(painter, rect, date);
    } else {
        if (selected)
            QCalendarWidget::paintCell(painter, rect, date);
        draw_number(painter, rect, date, m_colours.other_month);
    }
}
