#include "app/single_instance.h"

#include "common/log.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

single_instance::single_instance(const QString &key, QObject *parent) : QObject(parent), m_name(server_name(key)) {}

single_instance::~single_instance() = default;

QString single_instance::server_name(const QString &key)
{
    const QByteArray h = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("orvella-") + QString::fromLatin1(h);
}

bool single_instance::hand_over_to_running()
{
    QLocalSocket s;
    s.connectToServer(m_name);
    if (!s.waitForConnected(500))
        return false;
    s.write("show\n");
    s.waitForBytesWritten(500);
    s.waitForReadyRead(500); // the running one answers "ok"
    s.disconnectFromServer();
    return true;
}

bool single_instance::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name)) {
        // A stale socket of a crashed run: nobody answered above, so take it over.
        QLocalServer::removeServer(m_name);
        if (!m_server->listen(m_name)) {
            qCWarning(lc_app) << "single-instance server failed:" << m_server->errorString();
            return false;
        }
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *c = m_server->nextPendingConnection()) {
            connect(c, &QLocalSocket::disconnected, c, &QObject::deleteLater);
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
