#pragma once
// GradientEditor: three colour strips (red, green, blue) whose curves make a
// list of gradient stops. The stop positions are those of the red strip's
// points; the green and blue strips only give their channel's value there.
//
// A strip is 40 pixels high and a few hundred wide, far coarser than the
// stops it is loaded with; so every point keeps the exact value it was
// loaded from until it is moved, and dragging one point changes one stop.

#include <QGradientStops>
#include <QList>
#include <QPointF>
#include <QWidget>

class ShadeWidget;

class GradientEditor : public QWidget
{
    Q_OBJECT
public:
    explicit GradientEditor(QWidget *parent = nullptr);

    // Places the strips' points from the stops; emits nothing.
    void setGradientStops(const QGradientStops &stops);
    // The stops the strips give now (what gradientStopsChanged carries).
    QGradientStops gradientStops() const;

    ShadeWidget *redShade() const { return m_redShade; }
    ShadeWidget *greenShade() const { return m_greenShade; }
    ShadeWidget *blueShade() const { return m_blueShade; }

signals:
    void gradientStopsChanged(const QGradientStops &stops);

public slots:
    void pointsUpdated();

private:
    // A loaded point, where it was placed (as a share of the strip's width
    // and height, which resizing keeps) and the stop it came from. A point
    // dragged within its pixel column keeps its stop's position.
    struct loaded_point
    {
        QPointF at;
        qreal position;
        int value; // the strip's channel, 0..255
    };
    static QPointF share(const ShadeWidget *strip, const QPointF &p);
    // The loaded point of a strip in the pixel column `column`; with `at`,
    // only when that point of the strip is still at the loaded height.
    const loaded_point *loaded_in_column(int strip, int column, const QPointF *at = nullptr) const;
    // The strip's point in the pixel column, or null.
    static const QPointF *point_in_column(int column, const QPolygonF &points);

    ShadeWidget *m_redShade;
    ShadeWidget *m_greenShade;
    ShadeWidget *m_blueShade;
    QList<loaded_point> m_loaded[3];
};
