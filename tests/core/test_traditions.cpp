#include "chinese/calendar/chinese_calendar.h"
#include "chinese/calendar/four_pillars.h"
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
    void noticeSentences_data();
    void noticeSentences();
    void readingSpeaksTheTraditionsWords_data();
    void readingSpeaksTheTraditionsWords();
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
    QTest::newRow("Vietnam before 1967: China's months, Tết 1916 on 3 February as in China")
        << Tradition::Vietnam << QDate(1916, 2, 3) << YearStart::LunarNewYear << "Fire Dragon" << "Fire Dragon"
        << "1916/1/1" << "1916/1/1";
    QTest::newRow("Vietnam before 1967: China's 10th month of 1914 from 17 November")
        << Tradition::Vietnam << QDate(1914, 11, 17) << YearStart::LunarNewYear << "Wood Tiger" << "Wood Tiger"
        << "1914/10/1" << "1914/10/1";
    QTest::newRow("Vietnam before 1967: China's 10th month of 1920 from 10 November")
        << Tradition::Vietnam << QDate(1920, 11, 10) << YearStart::LunarNewYear << "Metal Monkey" << "Metal Monkey"
        << "1920/10/1" << "1920/10/1";
    QTest::newRow("Vietnam: UTC+7 from 8 August 1967, the 11th month a day before China's")
        << Tradition::Vietnam << QDate(1967, 12, 1) << YearStart::LunarNewYear << "Fire Goat" << "Fire Goat"
        << "1967/11/1" << "1967/10/30";
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

namespace {

chinese::BirthMoment birthIn(const char *zone, const QDate &date)
{
    chinese::BirthMoment birth;
    birth.date = date;
    birth.zone = QTimeZone(zone);
    return birth;
}

} // namespace

// One sentence each, as the tradition says it, among the notes a reading of that birth gives.
void TestTraditions::noticeSentences_data()
{
    QTest::addColumn<Tradition>("tradition");
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<QString>("zone");
    QTest::addColumn<YearStart>("start");
    QTest::addColumn<QString>("sentence");

    QTest::newRow("Vietnam: Tết a month before China's New Year")
        << Tradition::Vietnam << QDate(1985, 1, 25) << "Asia/Ho_Chi_Minh" << YearStart::LunarNewYear
        << "In Vietnam Tết 1985 fell on 21 January, a month before the Chinese New Year: born on 25 January 1985 you "
           "are a Wood Buffalo there, a Wood Rat in China.";
    QTest::newRow("Korea: Seollal a day after China's New Year")
        << Tradition::Korea << QDate(2027, 2, 6) << "Asia/Seoul" << YearStart::LunarNewYear
        << "In Korea Seollal 2027 fell on 7 February, a day after the Chinese New Year: born on 6 February 2027 you "
           "are a Fire Horse there, a Fire Goat in China.";
    QTest::newRow("South Vietnam kept China's calendar")
        << Tradition::Vietnam << QDate(1967, 12, 1) << "Asia/Ho_Chi_Minh" << YearStart::LunarNewYear
        << "South Vietnam kept China's calendar until 1975, so there the day was the 30th day of the 10th month.";
    QTest::newRow("South Vietnam: Tết 1968 a day later")
        << Tradition::Vietnam << QDate(1968, 1, 29) << "Asia/Ho_Chi_Minh" << YearStart::LunarNewYear
        << "South Vietnam kept China's calendar until 1975, so there the day was the 30th day of the 12th month, "
           "still in the Year of the Goat.";
    QTest::newRow("Vietnam: Tết before Lập xuân")
        << Tradition::Vietnam << QDate(1987, 1, 30) << "Asia/Ho_Chi_Minh" << YearStart::LunarNewYear
        << "Born between Tết on 29 January 1987 and Lập xuân on 4 February 1987: by Tết the year is already the Fire "
           "Cat's, by Lập xuân it is still the Fire Tiger's. The year pillar always begins at Lập xuân.";
    QTest::newRow("Japan: 1 January before Risshun")
        << Tradition::Japan << QDate(1996, 1, 15) << "Asia/Tokyo" << YearStart::LunarNewYear
        << "Born between 1 January 1996 and Risshun (立春) on 4 February 1996: counted from 1 January, as in Japan, the "
           "year is already the Fire Rat's, by Risshun (立春) it is still the Wood Wild Boar's. The year pillar always "
           "begins at Risshun (立春).";
    QTest::newRow("Korea: Ipchun's day as dated in Korea")
        << Tradition::Korea << QDate(2054, 2, 4) << "Asia/Seoul" << YearStart::StartOfSpring
        << "Ipchun (입춘, 立春) came at 00:08 that day, birthplace time: born before it, the year is the Water Rooster's, "
           "from it the Wood Dog's. Without the time of birth the day is counted whole, as dated in Korea: the Wood Dog's.";
    QTest::newRow("Vietnam: a new moon seconds before midnight")
        << Tradition::Vietnam << QDate(2077, 11, 15) << "Asia/Ho_Chi_Minh" << YearStart::LunarNewYear
        << "The new moon that begins the 10th month of 2077 falls within a minute of midnight, Vietnam time (at "
           "23:59:33–23:59:51 by the ephemerides compared): reckoned with one that puts it after midnight, the month "
           "begins on 16 November 2077, a day later, and this day is the 30th day of the 9th month.";
    QTest::newRow("Korea: a new moon seconds before midnight")
        << Tradition::Korea << QDate(2097, 1, 13) << "Asia/Seoul" << YearStart::LunarNewYear
        << "The new moon that begins the 12th month of 2096 falls within a minute of midnight, Korea time (at "
           "23:59:28–23:59:49 by the ephemerides compared): reckoned with one that puts it after midnight, the month "
           "begins on 14 January 2097, a day later, and this day is the 30th day of the 11th month.";
}

