#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// Refuses a second running copy of the program. A lock left behind by a copy that crashed is
// recognised (its process is gone) and taken over. The lock lives in the user's runtime folder;
// where there is none and the shared temporary folder stands in, the lock's name carries the
// user's id, so another user's copy (or its leftover lock) never counts as ours.
class SingleInstance
{
public:
    enum class Status {
        Acquired,      // this copy is the only one; the lock is held while this object lives
        HeldElsewhere, // another copy of this user's runs
        Unavailable,   // the lock cannot be made, so nothing can be told; see errorString()
    };

    explicit SingleInstance(const QString &lockDirectory = {});

    Status acquire();
    QString lockFileName() const { return m_fileName; }
    // Where the copy holding the lock listens for readings handed over by a second start: beside
    // the lock, so it is as private to the user as the lock is.
    QString channelName() const { return m_channelName; }
    // Says which lock file could not be made and why; empty unless acquire() gave Unavailable.
    QString errorString() const { return m_error; }

private:
    QString m_fileName;
    QString m_channelName;
    QString m_error;
    std::unique_ptr<QLockFile> m_lock;
};
