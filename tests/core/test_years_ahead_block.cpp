#include "chinese/years_ahead_block.h"

#include <QtTest>

using chinese::YearStart;

class TestYearsAheadBlock : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void block_data();
    void block();
    void nothingToSay();
};

void TestYearsAheadBlock::block_data()
{
    QTest::addColumn<QString>("animal");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<YearStart>("start");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("firstLine");   // how the first line begins
    QTest::addColumn<QString>("lastLine");
    QTest::newRow("Horse from 12 May 1990: its own year first")
        << "Horse" << QDate(1990, 5, 12) << YearStart::LunarNewYear << 12
        << "Metal Horse, 27 January 1990 \u2013 14 February 1991: Own Year (本命年)." << "Metal Snake, ";
    // 3 February 2024 lies before both the start of spring and the new year.
    QTest::newRow("3 Feb 2024 by the new year") << "Rat" << QDate(2024, 2, 3) << YearStart::LunarNewYear << 12
        << "Water Rabbit, 22 January 2023 \u2013 9 February 2024: Punishment (刑太岁)." << "Wood Tiger, ";
    QTest::newRow("3 Feb 2024 by the spring") << "Rat" << QDate(2024, 2, 3) << YearStart::StartOfSpring << 12
        << "Water Rabbit, 4 February 2023 \u2013 3 February 2024: Punishment (刑太岁)." << "Wood Tiger, ";
    QTest::newRow("the table ends after 2100") << "Ox" << QDate(2095, 6, 1) << YearStart::LunarNewYear << 6
        << "Wood Rabbit, " << "Metal Monkey, 9 February 2100 \u2013 28 January 2101: No Relation.";
}

void TestYearsAheadBlock::block()
{
    QFETCH(QString, animal);
    QFETCH(QDate, from);
    QFETCH(YearStart, start);
    QFETCH(int, count);
    QFETCH(QString, firstLine);
    QFETCH(QString, lastLine);
    const chinese::YearsAheadBlock block = chinese::yearsAheadBlock(animal, from, start);
    QCOMPARE(block.title, QStringLiteral("The Years Ahead for the ") + animal);
    QCOMPARE(block.lines.size(), count);
    QVERIFY2(block.lines.first().startsWith(firstLine), qPrintable(block.lines.first()));
    QVERIFY2(block.lines.last().startsWith(lastLine), qPrintable(block.lines.last()));
    QCOMPARE(chinese::yearsAheadText(block).split(u'\n'), QStringList{block.title} + block.lines + QStringList{QString()});
}

void TestYearsAheadBlock::nothingToSay()
{
    for (const auto &[animal, from] : {std::pair{QStringLiteral("Cat"), QDate(1990, 5, 12)},
                                       std::pair{QStringLiteral("Horse"), QDate(1899, 12, 31)}}) {
        const chinese::YearsAheadBlock block = chinese::yearsAheadBlock(animal, from, YearStart::LunarNewYear);
        QVERIFY(block.title.isEmpty());
        QVERIFY(block.lines.isEmpty());
        QVERIFY(chinese::yearsAheadText(block).isEmpty());
    }
}

QTEST_GUILESS_MAIN(TestYearsAheadBlock)
#include "test_years_ahead_block.moc"
