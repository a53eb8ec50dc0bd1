#include "common/calendar_lists.h"

namespace calendar {

const QStringList &monthNames()
{
    static const QStringList names = {
        QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
        QStringLiteral("April"), QStringLiteral("May"), QStringLiteral("June"),
        QStringLiteral("July"), QStringLiteral("August"), QStringLiteral("September"),
        QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
    return names;
}

QStringList dayTexts()
{
    return yearTexts(1, 31);
}

QStringList yearTexts(int firstYear, int lastYear)
{
    QStringList texts;
    texts.reserve(lastYear - firstYear + 1);
    for (int value = firstYear; value <= lastYear; ++value)
        texts.append(QString::number(value));
    return texts;
}

int monthNumber(const QString &monthName)
{
    return int(monthNames().indexOf(monthName)) + 1;
}

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

DateCheck checkDate(int day, int month, int year)
{
    if (month == 2 && day > (isLeapYear(year) ? 29 : 28))
        return DateCheck::BadFebruary;
    if ((month == 4 || month == 6 || month == 9 || month == 11) && day == 31)
        return DateCheck::BadThirtyFirst;
    return DateCheck::Valid;
}

Checked<QDate> birthDate(const BirthEntry &entry, int firstYear, int lastYear)
{
    switch (checkDate(entry.day, entry.month, entry.year)) {
    case DateCheck::BadFebruary:
        return InputProblem::BadFebruary;
    case DateCheck::BadThirtyFirst:
        return InputProblem::BadThirtyFirst;
    case DateCheck::Valid:
        break;
    }
    if (entry.year < firstYear || entry.year > lastYear)
        return InputProblem::YearOutOfRange;
    const QDate date(entry.year, entry.month, entry.day);
    if (!date.isValid())   // a day or month outside the lists (a damaged file)
        return InputProblem::BadThirtyFirst;
    return date;
}

} // namespace calendar
