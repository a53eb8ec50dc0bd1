#include "mayan/modMayanAnimalMoonSign.h"

#include "common/calendar_lists.h"
#include "common/content.h"

namespace mayan {

namespace {

struct Fields
{
    const char *mayanName;
    const char *englishName;
    const char *crystal;
    const char *pictureFile;
};

// Quoted as the result form shows them, spellings included.
constexpr Fields fields[SignCount] = {
    {"Tzootz", "Bat", "Rainbow Obsidan", "01bat.jpg"},
    {"Dzec", "Scorpion", "Yellow Topaz", "02scorpion.jpg"},
    {"Keh", "Deer / Stag", "Cymophaene", "03deer.jpg"},
    {"Moan", "Owl", "Fire Opal", "04owl.jpg"},
    {"Cutz", "Peacock", "Red Topaz", "05peacock.jpg"},
    {"Xibkay", "Lizard", "Garnet And Ruby", "06lizard.jpg"},
    {"Batz", "Monkey", "Pearl", "07monkey.jpg"},
    {"Coz", "Hawk", "Amethyst", "08hawk.jpg"},
    {"Jaguar", "Balam", "Alexandrite", "09balam.jpg"},
    {"Pek", "Dog", "Pearl", "10dog.jpg"},
    {"Kaw", "Snake", "Emereld", "11snake.jpg"},
    {"Tzub", "Rabbit", "Malaquite", "12rabbit.jpg"},
    {"Aak", "Turtle / Tortoise", "Serpentine", "13turtle.jpg"},
};

// Each month is split at its change-over day: the days before it keep the sign running on
// from the month before, the change-over day and later days take the next sign. May has two.
struct MonthSplit
{
    const char *before;
    int changeDay;
    const char *from;
    int secondChangeDay;   // 0: none
    const char *fromSecond;
};

constexpr MonthSplit months[12] = {
    {"Xibkay", 10, "Batz", 0, nullptr},   // January
    {"Batz", 7, "Coz", 0, nullptr},       // February
    {"Coz", 7, "Jaguar", 0, nullptr},     // March
    {"Jaguar", 4, "Pek", 0, nullptr},     // April
    {"Pek", 2, "Kaw", 30, "Tzub"},        // May
    {"Tzub", 27, "Aak", 0, nullptr},      // June
    {"Aak", 26, "Tzootz", 0, nullptr},    // July
    {"Tzootz", 22, "Dzec", 0, nullptr},   // August
    {"Dzec", 20, "Keh", 0, nullptr},      // September
    {"Keh", 18, "Moan", 0, nullptr},      // October
    {"Moan", 15, "Cutz", 0, nullptr},     // November
    {"Cutz", 13, "Xibkay", 0, nullptr},   // December
};

} // namespace

const std::array<MayanSignRow, SignCount> &LoadMayanSignTable()
{
    static const std::array<MayanSignRow, SignCount> table = [] {
        std::array<MayanSignRow, SignCount> rows;
        for (int position = 0; position < SignCount; ++position) {
            const Fields &f = fields[position];
            const QString name = QLatin1String(f.mayanName);
            rows[position] = {name, QLatin1String(f.englishName), QLatin1String(f.crystal),
                              content::text(QStringLiteral("mayan/") + name.toLower() + QStringLiteral(".txt")),
                              position + 1};
        }
        return rows;
    }();
    return table;
}

QString FindMayanSign(const QString &monthName, int day)
{
    const int month = calendar::monthNumber(monthName);
    if (month == 0 || day < 1 || day > 31)
        return {};
    const MonthSplit &split = months[month - 1];
    if (split.secondChangeDay != 0 && day >= split.secondChangeDay)
        return QLatin1String(split.fromSecond);
    return QLatin1String(day >= split.changeDay ? split.from : split.before);
}

std::optional<MayanSignRow> findSignRow(const QString &mayanName)
{
    for (const MayanSignRow &row : LoadMayanSignTable()) {
        if (row.mayanName == mayanName)
            return row;
    }
    return std::nullopt;
}

QString picturePath(int picture)
{
    if (picture < 1 || picture > SignCount)
        return {};
    return content::picturePath(QStringLiteral("mayan/") + QLatin1String(fields[picture - 1].pictureFile));
}

} // namespace mayan
