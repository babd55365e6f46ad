#include "calendar/qtcalendar.h"

#include "calendar/notes_store.h"
#include "common/time_source.h"

#include <QPainter>
#include <QTextCharFormat>

qtcalendar::qtcalendar(notes_store &store, const time_source &clock, QWidget *parent)
    : QCalendarWidget(parent), m_store(store), m_clock(clock)
{
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
