#include "private_pulse_server.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <csignal>

private_pulse_server::private_pulse_server(const QString &runtime) : m_runtime(runtime) {}

private_pulse_server::~private_pulse_server()
{
    kill();
}

bool private_pulse_server::available()
{
    return !QStandardPaths::findExecutable("pulseaudio").isEmpty();
}

QProcessEnvironment private_pulse_server::client_env() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("PULSE_RUNTIME_PATH", m_runtime);
    env.insert("PULSE_STATE_PATH", m_runtime);
    env.insert("PULSE_SERVER", address());
    return env;
}

bool private_pulse_server::start(QString *why)
{
    QDir().mkpath(m_runtime);
    QFile::remove(m_runtime + "/pid");
    QFile::remove(m_runtime + "/sock");
    QProcess daemon;
    QProcessEnvironment env = client_env();
    env.remove("PULSE_SERVER");
    daemon.setProcessEnvironment(env);
    daemon.start("pulseaudio", {"-D", "-n", "--exit-idle-time=-1", "--use-pid-file=yes",
                                "--load=module-native-protocol-unix socket=" + m_runtime + "/sock",
                                "--load=module-null-sink sink_name=orv_private"});
    if (!daemon.waitForFinished(20000) || daemon.exitCode() != 0) {
        *why = "pulseaudio did not start: " + QString::fromLocal8Bit(daemon.readAllStandardError());
        return false;
    }
    QFile pid_file(m_runtime + "/pid");
    if (pid_file.open(QIODevice::ReadOnly))
        m_pid = pid_file.readAll().trimmed().toLongLong();
    for (int i = 0; i < 50; ++i) {
        QProcess pactl;
        pactl.setProcessEnvironment(client_env());
        pactl.start("pactl", {"info"});
        if (pactl.waitForFinished(5000) && pactl.exitCode() == 0) {
            if (m_pid > 0)
                return true;
            break;
        }
        QTest::qSleep(100);
    }
    *why = "the private pulseaudio does not answer";
    return false;
}

void private_pulse_server::kill()
{
    if (m_pid <= 0)
        return;
    ::kill(pid_t(m_pid), SIGKILL);
    // A daemon is reaped by init; its exe link goes when it is gone.
    for (int i = 0; i < 50 && QFile::exists(QString("/proc/%1/exe").arg(m_pid)); ++i)
        QTest::qSleep(100);
    m_pid = 0;
}
