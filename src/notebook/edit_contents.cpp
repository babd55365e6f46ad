#include "notebook/edit_contents.h"

#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <QTimer>

EditContents::EditContents(rename_fn rename, QObject *parent) : QItemDelegate(parent), m_rename(std::move(rename)) {}

bool EditContents::eventFilter(QObject *object, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        if (auto *edit = qobject_cast<QLineEdit *>(object))
            // The view selects all on focus; deselect afterwards so a
            // keystroke does not wipe the title.
            QTimer::singleShot(0, edit, [edit] { edit->deselect(); });
    }
    return QItemDelegate::eventFilter(object, event);
}

void EditContents::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (option.state & QStyle::State_MouseOver)
        painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    QItemDelegate::paint(painter, option, index);
}

QWidget *EditContents::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const
{
    return new QLineEdit(parent);
}

void EditContents::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    static_cast<QLineEdit *>(editor)->setText(index.data(Qt::EditRole).toString().trimmed());
    m_id = index.sibling(index.row(), 0).data(Qt::DisplayRole).toLongLong();
}

void EditContents::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    const QString text = static_cast<QLineEdit *>(editor)->text();
    model->setData(index, text, Qt::EditRole);
    if (m_rename)
        m_rename(text, m_id);
}

void EditContents::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option, const QModelIndex &) const
{
    editor->setGeometry(option.rect);
}
