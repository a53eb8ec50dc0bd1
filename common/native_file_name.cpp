#include "common/native_file_name.h"

namespace nativeFileName {
namespace {

constexpr char16_t firstEscape = 0xDC80;   // stands for the byte 0x80; 0xDCFF for 0xFF

// The length of the valid UTF-8 sequence at bytes[at], or 0 when none starts there (overlong
// forms, surrogates and code points past U+10FFFF are not valid).
qsizetype validSequenceLength(const QByteArray &bytes, qsizetype at)
{
    const auto byte = [&bytes](qsizetype i) { return uchar(bytes.at(i)); };
    const uchar lead = byte(at);
    qsizetype length;
    char32_t lowest;
    char32_t code;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2, lowest = 0x80, code = lead & 0x1F;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3, lowest = 0x800, code = lead & 0x0F;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4, lowest = 0x10000, code = lead & 0x07;
    else
        return 0;
    if (at + length > bytes.size())
        return 0;
    for (qsizetype i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
        code = code << 6 | (byte(at + i) & 0x3F);
    }
    if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

QString decode(const QByteArray &bytes)
{
    QString name;
    name.reserve(bytes.size());
    qsizetype runStart = 0;   // the valid bytes not yet decoded start here
    qsizetype at = 0;
    const auto flushRun = [&] { name += QString::fromUtf8(bytes.constData() + runStart, at - runStart); };
    while (at < bytes.size()) {
        const qsizetype length = validSequenceLength(bytes, at);
        if (length > 0) {
            at += length;
            continue;
        }
        flushRun();
        name += QChar(char16_t(firstEscape + uchar(bytes.at(at)) - 0x80));
        runStart = ++at;
    }
    flushRun();
    return name;
}

QByteArray encode(const QString &fileName)
{
    QByteArray bytes;
    bytes.reserve(fileName.size());
    qsizetype runStart = 0;
    const auto flushRun = [&](qsizetype end) { bytes += QStringView(fileName).sliced(runStart, end - runStart).toUtf8(); };
    for (qsizetype i = 0; i < fileName.size(); ++i) {
        const char16_t unit = fileName.at(i).unicode();
        const bool pairedLow = i > 0 && fileName.at(i - 1).isHighSurrogate();
        if (unit >= firstEscape && unit <= 0xDCFF && !pairedLow) {
            flushRun(i);
            bytes += char(unit - firstEscape + 0x80);
            runStart = i + 1;
        }
    }
    flushRun(fileName.size());
    return bytes;
}

} // namespace nativeFileName
