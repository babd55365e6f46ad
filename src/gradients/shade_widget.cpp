#include "gradients/shade_widget.h"

#include "gradients/hover_points.h"

#include <QLineF>
#include <QLinearGradient>
#include <QPainter>

ShadeWidget::ShadeWidget(ShadeType type, QWidget *parent) : QWidget(parent), m_shadeType(type)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setAttribute(Qt::WA_OpaquePaintEvent);

    // Until laid out the widget has no size of its own; the points are
    // placed for the size hint, so start at it.
    const QSize hint = sizeHint();
    resize(hint);
    m_hoverPoints = new HoverPoints(this, HoverPoints::CircleShape);
    m_hoverPoints->setPoints(QPolygonF({QPointF(0, hint.height()), QPointF(hint.width(), 0)}));
    m_hoverPoints->setPointLock(0, HoverPoints::LockToLeft);
    m_hoverPoints->setPointLock(1, HoverPoints::LockToRight);
    m_hoverPoints->setSortType(HoverPoints::XSort);

    connect(m_hoverPoints, &HoverPoints::pointsChanged, this, &ShadeWidget::colorsChanged);
}

QPolygonF ShadeWidget::points() const
{
    return m_hoverPoints->points();
}

uint ShadeWidget::colorAt(int x)
{
    generateShade();
    const QPolygonF pts = m_hoverPoints->points();
    for (int i = 1; i < pts.size(); ++i) {
        if (pts.at(i - 1).x() <= x && pts.at(i).x() >= x) {
            QLineF l(pts.at(i - 1), pts.at(i));
            const qreal dx = l.x2() - l.x1();
            if (dx != 0)
                l.setLength(l.length() * (x - l.x1()) / dx);
            else
                l.setLength(0);
            const int px = qRound(qMin(l.x2(), qreal(m_shade.width() - 1)));
            const int py = qRound(qMin(l.y2(), qreal(m_shade.height() - 1)));
            return m_shade.pixel(qMax(0, px), qMax(0, py));
        }
    }
    return 0;
}

void ShadeWidget::generateShade()
{
    if (!m_shade.isNull() && m_shade.size() == size())
        return;
    m_shade = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    QLinearGradient shade(0, 0, 0, height());
    const QColor top = m_shadeType == RedShade     ? QColor(Qt::red)
                       : m_shadeType == GreenShade ? QColor(Qt::green)
                                                   : QColor(Qt::blue);
    shade.setColorAt(0, top);
    shade.setColorAt(1, Qt::black);
    QPainter p(&m_shade);
    p.fillRect(m_shade.rect(), shade);
}

void ShadeWidget::paintEvent(QPaintEvent *)
{
    generateShade();
    QPainter p(this);
    p.drawImage(0, 0, m_shade);
    p.setPen(QColor(146, 146, 146));
    p.drawRect(0, 0, width() - 1, height() - 1);
}
