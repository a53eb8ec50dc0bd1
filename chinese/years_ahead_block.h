#pragma once

#include "chinese/calendar/chinese_calendar.h"

#include <QDate>
#include <QString>
#include <QStringList>

// The coming Chinese years of one person as the Chinese result and report show them.
namespace chinese {

struct YearsAheadBlock
{
    QString title;       // "The Years Ahead for the Horse"
    QStringList lines;   // one per year, as yearAheadLine() words it, the year running on `from` first
};

// Twelve years from the one running on `from`, by the given year start (fewer where the year
// table ends first). An empty block for an animal other than "Rat" .. "Pig" or a date the table
// does not cover.
YearsAheadBlock yearsAheadBlock(const QString &animal, const QDate &from, YearStart start,
                                Tradition tradition = Tradition::China);

} // namespace chinese
