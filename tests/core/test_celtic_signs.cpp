#include "celtic/celtic_sign_record.h"
#include "celtic/celtic_input.h"
#include "celtic/celtic_reading.h"
#include "celtic/celtic_signs.h"
#include "common/calendar_lists.h"

#include <QtTest>

class TestCelticSigns : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void boundaries_data();
    void boundaries();
    void everyValidDayHasOneSign();
    void invalidPositionsHaveNoSign();
    void recordsAgreeWithCalendar();
    void quotedFieldsKeepTheirBlanks();
    void keyFilter_data();
    void keyFilter();
    void readingOfAPerson_data();
    void readingOfAPerson();
};

void TestCelticSigns::boundaries_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("sign");
    QTest::addColumn<int>("picture");
    const struct { const char *row; int month, day; const char *sign; int picture; } rows[] = {
        {"1 January Stag", 1, 1, "Stag", 1},          {"20 January Stag", 1, 20, "Stag", 1},
        {"21 January Crane", 1, 21, "Crane", 2},      {"17 February Crane", 2, 17, "Crane", 2},
        {"18 February Seal", 2, 18, "Seal", 3},       {"29 February Seal", 2, 29, "Seal", 3},
        {"17 March Seal", 3, 17, "Seal", 3},          {"18 March Bear", 3, 18, "Bear", 4},
        {"14 April Bear", 4, 14, "Bear", 4},          {"15 April Adder", 4, 15, "Adder", 5},
        {"12 May Adder", 5, 12, "Adder", 5},          {"13 May Bee", 5, 13, "Bee", 6},
        {"9 June Bee", 6, 9, "Bee", 6},               {"10 June Otter", 6, 10, "Otter", 7},
        {"7 July Otter", 7, 7, "Otter", 7},           {"8 July Cat", 7, 8, "Cat", 8},
        {"4 August Cat", 8, 4, "Cat", 8},             {"5 August Salmon", 8, 5, "Salmon", 9},
        {"1 September Salmon", 9, 1, "Salmon", 9},    {"2 September Swan", 9, 2, "Swan", 10},
        {"29 September Swan", 9, 29, "Swan", 10},     {"30 September Goose", 9, 30, "Goose", 11},
        {"27 October Goose", 10, 27, "Goose", 11},    {"28 October Owl", 10, 28, "Owl", 12},
        {"24 November Owl", 11, 24, "Owl", 12},       {"25 November Raven", 11, 25, "Raven", 13},
        {"22 December Raven", 12, 22, "Raven", 13},   {"23 December Wren", 12, 23, "Wren", 14},
        {"24 December Stag", 12, 24, "Stag", 1},      {"31 December Stag", 12, 31, "Stag", 1},
    };
    for (const auto &r : rows)
        QTest::newRow(r.row) << r.month << r.day << QString::fromLatin1(r.sign) << r.picture;
}

void TestCelticSigns::boundaries()
{
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(QString, sign);
    QFETCH(int, picture);
    const auto row = celtic::findSign(month - 1, day - 1);
    QVERIFY(row);
    QCOMPARE(row->sign, sign);
    QCOMPARE(row->picture, picture);
}

void TestCelticSigns::everyValidDayHasOneSign()
{
    // Every real day of a leap year falls in a row; the sign spans are 28 days (Seal 29, Wren 1).
    QMap<QString, int> days;
    for (QDate date(2000, 1, 1); date.year() == 2000; date = date.addDays(1)) {
        const auto row = celtic::findSign(date.month() - 1, date.day() - 1);
        QVERIFY2(row, qPrintable(date.toString()));
        ++days[row->sign];
    }
    QCOMPARE(days.size(), 14);
    for (auto it = days.cbegin(); it != days.cend(); ++it) {
        const int expected = it.key() == QLatin1String("Wren") ? 1 : it.key() == QLatin1String("Seal") ? 29 : 28;
        QCOMPARE(it.value(), expected);
    }
}

void TestCelticSigns::invalidPositionsHaveNoSign()
{
    QVERIFY(!celtic::findSign(1, 29));   // 30 February
    QVERIFY(!celtic::findSign(1, 30));
    for (int month : {3, 5, 8, 10})
        QVERIFY(!celtic::findSign(month, 30));
    QVERIFY(!celtic::findSign(12, 0));
    QVERIFY(!celtic::findSign(-1, 0));
}

void TestCelticSigns::recordsAgreeWithCalendar()
{
    for (int picture = 1; picture <= 14; ++picture) {
        const QString sign = celtic::signNames().at(picture - 1);
        const auto record = CelticSignRecord::forSign(sign);
        QVERIFY(record);
        QCOMPARE(record->signName, sign);
        for (const QString &field : {record->gaelicName, record->birthstone, record->rulingPlanet, record->keywords,
                                     record->compatibility, record->magickalAbilities})
            QVERIFY2(!field.isEmpty(), qPrintable(sign));
        // The characteristics paragraph is real prose of a few hundred characters, one line.
        QVERIFY2(record->characteristics.size() > 180, qPrintable(sign));
        QVERIFY(!record->characteristics.contains(QLatin1Char('\n')));
    }
    QVERIFY(!CelticSignRecord::forSign(QStringLiteral("stag")));
}

