#include "chinese/calendar/chinese_date.h"
#include "chinese/calendar/stem_branch.h"
#include "chinese/animal_lines.h"

#include <QtTest>

// The words the Chinese result is written in: a slip in a table or an ordinal shows on every
// reading that uses it.
class TestChineseTexts : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void chineseDateText_data();
    void chineseDateText();
    void stemBranch_data();
    void stemBranch();
    void animalLines();
};

void TestChineseTexts::chineseDateText_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<bool>("leap");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("expected");
    QTest::newRow("1st, 1st") << 1990 << 1 << false << 1 << "1st day of the 1st month, Year of the Horse";
    QTest::newRow("2nd, 3rd leap") << 2023 << 3 << true << 2 << "2nd day of the leap 3rd month, Year of the Rabbit";
    QTest::newRow("11th, 12th") << 1984 << 12 << false << 11 << "11th day of the 12th month, Year of the Rat";
    QTest::newRow("13th, 11th") << 1983 << 11 << false << 13 << "13th day of the 11th month, Year of the Pig";
    QTest::newRow("21st, 22nd and 23rd") << 2100 << 2 << false << 21 << "21st day of the 2nd month, Year of the Monkey";
    QTest::newRow("22nd") << 1899 << 4 << false << 22 << "22nd day of the 4th month, Year of the Pig";
    QTest::newRow("23rd, 30th") << 1900 << 10 << false << 30 << "30th day of the 10th month, Year of the Rat";
}

void TestChineseTexts::chineseDateText()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(bool, leap);
    QFETCH(int, day);
    QTEST(chinese::ChineseDate({year, month, leap, day}).textWithYear(), "expected");
}

void TestChineseTexts::stemBranch_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("expected");   // characters, pinyin, English
    QTest::newRow("first of the cycle") << 0 << "甲子 jiǎ zǐ Yang Wood Rat";
    QTest::newRow("2024") << 40 << "甲辰 jiǎ chén Yang Wood Dragon";
    QTest::newRow("a Yin stem") << 25 << "己丑 jǐ chǒu Yin Earth Ox";
    QTest::newRow("last of the cycle") << 59 << "癸亥 guǐ hài Yin Water Pig";
    QTest::newRow("counted round forwards") << 60 + 13 << "丁丑 dīng chǒu Yin Fire Ox";
    QTest::newRow("counted round backwards") << -1 << "癸亥 guǐ hài Yin Water Pig";
}

void TestChineseTexts::stemBranch()
{
    QFETCH(int, index);
    const chinese::StemBranch pair = chinese::StemBranch::fromCycleIndex(index);
    QTEST(QStringLiteral("%1 %2 %3").arg(pair.characters(), pair.pinyin(), pair.english()), "expected");
    QCOMPARE(chinese::StemBranch::fromStemAndBranch(pair.stem(), pair.branch()), pair);
}

void TestChineseTexts::animalLines()
{
    QSet<QString> lines;
    for (int branch = 0; branch < 12; ++branch)
        lines << chinese::innerAnimalLine(branch) << chinese::secretAnimalLine(branch);
    QCOMPARE(lines.size(), 24);   // none missing, none twice
    QVERIFY(!lines.contains(QString()));
    QVERIFY(chinese::innerAnimalLine(12).isEmpty() && chinese::secretAnimalLine(-1).isEmpty());
}

QTEST_GUILESS_MAIN(TestChineseTexts)
#include "test_chinese_texts.moc"
