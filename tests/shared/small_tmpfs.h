#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <sys/mount.h>
#include <unistd.h>

// A small tmpfs mounted on a folder for its lifetime (only root may mount): a real file system
// that runs out of space.
class SmallTmpfs
{
public:
    explicit SmallTmpfs(const QString &folder) : m_folder(QFile::encodeName(folder))
    {
        m_mounted = geteuid() == 0 && mount("tmpfs", m_folder.constData(), "tmpfs", 0, "size=64k") == 0;
    }
    ~SmallTmpfs()
    {
        if (m_mounted)
            umount2(m_folder.constData(), MNT_DETACH);
    }
    SmallTmpfs(const SmallTmpfs &) = delete;
    SmallTmpfs &operator=(const SmallTmpfs &) = delete;

    bool mounted() const { return m_mounted; }

    // Takes every free block, so that the next write of any size fails with ENOSPC. The filler
    // is a file named "filler" in the folder.
    bool fill()
    {
        QFile filler(QString::fromLocal8Bit(m_folder) + QStringLiteral("/filler"));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray block(1024, 'x');
        while (filler.write(block) == block.size()) {
        }
        return true;
    }

private:
    QByteArray m_folder;
    bool m_mounted = false;
};
