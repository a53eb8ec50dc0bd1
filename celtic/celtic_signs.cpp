#include "celtic/celtic_signs.h"

#include "common/content.h"

#include <QStringList>

#include <array>

namespace celtic {
namespace {

struct Span
{
    int month;
    int firstDay;
    int lastDay;
    int picture;
};

// Grouped by month, ascending, not overlapping; positions are 0-based.
constexpr std::array<Span, 26> calendar = {{
    {0, 0, 19, 1},   {0, 20, 30, 2},   // January: Stag, Crane
    {1, 0, 16, 2},   {1, 17, 28, 3},   // February: Crane, Seal (29th included)
    {2, 0, 16, 3},   {2, 17, 30, 4},   // March: Seal, Bear
    {3, 0, 13, 4},   {3, 14, 29, 5},   // April: Bear, Adder
    {4, 0, 11, 5},   {4, 12, 30, 6},   // May: Adder, Bee
    {5, 0, 8, 6},    {5, 9, 29, 7},    // June: Bee, Otter
    {6, 0, 6, 7},    {6, 7, 30, 8},    // July: Otter, Cat
    {7, 0, 3, 8},    {7, 4, 30, 9},    // August: Cat, Salmon
    {8, 0, 0, 9},    {8, 1, 28, 10},   {8, 29, 29, 11},   // September: Salmon, Swan, Goose
    {9, 0, 26, 11},  {9, 27, 30, 12},  // October: Goose, Owl
    {10, 0, 23, 12}, {10, 24, 29, 13}, // November: Owl, Raven
    {11, 0, 21, 13}, {11, 22, 22, 14}, {11, 23, 30, 1},   // December: Raven, Wren, Stag
}};

} // namespace

const QStringList &signNames()
{
    static const QStringList names = {
        QStringLiteral("Stag"), QStringLiteral("Crane"), QStringLiteral("Seal"), QStringLiteral("Bear"),
        QStringLiteral("Adder"), QStringLiteral("Bee"), QStringLiteral("Otter"), QStringLiteral("Cat"),
        QStringLiteral("Salmon"), QStringLiteral("Swan"), QStringLiteral("Goose"), QStringLiteral("Owl"),
        QStringLiteral("Raven"), QStringLiteral("Wren")};
    return names;
}

std::optional<CalendarRow> findSign(int monthPos, int dayPos)
{
    for (const Span &span : calendar) {
        if (span.month == monthPos && span.firstDay <= dayPos && dayPos <= span.lastDay)
            return CalendarRow{span.month, span.firstDay, span.lastDay, signNames().at(span.picture - 1), span.picture};
    }
    return std::nullopt;
}

QString picturePath(int picture)
{
    if (picture < 1 || picture > signNames().size())
        return {};
    return content::picturePath(QStringLiteral("celtic/%1.jpg").arg(signNames().at(picture - 1).toLower()));
}

} // namespace celtic
