#pragma once

#include "chinese/branch_relations.h"
#include "chinese/calendar/chinese_calendar.h"
#include "chinese/element_relation.h"
#include "chinese/relation_texts.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

// Two people held against each other by their Chinese signs: the animals' relations and the
// elements' relation, with a summary weighing them.
struct TwoPeople
{
    struct Person
    {
        QString name;          // trimmed; may be empty (the command line has none)
        QDate birthDate;
        QString element;       // of the Chinese year holding the birth date
        QString animal;        // as China names it
        QDate firstDay;        // that year, both days included
        QDate lastDay;
        QString animalName;    // as the match's tradition names it ("Cat"), and in its language
        QString nativeName;
    };

    Person first;
    Person second;
    chinese::YearStart yearStart = chinese::YearStart::LunarNewYear;
    chinese::Tradition tradition = chinese::Tradition::China;   // whose calendar gives the years
    QList<chinese::BranchRelation> relations;   // every one that holds, in BranchRelation order
    chinese::ElementRelation elements = chinese::ElementRelation::Same;
    QString summary;                            // one sentence
};

namespace overview {

// The check that failed when two people could not be matched.
enum class TwoPeopleProblem { None, FirstDate, SecondDate };

// The match of two people, each year beginning as start says. Nothing, with the failing check in
// *problem when given, for an invalid birth date or one outside 1900-01-01 .. 2100-12-31; the
// first person's date is checked first. Names are only trimmed and kept.
std::optional<TwoPeople> twoPeople(const QString &firstName, const QDate &firstBirthDate,
                                   const QString &secondName, const QDate &secondBirthDate,
                                   chinese::YearStart start = chinese::YearStart::LunarNewYear,
                                   TwoPeopleProblem *problem = nullptr,
                                   chinese::Tradition tradition = chinese::Tradition::China);

// The texts of the match's relations, in its order, and of its elements.
QList<chinese::RelationText> relationTexts(const TwoPeople &match);
chinese::RelationText elementsText(const TwoPeople &match);

// The summary of the relations between the animals a and b, which the tradition weighs in this
// order: the harmonies favourable (the six before the three), the same sign neither, and clash,
// harm, punishment and break against, from the gravest to the mildest. The first favourable
// relation leads and any unfavourable ones temper it; without one the gravest unfavourable leads.
QString matchSummary(const QList<chinese::BranchRelation> &relations, chinese::Branch a, chinese::Branch b);

} // namespace overview
