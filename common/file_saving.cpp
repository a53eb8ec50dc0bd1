#include "common/file_saving.h"

#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <unistd.h>
#endif

namespace fileSaving {
namespace {

// QSaveFile::commit() ignores a failed sync to the disk, where some file systems report
// running out of space only now; a file system that cannot sync at all is no failure.
bool syncToDisk([[maybe_unused]] QSaveFile &file)
{
#ifdef Q_OS_UNIX
    const int handle = file.handle();
    if (handle < 0)
        return false;
    int result;
    do
        result = ::fsync(handle);
    while (result != 0 && errno == EINTR);
    return result == 0 || errno == EINVAL || errno == EROFS;
#else
    return true;
#endif
}

} // namespace

bool save(const QString &fileName, const std::function<bool(QIODevice &)> &writeContent)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // Qt 6.4's commit() renames the temporary file even when its own final flush failed, so the
    // buffered rest is flushed and checked here first.
    if (!writeContent(file) || !file.flush() || file.error() != QFileDevice::NoError || !syncToDisk(file)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace fileSaving
