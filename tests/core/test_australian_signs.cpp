#include "australian/australian_reading.h"
#include "australian/modAustralianAstrology.h"
#include "common/calendar_lists.h"

#include <QFile>
#include <QSet>
#include <QtTest>

Q_DECLARE_METATYPE(InputProblem)

class TestAustralianSigns : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyMonthHasItsAnimal_data();
    void everyMonthHasItsAnimal();
    void unknownMonthHasNoAnimal_data();
    void unknownMonthHasNoAnimal();
    void lookupIsExact();
    void everySignHasItsOwnPicture();
    void readingOfAPerson_data();
    void readingOfAPerson();
    void damagedSavedFieldsRefused_data();
    void damagedSavedFieldsRefused();
};

void TestAustralianSigns::everyMonthHasItsAnimal_data()
{
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("animal");
    QTest::addColumn<int>("plannedLength");
    const struct { const char *month, *animal; int length; } rows[] = {
        {"January", "Galah", 497},
        {"February", "Koala", 520},
        {"March", "Dingbat", 444},
        {"April", "Western Swamp Turtle", 539},
        {"May", "Kangaroo", 606},
        {"June", "Northern Hairy-nosed Wombat", 516},
        {"July", "Platypus", 530},
        {"August", "Possum", 591},
        {"September", "Numbat", 605},
        {"October", "Dibbler", 671},
        {"November", "Dingo", 575},
        {"December", "Emu", 599},
    };
    for (const auto &r : rows)
        QTest::addRow("%s %s", r.month, r.animal) << QString::fromLatin1(r.month) << QString::fromLatin1(r.animal) << r.length;
}

void TestAustralianSigns::everyMonthHasItsAnimal()
{
    QFETCH(QString, month);
    QFETCH(QString, animal);
    QFETCH(int, plannedLength);
    QCOMPARE(australian::FindAustralianSign(month), animal);
    const auto row = australian::findSignRow(animal);
    QVERIFY(row);
    QCOMPARE(australian::LoadAustralianSignTable().at(calendar::monthNumber(month) - 1).animal, animal);
    // The description is there, one paragraph, within a tenth of its planned size.
    const qsizetype length = row->description.size();
    QVERIFY2(length >= plannedLength * 9 / 10 && length <= plannedLength * 11 / 10, qPrintable(QString::number(length)));
    QVERIFY(!row->description.contains(QLatin1Char('\n')));
}

void TestAustralianSigns::unknownMonthHasNoAnimal_data()
{
    QTest::addColumn<QString>("month");
    QTest::newRow("lower-case") << "june";
    QTest::newRow("trailing blank") << "June ";
    QTest::newRow("empty") << "";
    QTest::newRow("abbreviation") << "Jun";
}

void TestAustralianSigns::unknownMonthHasNoAnimal()
{
    QFETCH(QString, month);
    QVERIFY(australian::FindAustralianSign(month).isEmpty());
}

void TestAustralianSigns::lookupIsExact()
{
    QVERIFY(!australian::findSignRow(QStringLiteral("NORTHERN HAIRY-NOSED WOMBAT")));
    QVERIFY(!australian::findSignRow(QStringLiteral("Northern Hairy-Nosed Wombat")));
    QVERIFY(!australian::findSignRow(QString()));
}

void TestAustralianSigns::everySignHasItsOwnPicture()
{
    QSet<QByteArray> pictures;
    for (const australian::AustralianSignRow &row : australian::LoadAustralianSignTable()) {
        QFile picture(australian::picturePath(row.animal));
        QVERIFY2(picture.open(QIODevice::ReadOnly), qPrintable(row.animal));
        const QByteArray bytes = picture.readAll();
        QVERIFY2(bytes.startsWith("\xff\xd8"), qPrintable(row.animal));   // a JPEG
        pictures.insert(bytes);
    }
    // One picture shown for every sign was the fault users saw.
    QCOMPARE(pictures.size(), australian::SignCount);
    QVERIFY(australian::picturePath(QStringLiteral("kangaroo")).isEmpty());
    QVERIFY(australian::picturePath(QString()).isEmpty());
}

void TestAustralianSigns::readingOfAPerson_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("month");
    QTest::addColumn<InputProblem>("problem");
    QTest::addColumn<QString>("animal");
    QTest::newRow("name of blanks") << "   " << 6 << InputProblem::NameMissing << "";
    QTest::newRow("month 0") << "Bruce" << 0 << InputProblem::BadThirtyFirst << "";
    QTest::newRow("month 13") << "Bruce" << 13 << InputProblem::BadThirtyFirst << "";
    QTest::newRow("June, name trimmed") << " Bruce Lee  " << 6 << InputProblem::None << "Northern Hairy-nosed Wombat";
    QTest::newRow("December") << "Bruce" << 12 << InputProblem::None << "Emu";
}

void TestAustralianSigns::readingOfAPerson()
{
    QFETCH(QString, name);
    QFETCH(int, month);
    QFETCH(InputProblem, problem);
    QFETCH(QString, animal);
    const Checked<australian::Reading> reading = australian::makeReading({name, month});
    QCOMPARE(reading.problem(), problem);
    if (problem != InputProblem::None)
        return;
    QCOMPARE(reading->person.name, name.trimmed());
    QCOMPARE(reading->sign.animal, animal);
    // Saved and opened again, the person is the same.
    const Checked<australian::Person> opened = australian::personFromSavedFields(australian::savedFields(*reading));
    QVERIFY(opened);
    QCOMPARE(opened->name, reading->person.name);
    QCOMPARE(opened->month, month);
}

void TestAustralianSigns::damagedSavedFieldsRefused_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<InputProblem>("problem");
    QTest::newRow("empty name") << QStringList{"", "March"} << InputProblem::NameMissing;
    QTest::newRow("month no list holds") << QStringList{"Bruce", "Marchy"} << InputProblem::BadThirtyFirst;
    QTest::newRow("month line missing") << QStringList{"Bruce"} << InputProblem::BadThirtyFirst;
    QTest::newRow("a Mayan reading: its first two lines") << QStringList{"Bruce", "March", "7", "1985"}
                                                          << InputProblem::None;
}

void TestAustralianSigns::damagedSavedFieldsRefused()
{
    QFETCH(QStringList, fields);
    QFETCH(InputProblem, problem);
    const Checked<australian::Person> person = australian::personFromSavedFields(fields);
    QCOMPARE(person.problem(), problem);
    if (person)
        QCOMPARE(person->month, 3);
}

QTEST_GUILESS_MAIN(TestAustralianSigns)
#include "test_australian_signs.moc"
