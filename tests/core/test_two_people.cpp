#include "app/command_line.h"
#include "overview/match_output.h"
#include "overview/two_people.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>

using chinese::YearStart;
using overview::TwoPeopleProblem;

Q_DECLARE_METATYPE(overview::TwoPeopleProblem)

class TestTwoPeople : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pairs_data();
    void pairs();
    void commandLineText();
    void commandLineJson();
    void commandLineErrors_data();
    void commandLineErrors();
};

namespace {

struct Run
{
    int status = -1;
    QString out;
    QByteArray err;
};

Run runOrvo(const QStringList &arguments)
{
    QBuffer out;
    QBuffer err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    const int status = commandLine::run(QStringList{QStringLiteral("orvo")} + arguments, out, err);
    return {status, QString::fromUtf8(out.data()), err.data()};
}

} // namespace

void TestTwoPeople::pairs_data()
{
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("second");
    QTest::addColumn<QString>("animals");
    QTest::addColumn<QString>("relations");
    QTest::addColumn<QString>("elements");
    QTest::addColumn<QString>("verdict");   // the summary up to its colon
    QTest::newRow("Snake 1989 and Monkey 1992") << QDate(1989, 5, 12) << QDate(1992, 8, 1)
        << "Earth Snake, Water Monkey" << "six-harmony punishment break" << "first-controls-second" << "On balance favourable";
    QTest::newRow("Ox and Goat clash and punish") << QDate(1985, 6, 1) << QDate(1991, 6, 1)
        << "Wood Ox, Metal Goat" << "clash punishment" << "second-controls-first" << "Unfavourable";
    QTest::newRow("two Dragons punish themselves") << QDate(1988, 6, 1) << QDate(2000, 6, 1)
        << "Earth Dragon, Metal Dragon" << "same-sign punishment" << "first-generates-second" << "Kindred but testing";
    QTest::newRow("Rat and Dragon in one trine") << QDate(1996, 6, 1) << QDate(2012, 6, 1)
        << "Fire Rat, Water Dragon" << "three-harmony" << "second-controls-first" << "Favourable";
    QTest::newRow("Rat and Tiger: nothing") << QDate(1984, 6, 1) << QDate(1986, 6, 1)
        << "Wood Rat, Fire Tiger" << "" << "first-generates-second" << "Neutral";
    QTest::newRow("5 Feb 2024 by the new year: Rabbit breaks Horse") << QDate(2024, 2, 5) << QDate(1990, 5, 12)
        << "Water Rabbit, Metal Horse" << "break" << "second-generates-first" << "Unfavourable";
}

void TestTwoPeople::pairs()
{
    QFETCH(QDate, first);
    QFETCH(QDate, second);
    TwoPeopleProblem problem = TwoPeopleProblem::FirstDate;
    const std::optional<TwoPeople> match = overview::twoPeople(QStringLiteral(" Ann "), first, QStringLiteral("Ben"),
                                                               second, YearStart::LunarNewYear, &problem);
    QVERIFY(match);
    QCOMPARE(problem, TwoPeopleProblem::None);
    QCOMPARE(match->first.name, QStringLiteral("Ann"));
    QCOMPARE(match->second.birthDate, second);
    QVERIFY(match->first.firstDay <= first && first <= match->first.lastDay);
    QTEST(QStringLiteral("%1 %2, %3 %4").arg(match->first.element, match->first.animal, match->second.element,
                                             match->second.animal), "animals");
    const QJsonObject json = overview::matchJson(*match);
    QStringList relations;
    for (const QJsonValue value : json.value(QStringLiteral("relations")).toArray())
        relations << value.toString();
    QTEST(relations.join(QLatin1Char(' ')), "relations");
    QTEST(json.value(QStringLiteral("elements")).toString(), "elements");
    QTEST(match->summary.section(QLatin1Char(':'), 0, 0), "verdict");

    // Every relation found is explained, and names both animals where they differ.
    const QList<chinese::RelationText> texts = overview::relationTexts(*match);
    QCOMPARE(texts.size(), match->relations.size());
    for (const chinese::RelationText &text : texts + QList{overview::elementsText(*match)}) {
        const QString &sentences = text.explanation;
        QVERIFY2(!text.english.isEmpty() && !text.chinese.isEmpty() && sentences.at(0).isUpper()
                     && sentences.endsWith(QLatin1Char('.')) && !sentences.contains(QLatin1Char('%')),
                 qPrintable(text.english + QLatin1String(": ") + sentences));
    }
    QVERIFY2(match->summary.contains(match->first.animal) && match->summary.contains(match->second.animal),
             qPrintable(match->summary));
}

void TestTwoPeople::commandLineText()
{
    const Run run = runOrvo({"--match", "1989-05-12", "1992-08-01"});
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(run.status, 0);
    const QStringList lines = run.out.split(QLatin1Char('\n'));
    const QStringList starts = {"First: Earth Snake (1989-05-12)", "Second: Water Monkey (1992-08-01)",
                                "Six Harmony (六合): The Snake and the Monkey ", "Punishment (相刑): ",
                                "Break (相破): ", "Earth Controls Water (土克水): ", "Summary: On balance favourable: ", ""};
    QCOMPARE(lines.size(), starts.size());
    for (qsizetype i = 0; i < lines.size(); ++i)
        QVERIFY2(lines.at(i).startsWith(starts.at(i)), qPrintable(lines.at(i)));
}

void TestTwoPeople::commandLineJson()
{
    const Run run = runOrvo({"--json", "--year-start", "spring", "--match", "2024-02-05", "1990-05-12"});
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.endsWith(QLatin1Char('\n')) && run.out.count(QLatin1Char('\n')) == 1);
    QJsonObject json = QJsonDocument::fromJson(run.out.toUtf8()).object();
    QVERIFY(json.take(QStringLiteral("summary")).toString().startsWith(QStringLiteral("Neutral: ")));
    QCOMPARE(json, QJsonDocument::fromJson(R"({"first": {"date": "2024-02-05", "animal": "Dragon", "element": "Wood",
        "nativeName": "龙"}, "second": {"date": "1990-05-12", "animal": "Horse", "element": "Metal", "nativeName": "马"},
        "yearStart": "spring", "tradition": "china", "relations": [], "elements": "second-controls-first"})").object());
}

void TestTwoPeople::commandLineErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("named");   // what the message must point at
    QTest::newRow("30 Feb is no day") << QStringList{"--match", "1989-05-12", "1990-02-30"} << "1990-02-30";
    QTest::newRow("first date before 1900") << QStringList{"--match", "1899-12-31", "2101-01-01"} << "1899-12-31";
    QTest::newRow("second date after 2100") << QStringList{"--match", "1990-05-12", "2101-01-01", "--json"} << "2101-01-01";
    QTest::newRow("one date only") << QStringList{"--match", "1989-05-12"} << "two dates";
    QTest::newRow("--signs beside --match") << QStringList{"--match", "1989-05-12", "1992-08-01", "--signs", "1990-05-12"}
                                            << "--signs";
}

void TestTwoPeople::commandLineErrors()
{
    QFETCH(QStringList, arguments);
    const Run run = runOrvo(arguments);
    QCOMPARE(run.status, commandLine::UsageError);
    QCOMPARE(run.out, QString());
    QFETCH(QString, named);
    QVERIFY2(run.err.startsWith("orvo: ") && run.err.endsWith('\n') && run.err.count('\n') == 1
                 && QString::fromUtf8(run.err).contains(named),
             run.err.constData());
}

QTEST_GUILESS_MAIN(TestTwoPeople)
#include "test_two_people.moc"
