#include "chinese/calendar/birthday_calendar.h"
#include "chinese/calendar/lunar_birthdays.h"
#include "chinese/calendar/lunar_calendar.h"
#include "chinese/calendar/table_differences.h"

#include <QtTest>

Q_DECLARE_METATYPE(chinese::Tradition)

class TestLunarBirthdays : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void chineseDates_data();
    void chineseDates();
    void birthdays_data();
    void birthdays();
    void yearsBeyondTheTables();
    void foldedLines_data();
    void foldedLines();
    void textEscaped();
    void sameEventsSameUids();
    void monthsBegunNearMidnight_data();
    void monthsBegunNearMidnight();
};

namespace {

// "2023 leap 2 1"
QString dateText(const chinese::ChineseDate &date)
{
    return QStringLiteral("%1 %2%3 %4").arg(date.year).arg(date.leap ? QStringLiteral("leap ") : QString()).arg(date.month).arg(date.day);
}

} // namespace

void TestLunarBirthdays::chineseDates_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("expected");
    QTest::newRow("first covered day") << QDate(1900, 1, 1) << "1899 12 1";
    QTest::newRow("New Year 1900") << QDate(1900, 1, 31) << "1900 1 1";
    QTest::newRow("last day of 2023, a 30-day 12th month") << QDate(2024, 2, 9) << "2023 12 30";
    QTest::newRow("30th of the ordinary 2nd month before the leap one") << QDate(2023, 3, 21) << "2023 2 30";
    QTest::newRow("first day of the leap 2nd month") << QDate(2023, 3, 22) << "2023 leap 2 1";
    QTest::newRow("the rare leap 11th month") << QDate(2033, 12, 22) << "2033 leap 11 1";
    QTest::newRow("last covered day") << QDate(2100, 12, 31) << "2100 12 1";
}

void TestLunarBirthdays::chineseDates()
{
    QFETCH(QDate, date);
    const std::optional<chinese::ChineseDate> chinese = chinese::chineseDate(date);
    QVERIFY(chinese);
    QTEST(dateText(*chinese), "expected");
}

void TestLunarBirthdays::birthdays_data()
{
    QTest::addColumn<QDate>("born");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("keptOn");
    QTest::addColumn<QDate>("expected");
    // 2023-04-05 is the 15th day of the leap 2nd month of 2023; 2042 has a leap 2nd month, 2025 none.
    QTest::newRow("leap-month birth in a year with that leap month") << QDate(2023, 4, 5) << 2042 << "2042 leap 2 15" << QDate(2042, 4, 5);
    QTest::newRow("leap-month birth in a year without it") << QDate(2023, 4, 5) << 2025 << "2025 2 15" << QDate(2025, 3, 14);
    QTest::newRow("ordinary-month birth in a year with that leap month")
        << QDate(2023, 3, 6) << 2042 << "2042 2 15" << QDate(2042, 3, 6);
    // 2024-04-08 is the 30th of the 2nd month; in 2025 that month has 29 days, in 2027 30.
    QTest::newRow("30th of a 29-day month: its last day") << QDate(2024, 4, 8) << 2025 << "2025 2 29" << QDate(2025, 3, 28);
    QTest::newRow("30th of a 30-day month") << QDate(2024, 4, 8) << 2027 << "2027 2 30" << QDate(2027, 4, 6);
    QTest::newRow("30th of a leap month that returns with 29 days") << QDate(2017, 8, 21) << 2025 << "2025 leap 6 29" << QDate(2025, 8, 22);
    QTest::newRow("last whole Chinese year") << QDate(1990, 5, 12) << 2100 << "2100 4 18" << QDate(2100, 5, 26);
}

void TestLunarBirthdays::birthdays()
{
    QFETCH(QDate, born);
    QFETCH(int, year);
    QFETCH(QDate, expected);
    const std::optional<QList<chinese::LunarBirthday>> birthdays = chinese::lunarBirthdays(*chinese::chineseDate(born), year, 1);
    QVERIFY(birthdays && birthdays->size() == 1);
    QCOMPARE(birthdays->constFirst().lunarYear, year);
    QTEST(dateText(birthdays->constFirst().keptOn), "keptOn");
    QCOMPARE(birthdays->constFirst().date, expected);
    QCOMPARE(chinese::chineseDate(expected), birthdays->constFirst().keptOn);
}