void TestTraditions::noticeSentences()
{
    QFETCH(Tradition, tradition);
    QFETCH(QDate, birth);
    QFETCH(QString, zone);
    QFETCH(YearStart, start);
    QFETCH(QString, sentence);
    chinese::BirthProblem problem = chinese::BirthProblem::None;
    const auto pillars = chinese::fourPillars(birthIn(qPrintable(zone), birth), start, problem, tradition);
    QVERIFY(pillars);
    const QStringList notices = chinese::traditionNotices(tradition, birth, start) + pillars->notices;
    QVERIFY2(notices.contains(sentence), qPrintable(notices.join(QLatin1Char('\n'))));
}

// Everything a reading in depth shows (its title, sign, notes, pillars, inner animal, lunar
// birthdays and years ahead) names the animals, the new year and the calendar as the tradition does.
void TestTraditions::readingSpeaksTheTraditionsWords_data()
{
    QTest::addColumn<Tradition>("tradition");
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<QString>("zone");
    QTest::addColumn<YearStart>("start");
    QTest::addColumn<QStringList>("said");
    QTest::addColumn<QStringList>("unsaid");

    QTest::newRow("Vietnam: the Cat and the Buffalo, Tết, the Vietnamese year")
        << Tradition::Vietnam << QDate(1987, 1, 30) << "Asia/Ho_Chi_Minh" << YearStart::LunarNewYear
        << QStringList{"Year of the Fire Cat, Đinh Mão", "Yin Earth Cat", "Yin Metal Buffalo", "Inner Animal: Water Buffalo",
                       "Vietnamese year 2027: ", "Year of the Cat"}
        << QStringList{"Rabbit", "Ox", "Chinese"};
    QTest::newRow("Vietnam: the year of the Water Buffalo by its native name")
        << Tradition::Vietnam << QDate(1973, 6, 1) << "Asia/Ho_Chi_Minh" << YearStart::LunarNewYear
        << QStringList{"Year of the Water Buffalo, Quý Sửu", "Yin Water Buffalo"} << QStringList{"Ox", "Chinese"};
    QTest::newRow("Japan: the Wild Boar, and 1 January before Risshun")
        << Tradition::Japan << QDate(1996, 1, 15) << "Asia/Tokyo" << YearStart::LunarNewYear
        << QStringList{"Year of the Fire Rat, 丙子 (ひのえね)", "Yin Wood Wild Boar", "Risshun"}
        << QStringList{"Wood Pig's", "Yin Wood Pig", "Chinese New Year", "Chinese year"};
    QTest::newRow("Korea: Ipchun as dated in Korea, names with their hanja")
        << Tradition::Korea << QDate(2054, 2, 4) << "Asia/Seoul" << YearStart::StartOfSpring
        << QStringList{"Year of the Wood Dog, 갑술년 (甲戌年)", "Dog (개 戌)", "as dated in Korea", "Korean year 2026: "}
        << QStringList{"as dated in China", "Chinese New Year", "Chinese year"};
}

void TestTraditions::readingSpeaksTheTraditionsWords()
{
    QFETCH(Tradition, tradition);
    QFETCH(QDate, birth);
    QFETCH(QString, zone);
    QFETCH(YearStart, start);
    QFETCH(QStringList, said);
    QFETCH(QStringList, unsaid);
    const chinese::Person person{QStringLiteral("Lan"), chinese::Sex::Female, {birth.day(), birth.month(), birth.year()}};
    const auto checked = chinese::makeReading(person, start, tradition);
    QVERIFY(checked);
    chinese::Reading reading = *checked;
    QCOMPARE(chinese::addFourPillars(reading, birthIn(qPrintable(zone), birth)), chinese::BirthProblem::None);
    QStringList texts = {chinese::yearTitle(reading), chinese::animalWithNativeName(reading)};
    for (const auto &[heading, text] : chinese::depthSections(reading, QDate(2026, 12, 10)))
        texts << heading + text;
    const QString all = texts.join(QLatin1Char('\n'));
    for (const QString &words : said)
        QVERIFY2(all.contains(words), qPrintable(words + QStringLiteral(" missing from:\n") + all));
    for (const QString &word : unsaid) {
        QVERIFY2(!all.contains(QRegularExpression(QStringLiteral("\\b%1\\b").arg(word))),
                 qPrintable(word + QStringLiteral(" found in:\n") + all));
    }
}

// Older files have no tradition line and open as China; a reading without pillars keeps its
// tradition on the eleventh line all the same.
void TestTraditions::savedTraditionReadsBack()
{
    const chinese::Person person{QStringLiteral("Lan"), chinese::Sex::Female, {25, 1, 1985}};
    const auto reading = chinese::makeReading(person, YearStart::LunarNewYear, Tradition::Vietnam);
    QVERIFY(reading);
    QCOMPARE(chinese::yearTitle(*reading), QStringLiteral("Year of the Wood Buffalo, Ất Sửu"));
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
