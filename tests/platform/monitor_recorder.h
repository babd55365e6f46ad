#pragma once
// Records what the sound server plays, from the monitor of its default
// sink (the null sink "test_null" in test runs), as s16le 44.1 kHz stereo.

#include <QByteArray>
#include <QProcess>
#include <QString>

class monitor_recorder
{
public:
    ~monitor_recorder();

    // True when a sound server answers; otherwise `why` says what failed.
    static bool server_running(QString *why);

    // Starts recording and returns once samples are flowing.
    bool start(QString *why);
    // Everything recorded since start() returned.
    QByteArray stop();

private:
    QProcess m_process;
    qint64 m_skip = 0;
};
