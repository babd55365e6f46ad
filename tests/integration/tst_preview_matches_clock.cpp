// A skin made in the constructor is drawn by the clock as the preview drew
// it: the preview's scene and the clock's analog face, painted for the same
// time from the same pictures and offsets, put every hand tip in the same
// place.
#include "clock/faces/analog_face.h"
#include "clock/skin_loader.h"
#include "constructor_rig.h"

#include <QPainter>
#include <QSlider>
#include <QTest>

#include <cmath>

namespace {

bool red(QRgb c)
{
    return qAlpha(c) > 160 && qRed(c) > 160 && qGreen(c) < 80 && qBlue(c) < 80;
}
bool green(QRgb c)
{
    return qAlpha(c) > 160 && qGreen(c) > 100 && qRed(c) < 80 && qBlue(c) < 80;
}
bool blue(QRgb c)
{
    return qAlpha(c) > 160 && qBlue(c) > 160 && qRed(c) < 80 && qGreen(c) < 80;
}

// The middle of a hand's far end: the centroid of the matching pixels within
// three pixels of the farthest one from the pivot (a flat end has two
// corners equally far).
QPointF tip(const QImage &img, bool (*match)(QRgb), QPointF from)
{
    QList<QPair<double, QPointF>> hits;
    double far = -1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (match(img.pixel(x, y))) {
                const QPointF p(x + 0.5, y + 0.5);
                const double d = std::hypot(p.x() - from.x(), p.y() - from.y());
                hits.append({d, p});
                far = qMax(far, d);
            }
    QPointF sum;
    int n = 0;
    for (const auto &[d, p] : hits)
        if (d >= far - 3.0) {
            sum += p;
            ++n;
        }
    return n ? sum / n : QPointF(-1000, -1000);
}

QImage clock_picture(const QString &folder, const QTime &t)
{
    const loaded_skin skin = skin_loader::load(folder, nullptr);
    clock_look look;
    look.clock = QStringLiteral("analog");
    look.pictures = skin_loader::scaled(skin.pictures, 1.0);
    look.offsets = skin.offsets;
    look.not_paint_sec = true;
    look.opacity = 1.0;
    const QSize size = look.pictures.face.size();
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    analog_face().paint(p, look, QDateTime(QDate(2026, 5, 20), t), size);
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class tst_preview_matches_clock : public QObject
{
    Q_OBJECT

private slots:
    void hand_tips_agree_data()
    {
        QTest::addColumn<QSize>("dial");
        QTest::addColumn<int>("time_slider");
        // hour x, y, z; minute x, y, z; second x, y, z
        QTest::addColumn<QList<int>>("sliders");
        QTest::newRow("centred, 10:10:15") << QSize(200, 200) << 0 << QList<int>{0, 0, 9, 0, 0, 6, 0, 0, 23};
        QTest::newRow("centred, 16:10:15") << QSize(240, 240) << 21600 << QList<int>{0, 0, 9, 0, 0, 6, 0, 0, 23};
        QTest::newRow("moved, 04:10:15") << QSize(240, 200) << -21600 << QList<int>{20, -10, 30, -15, 5, 0, 10, 10, 50};
        QTest::newRow("odd dial, 13:35:50") << QSize(201, 187) << 12575 << QList<int>{-30, 0, -20, 0, 25, 15, 5, -5, 0};
    }
    void hand_tips_agree()
    {
        QFETCH(QSize, dial);
        QFETCH(int, time_slider);
        QFETCH(QList<int>, sliders);
        constructor_rig rig;
        const QString parts = rig.home.home() + "/parts";
        write_picture(parts + "/dial.png", dial, Qt::white);
        write_picture(parts + "/hour.png", {8, 70}, Qt::red);
        write_picture(parts + "/min.png", {4, 100}, Qt::green);
        write_picture(parts + "/sec.png", {2, 96}, Qt::blue);
        write_picture(parts + "/cap.png", {4, 4}, Qt::gray);
        rig.prompts.files << parts + "/dial.png" << parts + "/hour.png" << parts + "/min.png" << parts + "/sec.png"
                          << parts + "/cap.png";
        rig.w->on_pushButton_16_clicked();
        rig.w->on_pushButton_17_clicked();
        rig.w->on_pushButton_18_clicked();
        rig.w->on_pushButton_19_clicked();
        rig.w->on_pushButton_21_clicked();
        const char *names[9] = {"hour_x", "hour_y",    "hour_z",    "mins_x",   "mins_y",
                                "mins_z", "secunds_x", "secunds_y", "secunds_z"};
        for (int i = 0; i < 9; ++i)
            rig.w->findChild<QSlider *>(names[i])->setValue(sliders[i]);
        rig.w->findChild<QSlider *>("time_up_down")->setValue(time_slider);

        rig.prompts.texts << "Check";
        rig.w->on_pushButton_20_clicked();
        const QString folder = rig.skins() + "/Check";
        QVERIFY(QFile::exists(folder + "/settings.ini"));

        const QImage preview = rig.w->render_preview().convertToFormat(QImage::Format_ARGB32);
        const QImage clock = clock_picture(folder, rig.w->preview().time());
        QCOMPARE(preview.size(), clock.size());

        const skin_layout &l = rig.w->preview().layout();
        const QPointF half(dial.width() / 2, dial.height() / 2);
        const struct
        {
            const char *what;
            bool (*match)(QRgb);
            part_place place;
        } hands[] = {{"hour", red, l.hour}, {"minute", green, l.mins}, {"second", blue, l.secunds}};
        for (const auto &h : hands) {
            const QPointF pivot(half.x() * h.place.x, half.y() * h.place.y);
            const QPointF a = tip(preview, h.match, pivot), b = tip(clock, h.match, pivot);
            const double apart = std::hypot(a.x() - b.x(), a.y() - b.y());
            QVERIFY2(apart <= 2.0, qPrintable(QStringLiteral("%1 hand tip: preview (%2, %3), clock (%4, %5)")
                                                  .arg(h.what)
                                                  .arg(a.x())
                                                  .arg(a.y())
                                                  .arg(b.x())
                                                  .arg(b.y())));
            QVERIFY2(a.x() > -1000, h.what);
        }
    }

    // The shipped libraries: any dial, hands and cap at the starting slider
    // positions give the same picture in the preview and on the clock.
    void shipped_parts_look_the_same_data()
    {
        QTest::addColumn<QStringList>("parts"); // dial, hour, minute, second, cap
        QTest::addColumn<int>("time_slider");
        QTest::newRow("minimal") << QStringList{"minimal_white", "stick_black", "stick_black", "stick_red", "red"} << 0;
        QTest::newRow("modern") << QStringList{"modern_black", "sword_ivory", "sword_ivory", "lollipop_orange",
                                               "orange"}
                                << 9000;
        QTest::newRow("mixed") << QStringList{"ocean_blue", "baton_white", "baton_white", "needle_white", "steel"}
                               << -15000;
        QTest::newRow("classic") << QStringList{"classic", "classic", "classic", "classic", "classic"} << 3333;
    }
    void shipped_parts_look_the_same()
    {
        QFETCH(QStringList, parts);
        QFETCH(int, time_slider);
        const QString base = built_app_data() + "/Base/";
        const char *libraries[5] = {"Clockface", "Hourface", "Minface", "Secundsface", "Dots"};
        constructor_rig rig;
        for (int i = 0; i < 5; ++i) {
            const QString path = base + libraries[i] + "/" + parts[i] + ".png";
            QVERIFY2(QFile::exists(path), qPrintable(path));
            rig.prompts.files << path;
        }
        rig.w->on_pushButton_16_clicked();
        rig.w->on_pushButton_17_clicked();
        rig.w->on_pushButton_18_clicked();
        rig.w->on_pushButton_19_clicked();
        rig.w->on_pushButton_21_clicked();
        rig.w->findChild<QSlider *>("time_up_down")->setValue(time_slider);
        rig.prompts.texts << "Shipped";
        rig.w->on_pushButton_20_clicked();

        const QImage preview = rig.w->render_preview().convertToFormat(QImage::Format_ARGB32);
        const QImage clock = clock_picture(rig.skins() + "/Shipped", rig.w->preview().time());
        QCOMPARE(preview.size(), clock.size());
        qint64 total = 0, off = 0;
        for (int y = 0; y < clock.height(); ++y)
            for (int x = 0; x < clock.width(); ++x) {
                const QRgb a = preview.pixel(x, y), b = clock.pixel(x, y);
                const int d = qMax(qMax(qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b))),
                                   qMax(qAbs(qBlue(a) - qBlue(b)), qAbs(qAlpha(a) - qAlpha(b))));
                total += d;
                off += d > 48;
            }
        const double pixels = double(clock.width()) * clock.height();
        // Only antialiased edges may differ a little.
        QVERIFY2(total / pixels < 1.5, qPrintable(QString::number(total / pixels)));
        QVERIFY2(off / pixels < 0.005, qPrintable(QString::number(off / pixels)));
    }
};

QTEST_MAIN(tst_preview_matches_clock)
#include "tst_preview_matches_clock.moc"
