#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QSocketNotifier;

// Hands a saved reading from a second start of the program to the copy that already runs.
// The running copy listens on a local (Unix domain) socket that only its own user may connect
// to; a second start sends the reading's absolute path (the file name's bytes, ended by a NUL
// byte, which no path holds) and the running copy answers "ok\n" once it has taken it.
// Plain system sockets with a notifier on the event loop: all it needs, without a networking
// library to load at every start.
class InstanceChannel : public QObject
{
    Q_OBJECT
public:
    explicit InstanceChannel(const QString &name, QObject *parent = nullptr);
    ~InstanceChannel() override;

    // For the copy that holds the single-instance lock, and only for it: a socket left behind by
    // a copy that crashed is removed first, so that it never blocks a later start.
    bool listen();
    QString errorString() const { return m_error; }

    // For a second start: true once the running copy has acknowledged fileName (made absolute
    // here); false when no copy listens or none answers within timeoutMs.
    static bool handOver(const QString &name, const QString &fileName, int timeoutMs = 10000);

    // The longest message taken; a longer one is cut off unanswered.
    static constexpr int MaxMessageBytes = 16 * 1024;

Q_SIGNALS:
    void readingReceived(const QString &fileName);

private:
    void takeConnections();
    void readMessage(QSocketNotifier *client);
    void dropClient(QSocketNotifier *client);

    const QString m_name;
    QString m_error;
    int m_listeningSocket = -1;
    // Each connected client, with what it has sent so far.
    QHash<QSocketNotifier *, QByteArray> m_clients;
};