void TestCelticSigns::quotedFieldsKeepTheirBlanks()
{
    QCOMPARE(CelticSignRecord::forSign(QStringLiteral("Stag"))->magickalAbilities, QStringLiteral("Intuitive "));
    QCOMPARE(CelticSignRecord::forSign(QStringLiteral("Stag"))->keywords, QStringLiteral("Truthfulness, Dignity, Self- Reliance"));
    QCOMPARE(CelticSignRecord::forSign(QStringLiteral("Wren"))->compatibility, QStringLiteral("Compatible with all signs"));
    QVERIFY(CelticSignRecord::forSign(QStringLiteral("Crane"))->compatibility.endsWith(QLatin1String("Owl and Beer.")));
    QCOMPARE(CelticSignRecord::forSign(QStringLiteral("Owl"))->gaelicName, QStringLiteral("Cailleach-oidhche"));
}

void TestCelticSigns::keyFilter_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("inserted");
    QTest::newRow("lower case becomes capital") << int('j') << true << int('J');
    QTest::newRow("capital stays") << int('Q') << true << int('Q');
    QTest::newRow("space") << 32 << true << 32;
    QTest::newRow("backspace") << 8 << true << 8;
    QTest::newRow("enter") << 13 << true << 13;
    QTest::newRow("apostrophe") << int('\'') << true << int('\'');
    QTest::newRow("hyphen") << int('-') << true << int('-');
    QTest::newRow("digit refused") << int('7') << false << 0;
    QTest::newRow("backquote refused") << int('`') << false << 0;
    QTest::newRow("brace refused") << int('{') << false << 0;
    QTest::newRow("Delete (U+007F) passes on") << 127 << true << 127;
    QTest::newRow("Ctrl+C (U+0003) passes on") << 3 << true << 3;
    QTest::newRow("Escape passes on") << 27 << true << 27;
    QTest::newRow("no-break space refused") << 0xA0 << false << 0;
    QTest::newRow("accented letter becomes capital") << 0xE9 << true << 0xC9;
    QTest::newRow("Han letter") << 0x674E << true << 0x674E;
}

void TestCelticSigns::keyFilter()
{
    QFETCH(int, key);
    QFETCH(bool, accepted);
    QFETCH(int, inserted);
    char32_t replacement = 0;
    QCOMPARE(celtic::filterNameKey(char32_t(key), &replacement) == celtic::NameKey::Accept, accepted);
    if (accepted)
        QCOMPARE(int(replacement), inserted);
}

void TestCelticSigns::readingOfAPerson_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("problem");
    QTest::addColumn<QString>("sign");   // of a reading that is made
    using P = InputProblem;
    QTest::newRow("both names missing: first name reported") << "" << "" << 30 << 2 << 1901 << int(P::FirstNameMissing) << "";
    QTest::newRow("last name missing, before the date") << "ANN" << "" << 31 << 4 << 1901 << int(P::LastNameMissing) << "";
    QTest::newRow("blank names pass") << " " << " " << 1 << 1 << 1901 << int(P::None) << "Stag";
    QTest::newRow("29 Feb 1900 refused") << "A" << "B" << 29 << 2 << 1900 << int(P::BadFebruary) << "";
    QTest::newRow("29 Feb 2000 Seal") << "A" << "B" << 29 << 2 << 2000 << int(P::None) << "Seal";
    QTest::newRow("29 Feb 1901 refused") << "A" << "B" << 29 << 2 << 1901 << int(P::BadFebruary) << "";
    QTest::newRow("30 Feb 2000 refused") << "A" << "B" << 30 << 2 << 2000 << int(P::BadFebruary) << "";
    QTest::newRow("31 April refused") << "A" << "B" << 31 << 4 << 1990 << int(P::BadThirtyFirst) << "";
    QTest::newRow("31 November refused") << "A" << "B" << 31 << 11 << 1990 << int(P::BadThirtyFirst) << "";
    QTest::newRow("23 December 1990 Wren") << "A" << "B" << 23 << 12 << 1990 << int(P::None) << "Wren";
    QTest::newRow("1 January 1900 Stag") << "A" << "B" << 1 << 1 << 1900 << int(P::None) << "Stag";
    QTest::newRow("31 December 2099 Stag") << "A" << "B" << 31 << 12 << 2099 << int(P::None) << "Stag";
    QTest::newRow("1899 refused") << "A" << "B" << 31 << 12 << 1899 << int(P::YearOutOfRange) << "";
    QTest::newRow("2100 refused") << "A" << "B" << 1 << 6 << 2100 << int(P::YearOutOfRange) << "";
    QTest::newRow("30 Feb 2100: the date before the range") << "A" << "B" << 30 << 2 << 2100 << int(P::BadFebruary) << "";
    QTest::newRow("month 13 refused") << "A" << "B" << 1 << 13 << 1990 << int(P::BadThirtyFirst) << "";
    QTest::newRow("day 0 refused") << "A" << "B" << 0 << 5 << 1990 << int(P::BadThirtyFirst) << "";
}

void TestCelticSigns::readingOfAPerson()
{
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(int, problem);
    QFETCH(QString, sign);
    const celtic::Person person{first, last, {day, month, year}, QStringLiteral("MAY")};
    const Checked<celtic::Reading> reading = celtic::makeReading(person);
    QCOMPARE(int(reading.problem()), problem);
    QCOMPARE(reading.ok(), problem == int(InputProblem::None));
    if (!reading)
        return;
    QCOMPARE(reading->birthDate, QDate(year, month, day));
    QCOMPARE(reading->record.signName, sign);
    QVERIFY(!reading->record.characteristics.isEmpty());
    QCOMPARE(reading->picture, int(celtic::signNames().indexOf(sign)) + 1);
    QCOMPARE(celtic::fullName(reading->person), first + QStringLiteral(" MAY ") + last);
}

QTEST_GUILESS_MAIN(TestCelticSigns)
#include "test_celtic_signs.moc"
