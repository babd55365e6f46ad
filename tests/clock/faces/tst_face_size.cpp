// The clock window's size for each face before it is first shown, clamped
// to the screen when a damaged clock.ini asks for absurd sizes; and where
// the window opens, its stored position being in device pixels.
#include "clock/clock_placement.h"
#include "clock/clock_window.h"
#include "clock/faces/face_size.h"
#include "clock/faces/flip_face.h"
#include "clock_rig.h"
#include "common/time_source.h"
#include "settings/alarm_setup.h"
#include "storage/ini_format.h"
#include "test_support.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

Q_DECLARE_METATYPE(QList<device_screen>)

namespace {

const QDateTime start(QDate(2026, 3, 14), QTime(12, 0, 0));

QByteArray font_line(const char *key, int pixel_size)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixel_size);
    return QByteArray(key) + "=\"" + f.toString().toLatin1() + "\"\n";
}

QSize screen_size()
{
    return QGuiApplication::primaryScreen()->geometry().size();
}

// A 2560 x 1600 panel at scale 2 with a 1920 x 1080 monitor at scale 1 to
// its right (logical and device geometry share their top-left corners).
const QList<device_screen> mixed{{QRect(0, 0, 1280, 800), 2.0}, {QRect(2560, 0, 1920, 1080), 1.0}};

} // namespace

class tst_face_size : public QObject
{
    Q_OBJECT

private slots:
    void window_has_its_face_size_before_it_is_shown_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QSize>("size"); // empty: the digital text's own size