void TestLunarBirthdays::yearsBeyondTheTables()
{
    const chinese::ChineseDate born = *chinese::chineseDate(QDate(1990, 5, 12));
    QVERIFY(chinese::lunarBirthdays(born, 1899, 202));
    QVERIFY(!chinese::lunarBirthdays(born, 1898, 2));
    QVERIFY(!chinese::lunarBirthdays(born, 2100, 2));
    QVERIFY(!chinese::lunarBirthdays(born, 2020, 0));
    QVERIFY(!chinese::lunarBirthdays(born, 2020, std::numeric_limits<int>::max()));
    QVERIFY(!chinese::lunarBirthdays(born, std::numeric_limits<int>::max(), 1));
}

void TestLunarBirthdays::foldedLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("short") << QStringLiteral("SUMMARY:Ann's lunar birthday");
    QTest::newRow("exactly 75 octets") << QStringLiteral("DESCRIPTION:") + QString(63, QLatin1Char('x'));
    QTest::newRow("76 octets") << QStringLiteral("DESCRIPTION:") + QString(64, QLatin1Char('x'));
    QTest::newRow("three-byte characters across the folds") << QStringLiteral("SUMMARY:") + QString(60, QChar(0x674E));
    QTest::newRow("four-byte characters across the folds")
        << QStringLiteral("SUMMARY:a") + QString::fromUcs4(std::u32string(50, U'\U0001F409').data(), 50);
}

void TestLunarBirthdays::foldedLines()
{
    QFETCH(QString, line);
    const QByteArray folded = chinese::icalendarLine(line);
    QVERIFY(folded.endsWith("\r\n"));
    QByteArray unfolded;
    const QList<QByteArray> physical = folded.chopped(2).split('\n');
    for (qsizetype i = 0; i < physical.size(); ++i) {
        QByteArray part = physical.at(i);
        if (i + 1 < physical.size()) {
            QVERIFY(part.endsWith('\r'));
            part.chop(1);
        }
        QVERIFY2(part.size() <= 75, part.constData());
        QVERIFY(QString::fromUtf8(part).toUtf8() == part);   // no character cut in two
        if (i > 0) {
            QVERIFY(part.startsWith(' '));
            part.remove(0, 1);
        }
        unfolded += part;
    }
    QCOMPARE(QString::fromUtf8(unfolded), line);
    QCOMPARE(physical.size() > 1, line.toUtf8().size() > 75);
}

void TestLunarBirthdays::textEscaped()
{
    QCOMPARE(chinese::icalendarText(QStringLiteral("O'Neil; Ann, \\ \"Li\"\nnext\tline\x01")),
             QStringLiteral("O'Neil\\; Ann\\, \\\\ \"Li\"\\nnextline"));
}

void TestLunarBirthdays::sameEventsSameUids()
{
    const QDate born(1990, 5, 12);
    const auto birthdays = *chinese::lunarBirthdays(*chinese::chineseDate(born), 2025, 3);
    const auto uids = [](const QByteArray &file) {
        QByteArrayList found;
        for (const QByteArray &line : file.split('\n')) {
            if (line.startsWith("UID:"))
                found << line.trimmed();
        }
        return found;
    };
    const QByteArrayList first = uids(chinese::birthdayCalendar(QStringLiteral("Ann"), born, birthdays, QDateTime::currentDateTimeUtc()));
    const QByteArrayList later = uids(chinese::birthdayCalendar(QStringLiteral("Ann"), born, birthdays.mid(1), QDateTime(QDate(2030, 1, 1), QTime(), QTimeZone::utc())));
    const QByteArrayList someoneElse = uids(chinese::birthdayCalendar(QStringLiteral("Bo"), born, birthdays, QDateTime::currentDateTimeUtc()));
    QCOMPARE(first.size(), 3);
    QCOMPARE(QSet<QByteArray>(first.cbegin(), first.cend()).size(), 3);
    QCOMPARE(later, first.mid(1));
    for (const QByteArray &uid : someoneElse)
        QVERIFY(!first.contains(uid));
}

