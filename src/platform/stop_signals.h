#pragma once
// stop_signals: the system asks the program to end (SIGTERM from a session
// ending or `kill`, SIGINT from ^C, SIGHUP from a closed terminal). The
// request arrives here as a signal in the event loop, never inside the
// interrupted code, so what must be kept can be written before leaving.
// One object at a time watches; where the system has no such signals it
// never emits.

#include <QObject>
#include <memory>

class stop_signals : public QObject
{
    Q_OBJECT
public:
    explicit stop_signals(QObject *parent = nullptr);
    // Puts the system's default handling back.
    ~stop_signals() override;

    // Whether requests will be reported here.
    bool active() const;

signals:
    // name: the signal's name ("SIGTERM"), for the log.
    void stop_requested(const QString &name);

private:
    struct impl;
    std::unique_ptr<impl> d;
};
