#include "common/file_saving.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <sys/stat.h>
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

bool isSaveTarget(const QString &fileName)
{
    if (fileName.isEmpty())
        return false;
#ifdef Q_OS_UNIX
    // stat() follows every link, as QSaveFile does to find the file it replaces. A missing target
    // (a link to nothing included) is made by the save.
    struct stat target;
    if (::stat(QFile::encodeName(fileName).constData(), &target) == 0)
        return S_ISREG(target.st_mode);
    return errno == ENOENT;
#else
    const QFileInfo target(fileName);
    return !target.exists() || target.isFile();
#endif
}

bool save(const QString &fileName, const std::function<bool(QIODevice &)> &writeContent)
{
    if (!isSaveTarget(fileName))
        return false;
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // Qt 6.4's commit() renames the temporary file even when its own final flush failed, so the
    // buffered rest is flushed and checked here first. The target is looked at again just before
    // the rename: it may have changed while the content was written.
    if (!writeContent(file) || !file.flush() || file.error() != QFileDevice::NoError || !syncToDisk(file)
        || !isSaveTarget(fileName)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void reportWriteFailuresAsErrors()
{
#ifdef Q_OS_UNIX
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
#endif
}

} // namespace fileSaving
