#pragma once
// The list of hits in the search window: a model over one search's results
// and a delegate that draws each hit on two lines, where it is (a date or
// a page title) above the words around the match, matches highlighted.

#include "search/search_hit.h"

#include <QAbstractListModel>
#include <QStyledItemDelegate>

class hit_model : public QAbstractListModel
{
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    void set_results(const search_results &r);
    const search_results &results() const { return m_results; }
    const search_hit &hit(int row) const { return m_results.hits.at(row); }

    int rowCount(const QModelIndex &parent = {}) const override;
    // Display: place and snippet as plain text; DecorationRole: the kind's icon.
    QVariant data(const QModelIndex &index, int role) const override;

private:
    search_results m_results;
};

class hit_delegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *p, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
