#include "common/saved_reading.h"

#include "common/file_saving.h"
#include "common/line_codec.h"
#include "common/native_file_name.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace savedReading {

bool write(QIODevice &device, const QStringList &fields)
{
    for (const QString &field : fields) {
        const QByteArray line = EncodeLine(field) + "\r\n";
        if (device.write(line) != line.size())
            return false;
    }
    return true;
}

fileSaving::Result writeFile(const QString &fileName, const QStringList &fields)
{
    return fileSaving::save(fileName, [&fields](QIODevice &device) { return write(device, fields); });
}

std::optional<QStringList> read(QIODevice &device)
{
    if (!device.isReadable())
        return std::nullopt;
    QStringList fields;
    QByteArray line;
    bool afterCarriageReturn = false;   // a line feed right after it ends no further line
    qint64 budget = MaxFileBytes;
    char chunk[4096];
    while (fields.size() < MaxLineCount && budget > 0) {
        const qint64 count = device.read(chunk, std::min<qint64>(sizeof chunk, budget));
        if (count < 0)
            return std::nullopt;   // a read error
        if (count == 0)
            break;
        budget -= count;
        for (qint64 i = 0; i < count && fields.size() < MaxLineCount; ++i) {
            const char byte = chunk[i];
            const bool lineFeedOfPair = afterCarriageReturn && byte == '\n';
            afterCarriageReturn = byte == '\r';
            if (lineFeedOfPair)
                continue;
            if (byte == '\r' || byte == '\n') {
                fields.append(DecodeLine(line));
                line.clear();
            } else if (line.size() < MaxLineBytes) {
                line.append(byte);   // the rest of an overlong line is skipped
            }
        }
    }
    if (fields.size() < MaxLineCount && !line.isEmpty())
        fields.append(DecodeLine(line));   // the last line without its line end
    return fields;
}

std::optional<QStringList> readFile(const QString &fileName)
{
#ifdef Q_OS_UNIX
    // The name's own bytes, even where they are not UTF-8. Opening a FIFO blocks until a writer
    // comes and opening a device may do things of its own: the kind is checked before opening,
    // and again on what was opened without waiting, in case the name changed in between.
    const QByteArray name = nativeFileName::encode(fileName);
    struct stat info;
    if (::stat(name.constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    const int handle = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (handle < 0)
        return std::nullopt;
    QFile file;
    if (::fstat(handle, &info) != 0 || !S_ISREG(info.st_mode)
        || !file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(handle);
        return std::nullopt;
    }
#else
    if (!QFileInfo(fileName).isFile())
        return std::nullopt;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || file.isSequential())
        return std::nullopt;
#endif
    return read(file);
}

Found find(const QString &fileName)
{
#ifdef Q_OS_UNIX
    struct stat info;
    if (::stat(nativeFileName::encode(fileName).constData(), &info) != 0)
        return errno == ENOENT || errno == ENOTDIR ? Found::Nothing : Found::RegularFile;
    return S_ISREG(info.st_mode) ? Found::RegularFile : Found::OtherKind;
#else
    const QFileInfo info(fileName);
    return !info.exists() ? Found::Nothing : info.isFile() ? Found::RegularFile : Found::OtherKind;
#endif
}

bool hasExtension(const QString &fileName, const QString &extension)
{
    return fileName.right(3) == extension;
}

} // namespace savedReading
