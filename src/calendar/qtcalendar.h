#pragma once
// qtcalendar: the month grid of the calendar window. Days with notes get a
// ring; today, the other months' days, weekdays and weekends their colours.
// Showing it turns it to the current month with today selected. Month and
// day names are Russian, whatever the process's locale.

#include "calendar/calendar_settings.h"

#include <QCalendarWidget>

class notes_store;
class time_source;

class qtcalendar : public QCalendarWidget
{
    Q_OBJECT
public:
    qtcalendar(notes_store &store, const time_source &clock, QWidget *parent = nullptr);

    void set_colours(const calendar_colours &c);
    const calendar_colours &colours() const { return m_colours; }
    // Current month and year, today selected; nothing happens when already there.
    void go_to_today();
    QDate today() const;
    // The day under a point of the screen, as the grid shows it now;
    // invalid outside the day cells.
    QDate date_at(const QPoint &global) const;
    // The date a cell of the grid shows (row and column of the day cells,
    // from 0) for the shown month and the first day of the week.
    static QDate date_of_cell(int year, int month, Qt::DayOfWeek first_day, int row, int column);

protected:
    void showEvent(QShowEvent *e) override;
    void paintCell(QPainter *painter, const QRect &rect, QDate date) const override;

private:
    void draw_number(QPainter *p, const QRect &rect, QDate date, const QColor &c) const;

    notes_store &m_store;
    const time_source &m_clock;
    calendar_colours m_colours;
};
