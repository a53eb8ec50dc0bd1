#include "chinese/years_ahead_block.h"

#include "chinese/relation_texts.h"
#include "chinese/years_ahead.h"

namespace chinese {

YearsAheadBlock yearsAheadBlock(const QString &animal, const QDate &from, YearStart start)
{
    YearsAheadBlock block;
    for (const YearAhead &year : yearsAhead(animal, from, start, 12))
        block.lines.append(yearAheadLine(year, animal));
    if (!block.lines.isEmpty())
        block.title = QStringLiteral("The Years Ahead for the %1").arg(animal);
    return block;
}

} // namespace chinese
