#include "chinese/branch_relations.h"
#include "chinese/element_relation.h"
#include "chinese/relation_texts.h"
#include "chinese/years_ahead.h"
#include "chinese/years_ahead_block.h"

#include <QFile>
#include <QSet>
#include <QtTest>

using namespace chinese;

Q_DECLARE_METATYPE(chinese::BranchRelation)
Q_DECLARE_METATYPE(chinese::ElementRelation)
Q_DECLARE_METATYPE(chinese::YearStart)

class TestBranchRelations : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void tablesMutualAndComplete_data();
    void tablesMutualAndComplete();
    void everyAnimalInOneTrine();
    void harmsAndBreaksByTheirRules();
    void agreesWithLunarLibrary();
    void elementCycle_data();
    void elementCycle();
    void yearsAhead_data();
    void yearsAhead();
};

namespace {

QList<Branch> allBranches()
{
    QList<Branch> branches;
    for (int i = 0; i < branchCount; ++i)
        branches << branchAt(i);
    return branches;
}

} // namespace

void TestBranchRelations::tablesMutualAndComplete_data()
{
    QTest::addColumn<BranchRelation>("relation");
    QTest::addColumn<int>("pairs");      // of two different animals
    QTest::addColumn<int>("selves");     // animals related to themselves
    QTest::addColumn<int>("partners");   // of every animal, itself excluded; -1: any number but at least one in all
    QTest::newRow("six harmonies pair every animal once") << BranchRelation::SixHarmony << 6 << 0 << 1;
    QTest::newRow("clashes pair every animal once") << BranchRelation::Clash << 6 << 0 << 1;
    QTest::newRow("harms pair every animal once") << BranchRelation::Harm << 6 << 0 << 1;
    QTest::newRow("breaks pair every animal once") << BranchRelation::Break << 6 << 0 << 1;
    QTest::newRow("trines give every animal two partners") << BranchRelation::ThreeHarmony << 12 << 0 << 2;
    QTest::newRow("punishments reach every animal, four by themselves") << BranchRelation::Punishment << 7 << 4 << -1;
    QTest::newRow("same sign only with itself") << BranchRelation::SameSign << 0 << 12 << 0;
}

void TestBranchRelations::tablesMutualAndComplete()
{
    QFETCH(BranchRelation, relation);
    QFETCH(int, partners);
    int pairs = 0;
    int selves = 0;
    for (const Branch a : allBranches()) {
        int partnersOfA = 0;
        for (const Branch b : allBranches()) {
            QVERIFY(holds(relation, a, b) == holds(relation, b, a));
            QCOMPARE(branchRelations(a, b).contains(relation), holds(relation, a, b));
            if (holds(relation, a, b))
                ++(a == b ? selves : partnersOfA);
        }
        QVERIFY2(partners < 0 ? partnersOfA > 0 || holds(relation, a, a) : partnersOfA == partners,
                 qPrintable(animalOfBranch(a)));
        pairs += partnersOfA;
    }
    QTEST(pairs / 2, "pairs");
    QTEST(selves, "selves");
}

void TestBranchRelations::everyAnimalInOneTrine()
{
    for (const Branch a : allBranches()) {
        const QList<Branch> trine = trineOf(a);
        QVERIFY(trine.size() == 3 && trine.contains(a));
        for (const Branch b : allBranches()) {
            QCOMPARE(holds(BranchRelation::ThreeHarmony, a, b), a != b && trine.contains(b));
            QCOMPARE(trineOf(b) == trine, trine.contains(b));
        }
    }
}

// The rules the harms and breaks follow: an animal is harmed by the animal that clashes with its
// six-harmony partner, and each of the six animals at even places (子 寅 辰 午 申 戌) breaks with the
// animal three places before it. With the clashes and harmonies held against the library below,
// these pin both tables.
void TestBranchRelations::harmsAndBreaksByTheirRules()
{
    const auto partner = [](BranchRelation relation, Branch a) {
        for (const Branch b : allBranches()) {
            if (b != a && holds(relation, a, b))
                return b;
        }
        return a;
    };
    for (const Branch a : allBranches()) {
        QVERIFY2(holds(BranchRelation::Harm, a, partner(BranchRelation::Clash, partner(BranchRelation::SixHarmony, a))),
                 qPrintable(animalOfBranch(a)));
        if (static_cast<int>(a) % 2 == 0)
            QVERIFY2(holds(BranchRelation::Break, a, branchAt(static_cast<int>(a) - 3)), qPrintable(animalOfBranch(a)));
    }
}

void TestBranchRelations::agreesWithLunarLibrary()
{
    QFile file(QFINDTESTDATA("data/branch_relations.txt"));
    QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(file.fileName()));
    QSet<QString> theirs;   // "clash 子 午": each branch and its partner, as the library has them
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (!line.startsWith(QLatin1Char('#')))
            theirs << line;
    }
    QSet<QString> ours;
    for (const Branch a : allBranches()) {
        for (const Branch b : allBranches()) {
            for (const BranchRelation relation : {BranchRelation::Clash, BranchRelation::SixHarmony}) {
                if (holds(relation, a, b))
                    ours << QStringLiteral("%1 %2 %3").arg(relationKey(relation), branchCharacter(a), branchCharacter(b));
            }
        }
    }
    QCOMPARE(theirs.size(), 2 * branchCount);
    QCOMPARE(ours, theirs);
}

