// The gradient editor: control points of one strip (insert, remove, locks,
// drag, resize) and the stops the three strips give together.
#include "clock_rig.h"
#include "gradients/gradient_editor.h"
#include "gradients/hover_points.h"
#include "gradients/shade_widget.h"

#include <QSignalSpy>
#include <QTest>

namespace {

void press(QWidget *w, QPoint at, Qt::MouseButton b = Qt::LeftButton)
{
    send_mouse(w, QEvent::MouseButtonPress, at, b, b);
}

void release(QWidget *w, QPoint at, Qt::MouseButton b = Qt::LeftButton)
{
    send_mouse(w, QEvent::MouseButtonRelease, at, b, Qt::NoButton);
}

void drag(QWidget *w, QPoint from, QPoint to)
{
    press(w, from);
    send_mouse(w, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    release(w, to);
}

// An editor whose strips are `width` pixels wide and 40 high.
void size_strips(GradientEditor &e, int width)
{
    e.resize(width + 2, 3 * 40 + 2 + 2);
    e.show();
    QVERIFY(QTest::qWaitForWindowExposed(&e));
    QCOMPARE(e.redShade()->width(), width);
}

} // namespace

class tst_gradient_editor : public QObject
{
    Q_OBJECT

private slots:
    void a_new_strip_has_two_locked_end_points()
    {
        ShadeWidget strip(ShadeWidget::RedShade);
        QCOMPARE(strip.size(), QSize(150, 40));
        QCOMPARE(strip.points(), QPolygonF({QPointF(0, 40), QPointF(150, 0)}));
        QCOMPARE(strip.hoverPoints()->pointLock(0), int(HoverPoints::LockToLeft));
        QCOMPARE(strip.hoverPoints()->pointLock(1), int(HoverPoints::LockToRight));
    }

    void dragging_an_end_point_keeps_it_on_its_edge_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QPointF>("expected");
        QTest::newRow("left point sideways") << 0 << QPoint(1, 39) << QPoint(60, 20) << QPointF(0, 20);
        QTest::newRow("right point sideways") << 1 << QPoint(149, 1) << QPoint(20, 30) << QPointF(150, 30);
        QTest::newRow("left point below the strip") << 0 << QPoint(1, 39) << QPoint(-30, 90) << QPointF(0, 40);
    }
    void dragging_an_end_point_keeps_it_on_its_edge()
    {
        QFETCH(int, index);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(QPointF, expected);
        ShadeWidget strip(ShadeWidget::RedShade);
        QSignalSpy changed(&strip, &ShadeWidget::colorsChanged);
        drag(&strip, from, to);
        QCOMPARE(strip.points().size(), 2);
        QCOMPARE(strip.points().at(index), expected);
        QCOMPARE(changed.count(), 1);
    }

    void clicks_insert_and_remove_points_data()
    {
        QTest::addColumn<QList<QPoint>>("left");
        QTest::addColumn<QList<QPoint>>("right");
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("changes");
        QTest::newRow("click on empty space inserts") << QList<QPoint>{{75, 30}} << QList<QPoint>{} << 3 << 1;
        QTest::newRow("two inserts") << QList<QPoint>{{40, 10}, {100, 30}} << QList<QPoint>{} << 4 << 2;
        QTest::newRow("right click removes it") << QList<QPoint>{{75, 30}} << QList<QPoint>{{75, 30}} << 2 << 2;
        QTest::newRow("end point stays, change still told") << QList<QPoint>{} << QList<QPoint>{{1, 39}} << 2 << 1;
        QTest::newRow("right click on empty space does nothing") << QList<QPoint>{} << QList<QPoint>{{75, 5}} << 2 << 0;
    }
    void clicks_insert_and_remove_points()
    {
        QFETCH(QList<QPoint>, left);
        QFETCH(QList<QPoint>, right);
        QFETCH(int, points);
        QFETCH(int, changes);
        ShadeWidget strip(ShadeWidget::GreenShade);
        QSignalSpy changed(&strip, &ShadeWidget::colorsChanged);
        for (QPoint p : left) {
            press(&strip, p);
            release(&strip, p);
        }
        for (QPoint p : right)
            press(&strip, p, Qt::RightButton);
        QCOMPARE(strip.points().size(), points);
        QCOMPARE(changed.count(), changes);
        // Kept in x order with the end points at the edges.
        const QPolygonF pts = strip.points();
        for (int i = 1; i < pts.size(); ++i)
            QVERIFY(pts.at(i - 1).x() <= pts.at(i).x());
        QCOMPARE(pts.first().x(), 0.0);
        QCOMPARE(pts.last().x(), 150.0);
    }

