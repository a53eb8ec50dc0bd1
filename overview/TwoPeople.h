#pragma once

#include "chinese/branch_relations.h"
#include "chinese/chinese_calendar.h"
#include "chinese/element_relation.h"

#include <QDate>
#include <QList>
#include <QString>

// Two people held against each other by their Chinese signs: the animals' relations and the
// elements' relation, with a summary weighing them.
struct TwoPeople
{
    struct Person
    {
        QString name;          // trimmed; may be empty (the command line has none)
        QDate birthDate;
        QString element;       // of the Chinese year holding the birth date
        QString animal;
        QDate firstDay;        // that year, both days included
        QDate lastDay;
    };

    Person first;
    Person second;
    chinese::YearStart yearStart = chinese::YearStart::LunarNewYear;
    QList<chinese::BranchRelation> relations;   // every one that holds, in BranchRelation order
    chinese::ElementRelation elements = chinese::ElementRelation::Same;
    QString summary;                            // one sentence
};