void TestBranchRelations::elementCycle_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<ElementRelation>("relation");
    QTest::addColumn<ElementRelation>("reversed");
    constexpr auto generates = ElementRelation::FirstGeneratesSecond;
    constexpr auto generated = ElementRelation::SecondGeneratesFirst;
    constexpr auto controls = ElementRelation::FirstControlsSecond;
    constexpr auto controlled = ElementRelation::SecondControlsFirst;
    QTest::newRow("Wood feeds Fire") << "Wood" << "Fire" << generates << generated;
    QTest::newRow("Water feeds Wood, round the cycle") << "Water" << "Wood" << generates << generated;
    QTest::newRow("Wood controls Earth") << "Wood" << "Earth" << controls << controlled;
    QTest::newRow("Metal controls Wood, round the cycle") << "Metal" << "Wood" << controls << controlled;
    QTest::newRow("Water and Water") << "Water" << "Water" << ElementRelation::Same << ElementRelation::Same;
}

void TestBranchRelations::elementCycle()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QTEST(*elementRelation(first, second), "relation");
    QTEST(*elementRelation(second, first), "reversed");
    // Generating comes back round after passing every element once.
    QSet<QString> visited{first};
    for (QString e = generatedBy(first); e != first && visited.size() <= 5; e = generatedBy(e))
        visited << e;
    QCOMPARE(visited, QSet<QString>(elementNames().cbegin(), elementNames().cend()));
    QCOMPARE(controlledBy(first), generatedBy(generatedBy(first)));
    QVERIFY(!elementRelation(first, QStringLiteral("Stone")));
}

void TestBranchRelations::yearsAhead_data()
{
    QTest::addColumn<QString>("animal");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<YearStart>("start");
    QTest::addColumn<QString>("firstYear");
    QTest::addColumn<QString>("outlooks");   // O own, C clash, P punishment, H harm, B break, + harmony, T trine, - none
    constexpr auto lunar = YearStart::LunarNewYear;
    QTest::newRow("Horse from 1 Mar 2026") << "Horse" << QDate(2026, 3, 1) << lunar
                                           << "Fire Horse 2026-02-17" << "O+--T-CHTB--";
    QTest::newRow("Snake: the Monkey year punishes before it harmonises")
        << "Snake" << QDate(2028, 6, 1) << lunar << "Earth Monkey 2028-01-26" << "PT-C-TP--O--";
    QTest::newRow("Rabbit on 5 Feb 2024 by the new year") << "Rabbit" << QDate(2024, 2, 5) << lunar
                                                          << "Water Rabbit 2023-01-22" << "OH-BT-C+TP--";
    QTest::newRow("Rabbit on 5 Feb 2024 by spring") << "Rabbit" << QDate(2024, 2, 5) << YearStart::StartOfSpring
                                                    << "Wood Dragon 2024-02-04" << "H-BT-C+TP--O";
    QTest::newRow("from 2095 only to the table's end") << "Rat" << QDate(2095, 1, 1) << lunar
                                                       << "Wood Tiger 2094-02-15" << "-PT-CHT";
    QTest::newRow("before the covered days") << "Rat" << QDate(1899, 12, 31) << lunar << QString() << QString();
}

void TestBranchRelations::yearsAhead()
{
    QFETCH(QString, animal);
    QFETCH(QDate, from);
    QFETCH(YearStart, start);
    const QList<YearAhead> years = chinese::yearsAhead(animal, from, start);
    // The block the result and report show holds the same years, one line each.
    const chinese::YearsAheadBlock block = chinese::yearsAheadBlock(animal, from, start);
    QCOMPARE(block.lines.size(), years.size());
    const QString codes = QStringLiteral("OCPHB+T-");
    QString outlooks;
    for (qsizetype i = 0; i < years.size(); ++i) {
        const YearAhead &year = years.at(i);
        if (i == 0) {
            QVERIFY(year.firstDay <= from && from <= year.lastDay);
            QTEST(QStringLiteral("%1 %2 %3").arg(year.element, year.animal, year.firstDay.toString(Qt::ISODate)),
                  "firstYear");
        } else {
            QCOMPARE(year.firstDay, years.at(i - 1).lastDay.addDays(1));
        }
        outlooks += codes.at(static_cast<int>(year.outlook));
        const QString line = yearAheadLine(year, animal);
        QCOMPARE(block.lines.at(i), line);
        QVERIFY2(line.startsWith(year.element + QLatin1Char(' ') + year.animal + QLatin1String(", "))
                     && line.endsWith(QLatin1Char('.')),
                 qPrintable(line));
    }
    QTEST(outlooks, "outlooks");
    if (years.size() < 12 && !years.isEmpty())
        QCOMPARE(years.constLast().lastDay, newYearTable(start).constLast().lastDay);
}

QTEST_GUILESS_MAIN(TestBranchRelations)
#include "test_branch_relations.moc"
