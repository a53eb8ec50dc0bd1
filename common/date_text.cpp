#include "common/date_text.h"

#include <QDate>

namespace dateText {

QString withFourDigitYear(const QString &format)
{
    QString result;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\''))
            quoted = !quoted;   // "''" (a quote character) toggles twice
        if (quoted || c != QLatin1Char('y')) {
            result += c;
            continue;
        }
        while (i + 1 < format.size() && format.at(i + 1) == QLatin1Char('y'))
            ++i;
        result += QLatin1String("yyyy");
    }
    return result;
}

QString shortDate(const QDate &date, const QLocale &locale)
{
    return locale.toString(date, withFourDigitYear(locale.dateFormat(QLocale::ShortFormat)));
}

QString span(const QDate &first, const QDate &last, const QLocale &locale)
{
    return shortDate(first, locale) + QStringLiteral(" \u2013 ") + shortDate(last, locale);
}

QString longDate(const QDate &date)
{
    return QLocale::c().toString(date, QStringLiteral("d MMMM yyyy"));
}

} // namespace dateText
