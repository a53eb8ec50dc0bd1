#include "chinese/chinese_calendar.h"

namespace chinese {
namespace {

struct Span
{
    int firstYear, firstMonth, firstDay;
    int lastYear, lastMonth, lastDay;
    const char *element;
    const char *animal;
};

// Chinese new-year days as they fell in the years the input form offers.
constexpr Span spans[] = {
    {1936, 1, 1, 1936, 1, 23, "Wood", "Pig"},
    {1936, 1, 24, 1937, 2, 10, "Fire", "Rat"},
    {1937, 2, 11, 1938, 1, 30, "Fire", "Ox"},
    {1938, 1, 31, 1939, 2, 18, "Earth", "Tiger"},
    {1939, 2, 19, 1940, 2, 7, "Earth", "Rabbit"},
    {1940, 2, 8, 1941, 1, 26, "Metal", "Dragon"},
    {1941, 1, 27, 1942, 2, 14, "Metal", "Snake"},
    {1942, 2, 15, 1943, 2, 4, "Water", "Horse"},
    {1943, 2, 5, 1944, 1, 24, "Water", "Goat"},
    {1944, 1, 25, 1945, 2, 12, "Wood", "Monkey"},
    {1945, 2, 13, 1946, 2, 1, "Wood", "Rooster"},
    {1946, 2, 2, 1947, 1, 21, "Fire", "Dog"},
    {1947, 1, 22, 1948, 2, 9, "Fire", "Pig"},
    {1948, 2, 10, 1949, 1, 28, "Earth", "Rat"},
    {1949, 1, 29, 1950, 2, 16, "Earth", "Ox"},
    {1950, 2, 17, 1951, 2, 5, "Metal", "Tiger"},
    {1951, 2, 6, 1952, 1, 26, "Metal", "Rabbit"},
    {1952, 1, 27, 1953, 2, 13, "Water", "Dragon"},
    {1953, 2, 14, 1954, 2, 2, "Water", "Snake"},
    {1954, 2, 3, 1955, 1, 23, "Wood", "Horse"},
    {1955, 1, 24, 1956, 2, 11, "Wood", "Goat"},
    {1956, 2, 12, 1957, 1, 30, "Fire", "Monkey"},
    {1957, 1, 31, 1958, 2, 17, "Fire", "Rooster"},
    {1958, 2, 18, 1959, 2, 7, "Earth", "Dog"},
    {1959, 2, 8, 1960, 1, 27, "Earth", "Pig"},
    {1960, 1, 28, 1961, 2, 14, "Metal", "Rat"},
    {1961, 2, 15, 1962, 2, 4, "Metal", "Ox"},
    {1962, 2, 5, 1963, 1, 24, "Water", "Tiger"},
    {1963, 1, 25, 1964, 2, 12, "Water", "Rabbit"},
    {1964, 2, 13, 1965, 2, 1, "Wood", "Dragon"},
    {1965, 2, 2, 1966, 1, 20, "Wood", "Snake"},
    {1966, 1, 21, 1967, 2, 8, "Fire", "Horse"},
    {1967, 2, 9, 1968, 1, 29, "Fire", "Goat"},
    {1968, 1, 30, 1969, 2, 16, "Earth", "Monkey"},
    {1969, 2, 17, 1970, 2, 5, "Earth", "Rooster"},
    {1970, 2, 6, 1971, 1, 26, "Metal", "Dog"},
    {1971, 1, 27, 1972, 2, 14, "Metal", "Pig"},
    {1972, 2, 15, 1973, 2, 2, "Water", "Rat"},
    {1973, 2, 3, 1974, 1, 22, "Water", "Ox"},
    {1974, 1, 23, 1975, 2, 10, "Wood", "Tiger"},
    {1975, 2, 11, 1976, 1, 30, "Wood", "Rabbit"},
    {1976, 1, 31, 1977, 2, 17, "Fire", "Dragon"},
    {1977, 2, 18, 1978, 2, 6, "Fire", "Snake"},
    {1978, 2, 7, 1979, 1, 27, "Earth", "Horse"},
    {1979, 1, 28, 1980, 2, 15, "Earth", "Goat"},
    {1980, 2, 16, 1981, 2, 4, "Metal", "Monkey"},
    {1981, 2, 5, 1982, 1, 24, "Metal", "Rooster"},
    {1982, 1, 25, 1983, 2, 12, "Water", "Dog"},
    {1983, 2, 13, 1984, 2, 1, "Water", "Pig"},
    {1984, 2, 2, 1985, 2, 19, "Wood", "Rat"},
    {1985, 2, 20, 1986, 2, 8, "Wood", "Ox"},
    {1986, 2, 9, 1987, 1, 28, "Fire", "Tiger"},
    {1987, 1, 29, 1988, 2, 16, "Fire", "Rabbit"},
    {1988, 2, 17, 1989, 2, 5, "Earth", "Dragon"},
    {1989, 2, 6, 1990, 1, 26, "Earth", "Snake"},
    {1990, 1, 27, 1991, 2, 14, "Metal", "Horse"},
    {1991, 2, 15, 1992, 2, 3, "Metal", "Goat"},
    {1992, 2, 4, 1993, 1, 22, "Water", "Monkey"},
    {1993, 1, 23, 1994, 2, 9, "Water", "Rooster"},
    {1994, 2, 10, 1995, 1, 30, "Wood", "Dog"},
    {1995, 1, 31, 1996, 2, 18, "Wood", "Pig"},
    {1996, 2, 19, 1997, 2, 6, "Fire", "Rat"},
    {1997, 2, 7, 1998, 1, 27, "Fire", "Ox"},
    {1998, 1, 28, 1999, 2, 15, "Earth", "Tiger"},
    {1999, 2, 16, 2000, 2, 4, "Earth", "Rabbit"},
    {2000, 2, 5, 2001, 1, 23, "Metal", "Dragon"},
    {2001, 1, 24, 2002, 2, 11, "Metal", "Snake"},
    {2002, 2, 12, 2003, 1, 31, "Water", "Horse"},
    {2003, 2, 1, 2004, 1, 21, "Water", "Goat"},
    {2004, 1, 22, 2005, 2, 8, "Wood", "Monkey"},
    {2005, 2, 9, 2006, 1, 28, "Wood", "Rooster"},
    {2006, 1, 29, 2007, 2, 17, "Fire", "Dog"},
    {2007, 2, 18, 2008, 2, 6, "Fire", "Pig"},
    {2008, 2, 7, 2008, 12, 31, "Earth", "Rat"},
};

} // namespace

const QList<NewYearRow> &newYearTable()
{
    static const QList<NewYearRow> table = [] {
        QList<NewYearRow> rows;
        rows.reserve(std::size(spans));
        for (const Span &span : spans)
            rows.append({QDate(span.firstYear, span.firstMonth, span.firstDay),
                         QDate(span.lastYear, span.lastMonth, span.lastDay), QString::fromLatin1(span.element),
                         QString::fromLatin1(span.animal)});
        return rows;
    }();
    return table;
}

std::optional<NewYearRow> findNewYear(const QDate &birthDate)
{
    if (!birthDate.isValid())
        return std::nullopt;
    for (const NewYearRow &row : newYearTable()) {
        if (row.firstDay <= birthDate && birthDate <= row.lastDay)
            return row;
    }
    return std::nullopt;
}

const QStringList &animalNames()
{
    static const QStringList names = {
        QStringLiteral("Rat"),   QStringLiteral("Ox"),     QStringLiteral("Tiger"),   QStringLiteral("Rabbit"),
        QStringLiteral("Dragon"), QStringLiteral("Snake"), QStringLiteral("Horse"),   QStringLiteral("Goat"),
        QStringLiteral("Monkey"), QStringLiteral("Rooster"), QStringLiteral("Dog"),   QStringLiteral("Pig")};
    return names;
}

const QStringList &elementNames()
{
    static const QStringList names = {QStringLiteral("Fire"), QStringLiteral("Earth"), QStringLiteral("Metal"),
                                      QStringLiteral("Water"), QStringLiteral("Wood")};
    return names;
}

} // namespace chinese
