// A tick repaints only what the new time changes. Whatever the face, a
// frame painted over the old one inside the changed region must equal a
// full repaint pixel for pixel: a region that misses a hand's old place, a
// digit or a card leaves a ghost behind.
#include "clock/faces/analog_face.h"
#include "clock/faces/banded_paint.h"
#include "clock/faces/card_painter.h"
#include "clock/faces/digital_face.h"
#include "clock/faces/flip_face.h"
#include "clock/faces/hand_outline.h"
#include "face_test_support.h"

#include <QTest>

#include <functional>

using namespace face_test;

namespace {

// Paints the face at a time; area is the part being repainted (empty: all).
using paint_fn = std::function<void(QPainter &, const QDateTime &, const QRegion &area)>;

QDateTime at(int h, int m, int s, int ms = 0)
{
    return QDateTime(QDate(2026, 3, 14), QTime(h, m, s, ms));
}

// What the backing store of a translucent window does: the region is
// cleared, then painted over with the painter clipped to it.
QImage repainted(QSize size, const paint_fn &paint, const QDateTime &before, const QDateTime &after,
                 const QRegion &region, double opacity)
{
    QImage img = blank(size);
    {
        QPainter p(&img);
        p.setOpacity(opacity);
        paint(p, before, QRegion());
    }
    QPainter p(&img);
    p.setClipRegion(region);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(img.rect(), Qt::transparent);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setOpacity(opacity);
    paint(p, after, region);
    p.end();
    return img;
}

QImage full(QSize size, const paint_fn &paint, const QDateTime &t, double opacity)
{
    QImage img = blank(size);
    QPainter p(&img);
    p.setOpacity(opacity);
    paint(p, t, QRegion());
    p.end();
    return img;
}

// Pixels that differ by more than the raster engine's rounding: a picture
// clipped to a region of several rectangles is blended along other spans
// than under one rectangle, a unit or so apart at its smoothed edges, for
// each of the dial, three hands and the cap stacked there. A ghost differs
// by far more.
int differing_pixels(const QImage &a, const QImage &b)
{
    constexpr int rounding = 5;
    const auto apart = [](QRgb p, QRgb q) {
        return qAbs(qAlpha(p) - qAlpha(q)) > rounding || qAbs(qRed(p) - qRed(q)) > rounding ||
               qAbs(qGreen(p) - qGreen(q)) > rounding || qAbs(qBlue(p) - qBlue(q)) > rounding;
    };
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (apart(a.pixel(x, y), b.pixel(x, y)))
                ++n;
    return n;
}

qint64 area(const QRegion &r)
{
    qint64 n = 0;
    for (const QRect &q : r)
        n += qint64(q.width()) * q.height();
    return n;
}

// Hands of distinct colours on a face with a dial ring, pivots at the
// centre unless a row moves them.
clock_look analog_look()
{
    clock_look l;
    l.clock = QStringLiteral("analog");
    QPixmap dial(200, 180);
    dial.fill(Qt::transparent);
    {
        QPainter p(&dial);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::darkGray, 6));
        p.setBrush(QColor(240, 240, 220));
        p.drawEllipse(QRect(4, 4, 192, 172));
    }
    l.pictures.face = dial;
    l.pictures.hour = bar(8, 50, QColor(0, 0, 220));
    l.pictures.mins = bar(6, 75, QColor(0, 170, 0));
    l.pictures.secunds = bar(2, 85, QColor(220, 0, 0));
    l.pictures.shapocka = bar(12, 12, Qt::black);
    l.color_sec = QColor(90, 100, 110);
    return l;
}

// A hand as skins draw them: a tapering needle, antialiased, in a picture
// with transparent margins.
QPixmap needle(int w, int h, QColor c)
{
    QPixmap p(w, h);
    p.fill(Qt::transparent);
    QPainter q(&p);
    q.setRenderHint(QPainter::Antialiasing);
    q.setPen(Qt::NoPen);
    q.setBrush(c);
    q.drawPolygon(QPolygonF({QPointF(w / 2.0, 3), QPointF(w - 4, h - 12), QPointF(w / 2.0, h - 3), QPointF(4, h - 12)}));
    return p;
}

} // namespace

