#include "common/file_saving.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <optional>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fileSaving {
namespace {

// Writes all of content to file: the system's error, or 0.
int writeAll(QSaveFile &file, const QByteArray &content)
{
#ifdef Q_OS_UNIX
    const int handle = file.handle();
    if (handle < 0)
        return EBADF;
    for (qsizetype done = 0; done < content.size();) {
        const ssize_t written = ::write(handle, content.constData() + done, size_t(content.size() - done));
        if (written > 0)
            done += written;
        else if (written == 0)
            return EIO;
        else if (errno != EINTR)
            return errno;
    }
    return 0;
#else
    return file.write(content) == content.size() && file.flush() ? 0 : EIO;
#endif
}

// QSaveFile::commit() ignores a failed sync to the disk, where some file systems report
// running out of space only now; a file system that cannot sync at all is no failure. The
// system's error, or 0.
int syncToDisk([[maybe_unused]] QSaveFile &file)
{
#ifdef Q_OS_UNIX
    const int handle = file.handle();
    if (handle < 0)
        return EBADF;
    int result;
    do
        result = ::fsync(handle);
    while (result != 0 && errno == EINTR);
    return result == 0 || errno == EINVAL || errno == EROFS ? 0 : errno;
#else
    return 0;
#endif
}

// The system's own words as a sentence: "Input/output error."
QString sentence(const QString &words)
{
    QString text = words.trimmed();
    if (text.isEmpty())
        return text;
    text[0] = text[0].toUpper();
    return text.endsWith(QLatin1Char('.')) ? text : text + QLatin1Char('.');
}

// Why file failed. Qt keeps the system's error only as the text of its error string, which
// holds qt_error_string() of it.
QString reasonOf(const QFileDevice &file)
{
    const QString said = file.errorString();
    for (const int error : {ENOSPC,
#ifdef EDQUOT
                            EDQUOT,
#endif
                            EACCES, EPERM, EROFS, EFBIG, ENOENT, ENOTDIR, ENAMETOOLONG, EISDIR}) {
        if (said.contains(qt_error_string(error), Qt::CaseInsensitive))
            return reasonFor(error);
    }
    return file.error() == QFileDevice::NoError || said == QLatin1String("Unknown error") ? QString() : sentence(said);
}

// Why fileName may not be written (see isSaveTarget()); nothing when it may.
std::optional<QString> targetProblem(const QString &fileName)
{
    if (fileName.isEmpty())
        return reasonFor(ENOENT);
#ifdef Q_OS_UNIX
    // stat() follows every link, as QSaveFile does to find the file it replaces. A missing target
    // (a link to nothing included) is made by the save.
    struct stat target;
    if (::stat(QFile::encodeName(fileName).constData(), &target) != 0)
        return errno == ENOENT ? std::nullopt : std::optional<QString>(reasonFor(errno));
    if (S_ISREG(target.st_mode))
        return std::nullopt;
    return S_ISDIR(target.st_mode) ? reasonFor(EISDIR) : QStringLiteral("It is not a regular file.");
#else
    const QFileInfo target(fileName);
    if (!target.exists() || target.isFile())
        return std::nullopt;
    return target.isDir() ? reasonFor(EISDIR) : QStringLiteral("It is not a regular file.");
#endif
}

} // namespace

QString reasonFor(int systemError)
{
    switch (systemError) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return QStringLiteral("The disk is full.");
    case EACCES:
    case EPERM:
        return QStringLiteral("There is no permission to write there.");
    case EROFS:
        return QStringLiteral("The disk is read-only.");
    case EFBIG:
        return QStringLiteral("The file would be larger than allowed.");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("The folder does not exist.");
    case ENAMETOOLONG:
        return QStringLiteral("The name is too long.");
    case EISDIR:
        return QStringLiteral("It is a folder, not a regular file.");
    default:
        break;
    }
    return sentence(qt_error_string(systemError));
}

bool isSaveTarget(const QString &fileName)
{
    return !targetProblem(fileName);
}

Result save(const QString &fileName, const std::function<bool(QIODevice &)> &writeContent)
{
    if (const std::optional<QString> problem = targetProblem(fileName))
        return Result::failed(*problem);
    // The content is made first and then written by the system's own writes, whose errors say
    // why they fell short: Qt's buffered writes lose the reason of a short write (a file size
    // limit's, for one), and Qt 6.4's commit() renames the temporary file even when its own final
    // flush failed.
    QByteArray content;
    {
        QBuffer buffer(&content);
        buffer.open(QIODevice::WriteOnly);
        if (!writeContent(buffer))
            return Result::failed();
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return Result::failed(reasonOf(file));
    const auto fail = [&file](const QString &reason) {
        file.cancelWriting();
        return Result::failed(reason);
    };
    if (const int error = writeAll(file, content))
        return fail(reasonFor(error));
    if (const int error = syncToDisk(file))
        return fail(reasonFor(error));
    // The target is looked at again just before the rename: it may have changed meanwhile.
    if (const std::optional<QString> problem = targetProblem(fileName))
        return fail(*problem);
    if (!file.commit())
        return Result::failed(reasonOf(file));
    return Result::done();
}

void reportWriteFailuresAsErrors()
{
#ifdef Q_OS_UNIX
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
#endif
}

} // namespace fileSaving
