#include "overview/two_people_texts.h"

#include "overview/tile_texts.h"
#include "overview/two_people.h"

namespace overview {

QString pairName(const TwoPeople &match)
{
    return QStringLiteral("%1 and %2").arg(match.first.name, match.second.name);
}

QString signName(const TwoPeople::Person &person)
{
    return person.element + QLatin1Char(' ') + person.animal;
}

QString signName(const TwoPeople::Person &person, chinese::Tradition tradition)
{
    if (tradition == chinese::Tradition::China)
        return signName(person);
    return QStringLiteral("%1 (%2)").arg(chinese::yearName(tradition, person.element, person.animal), person.nativeName);
}

QString birthDetail(const TwoPeople::Person &person, chinese::YearStart start)
{
    return QStringLiteral("Born %1, in the Chinese year from %2 to %3, counted from %4")
        .arg(dayMonthYear(person.birthDate), dayMonthYear(person.firstDay), dayMonthYear(person.lastDay),
             yearStartName(start));
}

QString birthDetail(const TwoPeople::Person &person, chinese::YearStart start, chinese::Tradition tradition)
{
    if (tradition == chinese::Tradition::China)
        return birthDetail(person, start);
    return QStringLiteral("Born %1, in the year from %2 to %3, counted from %4 as in %5")
        .arg(dayMonthYear(person.birthDate), dayMonthYear(person.firstDay), dayMonthYear(person.lastDay),
             chinese::newYearName(tradition, start), chinese::traditionName(tradition));
}

QString relationTitle(const chinese::RelationText &text)
{
    return text.chinese.isEmpty() ? text.english : QStringLiteral("%1 (%2)").arg(text.english, text.chinese);
}

QList<chinese::RelationText> shownRelations(const TwoPeople &match)
{
    QList<chinese::RelationText> texts = relationTexts(match);
    if (texts.isEmpty()) {
        texts.append({QStringLiteral("No Relation"), QString(),
                      QStringLiteral("The tradition names neither a bond nor a conflict between the %1 and the %2.")
                          .arg(chinese::traditionAnimal(match.tradition, match.first.animal),
                               chinese::traditionAnimal(match.tradition, match.second.animal))});
    }
    return texts;
}

} // namespace overview
