#include "chinese/years_ahead_block.h"

#include "chinese/calendar/tradition.h"
#include "chinese/relation_texts.h"
#include "chinese/years_ahead.h"

namespace chinese {

YearsAheadBlock yearsAheadBlock(const QString &animal, const QDate &from, YearStart start, Tradition tradition)
{
    YearsAheadBlock block;
    for (const YearAhead &year : yearsAhead(animal, from, start, 12, tradition)) {
        QString line = yearAheadLine(year, animal);
        if (tradition != Tradition::China && !line.isEmpty()) {
            // "Wood Buffalo, …" and the explanation with the tradition's animals.
            const qsizetype chinaName = year.element.size() + 1 + year.animal.size();
            line = yearName(tradition, year.element, year.animal) + inTraditionWords(tradition, line.mid(chinaName));
        }
        block.lines.append(line);
    }
    if (!block.lines.isEmpty())
        block.title = QStringLiteral("The Years Ahead for the %1").arg(traditionAnimal(tradition, animal));
    return block;
}

} // namespace chinese
