// The saved-reading reader on any file, for each kind: two lines (Australian .zod), four (Mayan
// .zod) and five (Chinese .str). The first byte picks the kind, the rest is the file. The reader
// must give exactly the fields asked for, each on one line, and whatever it read must be written
// and read back unchanged.
#include "common/saved_reading.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    static constexpr int lineCounts[] = {2, 4, 5};
    const int lineCount = lineCounts[data[0] % 3];
    QByteArray file(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    QBuffer input(&file);
    input.open(QIODevice::ReadOnly);
    const std::optional<QStringList> fields = savedReading::read(input, lineCount);
    if (!fields)
        std::abort();   // a buffer always reads
    if (fields->size() != lineCount)
        std::abort();
    for (const QString &field : *fields) {
        if (field.contains(QLatin1Char('\n')) || field.contains(QLatin1Char('\r')))
            std::abort();
    }

    QByteArray written;
    QBuffer output(&written);
    output.open(QIODevice::WriteOnly);
    if (!savedReading::write(output, *fields))
        std::abort();
    output.close();
    output.open(QIODevice::ReadOnly);
    if (savedReading::read(output, lineCount) != fields)
        std::abort();
    return 0;
}
