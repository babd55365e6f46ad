// Without a reachable sound server the player still opens files, plays
// nothing, says why, and neither crashes nor hangs.

#include "sound_fixture.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

class test_audio_no_server : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fails_cleanly_data();
    void fails_cleanly();

private:
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
    // The reason is logged, for headless runs.
    QVERIFY2(err.contains("no audio output device"), qPrintable(err));
}

QTEST_GUILESS_MAIN(test_audio_no_server)
#include "test_audio_no_server.moc"
