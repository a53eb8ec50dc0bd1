#include "chinese/chinese_animal_record.h"
#include "chinese/chinese_zodiac.h"
#include "chinese/calendar/chinese_calendar.h"

#include <QRegularExpression>
#include <QtTest>

using chinese::Sex;
using chinese::YearStart;

Q_DECLARE_METATYPE(InputProblem)
Q_DECLARE_METATYPE(chinese::Sex)
Q_DECLARE_METATYPE(chinese::YearStart)

class TestChineseZodiac : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void descriptionCopiesRecord_data();
    void descriptionCopiesRecord();
    void secondDescriptionLeavesNothingOfTheFirst();
    void unknownNamesChangeNothing();
    void longTexts_data();
    void longTexts();
    void elementParagraphs_data();
    void elementParagraphs();
    void checksInOrder_data();
    void checksInOrder();
    void readingFromPerson();
    void savedFieldsReadBack_data();
    void savedFieldsReadBack();
    void damagedSavedFields_data();
    void damagedSavedFields();
    void savedTimeAndPlace_data();
    void savedTimeAndPlace();
    void longitudeAsTyped_data();
    void longitudeAsTyped();
    void springAnimalFollowsTheMomentOfBirth_data();
    void springAnimalFollowsTheMomentOfBirth();
};

void TestChineseZodiac::descriptionCopiesRecord_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("animal");
    QTest::addColumn<QStringList>("fields");   // planet, most, least, colour, gem, energy, season, month
    QTest::newRow("Metal Dog") << "Metal" << "Dog"
                               << QStringList{"Venus", "Tiger, Horse", "Dragon", "Pale Yellow", "Diamond",
                                              "Yang (Negative)", "Winter", "October"};
    QTest::newRow("Earth Pig shares October with the Dog")
        << "Earth" << "Pig"
        << QStringList{"Mars", "Rabbit, Goat", "Snake", "Dark Blue", "Topaz", "Yin (Positive)", "Early Winter", "October"};
    QTest::newRow("Snake: two least compatible, its own energy wording")
        << "Water" << "Snake"
        << QStringList{"Venus", "Ox, Rooster", "Tiger, Pig", "Red", "Mossagate", "Yin (Positive Energy)", "Early Summer", "May"};
}

void TestChineseZodiac::descriptionCopiesRecord()
{
    QFETCH(QString, element);
    QFETCH(QString, animal);
    QFETCH(QStringList, fields);
    chinese::Reading reading;
    chinese::ChineseZodiacDescription(reading, element, animal);
    const ChineseAnimalRecord &record = reading.record;
    QCOMPARE(record.animal, animal);
    QCOMPARE((QStringList{record.rulingPlanet, record.mostCompatible, record.leastCompatible, record.luckyColour,
                          record.gemStone, record.energy, record.luckySeason, record.luckyMonth}),
             fields);
    QCOMPARE(reading.elementDescription, *ChineseAnimalRecord::elementDescription(element));
    QCOMPARE(record.positiveTraits, ChineseAnimalRecord::forAnimal(animal)->positiveTraits);
}

void TestChineseZodiac::secondDescriptionLeavesNothingOfTheFirst()
{
    chinese::Reading reading;
    chinese::ChineseZodiacDescription(reading, QStringLiteral("Metal"), QStringLiteral("Dog"));
    const chinese::Reading first = reading;
    chinese::ChineseZodiacDescription(reading, QStringLiteral("Water"), QStringLiteral("Rabbit"));
    const auto fields = [](const chinese::Reading &r) {
        const ChineseAnimalRecord &a = r.record;
        return QStringList{a.animal, a.rulingPlanet, a.positiveTraits, a.negativeTraits, a.mostCompatible,
                           a.leastCompatible, a.luckyColour, a.gemStone, a.luckySeason, a.luckyMonth,
                           a.famousPersons, r.elementDescription};
    };
    const QStringList before = fields(first);
    const QStringList after = fields(reading);
    for (qsizetype i = 0; i < before.size(); ++i)
        QVERIFY2(before[i] != after[i], qPrintable(after[i]));
    QCOMPARE(reading.record.rulingPlanet, QStringLiteral("Jupiter"));
    QCOMPARE(reading.record.luckyMonth, QStringLiteral("March"));
}