    void a_point_dragged_past_its_neighbour_is_sorted_and_keeps_being_dragged()
    {
        ShadeWidget strip(ShadeWidget::BlueShade);
        press(&strip, QPoint(40, 20));
        release(&strip, QPoint(40, 20));
        press(&strip, QPoint(100, 20));
        release(&strip, QPoint(100, 20));
        // Drag the first inner point past the second, then on.
        press(&strip, QPoint(40, 20));
        send_mouse(&strip, QEvent::MouseMove, QPoint(120, 10), Qt::NoButton, Qt::LeftButton);
        send_mouse(&strip, QEvent::MouseMove, QPoint(130, 5), Qt::NoButton, Qt::LeftButton);
        release(&strip, QPoint(130, 5));
        const QPolygonF pts = strip.points();
        QCOMPARE(pts.size(), 4);
        QCOMPARE(pts.at(1), QPointF(100, 20));
        QCOMPARE(pts.at(2), QPointF(130, 5));
        // The end points kept their locks through the sort.
        QCOMPARE(strip.hoverPoints()->pointLock(0), int(HoverPoints::LockToLeft));
        QCOMPARE(strip.hoverPoints()->pointLock(3), int(HoverPoints::LockToRight));
    }

    void stops_come_from_the_red_strip_only()
    {
        GradientEditor e;
        size_strips(e, 150);
        QSignalSpy stops(&e, &GradientEditor::gradientStopsChanged);
        press(e.greenShade(), QPoint(75, 20));
        release(e.greenShade(), QPoint(75, 20));
        QCOMPARE(stops.count(), 1);
        QCOMPARE(stops.last().at(0).value<QGradientStops>().size(), 2);

        press(e.redShade(), QPoint(75, 20));
        release(e.redShade(), QPoint(75, 20));
        const QGradientStops s = stops.last().at(0).value<QGradientStops>();
        QCOMPARE(s.size(), 3);
        QCOMPARE(s.at(0).first, 0.0);
        QCOMPARE(s.at(1).first, 0.5);
        QCOMPARE(s.at(2).first, 1.0);
        for (const QGradientStop &st : s)
            QCOMPARE(st.second.alpha(), 255);
        // The default strips run from black at the left to full at the right.
        QVERIFY(s.at(0).second.red() < 8 && s.at(0).second.green() < 8 && s.at(0).second.blue() < 8);
        QVERIFY(s.at(2).second.red() > 240 && s.at(2).second.green() > 240 && s.at(2).second.blue() > 240);
        // The red point at half height gives about half red; green's own
        // point at (75, 20) gives about half green.
        QVERIFY(qAbs(s.at(1).second.red() - 128) < 12);
        QVERIFY(qAbs(s.at(1).second.green() - 128) < 12);
    }

    void loading_stops_places_the_points()
    {
        GradientEditor e;
        size_strips(e, 300);
        QSignalSpy stops(&e, &GradientEditor::gradientStopsChanged);
        e.setGradientStops({{0.0, QColor(255, 0, 0)}, {1.0, QColor(0, 0, 255)}});
        QCOMPARE(stops.count(), 0);
        const qreal h = e.redShade()->height();
        QCOMPARE(e.redShade()->points(), QPolygonF({QPointF(0, 0), QPointF(300, h)}));
        QCOMPARE(e.greenShade()->points(), QPolygonF({QPointF(0, h), QPointF(300, h)}));
        QCOMPARE(e.blueShade()->points(), QPolygonF({QPointF(0, h), QPointF(300, 0)}));
        QCOMPARE(e.redShade()->hoverPoints()->pointLock(1), int(HoverPoints::LockToRight));
    }

    void loaded_stops_come_back_data()
    {
        QTest::addColumn<QGradientStops>("stops");
        QTest::newRow("background default") << QGradientStops{{0.0, QColor(245, 245, 245)},
                                                              {0.49, QColor(192, 192, 192)},
                                                              {0.51, QColor(245, 245, 245)},
                                                              {1.0, QColor(192, 192, 192)}};
        QTest::newRow("two colours") << QGradientStops{{0.0, QColor(10, 200, 30)}, {1.0, QColor(250, 5, 128)}};
    }
    void loaded_stops_come_back()
    {
        QFETCH(QGradientStops, stops);
        GradientEditor e;
        size_strips(e, 300);
        e.setGradientStops(stops);
        const QGradientStops back = e.gradientStops();
        QCOMPARE(back.size(), stops.size());
        for (int i = 0; i < stops.size(); ++i) {
            QVERIFY2(qAbs(back.at(i).first - stops.at(i).first) < 0.005, qPrintable(QString::number(i)));
            const QColor a = back.at(i).second, b = stops.at(i).second;
            // One pixel of a 40-pixel strip is about 7 levels.
            QVERIFY2(qAbs(a.red() - b.red()) <= 8 && qAbs(a.green() - b.green()) <= 8 && qAbs(a.blue() - b.blue()) <= 8,
                     qPrintable(a.name() + " vs " + b.name()));
        }
    }

