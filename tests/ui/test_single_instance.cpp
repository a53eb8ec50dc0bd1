#include "app/single_instance.h"
#include "common/program_texts.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

#include <unistd.h>

// One running copy of the program for each user: the lock, and where it cannot be taken.
class TestSingleInstance : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void singleInstance();
    void staleLockDoesNotBlock();
    void sharedTempFolderLockIsPerUser();
    void lockThatCannotBeMade_data();
    void lockThatCannotBeMade();
};

void TestSingleInstance::singleInstance()
{
    QTemporaryDir dir;
    SingleInstance first(dir.path());
    QCOMPARE(first.acquire(), SingleInstance::Status::Acquired);
    SingleInstance second(dir.path());
    QCOMPARE(second.acquire(), SingleInstance::Status::HeldElsewhere);
}

void TestSingleInstance::staleLockDoesNotBlock()
{
    // A lock left by a copy that crashed names a process that is gone.
    QTemporaryDir dir;
    QProcess gone;
    gone.start(QStringLiteral("true"));
    QVERIFY(gone.waitForStarted());
    const qint64 pid = gone.processId();
    QVERIFY(gone.waitForFinished());
    QFile lock(dir.filePath(QStringLiteral("orvo-animal-signs.lock")));
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(pid) + "\norvo\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    SingleInstance next(dir.path());
    QCOMPARE(next.acquire(), SingleInstance::Status::Acquired);
}

namespace {

// Sets an environment variable for one scope.
class ScopedEnv
{
public:
    ScopedEnv(const char *name, const QByteArray &value)
        : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~ScopedEnv() { m_had ? qputenv(m_name, m_old) : qunsetenv(m_name); }

private:
    const char *m_name;
    bool m_had;
    QByteArray m_old;
};

} // namespace

void TestSingleInstance::sharedTempFolderLockIsPerUser()
{
    // No usable runtime folder: the variable names a file, and so does the folder Qt falls back
    // to. The lock then goes to the shared temporary folder, where another user's copy holds the
    // lock by the program's plain name.
    QTemporaryDir shared;
    const auto makeFile = [](const QString &path) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly);
    };
    const QString runtimeFile = shared.filePath(QStringLiteral("runtime"));
    QVERIFY(makeFile(runtimeFile));
    const ScopedEnv runtime("XDG_RUNTIME_DIR", QFile::encodeName(runtimeFile));
    const ScopedEnv temp("TMPDIR", QFile::encodeName(shared.path()));
    const QString qtFallback = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    QVERIFY(!qtFallback.isEmpty());
    QVERIFY(QDir(qtFallback).removeRecursively());
    QVERIFY(makeFile(qtFallback));
    QVERIFY(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation).isEmpty());
    QLockFile otherUsers(shared.filePath(QStringLiteral("orvo-animal-signs.lock")));
    QVERIFY(otherUsers.tryLock(0));

    SingleInstance first;
    QCOMPARE(first.acquire(), SingleInstance::Status::Acquired);
    QCOMPARE(QFileInfo(first.lockFileName()).absolutePath(), QFileInfo(shared.path()).absoluteFilePath() + QStringLiteral("/orvo-animal-signs-%1").arg(::geteuid()));
    SingleInstance second;
    QCOMPARE(second.acquire(), SingleInstance::Status::HeldElsewhere);
}

void TestSingleInstance::lockThatCannotBeMade_data()
{
    QTest::addColumn<QString>("setup");
    QTest::newRow("folder is a regular file") << QStringLiteral("file");
    QTest::newRow("read-only folder") << QStringLiteral("read-only");
    QTest::newRow("lock file of another user") << QStringLiteral("foreign");
}

void TestSingleInstance::lockThatCannotBeMade()
{
    QFETCH(QString, setup);
    const bool root = ::geteuid() == 0;
    QTemporaryDir dir;
    QString lockDirectory = dir.filePath(QStringLiteral("locks"));
    if (setup == QLatin1String("file")) {
        QFile file(lockDirectory);
        QVERIFY(file.open(QIODevice::WriteOnly));
        lockDirectory += QStringLiteral("/inner");
    } else if (setup == QLatin1String("read-only")) {
        if (root)
            QSKIP("root writes into read-only folders");
        QVERIFY(QDir().mkdir(lockDirectory, QFile::ReadOwner | QFile::ExeOwner));
    } else {
        if (!root)
            QSKIP("only root can give a file to another user");
        QVERIFY(QDir().mkdir(lockDirectory));
        QFile foreign(lockDirectory + QStringLiteral("/orvo-animal-signs.lock"));
        QVERIFY(foreign.open(QIODevice::WriteOnly));
        foreign.write(QByteArray::number(QCoreApplication::applicationPid()) + '\n'
                      + QCoreApplication::applicationName().toUtf8() + '\n'
                      + QSysInfo::machineHostName().toUtf8() + '\n');
        foreign.close();
        QCOMPARE(::chown(QFile::encodeName(foreign.fileName()).constData(), 65534, 65534), 0);
    }

    SingleInstance instance(lockDirectory);
    QCOMPARE(instance.acquire(), SingleInstance::Status::Unavailable);
    QVERIFY2(instance.errorString().contains(lockDirectory), qPrintable(instance.errorString()));
    QVERIFY(instance.errorString() != texts::alreadyRunning());
    QVERIFY(!Qt::mightBeRichText(instance.errorString()));
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "test_single_instance.moc"
