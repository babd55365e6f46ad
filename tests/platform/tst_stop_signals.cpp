// Stop signals reach the event loop: each of SIGTERM, SIGINT and SIGHUP,
// raised at this process, arrives as stop_requested with its name, and
// the default handling is back once the watcher is gone (checked in a
// child process, which the signal then ends).
#include "platform/stop_signals.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <csignal>
#include <cstdio>

class tst_stop_signals : public QObject
{
    Q_OBJECT

private slots:
    void arrive_in_the_event_loop_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("name");
        QTest::newRow("term") << SIGTERM << "SIGTERM";
        QTest::newRow("int") << SIGINT << "SIGINT";
        QTest::newRow("hup") << SIGHUP << "SIGHUP";
    }
    void arrive_in_the_event_loop()
    {
        QFETCH(int, number);
        QFETCH(QString, name);
        stop_signals watch;
        QVERIFY(watch.active());
        QSignalSpy stop(&watch, &stop_signals::stop_requested);
        ::raise(number);
        // Not inside the handler: only once the loop runs.
        QCOMPARE(stop.size(), 0);
        QTRY_COMPARE(stop.size(), 1);
        QCOMPARE(stop.first().first().toString(), name);
        // Two at once are two requests.
        ::raise(number);
        ::raise(number);
        QTRY_COMPARE(stop.size(), 3);
    }

    void one_watcher_at_a_time()
    {
        stop_signals first;
        stop_signals second;
        QVERIFY(first.active());
        QVERIFY(!second.active());
    }

    void default_handling_comes_back()
    {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {"--watch-then-raise"});
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.readAllStandardOutput().trimmed(), QByteArray("asked"));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit); // ended by the signal itself
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc > 1 && QByteArray(argv[1]) == "--watch-then-raise") {
        {
            stop_signals watch;
            QObject::connect(&watch, &stop_signals::stop_requested, &app, [] {
                std::printf("asked\n");
                std::fflush(stdout);
                QCoreApplication::quit();
            });
            ::raise(SIGTERM);
            app.exec();
        }
        ::raise(SIGTERM);
        return 0;
    }
    tst_stop_signals t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_stop_signals.moc"
