#include "icon_sheet.h"

#include <QFileInfo>
#include <QIcon>
#include <QPainter>

namespace {

constexpr int sizes[] = {16, 22, 32, 48};
constexpr int row_height = 56;
constexpr int name_width = 130;
constexpr int cell_gap = 10;

int half_width()
{
    int w = 0;
    for (int s : sizes)
        w += s + cell_gap;
    return w + cell_gap;
}

} // namespace

QImage icon_sheet(const QStringList &files)
{
    const int half = half_width();
    const int columns = 2; // icons side by side, to keep the sheet squarish
    const int column_width = name_width + 2 * half;
    const int rows = (int(files.size()) + columns - 1) / columns;
    QImage sheet(columns * column_width, rows * row_height, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(0xff, 0xff, 0xff));

    QPainter p(&sheet);
    QFont font = p.font();
    font.setPixelSize(11);
    p.setFont(font);
    for (int i = 0; i < files.size(); ++i) {
        const int x0 = (i / rows) * column_width;
        const int y0 = (i % rows) * row_height;
        const QIcon icon(files[i]);
        p.setPen(Qt::black);
        p.drawText(QRect(x0 + 4, y0, name_width - 8, row_height), Qt::AlignVCenter | Qt::AlignLeft,
                   QFileInfo(files[i]).completeBaseName());
        const QColor grounds[] = {QColor(0xf2, 0xf2, 0xf0), QColor(0x2d, 0x30, 0x36)};
        for (int g = 0; g < 2; ++g) {
            const int gx = x0 + name_width + g * half;
            p.fillRect(gx, y0, half, row_height, grounds[g]);
            int x = gx + cell_gap;
            for (int s : sizes) {
                // Large pictures (the splash) are shown scaled to fit the cell.
                const QPixmap pm = icon.pixmap(QSize(s, s));
                p.drawPixmap(x + (s - pm.width()) / 2, y0 + (row_height - pm.height()) / 2, pm);
                x += s + cell_gap;
            }
        }
    }
    return sheet;
}
