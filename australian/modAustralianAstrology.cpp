#include "australian/modAustralianAstrology.h"

#include "common/calendar_lists.h"
#include "common/content.h"

namespace australian {

namespace {

constexpr const char *animals[SignCount] = {
    "Galah", "Koala", "Dingbat", "Western Swamp Turtle", "Kangaroo", "Northern Hairy-nosed Wombat",
    "Platypus", "Possum", "Numbat", "Dibbler", "Dingo", "Emu",
};

// "Western Swamp Turtle" -> "australian/western-swamp-turtle", the name of its text and its picture.
QString contentStem(const QString &animal)
{
    return QStringLiteral("australian/") + animal.toLower().replace(QLatin1Char(' '), QLatin1Char('-'));
}

} // namespace

const std::array<AustralianSignRow, SignCount> &LoadAustralianSignTable()
{
    static const std::array<AustralianSignRow, SignCount> table = [] {
        std::array<AustralianSignRow, SignCount> rows;
        for (int position = 0; position < SignCount; ++position) {
            const QString animal = QLatin1String(animals[position]);
            rows[position] = {animal, content::text(contentStem(animal) + QStringLiteral(".txt"))};
        }
        return rows;
    }();
    return table;
}

QString FindAustralianSign(const QString &monthName)
{
    const int month = calendar::monthNumber(monthName);
    return month == 0 ? QString() : QLatin1String(animals[month - 1]);
}

std::optional<AustralianSignRow> findSignRow(const QString &animal)
{
    for (const AustralianSignRow &row : LoadAustralianSignTable()) {
        if (row.animal == animal)
            return row;
    }
    return std::nullopt;
}

QString picturePath(const QString &animal)
{
    if (!findSignRow(animal))
        return {};
    return content::picturePath(contentStem(animal) + QStringLiteral(".jpg"));
}

} // namespace australian
