#include "app/single_instance.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

const QLatin1StringView lockBaseName("orvo-animal-signs");

uint currentUserId()
{
#ifdef Q_OS_UNIX
    return ::geteuid();
#else
    return uint(-2);   // QFileInfo::ownerId()'s "unknown" on systems without numeric owners
#endif
}

// Why directory is no place for the lock and the socket, or nothing when it is the user's own: a
// folder itself (not a link to one) that the user owns and no one else may write in. A folder
// that does not exist is left to the lock to report.
QString folderProblem(const QString &directory)
{
#ifdef Q_OS_UNIX
    struct stat folder;
    if (::lstat(QFile::encodeName(directory).constData(), &folder) != 0)
        return errno == ENOENT || errno == ENOTDIR ? QString() : QString::fromLocal8Bit(std::strerror(errno));
    if (!S_ISDIR(folder.st_mode))
        return QStringLiteral("it is not a folder");
    if (folder.st_uid != currentUserId())
        return QStringLiteral("it belongs to another user");
    if (folder.st_mode & (S_IWGRP | S_IWOTH))
        return QStringLiteral("other users may write in it");
#else
    Q_UNUSED(directory);
#endif
    return {};
}

} // namespace

SingleInstance::SingleInstance(const QString &lockDirectory)
{
    QString directory = lockDirectory.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)
                                                : lockDirectory;
    if (!directory.isEmpty())
        QDir().mkpath(directory);
    if (lockDirectory.isEmpty() && (directory.isEmpty() || !folderProblem(directory).isEmpty())) {
        // No runtime folder of the user's own (another user may have taken the name Qt falls back
        // to): a folder of this program's stands in, made private like a runtime folder.
        directory = QDir::tempPath() + QStringLiteral("/%1-%2").arg(lockBaseName).arg(currentUserId());
        QDir().mkdir(directory, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    m_unsafeFolder = folderProblem(directory);
    m_fileName = QDir(directory).filePath(lockBaseName + QLatin1String(".lock"));
    m_channelName = QDir(directory).filePath(lockBaseName + QLatin1String(".socket"));
    m_lock = std::make_unique<QLockFile>(m_fileName);
    // Only a lock whose process has gone is stale; a long-running copy keeps its lock.
    m_lock->setStaleLockTime(0);
}

SingleInstance::Status SingleInstance::acquire()
{
    m_error.clear();
    if (!m_unsafeFolder.isEmpty()) {
        m_error = QStringLiteral("the folder %1 is not used for the single-instance lock and the hand-over of "
                                 "readings: %2")
                      .arg(QDir::toNativeSeparators(QFileInfo(m_fileName).absolutePath()), m_unsafeFolder);
        return Status::NoSafeFolder;
    }
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
