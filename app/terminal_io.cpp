#include "app/terminal_io.h"

#include <QIODevice>
#include <QRegularExpression>

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

QString shown(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'\\': result += QStringLiteral("\\\\"); break;
        case u'\t': result += QStringLiteral("\\t"); break;
        case u'\0': result += QStringLiteral("\\0"); break;
        case u'\r': result += QStringLiteral("\\r"); break;
        case u'\n': result += QStringLiteral("\\n"); break;
        default:
            if (c.category() == QChar::Other_Control)
                result += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
            else
                result += c;
        }
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

std::optional<double> longitude(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^[+-]?[0-9]{1,3}(\\.[0-9]+)?$"));
    if (!pattern.match(text).hasMatch())
        return std::nullopt;
    const double degrees = text.toDouble();
    if (degrees < -180.0 || degrees > 180.0)
        return std::nullopt;
    return degrees;
}

} // namespace terminal