class tst_partial_repaint : public QObject
{
    Q_OBJECT

private slots:
    void analog_hands_leave_no_ghost_data()
    {
        QTest::addColumn<QDateTime>("before");
        QTest::addColumn<QDateTime>("after");
        QTest::addColumn<QString>("variant");
        QTest::newRow("next second") << at(10, 8, 37) << at(10, 8, 38) << "";
        QTest::newRow("minute rollover") << at(10, 8, 59) << at(10, 9, 0) << "";
        QTest::newRow("hour rollover") << at(10, 59, 59) << at(11, 0, 0) << "";
        QTest::newRow("midnight") << at(23, 59, 59) << at(0, 0, 0) << "";
        QTest::newRow("noon, hands on top of each other") << at(11, 59, 59) << at(12, 0, 0) << "";
        QTest::newRow("a jump after a sleep") << at(10, 8, 5) << at(14, 41, 40) << "";
        QTest::newRow("second hand under the others") << at(3, 15, 14) << at(3, 15, 15) << "second below";
        QTest::newRow("no second hand, minute step") << at(3, 15, 0) << at(3, 15, 6) << "no second hand";
        QTest::newRow("no second hand, minute rollover") << at(3, 15, 54) << at(3, 16, 0) << "no second hand";
        QTest::newRow("sweeping second hand") << at(9, 30, 0, 100) << at(9, 30, 0, 200) << "sweep";
        QTest::newRow("pivots off the centre") << at(7, 44, 29) << at(7, 44, 30) << "moved pivots";
        QTest::newRow("long tails") << at(7, 44, 29) << at(7, 44, 30) << "long tails";
        QTest::newRow("no second marks") << at(7, 44, 29) << at(7, 44, 30) << "no marks";
        QTest::newRow("tapered needles, slanted") << at(10, 8, 7) << at(10, 8, 8) << "tapered needles";
        QTest::newRow("tapered needles, rollover") << at(1, 29, 59) << at(1, 30, 0) << "tapered needles";
    }
    void analog_hands_leave_no_ghost()
    {
        QFETCH(QDateTime, before);
        QFETCH(QDateTime, after);
        QFETCH(QString, variant);
        clock_look l = analog_look();
        if (variant == "second below")
            l.set_top_sec = false;
        if (variant == "no second hand")
            l.do_draw_sec = false;
        if (variant == "sweep")
            l.repaint_interval = 100;
        if (variant == "moved pivots") {
            l.offsets.hour_x = 1.1;
            l.offsets.mins_y = 0.9;
            l.offsets.secunds_x = 0.95;
            l.offsets.shapocka_x = 1.05;
        }
        if (variant == "long tails")
            l.offsets.hour_z = l.offsets.mins_z = l.offsets.secunds_z = 0.45;
        if (variant == "no marks")
            l.not_paint_sec = true;
        if (variant == "tapered needles") {
            l.pictures.hour = needle(28, 96, QColor(0, 0, 220));
            l.pictures.mins = needle(26, 144, QColor(0, 170, 0));
            l.pictures.secunds = needle(24, 152, QColor(220, 0, 0));
        }
        const QSize window = l.pictures.face.size();
        analog_face face_a, face_b;
        const paint_fn a = [&](QPainter &p, const QDateTime &t, const QRegion &r) { face_a.paint(p, l, t, window, r); };
        const paint_fn b = [&](QPainter &p, const QDateTime &t, const QRegion &r) { face_b.paint(p, l, t, window, r); };
        const QRegion region = analog_face::damage(l, before, after);
        QVERIFY(!region.isEmpty());
        const QImage got = repainted(window, a, before, after, region, 0.8);
        const QImage want = full(window, b, after, 0.8);
        QCOMPARE(differing_pixels(got, want), 0);
        // And it is worth it: a second's step repaints a small part.
        if (QByteArray(QTest::currentDataTag()) == "next second")
            QVERIFY(area(region) < qint64(window.width()) * window.height() / 2);
    }

