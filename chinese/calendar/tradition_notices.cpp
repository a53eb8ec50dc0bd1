#include "chinese/calendar/tradition_notices.h"

#include "chinese/calendar/lunar_calendar.h"

#include <QLocale>

namespace chinese {

namespace {

QString dayMonth(const QDate &date)
{
    return QLocale::c().toString(date, QStringLiteral("d MMMM"));
}

// "a day before", "12 days after", "a month before" (a lunar month apart).
QString distance(const QDate &from, const QDate &to)
{
    const qint64 days = from.daysTo(to);
    const qint64 size = days < 0 ? -days : days;
    const QString amount = size == 1 ? QStringLiteral("a day")
                           : size == 29 || size == 30 ? QStringLiteral("a month")
                                                      : QStringLiteral("%1 days").arg(size);
    return amount + (days > 0 ? QStringLiteral(" before") : QStringLiteral(" after"));
}

// The last day of the last month in which South Vietnam's calendar (China's) and the North's differ.
const QDate southVietnamLastDay(1975, 5, 10);

QString capitalised(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

} // namespace

QString yearWithArticle(Tradition tradition, const NewYearRow &year)
{
    const QString name = yearName(tradition, year.element, year.animal);
    const bool vowel = QStringLiteral("AEIOU").contains(name.at(0));
    return (vowel ? QStringLiteral("an ") : QStringLiteral("a ")) + name;
}

QStringList traditionNotices(Tradition tradition, const QDate &birthDate, YearStart start)
{
    QStringList notices;
    if (tradition == Tradition::China)
        return notices;
    const std::optional<NewYearRow> there = findNewYear(birthDate, start, tradition);
    const std::optional<NewYearRow> china = findNewYear(birthDate, start, Tradition::China);
    if (!there || !china)
        return notices;
    const QString born = QLocale::c().toString(birthDate, QStringLiteral("d MMMM yyyy"));
    const QString name = traditionName(tradition);
    if (there->animal != china->animal || there->element != china->element) {
        const QString whatThere = yearWithArticle(tradition, *there);
        const QString whatInChina = yearWithArticle(Tradition::China, *china);
        if (tradition == Tradition::Japan && start == YearStart::LunarNewYear) {
            notices << QStringLiteral("In Japan the year of the animal has begun on 1 January since 1873: born on %1 "
                                      "you are %2 there, %3 in China.")
                           .arg(born, whatThere, whatInChina);
        } else {
            // The new year that only one of the two had reached by the birth date: the tradition's
            // where its year is already the next one.
            const bool earlierThere = there->firstDay > china->firstDay;
            const QDate ownDay = earlierThere ? there->firstDay : there->lastDay.addDays(1);
            const QDate chinaDay = earlierThere ? china->lastDay.addDays(1) : china->firstDay;
            notices << QStringLiteral("In %1 %2 %3 fell on %4, %5 %6: born on %7 you are %8 there, %9 in China.")
                           .arg(name, capitalised(newYearName(tradition, start)), QString::number(ownDay.year()),
                                dayMonth(ownDay), distance(ownDay, chinaDay),
                                newYearName(Tradition::China, start), born, whatThere, whatInChina);
        }
    }
    const std::optional<ChineseDate> lunarThere = chineseDate(birthDate, tradition);
    const std::optional<ChineseDate> lunarChina = chineseDate(birthDate, Tradition::China);
    if (lunarThere && lunarChina && !(*lunarThere == *lunarChina)) {
        notices << QStringLiteral("In %1 your lunar date of birth is the %2, in China the %3.")
                       .arg(name, lunarThere->text(), lunarChina->text());
        // The North reckoned for UTC+7 from 8 August 1967; the South kept China's calendar.
        if (tradition == Tradition::Vietnam && birthDate <= southVietnamLastDay) {
            notices << QStringLiteral("South Vietnam kept China's calendar until 1975, so there the day was the %1%2.")
                           .arg(lunarChina->text(), lunarChina->year != lunarThere->year
                                                        ? QStringLiteral(", still in the %1").arg(lunarChina->yearTitle(tradition))
                                                        : QString());
        }
    }
    return notices;
}

} // namespace chinese
