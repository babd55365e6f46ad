#pragma once
// resize_label: the grip at the calendar's lower right corner. A small
// always-on-top window of its own; dragging it resizes the calendar.

#include <QLabel>
#include <QPointer>

class QTimer;

class resize_label : public QLabel
{
    Q_OBJECT
public:
    // `hide_timer` hides the grip a while after the pointer leaves.
    resize_label(const QString &picture, QTimer *hide_timer);
    void set_calendar(QWidget *calendar) { m_calendar = calendar; }
    // Starts the hide timer; -1 restarts it with its last interval.
    void start_hide_timer(int ms = -1);

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void enterEvent(QEnterEvent *e) override;
    void leaveEvent(QEvent *e) override;

private:
    QPointer<QWidget> m_calendar;
    QTimer *m_hide_timer;
    QPoint m_grab;
};