    void the_check_itself_sees_a_ghost()
    {
        // The new place alone leaves the old second hand on the face.
        const clock_look l = analog_look();
        const QSize window = l.pictures.face.size();
        analog_face face;
        const paint_fn paint = [&](QPainter &p, const QDateTime &t, const QRegion &r) {
            face.paint(p, l, t, window, r);
        };
        // From pointing at three to pointing at nine: the places do not overlap.
        const QDateTime before = at(10, 38, 15), after = at(10, 38, 45);
        const QRegion new_place_only = analog_face::damage(l, after, at(10, 38, 46));
        const QImage got = repainted(window, paint, before, after, new_place_only, 1.0);
        QVERIFY(differing_pixels(got, full(window, paint, after, 1.0)) > 20);
    }

    void a_slanted_needle_repaints_along_itself()
    {
        // The second hand at 45 degrees: its turned rectangle is mostly
        // transparent corners, which stay as they are (the strips, of 16
        // rows, take about a third of it).
        clock_look l = analog_look();
        l.pictures.secunds = needle(24, 152, QColor(220, 0, 0));
        l.do_draw_sec = true;
        const QRegion r = analog_face::damage(l, at(10, 8, 7, 500), at(10, 8, 7, 600));
        l.repaint_interval = 100; // sweeping: only the second hand moves
        const QRegion swept = analog_face::damage(l, at(10, 8, 7, 500), at(10, 8, 7, 600));
        QVERIFY(r.isEmpty());
        QVERIFY(!swept.isEmpty());
        const QRect box = swept.boundingRect();
        QVERIFY2(area(swept) * 2 < qint64(box.width()) * box.height(),
                 qPrintable(QStringLiteral("%1 of %2").arg(area(swept)).arg(qint64(box.width()) * box.height())));
    }

