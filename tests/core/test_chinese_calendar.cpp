#include "chinese/chinese_calendar.h"

#include <QtTest>

class TestChineseCalendar : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void boundaries_data();
    void boundaries();
    void everyDayLiesInExactlyOneRow();
    void rowsFollowTheCycles();
    void datesOutsideTheTableHaveNoRow();
};

void TestChineseCalendar::boundaries_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("animal");
    const struct { const char *row; int y, m, d; const char *element, *animal; } rows[] = {
        {"1 Jan 1936 still the Wood Pig of 1935", 1936, 1, 1, "Wood", "Pig"},
        {"23 Jan 1936 last Wood Pig day", 1936, 1, 23, "Wood", "Pig"},
        {"24 Jan 1936 first Fire Rat day", 1936, 1, 24, "Fire", "Rat"},
        {"10 Feb 1937 last Fire Rat day", 1937, 2, 10, "Fire", "Rat"},
        {"11 Feb 1937 first Fire Ox day", 1937, 2, 11, "Fire", "Ox"},
        {"27 Jan 1960 Earth Pig", 1960, 1, 27, "Earth", "Pig"},
        {"28 Jan 1960 Metal Rat", 1960, 1, 28, "Metal", "Rat"},
        {"5 Mar 1970 Metal Dog", 1970, 3, 5, "Metal", "Dog"},
        {"5 Feb 1970 Earth Rooster", 1970, 2, 5, "Earth", "Rooster"},
        {"19 Feb 1985 Wood Rat", 1985, 2, 19, "Wood", "Rat"},
        {"20 Feb 1985 Wood Ox", 1985, 2, 20, "Wood", "Ox"},
        {"29 Feb 1996 Fire Rat", 1996, 2, 29, "Fire", "Rat"},
        {"4 Feb 2000 Earth Rabbit", 2000, 2, 4, "Earth", "Rabbit"},
        {"5 Feb 2000 Metal Dragon", 2000, 2, 5, "Metal", "Dragon"},
        {"18 Feb 2007 first Fire Pig day", 2007, 2, 18, "Fire", "Pig"},
        {"6 Feb 2008 last Fire Pig day", 2008, 2, 6, "Fire", "Pig"},
        {"7 Feb 2008 first Earth Rat day", 2008, 2, 7, "Earth", "Rat"},
        {"1 May 2008 Earth Rat", 2008, 5, 1, "Earth", "Rat"},
        {"31 Dec 2008 Earth Rat", 2008, 12, 31, "Earth", "Rat"},
    };
    for (const auto &r : rows)
        QTest::newRow(r.row) << QDate(r.y, r.m, r.d) << QString::fromLatin1(r.element) << QString::fromLatin1(r.animal);
}

void TestChineseCalendar::boundaries()
{
    QFETCH(QDate, date);
    QFETCH(QString, element);
    QFETCH(QString, animal);
    const auto row = chinese::findNewYear(date);
    QVERIFY(row);
    QCOMPARE(row->element, element);
    QCOMPARE(row->animal, animal);
}

void TestChineseCalendar::everyDayLiesInExactlyOneRow()
{
    const auto &table = chinese::newYearTable();
    QCOMPARE(table.size(), 74);
    QCOMPARE(table.first().firstDay, QDate(1936, 1, 1));
    QCOMPARE(table.last().lastDay, QDate(2008, 12, 31));
    for (qsizetype i = 0; i < table.size(); ++i) {
        QVERIFY2(table[i].firstDay <= table[i].lastDay, qPrintable(QString::number(i)));
        if (i > 0)
            QVERIFY2(table[i].firstDay == table[i - 1].lastDay.addDays(1), qPrintable(QString::number(i)));
    }
    // A Chinese year begins between 21 January and 20 February.
    for (qsizetype i = 1; i < table.size(); ++i) {
        const QDate start = table[i].firstDay;
        QVERIFY2(start >= QDate(start.year(), 1, 21) && start <= QDate(start.year(), 2, 20), qPrintable(start.toString()));
    }
}

void TestChineseCalendar::rowsFollowTheCycles()
{
    // Row i is the Chinese year 1935 + i: twelve animals from the Rat of 1936, two years to
    // each element from the Fire of 1936.
    const auto &table = chinese::newYearTable();
    for (qsizetype i = 0; i < table.size(); ++i) {
        const int offset = int(i) - 1;   // years after 1936
        const int animal = ((offset % 12) + 12) % 12;
        const int element = (((offset < 0 ? offset - 1 : offset) / 2) % 5 + 5) % 5;
        QCOMPARE(table[i].animal, chinese::animalNames().at(animal));
        QCOMPARE(table[i].element, chinese::elementNames().at(element));
    }
}

void TestChineseCalendar::datesOutsideTheTableHaveNoRow()
{
    QVERIFY(!chinese::findNewYear(QDate(1935, 12, 31)));
    QVERIFY(!chinese::findNewYear(QDate(2009, 1, 1)));
    QVERIFY(!chinese::findNewYear(QDate()));
    QVERIFY(!chinese::findNewYear(QDate(1970, 2, 30)));
}

QTEST_GUILESS_MAIN(TestChineseCalendar)
#include "test_chinese_calendar.moc"
