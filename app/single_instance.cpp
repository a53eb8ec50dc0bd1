#include "app/single_instance.h"

#include <QDir>
#include <QStandardPaths>

SingleInstance::SingleInstance(const QString &lockDirectory)
{
    QString directory = lockDirectory;
    if (directory.isEmpty())
        directory = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (directory.isEmpty())
        directory = QDir::tempPath();
    QDir().mkpath(directory);
    m_lock = std::make_unique<QLockFile>(QDir(directory).filePath(QStringLiteral("orvo-animal-signs.lock")));
    // Only a lock whose process has gone is stale; a long-running copy keeps its lock.
    m_lock->setStaleLockTime(0);
}

bool SingleInstance::acquire()
{
    return m_lock->tryLock(0);
}
