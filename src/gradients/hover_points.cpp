#include "gradients/hover_points.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QResizeEvent>
#include <QTouchEvent>
#include <QWidget>

#include <algorithm>

HoverPoints::HoverPoints(QWidget *widget, PointShape shape) : QObject(widget), m_widget(widget), m_shape(shape)
{
    m_placedFor = widget->size();
    widget->installEventFilter(this);
    widget->setAttribute(Qt::WA_AcceptTouchEvents);
    connect(this, &HoverPoints::pointsChanged, m_widget, qOverload<>(&QWidget::update));
}

void HoverPoints::setEnabled(bool enabled)
{
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    m_widget->update();
}

QRectF HoverPoints::boundingRect() const
{
    return m_bounds.isEmpty() ? QRectF(m_widget->rect()) : m_bounds;
}

QRectF HoverPoints::pointBoundingRect(int i) const
{
    const QPointF p = m_points.at(i);
    const qreal w = m_pointSize.width(), h = m_pointSize.height();
    return QRectF(p.x() - w / 2, p.y() - h / 2, w, h);
}

int HoverPoints::pointAt(const QPointF &pos) const
{
    for (int i = 0; i < m_points.size(); ++i) {
        QPainterPath path;
        if (m_shape == CircleShape)
            path.addEllipse(pointBoundingRect(i));
        else
            path.addRect(pointBoundingRect(i));
        if (path.contains(pos))
            return i;
    }
    return -1;
}

bool HoverPoints::press(const QPointF &pos, Qt::MouseButton button)
{
    const int hit = pointAt(pos);
    if (button == Qt::LeftButton) {
        if (hit >= 0) {
            m_currentIndex = hit;
            return true;
        }
        if (!m_editable)
            return false;
        int at = 0;
        if (m_sortType == XSort || m_sortType == YSort) {
            at = -1;
            for (int i = 0; i < m_points.size(); ++i) {
                const bool after = m_sortType == XSort ? m_points.at(i).x() > pos.x() : m_points.at(i).y() > pos.y();
                if (after) {
                    at = i;
                    break;
                }
            }
            if (at < 0)
                at = 0;
        }
        m_points.insert(at, pos);
        m_locks.insert(at, 0);
        m_currentIndex = at;
        firePointChange();
        return true;
    }
    if (button == Qt::RightButton && hit >= 0 && m_editable) {
        if (pointLock(hit) == 0) {
            m_locks.remove(hit);
            m_points.remove(hit);
        }
        firePointChange();
        return true;
    }
    return false;
}

bool HoverPoints::eventFilter(QObject *object, QEvent *event)
{
    if (object != m_widget || !m_enabled)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *me = static_cast<QMouseEvent *>(event);
        return press(me->position(), me->button());
    }
    case QEvent::MouseButtonRelease:
        m_currentIndex = -1;
        return true;
    case QEvent::MouseMove:
        if (m_currentIndex >= 0)
            movePoint(m_currentIndex, static_cast<QMouseEvent *>(event)->position());
        return true;
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate: {
        auto *te = static_cast<QTouchEvent *>(event);
        for (const QEventPoint &tp : te->points()) {
            const int id = tp.id();
            if (tp.state() == QEventPoint::Released) {
                m_touchPoints.remove(id);
                continue;
            }
            if (!m_touchPoints.contains(id)) {
                const int hit = pointAt(tp.position());
                if (hit >= 0)
                    m_touchPoints.insert(id, hit);
            } else {
                movePoint(m_touchPoints.value(id), tp.position());
            }
        }
        return !m_touchPoints.isEmpty() || event->type() == QEvent::TouchBegin;
    }
    case QEvent::TouchEnd:
        m_touchPoints.clear();
        return true;
    case QEvent::Resize: {
        const QSizeF old = m_placedFor, now = static_cast<QResizeEvent *>(event)->size();
        m_placedFor = now;
        if (old.width() <= 0 || old.height() <= 0 || old == now)
            break;
        const qreal sx = now.width() / old.width();
        const qreal sy = now.height() / old.height();
        for (int i = 0; i < m_points.size(); ++i) {
            const QPointF p = m_points.at(i);
            movePoint(i, QPointF(p.x() * sx, p.y() * sy), false);
        }
        firePointChange();
        break;
    }
    case QEvent::Paint: {
        // The widget paints itself first; the points go on top.
        QWidget *w = m_widget;
        m_widget = nullptr;
        QCoreApplication::sendEvent(object, event);
        m_widget = w;
        paintPoints();
        return true;
    }
    default:
        break;
    }
    return false;
}

