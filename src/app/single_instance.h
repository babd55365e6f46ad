#pragma once
// One running program per data folder. The guard is a lock file in the
// data folder, held while the program runs; a second start finds it held,
// asks the first one (through a socket in the user's private runtime
// folder) to show its clock, and exits, so events never fire twice and two
// processes never write the same files. A lock or socket left by a killed
// run never blocks a start, and nobody but the same user is listened to.

#include <QLockFile>
#include <QObject>
#include <QString>

class QLocalServer;

class single_instance : public QObject
{
    Q_OBJECT
public:
    enum class outcome
    {
        first,          // this process runs the program
        handed_over,    // another one runs it and was asked to show its clock
        already_running // another one runs it and did not answer
    };

    // data_folder holds the lock file; runtime_folder (private to the
    // user) the socket.
    single_instance(const QString &data_folder, const QString &runtime_folder, QObject *parent = nullptr);
    ~single_instance() override;

    outcome start();

    QString lock_path() const { return m_lock_path; }
    QString socket_path() const { return m_socket; }
    // $XDG_RUNTIME_DIR as the toolkit checks it (owned by the user, 0700),
    // else a private folder it makes.
    static QString default_runtime_folder();

signals:
    void show_requested();

private:
    bool hand_over();
    bool listen();

    QString m_lock_path;
    QString m_socket;
    QLockFile m_lock;
    QLocalServer *m_server = nullptr;
};
