#include "chinese/calendar/chinese_calendar.h"

#include <QtTest>

using chinese::YearStart;

Q_DECLARE_METATYPE(chinese::YearStart)

class TestChineseCalendar : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void boundaries_data();
    void boundaries();
    void everyYearBoundary_data();
    void everyYearBoundary();
    void everyDayLiesInExactlyOneRow_data();
    void everyDayLiesInExactlyOneRow();
    void rowsFollowTheCycles_data();
    void rowsFollowTheCycles();
    void datesOutsideTheTableHaveNoRow_data();
    void datesOutsideTheTableHaveNoRow();
};

namespace {

void addBothStarts()
{
    QTest::addColumn<YearStart>("start");
    QTest::newRow("lunar new year") << YearStart::LunarNewYear;
    QTest::newRow("start of spring") << YearStart::StartOfSpring;
}

QString rowText(const chinese::NewYearRow &row)
{
    return QStringLiteral("%1..%2 %3 %4")
        .arg(row.firstDay.toString(Qt::ISODate), row.lastDay.toString(Qt::ISODate), row.element, row.animal);
}

} // namespace

void TestChineseCalendar::boundaries_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<YearStart>("start");
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("animal");
    constexpr auto lunar = YearStart::LunarNewYear;
    constexpr auto spring = YearStart::StartOfSpring;
    const struct { const char *row; int y, m, d; YearStart start; const char *element, *animal; } rows[] = {
        {"1 Jan 1900 the Earth Pig of 1899", 1900, 1, 1, lunar, "Earth", "Pig"},
        {"1 Jan 1900 the Earth Pig of 1899 by spring", 1900, 1, 1, spring, "Earth", "Pig"},
        {"30 Jan 1900 last Earth Pig day", 1900, 1, 30, lunar, "Earth", "Pig"},
        {"31 Jan 1900 first Metal Rat day", 1900, 1, 31, lunar, "Metal", "Rat"},
        {"31 Jan 1900 still Earth Pig by spring", 1900, 1, 31, spring, "Earth", "Pig"},
        {"1 Jan 1936 still the Wood Pig of 1935", 1936, 1, 1, lunar, "Wood", "Pig"},
        {"23 Jan 1936 last Wood Pig day", 1936, 1, 23, lunar, "Wood", "Pig"},
        {"24 Jan 1936 first Fire Rat day", 1936, 1, 24, lunar, "Fire", "Rat"},
        {"10 Feb 1937 last Fire Rat day", 1937, 2, 10, lunar, "Fire", "Rat"},
        {"11 Feb 1937 first Fire Ox day", 1937, 2, 11, lunar, "Fire", "Ox"},
        {"27 Jan 1960 Earth Pig", 1960, 1, 27, lunar, "Earth", "Pig"},
        {"28 Jan 1960 Metal Rat", 1960, 1, 28, lunar, "Metal", "Rat"},
        {"5 Mar 1970 Metal Dog", 1970, 3, 5, lunar, "Metal", "Dog"},
        {"5 Feb 1970 Earth Rooster", 1970, 2, 5, lunar, "Earth", "Rooster"},
        {"19 Feb 1985 Wood Rat", 1985, 2, 19, lunar, "Wood", "Rat"},
        {"20 Feb 1985 Wood Ox", 1985, 2, 20, lunar, "Wood", "Ox"},
        {"29 Feb 1996 Fire Rat", 1996, 2, 29, lunar, "Fire", "Rat"},
        {"4 Feb 2000 Earth Rabbit", 2000, 2, 4, lunar, "Earth", "Rabbit"},
        {"5 Feb 2000 Metal Dragon", 2000, 2, 5, lunar, "Metal", "Dragon"},
        {"18 Feb 2007 first Fire Pig day", 2007, 2, 18, lunar, "Fire", "Pig"},
        {"6 Feb 2008 last Fire Pig day", 2008, 2, 6, lunar, "Fire", "Pig"},
        {"7 Feb 2008 first Earth Rat day", 2008, 2, 7, lunar, "Earth", "Rat"},
        {"1 May 2008 Earth Rat", 2008, 5, 1, lunar, "Earth", "Rat"},
        {"31 Dec 2008 Earth Rat", 2008, 12, 31, lunar, "Earth", "Rat"},
        {"5 Feb 2024 Water Rabbit by lunar new year", 2024, 2, 5, lunar, "Water", "Rabbit"},
        {"5 Feb 2024 Wood Dragon by spring", 2024, 2, 5, spring, "Wood", "Dragon"},
        {"3 Feb 2024 Water Rabbit by spring", 2024, 2, 3, spring, "Water", "Rabbit"},
        {"30 Jan 2025 Wood Snake by lunar new year", 2025, 1, 30, lunar, "Wood", "Snake"},
        {"30 Jan 2025 Wood Dragon by spring", 2025, 1, 30, spring, "Wood", "Dragon"},
        {"3 Feb 2025 Wood Snake by spring", 2025, 2, 3, spring, "Wood", "Snake"},
        {"31 Dec 2100 Metal Monkey", 2100, 12, 31, lunar, "Metal", "Monkey"},
        {"31 Dec 2100 Metal Monkey by spring", 2100, 12, 31, spring, "Metal", "Monkey"},
    };
    for (const auto &r : rows)
        QTest::newRow(r.row) << QDate(r.y, r.m, r.d) << r.start << QString::fromLatin1(r.element)
                             << QString::fromLatin1(r.animal);
}

