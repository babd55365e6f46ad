#include "notebook/text_item.h"

#include <QGraphicsScene>
#include <QTextDocument>

TextItem::TextItem(QGraphicsItem *parent, QGraphicsScene *scene) : QGraphicsTextItem(parent)
{
    setFlag(QGraphicsItem::ItemIsMovable);
    setFlag(QGraphicsItem::ItemIsSelectable);
    setFlag(QGraphicsItem::ItemSendsGeometryChanges);
    if (scene)
        scene->addItem(this);
    connect(document(), &QTextDocument::contentsChanged, this, [this] {
        if (textInteractionFlags() != Qt::NoTextInteraction)
            emit changed();
    });
}

QVariant TextItem::itemChange(GraphicsItemChange change, const QVariant &value)
{
    // Only a drag counts as the user's move; positions set by the program
    // arrive while the item is not grabbed by the mouse.
    if (change == ItemPositionHasChanged && scene() && scene()->mouseGrabberItem() == this)
        emit changed();
    return QGraphicsTextItem::itemChange(change, value);
}

void TextItem::focusOutEvent(QFocusEvent *event)
{
    setTextInteractionFlags(Qt::NoTextInteraction);
    emit lostFocus(this);
    QGraphicsTextItem::focusOutEvent(event);
}

void TextItem::mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event)
{
    if (textInteractionFlags() == Qt::NoTextInteraction)
        setTextInteractionFlags(Qt::TextEditorInteraction);
    QGraphicsTextItem::mouseDoubleClickEvent(event);
}
