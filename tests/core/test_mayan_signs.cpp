#include "common/calendar_lists.h"
#include "mayan/mayan_reading.h"
#include "mayan/modMayanAnimalMoonSign.h"

#include <QFile>
#include <QtTest>

Q_DECLARE_METATYPE(InputProblem)

class TestMayanSigns : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void changeOverDays_data();
    void changeOverDays();
    void signsRunInTableOrderThroughTheYear();
    void unknownMonthOrDayHasNoSign_data();
    void unknownMonthOrDayHasNoSign();
    void quotedRowsAndPictures_data();
    void quotedRowsAndPictures();
    void interpretationsAndPicturesExist();
    void readingOfAPerson_data();
    void readingOfAPerson();
    void damagedSavedFieldsRefused_data();
    void damagedSavedFieldsRefused();
};

void TestMayanSigns::changeOverDays_data()
{
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("sign");
    // Both sides of every change-over day, and the ends of the months.
    const struct { const char *month; int day; const char *sign; } rows[] = {
        {"January", 1, "Xibkay"},   {"January", 9, "Xibkay"},  {"January", 10, "Batz"},   {"January", 31, "Batz"},
        {"February", 6, "Batz"},    {"February", 7, "Coz"},    {"February", 29, "Coz"},   {"March", 6, "Coz"},
        {"March", 7, "Jaguar"},     {"April", 3, "Jaguar"},    {"April", 4, "Pek"},       {"May", 1, "Pek"},
        {"May", 2, "Kaw"},          {"May", 29, "Kaw"},        {"May", 30, "Tzub"},       {"May", 31, "Tzub"},
        {"June", 26, "Tzub"},       {"June", 27, "Aak"},       {"July", 25, "Aak"},       {"July", 26, "Tzootz"},
        {"August", 21, "Tzootz"},   {"August", 22, "Dzec"},    {"September", 19, "Dzec"}, {"September", 20, "Keh"},
        {"October", 17, "Keh"},     {"October", 18, "Moan"},   {"November", 14, "Moan"},  {"November", 15, "Cutz"},
        {"December", 12, "Cutz"},   {"December", 13, "Xibkay"}, {"December", 31, "Xibkay"},
    };
    for (const auto &r : rows)
        QTest::addRow("%d %s %s", r.day, r.month, r.sign) << QString::fromLatin1(r.month) << r.day << QString::fromLatin1(r.sign);
}

void TestMayanSigns::changeOverDays()
{
    QFETCH(QString, month);
    QFETCH(int, day);
    QFETCH(QString, sign);
    QCOMPARE(mayan::FindMayanSign(month, day), sign);
}

void TestMayanSigns::signsRunInTableOrderThroughTheYear()
{
    // From 26 July (Tzootz, sign 1) round the calendar, every sign is one unbroken run, in table
    // order, with the first and last days of the table by sign.
    const auto &table = mayan::LoadMayanSignTable();
    const struct { int firstMonth, firstDay, lastMonth, lastDay; } spans[mayan::SignCount] = {
        {7, 26, 8, 21},  {8, 22, 9, 19},  {9, 20, 10, 17}, {10, 18, 11, 14}, {11, 15, 12, 12},
        {12, 13, 1, 9},  {1, 10, 2, 6},   {2, 7, 3, 6},    {3, 7, 4, 3},     {4, 4, 5, 1},
        {5, 2, 5, 29},   {5, 30, 6, 26},  {6, 27, 7, 25},
    };
    int position = 0;
    QDate date(2003, 7, 26);   // through 25 July 2004, 29 February included
    QVERIFY(date.isValid());
    for (int step = 0; step < 366; ++step, date = date.addDays(1)) {
        const QString sign = mayan::FindMayanSign(calendar::monthNames().at(date.month() - 1), date.day());
        if (sign != table[position].mayanName) {
            QCOMPARE(date.month(), spans[position + 1].firstMonth);
            QCOMPARE(date.day(), spans[position + 1].firstDay);
            const QDate previous = date.addDays(-1);
            QCOMPARE(previous.month(), spans[position].lastMonth);
            QCOMPARE(previous.day(), spans[position].lastDay);
            ++position;
        }
        QVERIFY2(position < mayan::SignCount && sign == table[position].mayanName,
                 qPrintable(date.toString(Qt::ISODate) + QLatin1Char(' ') + sign));
    }
    QCOMPARE(position, mayan::SignCount - 1);
}

