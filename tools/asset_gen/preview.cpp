#include "preview.h"

#include "paint_util.h"

#include <QPainter>

namespace asset {

namespace {

QImage scaled(const QImage &img, double r)
{
    if (r == 0 || r == 1)
        return img;
    const double f = r > 0 ? r : 1.0 / -r;
    return img.scaled(int(img.width() * f), int(img.height() * f), Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void draw_hand(QPainter &p, int W, int H, const QImage &pic, double z, double angle)
{
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.translate(W / 2, H / 2);
    p.rotate(angle);
    const int w = pic.width(), h = pic.height();
    p.drawImage(-(w / 2), int(0 - (h - h * z)), pic);
    p.restore();
}

QImage checker(int w, int h)
{
    QImage bg(w, h, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&bg);
    for (int y = 0; y < h; y += 8)
        for (int x = 0; x < w; x += 8)
            p.fillRect(x, y, 8, 8, ((x + y) / 8) % 2 ? QColor("#6f8fae") : QColor("#7d9cba"));
    return bg;
}

} // namespace

QImage compose_clock(const skin_set &s, double factor, int h, int m, int sec, const QColor &marks_colour)
{
    const QImage face = scaled(s.face, factor);
    const int W = face.width(), H = face.height();
    QImage out = checker(W, H);
    QPainter p(&out);
    p.drawImage(0, 0, face);

    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.translate(W / 2, H / 2);
    const double side = qMin(W, H);
    p.scale(side / 200, side / 200);
    p.setPen(marks_colour);
    for (int i = 1; i < 60; ++i) {
        p.rotate(6);
        if (i % 5)
            p.drawLine(92, 0, 96, 0);
    }
    p.restore();

    draw_hand(p, W, H, scaled(s.hour.image, factor), s.hour.z, 30.0 * (h + m / 60.0));
    draw_hand(p, W, H, scaled(s.mins.image, factor), s.mins.z, 6.0 * (m + sec / 60.0));
    draw_hand(p, W, H, scaled(s.secs.image, factor), s.secs.z, 6.0 * sec);
    const QImage cap = scaled(s.cap, factor);
    p.translate(W / 2, H / 2);
    p.drawImage(-(cap.width() / 2), -(cap.height() / 2), cap);
    return out;
}

bool write_previews(const QList<skin_set> &skins, const QString &dir)
{
    bool ok = true;
    QList<QImage> row;
    for (const skin_set &s : skins) {
        const QImage one = compose_clock(s, 1, 10, 10, 30, QColor("#303030"));
        ok &= save_png(one, dir + "/" + s.name + ".png");
        ok &= save_png(compose_clock(s, 2, 10, 10, 30, QColor("#303030")), dir + "/" + s.name + "_2x.png");
        ok &= save_png(compose_clock(s, 1, 3, 41, 52, QColor("#303030")), dir + "/" + s.name + "_b.png");
        row << one;
    }
    int w = 10, h = 0;
    for (const QImage &i : row) {
        w += i.width() + 10;
        h = qMax(h, i.height());
    }
    QImage sheet(w, h + 20, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor("#5a6b7c"));
    QPainter p(&sheet);
    int x = 10;
    for (const QImage &i : row) {
        p.drawImage(x, 10, i);
        x += i.width() + 10;
    }
    p.end();
    ok &= save_png(sheet, dir + "/sheet.png");
    return ok;
}

} // namespace asset
