// The analog face, painted into images of a test skin and measured.
#include "clock/faces/analog_face.h"
#include "face_test_support.h"

#include <QTest>

using namespace face_test;

namespace {

// A white 200 x 200 dial; red hour hand 8 x 60 (a quarter of it tail),
// green minute hand 4 x 90, blue second hand 2 x 90, a tiny grey cap.
clock_look test_look(QSize face = QSize(200, 200))
{
    clock_look l;
    l.clock = QStringLiteral("analog");
    l.pictures.face = bar(face.width(), face.height(), Qt::white);
    l.pictures.hour = bar(8, 60, Qt::red);
    l.pictures.mins = bar(4, 90, Qt::green);
    l.pictures.secunds = bar(2, 90, Qt::blue);
    l.pictures.shapocka = bar(2, 2, Qt::gray);
    l.offsets.hour_z = 0.25;
    l.offsets.mins_z = 0.1;
    l.offsets.secunds_z = 0.2;
    l.not_paint_sec = true;
    return l;
}

QImage paint(const clock_look &l, QTime t, QSize window = QSize())
{
    if (!window.isValid())
        window = l.pictures.face.size();
    QImage img = blank(window);
    QPainter p(&img);
    analog_face().paint(p, l, QDateTime(QDate(2026, 3, 14), t), window);
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

bool greyish(QRgb c)
{
    return qAlpha(c) > 200 && qRed(c) > 100 && qRed(c) < 200 && qAbs(qRed(c) - qBlue(c)) < 8;
}

// Mark ink, also where antialiasing leaves it faint.
bool mark_ink(QRgb c)
{
    return qAlpha(c) > 30 && qRed(c) > qGreen(c) + 60;
}

} // namespace

class tst_analog_face : public QObject
{
    Q_OBJECT

private slots:
    void hands_at_half_past_three_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::newRow("03:30") << QTime(3, 30);
        QTest::newRow("15:30") << QTime(15, 30);
    }
    void hands_at_half_past_three()
    {
        QFETCH(QTime, time);
        const QImage img = paint(test_look(), time);
        QVERIFY(qAbs(clock_angle(img, reddish, {100, 100}) - 105.0) < 1.5);
        QVERIFY(qAbs(clock_angle(img, greenish, {100, 100}) - 180.0) < 1.5);
    }

    void minute_hand_creeps_with_the_seconds()
    {
        const QImage img = paint(test_look(), QTime(0, 10, 30));
        QVERIFY(qAbs(clock_angle(img, greenish, {100, 100}) - 63.0) < 1.0);
    }

    void pivot_factors_move_the_pivot_in_proportion()
    {
        clock_look l = test_look();
        l.offsets.hour_x = 0.5;
        l.offsets.hour_y = 1.5;
        l.offsets.shapocka_x = 0.5;
        l.pictures.shapocka = bar(6, 6, Qt::gray);
        const QImage img = paint(l, QTime(0, 0));
        // Hour hand pivot at (50, 150), pointing up, 15 px of tail below the pivot.
        const QRect r = bounds(img, reddish);
        QVERIFY2(qAbs(r.center().x() - 50) <= 1, qPrintable(QString::number(r.center().x())));
        QVERIFY2(qAbs(r.bottom() + 1 - 165) <= 1, qPrintable(QString::number(r.bottom())));
        QVERIFY2(qAbs(r.top() - 105) <= 1, qPrintable(QString::number(r.top())));
        // The cap moved with its own factors, the other hands did not.
        const QRect cap = bounds(img, greyish);
        QVERIFY(qAbs(cap.center().x() - 50) <= 1 && qAbs(cap.center().y() - 100) <= 1);
        QVERIFY(qAbs(bounds(img, greenish).center().x() - 100) <= 1);
    }

    void tail_fraction_data()
    {
        QTest::addColumn<double>("z");
        QTest::newRow("no tail") << 0.0;
        QTest::newRow("quarter") << 0.25;
        QTest::newRow("half") << 0.5;
    }
    void tail_fraction()
    {
        QFETCH(double, z);
        clock_look l = test_look();
        l.offsets.hour_z = z;
        l.pictures.shapocka = bar(2, 2, Qt::transparent);
        l.pictures.mins = l.pictures.secunds = bar(2, 2, Qt::transparent);
        // 03:00: the hour hand lies along the horizontal through the pivot.
        const QRect r = bounds(paint(l, QTime(3, 0)), reddish);
        const int tail = int(60 * z);
        QVERIFY2(qAbs(r.left() - (100 - tail)) <= 1, qPrintable(QString::number(r.left())));
        QVERIFY2(qAbs(r.right() + 1 - (100 + 60 - tail)) <= 1, qPrintable(QString::number(r.right())));
        QVERIFY(qAbs(r.center().y() - 100) <= 1);
    }

