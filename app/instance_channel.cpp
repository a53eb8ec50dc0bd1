#include "app/instance_channel.h"

#include "common/native_file_name.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// The answers to a second start: its reading taken, or refused for want of room.
const QByteArray acknowledgement("ok\n");
const QByteArray refusal("full\n");
// A client that connects and says nothing is dropped after this long.
constexpr int clientPatienceMs = 5000;
// Connections waiting to be taken; the system may allow fewer.
constexpr int pendingConnections = SOMAXCONN;
// How long listening pauses when no connection can be taken for want of open files or memory.
constexpr int pauseAfterErrorMs = 100;

// False when the path does not fit into a socket address.
bool socketAddress(const QString &name, sockaddr_un *address)
{
    const QByteArray path = nativeFileName::encode(name);
    *address = {};
    address->sun_family = AF_UNIX;
    if (path.isEmpty() || size_t(path.size()) >= sizeof address->sun_path)
        return false;
    std::memcpy(address->sun_path, path.constData(), size_t(path.size()));
    return true;
}

QString systemError(const char *call)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(call), QString::fromLocal8Bit(std::strerror(errno)));
}

// Gives the socket's blocking calls what is left of deadline; false once nothing is left.
bool limitTo(int socket, const QDeadlineTimer &deadline)
{
    const qint64 left = deadline.remainingTime();
    if (left <= 0)
        return false;
    const timeval limit{time_t(left / 1000), suseconds_t(left % 1000 * 1000)};
    return ::setsockopt(socket, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit) == 0
        && ::setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit) == 0;
}

// True when the process at the other end of socket runs as this process's user.
bool peerIsOwnUser(int socket)
{
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(socket, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && size == sizeof peer
        && peer.uid == ::geteuid();
}

// The absolute path of fileName as the bytes the system knows it by.
QByteArray absolutePath(const QString &fileName)
{
    const QByteArray path = nativeFileName::encode(fileName);
    if (path.startsWith('/'))
        return path;
    QByteArray folder(4096, Qt::Uninitialized);
    while (!::getcwd(folder.data(), size_t(folder.size()))) {
        if (errno != ERANGE)
            return nativeFileName::encode(QFileInfo(fileName).absoluteFilePath());
        folder.resize(folder.size() * 2);
    }
    folder.truncate(qsizetype(std::strlen(folder.constData())));
    return folder.endsWith('/') ? folder + path : folder + '/' + path;
}

} // namespace

InstanceChannel::InstanceChannel(const QString &name, QObject *parent)
    : QObject(parent)
    , m_name(name)
{
}

InstanceChannel::~InstanceChannel()
{
    const QList<QSocketNotifier *> clients = m_clients.keys();
    for (QSocketNotifier *client : clients)
        dropClient(client);
    if (m_listeningSocket >= 0) {
        ::close(m_listeningSocket);
        // The lock is still held here, so no newer copy listens under this name yet.
        ::unlink(nativeFileName::encode(m_name).constData());
    }
}

