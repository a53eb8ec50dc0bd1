#include "app/instance_channel.h"
#include "app/single_instance.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <future>
#include <grp.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr uid_t otherUser = 65534;   // nobody

sockaddr_un addressOf(const QString &path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::memcpy(address.sun_path, name.constData(), std::min(size_t(name.size()), sizeof address.sun_path - 1));
    return address;
}

int listeningSocket(const sockaddr_un &address)
{
    const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (::bind(socket, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0 || ::listen(socket, 8) != 0) {
        ::close(socket);
        return -1;
    }
    return socket;
}

// Runs work in a child process as another user; the child's exit status is what work returns.
// Only system calls there: another thread may have held a lock of the allocator at the fork.
pid_t runAsOtherUser(const std::function<int()> &work)
{
    const pid_t child = ::fork();
    if (child == 0) {
        const bool becameOther = ::setgroups(0, nullptr) == 0 && ::setgid(otherUser) == 0 && ::setuid(otherUser) == 0;
        ::_exit(becameOther ? work() : 99);
    }
    return child;
}

// The child's exit status once it has ended, running this process's events meanwhile; -1 when it
// did not end in time.
int exitStatusOf(pid_t child)
{
    int status = 0;
    QDeadlineTimer deadline(20000);
    while (::waitpid(child, &status, WNOHANG) == 0) {
        if (deadline.hasExpired()) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            return -1;
        }
        QTest::qWait(20);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

qint64 cpuMicroseconds()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return qint64(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000000 + usage.ru_utime.tv_usec + usage.ru_stime.tv_usec;
}

enum class Attack { OtherUsersListener, OtherUsersClient };
enum class Folder { OthersMayWrite, LinkToOwnFolder, OtherUsersFolder, FallbackTakenByOtherUser };

} // namespace

class TestHandOverSafety : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void otherUsersAreNotTalkedTo_data();
    void otherUsersAreNotTalkedTo();
    void foldersOthersCanUseAreRefused_data();
    void foldersOthersCanUseAreRefused();
    void realHandOverGetsThroughAFlood_data();
    void realHandOverGetsThroughAFlood();
};

void TestHandOverSafety::otherUsersAreNotTalkedTo_data()
{
    QTest::addColumn<Attack>("attack");
    QTest::newRow("a listener of another user learns no file name") << Attack::OtherUsersListener;
    QTest::newRow("a client of another user hands nothing over") << Attack::OtherUsersClient;
}

void TestHandOverSafety::otherUsersAreNotTalkedTo()
{
    QFETCH(Attack, attack);
    if (::geteuid() != 0)
        QSKIP("acting as a second user needs root");
    QTemporaryDir dir;
    // A folder both users reach, as the shared temporary folder is.
    QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 01777), 0);
    const QString socketName = dir.filePath(QStringLiteral("orvo-animal-signs.socket"));

    if (attack == Attack::OtherUsersListener) {
        int ready[2];
        QCOMPARE(::pipe(ready), 0);
        const sockaddr_un address = addressOf(socketName);
        // Exit status: how many bytes of a message arrived (at most 100).
        const pid_t listener = runAsOtherUser([&] {
            const int socket = listeningSocket(address);
            ::close(ready[0]);
            ::write(ready[1], socket >= 0 ? "y" : "n", 1);
            if (socket < 0)
                return 98;
            const int client = ::accept(socket, nullptr, nullptr);
            char message[100];
            ssize_t total = 0, received;
            while (total < ssize_t(sizeof message) && (received = ::read(client, message + total, sizeof message - size_t(total))) > 0)
                total += received;
            ::send(client, "ok\n", 3, MSG_NOSIGNAL);
            return int(total);
        });
        ::close(ready[1]);
        char answer = 0;
        QCOMPARE(::read(ready[0], &answer, 1), ssize_t(1));
        ::close(ready[0]);
        QCOMPARE(answer, 'y');
        QCOMPARE(InstanceChannel::handOver(socketName, QStringLiteral("/home/ann/private.str"), 3000),
                 InstanceChannel::HandOver::NotSent);
        QCOMPARE(exitStatusOf(listener), 0);
        return;
    }

    InstanceChannel channel(socketName);
    QVERIFY2(channel.listen(), qPrintable(channel.errorString()));
    // Opened up, so that only the check of who connects stands in the way.
    QCOMPARE(::chmod(QFile::encodeName(socketName).constData(), 0666), 0);
    QSignalSpy received(&channel, &InstanceChannel::readingReceived);
    const sockaddr_un address = addressOf(socketName);
    // Exit status: 0 when the message went out and nothing came back, 1 when answered, 2 when not connected.
    const pid_t client = runAsOtherUser([&] {
        const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (::connect(socket, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0)
            return 2;
        ::send(socket, "/tmp/planted.str", 17, MSG_NOSIGNAL);
        char answer[8];
        return ::recv(socket, answer, sizeof answer, 0) > 0 ? 1 : 0;
    });
    QCOMPARE(exitStatusOf(client), 0);
    QTest::qWait(50);
    QCOMPARE(received.count(), 0);
}

