// Without a reachable sound server the player still opens files, plays
// nothing, says why, and neither crashes nor hangs; when the server dies
// during a sound and comes back, the next sound plays.

#include "monitor_recorder.h"
#include "pcm_probe.h"
#include "private_pulse_server.h"
#include "sound_fixture.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

class test_audio_no_server : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fails_cleanly_data();
    void fails_cleanly();
    void survives_the_server_going_away();

private:
    QString wait_for_line(QProcess &probe, const QString &start);
    QTemporaryDir m_dir;
    QString m_sound;
};

void test_audio_no_server::initTestCase()
{
    QVERIFY(m_dir.isValid());
    if (!sound_fixture::have_sox())
        QSKIP("sox is not installed; it makes the sample sound file");
    m_sound = m_dir.filePath("probe.wav");
    const QString error = sound_fixture::make_sine(m_sound, 0.5, 440);
    QVERIFY2(error.isEmpty(), qPrintable(error));
}

void test_audio_no_server::fails_cleanly_data()
{
    QTest::addColumn<QString>("server");
    QTest::newRow("missing socket") << "unix:" + m_dir.filePath("no-such-socket");
    QTest::newRow("closed port") << "tcp:127.0.0.1:1";
    QTest::newRow("socket path is a folder") << "unix:" + m_dir.path();
}

void test_audio_no_server::fails_cleanly()
{
    QFETCH(QString, server);
    QProcess probe;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("PULSE_SERVER", server);
    // No fallback to a per-user server or to spawning one.
    env.insert("PULSE_RUNTIME_PATH", m_dir.filePath("runtime"));
    env.insert("PULSE_CLIENTCONFIG", m_dir.filePath("client.conf"));
    probe.setProcessEnvironment(env);
    probe.start(qEnvironmentVariable("ORVELLA_TEST_BIN") + "/audio_no_server_probe", {m_sound});
    QVERIFY2(probe.waitForStarted(10000), qPrintable(probe.errorString()));
    if (!probe.waitForFinished(30000)) {
        probe.kill();
        probe.waitForFinished(5000);
        QFAIL("the player hung without a sound server");
    }
    const QString out = QString::fromUtf8(probe.readAllStandardOutput());
    const QString err = QString::fromUtf8(probe.readAllStandardError());
    QVERIFY2(probe.exitStatus() == QProcess::NormalExit, qPrintable("crashed:\n" + out + err));
    QVERIFY2(probe.exitCode() == 0, qPrintable(out + err));
    QVERIFY2(out.contains("opened 1"), qPrintable(out));
    QVERIFY2(out.contains("playing 0"), qPrintable(out));
    QVERIFY2(out.contains("error Нет устройства вывода звука"), qPrintable(out));
    QVERIFY2(out.contains("done"), qPrintable(out));
    // The sound and the tone both failed; the user is told once.
    QCOMPARE(out.count("notice"), 1);
    // The reason is logged, for headless runs.
    QVERIFY2(err.contains("no audio output device"), qPrintable(err));
}

QString test_audio_no_server::wait_for_line(QProcess &probe, const QString &start)
{
    QString seen;
    for (int i = 0; i < 100; ++i) {
        while (probe.canReadLine()) {
            const QString line = QString::fromUtf8(probe.readLine()).trimmed();
            seen += line + "\n";
            if (line.startsWith(start))
                return line;
        }
        if (probe.state() == QProcess::NotRunning)
            break;
        probe.waitForReadyRead(100);
    }
    qWarning().noquote() << "probe said:" << seen << probe.readAllStandardError();
    return {};
}

void test_audio_no_server::survives_the_server_going_away()
{
    const bool required = qEnvironmentVariable("ORVELLA_REQUIRE_AUDIO") == "1";
    if (!private_pulse_server::available()) {
        if (required)
            QFAIL("ORVELLA_REQUIRE_AUDIO=1 but pulseaudio is not installed");
        QSKIP("pulseaudio is not installed");
    }
    private_pulse_server server(m_dir.filePath("pulse"));
    QString why;
    if (!server.start(&why)) {
        if (required)
            QFAIL(qPrintable("ORVELLA_REQUIRE_AUDIO=1 but " + why));
        QSKIP(qPrintable(why));
    }

    const QString long_sound = m_dir.filePath("long.ogg");
    QVERIFY(sound_fixture::make_sine(long_sound, 10, 440).isEmpty());
    QProcess probe;
    probe.setProcessEnvironment(server.client_env());
    probe.start(qEnvironmentVariable("ORVELLA_TEST_BIN") + "/audio_no_server_probe", {long_sound, "--steps"});
    QVERIFY(probe.waitForStarted(10000));
    auto stop_probe = qScopeGuard([&] {
        probe.kill();
        probe.waitForFinished(5000);
    });
    QCOMPARE(wait_for_line(probe, "playing"), QString("playing 1"));

    server.kill();
    QTest::qSleep(500);
    probe.write("check\n");
    QCOMPARE(wait_for_line(probe, "state"), QString("state playing 0"));

    QVERIFY2(server.start(&why), qPrintable(why));
    // The output reconnects on its own a few seconds after the loss.
    QString again;
    for (int i = 0; i < 10 && !again.startsWith("again playing 1"); ++i) {
        QTest::qSleep(1000);
        probe.write("again\n");
        again = wait_for_line(probe, "again");
    }
    QVERIFY2(again.startsWith("again playing 1"), qPrintable(again));
    // And it is heard, from its start.
    {
        const QByteArray old = qgetenv("PULSE_SERVER");
        qputenv("PULSE_SERVER", server.address().toLocal8Bit());
        monitor_recorder recorder;
        const bool recording = recorder.start(&why);
        qputenv("PULSE_SERVER", old);
        QVERIFY2(recording, qPrintable(why));
        probe.write("again\n");
        QVERIFY(wait_for_line(probe, "again").startsWith("again playing 1"));
        // The sound is 10 s long; the window leaves room for a slow start on a
        // loaded machine while still asking for most of a second of it. The
        // recording is read as it comes (qWait runs the event loop): a pipe
        // left unread holds only a third of a second of it.
        QTest::qWait(3000);
        const QByteArray pcm = recorder.stop();
        const pcm_probe::span s = pcm_probe::sound_span(pcm);
        QVERIFY2(s.length_s() > 0.8, qPrintable(QString::number(s.length_s()) + " s heard; the probe said:\n" +
                                                QString::fromUtf8(probe.readAllStandardError())));
        const double hz = pcm_probe::pitch_hz(pcm, s.start_s + 0.1, s.end_s - 0.1);
        QVERIFY2(qAbs(hz - 440) < 5, qPrintable(QString::number(hz)));
    }

    probe.write("quit\n");
    QVERIFY(probe.waitForFinished(15000));
    QVERIFY2(probe.exitStatus() == QProcess::NormalExit,
             qPrintable("the probe crashed:\n" + QString::fromUtf8(probe.readAllStandardOutput()) +
                        QString::fromUtf8(probe.readAllStandardError())));
    QCOMPARE(probe.exitCode(), 0);
    stop_probe.dismiss();
}

QTEST_GUILESS_MAIN(test_audio_no_server)
#include "tst_audio_no_server.moc"
