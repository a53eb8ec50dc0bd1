// rtf::escapeText on any UTF-16 text (lone surrogates included): the result is 7-bit, has no
// unescaped brace or line break, and a rich-text reader gets the text back.
#include "common/windows1252.h"
#include "report/rtf_writer.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// What a rich-text reader makes of escaped text, or a null string for anything escapeText must
// never write.
QString unescape(const QByteArray &rtf)
{
    QString text(QLatin1String(""));
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        const char c = rtf.at(i);
        if (c == '{' || c == '}' || c == '\n' || c == '\r')
            return {};
        if (c != '\\') {
            text.append(QLatin1Char(c));
            continue;
        }
        if (++i == rtf.size())
            return {};
        const QByteArray rest = rtf.mid(i);
        if (rest.at(0) == '\\' || rest.at(0) == '{' || rest.at(0) == '}') {
            text.append(QLatin1Char(rest.at(0)));
        } else if (rest.startsWith("tab ")) {
            text.append(QLatin1Char('\t'));
            i += 3;
        } else if (rest.startsWith("line ")) {
            text.append(QLatin1Char('\n'));
            i += 4;
        } else if (rest.startsWith("'") && rest.size() >= 3) {
            bool ok = false;
            const int code = rest.mid(1, 2).toInt(&ok, 16);
            if (!ok || code < 0x80)
                return {};
            const char32_t c32 = windows1252::toUnicode(static_cast<unsigned char>(code));
            text.append(QString::fromUcs4(&c32, 1));
            i += 2;
        } else if (rest.startsWith("u")) {
            const qsizetype end = rest.indexOf('?');
            bool ok = false;
            const int unit = end > 1 ? rest.mid(1, end - 1).toInt(&ok) : 0;
            if (!ok || unit < -32768 || unit > 32767)
                return {};
            text.append(QChar(char16_t(quint16(qint16(unit)))));
            i += end;
        } else {
            return {};
        }
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QString text(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(text.data(), data, (size / 2) * 2);

    const QByteArray rtf = rtf::escapeText(text);
    for (const char c : rtf) {
        if (static_cast<unsigned char>(c) >= 0x80)
            std::abort();
    }
    // Control characters other than tab and line breaks have no place in the text.
    QString expected;
    for (const QChar unit : text) {
        if (unit == QChar::LineSeparator)
            expected.append(QLatin1Char('\n'));
        else if (unit.unicode() >= 0x20 || unit == u'\t' || unit == u'\n')
            expected.append(unit);
    }
    const QString read = unescape(rtf);
    if (read.isNull() || read != expected)
        std::abort();
    return 0;
}
