#include "app/terminal_io.h"

#include <QIODevice>

namespace terminal {

namespace {

// The value of exactly `count` ASCII digits from `from`; -1 where any is not a digit.
int digits(QStringView text, qsizetype from, qsizetype count)
{
    int value = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c - u'0');
    }
    return value;
}

} // namespace

bool writeAll(QIODevice &device, const QByteArray &bytes)
{
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 chunk = device.write(bytes.constData() + written, bytes.size() - written);
        if (chunk <= 0)
            return false;
        written += chunk;
    }
    return true;
}

QString oneLine(QString text)
{
    for (QChar &c : text) {
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    }
    return text;
}

namespace {

// True for a character that shows as nothing, or as a space though it is not one.
bool invisible(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Other_Format:          // zero-width spaces and joiners, direction marks, soft hyphen
    case QChar::Other_NotAssigned:
    case QChar::Other_PrivateUse:
    case QChar::Other_Surrogate:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    case QChar::Separator_Space:
        return c != U' ';
    default:
        // Letters by category that draw nothing: the Hangul fillers and the braille blank.
        return c == 0x115F || c == 0x1160 || c == 0x3164 || c == 0xFFA0 || c == 0x2800;
    }
}

} // namespace

QString shown(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        char32_t code = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            code = QChar::surrogateToUcs4(c, text.at(i + 1));
        switch (code) {
        case U'\\': result += QStringLiteral("\\\\"); break;
        case U'\t': result += QStringLiteral("\\t"); break;
        case U'\0': result += QStringLiteral("\\0"); break;
        case U'\r': result += QStringLiteral("\\r"); break;
        case U'\n': result += QStringLiteral("\\n"); break;
        default:
            if (QChar::category(code) == QChar::Other_Control)
                result += QStringLiteral("\\x%1").arg(uint(code), 2, 16, QLatin1Char('0'));
            else if (invisible(code))
                result += (code > 0xFFFF ? QStringLiteral("\\U") : QStringLiteral("\\u"))
                          + QString::number(uint(code), 16).toUpper().rightJustified(code > 0xFFFF ? 8 : 4, QLatin1Char('0'));
            else
                result += QStringView(text).mid(i, code > 0xFFFF ? 2 : 1);
        }
        if (code > 0xFFFF)
            ++i;
    }
    return result;
}

QDate isoDay(QStringView text)
{
    if (text.size() != 10 || text.at(4) != u'-' || text.at(7) != u'-')
        return {};
    const int year = digits(text, 0, 4);
    const int month = digits(text, 5, 2);
    const int day = digits(text, 8, 2);
    if (year < 0 || month < 0 || day < 0)
        return {};
    return QDate(year, month, day);
}

std::optional<QTime> clockTime(QStringView text)
{
    if (text.size() != 5 || text.at(2) != u':')
        return std::nullopt;
    const int hours = digits(text, 0, 2);
    const int minutes = digits(text, 3, 2);
    if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59)
        return std::nullopt;
    return QTime(hours, minutes);
}

} // namespace terminal
