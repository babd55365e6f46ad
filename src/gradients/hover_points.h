#pragma once
// HoverPoints: draggable control points painted over a widget. It filters
// the widget's mouse, touch, resize and paint events: a press picks or
// inserts a point, a drag moves it within the bounds and its locks, a right
// press removes an unlocked point. Every change is announced with
// pointsChanged().

#include <QBrush>
#include <QHash>
#include <QObject>
#include <QPen>
#include <QPolygonF>
#include <QRectF>
#include <QSizeF>

class QWidget;

class HoverPoints : public QObject
{
    Q_OBJECT
public:
    enum PointShape
    {
        CircleShape,
        RectangleShape
    };
    enum LockType
    {
        LockToLeft = 0x01,
        LockToRight = 0x02,
        LockToTop = 0x04,
        LockToBottom = 0x08
    };
    enum SortType
    {
        NoSort,
        XSort,
        YSort
    };
    enum ConnectionType
    {
        NoConnection,
        LineConnection,
        CurveConnection
    };

    HoverPoints(QWidget *widget, PointShape shape);

    bool eventFilter(QObject *object, QEvent *event) override;

    void paintPoints();

    QRectF boundingRect() const;
    void setBoundingRect(const QRectF &r) { m_bounds = r; }

    QPolygonF points() const { return m_points; }
    // Each point is clamped into the bounds; all locks are cleared.
    void setPoints(const QPolygonF &points);

    QSizeF pointSize() const { return m_pointSize; }
    void setPointSize(const QSizeF &size) { m_pointSize = size; }

    SortType sortType() const { return m_sortType; }
    void setSortType(SortType sortType) { m_sortType = sortType; }

    ConnectionType connectionType() const { return m_connectionType; }
    void setConnectionType(ConnectionType connectionType) { m_connectionType = connectionType; }

    void setConnectionPen(const QPen &pen) { m_connectionPen = pen; }
    void setShapePen(const QPen &pen) { m_pointPen = pen; }
    void setShapeBrush(const QBrush &brush) { m_pointBrush = brush; }

    void setPointLock(int pos, LockType lock);
    int pointLock(int pos) const { return pos >= 0 && pos < m_locks.size() ? m_locks.at(pos) : 0; }

    void setEditable(bool editable) { m_editable = editable; }
    bool editable() const { return m_editable; }
    bool isEnabled() const { return m_enabled; }
    int currentIndex() const { return m_currentIndex; }

public slots:
    void setEnabled(bool enabled);
    void setDisabled(bool disabled) { setEnabled(!disabled); }

signals:
    void pointsChanged(const QPolygonF &points);

private:
    QRectF pointBoundingRect(int i) const;
    int pointAt(const QPointF &pos) const;
    // Returns true when the event was used.
    bool press(const QPointF &pos, Qt::MouseButton button);
    void movePoint(int index, const QPointF &point, bool emitChange = true);
    QPointF bounded(const QPointF &point, int lock) const;
    void firePointChange();

    QWidget *m_widget;
    QPolygonF m_points;
    QRectF m_bounds;
    PointShape m_shape;
    SortType m_sortType = NoSort;
    ConnectionType m_connectionType = CurveConnection;
    QList<int> m_locks;
    QSizeF m_pointSize{11, 11};
    int m_currentIndex = -1;
    bool m_editable = true;
    bool m_enabled = true;
    // The widget size the points are placed for. Resize events of a widget
    // that was hidden carry no old size, so the points remember their own.
    QSizeF m_placedFor;
    QHash<int, int> m_touchPoints; // touch id -> point index
    QPen m_pointPen{QColor(255, 255, 255, 191), 1};
    QPen m_connectionPen{QColor(255, 255, 255, 127), 2};
    QBrush m_pointBrush{QColor(191, 191, 191, 127)};
};
