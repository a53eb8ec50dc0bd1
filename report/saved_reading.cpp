#include "report/saved_reading.h"

#include "report/line_codec.h"

#include <QFile>
#include <QSaveFile>

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
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!write(file, fields)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::optional<QStringList> read(QIODevice &device, int lineCount)
{
    if (!device.isReadable())
        return std::nullopt;
    QStringList fields;
    qint64 budget = MaxFileBytes;
    while (fields.size() < lineCount && budget > 0 && !device.atEnd()) {
        QByteArray line = device.readLine(std::min<qint64>(MaxLineBytes, budget) + 1);
        if (line.isEmpty() && !device.atEnd())
            return std::nullopt;   // a read error
        budget -= line.size();
        const bool complete = line.endsWith('\n');
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        // The rest of an overlong line is skipped, within the same budget.
        while (!complete && budget > 0 && !device.atEnd()) {
            const QByteArray rest = device.readLine(std::min<qint64>(MaxLineBytes, budget) + 1);
            if (rest.isEmpty())
                break;
            budget -= rest.size();
            if (rest.endsWith('\n'))
                break;
        }
        fields.append(DecodeLine(line.left(MaxLineBytes)));
    }
    while (fields.size() < lineCount)
        fields.append(QString());
    return fields;
}

std::optional<QStringList> readFile(const QString &fileName, int lineCount)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return read(file, lineCount);
}

bool hasExtension(const QString &fileName, const QString &extension)
{
    return fileName.right(3) == extension;
}

} // namespace savedReading
