#include "gradients/gradient_editor.h"

#include "gradients/hover_points.h"
#include "gradients/shade_widget.h"

#include <QVBoxLayout>

#include <algorithm>

GradientEditor::GradientEditor(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(1);
    layout->setContentsMargins(1, 1, 1, 1);

    m_redShade = new ShadeWidget(ShadeWidget::RedShade, this);
    m_greenShade = new ShadeWidget(ShadeWidget::GreenShade, this);
    m_blueShade = new ShadeWidget(ShadeWidget::BlueShade, this);
    for (ShadeWidget *s : {m_redShade, m_greenShade, m_blueShade}) {
        layout->addWidget(s);
        connect(s, &ShadeWidget::colorsChanged, this, &GradientEditor::pointsUpdated);
    }
}

QGradientStops GradientEditor::gradientStops() const
{
    const qreal w = m_blueShade->width();
    QPolygonF points = m_redShade->points();
    std::sort(points.begin(), points.end(), [](const QPointF &a, const QPointF &b) { return a.x() < b.x(); });

    QGradientStops stops;
    for (int i = 0; i < points.size(); ++i) {
        const int x = int(points.at(i).x());
        if (i + 1 < points.size() && int(points.at(i + 1).x()) == x)
            continue;
        const QColor color((0x00ff0000 & m_redShade->colorAt(x)) >> 16, (0x0000ff00 & m_greenShade->colorAt(x)) >> 8,
                           (0x000000ff & m_blueShade->colorAt(x)), 255);
        if (w <= 0 || x / w > 1)
            return {};
        stops << QGradientStop(x / w, color);
    }
    return stops;
}

void GradientEditor::pointsUpdated()
{
    const QGradientStops stops = gradientStops();
    if (stops.isEmpty() && !m_redShade->points().isEmpty())
        return; // a point beyond the strip: nothing sensible to report
    emit gradientStopsChanged(stops);
}

void GradientEditor::setGradientStops(const QGradientStops &stops)
{
    ShadeWidget *strips[3] = {m_redShade, m_greenShade, m_blueShade};
    QPolygonF points[3];
    for (const QGradientStop &stop : stops) {
        const QColor c = stop.second;
        const int channel[3] = {c.red(), c.green(), c.blue()};
        for (int s = 0; s < 3; ++s) {
            const qreal h = strips[s]->height();
            points[s] << QPointF(stop.first * strips[s]->width(), h - h * channel[s] / 255);
        }
    }
    for (int s = 0; s < 3; ++s) {
        HoverPoints *hp = strips[s]->hoverPoints();
        hp->setPoints(points[s]);
        hp->setPointLock(0, HoverPoints::LockToLeft);
        hp->setPointLock(points[s].size() - 1, HoverPoints::LockToRight);
        strips[s]->update();
    }
}
