#include "common/json_writer.h"

#include <QByteArray>

#include <cstring>

namespace {

void put(std::string &out, const char *text, qsizetype length)
{
    out.append(text, static_cast<std::size_t>(length));
}

void put(std::string &out, char c)
{
    out.push_back(c);
}

void appendEscaped(std::string &out, const char *utf8, qsizetype size)
{
    static constexpr char hex[] = "0123456789abcdef";
    put(out, '"');
    qsizetype plainFrom = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c >= 0x20 && c != '"' && c != '\\')
            continue;
        put(out, utf8 + plainFrom, i - plainFrom);
        plainFrom = i + 1;
        switch (c) {
        case '"': put(out, "\\\"", 2); break;
        case '\\': put(out, "\\\\", 2); break;
        case '\n': put(out, "\\n", 2); break;
        case '\r': put(out, "\\r", 2); break;
        case '\t': put(out, "\\t", 2); break;
        default: {
            const char escape[] = {'\\', 'u', '0', '0', hex[c >> 4], hex[c & 0xF]};
            put(out, escape, sizeof escape);
        }
        }
    }
    put(out, utf8 + plainFrom, size - plainFrom);
    put(out, '"');
}

} // namespace

void JsonWriter::appendString(std::string &out, QStringView text)
{
    const QByteArray utf8 = text.toUtf8();
    appendEscaped(out, utf8.constData(), utf8.size());
}

void JsonWriter::value(QStringView text)
{
    separate();
    appendString(m_out, text);
}

void JsonWriter::value(const char *utf8)
{
    separate();
    appendEscaped(m_out, utf8, static_cast<qsizetype>(std::strlen(utf8)));
}

void JsonWriter::value(qint64 number)
{
    separate();
    char digits[24];
    qsizetype length = 0;
    quint64 magnitude = number < 0 ? 0 - static_cast<quint64>(number) : static_cast<quint64>(number);
    do {
        digits[sizeof digits - 1 - length++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (number < 0)
        digits[sizeof digits - 1 - length++] = '-';
    put(m_out, digits + sizeof digits - length, length);
}

void JsonWriter::value(bool truth)
{
    separate();
    if (truth)
        put(m_out, "true", 4);
    else
        put(m_out, "false", 5);
}

void JsonWriter::rawValue(const std::string &json)
{
    separate();
    m_out += json;
}
