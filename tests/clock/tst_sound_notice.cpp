// The first sound of a run that cannot be heard is told once, without a
// modal box: the offscreen platform has no tray, so a box that does not
// wait is what shows.
#include "clock/clock_tray.h"
#include "clock/clock_window.h"
#include "clock_rig.h"
#include "common/time_source.h"
#include "platform/audio_notice.h"
#include "test_support.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>

namespace {

QList<QMessageBox *> boxes_saying(const QString &text)
{
    QList<QMessageBox *> found;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible() && box->text() == text)
            found << box;
    return found;
}

} // namespace

class tst_sound_notice : public QObject
{
    Q_OBJECT

private slots:
    void nothing_is_called_after_the_tray_is_gone()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=analog\n");
        manual_time_source t;
        {
            clock_rig rig(t);
        }
        // The handler went with the tray: a report now reaches nobody, and
        // the notice is kept for a tray that can show it.
        report_output_unavailable();
        QTest::qWait(50);
        QVERIFY(boxes_saying(QStringLiteral("Звук не воспроизводится: нет устройства вывода")).isEmpty());
    }
    void told_once_in_a_box_that_does_not_wait()
    {
        temp_data_home home;
        make_clock_data(home, "[TYPE]\nclock=analog\n");
        manual_time_source t;
        clock_rig rig(t);
        const QString text = QStringLiteral("Звук не воспроизводится: нет устройства вывода");

        // The failing call returns before anything is shown.
        report_output_unavailable();
        QVERIFY(boxes_saying(text).isEmpty());
        QTRY_COMPARE(boxes_saying(text).size(), 1);
        QMessageBox *box = boxes_saying(text).first();
        QCOMPARE(box->windowModality(), Qt::NonModal);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(box->windowTitle(), QStringLiteral("Orvella"));

        // Later sounds that fail do not repeat it, even after the box is closed.
        box->close();
        QTRY_VERIFY(boxes_saying(text).isEmpty());
        report_output_unavailable();
        report_output_unavailable();
        QTest::qWait(100);
        QVERIFY(boxes_saying(text).isEmpty());
    }
};

QTEST_MAIN(tst_sound_notice)
#include "tst_sound_notice.moc"
