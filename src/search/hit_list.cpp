#include "search/hit_list.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>

namespace {

constexpr int pad = 4;
constexpr int icon_size = 20;

QString icon_of(search_hit::kind k)
{
    switch (k) {
    case search_hit::kind::note:
        return QStringLiteral(":/icons/calendar.png");
    case search_hit::kind::text_page:
        return QStringLiteral(":/icons/inserttext.png");
    case search_hit::kind::picture_page:
        return QStringLiteral(":/icons/insertimage.png");
    }
    return {};
}

// One line of marked text from x, cut with "…" at the right edge.
void draw_marked(QPainter &p, const search_text::marked &m, QRect line, const QColor &mark_back,
                 const QColor &mark_text)
{
    const QFontMetrics fm(p.font());
    int x = line.left();
    int at = 0;
    QList<std::pair<int, int>> spans; // start, length, marked or not in turn
    QList<bool> marked;
    for (const auto &s : m.marks) {
        if (s.first > at) {
            spans.append({at, s.first - at});
            marked.append(false);
        }
        spans.append(s);
        marked.append(true);
        at = s.first + s.second;
    }
    if (at < m.text.size()) {
        spans.append({at, int(m.text.size()) - at});
        marked.append(false);
    }
    const QPen plain = p.pen();
    for (int i = 0; i < spans.size() && x < line.right(); ++i) {
        QString piece = m.text.mid(spans[i].first, spans[i].second);
        int w = fm.horizontalAdvance(piece);
        if (x + w > line.right()) {
            piece = fm.elidedText(piece, Qt::ElideRight, line.right() - x);
            w = fm.horizontalAdvance(piece);
        }
        const QRect r(x, line.top(), w, line.height());
        if (marked[i]) {
            p.fillRect(r.adjusted(-1, 1, 1, -1), mark_back);
            p.setPen(mark_text);
        }
        p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, piece);
        p.setPen(plain);
        x += w;
    }
}

} // namespace

void hit_model::set_results(const search_results &r)
{
    beginResetModel();
    m_results = r;
    endResetModel();
}

int hit_model::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_results.hits.size());
}

QVariant hit_model::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_results.hits.size())
        return {};
    const search_hit &h = m_results.hits.at(index.row());
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return h.place.text + QStringLiteral(" — ") + h.snippet.text;
    if (role == Qt::DecorationRole)
        return QIcon(icon_of(h.what));
    return {};
}

QSize hit_delegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const
{
    const QFontMetrics fm(option.font);
    return {option.rect.width() > 0 ? option.rect.width() : 400, 2 * fm.height() + 3 * pad};
}

void hit_delegate::paint(QPainter *p, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const auto *model = qobject_cast<const hit_model *>(index.model());
    if (!model)
        return QStyledItemDelegate::paint(p, option, index);
    const search_hit &h = model->hit(index.row());
    QStyleOptionViewItem o = option;
    initStyleOption(&o, index);
    o.text.clear();
    o.icon = QIcon();
    const QWidget *w = option.widget;
    QStyle *style = w ? w->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &o, p, w);

    p->save();
    const QRect r = option.rect.adjusted(pad, pad, -pad, -pad);
    QIcon(icon_of(h.what)).paint(p, QRect(r.left(), r.top(), icon_size, icon_size));
    const bool selected = option.state & QStyle::State_Selected;
    const QColor text = option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    const QColor back(255, 214, 92);
    const QColor marked_text(20, 20, 20);
    const QFontMetrics fm(option.font);
    const int left = r.left() + icon_size + 2 * pad;
    QFont bold = option.font;
    bold.setBold(true);
    p->setFont(bold);
    p->setPen(text);
    draw_marked(*p, h.place, QRect(left, r.top(), r.right() - left, fm.height()), back, marked_text);
    p->setFont(option.font);
    QColor dim = text;
    if (!selected)
        dim.setAlphaF(0.8f);
    p->setPen(dim);
    draw_marked(*p, h.snippet, QRect(left, r.top() + fm.height() + pad, r.right() - left, fm.height()), back,
                marked_text);
    p->restore();
}