void TestMayanSigns::unknownMonthOrDayHasNoSign_data()
{
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("day");
    QTest::newRow("lower-case month") << "march" << 10;
    QTest::newRow("month with a blank") << "March " << 10;
    QTest::newRow("empty month") << "" << 10;
    QTest::newRow("day 0") << "March" << 0;
    QTest::newRow("day 32") << "May" << 32;
}

void TestMayanSigns::unknownMonthOrDayHasNoSign()
{
    QFETCH(QString, month);
    QFETCH(int, day);
    QVERIFY(mayan::FindMayanSign(month, day).isEmpty());
}

void TestMayanSigns::quotedRowsAndPictures_data()
{
    QTest::addColumn<QString>("mayanName");
    QTest::addColumn<QString>("englishName");
    QTest::addColumn<QString>("crystal");
    QTest::addColumn<int>("picture");
    // The rows that are easy to get wrong: kept spellings, the swapped-looking ninth row, and
    // the picture numbers the result form uses.
    QTest::newRow("Tzootz Rainbow Obsidan, picture 1") << "Tzootz" << "Bat" << "Rainbow Obsidan" << 1;
    QTest::newRow("Coz picture 8") << "Coz" << "Hawk" << "Amethyst" << 8;
    QTest::newRow("Jaguar is Balam") << "Jaguar" << "Balam" << "Alexandrite" << 9;
    QTest::newRow("Kaw Emereld") << "Kaw" << "Snake" << "Emereld" << 11;
    QTest::newRow("Aak picture 13") << "Aak" << "Turtle / Tortoise" << "Serpentine" << 13;
}

void TestMayanSigns::quotedRowsAndPictures()
{
    QFETCH(QString, mayanName);
    QFETCH(QString, englishName);
    QFETCH(QString, crystal);
    QFETCH(int, picture);
    const auto row = mayan::findSignRow(mayanName);
    QVERIFY(row);
    QCOMPARE(row->englishName, englishName);
    QCOMPARE(row->crystal, crystal);
    QCOMPARE(row->picture, picture);
    QVERIFY(!mayan::findSignRow(mayanName.toUpper()));
}

void TestMayanSigns::interpretationsAndPicturesExist()
{
    // Subjects as planned; sizes within a tenth of the planned lengths so the result form holds them.
    const int lengths[mayan::SignCount] = {701, 866, 832, 728, 860, 675, 801, 776, 790, 786, 761, 829, 834};
    const char *pictures[mayan::SignCount] = {"01bat", "02scorpion", "03deer", "04owl", "05peacock", "06lizard",
                                              "07monkey", "08hawk", "09balam", "10dog", "11snake", "12rabbit",
                                              "13turtle"};
    const auto &table = mayan::LoadMayanSignTable();
    for (int position = 0; position < mayan::SignCount; ++position) {
        const mayan::MayanSignRow &row = table[position];
        QCOMPARE(row.picture, position + 1);
        const qsizetype length = row.interpretation.size();
        QVERIFY2(length >= lengths[position] * 9 / 10 && length <= lengths[position] * 11 / 10,
                 qPrintable(row.mayanName + QStringLiteral(": %1").arg(length)));
        QVERIFY(!row.interpretation.contains(QLatin1Char('\n')));
        QVERIFY(mayan::picturePath(row.picture).endsWith(QLatin1String(pictures[position]) + QLatin1String(".jpg")));
        QFile picture(mayan::picturePath(row.picture));
        QVERIFY2(picture.open(QIODevice::ReadOnly), pictures[position]);
        QCOMPARE(picture.read(2), QByteArray("\xff\xd8"));   // a JPEG
    }
    QVERIFY(mayan::picturePath(0).isEmpty());
    QVERIFY(mayan::picturePath(14).isEmpty());
}

