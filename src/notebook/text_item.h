#pragma once
// TextItem: the caption of an image page, a text item the user moves,
// rotates and, after a double click, edits in place.

#include <QGraphicsTextItem>

class TextItem : public QGraphicsTextItem
{
    Q_OBJECT
public:
    enum
    {
        Type = UserType + 3
    };

    explicit TextItem(QGraphicsItem *parent = nullptr, QGraphicsScene *scene = nullptr);
    int type() const override { return Type; }

signals:
    void lostFocus(TextItem *item);
    // Dragged by the user, or its text edited in place.
    void changed();

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event) override;
};
