#include "calendar/resize_label.h"

#include "calendar/calendar_log.h"

#include <QMouseEvent>
#include <QPixmap>
#include <QTimer>

resize_label::resize_label(const QString &picture, QTimer *hide_timer)
    : QLabel(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_hide_timer(hide_timer)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setObjectName(QStringLiteral("resize_label"));
    const QPixmap pix(picture);
    if (pix.isNull())
        qCWarning(lc_calendar) << "grip picture missing or unreadable:" << picture;
    setPixmap(pix);
    // A missing picture leaves an empty grip of no size.
    setFixedSize(pix.size());
    setCursor(Qt::SizeFDiagCursor);
    hide();
}

void resize_label::start_hide_timer(int ms)
{
    if (ms >= 0)
        m_hide_timer->setInterval(ms);
    m_hide_timer->start();
}

void resize_label::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton)
        m_grab = e->globalPosition().toPoint() - frameGeometry().topLeft();
}

void resize_label::mouseReleaseEvent(QMouseEvent *)
{
    start_hide_timer();
}

void resize_label::mouseMoveEvent(QMouseEvent *e)
{
    if (!(e->buttons() & Qt::LeftButton) || !m_calendar)
        return;
    m_hide_timer->stop();
    const QPoint p = e->globalPosition().toPoint() - m_grab;
    QRect g = m_calendar->geometry();
    g.setBottomRight(p);
    m_calendar->setGeometry(g);
    const QRect now = m_calendar->geometry(); // after the window's own limits
    const QPoint corner(now.right(), now.bottom());
    if (e->globalPosition().x() > corner.x() && e->globalPosition().y() > corner.y())
        move(p);
    else
        move(corner - m_grab);
}

void resize_label::enterEvent(QEnterEvent *)
{
    m_hide_timer->stop();
}

void resize_label::leaveEvent(QEvent *)
{
    start_hide_timer(500);
}
