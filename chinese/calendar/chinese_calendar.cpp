#include "chinese/calendar/chinese_calendar.h"

#include "common/content.h"

#include <algorithm>

namespace chinese {
namespace {

struct YearSpan
{
    int firstYear, firstMonth, firstDay;
    int lastYear, lastMonth, lastDay;
    const char *element;
    const char *animal;
};

// Generated once from a lunar-calendar library (see its header); nothing is computed at run time.
#include "chinese/calendar/chinese_years.inc"

template<std::size_t N>
QList<NewYearRow> rowsOf(const YearSpan (&spans)[N])
{
    QList<NewYearRow> rows;
    rows.reserve(N);
    for (const YearSpan &span : spans)
        rows.append({QDate(span.firstYear, span.firstMonth, span.firstDay),
                     QDate(span.lastYear, span.lastMonth, span.lastDay), QString::fromLatin1(span.element),
                     QString::fromLatin1(span.animal)});
    return rows;
}

} // namespace

QDate firstCoveredDay()
{
    return QDate(1900, 1, 1);
}

QDate lastCoveredDay()
{
    return QDate(2100, 12, 31);
}

const QList<NewYearRow> &newYearTable(YearStart start)
{
    static const QList<NewYearRow> lunarNewYear = rowsOf(lunarNewYearSpans);
    static const QList<NewYearRow> startOfSpring = rowsOf(startOfSpringSpans);
    return start == YearStart::StartOfSpring ? startOfSpring : lunarNewYear;
}

std::optional<NewYearRow> findNewYear(const QDate &birthDate, YearStart start)
{
    if (!birthDate.isValid() || birthDate < firstCoveredDay() || birthDate > lastCoveredDay())
        return std::nullopt;
    const QList<NewYearRow> &table = newYearTable(start);
    // The first row that begins after the date; the one before it holds the date.
    const auto after = std::upper_bound(table.cbegin(), table.cend(), birthDate,
                                        [](const QDate &date, const NewYearRow &row) { return date < row.firstDay; });
    if (after == table.cbegin())
        return std::nullopt;
    const NewYearRow &row = *(after - 1);
    if (birthDate > row.lastDay)
        return std::nullopt;
    return row;
}

const QStringList &animalNames()
{
    static const QStringList names = {
        QStringLiteral("Rat"),   QStringLiteral("Ox"),     QStringLiteral("Tiger"),   QStringLiteral("Rabbit"),
        QStringLiteral("Dragon"), QStringLiteral("Snake"), QStringLiteral("Horse"),   QStringLiteral("Goat"),
        QStringLiteral("Monkey"), QStringLiteral("Rooster"), QStringLiteral("Dog"),   QStringLiteral("Pig")};
    return names;
}

QString picturePath(const QString &animal)
{
    if (!animalNames().contains(animal))
        return {};
    return content::picturePath(QStringLiteral("chinese/%1.jpg").arg(animal.toLower()));
}

const QStringList &elementNames()
{
    static const QStringList names = {QStringLiteral("Fire"), QStringLiteral("Earth"), QStringLiteral("Metal"),
                                      QStringLiteral("Water"), QStringLiteral("Wood")};
    return names;
}

} // namespace chinese
