#include "app/single_instance.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

const QLatin1StringView lockBaseName("orvo-animal-signs");

uint currentUserId()
{
#ifdef Q_OS_UNIX
    return ::getuid();
#else
    return uint(-2);   // QFileInfo::ownerId()'s "unknown" on systems without numeric owners
#endif
}

} // namespace

SingleInstance::SingleInstance(const QString &lockDirectory)
{
    QString directory = lockDirectory;
    QString name = lockBaseName;
    if (directory.isEmpty())
        directory = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (directory.isEmpty()) {
        directory = QDir::tempPath();
        name = QStringLiteral("%1-%2").arg(lockBaseName).arg(currentUserId());
    }
    QDir().mkpath(directory);
    m_fileName = QDir(directory).filePath(name + QLatin1String(".lock"));
    m_channelName = QDir(directory).filePath(name + QLatin1String(".socket"));
    m_lock = std::make_unique<QLockFile>(m_fileName);
    // Only a lock whose process has gone is stale; a long-running copy keeps its lock.
    m_lock->setStaleLockTime(0);
}

SingleInstance::Status SingleInstance::acquire()
{
    m_error.clear();
    if (m_lock->tryLock(0))
        return Status::Acquired;

    QString reason;
    switch (m_lock->error()) {
    case QLockFile::LockFailedError: {
        // A lock file someone else owns says nothing about our copies, and cannot be taken over.
        const QFileInfo existing(m_fileName);
        if (currentUserId() == uint(-2) || !existing.exists() || existing.ownerId() == currentUserId())
            return Status::HeldElsewhere;
        reason = QStringLiteral("it belongs to another user");
        break;
    }
    case QLockFile::PermissionError:
        reason = QStringLiteral("no permission to write in that folder");
        break;
    case QLockFile::NoError:
    case QLockFile::UnknownError:
        reason = QFileInfo(QFileInfo(m_fileName).absolutePath()).isDir()
                     ? QStringLiteral("the file cannot be written")
                     : QStringLiteral("its folder does not exist and cannot be made");
        break;
    }
    // The path goes after the first line break: a message box reads only its first line when
    // guessing rich text, so a folder name with markup in it stays plain text.
    m_error = QStringLiteral("The program cannot tell whether it is already running: its lock file "
                             "cannot be made (%1).\n\n%2\n\nIt starts anyway.")
                  .arg(reason, QDir::toNativeSeparators(m_fileName));
    return Status::Unavailable;
}
