#include "common/screen_placement.h"

#include <QTest>

using namespace screen_placement;

Q_DECLARE_METATYPE(QList<QRect>)

namespace {
// A laptop panel with a taller monitor to its right, tops aligned.
const QList<QRect> two_side_by_side{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1440)};
// A monitor left of the primary (negative x) and one above it (negative y).
const QList<QRect> three_around{QRect(0, 0, 1920, 1080), QRect(-1280, 200, 1280, 1024), QRect(320, -900, 1600, 900)};
} // namespace

class tst_screen_placement : public QObject
{
    Q_OBJECT

private slots:
    void on_screens_data()
    {
        QTest::addColumn<QList<QRect>>("screens");
        QTest::addColumn<QRect>("window");
        QTest::addColumn<bool>("kept");

        const QList<QRect> one{QRect(0, 0, 1280, 800)};
        QTest::newRow("one screen, inside") << one << QRect(300, 200, 200, 200) << true;
        QTest::newRow("one screen, 40 px left on the right edge") << one << QRect(1240, 200, 200, 200) << true;
        QTest::newRow("one screen, 39 px left on the right edge") << one << QRect(1241, 200, 200, 200) << false;
        QTest::newRow("one screen, 40 px left at the top") << one << QRect(300, -160, 200, 200) << true;
        QTest::newRow("one screen, 39 px left at the bottom") << one << QRect(300, 761, 200, 200) << false;
        QTest::newRow("one screen, far away") << one << QRect(5000, 3000, 200, 200) << false;

        QTest::newRow("two, on the second monitor") << two_side_by_side << QRect(2500, 1200, 300, 100) << true;
        // Below the first monitor's bottom, beside the taller second one:
        // the window's corner is in the void, its right part on the second.
        QTest::newRow("two, corner in the gap, part on the second")
            << two_side_by_side << QRect(1860, 1100, 300, 100) << true;
        QTest::newRow("two, in the gap below the first") << two_side_by_side << QRect(500, 1200, 300, 100) << false;
        // 20 px on each monitor across the seam: no 40 px on one screen.
        QTest::newRow("two, split across the seam near the bottom")
            << two_side_by_side << QRect(1900, 1060, 40, 40) << false;
        QTest::newRow("two, second monitor unplugged")
            << QList<QRect>{two_side_by_side.first()} << QRect(2500, 1200, 300, 100) << false;

        QTest::newRow("three, on the left monitor (negative x)") << three_around << QRect(-1000, 400, 456, 94) << true;
        QTest::newRow("three, on the upper monitor (negative y)") << three_around << QRect(400, -500, 200, 200) << true;
        QTest::newRow("three, above the left monitor") << three_around << QRect(-1000, -300, 200, 200) << false;
        QTest::newRow("three, left of the left monitor") << three_around << QRect(-2000, 400, 200, 200) << false;

        // A window narrower than the part counts with its whole width.
        QTest::newRow("small window, inside") << one << QRect(10, 10, 20, 20) << true;
        QTest::newRow("small window, half off") << one << QRect(-10, 10, 20, 20) << false;
        QTest::newRow("empty window") << one << QRect(10, 10, 0, 0) << false;
        QTest::newRow("no screens") << QList<QRect>{} << QRect(10, 10, 100, 100) << false;
    }

    void on_screens()
    {
        QFETCH(QList<QRect>, screens);
        QFETCH(QRect, window);
        QFETCH(bool, kept);
        QCOMPARE(screen_placement::on_screens(window, screens), kept);
    }

    void overhang_is_not_counted_as_window()
    {
        const QList<QRect> one{QRect(0, 0, 1280, 800)};
        // 60 px on screen, of which 30 are a border that may hang off.
        const QRect window(1220, 100, 300, 200);
        QVERIFY(screen_placement::on_screens(window, one));
        QVERIFY(!screen_placement::on_screens(window, one, visible_part, QMargins(30, 30, 30, 30)));
        QVERIFY(screen_placement::on_screens(QRect(1200, 100, 300, 200), one, visible_part, QMargins(30, 30, 30, 30)));
    }

    void placed_position_data()
    {
        QTest::addColumn<QList<QRect>>("screens");
        QTest::addColumn<QRect>("primary");
        QTest::addColumn<QRect>("window");
        QTest::addColumn<QPoint>("expected");

        QTest::newRow("kept on the second monitor")
            << two_side_by_side << two_side_by_side[0] << QRect(2500, 1200, 300, 100) << QPoint(2500, 1200);
        QTest::newRow("rescued to the primary")
            << two_side_by_side << two_side_by_side[0] << QRect(500, 1200, 300, 100) << QPoint(1, 1);
        // The primary need not sit at the desktop origin.
        QTest::newRow("rescued to a primary at negative x")
            << three_around << three_around[1] << QRect(-2000, 400, 200, 200) << QPoint(-1279, 201);
        QTest::newRow("kept at negative y")
            << three_around << three_around[0] << QRect(400, -500, 200, 200) << QPoint(400, -500);
        QTest::newRow("no screens known: left alone")
            << QList<QRect>{} << QRect() << QRect(5000, 5000, 10, 10) << QPoint(5000, 5000);
    }

    void placed_position()
    {
        QFETCH(QList<QRect>, screens);
        QFETCH(QRect, primary);
        QFETCH(QRect, window);
        QFETCH(QPoint, expected);
        QCOMPARE(screen_placement::placed_position(window, {screens, primary}), expected);
    }
};

QTEST_GUILESS_MAIN(tst_screen_placement)
#include "tst_screen_placement.moc"
