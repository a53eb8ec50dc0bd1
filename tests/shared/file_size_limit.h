#pragma once

#include "common/file_saving.h"

#include <sys/resource.h>

// Files this process writes may grow to `bytes` at most while the object lives; a write past it
// fails with EFBIG, as on a disk that is full. Works without privileges, unlike a small tmpfs.
// The process is set up as the program's main() sets itself up, so that the write fails rather
// than raising SIGXFSZ; whether main() does so is tried on the real program.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        fileSaving::reportWriteFailuresAsErrors();
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit lowered = m_saved;
        lowered.rlim_cur = bytes;
        m_active = setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit()
    {
        if (m_active)
            setrlimit(RLIMIT_FSIZE, &m_saved);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    bool active() const { return m_active; }

private:
    rlimit m_saved{};
    bool m_active = false;
};
