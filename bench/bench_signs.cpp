// Benchmarks of the core without widgets: the sign lookup of every day of each system's range,
// and a saved reading written and read back for each kind of file.
#include "australian/modAustralianAstrology.h"
#include "celtic/celtic_signs.h"
#include "chinese/calendar/chinese_calendar.h"
#include "common/calendar_lists.h"
#include "common/saved_reading.h"
#include "mayan/modMayanAnimalMoonSign.h"
#include "overview/four_signs.h"

#include <QTemporaryDir>
#include <QtTest>

class BenchSigns : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void celticEveryDay();
    void chineseEveryDay_data();
    void chineseEveryDay();
    void fourSignsOfOneDate();
    void mayanEveryDay();
    void australianEveryDay();
    void saveThenOpen_data();
    void saveThenOpen();
};

// Every day of a leap year by list positions (366 days found, the rest refused).
void BenchSigns::celticEveryDay()
{
    int found = 0;
    QBENCHMARK {
        found = 0;
        for (int month = 0; month < 12; ++month) {
            for (int day = 0; day < 31; ++day)
                found += celtic::findSign(month, day).has_value();
        }
    }
    QCOMPARE(found, 366);
}

// Every day from 1 January 1900 to 31 December 2100, by each year start.
void BenchSigns::chineseEveryDay_data()
{
    QTest::addColumn<chinese::YearStart>("start");
    QTest::newRow("Chinese New Year") << chinese::YearStart::LunarNewYear;
    QTest::newRow("Start of Spring") << chinese::YearStart::StartOfSpring;
}

void BenchSigns::chineseEveryDay()
{
    QFETCH(chinese::YearStart, start);
    const QDate first(1900, 1, 1);
    const QDate last(2100, 12, 31);
    qint64 found = 0;
    QBENCHMARK {
        found = 0;
        for (QDate day = first; day <= last; day = day.addDays(1))
            found += chinese::findNewYear(day, start).has_value();
    }
    QCOMPARE(found, first.daysTo(last) + 1);
}

// The four signs of one birth date, as the overview and the command line ask for them.
void BenchSigns::fourSignsOfOneDate()
{
    std::optional<FourSigns> signs;
    QBENCHMARK {
        signs = overview::fourSigns(QDate(1990, 5, 12), chinese::YearStart::LunarNewYear);
    }
    QVERIFY(signs.has_value());
}

// Every month name with every day 1..31.
void BenchSigns::mayanEveryDay()
{
    const QStringList &months = calendar::monthNames();
    int found = 0;
    QBENCHMARK {
        found = 0;
        for (const QString &month : months) {
            for (int day = 1; day <= 31; ++day)
                found += !mayan::FindMayanSign(month, day).isEmpty();
        }
    }
    QCOMPARE(found, 12 * 31);
}

// Every day of a leap year; the Australian sign depends on the month name alone.
void BenchSigns::australianEveryDay()
{
    const QStringList &months = calendar::monthNames();
    int found = 0;
    QBENCHMARK {
        found = 0;
        for (int month = 0; month < 12; ++month) {
            const int days = QDate(2000, month + 1, 1).daysInMonth();
            for (int day = 1; day <= days; ++day)
                found += !australian::FindAustralianSign(months.at(month)).isEmpty();
        }
    }
    QCOMPARE(found, 366);
}

void BenchSigns::saveThenOpen_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("Australian .zod, 2 lines") << QStringList{"Ann Lee", "March"};
    QTest::newRow("Mayan .zod, 4 lines") << QStringList{"Ann Lee", "March", "5", "1970"};
    QTest::newRow("Chinese .str, 5 lines") << QStringList{"Ann Lee", "Female", "5", "March", "1970"};
}

// Written through a temporary file renamed over the target, then read back from the disk.
void BenchSigns::saveThenOpen()
{
    QFETCH(QStringList, fields);
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    const QString file = directory.filePath(QStringLiteral("reading"));
    std::optional<QStringList> read;
    QBENCHMARK {
        QVERIFY(savedReading::writeFile(file, fields));
        read = savedReading::readFile(file);
    }
    QCOMPARE(read, fields);
}

QTEST_GUILESS_MAIN(BenchSigns)
#include "bench_signs.moc"
