#include "app/instance_channel.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

namespace {

const QByteArray acknowledgement("ok\n");
// A client that connects and says nothing is dropped after this long.
constexpr int clientPatienceMs = 5000;

} // namespace

InstanceChannel::InstanceChannel(const QString &name, QObject *parent)
    : QObject(parent)
    , m_name(name)
    , m_server(new QLocalServer(this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &InstanceChannel::takeConnections);
}

InstanceChannel::~InstanceChannel() = default;

bool InstanceChannel::listen()
{
    QLocalServer::removeServer(m_name);
    return m_server->listen(m_name);
}

QString InstanceChannel::errorString() const
{
    return m_server->errorString();
}

void InstanceChannel::takeConnections()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readMessage(socket); });
        QTimer::singleShot(clientPatienceMs, socket, &QLocalSocket::abort);
        readMessage(socket);   // what came with the connection already
    }
}

void InstanceChannel::readMessage(QLocalSocket *socket)
{
    // The message stays in the socket's buffer until the whole of it has come.
    const QByteArray available = socket->peek(MaxMessageBytes + 1);
    const qsizetype end = available.indexOf('\0');
    if (end < 0) {
        if (available.size() > MaxMessageBytes)
            socket->abort();
        return;
    }
    socket->disconnect(this);   // one message a connection
    socket->write(acknowledgement);
    socket->disconnectFromServer();
    const QString fileName = QFile::decodeName(available.left(end));
    if (!fileName.isEmpty())
        Q_EMIT readingReceived(fileName);
}

bool InstanceChannel::handOver(const QString &name, const QString &fileName, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(int(deadline.remainingTime())))
        return false;
    socket.write(QFile::encodeName(QFileInfo(fileName).absoluteFilePath()) + '\0');
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
            return false;
    }
    QByteArray answer;
    while (answer.size() < acknowledgement.size()) {
        if (!socket.bytesAvailable() && !socket.waitForReadyRead(int(deadline.remainingTime())))
            return false;
        answer += socket.read(acknowledgement.size() - answer.size());
    }
    return answer == acknowledgement;
}