void TestChineseCalendar::boundaries()
{
    QFETCH(QDate, date);
    QFETCH(YearStart, start);
    QFETCH(QString, element);
    QFETCH(QString, animal);
    const auto row = chinese::findNewYear(date, start);
    QVERIFY(row);
    QCOMPARE(row->element, element);
    QCOMPARE(row->animal, animal);
    QVERIFY(row->firstDay <= date && date <= row->lastDay);
}

void TestChineseCalendar::everyYearBoundary_data()
{
    addBothStarts();
}

// The lookup puts the last day of each year in that year and its next day in the next one.
void TestChineseCalendar::everyYearBoundary()
{
    QFETCH(YearStart, start);
    const auto &table = chinese::newYearTable(start);
    for (qsizetype i = 1; i < table.size(); ++i) {
        const QDate first = table[i].firstDay;
        const auto before = chinese::findNewYear(first.addDays(-1), start);
        const auto after = chinese::findNewYear(first, start);
        QVERIFY2(before && after, qPrintable(rowText(table[i])));
        QCOMPARE(rowText(*before), rowText(table[i - 1]));
        QCOMPARE(rowText(*after), rowText(table[i]));
    }
}

void TestChineseCalendar::everyDayLiesInExactlyOneRow_data()
{
    addBothStarts();
}

void TestChineseCalendar::everyDayLiesInExactlyOneRow()
{
    QFETCH(YearStart, start);
    const auto &table = chinese::newYearTable(start);
    // The Chinese years 1899 to 2100: the first holds 1 January 1900, the last 31 December 2100.
    QCOMPARE(table.size(), 202);
    QVERIFY(table.first().firstDay <= QDate(1900, 1, 1) && table.first().lastDay >= QDate(1900, 1, 1));
    QCOMPARE(table.first().firstDay.year(), 1899);
    QVERIFY(table.last().firstDay <= QDate(2100, 12, 31) && table.last().lastDay >= QDate(2100, 12, 31));
    QCOMPARE(table.last().firstDay.year(), 2100);
    for (qsizetype i = 0; i < table.size(); ++i) {
        QVERIFY2(table[i].firstDay.isValid() && table[i].firstDay <= table[i].lastDay, qPrintable(rowText(table[i])));
        if (i > 0)
            QVERIFY2(table[i].firstDay == table[i - 1].lastDay.addDays(1), qPrintable(rowText(table[i])));
        const QDate first = table[i].firstDay;
        const int y = first.year();
        // A lunar year begins between 21 January and 20 February, the Start of Spring falls on
        // 3, 4 or 5 February; either way every year lasts 353 to 385 days.
        if (start == YearStart::LunarNewYear)
            QVERIFY2(first >= QDate(y, 1, 21) && first <= QDate(y, 2, 20), qPrintable(rowText(table[i])));
        else
            QVERIFY2(first >= QDate(y, 2, 3) && first <= QDate(y, 2, 5), qPrintable(rowText(table[i])));
        const qint64 length = first.daysTo(table[i].lastDay) + 1;
        QVERIFY2(length >= 353 && length <= 385, qPrintable(rowText(table[i])));
    }
}

void TestChineseCalendar::rowsFollowTheCycles_data()
{
    addBothStarts();
}

void TestChineseCalendar::rowsFollowTheCycles()
{
    // Row i is the Chinese year 1899 + i by either start: twelve animals counted from the Rat of
    // 1936, two years to each element counted from the Fire of 1936.
    QFETCH(YearStart, start);
    const auto &table = chinese::newYearTable(start);
    for (qsizetype i = 0; i < table.size(); ++i) {
        const int offset = int(i) + 1899 - 1936;
        const int animal = ((offset % 12) + 12) % 12;
        const int element = ((offset - ((offset % 2 + 2) % 2)) / 2 % 5 + 5) % 5;
        QCOMPARE(table[i].firstDay.year(), 1899 + int(i));
        QCOMPARE(table[i].animal, chinese::animalNames().at(animal));
        QCOMPARE(table[i].element, chinese::elementNames().at(element));
    }
}

void TestChineseCalendar::datesOutsideTheTableHaveNoRow_data()
{
    addBothStarts();
}

void TestChineseCalendar::datesOutsideTheTableHaveNoRow()
{
    QFETCH(YearStart, start);
    QVERIFY(chinese::findNewYear(QDate(1900, 1, 1), start));
    QVERIFY(chinese::findNewYear(QDate(2100, 12, 31), start));
    // The first and last rows reach beyond the range, but the lookup answers only inside it.
    QVERIFY(!chinese::findNewYear(QDate(1899, 12, 31), start));
    QVERIFY(!chinese::findNewYear(QDate(2101, 1, 1), start));
    QVERIFY(!chinese::findNewYear(chinese::newYearTable(start).first().firstDay, start));
    QVERIFY(!chinese::findNewYear(chinese::newYearTable(start).last().lastDay, start));
    QVERIFY(!chinese::findNewYear(QDate(), start));
    QVERIFY(!chinese::findNewYear(QDate(1970, 2, 30), start));
}

QTEST_GUILESS_MAIN(TestChineseCalendar)
#include "test_chinese_calendar.moc"
