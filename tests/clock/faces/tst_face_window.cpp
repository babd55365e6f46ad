// The faces inside the real clock window: window sizes and the card turns
// driven by the window's time lines, on a hand-set clock.
#include "clock/clock_window.h"
#include "clock/faces/flip_face.h"
#include "clock_rig.h"
#include "common/time_source.h"
#include "face_test_support.h"
#include "test_support.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QTest>

using namespace face_test;

namespace {

const QDateTime start(QDate(2026, 3, 14), QTime(12, 0, 0, 300));

bool faded_in(orvella &w)
{
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        return false;
    return QTest::qWaitFor([&] { return !w.fading(); }, 5000);
}

bool running(QTimeLine *l)
{
    return l->state() == QTimeLine::Running;
}

} // namespace

class tst_face_window : public QObject
{
    Q_OBJECT

private slots:
    void window_takes_the_scaled_face_size_data()
    {
        QTest::addColumn<QString>("resize");
        QTest::addColumn<QSize>("size");
        QTest::newRow("2") << "2" << QSize(240, 200);
        // 40 x 33 asked; the picture keeps its 6:5 shape inside that.
        QTest::newRow("-3") << "-3" << QSize(39, 33);
        QTest::newRow("0") << "0" << QSize(120, 100);
        QTest::newRow("1") << "1" << QSize(120, 100);
        // Factors whose picture size does not fit an int are ignored.
        QTest::newRow("1e308") << "1e308" << QSize(120, 100);
        QTest::newRow("-1e-308") << "-1e-308" << QSize(120, 100);
        QTest::newRow("nan") << "nan" << QSize(120, 100);
        QTest::newRow("-inf") << "-inf" << QSize(120, 100);
    }
    void window_takes_the_scaled_face_size()
    {
        QFETCH(QString, resize);
        QFETCH(QSize, size);
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=analog\nposx=10\nposy=10\nresize=" + resize.toLatin1() + "\n");
        manual_time_source t(start);
        clock_rig rig(t);
        orvella &w = rig.clock();
        QCOMPARE(w.size(), size);
        if (resize == "2")
            QCOMPARE(w.look().pictures.hour.size(), QSize(12, 80));
    }

    void analog_face_is_painted_in_the_window()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=analog\nposx=10\nposy=10\ntransp=1\n");
        manual_time_source t(QDateTime(start.date(), QTime(0, 0, 15)));
        clock_rig rig(t);
        orvella &w = rig.clock();
        QVERIFY(faded_in(w));
        const QImage img = w.grab().toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(img.size(), QSize(120, 100));
        // The red second hand points at three o'clock.
        QVERIFY(qAbs(clock_angle(img, reddish, {60, 50}) - 90.0) < 2.0);
    }

    void digital_window_fits_its_text_data()
    {
        QTest::addColumn<bool>("framed");
        QTest::newRow("frameless") << false;
        QTest::newRow("framed") << true;
    }
    void digital_window_fits_its_text()
    {
        QFETCH(bool, framed);
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(30);
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=digital\nfont=\"" + f.toString().toLatin1() +
                                  "\"\nno_trans=" + (framed ? "true" : "false") + "\n");
        manual_time_source t(start);
        clock_rig rig(t);
        orvella &w = rig.clock();
        QVERIFY(faded_in(w));
        const QRect box = QFontMetrics(w.look().font, &w).boundingRect(QStringLiteral("12:00:00"));
        const QSize expected =
            framed ? QSize(int(1.2 * box.width()), box.height()) : QSize(box.width() + 20, box.height());
        QTRY_COMPARE(w.size(), expected);
        if (framed)
            QCOMPARE(w.remembered_width(), expected.width());
    }

    void a_card_turns_when_its_value_changes()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=flip\ntransp=1\n");
        manual_time_source t(start);
        clock_rig rig(t);
        orvella &w = rig.clock();
        QVERIFY(faded_in(w));
        QCOMPARE(w.size(), QSize(100, 100));
        QVERIFY(!running(w.sec_line()) && !running(w.min_line()) && !running(w.hour_line()));

        const QDateTime before = w.last_turn_of_seconds();
        t.advance_secs(1);
        w.repaint();
        QVERIFY(running(w.sec_line()));
        QVERIFY(!running(w.min_line()) && !running(w.hour_line()));
        QCOMPARE(w.last_turn_of_seconds(),
                 before); // recorded at the end of the turn, not its start
        QTRY_VERIFY_WITH_TIMEOUT(!running(w.sec_line()), 3000);
        QCOMPARE(w.last_turn_of_seconds(), t.now());

        // Quiet again until the next change.
        w.repaint();
        QVERIFY(!running(w.sec_line()));

        // A new minute turns the minute card and the second card, not the hour.
        t.advance_secs(61);
        w.repaint();
        QVERIFY(running(w.min_line()) && running(w.sec_line()));
        QVERIFY(!running(w.hour_line()));
        QTRY_VERIFY_WITH_TIMEOUT(!running(w.min_line()) && !running(w.sec_line()), 3000);
        QCOMPARE(w.last_turn_of_minutes(), t.now());
        QCOMPARE(w.hour_card(), QRect(0, 0, 30, 30));
        QCOMPARE(w.sec_card(), QRect(80, 15, 15, 15));
    }

    void without_animation_values_change_in_place()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=flip\ntransp=1\ndo_anim=false\n");
        manual_time_source t(start);
        clock_rig rig(t);
        orvella &w = rig.clock();
        QVERIFY(faded_in(w));
        t.advance_secs(61);
        w.repaint();
        QVERIFY(!running(w.sec_line()) && !running(w.min_line()) && !running(w.hour_line()));

        // The window shows the new values straight away.
        const QImage shown = w.grab().toImage().convertToFormat(QImage::Format_ARGB32);
        QImage expected = blank(QSize(100, 100));
        {
            QPainter p(&expected);
            flip_cards quiet;
            quiet.hour.last_turned = quiet.min.last_turned = quiet.sec.last_turned = t.now();
            flip_face().paint(p, w.look(), t.now(), QSize(100, 100), quiet);
        }
        QCOMPARE(shown, expected.convertToFormat(QImage::Format_ARGB32));
    }

    void hidden_seconds_card_never_turns()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=flip\ntransp=1\npaint_flip_sec=false\n");
        manual_time_source t(start);
        clock_rig rig(t);
        orvella &w = rig.clock();
        QVERIFY(faded_in(w));
        t.advance_secs(1);
        w.repaint();
        QVERIFY(!running(w.sec_line()));
        const QImage shown = w.grab().toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(count(shown, opaque_pixel, QRect(80, 15, 15, 15)), 0);
        QVERIFY(count(shown, opaque_pixel, QRect(0, 0, 30, 30)) > 800);
    }
};

QTEST_MAIN(tst_face_window)
#include "tst_face_window.moc"
