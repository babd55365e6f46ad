#pragma once
// EditContents: the delegate of the page list's title column. It outlines
// the cell under the mouse and stores an edited title at once.

#include <QItemDelegate>
#include <functional>

class EditContents : public QItemDelegate
{
    Q_OBJECT
public:
    // rename(title as typed, page id) stores the new title.
    using rename_fn = std::function<void(const QString &, qint64)>;
    explicit EditContents(rename_fn rename, QObject *parent = nullptr);

    bool eventFilter(QObject *object, QEvent *event) override;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;

private:
    rename_fn m_rename;
    mutable qint64 m_id = 0; // page being edited
};
