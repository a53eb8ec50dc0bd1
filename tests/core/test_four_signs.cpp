#include "app/command_line.h"
#include "overview/four_signs.h"
#include "overview/four_signs_output.h"

#include <QJsonObject>
#include <QtTest>

using chinese::YearStart;

Q_DECLARE_METATYPE(chinese::YearStart)

class TestFourSigns : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void boundaries_data();
    void boundaries();
    void refusedDates_data();
    void refusedDates();
    void summariesAreOneSentenceForEveryDay();
    void firstSentence_data();
    void firstSentence();
    void plainTextAndJsonAgree();
    void yearStartKeys();
    void claimsOnlyOptions_data();
    void claimsOnlyOptions();
};

void TestFourSigns::boundaries_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<YearStart>("start");
    QTest::addColumn<QString>("celtic");
    QTest::addColumn<QString>("chinese");
    QTest::addColumn<QString>("chineseYear");
    QTest::addColumn<QString>("mayan");
    QTest::addColumn<QString>("australian");
    constexpr auto lunar = YearStart::LunarNewYear;
    constexpr auto spring = YearStart::StartOfSpring;
    const struct { const char *row; int y, m, d; YearStart start; const char *celtic, *chinese, *year, *mayan, *australian; } rows[] = {
        {"22 Dec 2000 Raven", 2000, 12, 22, lunar, "Raven", "Metal Dragon", "2000-02-05..2001-01-23", "Xibkay", "Emu"},
        {"23 Dec 2000 the Wren alone", 2000, 12, 23, lunar, "Wren", "Metal Dragon", "2000-02-05..2001-01-23", "Xibkay", "Emu"},
        {"24 Dec 2000 Stag", 2000, 12, 24, lunar, "Stag", "Metal Dragon", "2000-02-05..2001-01-23", "Xibkay", "Emu"},
        {"5 Feb 2024 Water Rabbit by new year", 2024, 2, 5, lunar, "Crane", "Water Rabbit", "2023-01-22..2024-02-09", "Batz", "Koala"},
        {"5 Feb 2024 Wood Dragon by spring", 2024, 2, 5, spring, "Crane", "Wood Dragon", "2024-02-04..2025-02-02", "Batz", "Koala"},
        {"10 Feb 2024 Wood Dragon by new year", 2024, 2, 10, lunar, "Crane", "Wood Dragon", "2024-02-10..2025-01-28", "Coz", "Koala"},
        {"31 Jan 1999 Galah, year of 1998", 1999, 1, 31, lunar, "Crane", "Earth Tiger", "1998-01-28..1999-02-15", "Batz", "Galah"},
        {"1 Feb 1999 Koala", 1999, 2, 1, lunar, "Crane", "Earth Tiger", "1998-01-28..1999-02-15", "Batz", "Koala"},
        {"6 Feb 1999 last Batz day", 1999, 2, 6, lunar, "Crane", "Earth Tiger", "1998-01-28..1999-02-15", "Batz", "Koala"},
        {"7 Feb 1999 first Coz day", 1999, 2, 7, lunar, "Crane", "Earth Tiger", "1998-01-28..1999-02-15", "Coz", "Koala"},
        {"29 Feb 2000 Seal", 2000, 2, 29, lunar, "Seal", "Metal Dragon", "2000-02-05..2001-01-23", "Coz", "Koala"},
        {"29 May 2001 last Kaw day", 2001, 5, 29, lunar, "Bee", "Metal Snake", "2001-01-24..2002-02-11", "Kaw", "Kangaroo"},
        {"30 May 2001 first Tzub day", 2001, 5, 30, lunar, "Bee", "Metal Snake", "2001-01-24..2002-02-11", "Tzub", "Kangaroo"},
        {"1 Jan 1900 first covered day", 1900, 1, 1, lunar, "Stag", "Earth Pig", "1899-02-10..1900-01-30", "Xibkay", "Galah"},
        {"1 Jan 1900 first covered day by spring", 1900, 1, 1, spring, "Stag", "Earth Pig", "1899-02-04..1900-02-03", "Xibkay", "Galah"},
        {"31 Dec 2100 last covered day", 2100, 12, 31, lunar, "Stag", "Metal Monkey", "2100-02-09..2101-01-28", "Xibkay", "Emu"},
    };
    for (const auto &r : rows) {
        QTest::newRow(r.row) << QDate(r.y, r.m, r.d) << r.start << QString::fromLatin1(r.celtic)
                             << QString::fromLatin1(r.chinese) << QString::fromLatin1(r.year)
                             << QString::fromLatin1(r.mayan) << QString::fromLatin1(r.australian);
    }
}