void TestMayanSigns::readingOfAPerson_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<InputProblem>("problem");
    QTest::addColumn<QString>("sign");
    using P = InputProblem;
    QTest::newRow("blank name beats 31 April") << " \t " << 31 << 4 << 1990 << P::NameMissing << "";
    QTest::newRow("empty name beats 30 February") << "" << 30 << 2 << 2000 << P::NameMissing << "";
    QTest::newRow("29 Feb 1900 refused") << "Ana" << 29 << 2 << 1900 << P::BadFebruary << "";
    QTest::newRow("29 Feb 2001 refused") << "Ana" << 29 << 2 << 2001 << P::BadFebruary << "";
    QTest::newRow("30 Feb of a leap year refused") << "Ana" << 30 << 2 << 2000 << P::BadFebruary << "";
    QTest::newRow("31 April refused") << "Ana" << 31 << 4 << 1990 << P::BadThirtyFirst << "";
    QTest::newRow("31 June refused") << "Ana" << 31 << 6 << 1990 << P::BadThirtyFirst << "";
    QTest::newRow("31 September refused") << "Ana" << 31 << 9 << 1990 << P::BadThirtyFirst << "";
    QTest::newRow("31 November refused") << "Ana" << 31 << 11 << 1990 << P::BadThirtyFirst << "";
    QTest::newRow("30 April: Pek") << "Ana" << 30 << 4 << 1990 << P::None << "Pek";
    QTest::newRow("31 May: Tzub") << " Ana " << 31 << 5 << 1990 << P::None << "Tzub";
    QTest::newRow("29 Feb 2048: Coz") << "Ana" << 29 << 2 << 2048 << P::None << "Coz";
    QTest::newRow("1899 before the years listed") << "Ana" << 1 << 1 << 1899 << P::YearOutOfRange << "";
    QTest::newRow("2051 after the years listed") << "Ana" << 1 << 1 << 2051 << P::YearOutOfRange << "";
    QTest::newRow("29 Feb 2000: Coz") << "  Ana Lucia " << 29 << 2 << 2000 << P::None << "Coz";
    QTest::newRow("1 Jan 1900: Xibkay") << "Ana" << 1 << 1 << 1900 << P::None << "Xibkay";
    QTest::newRow("31 Dec 2050: Xibkay") << "Ana" << 31 << 12 << 2050 << P::None << "Xibkay";
}

void TestMayanSigns::readingOfAPerson()
{
    QFETCH(QString, name);
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(InputProblem, problem);
    QFETCH(QString, sign);
    const Checked<mayan::Reading> reading = mayan::makeReading({name, {day, month, year}});
    QCOMPARE(reading.problem(), problem);
    if (problem != InputProblem::None)
        return;
    QCOMPARE(reading->person.name, name.trimmed());
    QCOMPARE(reading->birthDate, QDate(year, month, day));
    QCOMPARE(reading->sign.mayanName, sign);

    // Saved and opened again, the reading is the same.
    const Checked<mayan::Person> opened = mayan::personFromSavedFields(mayan::savedFields(*reading));
    QVERIFY(opened);
    const Checked<mayan::Reading> again = mayan::makeReading(*opened);
    QCOMPARE(again->person.name, reading->person.name);
    QCOMPARE(again->birthDate, reading->birthDate);
}

void TestMayanSigns::damagedSavedFieldsRefused_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<InputProblem>("problem");
    using P = InputProblem;
    QTest::newRow("empty name") << QStringList{"", "March", "7", "1985"} << P::NameMissing;
    QTest::newRow("name of blanks") << QStringList{"   ", "March", "7", "1985"} << P::NameMissing;
    QTest::newRow("month no list holds") << QStringList{"Ana", "Marchy", "7", "1985"} << P::BadThirtyFirst;
    QTest::newRow("month in small letters") << QStringList{"Ana", "march", "7", "1985"} << P::BadThirtyFirst;
    QTest::newRow("day with a leading zero") << QStringList{"Ana", "March", "07", "1985"} << P::BadThirtyFirst;
    QTest::newRow("day 32") << QStringList{"Ana", "March", "32", "1985"} << P::BadThirtyFirst;
    QTest::newRow("30 February") << QStringList{"Ana", "February", "30", "1984"} << P::BadFebruary;
    QTest::newRow("year line missing") << QStringList{"Ana", "March", "7"} << P::YearOutOfRange;
    QTest::newRow("year with a blank") << QStringList{"Ana", "March", "7", " 1985"} << P::YearOutOfRange;
    QTest::newRow("year the list does not hold") << QStringList{"Ana", "March", "7", "1850"} << P::YearOutOfRange;
    QTest::newRow("sound reading") << QStringList{"Ana", "March", "7", "1985"} << P::None;
}

void TestMayanSigns::damagedSavedFieldsRefused()
{
    QFETCH(QStringList, fields);
    QFETCH(InputProblem, problem);
    const Checked<mayan::Person> person = mayan::personFromSavedFields(fields);
    QCOMPARE(person.problem(), problem);
    if (person) {
        QCOMPARE(person->name, QStringLiteral("Ana"));
        QCOMPARE(QDate(person->birth.year, person->birth.month, person->birth.day), QDate(1985, 3, 7));
    }
}

QTEST_GUILESS_MAIN(TestMayanSigns)
#include "test_mayan_signs.moc"
