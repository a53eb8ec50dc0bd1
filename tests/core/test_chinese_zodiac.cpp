#include "chinese/ChineseAnimalRecord.h"
#include "chinese/ChineseReading.h"
#include "chinese/chinese_calendar.h"
#include "chinese/chinese_zodiac.h"

#include <QRegularExpression>
#include <QtTest>

using chinese::InputProblem;

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
    void validation_data();
    void validation();
    void readingFromEntries();
    void dateOutsideTableLeavesReading();
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
    ChineseReading reading;
    chinese::ChineseZodiacDescription(reading, element, animal);
    QCOMPARE(reading.animal, animal);
    QCOMPARE(reading.element, element);
    QCOMPARE((QStringList{reading.rulingPlanet, reading.mostCompatible, reading.leastCompatible, reading.luckyColour,
                          reading.gemStone, reading.energy, reading.luckySeason, reading.luckyMonth}),
             fields);
    QCOMPARE(reading.elementDescription, *ChineseAnimalRecord::elementDescription(element));
    QCOMPARE(reading.positiveTraits, ChineseAnimalRecord::forAnimal(animal)->positiveTraits);
}

void TestChineseZodiac::secondDescriptionLeavesNothingOfTheFirst()
{
    ChineseReading reading;
    chinese::ChineseZodiacDescription(reading, QStringLiteral("Metal"), QStringLiteral("Dog"));
    const ChineseReading first = reading;
    chinese::ChineseZodiacDescription(reading, QStringLiteral("Water"), QStringLiteral("Rabbit"));
    const QStringList before = {first.animal, first.element, first.rulingPlanet, first.positiveTraits,
                                first.negativeTraits, first.mostCompatible, first.leastCompatible, first.luckyColour,
                                first.gemStone, first.luckySeason, first.luckyMonth, first.famousPersons,
                                first.elementDescription};
    const QStringList after = {reading.animal, reading.element, reading.rulingPlanet, reading.positiveTraits,
                               reading.negativeTraits, reading.mostCompatible, reading.leastCompatible,
                               reading.luckyColour, reading.gemStone, reading.luckySeason, reading.luckyMonth,
                               reading.famousPersons, reading.elementDescription};
    for (qsizetype i = 0; i < before.size(); ++i)
        QVERIFY2(before[i] != after[i], qPrintable(after[i]));
    QCOMPARE(reading.rulingPlanet, QStringLiteral("Jupiter"));
    QCOMPARE(reading.luckyMonth, QStringLiteral("March"));
}

void TestChineseZodiac::unknownNamesChangeNothing()
{
    ChineseReading reading;
    chinese::ChineseZodiacDescription(reading, QStringLiteral("Metal"), QStringLiteral("Dog"));
    const QString metal = reading.elementDescription;

    // Names compare exactly: "dog" is no animal, "metal" no element.
    chinese::ChineseZodiacDescription(reading, QStringLiteral("Wood"), QStringLiteral("dog"));
    QCOMPARE(reading.animal, QStringLiteral("Dog"));
    QCOMPARE(reading.element, QStringLiteral("Metal"));
    QCOMPARE(reading.rulingPlanet, QStringLiteral("Venus"));
    QCOMPARE(reading.elementDescription, *ChineseAnimalRecord::elementDescription(QStringLiteral("Wood")));

    chinese::ChineseZodiacDescription(reading, QStringLiteral("metal"), QStringLiteral("Ox"));
    QCOMPARE(reading.animal, QStringLiteral("Ox"));
    QCOMPARE(reading.element, QStringLiteral("metal"));
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

void TestChineseZodiac::validation_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("male");
    QTest::addColumn<bool>("female");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("problem");
    QTest::newRow("no name and no sex: the name is reported") << "" << false << false << 1 << 1 << 1936 << int(InputProblem::NameMissing);
    QTest::newRow("name of blanks is missing") << "   " << true << false << 1 << 1 << 1936 << int(InputProblem::NameMissing);
    QTest::newRow("no sex") << "Ann" << false << false << 1 << 1 << 1936 << int(InputProblem::SexMissing);
    QTest::newRow("no sex comes before a bad date") << "Ann" << false << false << 31 << 2 << 1937 << int(InputProblem::SexMissing);
    QTest::newRow("29 Feb 1936 accepted") << "Ann" << false << true << 29 << 2 << 1936 << int(InputProblem::None);
    QTest::newRow("29 Feb 1996 accepted") << "Ann" << true << false << 29 << 2 << 1996 << int(InputProblem::None);
    QTest::newRow("29 Feb 2000 accepted") << "Ann" << true << false << 29 << 2 << 2000 << int(InputProblem::None);
    QTest::newRow("29 Feb 1937 refused") << "Ann" << true << false << 29 << 2 << 1937 << int(InputProblem::BadFebruary);
    QTest::newRow("30 Feb 2000 refused") << "Ann" << true << false << 30 << 2 << 2000 << int(InputProblem::BadFebruary);
    QTest::newRow("31 Jun 1970 refused") << "Ann" << true << false << 31 << 6 << 1970 << int(InputProblem::BadThirtyFirst);
    QTest::newRow("31 Nov 2008 refused") << "Ann" << true << false << 31 << 11 << 2008 << int(InputProblem::BadThirtyFirst);
    QTest::newRow("31 Jul 1970 accepted") << "Ann" << true << false << 31 << 7 << 1970 << int(InputProblem::None);
}

