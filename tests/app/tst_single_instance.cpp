#include "app/single_instance.h"

#include <QSignalSpy>
#include <QTest>
#include <QThread>

class tst_single_instance : public QObject
{
    Q_OBJECT
private slots:
    void second_start_hands_over_to_the_first()
    {
        const QString key = QStringLiteral("/tmp/test-folder-") + QString::number(QCoreApplication::applicationPid());
        single_instance first(key);
        QVERIFY(!first.hand_over_to_running()); // nobody there yet
        QVERIFY(first.listen());
        QSignalSpy shown(&first, &single_instance::show_requested);

        // The second instance runs in a thread of its own here, as its blocking
        // hand-over would otherwise wait on this very event loop.
        bool handed = false;
        QThread *t = QThread::create([&] {
            single_instance second(key);
            handed = second.hand_over_to_running();
        });
        t->start();
        QTRY_VERIFY(t->isFinished());
        delete t;
        QVERIFY(handed);
        QTRY_COMPARE(shown.size(), 1);
    }

    void different_data_folders_do_not_meet()
    {
        single_instance a(QStringLiteral("/tmp/a-") + QString::number(QCoreApplication::applicationPid()));
        QVERIFY(a.listen());
        single_instance b(QStringLiteral("/tmp/b-") + QString::number(QCoreApplication::applicationPid()));
        QVERIFY(!b.hand_over_to_running());
    }
};

QTEST_MAIN(tst_single_instance)
#include "tst_single_instance.moc"
