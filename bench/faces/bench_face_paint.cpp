// One paint of each face into an image, averaged over many paints.
// Usage: bench_face_paint [app_data folder] [paints]
#include "clock/faces/clock_faces.h"
#include "clock/skin_loader.h"
#include "storage/clock_settings.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <functional>

namespace {

double mean_us(int paints, QSize size, const std::function<void(QPainter &, int)> &paint)
{
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    for (int i = 0; i < 20; ++i) { // warm caches, glyphs
        img.fill(Qt::transparent);
        QPainter p(&img);
        paint(p, i);
    }
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < paints; ++i) {
        img.fill(Qt::transparent); // as the window's backing store is cleared
        QPainter p(&img);
        paint(p, i);
    }
    return t.nsecsElapsed() / 1000.0 / paints;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString app_data = argc > 1 ? QString::fromLocal8Bit(argv[1]) : qEnvironmentVariable("ORVELLA_APP_DATA");
    const int paints = argc > 2 ? atoi(argv[2]) : 2000;
    const QDateTime base(QDate(2026, 3, 14), QTime(10, 8, 30));

    clock_look look;
    look.opacity = 0.8;
    look.color_sec = QColor(0x5a, 0x64, 0x70);
    const QString skin = app_data + "/Skins/Standart";
    if (QFileInfo::exists(skin + "/settings.ini")) {
        const loaded_skin s = skin_loader::load(skin, nullptr);
        look.pictures = s.pictures;
        look.offsets = s.offsets;
    } else {
        std::fprintf(stderr, "no skin at %s: the analog figure uses plain 200 x 200 pictures\n", qPrintable(skin));
        for (QPixmap *p : {&look.pictures.face, &look.pictures.hour, &look.pictures.mins, &look.pictures.secunds,
                           &look.pictures.shapocka}) {
            *p = QPixmap(200, 200);
            p->fill(Qt::gray);
        }
    }
    // One set of faces, as one clock window holds them.
    clock_faces faces;
    const QSize face = look.pictures.face.size();
    const double analog = mean_us(paints, face, [&](QPainter &p, int i) {
        p.setOpacity(look.opacity);
        faces.analog.paint(p, look, base.addSecs(i), face);
    });

    look.font = QFont(QStringLiteral("DejaVu Sans"), 28);
    look.color = QColor(0xf0, 0xf4, 0xf8);
    look.format_1 = QStringLiteral("hh:mm:ss");
    look.format_2 = QStringLiteral("dddd, d MMMM");
    int remembered = 0;
    const QSize digital_size = faces.digital.layout(look, base, false, remembered).size;
    const double digital = mean_us(paints, digital_size, [&](QPainter &p, int i) {
        const QDateTime t = base.addSecs(i);
        p.setOpacity(look.opacity);
        faces.digital.paint(p, look, faces.digital.layout(look, t, false, remembered, p.device()), digital_size);
    });

    look.gradient_bk = clock_settings::default_gradient(clock_keys::gradient_bk);
    look.gradient_font = clock_settings::default_gradient(clock_keys::gradient_font);
    look.flip_size = 120;
    look.text_flip_clock = QStringLiteral("dddd, d MMMM");
    const QSize flip_size = faces.flip.wanted_size(look, base);
    auto flip_paint = [&](bool turning) {
        return mean_us(paints, flip_size, [&](QPainter &p, int i) {
            const QDateTime t = base.addSecs(i);
            flip_cards c;
            c.hour.last_turned = c.min.last_turned = c.sec.last_turned = t;
            if (turning) {
                c.sec = {t.addSecs(-1), true, (i * 7) % 101};
            }
            p.setOpacity(look.opacity);
            faces.flip.paint(p, look, t, flip_size, c);
        });
    };
    const double flip_still = flip_paint(false);
    const double flip_turn = flip_paint(true);

    std::printf("one paint, mean of %d (microseconds):\n", paints);
    std::printf("  analog  %4dx%-4d %8.1f\n", face.width(), face.height(), analog);
    std::printf("  digital %4dx%-4d %8.1f\n", digital_size.width(), digital_size.height(), digital);
    std::printf("  flip    %4dx%-4d %8.1f  (cards still)\n", flip_size.width(), flip_size.height(), flip_still);
    std::printf("  flip    %4dx%-4d %8.1f  (seconds card turning)\n", flip_size.width(), flip_size.height(), flip_turn);
    return 0;
}
