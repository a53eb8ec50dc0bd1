#pragma once

#include <QLockFile>

#include <memory>

// Refuses a second running copy of the program. A lock left behind by a copy that crashed is
// recognised (its process is gone) and taken over.
class SingleInstance
{
public:
    explicit SingleInstance(const QString &lockDirectory = {});

    // True when this copy is the only one running; the lock is held while this object lives.
    bool acquire();

private:
    std::unique_ptr<QLockFile> m_lock;
};
