#include "chinese/calendar/chinese_calendar.h"
#include "chinese/calendar/lunar_birthdays.h"
#include "chinese/calendar/lunar_calendar.h"
#include "chinese/calendar/tradition_notices.h"
#include "chinese/chinese_zodiac.h"
#include "chinese/years_ahead.h"
#include "chinese/years_ahead_block.h"

#include <QtTest>

using chinese::Tradition;
using chinese::YearStart;

Q_DECLARE_METATYPE(chinese::Tradition)
Q_DECLARE_METATYPE(chinese::YearStart)

class TestTraditions : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void yearsAndLunarDates_data();
    void yearsAndLunarDates();
    void noticeSentence();
    void savedTraditionReadsBack();
    void yearsAheadFollowTheTradition();
};

// Each row: a birth where the tradition's calendar parts from China's (or, for control, does not).
// lunarDate is "year/month/day" ("L" before the month for a leap month), empty where the tradition
// keeps none.
void TestTraditions::yearsAndLunarDates_data()
{
    QTest::addColumn<Tradition>("tradition");
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<YearStart>("start");
    QTest::addColumn<QString>("year");        // as the tradition names it
    QTest::addColumn<QString>("chinaYear");
    QTest::addColumn<QString>("lunarDate");
    QTest::addColumn<QString>("chinaLunarDate");

    QTest::newRow("Vietnam: Tết 1985 a month before China's New Year")
        << Tradition::Vietnam << QDate(1985, 1, 25) << YearStart::LunarNewYear << "Wood Buffalo" << "Wood Rat"
        << "1985/1/5" << "1984/12/5";
    QTest::newRow("Vietnam: Tết 2007 a day before")
        << Tradition::Vietnam << QDate(2007, 2, 17) << YearStart::LunarNewYear << "Fire Pig" << "Fire Dog"
        << "2007/1/1" << "2006/12/30";
    QTest::newRow("Vietnam: UTC+7 from 1968, Tết on 29 January")
        << Tradition::Vietnam << QDate(1968, 1, 29) << YearStart::LunarNewYear << "Earth Monkey" << "Fire Goat"
        << "1968/1/1" << "1967/12/30";
    QTest::newRow("Vietnam: the Cat")
        << Tradition::Vietnam << QDate(1987, 6, 1) << YearStart::LunarNewYear << "Fire Cat" << "Fire Rabbit"
        << "1987/5/6" << "1987/5/6";
    QTest::newRow("Korea: Seollal 2027 a day after")
        << Tradition::Korea << QDate(2027, 2, 6) << YearStart::LunarNewYear << "Fire Horse" << "Fire Goat"
        << "2026/12/30" << "2027/1/1";
    QTest::newRow("Korea: UTC+8:30 in 1958")
        << Tradition::Korea << QDate(1958, 2, 18) << YearStart::LunarNewYear << "Fire Rooster" << "Earth Dog"
        << "1957/12/30" << "1958/1/1";
    QTest::newRow("Korea: agrees with China in 2024")
        << Tradition::Korea << QDate(2024, 2, 10) << YearStart::LunarNewYear << "Wood Dragon" << "Wood Dragon"
        << "2024/1/1" << "2024/1/1";
    QTest::newRow("Japan: the year from 1 January")
        << Tradition::Japan << QDate(1985, 1, 25) << YearStart::LunarNewYear << "Wood Ox" << "Wood Rat" << ""
        << "1984/12/5";
    QTest::newRow("Japan: the Wild Boar")
        << Tradition::Japan << QDate(2007, 1, 1) << YearStart::LunarNewYear << "Fire Wild Boar" << "Fire Dog" << ""
        << "2006/11/13";
    QTest::newRow("Japan: Risshun in Japan Standard Time")
        << Tradition::Japan << QDate(2017, 2, 3) << YearStart::StartOfSpring << "Fire Monkey" << "Fire Rooster" << ""
        << "2017/1/7";
}

