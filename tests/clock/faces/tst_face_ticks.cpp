// The clock window's ticks: what the screen shows after a run of partial
// repaints equals a whole repaint at the same moment, for every face and
// across minute and hour boundaries; a hidden clock has no timer at all.
#include "clock/clock_window.h"
#include "clock_rig.h"
#include "common/time_source.h"
#include "face_test_support.h"
#include "test_support.h"

#include <QScreen>
#include <QTest>

using namespace face_test;

namespace {

bool faded_in(orvella &w)
{
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        return false;
    return QTest::qWaitFor([&] { return !w.fading(); }, 5000);
}

// What the window system was last given for the window.
QImage on_screen(orvella &w)
{
    return w.screen()->grabWindow(w.winId()).toImage().convertToFormat(QImage::Format_ARGB32);
}

// Pixels that differ by more than rounding between two pictures.
int ghosts(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return a.width() * a.height() + 1;
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (qAbs(qRed(p) - qRed(q)) > 8 || qAbs(qGreen(p) - qGreen(q)) > 8 || qAbs(qBlue(p) - qBlue(q)) > 8 ||
                qAbs(qAlpha(p) - qAlpha(q)) > 8)
                ++n;
        }
    return n;
}

} // namespace

class tst_face_ticks : public QObject
{
    Q_OBJECT

private slots:
    void partial_repaints_add_up_to_the_whole_face_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::newRow("analog") << QByteArray("clock=analog\ntransp=0.8\n");
        QTest::newRow("analog, second hand below") << QByteArray("clock=analog\nset_top_sec=0\n");
        QTest::newRow("digital, two lines")
            << QByteArray("clock=digital\nformat_1=hh:mm:ss\nformat_2=\"dddd, d MMMM\"\ncolor=#ff0000\n");
        QTest::newRow("flip") << QByteArray("clock=flip\nsettransform=200\ntext_flip_clock=dddd\ntransp=1\n");
    }
    void partial_repaints_add_up_to_the_whole_face()
    {
        QFETCH(QByteArray, ini);
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nposx=10\nposy=10\n" + ini);
        manual_time_source t(QDateTime(QDate(2026, 3, 14), QTime(10, 58, 57, 300)));
        clock_rig rig(t);
        orvella &w = rig.clock();
        QVERIFY(faded_in(w));
        // Seconds, a minute's turn, an hour's turn and a jump.
        const QList<QDateTime> steps = {t.now().addSecs(1),  t.now().addSecs(2),  t.now().addSecs(3),
                                        t.now().addSecs(63), t.now().addSecs(64), t.now().addSecs(3600 + 60 * 7)};
        for (const QDateTime &at : steps) {
            t.set(at);
            QTRY_COMPARE_WITH_TIMEOUT(w.shown_time(), at, 3000);
            // Card turns run out first; then the screen holds the face at `at`.
            QTRY_VERIFY_WITH_TIMEOUT(w.sec_line()->state() != QTimeLine::Running &&
                                         w.min_line()->state() != QTimeLine::Running &&
                                         w.hour_line()->state() != QTimeLine::Running,
                                     3000);
            QTest::qWait(50);
            const QImage shown = on_screen(w);
            const QImage whole = w.grab().toImage().convertToFormat(QImage::Format_ARGB32);
            QVERIFY2(ghosts(shown, whole) == 0,
                     qPrintable(at.toString("hh:mm:ss") + ": " + QString::number(ghosts(shown, whole)) + " pixels"));
        }
    }

    void a_hidden_clock_has_no_timer()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=analog\nposx=10\nposy=10\n");
        manual_time_source t(QDateTime(QDate(2026, 3, 14), QTime(10, 0, 0, 500)));
        clock_rig rig(t);
        orvella &w = rig.clock();
        QVERIFY(faded_in(w));
        QVERIFY(w.repaint_timer_armed());
        w.hide();
        // The tick that finds it hidden does not re-arm.
        QTRY_VERIFY_WITH_TIMEOUT(!w.repaint_timer_armed(), 2000);
        t.advance_secs(30);
        w.show();
        QVERIFY(w.repaint_timer_armed());
        // Shown again, it shows the time of now at once.
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTRY_COMPARE_WITH_TIMEOUT(w.shown_time(), t.now(), 2000);
    }

    void a_clock_without_a_face_has_no_timer()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=none\nposx=10\nposy=10\n");
        manual_time_source t;
        clock_rig rig(t);
        orvella &w = rig.clock();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTRY_VERIFY_WITH_TIMEOUT(!w.repaint_timer_armed(), 2000);
    }
};

QTEST_MAIN(tst_face_ticks)
#include "tst_face_ticks.moc"
