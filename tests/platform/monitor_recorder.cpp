#include "monitor_recorder.h"

#include <QElapsedTimer>
#include <QTest>

monitor_recorder::~monitor_recorder()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

bool monitor_recorder::server_running(QString *why)
{
    QProcess pactl;
    pactl.start("pactl", {"info"});
    if (!pactl.waitForStarted(5000)) {
        *why = "pactl is not installed (pulseaudio-utils)";
        return false;
    }
    if (!pactl.waitForFinished(10000) || pactl.exitCode() != 0) {
        *why = "no PulseAudio server answers `pactl info`: " +
               QString::fromLocal8Bit(pactl.readAllStandardError()).trimmed();
        return false;
    }
    return true;
}

bool monitor_recorder::start(QString *why)
{
    m_process.start(
        "parec", {"--device=@DEFAULT_MONITOR@", "--format=s16le", "--rate=44100", "--channels=2", "--latency-msec=10"});
    if (!m_process.waitForStarted(5000)) {
        *why = "cannot start parec: " + m_process.errorString();
        return false;
    }
    // Wait for a tenth of a second of samples, so the recording is live.
    QElapsedTimer clock;
    clock.start();
    qint64 got = 0;
    QByteArray head;
    while (got < 17640 && clock.elapsed() < 5000) {
        m_process.waitForReadyRead(100);
        head += m_process.readAllStandardOutput();
        got = head.size();
    }
    if (got < 17640) {
        *why = "parec delivers no samples: " + QString::fromLocal8Bit(m_process.readAllStandardError());
        return false;
    }
    return true;
}

QByteArray monitor_recorder::stop()
{
    QByteArray data = m_process.readAllStandardOutput();
    m_process.terminate();
    m_process.waitForFinished(3000);
    data += m_process.readAllStandardOutput();
    data.truncate(data.size() / 4 * 4);
    return data;
}