void TestChineseZodiac::unknownNamesChangeNothing()
{
    chinese::Reading reading;
    chinese::ChineseZodiacDescription(reading, QStringLiteral("Metal"), QStringLiteral("Dog"));
    const QString metal = reading.elementDescription;

    // Names compare exactly: "dog" is no animal, "metal" no element.
    chinese::ChineseZodiacDescription(reading, QStringLiteral("Wood"), QStringLiteral("dog"));
    QCOMPARE(reading.record.animal, QStringLiteral("Dog"));
    QCOMPARE(reading.record.rulingPlanet, QStringLiteral("Venus"));
    QCOMPARE(reading.elementDescription, *ChineseAnimalRecord::elementDescription(QStringLiteral("Wood")));

    chinese::ChineseZodiacDescription(reading, QStringLiteral("metal"), QStringLiteral("Ox"));
    QCOMPARE(reading.record.animal, QStringLiteral("Ox"));
    QCOMPARE(reading.elementDescription, *ChineseAnimalRecord::elementDescription(QStringLiteral("Wood")));
    QVERIFY(reading.elementDescription != metal);
    QVERIFY(!ChineseAnimalRecord::forAnimal(QString()));
}

void TestChineseZodiac::longTexts_data()
{
    QTest::addColumn<QString>("animal");
    QTest::addColumn<int>("positive");
    QTest::addColumn<int>("negative");
    QTest::addColumn<int>("famous");
    QTest::addColumn<int>("names");
    const struct { const char *animal; int positive, negative, famous, names; } rows[] = {
        {"Rat", 680, 570, 75, 5},     {"Ox", 922, 531, 105, 7},      {"Tiger", 759, 508, 83, 6},
        {"Rabbit", 731, 561, 81, 6},  {"Dragon", 840, 738, 49, 3},   {"Snake", 761, 635, 101, 6},
        {"Horse", 762, 470, 74, 5},   {"Goat", 797, 500, 89, 6},     {"Monkey", 997, 432, 90, 6},
        {"Rooster", 685, 438, 54, 4}, {"Dog", 739, 502, 113, 8},     {"Pig", 614, 417, 74, 5},
    };
    for (const auto &r : rows)
        QTest::newRow(r.animal) << QString::fromLatin1(r.animal) << r.positive << r.negative << r.famous << r.names;
}

void TestChineseZodiac::longTexts()
{
    QFETCH(QString, animal);
    QFETCH(int, positive);
    QFETCH(int, negative);
    QFETCH(int, famous);
    QFETCH(int, names);
    const auto record = ChineseAnimalRecord::forAnimal(animal);
    QVERIFY(record);
    const auto near = [](const QString &text, int length) {
        return text.size() >= length * 0.9 && text.size() <= length * 1.1 && !text.contains(QLatin1Char('\n'));
    };
    QVERIFY2(near(record->positiveTraits, positive), qPrintable(QString::number(record->positiveTraits.size())));
    QVERIFY2(near(record->negativeTraits, negative), qPrintable(QString::number(record->negativeTraits.size())));
    QVERIFY2(near(record->famousPersons, famous), qPrintable(QString::number(record->famousPersons.size())));
    // Addressed to the reader, and the famous people are names joined by ", ".
    QVERIFY(record->positiveTraits.contains(QRegularExpression(QStringLiteral("\\b[Yy]ou\\b"))));
    QVERIFY(record->negativeTraits.contains(QRegularExpression(QStringLiteral("\\b[Yy]ou\\b"))));
    QCOMPARE(record->famousPersons.split(QStringLiteral(", ")).size(), names);
}