void TestChineseZodiac::validation()
{
    QFETCH(QString, name);
    QFETCH(bool, male);
    QFETCH(bool, female);
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(int, problem);
    QCOMPARE(int(chinese::checkInput(name, male, female, day, month, year)), problem);
}

void TestChineseZodiac::readingFromEntries()
{
    ChineseReading reading;
    QVERIFY(chinese::fillReading(reading, QStringLiteral("  Ann Lee "), false, QStringLiteral("5"),
                                 QStringLiteral("March"), QStringLiteral("1970")));
    QCOMPARE(reading.name, QStringLiteral("Ann Lee"));
    QCOMPARE(reading.sex, QStringLiteral("Female"));
    QCOMPARE((QStringList{reading.day, reading.month, reading.year}), (QStringList{"5", "March", "1970"}));
    QCOMPARE(reading.birthDate, QDate(1970, 3, 5));
    QCOMPARE(reading.animal, QStringLiteral("Dog"));
    QCOMPARE(reading.element, QStringLiteral("Metal"));
    QCOMPARE(reading.rulingPlanet, QStringLiteral("Venus"));
    QCOMPARE(reading.elementDescription, *ChineseAnimalRecord::elementDescription(QStringLiteral("Metal")));

    QVERIFY(chinese::fillReading(reading, QStringLiteral("Bo"), true, QStringLiteral("23"), QStringLiteral("January"),
                                 QStringLiteral("1936")));
    QCOMPARE(reading.sex, QStringLiteral("Male"));
    QCOMPARE(reading.birthDate, QDate(1936, 1, 23));
    QCOMPARE(reading.animal, QStringLiteral("Pig"));
    QCOMPARE(reading.element, QStringLiteral("Wood"));
    QCOMPARE(reading.luckySeason, QStringLiteral("Early Winter"));
    QCOMPARE(reading.elementDescription, *ChineseAnimalRecord::elementDescription(QStringLiteral("Wood")));
}

void TestChineseZodiac::dateOutsideTableLeavesReading()
{
    ChineseReading reading;
    QVERIFY(chinese::fillReading(reading, QStringLiteral("Ann"), true, QStringLiteral("1"), QStringLiteral("May"),
                                 QStringLiteral("1990")));
    QVERIFY(!chinese::fillReading(reading, QStringLiteral("Bo"), false, QStringLiteral("1"), QStringLiteral("May"),
                                  QStringLiteral("2101")));
    QVERIFY(!chinese::fillReading(reading, QStringLiteral("Bo"), false, QStringLiteral("31"), QStringLiteral("April"),
                                  QStringLiteral("1990")));
    QCOMPARE(reading.name, QStringLiteral("Ann"));
    QCOMPARE(reading.animal, QStringLiteral("Horse"));
    QCOMPARE(reading.birthDate, QDate(1990, 5, 1));
}

QTEST_GUILESS_MAIN(TestChineseZodiac)
#include "test_chinese_zodiac.moc"