        QTest::newRow("analog") << QByteArray("clock=analog\n") << QSize(120, 100);
        QTest::newRow("flip, shipped size") << QByteArray("clock=flip\nsettransform=200\n") << QSize(200, 200);
        QTest::newRow("flip, no size") << QByteArray("clock=flip\nsettransform=0\n") << QSize(1, 1);
        QTest::newRow("digital") << QByteArray("clock=digital\n" + font_line("font", 30)) << QSize();
    }
    void window_has_its_face_size_before_it_is_shown()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QSize, size);
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nposx=30\nposy=40\n" + ini);
        manual_time_source t(start);
        clock_rig rig(t);
        orvella &w = rig.clock();
        QVERIFY(!w.isVisible());
        if (size.isEmpty()) {
            const QRect box = QFontMetrics(w.look().font, &w).boundingRect(QStringLiteral("12:00:00"));
            size = QSize(box.width() + 20, box.height());
        }
        QCOMPARE(w.size(), size);
        QCOMPARE(w.pos(), QPoint(30, 40));
    }

    void flip_caption_widens_the_window_before_show()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=flip\nsettransform=100\ntext_flip_clock=\"dd.MM.yyyy, dddd\"\n" +
                                  font_line("font_flip_clock", 20));
        manual_time_source t(start);
        clock_rig rig(t);
        orvella &w = rig.clock();
        QVERIFY(w.width() > 100);
        QCOMPARE(w.size(), flip_face().wanted_size(w.look(), w.shifted_now(), &w));
    }

    void absurd_sizes_are_cut_to_the_screen_and_the_file_is_kept_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored_value");
        QTest::newRow("flip 99999") << QByteArray("clock=flip\nsettransform=99999\n") << "settransform"
                                    << "99999";
        const QByteArray huge = font_line("font", 20000);
        QTest::newRow("digital font") << QByteArray("clock=digital\n" + huge) << "font"
                                      << QString::fromLatin1(huge.mid(6, huge.size() - 8));
        const QByteArray caption = font_line("font_flip_clock", 20000);
        QTest::newRow("flip caption font")
            << QByteArray("clock=flip\ntext_flip_clock=dddd\n" + caption) << "font_flip_clock"
            << QString::fromLatin1(caption.mid(17, caption.size() - 19));
    }
    void absurd_sizes_are_cut_to_the_screen_and_the_file_is_kept()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QString, key);
        QFETCH(QString, stored_value);
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nposx=0\nposy=0\n" + ini);
        manual_time_source t(start);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("more than the largest screen shows"));
        clock_rig rig(t);
        orvella &w = rig.clock();
        const QSize screen = screen_size();
        QVERIFY(w.width() <= screen.width() && w.height() <= screen.height());
        QCOMPARE(w.width(), screen.width());

        // Painted at that size, warned about once, and the stored value is left alone.
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::qWait(150);
        const QImage shot = w.grab().toImage();
        QCOMPARE(shot.size(), w.size() * w.devicePixelRatio());
        rig.commands()->quit();
        QCOMPARE(stored(home.data_folder() + "/clock.ini", "TYPE/" + key).toString(), stored_value);
    }

    void clamped_data()
    {
        QTest::addColumn<QSize>("wanted");
        QTest::addColumn<QSize>("limit");
        QTest::addColumn<QSize>("got");
        QTest::newRow("fits") << QSize(200, 200) << QSize(1280, 800) << QSize(200, 200);
        QTest::newRow("too wide") << QSize(5000, 94) << QSize(1280, 800) << QSize(1280, 94);
        QTest::newRow("too big") << QSize(99999, 99999) << QSize(1280, 800) << QSize(1280, 800);
        QTest::newRow("nothing") << QSize(0, -5) << QSize(1280, 800) << QSize(1, 1);
        QTest::newRow("no screen known") << QSize(5000, 5000) << QSize() << QSize(5000, 5000);
    }
    void clamped()
    {
        QFETCH(QSize, wanted);
        QFETCH(QSize, limit);
        QFETCH(QSize, got);
        QCOMPARE(face_size::clamped(wanted, limit), got);
    }

    void device_and_logical_positions_data()
    {
        QTest::addColumn<QList<device_screen>>("screens");
        QTest::addColumn<QPoint>("device");
        QTest::addColumn<QPoint>("logical");
        const QList<device_screen> one{{QRect(0, 0, 1280, 800), 1.0}};
        QTest::newRow("scale 1") << one << QPoint(300, 200) << QPoint(300, 200);
        QTest::newRow("scale 2") << mixed << QPoint(600, 400) << QPoint(300, 200);
        QTest::newRow("second monitor at scale 1") << mixed << QPoint(3000, 100) << QPoint(3000, 100);
        const QList<device_screen> left{{QRect(0, 0, 1280, 800), 2.0}, {QRect(-1920, 0, 960, 540), 2.0}};
        QTest::newRow("monitor at negative x, scale 2") << left << QPoint(-1520, 100) << QPoint(-1720, 50);
    }
    void device_and_logical_positions()
    {
        QFETCH(QList<device_screen>, screens);
        QFETCH(QPoint, device);
        QFETCH(QPoint, logical);
        QCOMPARE(clock_placement::to_logical(device, screens), logical);
        QCOMPARE(clock_placement::to_device(logical, screens), device);
    }

    void opening_position_data()
    {
        QTest::addColumn<QPoint>("stored");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("opens");
        QTest::newRow("on the scaled panel") << QPoint(600, 400) << QSize(200, 200) << QPoint(300, 200);
        // 2000 device pixels wide is 1000 logical: 560 device pixels still show.
        QTest::newRow("near the panel's right edge") << QPoint(2000, 400) << QSize(200, 200) << QPoint(1000, 200);
        QTest::newRow("on the second monitor") << QPoint(3000, 100) << QSize(456, 94) << QPoint(3000, 100);
        QTest::newRow("below the second monitor") << QPoint(3000, 1100) << QSize(456, 94) << QPoint(1, 1);
        QTest::newRow("far left") << QPoint(-5000, 100) << QSize(200, 200) << QPoint(1, 1);
    }
    void opening_position()
    {
        QFETCH(QPoint, stored);
        QFETCH(QSize, size);
        QFETCH(QPoint, opens);
        QCOMPARE(clock_placement::opening_position(stored, size, mixed), opens);
    }
};

QTEST_MAIN(tst_face_size)
#include "tst_face_size.moc"
