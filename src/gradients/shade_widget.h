#pragma once
// ShadeWidget: one colour strip of the gradient editor. The strip shades
// from the pure channel colour at the top to black at the bottom; the curve
// through its control points gives the channel's value along the strip.

#include <QImage>
#include <QPolygonF>
#include <QWidget>

class HoverPoints;

class ShadeWidget : public QWidget
{
    Q_OBJECT
public:
    enum ShadeType
    {
        RedShade,
        GreenShade,
        BlueShade
    };

    explicit ShadeWidget(ShadeType type, QWidget *parent = nullptr);

    // The shade pixel under the curve at column x; 0 left of the first or
    // right of the last point.
    uint colorAt(int x);
    QPolygonF points() const;
    HoverPoints *hoverPoints() const { return m_hoverPoints; }
    ShadeType shadeType() const { return m_shadeType; }

    QSize sizeHint() const override { return {150, 40}; }

signals:
    void colorsChanged();

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    void generateShade();

    ShadeType m_shadeType;
    QImage m_shade;
    HoverPoints *m_hoverPoints;
};