void TestTraditions::yearsAndLunarDates()
{
    QFETCH(Tradition, tradition);
    QFETCH(QDate, birth);
    QFETCH(YearStart, start);
    QFETCH(QString, year);
    QFETCH(QString, chinaYear);
    QFETCH(QString, lunarDate);
    QFETCH(QString, chinaLunarDate);

    const auto there = chinese::findNewYear(birth, start, tradition);
    const auto china = chinese::findNewYear(birth, start);
    QVERIFY(there && china);
    QVERIFY(there->firstDay <= birth && birth <= there->lastDay);
    QCOMPARE(chinese::yearName(tradition, there->element, there->animal), year);
    QCOMPARE(chinese::yearName(Tradition::China, china->element, china->animal), chinaYear);

    const auto text = [](const std::optional<chinese::ChineseDate> &date) {
        return date ? QStringLiteral("%1/%2%3/%4").arg(date->year).arg(date->leap ? QLatin1String("L") : QLatin1String()).arg(date->month).arg(date->day)
                    : QString();
    };
    QCOMPARE(text(chinese::chineseDate(birth, tradition)), lunarDate);
    QCOMPARE(text(chinese::chineseDate(birth)), chinaLunarDate);

    // Next year's lunar birthday comes from the same calendar: the same month and day there.
    if (const auto born = chinese::chineseDate(birth, tradition)) {
        const auto birthday = chinese::lunarBirthday(*born, born->year + 1, tradition);
        QVERIFY(birthday);
        QCOMPARE(text(chinese::chineseDate(birthday->date, tradition)), text(birthday->keptOn));
    } else {
        QVERIFY(!chinese::lunarBirthdays(chinese::ChineseDate{2000, 1, false, 1}, 2001, 1, tradition));
    }
    // A notice exactly where the two part.
    const QStringList notices = chinese::traditionNotices(tradition, birth, start);
    QCOMPARE(notices.join(QLatin1Char('\n')).contains(QStringLiteral(" in China.")), there->animal != china->animal);
    QCOMPARE(notices.join(QLatin1Char('\n')).contains(QStringLiteral("lunar date of birth")),
             !lunarDate.isEmpty() && lunarDate != chinaLunarDate);
}

void TestTraditions::noticeSentence()
{
    QCOMPARE(chinese::traditionNotices(Tradition::Vietnam, QDate(1985, 1, 25), YearStart::LunarNewYear).value(0),
             QStringLiteral("In Vietnam Tết 1985 fell on 21 January, a month before the Chinese New Year: born on "
                            "25 January 1985 you are a Wood Buffalo there, a Wood Rat in China."));
    QCOMPARE(chinese::traditionNotices(Tradition::Korea, QDate(2027, 2, 6), YearStart::LunarNewYear).value(0),
             QStringLiteral("In Korea Seollal 2027 fell on 7 February, a day after the Chinese New Year: born on "
                            "6 February 2027 you are a Fire Horse there, a Fire Goat in China."));
}

// Older files have no tradition line and open as China; a reading without pillars keeps its
// tradition on the eleventh line all the same.
void TestTraditions::savedTraditionReadsBack()
{
    const chinese::Person person{QStringLiteral("Lan"), chinese::Sex::Female, {25, 1, 1985}};
    const auto reading = chinese::makeReading(person, YearStart::LunarNewYear, Tradition::Vietnam);
    QVERIFY(reading);
    QCOMPARE(chinese::yearTitle(*reading), QStringLiteral("Year of the Wood Buffalo"));
    const QStringList fields = chinese::savedFields(*reading);
    QCOMPARE(int(fields.size()), chinese::SavedLineCount);
    QCOMPARE(chinese::savedTradition(fields), std::optional(Tradition::Vietnam));
    QCOMPARE(chinese::savedYearStart(fields), YearStart::LunarNewYear);
    QVERIFY(chinese::savedBirthMoment(fields, chinese::DayStart::Midnight));
    QCOMPARE(chinese::savedTradition(fields.mid(0, 5)), std::optional(Tradition::China));
}

// The years ahead are the tradition's years, under its names: Seollal 2027 a day after China's
// New Year; Vietnam's Rabbit year is the Cat's, in the lines' explanations too.
void TestTraditions::yearsAheadFollowTheTradition()
{
    const QDate from(2026, 12, 8);
    QCOMPARE(chinese::yearsAhead("Rat", from, YearStart::LunarNewYear, 2, Tradition::Korea).value(1).firstDay, QDate(2027, 2, 7));
    QCOMPARE(chinese::yearsAhead("Rat", from, YearStart::LunarNewYear, 2, Tradition::China).value(1).firstDay, QDate(2027, 2, 6));
    const chinese::YearsAheadBlock block = chinese::yearsAheadBlock("Ox", from, YearStart::LunarNewYear, Tradition::Vietnam);
    QCOMPARE(block.title, QStringLiteral("The Years Ahead for the Water Buffalo"));
    const QString lines = block.lines.join(QLatin1Char('\n'));
    QVERIFY2(lines.contains(QStringLiteral("Wood Cat, ")) && !lines.contains(QStringLiteral("Rabbit"))
                 && !lines.contains(QStringLiteral(" Ox")),
             qPrintable(lines));
}

QTEST_GUILESS_MAIN(TestTraditions)
#include "test_traditions.moc"