void TestChineseZodiac::elementParagraphs_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<int>("length");
    QTest::newRow("Metal") << "Metal" << 302;
    QTest::newRow("Water") << "Water" << 334;
    QTest::newRow("Wood") << "Wood" << 432;
    QTest::newRow("Fire") << "Fire" << 354;
    QTest::newRow("Earth") << "Earth" << 318;
}

void TestChineseZodiac::elementParagraphs()
{
    QFETCH(QString, element);
    QFETCH(int, length);
    const auto text = ChineseAnimalRecord::elementDescription(element);
    QVERIFY(text);
    QVERIFY2(text->size() >= length * 0.9 && text->size() <= length * 1.1, qPrintable(QString::number(text->size())));
    QVERIFY(text->contains(element));
    QVERIFY(text->contains(QRegularExpression(QStringLiteral("\\byou\\b"))));
}

void TestChineseZodiac::checksInOrder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Sex>("sex");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<YearStart>("start");
    QTest::addColumn<InputProblem>("problem");
    QTest::addColumn<QString>("sign");   // element and animal of a reading
    const auto row = [](const char *title, const char *name, Sex sex, int day, int month, int year,
                        InputProblem problem, const char *sign = "", YearStart start = YearStart::LunarNewYear) {
        QTest::newRow(title) << QString::fromUtf8(name) << sex << day << month << year << start << problem
                             << QString::fromLatin1(sign);
    };
    row("no name and no sex: the name is reported", "", Sex::None, 1, 1, 1936, InputProblem::NameMissing);
    row("name of blanks is missing", "   ", Sex::Male, 1, 1, 1936, InputProblem::NameMissing);
    row("no sex", "Ann", Sex::None, 1, 1, 1936, InputProblem::SexMissing);
    row("no sex comes before a bad date", "Ann", Sex::None, 31, 2, 1937, InputProblem::SexMissing);
    row("29 Feb 1936 accepted", "Ann", Sex::Female, 29, 2, 1936, InputProblem::None, "Fire Rat");
    row("29 Feb 1996 accepted", "Ann", Sex::Male, 29, 2, 1996, InputProblem::None, "Fire Rat");
    row("29 Feb 2000 accepted", "Ann", Sex::Male, 29, 2, 2000, InputProblem::None, "Metal Dragon");
    row("29 Feb 1900 refused", "Ann", Sex::Male, 29, 2, 1900, InputProblem::BadFebruary);
    row("29 Feb 1937 refused", "Ann", Sex::Male, 29, 2, 1937, InputProblem::BadFebruary);
    row("30 Feb 2000 refused", "Ann", Sex::Male, 30, 2, 2000, InputProblem::BadFebruary);
    row("31 Jun 1970 refused", "Ann", Sex::Male, 31, 6, 1970, InputProblem::BadThirtyFirst);
    row("31 Nov 2008 refused", "Ann", Sex::Male, 31, 11, 2008, InputProblem::BadThirtyFirst);
    row("31 Jul 1970 accepted", "Ann", Sex::Male, 31, 7, 1970, InputProblem::None, "Metal Dog");
    row("a bad date comes before the year", "Ann", Sex::Male, 31, 4, 2101, InputProblem::BadThirtyFirst);
    row("1 Jan 1900, first of the list", "Ann", Sex::Male, 1, 1, 1900, InputProblem::None, "Earth Pig");
    row("31 Dec 2100, last of the list", "Ann", Sex::Male, 31, 12, 2100, InputProblem::None, "Metal Monkey");
    row("31 Dec 1899 out of range", "Ann", Sex::Male, 31, 12, 1899, InputProblem::YearOutOfRange);
    row("1 Jan 2101 out of range", "Ann", Sex::Male, 1, 1, 2101, InputProblem::YearOutOfRange);
    row("5 Feb 2024 by the Chinese New Year", "Ann", Sex::Female, 5, 2, 2024, InputProblem::None, "Water Rabbit");
    row("5 Feb 2024 by the Start of Spring", "Ann", Sex::Female, 5, 2, 2024, InputProblem::None, "Wood Dragon",
        YearStart::StartOfSpring);
}

