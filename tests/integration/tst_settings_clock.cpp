// The settings dialog on the real clock window: what its controls change
// on the running clock, and the second-hand pace set during the fade-in.
#include "clock/clock_window.h"
#include "clock_rig.h"
#include "common/time_source.h"
#include "settings/alarm_setup.h"
#include "test_support.h"

#include <QDoubleSpinBox>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

namespace {
template <class T>
T *control(alarm_setup *s, const char *name)
{
    T *found = s->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no %s on the form", name);
    return found;
}
} // namespace

class tst_settings_clock : public QObject
{
    Q_OBJECT

private slots:
    void a_pace_set_during_the_fade_in_takes_over_after_it()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=analog\ntransp=0.3\n");
        manual_time_source t;
        clock_rig rig(t);
        orvella &w = rig.clock();
        alarm_setup *s = rig.settings_dialog();
        s->show();
        QVERIFY(w.fading());
        control<QDoubleSpinBox>(s, "doubleSpinBox_2")->setValue(0.5);
        QCOMPARE(stored(home.data_folder() + "/clock.ini", "TYPE/sec_speed").isValid(), false); // not synced yet
        s->clock_ini().sync();
        QCOMPARE(stored(home.data_folder() + "/clock.ini", "TYPE/sec_speed").toDouble(), 0.5);
        QCOMPARE(w.look().repaint_interval, 500.0);
        // The fade-in runs to its end while shown.
        w.show();
        QTRY_VERIFY_WITH_TIMEOUT(!w.fading(), 5000);
        QCOMPARE(w.look().repaint_interval, 500.0);
    }

    void controls_change_the_running_clock()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=analog\n");
        manual_time_source t;
        clock_rig rig(t);
        orvella &w = rig.clock();
        alarm_setup *s = rig.settings_dialog();
        s->show();
        QCOMPARE(w.size(), QSize(120, 100));
        control<QSlider>(s, "horizontalSlider")->setValue(-100);
        // A third of 120 x 100 fitted into 40 x 33 in proportion.
        QCOMPARE(w.look().pictures.face.size(), QSize(39, 33));
        QCOMPARE(w.size(), QSize(39, 33));
        control<QSlider>(s, "horizontalSlider")->setValue(100);
        QCOMPARE(w.size(), QSize(360, 300));

        control<QRadioButton>(s, "radioButton_3")->click();
        QCOMPARE(w.look().clock, QString("flip"));
        control<QDoubleSpinBox>(s, "doubleSpinBox")->setValue(0.4);
        QCOMPARE(w.look().opacity, 0.4);
        control<QRadioButton>(s, "radioButton_4")->click();
        s->setGradientStops({{0.0, QColor(1, 2, 3)}, {1.0, QColor(4, 5, 6)}});
        QCOMPARE(w.look().gradient_bk.size(), 2);
        QCOMPARE(w.look().gradient_bk.at(1).second, QColor(4, 5, 6));
    }
};

QTEST_MAIN(tst_settings_clock)
#include "tst_settings_clock.moc"
