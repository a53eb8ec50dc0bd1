#pragma once

#include "chinese/branch_relations.h"
#include "chinese/calendar/chinese_calendar.h"

#include <QDate>
#include <QList>
#include <QString>

// The coming Chinese years as they stand to one person's animal.
namespace chinese {

// What a year's animal means for a person's animal, one each: the first that holds in this order.
// The own year comes first although four animals also punish themselves; a year in harmony and
// at odds at once (the Snake in a Monkey year) counts as at odds, as the yearly outlooks have it.
enum class YearOutlook { OwnYear, Clash, Punishment, Harm, Break, Harmony, Trine, None };

struct YearAhead
{
    QDate firstDay;    // both days belong to the year
    QDate lastDay;
    QString element;
    QString animal;
    YearOutlook outlook = YearOutlook::None;
};

YearOutlook yearOutlook(Branch person, Branch year);

// The Chinese years by the given start from the one running on `from` onwards, count of them at
// most: fewer when the table ends first (it holds the year running on 31 December 2100 last).
// Empty for an unknown animal ("Rat" .. "Pig") or a date the table does not cover.
// The years are the tradition's (Tết, Seollal or 1 January begins them); animals named as China does.
QList<YearAhead> yearsAhead(const QString &animal, const QDate &from, YearStart start, int count = 12,
                            Tradition tradition = Tradition::China);

} // namespace chinese
