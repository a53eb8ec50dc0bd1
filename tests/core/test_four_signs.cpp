#include "app/command_line.h"
#include "overview/four_signs.h"

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
    void summariesForEveryDay();
    void firstSentence_data();
    void firstSentence();
    void claimsOnlyOptions_data();
    void claimsOnlyOptions();
};

// Each system's own tables are tested beside it; these rows catch a month or day handed to the
// wrong system or shifted by one (the lookups take 0-based positions, names and 1-based days).
void TestFourSigns::boundaries_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<YearStart>("start");
    QTest::addColumn<QString>("expected");
    constexpr auto lunar = YearStart::LunarNewYear;
    const struct { const char *row; int y, m, d; YearStart start; const char *expected; } rows[] = {
        {"22 Dec 2000 Raven", 2000, 12, 22, lunar, "Raven, Metal Dragon 2000-02-05..2001-01-23, Xibkay, Emu"},
        {"23 Dec 2000 the Wren alone", 2000, 12, 23, lunar, "Wren, Metal Dragon 2000-02-05..2001-01-23, Xibkay, Emu"},
        {"5 Feb 2024 Water Rabbit by new year", 2024, 2, 5, lunar, "Crane, Water Rabbit 2023-01-22..2024-02-09, Batz, Koala"},
        {"5 Feb 2024 Wood Dragon by spring", 2024, 2, 5, YearStart::StartOfSpring, "Crane, Wood Dragon 2024-02-04..2025-02-02, Batz, Koala"},
        {"31 Jan 1999 Galah", 1999, 1, 31, lunar, "Crane, Earth Tiger 1998-01-28..1999-02-15, Batz, Galah"},
        {"1 Feb 1999 Koala", 1999, 2, 1, lunar, "Crane, Earth Tiger 1998-01-28..1999-02-15, Batz, Koala"},
        {"29 Feb 2000 Seal and Coz", 2000, 2, 29, lunar, "Seal, Metal Dragon 2000-02-05..2001-01-23, Coz, Koala"},
        {"29 May 2001 last Kaw day", 2001, 5, 29, lunar, "Bee, Metal Snake 2001-01-24..2002-02-11, Kaw, Kangaroo"},
        {"30 May 2001 first Tzub day", 2001, 5, 30, lunar, "Bee, Metal Snake 2001-01-24..2002-02-11, Tzub, Kangaroo"},
        {"1 Jan 1900 first covered day", 1900, 1, 1, lunar, "Stag, Earth Pig 1899-02-10..1900-01-30, Xibkay, Galah"},
        {"31 Dec 2100 last covered day", 2100, 12, 31, lunar, "Stag, Metal Monkey 2100-02-09..2101-01-28, Xibkay, Emu"},
    };
    for (const auto &r : rows)
        QTest::newRow(r.row) << QDate(r.y, r.m, r.d) << r.start << QString::fromLatin1(r.expected);
}

void TestFourSigns::boundaries()
{
    QFETCH(QDate, date);
    QFETCH(YearStart, start);
    const std::optional<FourSigns> signs = overview::fourSigns(date, start);
    QVERIFY(signs);
    QCOMPARE(signs->birthDate, date);
    QCOMPARE(signs->chinese.yearStart, start);
    QTEST(QStringLiteral("%1, %2 %3 %4..%5, %6, %7")
              .arg(signs->celtic.sign, signs->chinese.element, signs->chinese.animal,
                   signs->chinese.firstDay.toString(Qt::ISODate), signs->chinese.lastDay.toString(Qt::ISODate),
                   signs->mayan.sign, signs->australian.sign),
          "expected");
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

void TestFourSigns::summariesForEveryDay()
{
    // A leap year round meets every sign; each summary is one sentence of that sign's own text.
    for (QDate date(2000, 1, 1); date.year() == 2000; date = date.addDays(1)) {
        const std::optional<FourSigns> signs = overview::fourSigns(date);
        QVERIFY2(signs && !signs->celtic.keywords.isEmpty() && !signs->mayan.crystal.isEmpty(),
                 qPrintable(date.toString(Qt::ISODate)));
        for (const QString &summary : {signs->chinese.summary, signs->mayan.summary})
            QVERIFY2(summary.size() > 20 && summary.size() < 200 && summary.endsWith(QLatin1Char('.')), qPrintable(summary));
        QVERIFY2(signs->chinese.summary.contains(signs->chinese.animal), qPrintable(signs->chinese.summary));
    }
}

void TestFourSigns::firstSentence_data()
{
    QTest::addColumn<QString>("paragraph");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("a number's point is no end") << "It runs 1.5 miles. Then it rests." << "It runs 1.5 miles.";
    QTest::newRow("blanks and a line break") << "  Who are you?\nTwo." << "Who are you?";
    QTest::newRow("no end mark, the whole text") << "  no end mark  " << "no end mark";
}

void TestFourSigns::firstSentence()
{
    QFETCH(QString, paragraph);
    QTEST(overview::firstSentence(paragraph), "sentence");
}

void TestFourSigns::claimsOnlyOptions_data()
{
    QTest::addColumn<QList<QByteArray>>("arguments");
    QTest::addColumn<bool>("claimed");
    using Args = QList<QByteArray>;
    QTest::newRow("no arguments start the window") << Args{"orvo"} << false;
    QTest::newRow("a saved reading starts the window") << Args{"orvo", "/home/ann/ann.zod"} << false;
    QTest::newRow("a lone dash is a file name") << Args{"orvo", "-"} << false;
    QTest::newRow("the program name is no option") << Args{"-orvo"} << false;
    QTest::newRow("--signs") << Args{"orvo", "--signs", "1990-05-12"} << true;
    QTest::newRow("an option after a file") << Args{"orvo", "ann.zod", "-h"} << true;
}

void TestFourSigns::claimsOnlyOptions()
{
    QFETCH(QList<QByteArray>, arguments);
    std::vector<const char *> argv;
    for (const QByteArray &argument : arguments)
        argv.push_back(argument.constData());
    QTEST(commandLine::claims(int(argv.size()), argv.data()), "claimed");
}

QTEST_GUILESS_MAIN(TestFourSigns)
#include "test_four_signs.moc"