void TestFourSigns::boundaries()
{
    QFETCH(QDate, date);
    QFETCH(YearStart, start);
    QVERIFY(date.isValid());
    const std::optional<FourSigns> signs = overview::fourSigns(date, start);
    QVERIFY(signs);
    QCOMPARE(signs->birthDate, date);
    QTEST(signs->celtic.sign, "celtic");
    QTEST(signs->chinese.element + QLatin1Char(' ') + signs->chinese.animal, "chinese");
    QTEST(signs->chinese.firstDay.toString(Qt::ISODate) + QStringLiteral("..") + signs->chinese.lastDay.toString(Qt::ISODate),
          "chineseYear");
    QCOMPARE(signs->chinese.yearStart, start);
    QTEST(signs->mayan.sign, "mayan");
    QTEST(signs->australian.sign, "australian");
}

void TestFourSigns::refusedDates_data()
{
    QTest::addColumn<QDate>("date");
    QTest::newRow("31 Dec 1899 before the tables") << QDate(1899, 12, 31);
    QTest::newRow("1 Jan 2101 after the tables") << QDate(2101, 1, 1);
    QTest::newRow("29 Feb 1900 is no day") << QDate(1900, 2, 29);
    QTest::newRow("null date") << QDate();
}

void TestFourSigns::refusedDates()
{
    QFETCH(QDate, date);
    QVERIFY(!overview::fourSigns(date, YearStart::LunarNewYear));
    QVERIFY(!overview::fourSigns(date, YearStart::StartOfSpring));
}

void TestFourSigns::summariesAreOneSentenceForEveryDay()
{
    // A leap year round: every sign of every system is met, and its lines come from the content.
    for (QDate date(2000, 1, 1); date.year() == 2000; date = date.addDays(1)) {
        const std::optional<FourSigns> signs = overview::fourSigns(date);
        QVERIFY2(signs, qPrintable(date.toString(Qt::ISODate)));
        QVERIFY(!signs->celtic.keywords.isEmpty());
        QVERIFY(!signs->celtic.gaelicName.isEmpty());
        QVERIFY(signs->celtic.picture >= 1 && signs->celtic.picture <= 14);
        QVERIFY(signs->mayan.picture >= 1 && signs->mayan.picture <= 13);
        QVERIFY(!signs->mayan.crystal.isEmpty());
        for (const QString &summary : {signs->chinese.summary, signs->mayan.summary}) {
            QVERIFY2(summary.size() > 20 && summary.size() < 200, qPrintable(summary));
            QVERIFY2(summary.endsWith(QLatin1Char('.')), qPrintable(summary));
            QVERIFY(!summary.contains(QLatin1Char('\n')));
        }
        QVERIFY2(signs->chinese.summary.contains(signs->chinese.animal), qPrintable(signs->chinese.summary));
    }
}

void TestFourSigns::firstSentence_data()
{
    QTest::addColumn<QString>("paragraph");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("two sentences") << "You are calm. You are kind." << "You are calm.";
    QTest::newRow("a number's point is no end") << "It runs 1.5 miles. Then it rests." << "It runs 1.5 miles.";
    QTest::newRow("question mark") << "Who are you? Ask." << "Who are you?";
    QTest::newRow("leading blanks and line break") << "  One line.\nTwo." << "One line.";
    QTest::newRow("no end mark, the whole text") << "  no end mark  " << "no end mark";
    QTest::newRow("empty") << "" << "";
}