    void second_marks_on_a_face_that_is_not_square()
    {
        clock_look l = test_look(QSize(300, 200));
        l.pictures.face = bar(300, 200, Qt::transparent);
        l.pictures.hour = l.pictures.mins = bar(2, 2, Qt::transparent);
        l.not_paint_sec = false;
        l.do_draw_sec = false;
        l.color_sec = QColor(255, 0, 255);
        const QImage img = paint(l, QTime(0, 0));
        // Centred on the face's centre, on radii 92..96 of the smaller side's
        // 200-unit dial.
        const QPointF c(150, 100);
        int outside = 0;
        bool slot_has_mark[60] = {};
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                if (!mark_ink(img.pixel(x, y)))
                    continue;
                const double dx = x + 0.5 - c.x(), dy = y + 0.5 - c.y();
                const double radius = std::hypot(dx, dy);
                if (radius < 90.5 || radius > 97.5)
                    ++outside;
                double a = std::atan2(dx, -dy) * 180.0 / M_PI;
                if (a < 0)
                    a += 360.0;
                slot_has_mark[int(std::lround(a / 6.0)) % 60] = true;
            }
        QCOMPARE(outside, 0);
        int marks = 0;
        for (int i = 0; i < 60; ++i) {
            if (i % 5 == 0)
                QVERIFY2(!slot_has_mark[i], qPrintable(QString("mark at five-minute place %1").arg(i)));
            marks += slot_has_mark[i];
        }
        QCOMPARE(marks, 48);

        l.not_paint_sec = true;
        QCOMPARE(count(paint(l, QTime(0, 0)), mark_ink), 0);
    }

    void second_marks_follow_the_smaller_side_of_the_window()
    {
        clock_look l = test_look();
        l.pictures.face = bar(200, 200, Qt::transparent);
        l.pictures.hour = l.pictures.mins = bar(2, 2, Qt::transparent);
        l.not_paint_sec = false;
        l.do_draw_sec = false;
        l.color_sec = QColor(255, 0, 255);
        // A window of 200 x 100 shrinks the marks to radius 46..48 about the face
        // centre.
        const QImage img = paint(l, QTime(0, 0), QSize(200, 100));
        const QRect r = bounds(img, mark_ink);
        QVERIFY2(qAbs(r.right() + 1 - 148) <= 2, qPrintable(QString::number(r.right())));
        QVERIFY(r.top() >= 100 - 49);
    }

    void second_hand_jumps_or_sweeps_data()
    {
        QTest::addColumn<double>("interval");
        QTest::addColumn<double>("angle");
        QTest::newRow("once a second") << 1000.0 << 90.0;
        QTest::newRow("ten times a second") << 100.0 << 93.0;
    }
    void second_hand_jumps_or_sweeps()
    {
        QFETCH(double, interval);
        QFETCH(double, angle);
        clock_look l = test_look();
        l.repaint_interval = interval;
        const QImage img = paint(l, QTime(0, 0, 15, 500));
        QVERIFY2(qAbs(clock_angle(img, bluish, {100, 100}) - angle) < 0.8,
                 qPrintable(QString::number(clock_angle(img, bluish, {100, 100}))));
    }

    void second_hand_below_above_or_absent()
    {
        clock_look l = test_look();
        // At midnight all three hands overlap above the pivot.
        QVERIFY(bluish(paint(l, QTime(0, 0)).pixel(100, 70)));
        l.set_top_sec = false;
        QVERIFY(greenish(paint(l, QTime(0, 0)).pixel(100, 70)));
        for (bool top : {true, false}) {
            l.set_top_sec = top;
            l.do_draw_sec = false;
            QCOMPARE(count(paint(l, QTime(0, 0, 20)), bluish), 0);
        }
    }

    void transparent_fallback_skin_paints_only_the_marks()
    {
        clock_look l = test_look(QSize(300, 300));
        QPixmap blank300(300, 300);
        blank300.fill(Qt::transparent);
        l.pictures = {blank300, blank300, blank300, blank300, blank300};
        l.not_paint_sec = false;
        l.color_sec = QColor(255, 0, 255);
        const QImage img = paint(l, QTime(10, 10, 10));
        // Nothing shows but the marks.
        QCOMPARE(count(img, [](QRgb c) { return qAlpha(c) > 0 && qGreen(c) > qRed(c) / 2; }), 0);
        QVERIFY(count(img, mark_ink) > 48 * 3);
    }
};

QTEST_MAIN(tst_analog_face)
#include "tst_analog_face.moc"
