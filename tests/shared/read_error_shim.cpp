// Preloaded into the program under test: standard input fails with EIO once ORVO_EIO_AFTER
// bytes have been read from it, as a failing disk or a broken mount does part-way.
#include <dlfcn.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

extern "C" ssize_t read(int fd, void *buffer, size_t count)
{
    using Read = ssize_t (*)(int, void *, size_t);
    static const Read real = reinterpret_cast<Read>(dlsym(RTLD_NEXT, "read"));
    static long long given = 0;
    const char *limitText = std::getenv("ORVO_EIO_AFTER");
    if (fd != 0 || !limitText)
        return real(fd, buffer, count);
    const long long limit = std::atoll(limitText);
    if (given >= limit) {
        errno = EIO;
        return -1;
    }
    if (static_cast<long long>(count) > limit - given)
        count = static_cast<size_t>(limit - given);
    const ssize_t got = real(fd, buffer, count);
    if (got > 0)
        given += got;
    return got;
}