bool InstanceChannel::listen()
{
    if (m_listeningSocket >= 0)
        return true;
    sockaddr_un address;
    if (!socketAddress(m_name, &address)) {
        m_error = QStringLiteral("the socket's path is too long: %1").arg(m_name);
        return false;
    }
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (socket < 0) {
        m_error = systemError("socket");
        return false;
    }
    ::unlink(address.sun_path);
    // No one can connect before listen(), so the socket is the user's own before anyone can.
    const char *failed = ::bind(socket, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0 ? "bind"
                         : ::chmod(address.sun_path, S_IRUSR | S_IWUSR) != 0                             ? "chmod"
                         : ::listen(socket, pendingConnections) != 0                                     ? "listen"
                                                                                                          : nullptr;
    if (failed) {
        m_error = systemError(failed);
        ::close(socket);
        return false;
    }
    m_listeningSocket = socket;
    m_listening = new QSocketNotifier(socket, QSocketNotifier::Read, this);
    connect(m_listening, &QSocketNotifier::activated, this, &InstanceChannel::takeConnections);
    return true;
}

void InstanceChannel::takeConnections()
{
    for (;;) {
        const int socket = ::accept4(m_listeningSocket, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (socket < 0) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;   // one that gave up before it was taken
            if (errno == EAGAIN || errno == EWOULDBLOCK)
                return;     // none left
            // Out of open files (or memory): the oldest waiting client makes room for one that
            // may carry a reading. With none to end, the notifier would fire again at once.
            if ((errno == EMFILE || errno == ENFILE) && !m_clientOrder.isEmpty()) {
                dropClient(m_clientOrder.constFirst());
                continue;
            }
            pauseListening();
            return;
        }
        if (!peerIsOwnUser(socket)) {
            ::close(socket);
            continue;
        }
        if (m_clientOrder.size() >= MaxClients)
            dropClient(m_clientOrder.constFirst());
        auto *client = new QSocketNotifier(socket, QSocketNotifier::Read, this);
        m_clients.insert(client, {});
        m_clientOrder.append(client);
        connect(client, &QSocketNotifier::activated, this, [this, client] { readMessage(client); });
        QTimer::singleShot(clientPatienceMs, client, [this, client] { dropClient(client); });
        readMessage(client);   // what came with the connection already
    }
}

void InstanceChannel::readMessage(QSocketNotifier *client)
{
    const auto found = m_clients.find(client);
    if (found == m_clients.end())
        return;
    const int socket = int(client->socket());
    QByteArray &message = found.value();
    while (!message.contains('\0') && message.size() <= MaxMessageBytes) {
        char chunk[4096];
        const ssize_t received = ::recv(socket, chunk, sizeof chunk, 0);
        if (received > 0) {
            message.append(chunk, received);
        } else if (received < 0 && errno == EINTR) {
            continue;
        } else if (received < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            return;   // the rest comes later
        } else {
            dropClient(client);   // gone before the message ended
            return;
        }
    }
    const qsizetype end = message.indexOf('\0');
    if (end < 0 || end > MaxMessageBytes) {
        dropClient(client);
        return;
    }
    const QString fileName = nativeFileName::decode(message.left(end));
    const bool taken = fileName.isEmpty() || !m_hasRoom || m_hasRoom();
    const QByteArray &answer = taken ? acknowledgement : refusal;
    ::send(socket, answer.constData(), size_t(answer.size()), MSG_NOSIGNAL);
    dropClient(client);   // one message a connection
    if (taken && !fileName.isEmpty())
        Q_EMIT readingReceived(fileName);
}

void InstanceChannel::dropClient(QSocketNotifier *client)
{
    if (!m_clients.remove(client))
        return;
    m_clientOrder.removeOne(client);
    client->setEnabled(false);
    ::close(int(client->socket()));
    client->deleteLater();   // it may be the one whose signal runs now
}

void InstanceChannel::pauseListening()
{
    m_listening->setEnabled(false);
    QTimer::singleShot(pauseAfterErrorMs, m_listening, [this] {
        m_listening->setEnabled(true);
        takeConnections();
    });
}

InstanceChannel::HandOver InstanceChannel::handOver(const QString &name, const QString &fileName, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    sockaddr_un address;
    if (!socketAddress(name, &address))
        return HandOver::NotSent;
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return HandOver::NotSent;
    const auto closeSocket = qScopeGuard([socket] { ::close(socket); });

    for (;;) {
        if (!limitTo(socket, deadline))
            return HandOver::NotSent;
        if (::connect(socket, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0 || errno == EISCONN)
            break;
        if (errno != EINTR)
            return HandOver::NotSent;
    }
    // Whoever listens under this name learns which file this user opens: only the user's own.
    if (!peerIsOwnUser(socket))
        return HandOver::NotSent;
    const QByteArray message = absolutePath(fileName) + '\0';
    for (qsizetype offset = 0; offset < message.size();) {
        if (!limitTo(socket, deadline))
            return HandOver::NotSent;
        const ssize_t written = ::send(socket, message.constData() + offset, size_t(message.size() - offset), MSG_NOSIGNAL);
        if (written > 0)
            offset += written;
        else if (written < 0 && errno != EINTR)
            return HandOver::NotSent;
    }
    // One line, no longer than the longest answer.
    QByteArray answer;
    while (!answer.endsWith('\n') && answer.size() < refusal.size()) {
        if (!limitTo(socket, deadline))
            return HandOver::Unanswered;
        char chunk[8];
        const ssize_t received = ::recv(socket, chunk, size_t(refusal.size() - answer.size()), 0);
        if (received > 0)
            answer.append(chunk, received);
        else if (received == 0 || errno != EINTR)
            return HandOver::Unanswered;
    }
    return answer == acknowledgement ? HandOver::Taken : answer == refusal ? HandOver::Refused : HandOver::Unanswered;
}
