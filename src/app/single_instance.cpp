#include "app/single_instance.h"

#include "common/log.h"
#include "platform/peer_identity.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {

constexpr int ending_run_ms = 3000;

QString socket_name(const QString &data_folder)
{
    const QByteArray h =
        QCryptographicHash::hash(QDir::cleanPath(data_folder).toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("orvella-") + QString::fromLatin1(h);
}

// Only the user who runs the program may ask it anything, or answer.
bool same_user(const QLocalSocket &s)
{
    const std::optional<quint32> peer = peer_identity::user_of(s.socketDescriptor());
    if (peer && *peer == peer_identity::current_user())
        return true;
    qCWarning(lc_app) << "single-instance socket: a peer of another user"
                      << (peer ? QString::number(*peer) : QStringLiteral("(unknown)")) << "is ignored";
    return false;
}

} // namespace

single_instance::single_instance(const QString &data_folder, const QString &runtime_folder, QObject *parent)
    : QObject(parent), m_lock_path(QDir(data_folder).filePath(QStringLiteral("orvella.lock"))),
      m_socket(QDir(runtime_folder).filePath(socket_name(data_folder))), m_lock(m_lock_path)
{
    // A lock is stale only when its process is gone (or is another
    // program); never because the program has run for long.
    m_lock.setStaleLockTime(0);
}

single_instance::~single_instance()
{
    if (m_server)
        m_server->close();
}

QString single_instance::default_runtime_folder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

single_instance::outcome single_instance::start()
{
    const QFileInfo folder(QFileInfo(m_lock_path).absolutePath());
    if (!folder.exists()) {
        QDir().mkpath(folder.absolutePath()); // its parent
        QDir().mkdir(folder.absoluteFilePath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    if (m_lock.tryLock(0)) {
        QFile::setPermissions(m_lock_path, QFile::ReadOwner | QFile::WriteOwner);
        listen();
        return outcome::first;
    }
    if (m_lock.error() != QLockFile::LockFailedError) {
        // The folder cannot hold the lock (read-only, say): without the
        // guard the program still runs, as it did before it had one.
        qCWarning(lc_app) << "cannot take the lock" << m_lock_path << "- running without the single-instance guard";
        if (hand_over())
            return outcome::handed_over;
        listen();
        return outcome::first;
    }
    if (hand_over())
        return outcome::handed_over;
    // A run that is ending (a stop signal, Exit) holds the lock for a moment
    // more while it writes what it keeps, and no longer answers.
    if (m_lock.tryLock(ending_run_ms)) {
        QFile::setPermissions(m_lock_path, QFile::ReadOwner | QFile::WriteOwner);
        listen();
        return outcome::first;
    }
    qint64 pid = 0;
    QString host, application;
    if (!m_lock.getLockInfo(&pid, &host, &application)) {
        // Not a lock as the toolkit writes one (a run killed while making
        // it): removed, unless a live process still holds it.
        qCWarning(lc_app) << "unreadable lock file" << m_lock_path << "- taking it over if nobody holds it";
        if (m_lock.removeStaleLockFile() && m_lock.tryLock(0)) {
            QFile::setPermissions(m_lock_path, QFile::ReadOwner | QFile::WriteOwner);
            listen();
            return outcome::first;
        }
    }
    return outcome::already_running;
}

bool single_instance::hand_over()
{
    QLocalSocket s;
    s.connectToServer(m_socket);
    if (!s.waitForConnected(500))
        return false;
    if (!same_user(s))
        return false;
    s.write("show\n");
    s.waitForBytesWritten(500);
    // The running one answers "ok" from its event loop.
    const bool answered = s.waitForReadyRead(1000) && s.readAll().contains("ok");
    s.disconnectFromServer();
    return answered;
}

bool single_instance::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // This process holds the lock: whatever is at the socket's path was
    // left by a run that is gone.
    QLocalServer::removeServer(m_socket);
    if (!m_server->listen(m_socket)) {
        qCWarning(lc_app) << "single-instance server failed:" << m_socket << m_server->errorString();
        return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *c = m_server->nextPendingConnection()) {
            connect(c, &QLocalSocket::disconnected, c, &QObject::deleteLater);
            if (!same_user(*c)) {
                c->abort();
                c->deleteLater();
                continue;
            }
            connect(c, &QLocalSocket::readyRead, this, [this, c] {
                if (c->readAll().contains("show")) {
                    c->write("ok\n");
                    emit show_requested();
                }
            });
        }
    });
    return true;
}