void TestChineseZodiac::checksInOrder()
{
    QFETCH(QString, name);
    QFETCH(Sex, sex);
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(YearStart, start);
    QFETCH(InputProblem, problem);
    QFETCH(QString, sign);
    const Checked<chinese::Reading> reading = chinese::makeReading({name, sex, {day, month, year}}, start);
    QCOMPARE(int(reading.problem()), int(problem));
    QCOMPARE(reading.ok(), problem == InputProblem::None);
    if (!reading)
        return;
    QCOMPARE(reading->year.element + QLatin1Char(' ') + reading->year.animal, sign);
    QCOMPARE(reading->record.animal, reading->year.animal);
    QCOMPARE(reading->yearStart, start);
    QCOMPARE(reading->birthDate, QDate(year, month, day));
    QVERIFY(reading->year.firstDay <= reading->birthDate && reading->birthDate <= reading->year.lastDay);
}

void TestChineseZodiac::readingFromPerson()
{
    auto reading = chinese::makeReading({QStringLiteral("  Ann Lee "), Sex::Female, {5, 3, 1970}});
    QVERIFY(reading);
    QCOMPARE(reading->person.name, QStringLiteral("Ann Lee"));
    QCOMPARE(reading->person.sex, Sex::Female);
    QCOMPARE(reading->birthDate, QDate(1970, 3, 5));
    QCOMPARE(reading->year.animal, QStringLiteral("Dog"));
    QCOMPARE(reading->year.element, QStringLiteral("Metal"));
    QCOMPARE(reading->record.rulingPlanet, QStringLiteral("Venus"));
    QCOMPARE(reading->elementDescription, *ChineseAnimalRecord::elementDescription(QStringLiteral("Metal")));

    // A second reading holds nothing of the first.
    reading = chinese::makeReading({QStringLiteral("Bo"), Sex::Male, {23, 1, 1936}});
    QVERIFY(reading);
    QCOMPARE(reading->person.sex, Sex::Male);
    QCOMPARE(reading->birthDate, QDate(1936, 1, 23));
    QCOMPARE(reading->year.animal, QStringLiteral("Pig"));
    QCOMPARE(reading->year.element, QStringLiteral("Wood"));
    QCOMPARE(reading->record.luckySeason, QStringLiteral("Early Winter"));
    QCOMPARE(reading->elementDescription, *ChineseAnimalRecord::elementDescription(QStringLiteral("Wood")));
}

void TestChineseZodiac::savedFieldsReadBack_data()
{
    QTest::addColumn<Sex>("sex");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<YearStart>("start");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("Chinese New Year: five lines") << Sex::Male << QDate(1985, 2, 19) << YearStart::LunarNewYear
                                                  << QStringList{"Ann Lee", "Male", "19", "February", "1985"};
    QTest::newRow("Start of Spring: a sixth line") << Sex::Female << QDate(2024, 2, 5) << YearStart::StartOfSpring
                                                   << QStringList{"Ann Lee", "Female", "5", "February", "2024", "spring"};
}

void TestChineseZodiac::savedFieldsReadBack()
{
    QFETCH(Sex, sex);
    QFETCH(QDate, date);
    QFETCH(YearStart, start);
    QFETCH(QStringList, fields);
    const auto reading = chinese::makeReading({QStringLiteral(" Ann Lee "), sex, {date.day(), date.month(), date.year()}}, start);
    QVERIFY(reading);
    QCOMPARE(chinese::savedFields(*reading), fields);
    const Checked<chinese::Person> person = chinese::personFromSavedFields(fields);
    QVERIFY(person);
    QCOMPARE(person->name, QStringLiteral("Ann Lee"));
    QCOMPARE(person->sex, sex);
    QCOMPARE(QDate(person->birth.year, person->birth.month, person->birth.day), date);
    QCOMPARE(chinese::savedYearStart(fields), start);
}

