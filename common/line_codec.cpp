#include "common/line_codec.h"

#include "common/windows1252.h"

#include <QList>

namespace {

constexpr int Shift = 85;
constexpr int HighestShifted = 255 - Shift;   // 170

// Every character that ends a line in Unicode text (vertical tab and form feed included), so
// that a decoded field always stays on one line.
bool isLineBreak(char32_t c)
{
    return c == U'\n' || c == U'\r' || c == 0x0B || c == 0x0C || c == 0x2028 || c == 0x2029 || c == 0x85;
}

void appendCodePoint(QString &text, char32_t c)
{
    if (isLineBreak(c))
        return;
    text.append(QString::fromUcs4(&c, 1));
}

} // namespace

QByteArray EncodeLine(const QString &text)
{
    QByteArray encoded;
    encoded.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        const int code = windows1252::fromUnicode(c);
        if (code >= 0 && code <= HighestShifted)
            encoded.append(char(code + Shift));
        else
            encoded.append('#').append(QByteArray::number(quint32(c))).append(';');
    }
    return encoded;
}

QString DecodeLine(const QByteArray &line)
{
    QString text;
    text.reserve(line.size());
    for (qsizetype i = 0; i < line.size(); ++i) {
        const auto byte = static_cast<unsigned char>(line.at(i));
        if (byte >= Shift) {
            appendCodePoint(text, windows1252::toUnicode(static_cast<unsigned char>(byte - Shift)));
            continue;
        }
        if (byte != '#')
            continue;
        // "#<digits>;" names a code point; anything else below 85 is dropped byte by byte.
        qsizetype end = i + 1;
        quint32 value = 0;
        while (end < line.size() && end - i <= 8 && line.at(end) >= '0' && line.at(end) <= '9')
            value = value * 10 + quint32(line.at(end++) - '0');
        const bool digits = end > i + 1 && end - i <= 8;
        if (digits && end < line.size() && line.at(end) == ';' && value > 0 && value <= 0x10FFFF
            && !(value >= 0xD800 && value <= 0xDFFF)) {
            appendCodePoint(text, char32_t(value));
            i = end;
        }
    }
    return text;
}

QString JoinLines(const QString &text)
{
    QString joined;
    joined.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!isLineBreak(c.unicode())) {
            joined.append(c);
            continue;
        }
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
        joined.append(u' ');
    }
    return joined;
}