    // The outline holds every inked pixel and leaves the clear margins out;
    // turned and widened, its strips still hold them.
    void hand_outline_holds_the_ink()
    {
        const QImage ink = needle(24, 152, Qt::red).toImage();
        const QPolygonF hull = hand_outline::of_image(ink);
        QVERIFY(hull.size() >= 3);
        QVERIFY(hull.boundingRect().width() < 20);
        QTransform t;
        t.translate(120, 120).rotate(37).translate(-12, -110);
        const QRegion strips = hand_outline::cover(hull, t, 2, 8);
        int inked = 0;
        for (int y = 0; y < ink.height(); ++y)
            for (int x = 0; x < ink.width(); ++x) {
                if (qAlpha(ink.pixel(x, y)) == 0)
                    continue;
                ++inked;
                QVERIFY2(hull.containsPoint(QPointF(x + 0.5, y + 0.5), Qt::OddEvenFill), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                QVERIFY(strips.contains(t.map(QPointF(x + 0.5, y + 0.5)).toPoint()));
            }
        QVERIFY(inked > 100);
        QImage opaque(10, 30, QImage::Format_RGB32);
        QCOMPARE(hand_outline::of_image(opaque).boundingRect(), QRectF(0, 0, 10, 30));
        QImage clear(10, 30, QImage::Format_ARGB32);
        clear.fill(Qt::transparent);
        QVERIFY(hand_outline::of_image(clear).isEmpty());
        QVERIFY(hand_outline::cover(QPolygonF(), t, 2, 8).isEmpty());
    }

    void unchanged_hands_repaint_nothing()
    {
        clock_look l = analog_look();
        QVERIFY(analog_face::damage(l, at(10, 8, 37, 100), at(10, 8, 37, 900)).isEmpty());
        l.do_draw_sec = false;
        // Without the second hand only the minute hand moves within a minute.
        const QRegion r = analog_face::damage(l, at(10, 8, 37), at(10, 8, 38));
        QVERIFY(!r.isEmpty());
        QVERIFY(area(r) < area(analog_face::damage(analog_look(), at(10, 8, 37), at(10, 8, 38))));
    }

    void digital_digits_leave_no_ghost_data()
    {
        QTest::addColumn<QDateTime>("before");
        QTest::addColumn<QDateTime>("after");
        QTest::addColumn<QString>("format_1");
        QTest::addColumn<QString>("format_2");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<int>("px"); // the font's pixel size
        QTest::newRow("next second") << at(12, 34, 56) << at(12, 34, 57) << "hh:mm:ss"
                                     << "" << false << 30;
        QTest::newRow("minute rollover") << at(12, 34, 59) << at(12, 35, 0) << "hh:mm:ss"
                                         << "" << false << 30;
        QTest::newRow("hour rollover") << at(12, 59, 59) << at(13, 0, 0) << "hh:mm:ss"
                                       << "" << false << 30;
        QTest::newRow("ones") << at(11, 11, 10) << at(11, 11, 11) << "hh:mm:ss"
                              << "" << false << 30;
        QTest::newRow("with the date") << at(12, 34, 56) << at(12, 34, 57) << "hh:mm:ss"
                                       << "dd.MM.yyyy" << false << 30;
        QTest::newRow("midnight, new date") << at(23, 59, 59) << at(0, 0, 0).addDays(1) << "hh:mm:ss"
                                            << "dddd" << false << 30;
        QTest::newRow("italic") << at(12, 34, 56) << at(12, 34, 57) << "hh:mm:ss"
                                << "" << true << 30;
        QTest::newRow("minutes only") << at(12, 34, 0) << at(12, 35, 0) << "hh:mm"
                                      << "ddd, d" << false << 30;
        QTest::newRow("am/pm marker turns") << at(11, 59, 59) << at(12, 0, 0) << "h:mm:ss AP"
                                            << "" << false << 30;
        QTest::newRow("day names") << at(9, 0, 5) << at(9, 0, 6) << "dddd hh:mm:ss"
                                   << "" << false << 30;
        QTest::newRow("a wider date line, italic") << at(12, 34, 56) << at(12, 34, 57) << "hh:mm:ss"
                                                   << "dddd, d MMMM yyyy" << true << 30;
        // Large and long: the ink ends furthest past the measured box.
        QTest::newRow("a long line at 72 px, italic") << at(21, 28, 20) << at(21, 28, 21)
                                                      << "ddd dd.MM.yy hh:mm:ss AP" << "" << true << 72;
        QTest::newRow("a long line at 72 px") << at(12, 34, 58) << at(12, 34, 59) << "ddd dd.MM.yy hh:mm:ss AP"
                                              << "" << false << 72;
    }
    void digital_digits_leave_no_ghost()
    {
        QFETCH(QDateTime, before);
        QFETCH(QDateTime, after);
        QFETCH(QString, format_1);
        QFETCH(QString, format_2);
        QFETCH(bool, italic);
        QFETCH(int, px);
        clock_look l;
        l.clock = QStringLiteral("digital");
        l.font = QFont(QStringLiteral("DejaVu Sans"));
        l.font.setPixelSize(px);
        l.font.setItalic(italic);
        l.color = QColor(240, 244, 248);
        l.format_1 = format_1;
        l.format_2 = format_2;
        digital_face face_a, face_b;
        // Framed, the width only grows: a frameless window follows its text
        // to the pixel, and a new size repaints the whole window anyway.
        int width = 0;
        face_a.layout(l, after, true, width, nullptr);
        const digital_text t0 = face_a.layout(l, before, true, width, nullptr);
        const digital_text t1 = face_a.layout(l, after, true, width, nullptr);
        // A text of another size resizes the window, which repaints it all.
        if (t0.size != t1.size)
            QSKIP(qPrintable(QString("the window changes size: %1x%2 to %3x%4")
                                 .arg(t0.size.width())
                                 .arg(t0.size.height())
                                 .arg(t1.size.width())
                                 .arg(t1.size.height())));
        const QSize window = t1.size;
        const QRect region = face_a.changed_span(t0, t1, window, l.font, nullptr);
        QVERIFY(!region.isEmpty());
        const paint_fn a = [&](QPainter &p, const QDateTime &t, const QRegion &) {
            int w = width;
            face_a.paint(p, l, face_a.layout(l, t, true, w, nullptr), window);
        };
        const paint_fn b = [&](QPainter &p, const QDateTime &t, const QRegion &) {
            int w = width;
            face_b.paint(p, l, face_b.layout(l, t, true, w, nullptr), window);
        };
        const QImage got = repainted(window, a, before, after, region, 0.8);
        QCOMPARE(differing_pixels(got, full(window, b, after, 0.8)), 0);
        // The seconds repaint to the end of the time, not across the date's width.
        if (QByteArray(QTest::currentDataTag()) == "a wider date line, italic")
            QVERIFY2(region.right() < window.width() * 3 / 4, qPrintable(QString::number(region.right())));
    }

    void flip_cards_leave_no_ghost_data()
    {
        QTest::addColumn<QDateTime>("before");
        QTest::addColumn<QDateTime>("after");
        QTest::addColumn<bool>("animated");
        QTest::addColumn<QString>("caption");
        QTest::newRow("next second, turning") << at(12, 34, 56) << at(12, 34, 57) << true << "";
        QTest::newRow("minute rollover, turning") << at(12, 34, 59) << at(12, 35, 0) << true << "";
        QTest::newRow("hour rollover, turning") << at(12, 59, 59) << at(13, 0, 0) << true << "dddd";
        QTest::newRow("next second, still") << at(12, 34, 56) << at(12, 34, 57) << false << "d MMMM";
        QTest::newRow("midnight, new caption") << at(23, 59, 59) << at(0, 0, 0).addDays(1) << true << "dddd";
    }
    void flip_cards_leave_no_ghost()
    {
        QFETCH(QDateTime, before);
        QFETCH(QDateTime, after);
        QFETCH(bool, animated);
        QFETCH(QString, caption);
        clock_look l;
        l.clock = QStringLiteral("flip");
        l.flip_size = 200;
        l.text_flip_clock = caption;
        l.font_flip_clock = QFont(QStringLiteral("DejaVu Sans"));
        l.font_flip_clock.setPixelSize(14);
        l.color_flip_clock = Qt::white;
        l.shade_flip_clock = QColor(32, 32, 32);
        l.gradient_bk = {{0, QColor(60, 60, 60)}, {0.5, QColor(20, 20, 20)}, {1, QColor(50, 50, 50)}};
        l.gradient_font = {{0, Qt::white}, {1, QColor(200, 200, 200)}};
        l.do_anim = animated;
        flip_face face_a, face_b;
        const QSize window = face_b.wanted_size(l, after);
        // Quiet at `before`; at `after` the cards that changed start their turns.
        flip_cards quiet;
        quiet.hour.last_turned = quiet.min.last_turned = quiet.sec.last_turned = before;
        flip_cards turning = quiet;
        const flip_turns due = flip_face::due(l, after, quiet, false);
        turning.hour.turning = due.hour;
        turning.min.turning = due.min;
        turning.sec.turning = due.sec;
        QCOMPARE(due.sec, animated);
        const QRegion region = flip_face::changed(l, before, after, window);
        QImage got = blank(window);
        {
            QPainter p(&got);
            face_a.paint(p, l, before, window, quiet);
        }
        {
            QPainter p(&got);
            p.setClipRegion(region);
            p.setCompositionMode(QPainter::CompositionMode_Source);
            p.fillRect(got.rect(), Qt::transparent);
            p.setCompositionMode(QPainter::CompositionMode_SourceOver);
            face_a.paint(p, l, after, window, turning);
        }
        QImage want = blank(window);
        {
            QPainter p(&want);
            face_b.paint(p, l, after, window, turning);
        }
        QCOMPARE(differing_pixels(got, want), 0);

        // Then every frame of the turn repaints its card and the room below.
        if (!animated)
            return;
        const QRect card = flip_face::geometry(window).sec;
        const QRegion frame_region = card.united(card_painter::lower_region(card));
        for (int frame = 4; frame <= 100; frame += 8) {
            flip_cards prev = turning, now = turning;
            prev.sec.frame = frame - 4;
            now.sec.frame = frame;
            QImage a = blank(window), b = blank(window);
            {
                QPainter p(&a);
                face_a.paint(p, l, after, window, prev);
            }
            {
                QPainter p(&a);
                p.setClipRegion(frame_region);
                p.setCompositionMode(QPainter::CompositionMode_Source);
                p.fillRect(a.rect(), Qt::transparent);
                p.setCompositionMode(QPainter::CompositionMode_SourceOver);
                face_a.paint(p, l, after, window, now);
            }
            {
                QPainter p(&b);
                face_b.paint(p, l, after, window, now);
            }
            QRect bad;
            for (int y = 0; y < a.height(); ++y)
                for (int x = 0; x < a.width(); ++x)
                    if (a.pixel(x, y) != b.pixel(x, y))
                        bad |= QRect(x, y, 1, 1);
            QVERIFY2(bad.isEmpty(), qPrintable(QString("frame %1: differences in %2,%3 %4x%5")
                                                   .arg(frame)
                                                   .arg(bad.x())
                                                   .arg(bad.y())
                                                   .arg(bad.width())
                                                   .arg(bad.height())));
        }
    }

    // Pictures are drawn under bands small enough for the raster engine to
    // blend on this thread (a few dozen device rows of clip rectangles):
    // together they cover exactly the painted part of the picture, once.
    void bands_tile_the_painted_part_data()
    {
        QTest::addColumn<QRegion>("area");
        QTest::addColumn<QRect>("box");
        QTest::addColumn<qreal>("dpr");
        QRegion strips;
        for (int i = 0; i < 20; ++i)
            strips += QRegion(40 + 5 * i, 8 * i, 30, 8) + QRegion(150 - 4 * i, 8 * i, 20, 8);
        QTest::newRow("whole picture") << QRegion() << QRect(0, 0, 240, 240) << 1.0;
        QTest::newRow("two hand boxes") << (QRegion(100, 20, 30, 110) + QRegion(110, 90, 90, 40))
                                        << QRect(0, 0, 240, 240) << 1.0;
        QTest::newRow("two needles in strips") << strips << QRect(0, 0, 240, 240) << 1.0;
        QTest::newRow("needles at scale factor 2") << strips << QRect(0, 0, 240, 240) << 2.0;
        QTest::newRow("area past the picture") << QRegion(-10, 200, 300, 100) << QRect(5, 5, 230, 230) << 1.0;
        QTest::newRow("scale factor 2") << QRegion() << QRect(0, 0, 120, 97) << 2.0;
        QTest::newRow("scale factor 1.5") << QRegion(0, 0, 50, 50) << QRect(0, 0, 120, 97) << 1.5;
        QTest::newRow("no overlap") << QRegion(0, 0, 10, 10) << QRect(20, 20, 10, 10) << 1.0;
    }

    void bands_tile_the_painted_part()
    {
        QFETCH(QRegion, area);
        QFETCH(QRect, box);
        QFETCH(qreal, dpr);
        const QList<QRegion> bands = paint_bands(area, box, dpr);
        QRegion covered;
        for (const QRegion &b : bands) {
            double rect_rows = 0;
            for (const QRect &r : b)
                rect_rows += r.height() * dpr + 1;
            QVERIFY2(rect_rows <= 48, qPrintable(QString::number(rect_rows)));
            QVERIFY(!covered.intersects(b));
            covered += b;
        }
        const QRegion part = area.isEmpty() ? QRegion(box) : area.intersected(box);
        QVERIFY(covered.xored(part).isEmpty());
        // Not one band per rectangle: the needles take a handful.
        if (QByteArray(QTest::currentDataTag()) == "two needles in strips")
            QVERIFY(bands.size() <= 12);
    }
};

QTEST_MAIN(tst_partial_repaint)
#include "tst_partial_repaint.moc"
