// Without a reachable sound server the player still opens files, plays
// nothing, says why, and neither crashes nor hangs; when the server dies
// during a sound and comes back, the next sound plays.

#include "sound_fixture.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTest>

#include <csignal>

class test_audio_no_server : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fails_cleanly_data();
    void fails_cleanly();
    void survives_the_server_going_away();

private:
    // A PulseAudio server of this test's own, with a null sink.
    bool start_server(QString *why);
    void kill_server();
    QString server_address() const { return "unix:" + m_runtime + "/sock"; }
    QProcessEnvironment server_env() const;
    QString wait_for_line(QProcess &probe, const QString &start);

    QString m_runtime;
    qint64 m_server_pid = 0;
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

QProcessEnvironment test_audio_no_server::server_env() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("PULSE_RUNTIME_PATH", m_runtime);
    env.insert("PULSE_STATE_PATH", m_runtime);
    env.insert("PULSE_SERVER", server_address());
    return env;
}

bool test_audio_no_server::start_server(QString *why)
{
    QDir().mkpath(m_runtime);
    QFile::remove(m_runtime + "/pid");
    QFile::remove(m_runtime + "/sock");
    QProcess daemon;
    QProcessEnvironment env = server_env();
    env.remove("PULSE_SERVER");
    daemon.setProcessEnvironment(env);
    daemon.start("pulseaudio", {"-D", "-n", "--exit-idle-time=-1", "--use-pid-file=yes",
                                "--load=module-native-protocol-unix socket=" + m_runtime + "/sock",
                                "--load=module-null-sink sink_name=orv_private"});
    if (!daemon.waitForFinished(20000) || daemon.exitCode() != 0) {
        *why = "pulseaudio did not start: " + QString::fromLocal8Bit(daemon.readAllStandardError());
        return false;
    }
    m_server_pid = read_file(m_runtime + "/pid").trimmed().toLongLong();
    for (int i = 0; i < 50; ++i) {
        QProcess pactl;
        pactl.setProcessEnvironment(server_env());
        pactl.start("pactl", {"info"});
        if (pactl.waitForFinished(5000) && pactl.exitCode() == 0)
            return m_server_pid > 0;
        QTest::qSleep(100);
    }
    *why = "the private pulseaudio does not answer";
    return false;
}

void test_audio_no_server::kill_server()
{
    if (m_server_pid <= 0)
        return;
    ::kill(pid_t(m_server_pid), SIGKILL);
    for (int i = 0; i < 50 && QFile::exists(QString("/proc/%1/exe").arg(m_server_pid)); ++i)
        QTest::qSleep(100);
    m_server_pid = 0;
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
    if (QStandardPaths::findExecutable("pulseaudio").isEmpty()) {
        if (required)
            QFAIL("ORVELLA_REQUIRE_AUDIO=1 but pulseaudio is not installed");
        QSKIP("pulseaudio is not installed");
    }
    m_runtime = m_dir.filePath("pulse");
    auto cleanup = qScopeGuard([&] { kill_server(); });
    QString why;
    if (!start_server(&why)) {
        if (required)
            QFAIL(qPrintable("ORVELLA_REQUIRE_AUDIO=1 but " + why));
        QSKIP(qPrintable(why));
    }

    const QString long_sound = m_dir.filePath("long.ogg");
    QVERIFY(sound_fixture::make_sine(long_sound, 10, 440).isEmpty());
    QProcess probe;
    probe.setProcessEnvironment(server_env());
    probe.start(qEnvironmentVariable("ORVELLA_TEST_BIN") + "/audio_no_server_probe", {long_sound, "--steps"});
    QVERIFY(probe.waitForStarted(10000));
    auto stop_probe = qScopeGuard([&] {
        probe.kill();
        probe.waitForFinished(5000);
    });
    QCOMPARE(wait_for_line(probe, "playing"), QString("playing 1"));

    kill_server();
    QTest::qSleep(500);
    probe.write("check\n");
    QCOMPARE(wait_for_line(probe, "state"), QString("state playing 0"));

    QVERIFY2(start_server(&why), qPrintable(why));
    // The output reconnects on its own a few seconds after the loss.
    QString again;
    for (int i = 0; i < 10 && !again.startsWith("again playing 1"); ++i) {
        QTest::qSleep(1000);
        probe.write("again\n");
        again = wait_for_line(probe, "again");
    }
    QVERIFY2(again.startsWith("again playing 1"), qPrintable(again));

    probe.write("quit\n");
    QVERIFY(probe.waitForFinished(15000));
    QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
    QCOMPARE(probe.exitCode(), 0);
    stop_probe.dismiss();
}

QTEST_GUILESS_MAIN(test_audio_no_server)
#include "test_audio_no_server.moc"
