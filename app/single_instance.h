#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// Refuses a second running copy of the program. A lock left behind by a copy that crashed is
// recognised (its process is gone) and taken over. The lock and the hand-over socket live in a
// folder that is the user's own: the user's runtime folder, or where there is none, a folder of
// this program's in the shared temporary folder, made by and for this user. A folder that another
// user owns or may write in is never used, so no one else can hold the lock or listen for the
// readings this user opens.
class SingleInstance
{
public:
    enum class Status {
        Acquired,      // this copy is the only one; the lock is held while this object lives
        HeldElsewhere, // another copy of this user's runs
        Unavailable,   // the lock cannot be made, so nothing can be told; see errorString()
        NoSafeFolder,  // no folder of the user's own: neither lock nor hand-over; see errorString()
    };

    explicit SingleInstance(const QString &lockDirectory = {});

    Status acquire();
    QString lockFileName() const { return m_fileName; }
    // Where the copy holding the lock listens for readings handed over by a second start: beside
    // the lock, so it is as private to the user as the lock is.
    QString channelName() const { return m_channelName; }
    // Says which lock file could not be made and why; empty unless acquire() gave Unavailable or
    // NoSafeFolder.
    QString errorString() const { return m_error; }

private:
    QString m_fileName;
    QString m_channelName;
    QString m_error;
    QString m_unsafeFolder;   // why the folder is not used; empty when it is the user's own
    std::unique_ptr<QLockFile> m_lock;
};