void TestChineseZodiac::damagedSavedFields_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<InputProblem>("problem");
    QTest::newRow("no lines") << QStringList() << InputProblem::NameMissing;
    QTest::newRow("name and sex only") << QStringList{"Bo", "Male"} << InputProblem::YearOutOfRange;
    QTest::newRow("sex in lower case") << QStringList{"Bo", "male", "5", "May", "1950"} << InputProblem::SexMissing;
    QTest::newRow("day 32") << QStringList{"Bo", "Male", "32", "May", "1950"} << InputProblem::BadThirtyFirst;
    QTest::newRow("day with a leading zero") << QStringList{"Bo", "Male", "05", "May", "1950"} << InputProblem::BadThirtyFirst;
    QTest::newRow("month unknown") << QStringList{"Bo", "Male", "5", "Smarch", "1950"} << InputProblem::BadThirtyFirst;
    QTest::newRow("31 June") << QStringList{"Bo", "Male", "31", "June", "1970"} << InputProblem::BadThirtyFirst;
    QTest::newRow("29 February 1900") << QStringList{"Bo", "Male", "29", "February", "1900"} << InputProblem::BadFebruary;
    QTest::newRow("year 1899") << QStringList{"Bo", "Male", "5", "May", "1899"} << InputProblem::YearOutOfRange;
    QTest::newRow("year not a number") << QStringList{"Bo", "Male", "5", "May", "19x0"} << InputProblem::YearOutOfRange;
    QTest::newRow("unknown sixth line: kept out of the check") << QStringList{"Bo", "Male", "5", "May", "1950", "equinox"}
                                                              << InputProblem::None;
}

void TestChineseZodiac::damagedSavedFields()
{
    QFETCH(QStringList, fields);
    QFETCH(InputProblem, problem);
    const Checked<chinese::Person> person = chinese::personFromSavedFields(fields);
    QCOMPARE(int(person.problem()), int(problem));
    QCOMPARE(person.ok(), problem == InputProblem::None);
    // Whatever passes here makes a reading.
    if (person)
        QVERIFY(chinese::makeReading(*person, chinese::savedYearStart(fields)));
}

void TestChineseZodiac::savedTimeAndPlace_data()
{
    QTest::addColumn<QStringList>("lines");   // lines 6 to 10
    QTest::addColumn<QString>("zone");         // the zone taken; empty: the lines are refused
    QTest::newRow("a server's zone") << QStringList{"new-year", "10:00", "Etc/UTC", "", "midnight"} << "Etc/UTC";
    QTest::newRow("an alias, taken as its zone") << QStringList{"spring", "10:00", "Asia/Calcutta", "", "23"} << "Asia/Kolkata";
    QTest::newRow("no zone without a time") << QStringList{"new-year", "", "", "", "midnight"} << "any";
    QTest::newRow("no zone with a time") << QStringList{"new-year", "10:00", "", "", "midnight"} << "";
    QTest::newRow("a POSIX rule") << QStringList{"new-year", "10:00", "JST-9", "", "midnight"} << "";
    QTest::newRow("a damaged year start") << QStringList{"Spring", "10:00", "Asia/Tokyo", "", "midnight"} << "";
    QTest::newRow("a damaged year start alone") << QStringList{"Spring"} << "";
}

void TestChineseZodiac::savedTimeAndPlace()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, zone);
    const std::optional<chinese::BirthMoment> birth =
        chinese::savedBirthMoment(QStringList{"Bo", "Male", "5", "May", "1950"} + lines, chinese::DayStart::Midnight);
    QCOMPARE(birth.has_value(), !zone.isEmpty());
    if (birth && zone != QLatin1String("any"))
        QCOMPARE(QString::fromUtf8(birth->zone.id()), zone);
}

void TestChineseZodiac::longitudeAsTyped_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("degrees");   // NaN: refused
    const double refused = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("decimal point") << "75.99" << 75.99;
    QTest::newRow("decimal comma") << "75,99" << 75.99;
    QTest::newRow("east by letter") << "75.99 E" << 75.99;
    QTest::newRow("west by letter, lower case, no space") << "74,0w" << -74.0;
    QTest::newRow("degree sign and letter") << "121.5\u00B0E" << 121.5;
    QTest::newRow("west by sign") << "-74" << -74.0;
    QTest::newRow("a sign and a letter contradict") << "-74 W" << refused;
    QTest::newRow("beyond 180") << "180.5 E" << refused;
    QTest::newRow("another letter") << "74 N" << refused;
    QTest::newRow("two separators") << "75,9.9" << refused;
    QTest::newRow("exponent") << "1e2" << refused;
}