void HoverPoints::paintPoints()
{
    QPainter p(m_widget);
    p.setRenderHint(QPainter::Antialiasing);
    if (m_connectionPen.style() != Qt::NoPen && m_connectionType != NoConnection && !m_points.isEmpty()) {
        p.setPen(m_connectionPen);
        if (m_connectionType == CurveConnection) {
            QPainterPath path;
            path.moveTo(m_points.at(0));
            for (int i = 1; i < m_points.size(); ++i) {
                const QPointF p1 = m_points.at(i - 1), p2 = m_points.at(i);
                const qreal mid = (p1.x() + p2.x()) / 2;
                path.cubicTo(mid, p1.y(), mid, p2.y(), p2.x(), p2.y());
            }
            p.drawPath(path);
        } else {
            p.drawPolyline(m_points);
        }
    }
    p.setPen(m_pointPen);
    p.setBrush(m_pointBrush);
    for (int i = 0; i < m_points.size(); ++i) {
        const QRectF r = pointBoundingRect(i);
        if (m_shape == CircleShape)
            p.drawEllipse(r);
        else
            p.drawRect(r);
    }
}

QPointF HoverPoints::bounded(const QPointF &point, int lock) const
{
    const QRectF b = boundingRect();
    QPointF p = point;
    if (p.x() < b.left() || (lock & LockToLeft))
        p.setX(b.left());
    else if (p.x() > b.right() || (lock & LockToRight))
        p.setX(b.right());
    if (p.y() < b.top() || (lock & LockToTop))
        p.setY(b.top());
    else if (p.y() > b.bottom() || (lock & LockToBottom))
        p.setY(b.bottom());
    return p;
}

void HoverPoints::setPoints(const QPolygonF &points)
{
    m_placedFor = m_widget->size();
    m_points.clear();
    for (const QPointF &p : points)
        m_points << bounded(p, 0);
    m_locks = QList<int>(m_points.size(), 0);
}

void HoverPoints::setPointLock(int pos, LockType lock)
{
    if (pos < 0 || pos >= m_locks.size())
        return;
    m_locks[pos] = lock;
}

void HoverPoints::movePoint(int index, const QPointF &point, bool emitChange)
{
    if (index < 0 || index >= m_points.size())
        return;
    m_points[index] = bounded(point, pointLock(index));
    if (emitChange)
        firePointChange();
}

void HoverPoints::firePointChange()
{
    if (m_sortType != NoSort) {
        QPointF current;
        if (m_currentIndex >= 0 && m_currentIndex < m_points.size())
            current = m_points.at(m_currentIndex);
        // Locks travel with their points.
        QList<std::pair<QPointF, int>> both;
        for (int i = 0; i < m_points.size(); ++i)
            both.append({m_points.at(i), pointLock(i)});
        const bool byX = m_sortType == XSort;
        std::stable_sort(both.begin(), both.end(), [byX](const auto &a, const auto &b) {
            return byX ? a.first.x() < b.first.x() : a.first.y() < b.first.y();
        });
        for (int i = 0; i < both.size(); ++i) {
            m_points[i] = both.at(i).first;
            m_locks[i] = both.at(i).second;
        }
        if (m_currentIndex >= 0) {
            for (int i = 0; i < m_points.size(); ++i) {
                if (qAbs(m_points.at(i).x() - current.x()) < 1e-12 && qAbs(m_points.at(i).y() - current.y()) < 1e-12) {
                    m_currentIndex = i;
                    break;
                }
            }
        }
    }
    emit pointsChanged(m_points);
}
