#include "common/saved_reading.h"

#include "common/file_saving.h"
#include "common/line_codec.h"

#include <QFile>
#include <QFileInfo>

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

bool writeFile(const QString &fileName, const QStringList &fields)
{
    return fileSaving::save(fileName, [&fields](QIODevice &device) { return write(device, fields); });
}

std::optional<QStringList> read(QIODevice &device, int lineCount)
{
    if (!device.isReadable())
        return std::nullopt;
    QStringList fields;
    QByteArray line;
    bool afterCarriageReturn = false;   // a line feed right after it ends no further line
    qint64 budget = MaxFileBytes;
    char chunk[4096];
    while (fields.size() < lineCount && budget > 0) {
        const qint64 count = device.read(chunk, std::min<qint64>(sizeof chunk, budget));
        if (count < 0)
            return std::nullopt;   // a read error
        if (count == 0)
            break;
        budget -= count;
        for (qint64 i = 0; i < count && fields.size() < lineCount; ++i) {
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
    if (fields.size() < lineCount && !line.isEmpty())
        fields.append(DecodeLine(line));   // the last line without its line end
    while (fields.size() < lineCount)
        fields.append(QString());
    return fields;
}

std::optional<QStringList> readFile(const QString &fileName, int lineCount)
{
    // Opening a FIFO blocks until a writer comes; the check first keeps the user's window alive.
    if (!QFileInfo(fileName).isFile())
        return std::nullopt;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || file.isSequential())
        return std::nullopt;
    return read(file, lineCount);
}

bool hasExtension(const QString &fileName, const QString &extension)
{
    return fileName.right(3) == extension;
}

} // namespace savedReading