void TestHandOverSafety::foldersOthersCanUseAreRefused_data()
{
    QTest::addColumn<Folder>("folder");
    QTest::newRow("others may write in it") << Folder::OthersMayWrite;
    QTest::newRow("a link to a folder of the user's own") << Folder::LinkToOwnFolder;
    QTest::newRow("it belongs to another user") << Folder::OtherUsersFolder;
    QTest::newRow("no runtime folder, and the stand-in taken by another user") << Folder::FallbackTakenByOtherUser;
}

void TestHandOverSafety::foldersOthersCanUseAreRefused()
{
    QFETCH(Folder, folder);
    QTemporaryDir dir;
    const QString locks = dir.filePath(QStringLiteral("locks"));
    const auto giveAway = [](const QString &path) {
        return ::chown(QFile::encodeName(path).constData(), otherUser, otherUser) == 0;
    };
    const bool root = ::geteuid() == 0;
    std::optional<SingleInstance> instance;
    switch (folder) {
    case Folder::OthersMayWrite:
        QVERIFY(QDir().mkdir(locks));
        QCOMPARE(::chmod(QFile::encodeName(locks).constData(), 0777), 0);
        instance.emplace(locks);
        break;
    case Folder::LinkToOwnFolder:
        QVERIFY(QDir().mkdir(dir.filePath(QStringLiteral("own"))));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("own")), locks));
        instance.emplace(locks);
        break;
    case Folder::OtherUsersFolder:
        if (!root)
            QSKIP("only root can give a folder to another user");
        QVERIFY(QDir().mkdir(locks, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QVERIFY(giveAway(locks));
        instance.emplace(locks);
        break;
    case Folder::FallbackTakenByOtherUser: {
        if (!root)
            QSKIP("only root can give a folder to another user");
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        const QByteArray temp = qgetenv("TMPDIR");
        const auto restore = qScopeGuard([&] {
            runtime.isNull() ? qunsetenv("XDG_RUNTIME_DIR") : qputenv("XDG_RUNTIME_DIR", runtime);
            temp.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", temp);
        });
        qunsetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", QFile::encodeName(dir.path()));
        // Both the folder Qt falls back to and the one this program would, made first by someone else.
        for (const QString &name : {QStringLiteral("runtime-root"), QStringLiteral("orvo-animal-signs-0")}) {
            QVERIFY(QDir().mkdir(dir.filePath(name), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
            QVERIFY(giveAway(dir.filePath(name)));
        }
        instance.emplace();
        break;
    }
    }
    QCOMPARE(instance->acquire(), SingleInstance::Status::NoSafeFolder);
    QVERIFY(!instance->errorString().isEmpty());
    QVERIFY(!QFileInfo::exists(instance->lockFileName()));
}

void TestHandOverSafety::realHandOverGetsThroughAFlood_data()
{
    QTest::addColumn<bool>("noFileLeft");   // else up to 512 open files, with room to spare
    QTest::newRow("1,000 idle connections") << false;
    QTest::newRow("1,000 idle connections, no file left to open") << true;
}

void TestHandOverSafety::realHandOverGetsThroughAFlood()
{
    QFETCH(bool, noFileLeft);
    QTemporaryDir dir;
    const QString socketName = dir.filePath(QStringLiteral("orvo-animal-signs.socket"));
    InstanceChannel channel(socketName);
    QVERIFY2(channel.listen(), qPrintable(channel.errorString()));
    QSignalSpy received(&channel, &InstanceChannel::readingReceived);

    int ready[2];
    QCOMPARE(::pipe2(ready, O_CLOEXEC), 0);
    const sockaddr_un address = addressOf(socketName);
    // The flood: connections that never say a word, held until the test ends the process. Only
    // system calls in the child, as in runAsOtherUser().
    const pid_t flood = ::fork();
    if (flood == 0) {
        // Up to three seconds to make a thousand connections, each tried again while the queue
        // of connections waiting to be taken is full.
        timespec start{}, now{};
        ::clock_gettime(CLOCK_MONOTONIC, &start);
        int connected = 0;
        int socket = -1;
        while (connected < 1000 && (::clock_gettime(CLOCK_MONOTONIC, &now), now.tv_sec - start.tv_sec < 3)) {
            if (socket < 0)
                socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
            if (::connect(socket, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0) {
                ++connected;
                socket = -1;
            } else {
                const timespec pause{0, 1000000};
                ::nanosleep(&pause, nullptr);
            }
        }
        ::write(ready[1], &connected, sizeof connected);
        for (;;)
            ::pause();
    }
    const auto endFlood = qScopeGuard([flood] {
        ::kill(flood, SIGKILL);
        ::waitpid(flood, nullptr, 0);
    });
    ::close(ready[1]);

    // The channel takes the flood while this process may open 512 files, or none at all.
    rlimit saved{};
    QCOMPARE(::getrlimit(RLIMIT_NOFILE, &saved), 0);
    rlimit lowered = saved;
    lowered.rlim_cur = std::min<rlim_t>(512, saved.rlim_cur);
    QCOMPARE(::setrlimit(RLIMIT_NOFILE, &lowered), 0);
    QList<int> fillers;
    const auto freeFillers = [&fillers] {
        for (const int filler : std::as_const(fillers))
            ::close(filler);
        fillers.clear();
    };
    const auto restore = qScopeGuard([&] {
        freeFillers();
        ::setrlimit(RLIMIT_NOFILE, &saved);
    });
    for (int filler; noFileLeft && (filler = ::dup(0)) >= 0;)
        fillers.append(filler);

    ::fcntl(ready[0], F_SETFL, O_NONBLOCK);
    int connected = -1;
    QTRY_VERIFY_WITH_TIMEOUT(connected >= 0 || (::read(ready[0], &connected, sizeof connected), false), 20000);
    ::close(ready[0]);
    QVERIFY(connected > 0);

    // Waiting for files to come free, the channel rests rather than asking again at once.
    QTest::qWait(300);
    const qint64 cpuBefore = cpuMicroseconds();
    QTest::qWait(1000);
    const qint64 cpuUsed = cpuMicroseconds() - cpuBefore;
    QVERIFY2(cpuUsed < 100000, qPrintable(QStringLiteral("%1 ms of processor time in one second").arg(cpuUsed / 1000)));

    freeFillers();   // files come free again; the flood still waits
    auto handedOver = std::async(std::launch::async, [&socketName] {
        return InstanceChannel::handOver(socketName, QStringLiteral("/home/ann/reading.str"), 3000);
    });
    QTRY_COMPARE_WITH_TIMEOUT(received.count(), 1, 3000);
    QCOMPARE(received.constFirst().constFirst().toString(), QStringLiteral("/home/ann/reading.str"));
    QCOMPARE(handedOver.get(), InstanceChannel::HandOver::Taken);
}

QTEST_GUILESS_MAIN(TestHandOverSafety)
#include "test_hand_over_safety.moc"
