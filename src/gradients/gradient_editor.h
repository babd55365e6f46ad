#pragma once
// GradientEditor: three colour strips (red, green, blue) whose curves make a
// list of gradient stops. The stop positions are those of the red strip's
// points; the green and blue strips only give their channel's value there.

#include <QGradientStops>
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
    ShadeWidget *m_redShade;
    ShadeWidget *m_greenShade;
    ShadeWidget *m_blueShade;
};