void TestFourSigns::firstSentence()
{
    QFETCH(QString, paragraph);
    QTEST(overview::firstSentence(paragraph), "sentence");
}

void TestFourSigns::plainTextAndJsonAgree()
{
    const std::optional<FourSigns> signs = overview::fourSigns(QDate(1990, 5, 12), YearStart::LunarNewYear);
    QVERIFY(signs);
    QCOMPARE(overview::plainText(*signs, QStringLiteral("Ann")),
             QStringLiteral("Name: Ann\n"
                            "Celtic: Adder (Nathair)\n"
                            "Chinese: Metal Horse (new-year, 1990-01-27 to 1991-02-14)\n"
                            "Mayan: Kaw (Snake)\n"
                            "Australian: Kangaroo\n"));
    QVERIFY(!overview::plainText(*signs, QString()).contains(QStringLiteral("Name")));

    const QJsonObject json = overview::toJson(*signs, QStringLiteral("Ann"));
    QCOMPARE(json.value(QStringLiteral("date")).toString(), QStringLiteral("1990-05-12"));
    QCOMPARE(json.value(QStringLiteral("name")).toString(), QStringLiteral("Ann"));
    QCOMPARE(json.value(QStringLiteral("celtic"))[QStringLiteral("birthstone")].toString(), QStringLiteral("Moonstone"));
    QCOMPARE(json.value(QStringLiteral("chinese"))[QStringLiteral("yearStart")].toString(), QStringLiteral("new-year"));
    QCOMPARE(json.value(QStringLiteral("chinese"))[QStringLiteral("summary")].toString(), signs->chinese.summary);
    QCOMPARE(json.value(QStringLiteral("mayan"))[QStringLiteral("englishName")].toString(), QStringLiteral("Snake"));
}

void TestFourSigns::yearStartKeys()
{
    for (const YearStart start : {YearStart::LunarNewYear, YearStart::StartOfSpring})
        QCOMPARE(overview::yearStartFromKey(overview::yearStartKey(start)), start);
    QCOMPARE(overview::yearStartKey(YearStart::StartOfSpring), QStringLiteral("spring"));
    QVERIFY(!overview::yearStartFromKey(QStringLiteral("Spring")));
    QVERIFY(!overview::yearStartFromKey(QString()));
}

void TestFourSigns::claimsOnlyOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("claimed");
    QTest::newRow("no arguments start the window") << QStringList{"orvo"} << false;
    QTest::newRow("a saved reading starts the window") << QStringList{"orvo", "/home/ann/ann.zod"} << false;
    QTest::newRow("a lone dash is a file name") << QStringList{"orvo", "-"} << false;
    QTest::newRow("--signs") << QStringList{"orvo", "--signs", "1990-05-12"} << true;
    QTest::newRow("--version") << QStringList{"orvo", "--version"} << true;
    QTest::newRow("-h") << QStringList{"orvo", "-h"} << true;
    QTest::newRow("an option after a file") << QStringList{"orvo", "ann.zod", "--json"} << true;
    QTest::newRow("the program name itself is no option") << QStringList{"-orvo"} << false;
}

void TestFourSigns::claimsOnlyOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, claimed);
    QCOMPARE(commandLine::claims(arguments), claimed);
    std::vector<QByteArray> bytes;
    for (const QString &argument : arguments)
        bytes.push_back(argument.toLocal8Bit());
    std::vector<const char *> argv;
    for (const QByteArray &argument : bytes)
        argv.push_back(argument.constData());
    QCOMPARE(commandLine::claims(int(argv.size()), argv.data()), claimed);
}

QTEST_GUILESS_MAIN(TestFourSigns)
#include "test_four_signs.moc"
