#include "overview/match_output.h"

#include "chinese/calendar/year_start.h"
#include "overview/two_people.h"

#include <QJsonArray>

namespace overview {

namespace {

QString textLine(const chinese::RelationText &text)
{
    return QStringLiteral("%1 (%2): %3\n").arg(text.english, text.chinese, text.explanation);
}

QJsonObject personJson(const TwoPeople::Person &person)
{
    return QJsonObject{
        {QStringLiteral("date"), person.birthDate.toString(Qt::ISODate)},
        {QStringLiteral("animal"), person.animalName},
        {QStringLiteral("nativeName"), person.nativeName},
        {QStringLiteral("element"), person.element},
    };
}

} // namespace

QString matchText(const TwoPeople &match)
{
    QString text;
    for (const auto &[label, person] : {std::pair{QStringLiteral("First"), &match.first},
                                        std::pair{QStringLiteral("Second"), &match.second}}) {
        text += QStringLiteral("%1: %2 (%3)\n")
                    .arg(label, chinese::yearName(match.tradition, person->element, person->animal),
                         person->birthDate.toString(Qt::ISODate));
    }
    const QList<chinese::RelationText> relations = relationTexts(match);
    if (relations.isEmpty())
        text += QStringLiteral("Relations: none\n");
    for (const chinese::RelationText &relation : relations)
        text += textLine(relation);
    text += textLine(elementsText(match));
    text += QStringLiteral("Summary: %1\n").arg(match.summary);
    return text;
}

QJsonObject matchJson(const TwoPeople &match)
{
    QJsonArray relations;
    for (const chinese::BranchRelation relation : match.relations)
        relations.append(chinese::relationKey(relation));
    return QJsonObject{
        {QStringLiteral("first"), personJson(match.first)},
        {QStringLiteral("second"), personJson(match.second)},
        {QStringLiteral("yearStart"), chinese::yearStartKey(match.yearStart)},
        {QStringLiteral("tradition"), chinese::traditionKey(match.tradition)},
        {QStringLiteral("relations"), relations},
        {QStringLiteral("elements"), chinese::elementRelationKey(match.elements)},
        {QStringLiteral("summary"), match.summary},
    };
}

} // namespace overview
