// The clock window's ticks: a hidden clock, or one without a face, has no
// timer at all, and a clock shown again shows the time of now.
#include "clock/clock_window.h"
#include "clock_rig.h"
#include "common/time_source.h"
#include "face_test_support.h"
#include "test_support.h"

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

} // namespace

class tst_face_ticks : public QObject
{
    Q_OBJECT

private slots:
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
