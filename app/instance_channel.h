#pragma once

#include <QHash>
#include <QObject>
#include <QString>

#include <functional>

class QSocketNotifier;

// Hands a saved reading from a second start of the program to the copy that already runs.
// The running copy listens on a local (Unix domain) socket that only its own user may connect
// to; a second start sends the reading's absolute path (the file name's bytes, ended by a NUL
// byte, which no path holds) and the running copy answers "ok\n" once it has taken it, or
// "full\n" when it has too many readings waiting to take this one as well. Each side
// asks the system who the other is and talks only to a process of its own user. File names are
// carried as their bytes, whatever their encoding (see nativeFileName).
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

    // Asked before a reading handed over is taken: false refuses it, readingReceived is not
    // emitted and the second start is told. Without it every reading is taken.
    void setRoomCheck(std::function<bool()> hasRoom) { m_hasRoom = std::move(hasRoom); }

    enum class HandOver {
        Taken,      // the running copy has taken the reading
        Refused,    // the running copy has too many readings waiting and has not taken this one
        Unanswered, // the whole message reached the other copy, which takes it whenever it runs
                    // again (a copy that is stopped or busy answers late), but no answer came
        NotSent,    // no copy of this user's listens, or the message did not reach it
    };
    // For a second start: hands fileName (made absolute here) to the running copy and waits
    // timeoutMs at most for its answer.
    static HandOver handOver(const QString &name, const QString &fileName, int timeoutMs = 10000);

    // The longest message taken; a longer one is cut off unanswered.
    static constexpr int MaxMessageBytes = 16 * 1024;
    // The most connections held at once: each newer one ends the oldest one still waiting, so
    // that a flood of idle connections neither uses up the open files nor keeps a real second
    // start out.
    static constexpr int MaxClients = 64;

Q_SIGNALS:
    void readingReceived(const QString &fileName);

private:
    void takeConnections();
    void readMessage(QSocketNotifier *client);
    void dropClient(QSocketNotifier *client);
    void pauseListening();

    const QString m_name;
    QString m_error;
    std::function<bool()> m_hasRoom;
    int m_listeningSocket = -1;
    QSocketNotifier *m_listening = nullptr;
    // Each connected client, with what it has sent so far; and the clients oldest first.
    QHash<QSocketNotifier *, QByteArray> m_clients;
    QList<QSocketNotifier *> m_clientOrder;
};
