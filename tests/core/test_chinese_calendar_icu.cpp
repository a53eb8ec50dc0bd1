// Cross-checks the lunar new-year days against ICU's Chinese calendar, an implementation of its
// own (astronomical new moons and solar terms), so a fault in the generated table shows up here.
#include "chinese/calendar/chinese_calendar.h"

#include <QtTest>

#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <memory>

namespace {

// Years where ICU's new-year day is one day off the published one; the table follows the
// published day.
struct IcuException
{
    int chineseYear;
    QDate published;
};
const IcuException icuExceptions[] = {
    {1954, QDate(1954, 2, 3)},
    {2027, QDate(2027, 2, 6)},
    {2030, QDate(2030, 2, 3)},
};

std::optional<QDate> publishedNewYear(int chineseYear)
{
    for (const IcuException &exception : icuExceptions) {
        if (exception.chineseYear == chineseYear)
            return exception.published;
    }
    return std::nullopt;
}

struct ChineseDay
{
    int cycleYear;   // 1 .. 60, 1 being the Wood Rat
    int month;       // 0-based
    int day;         // 1-based
    bool leapMonth;
};

class IcuChineseCalendar
{
public:
    IcuChineseCalendar()
    {
        UErrorCode status = U_ZERO_ERROR;
        m_calendar.reset(icu::Calendar::createInstance(icu::TimeZone::createTimeZone("GMT"),
                                                       icu::Locale("en@calendar=chinese"), status));
        if (U_FAILURE(status))
            m_calendar.reset();
    }
    bool isValid() const { return m_calendar && QByteArray(m_calendar->getType()) == "chinese"; }

    std::optional<ChineseDay> dayOf(const QDate &date)
    {
        // Noon UTC of the civil day; the calendar's zone is UTC, so its fields are that day's.
        const qint64 unixDays = date.toJulianDay() - QDate(1970, 1, 1).toJulianDay();
        UErrorCode status = U_ZERO_ERROR;
        m_calendar->setTime(UDate(unixDays * 86400000.0 + 43200000.0), status);
        const ChineseDay day{m_calendar->get(UCAL_YEAR, status), m_calendar->get(UCAL_MONTH, status),
                             m_calendar->get(UCAL_DATE, status), m_calendar->get(UCAL_IS_LEAP_MONTH, status) != 0};
        if (U_FAILURE(status))
            return std::nullopt;
        return day;
    }

private:
    std::unique_ptr<icu::Calendar> m_calendar;
};

bool isNewYearDay(const ChineseDay &day)
{
    return day.month == 0 && day.day == 1 && !day.leapMonth;
}

} // namespace

class TestChineseCalendarIcu : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void newYearDaysAgreeWithIcu();
    void elementAndAnimalAgreeWithIcu();
    void exceptionsAreOnlyOneDayOff();
};

// Every new-year day of the table, and the end of its last year, is ICU's first day of the first
// month, and the day before it is not; together with the contiguous rows this leaves no new year
// of ICU's out.
void TestChineseCalendarIcu::newYearDaysAgreeWithIcu()
{
    IcuChineseCalendar icu;
    QVERIFY(icu.isValid());
    const auto &table = chinese::newYearTable();
    QList<QDate> newYearDays;
    for (const chinese::NewYearRow &row : table)
        newYearDays.append(row.firstDay);
    newYearDays.append(table.last().lastDay.addDays(1));

    int compared = 0;
    QStringList disagreements;
    for (const QDate &day : newYearDays) {
        if (publishedNewYear(day.year()))
            continue;
        const auto onDay = icu.dayOf(day);
        const auto dayBefore = icu.dayOf(day.addDays(-1));
        QVERIFY(onDay && dayBefore);
        ++compared;
        if (!isNewYearDay(*onDay) || isNewYearDay(*dayBefore))
            disagreements.append(day.toString(Qt::ISODate));
    }
    QCOMPARE(disagreements.join(u", "), QString());
    QCOMPARE(compared, newYearDays.size() - qsizetype(std::size(icuExceptions)));
}

void TestChineseCalendarIcu::elementAndAnimalAgreeWithIcu()
{
    IcuChineseCalendar icu;
    QVERIFY(icu.isValid());
    const QString stemElements[] = {"Wood", "Fire", "Earth", "Metal", "Water"};
    for (const chinese::NewYearRow &row : chinese::newYearTable()) {
        // The middle of the year, away from any disagreement about its first day.
        const auto day = icu.dayOf(row.firstDay.addDays(180));
        QVERIFY(day);
        const int cycle = day->cycleYear - 1;
        QCOMPARE(row.animal, chinese::animalNames().at(cycle % 12));
        QCOMPARE(row.element, stemElements[cycle % 10 / 2]);
    }
}

// ICU's day in an excepted year is next to the published one, which the table holds.
void TestChineseCalendarIcu::exceptionsAreOnlyOneDayOff()
{
    IcuChineseCalendar icu;
    QVERIFY(icu.isValid());
    for (const IcuException &exception : icuExceptions) {
        const QString year = QString::number(exception.chineseYear);
        const auto row = chinese::findNewYear(exception.published);
        QVERIFY2(row && row->firstDay == exception.published, qPrintable(year));
        const auto before = icu.dayOf(exception.published.addDays(-1));
        const auto onDay = icu.dayOf(exception.published);
        const auto after = icu.dayOf(exception.published.addDays(1));
        QVERIFY(before && onDay && after);
        QVERIFY2(isNewYearDay(*before) || isNewYearDay(*onDay) || isNewYearDay(*after), qPrintable(year));
    }
}

QTEST_GUILESS_MAIN(TestChineseCalendarIcu)
#include "test_chinese_calendar_icu.moc"
