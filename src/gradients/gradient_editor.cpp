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

namespace {

constexpr qreal same = 1e-9; // far below a pixel of any strip

} // namespace

QPointF GradientEditor::share(const ShadeWidget *strip, const QPointF &p)
{
    const qreal w = qMax(1, strip->width()), h = qMax(1, strip->height());
    return {p.x() / w, p.y() / h};
}

const GradientEditor::loaded_point *GradientEditor::loaded_in_column(int strip, int column, const QPointF *at) const
{
    const ShadeWidget *strips[3] = {m_redShade, m_greenShade, m_blueShade};
    const QPointF here = at ? share(strips[strip], *at) : QPointF();
    for (const loaded_point &l : m_loaded[strip]) {
        if (int(l.at.x() * strips[strip]->width()) != column)
            continue;
        if (!at || qAbs(l.at.y() - here.y()) < same)
            return &l;
    }
    return nullptr;
}

const QPointF *GradientEditor::point_in_column(int column, const QPolygonF &points)
{
    for (const QPointF &p : points)
        if (int(p.x()) == column)
            return &p;
    return nullptr;
}

QGradientStops GradientEditor::gradientStops() const
{
    const qreal w = m_blueShade->width();
    QPolygonF points = m_redShade->points();
    std::sort(points.begin(), points.end(), [](const QPointF &a, const QPointF &b) { return a.x() < b.x(); });

    QGradientStops stops;
    for (int i = 0; i < points.size(); ++i) {
        const QPointF &p = points.at(i);
        const int x = int(p.x());
        if (i + 1 < points.size() && int(points.at(i + 1).x()) == x)
            continue;
        if (w <= 0 || x / w > 1)
            return {};
        // Each channel as loaded where its strip's point in this column has
        // not moved, else read off the strip's curve.
        const QPolygonF green_points = m_greenShade->points(), blue_points = m_blueShade->points();
        const QPointF *g = point_in_column(x, green_points);
        const QPointF *b = point_in_column(x, blue_points);
        const loaded_point *red = loaded_in_column(0, x, &p);
        const loaded_point *green = g ? loaded_in_column(1, x, g) : nullptr;
        const loaded_point *blue = b ? loaded_in_column(2, x, b) : nullptr;
        const QColor color(red ? red->value : int((0x00ff0000 & m_redShade->colorAt(x)) >> 16),
                           green ? green->value : int((0x0000ff00 & m_greenShade->colorAt(x)) >> 8),
                           blue ? blue->value : int(0x000000ff & m_blueShade->colorAt(x)), 255);
        // The position as loaded while the point keeps its column.
        const loaded_point *column = loaded_in_column(0, x);
        stops << QGradientStop(column ? column->position : x / w, color);
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
    QList<std::pair<qreal, int>> values[3];
    for (const QGradientStop &stop : stops) {
        const QColor c = stop.second;
        const int channel[3] = {c.red(), c.green(), c.blue()};
        for (int s = 0; s < 3; ++s) {
            const qreal h = strips[s]->height();
            points[s] << QPointF(stop.first * strips[s]->width(), h - h * channel[s] / 255);
            values[s].append({stop.first, channel[s]});
        }
    }
    for (int s = 0; s < 3; ++s) {
        HoverPoints *hp = strips[s]->hoverPoints();
        hp->setPoints(points[s]);
        // Where the points ended up (clamped into the strip).
        m_loaded[s].clear();
        const QPolygonF placed = hp->points();
        for (int i = 0; i < placed.size() && i < values[s].size(); ++i)
            m_loaded[s].append({share(strips[s], placed.at(i)), values[s].at(i).first, values[s].at(i).second});
        hp->setPointLock(0, HoverPoints::LockToLeft);
        hp->setPointLock(points[s].size() - 1, HoverPoints::LockToRight);
        strips[s]->update();
    }
}