    void resizing_scales_points_proportionally()
    {
        GradientEditor e;
        size_strips(e, 200);
        press(e.redShade(), QPoint(50, 10));
        release(e.redShade(), QPoint(50, 10));
        QSignalSpy stops(&e, &GradientEditor::gradientStopsChanged);
        e.resize(402, e.height());
        QTRY_COMPARE(e.redShade()->width(), 400);
        const QPolygonF pts = e.redShade()->points();
        QCOMPARE(pts.size(), 3);
        QCOMPARE(pts.at(1), QPointF(100, 10));
        QCOMPARE(pts.at(2).x(), 400.0);
        // No change per point; and nothing while the red points lie beyond
        // the blue strip, which had not grown yet.
        QVERIFY(stops.count() >= 1 && stops.count() <= 3);
        QCOMPARE(stops.last().at(0).value<QGradientStops>().at(1).first, 0.25);
    }

    // Loaded stops keep their exact values; a drag changes the stop of the
    // point dragged and no other.
    void dragging_one_point_changes_only_its_stop_data()
    {
        QTest::addColumn<int>("strip");
        QTest::addColumn<QPoint>("by");
        QTest::newRow("red, up") << 0 << QPoint(0, -6);
        QTest::newRow("red, sideways") << 0 << QPoint(5, 0);
        QTest::newRow("green, down") << 1 << QPoint(0, 9);
        QTest::newRow("blue, up") << 2 << QPoint(0, -4);
    }
    void dragging_one_point_changes_only_its_stop()
    {
        QFETCH(int, strip);
        QFETCH(QPoint, by);
        GradientEditor e;
        size_strips(e, 300);
        const QGradientStops loaded{{0.0, QColor(245, 245, 245)},
                                    {0.49, QColor(192, 192, 192)},
                                    {0.51, QColor(245, 245, 245)},
                                    {1.0, QColor(192, 192, 192)}};
        e.setGradientStops(loaded);
        QCOMPARE(e.gradientStops(), loaded);
        QSignalSpy spy(&e, &GradientEditor::gradientStopsChanged);
        ShadeWidget *strips[] = {e.redShade(), e.greenShade(), e.blueShade()};
        ShadeWidget *s = strips[strip];
        const QPointF p = s->points().at(1);
        QCOMPARE(p.x(), 147.0);
        drag(s, p.toPoint(), p.toPoint() + by);
        QVERIFY(spy.count() >= 1);
        const QGradientStops now = spy.last().at(0).value<QGradientStops>();
        QCOMPARE(now.size(), 4);
        for (int i : {0, 2, 3}) {
            QCOMPARE(now.at(i).first, loaded.at(i).first);
            QCOMPARE(now.at(i).second, loaded.at(i).second);
        }
        const QColor is = now.at(1).second;
        const int channel[] = {is.red(), is.green(), is.blue()};
        for (int c = 0; c < 3; ++c) {
            if (c == strip)
                QVERIFY2(by.y() == 0 || channel[c] != 192, qPrintable(is.name()));
            else if (by.x() == 0)
                QCOMPARE(channel[c], 192);
        }
        if (by.x() == 0)
            QCOMPARE(now.at(1).first, 0.49);
        else
            QCOMPARE(now.at(1).first, 152.0 / 300);
    }

    void a_disabled_editor_ignores_the_pointer()
    {
        ShadeWidget strip(ShadeWidget::RedShade);
        strip.hoverPoints()->setDisabled(true);
        press(&strip, QPoint(75, 20));
        QCOMPARE(strip.points().size(), 2);
        strip.hoverPoints()->setEnabled(true);
        strip.hoverPoints()->setEditable(false);
        press(&strip, QPoint(75, 20));
        QCOMPARE(strip.points().size(), 2);
    }
};

QTEST_MAIN(tst_gradient_editor)
#include "tst_gradient_editor.moc"
