#pragma once
// A PulseAudio server of a test's own, with one null sink as its default,
// so what a test plays and records is not mixed with other tests' sound.

#include <QProcessEnvironment>
#include <QString>

class private_pulse_server
{
public:
    // `runtime` is a folder the server may own (socket, pid file, state).
    explicit private_pulse_server(const QString &runtime);
    ~private_pulse_server();

    static bool available();
    bool start(QString *why);
    // SIGKILL, as a crashing server would go.
    void kill();

    QString address() const { return "unix:" + m_runtime + "/sock"; }
    // The environment of a client of this server.
    QProcessEnvironment client_env() const;

private:
    QString m_runtime;
    qint64 m_pid = 0;
};