// Months whose new moon falls within a minute of midnight: another reckoning begins them a day
// earlier or later, and the month before ends with them (in 2057 China's, as the Hong Kong
// Observatory's table does).
void TestLunarBirthdays::monthsBegunNearMidnight_data()
{
    QTest::addColumn<chinese::Tradition>("tradition");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<bool>("leap");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("ours");
    QTest::addColumn<QString>("theirs");   // empty: the same day
    using chinese::Tradition;
    QTest::newRow("China 2057, 8th month, 10th day: before the new moon in question")
        << Tradition::China << 2057 << 8 << false << 10 << "2057-09-08" << "";
    QTest::newRow("China 2057, 8th month, 30th day: the Observatory's month has 29")
        << Tradition::China << 2057 << 8 << false << 30 << "2057-09-28" << "2057-09-27";
    QTest::newRow("China 2057, 9th month, 1st day") << Tradition::China << 2057 << 9 << false << 1 << "2057-09-29" << "2057-09-28";
    QTest::newRow("China 2057, 9th month, 30th day: our last, the 29th, is the same day")
        << Tradition::China << 2057 << 9 << false << 30 << "2057-10-27" << "";
    QTest::newRow("China 2057, 10th month, 1st day: the tables agree again")
        << Tradition::China << 2057 << 10 << false << 1 << "2057-10-28" << "";
    QTest::newRow("China 2097, 7th month, 1st day: a day later") << Tradition::China << 2097 << 7 << false << 1 << "2097-08-07" << "2097-08-08";
    QTest::newRow("Vietnam 2054, 3rd month, 30th day: that month has 29")
        << Tradition::Vietnam << 2054 << 3 << false << 30 << "2054-05-07" << "2054-05-06";
    QTest::newRow("Vietnam 2054, 4th month, 1st day: a day earlier")
        << Tradition::Vietnam << 2054 << 4 << false << 1 << "2054-05-08" << "2054-05-07";
    QTest::newRow("Vietnam 2077, 10th month, 1st day") << Tradition::Vietnam << 2077 << 10 << false << 1 << "2077-11-15" << "2077-11-16";
    QTest::newRow("Vietnam 2085, 9th month, 2nd day") << Tradition::Vietnam << 2085 << 9 << false << 2 << "2085-10-19" << "2085-10-20";
    QTest::newRow("Korea 2074, leap 6th month, 30th day: that month has 30")
        << Tradition::Korea << 2074 << 6 << true << 30 << "2074-08-21" << "2074-08-22";
    QTest::newRow("Korea 2074, 7th month, 1st day") << Tradition::Korea << 2074 << 7 << false << 1 << "2074-08-22" << "2074-08-23";
    QTest::newRow("Korea 2096, 12th month, 15th day") << Tradition::Korea << 2096 << 12 << false << 15 << "2097-01-27" << "2097-01-28";
}

void TestLunarBirthdays::monthsBegunNearMidnight()
{
    QFETCH(chinese::Tradition, tradition);
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(bool, leap);
    QFETCH(int, day);
    const chinese::ChineseDate birth{1990, month, leap, day};
    const std::optional<chinese::LunarBirthday> ours = chinese::lunarBirthday(birth, year, tradition);
    QVERIFY(ours);
    QTEST(ours->date.toString(Qt::ISODate), "ours");
    const std::optional<QDate> theirs = chinese::otherReckoningBirthday(birth, year, tradition);
    QTEST(theirs ? theirs->toString(Qt::ISODate) : QString(), "theirs");
    const QString line = chinese::lunarBirthdaysText(QString(), birth, {*ours}, tradition);
    QCOMPARE(line.contains(QStringLiteral("; %1 ").arg(theirs ? theirs->toString(Qt::ISODate) : QStringLiteral("-"))), bool(theirs));
    // The other reckoning's date of its own day (ours where the two agree) names the birthday back,
    // and a birth on a day the two date otherwise says how the other reckoning dates it.
    if (theirs) {
        std::optional<chinese::ChineseDate> dated = chinese::otherReckoningDate(*theirs, tradition);
        if (!dated)
            dated = chinese::chineseDate(*theirs, tradition);
        QVERIFY(dated);
        QCOMPARE(dated->month, month);
        QCOMPARE(dated->leap, leap);
        // The 30th of a month that has only 29 there is kept on its 29th.
        QVERIFY(dated->day == day || (day == 30 && dated->day == 29));
        QVERIFY(!chinese::otherReckoningNote(ours->date, tradition).isEmpty()
                || !chinese::otherReckoningNote(*theirs, tradition).isEmpty());
    }
    if (tradition != chinese::Tradition::China)
        QVERIFY(!chinese::observatoryBirthday(birth, year));
}

QTEST_GUILESS_MAIN(TestLunarBirthdays)
#include "test_lunar_birthdays.moc"