void TestChineseZodiac::longitudeAsTyped()
{
    QFETCH(QString, text);
    QFETCH(double, degrees);
    const std::optional<double> read = chinese::longitudeFromText(text);
    QCOMPARE(read.has_value(), !std::isnan(degrees));
    if (read)
        QCOMPARE(*read, degrees);
}

void TestChineseZodiac::springAnimalFollowsTheMomentOfBirth_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("expected");   // element animal, and the span the result shows
    // The Start of Spring 2018: 05:28 on 4 February in China, 16:28 on 3 February in New York.
    QTest::newRow("Shanghai, half an hour before the term")
        << QByteArray("Asia/Shanghai") << QDate(2018, 2, 4) << "04:58" << "Fire Rooster 2017-02-03 23:34 - 2018-02-04 05:28";
    QTest::newRow("Shanghai, at the term's minute, which it began within")
        << QByteArray("Asia/Shanghai") << QDate(2018, 2, 4) << "05:28" << "Fire Rooster 2017-02-03 23:34 - 2018-02-04 05:28";
    QTest::newRow("Shanghai, the minute after")
        << QByteArray("Asia/Shanghai") << QDate(2018, 2, 4) << "05:29" << "Earth Dog 2018-02-04 05:28 - 2019-02-04 11:14";
    QTest::newRow("New York after the term, on a day China still counts to the Rooster")
        << QByteArray("America/New_York") << QDate(2018, 2, 3) << "16:30" << "Earth Dog 2018-02-03 16:28 - 2019-02-03 22:14";
    QTest::newRow("no time: the day as dated in China")
        << QByteArray("Asia/Shanghai") << QDate(2018, 2, 4) << "" << "Earth Dog 2018-02-04 - 2019-02-03";
    QTest::newRow("before the first covered Start of Spring, in Shanghai's local mean time")
        << QByteArray("Asia/Shanghai") << QDate(1900, 1, 1) << "00:00" << "Earth Pig 1899-02-04 08:12 - 1900-02-04 13:57";
}

// The animal and the year pillar name the same year, and the reading's span holds the birth.
void TestChineseZodiac::springAnimalFollowsTheMomentOfBirth()
{
    QFETCH(QByteArray, zone);
    QFETCH(QDate, date);
    QFETCH(QString, time);
    chinese::Person person{"Mei", chinese::Sex::Female, {date.day(), date.month(), date.year()}};
    const Checked<chinese::Reading> checked = chinese::makeReading(person, chinese::YearStart::StartOfSpring);
    QVERIFY(checked);
    chinese::Reading r = *checked;
    chinese::BirthMoment birth{date, std::nullopt, QTimeZone(zone), std::nullopt, chinese::DayStart::Midnight};
    if (!time.isEmpty())
        birth.time = QTime::fromString(time, "HH:mm");
    QCOMPARE(chinese::addFourPillars(r, birth), chinese::BirthProblem::None);
    QString span = r.year.firstDay.toString(Qt::ISODate) + " - " + r.year.lastDay.toString(Qt::ISODate);
    if (r.yearMoments)
        span = r.yearMoments->begins.toString("yyyy-MM-dd HH:mm") + " - " + r.yearMoments->ends.toString("yyyy-MM-dd HH:mm");
    QTEST(r.year.element + ' ' + r.year.animal + ' ' + span, "expected");
    QCOMPARE(r.record.animal, r.year.animal);
    if (r.pillars->year)
        QCOMPARE(r.pillars->year->animal(), r.year.animal);
}

QTEST_GUILESS_MAIN(TestChineseZodiac)
#include "test_chinese_zodiac.moc"
