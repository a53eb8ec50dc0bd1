#include "chinese/calendar/chinese_date.h"

#include "chinese/calendar/stem_branch.h"

namespace chinese {

QString ordinal(int number)
{
    const int lastTwo = number % 100;
    const int last = number % 10;
    const char *suffix = "th";
    if (lastTwo < 11 || lastTwo > 13)
        suffix = last == 1 ? "st" : last == 2 ? "nd" : last == 3 ? "rd" : "th";
    return QString::number(number) + QLatin1String(suffix);
}

QString ChineseDate::text() const
{
    return QStringLiteral("%1 day of the %2%3 month")
        .arg(ordinal(day), leap ? QStringLiteral("leap ") : QString(), ordinal(month));
}

QString ChineseDate::yearTitle() const
{
    return yearTitle(Tradition::China);
}

QString ChineseDate::textWithYear() const
{
    return textWithYear(Tradition::China);
}

QString ChineseDate::yearTitle(Tradition tradition) const
{
    // The cycle of years counts 甲子 from 1984 (and so from 4 AD).
    return QStringLiteral("Year of the ") + traditionAnimal(tradition, StemBranch::fromCycleIndex(year - 4).animal());
}

QString ChineseDate::textWithYear(Tradition tradition) const
{
    return text() + QStringLiteral(", ") + yearTitle(tradition);
}

} // namespace chinese
