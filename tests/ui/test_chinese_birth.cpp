#include "app/frmMDI.h"
#include "chinese/calendar/day_start.h"
#include "common/program_settings.h"
#include "common/saved_reading.h"
#include "common/zone_name.h"
#include "forms/orvo_form.h"
#include "ui/frame_fixture.h"
#include "ui/support.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimeZone>
#include <QStatusBar>
#include <QtTest>

using System = systems::System;
using F = FrameFixture;

namespace {

constexpr System Chinese = System::Chinese;

} // namespace

// The time and place of birth on the Chinese windows: the pillars they give, the clock gap, the
// saved file and the lunar birthdays' calendar file.
class TestChineseBirth : public FrameTestCase
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void birthGivesPillars_data();
    void birthGivesPillars();
    void savedFileReopensExactly();
    void olderFileOpensWithoutTime();
    void calendarFileParses();

private:
    // Chooses the system afresh and enters Mei, born on date ("yyyy-MM-dd") at time ("HH:mm" or
    // empty) in zone; nothing is proceeded yet. The input form, or nullptr.
    OrvoForm *enter(const QString &date, const QString &time, const QString &zone);

    QTemporaryDir dir;
};

void TestChineseBirth::initTestCase()
{
    QVERIFY(useOwnSettings());
    QVERIFY(dir.isValid());
}

void TestChineseBirth::init()
{
    programSettings::open()->clear();
    FrameTestCase::init();
}

OrvoForm *TestChineseBirth::enter(const QString &date, const QString &time, const QString &zone)
{
    const QDate day = QDate::fromString(date, Qt::ISODate);
    OrvoForm *input = ui->open(Chinese);
    if (!input || !ui->fill(Chinese, {"Mei", "Female", day.day(), day.month(), day.year()}))
        return nullptr;
    const QTime clock = QTime::fromString(time, "HH:mm");
    F::control<QComboBox>(input, "cboHour")->setCurrentIndex(clock.isValid() ? clock.hour() + 1 : 0);
    F::control<QComboBox>(input, "cboMinute")->setCurrentIndex(clock.isValid() ? clock.minute() + 1 : 0);
    F::control<QComboBox>(input, "cboZone")->setCurrentText(zone);
    return input;
}

void TestChineseBirth::birthGivesPillars_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QString>("longitude");
    QTest::addColumn<QStringList>("shown");   // in the result's text and the report; empty: refused
    QTest::addColumn<QString>("message");

    // Summer time in Shanghai: 14:30 on the clock is 13:30 standard time, still the Goat hour.
    QTest::newRow("Shanghai 1990") << "1990-05-12" << "14:30" << "Asia/Shanghai" << ""
                                   << QStringList{"18th day of the 4th month, Year of the Horse",
                                                  "Year pillar: 庚午 gēng wǔ", "Month pillar: 辛巳 xīn sì",
                                                  "Day pillar: 丁丑", "Hour pillar: 丁未", "Secret Animal: Goat",
                                                  "Standard time: 1990-05-12 13:30", "Chinese year "}
                                   << QString();
    // The Start of Spring 2024 fell at 08:27:07 in London.
    QTest::newRow("London after the Start of Spring") << "2024-02-04" << "08:28" << "Europe/London" << ""
                                                     << QStringList{"Year pillar: 甲辰 jiǎ chén \u2014 Yang Wood Dragon",
                                                                    "Month pillar: 丙寅"}
                                                     << QString();
    // Kashgar's longitude on China's clock: true solar time runs nearly four hours behind.
    QTest::newRow("Kashgar, longitude typed with a comma and a letter")
        << "1990-05-12" << "14:30" << "Asia/Shanghai" << "75,99 E"
        << QStringList{"longitude 75.99 (true solar time)", "True solar time: 1990-05-12 10:37", "Hour pillar: 乙巳", "Secret Animal: Snake"}
        << QString();
    QTest::newRow("summer time, no time")
        << "1971-05-08" << "" << "America/New_York" << ""
        << QStringList{"Day pillar: 癸巳", "Before 01:00 on the birthplace's clock, the day pillar is 壬辰"} << QString();
    QTest::newRow("no time") << "1990-05-12" << "" << "Asia/Shanghai" << ""
                             << QStringList{"time not given", "The hour pillar needs the time of birth."} << QString();
    QTest::newRow("clock gap") << "2024-03-31" << "01:30" << "Europe/London" << "" << QStringList()
                               << "01:30 did not happen on 2024-03-31 in Europe/London: the clocks went forward "
                                  "then. Please check the time of birth.";
    for (const QString &time : {QString(), QStringLiteral("12:00")}) {
        QTest::addRow("the day Samoa skipped, time \"%s\"", qPrintable(time))
            << "2011-12-30" << time << "Pacific/Apia" << "" << QStringList()
            << "2011-12-30 did not happen in Pacific/Apia: the clocks there skipped that whole day. Please check the date of birth.";
    }
    QTest::newRow("unknown zone") << "1990-05-12" << "14:30" << "Mars/Olympus" << "" << QStringList()
                                  << "\"Mars/Olympus\" is not a time zone name such as Europe/London.";
    QTest::newRow("an abbreviation, with a hint") << "1990-02-04" << "10:00" << "JST" << "" << QStringList()
                                                  << "JST is not a time zone name; try Asia/Tokyo.";
    QTest::newRow("an alias Qt does not list") << "1990-05-12" << "14:30" << "US/Eastern" << ""
                                               << QStringList{"14:30, America/New_York"} << QString();
    QTest::newRow("no zone needed without a time") << "1990-05-12" << "" << "" << ""
                                                   << QStringList{"The hour pillar needs the time of birth."} << QString();
    QTest::newRow("no zone with a time") << "1990-05-12" << "14:30" << "" << "" << QStringList()
                                         << "The time of birth needs the time zone of the birthplace.";
}

void TestChineseBirth::birthGivesPillars()
{
    QFETCH(QString, date);
    QFETCH(QString, time);
    QFETCH(QString, zone);
    QFETCH(QString, longitude);
    QFETCH(QStringList, shown);
    QFETCH(QString, message);
    OrvoForm *input = enter(date, time, zone);
    QVERIFY(input);
    F::control<QLineEdit>(input, "txtLongitude")->setText(longitude);
    // Pictures of both windows for a person to look at, where asked for.
    const QString shots = qEnvironmentVariable("ORVO_SCREENSHOTS");
    const QString shot = QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('-'));
    if (!shots.isEmpty())
        QVERIFY(input->grab().save(shots + "/input-" + shot + ".png"));
    OrvoForm *display = ui->find(Chinese);
    if (!message.isEmpty()) {
        QCOMPARE(dialogs()->messageTexts(), QStringList{message});
        QCOMPARE(ui->shownWindows(), QStringList{"frmChineseZodiacMain"});
        // The entry to correct has the focus (an editable list's own line box, or the list).
        const QString target = message.contains("time zone") ? "cboZone" : message.contains("whole day") ? "cboDate" : "cboHour";
        const QWidget *focus = input->focusWidget();
        QVERIFY(focus && (focus->objectName() == target || focus->parentWidget()->objectName() == target));
        return;
    }
    QVERIFY(dialogs()->messages.isEmpty());
    QVERIFY(display);
    if (!shots.isEmpty()) {
        // The whole frame at a common screen size, the depth box turned to the time of birth.
        display->window()->resize(1366, 768);
        display->parentWidget()->showMaximized();
        QCoreApplication::processEvents();
        auto *depth = F::control<QTextEdit>(display, "txtDepth");
        depth->find("Time and Place of Birth");
        depth->ensureCursorVisible();
        QVERIFY(display->window()->grab().save(shots + "/result-" + shot + ".png"));
    }
    const OrvoForm *reportForm = ui->report(Chinese);
    QVERIFY(reportForm);
    const QString report = F::text(reportForm, "RTB");
    const QString result = F::text(display, "txtDepth");
    for (const QString &part : shown) {
        QVERIFY2(result.contains(part), qPrintable(part + " not on the result:\n" + result));
        QVERIFY2(report.contains(part), qPrintable(part + " not in the report"));
    }
    // The years ahead follow, and what the report held before comes first still.
    QVERIFY(result.contains("The Years Ahead for the"));
    QVERIFY(report.indexOf("Famous Persons") < report.indexOf("The Years Ahead"));
    QVERIFY(F::control<QPushButton>(display, "cmdCalendar")->isEnabled());
}

void TestChineseBirth::savedFileReopensExactly()
{
    OrvoForm *input = enter("2024-02-04", "23:40", "Asia/Shanghai");
    QVERIFY(input);
    F::control<QLineEdit>(input, "txtLongitude")->setText("121.5");
    QVERIFY(F::click(input, "optDayStart_1"));
    const OrvoForm *display = ui->find(Chinese);
    QVERIFY(dialogs()->messages.isEmpty());
    QVERIFY(display);
    QCOMPARE(chinese::preferredDayStart(), chinese::DayStart::At23);
    const QString result = F::text(display, "txtDepth");
    const QString fileName = dir.filePath("late.str");
    dialogs()->fileAnswers = {fileName};
    QVERIFY(F::click(ui->report(Chinese), "cmdSave"));
    QVERIFY(dialogs()->messages.isEmpty());
    // The older readers' lines first, unchanged.
    QCOMPARE(savedReading::readFile(fileName),
             QStringList({"Mei", "Female", "4", "February", "2024", "new-year", "23:40", "Asia/Shanghai", "121.5", "23"}));

    // A fresh form with other entries and the other preference: the file restores them all.
    chinese::setPreferredDayStart(chinese::DayStart::Midnight);
    input = enter("2000-01-01", QString(), "UTC");
    QVERIFY(input);
    QVERIFY(F::click(input, "optDayStart_0"));
    display = ui->openSaved(Chinese, fileName);
    QVERIFY(dialogs()->messages.isEmpty());
    QVERIFY(display);
    QCOMPARE(F::text(input, "cboHour") + F::text(input, "cboMinute"), "2340");
    QCOMPARE(F::text(input, "cboZone"), "Asia/Shanghai");
    QCOMPARE(F::text(input, "txtLongitude"), "121.5");
    QVERIFY(F::isChecked(input, "optDayStart_1"));
    QCOMPARE(chinese::preferredDayStart(), chinese::DayStart::Midnight);
    QCOMPARE(F::text(display, "txtDepth"), result);

    // A damaged zone line is damage, not the computer's zone.
    const QString damaged = dir.filePath("damaged.str");
    QVERIFY(savedReading::writeFile(damaged, {"Mei", "Female", "4", "February", "2024", "new-year", "23:40",
                                              "Nowhere/Place", "", "23"}));
    QVERIFY(F::click(display, "cmdBack"));
    QVERIFY(!ui->openSaved(Chinese, damaged));
    QCOMPARE(dialogs()->messageTexts(), QStringList{"Please Check The File."});
}

void TestChineseBirth::olderFileOpensWithoutTime()
{
    const QString fileName = dir.filePath("old.str");
    QVERIFY(savedReading::writeFile(fileName, {"Bo", "Male", "12", "May", "1990"}));
    const OrvoForm *input = enter("2000-01-01", "10:00", "Asia/Tokyo");
    QVERIFY(input);
    const OrvoForm *display = ui->openSaved(Chinese, fileName);
    QVERIFY(dialogs()->messages.isEmpty());
    QVERIFY(display);
    QVERIFY(F::text(input, "cboHour").isEmpty());
    QCOMPARE(F::text(input, "cboZone"), zoneName::thisComputersZone() ? zoneName::thisComputersZone()->name : QString());
    const QString result = F::text(display, "txtDepth");
    QVERIFY(result.contains("18th day of the 4th month, Year of the Horse"));
    QVERIFY(result.contains("The hour pillar needs the time of birth."));
}

void TestChineseBirth::calendarFileParses()
{
    QVERIFY(enter("1990-05-12", "14:30", "Asia/Shanghai"));
    const OrvoForm *display = ui->find(Chinese);
    QVERIFY(display);

    // A folder where the file should go: refused, and said so.
    QVERIFY(QDir(dir.path()).mkpath("taken.ics"));
    dialogs()->fileAnswers = {dir.filePath("taken.ics")};
    QVERIFY(F::click(display, "cmdCalendar"));
    QCOMPARE(dialogs()->messageTexts(), QStringList{"The file could not be saved.\nIt is a folder, not a regular file."});

    const QString fileName = dir.filePath("birthdays");
    dialogs()->fileAnswers = {fileName};
    QVERIFY(F::click(display, "cmdCalendar"));
    QCOMPARE(dialogs()->messages.size(), 1);
    QCOMPARE(dialogs()->fileRequests.last().defaultSuffix, "ics");
    QVERIFY(dialogs()->fileRequests.last().fileName.endsWith(QLatin1String(" - Lunar Birthdays.ics")));
    QVERIFY(QFileInfo::exists(fileName + ".ics"));
    // The frame says where the file went and offers it to the calendar program.
    const auto *status = F::control<QStatusBar>(ui->frame(), "sbrStatus");
    QCOMPARE(status->currentMessage(), "Saved to " + QDir::toNativeSeparators(fileName + ".ics"));
    OpenedPages opened;
    QVERIFY(F::click(ui->frame(), "cmdOpenSaved"));
    QCOMPARE(opened.urls, QList<QUrl>{QUrl::fromLocalFile(fileName + ".ics")});

    const QString python = "/usr/bin/python3";
    if (!QFileInfo::exists(python))
        QSKIP("no Python to parse the calendar with");
    QProcess parser;
    parser.start(python, {"-c", QStringLiteral("import sys, icalendar\n"
                                         "cal = icalendar.Calendar.from_ical(open(sys.argv[1], 'rb').read())\n"
                                         "for e in cal.walk('VEVENT'):\n"
                                         "    print(e.decoded('DTSTART').isoformat(), e['SUMMARY'], bool(e.get('UID')))\n"),
                          fileName + ".ics"});
    QVERIFY(parser.waitForFinished(60000));
    if (parser.exitCode() != 0 && parser.readAllStandardError().contains("No module named"))
        QSKIP("no icalendar module");
    QCOMPARE(parser.exitCode(), 0);
    const QStringList events = QString::fromUtf8(parser.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(events.size(), 10);
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    QString previous;
    for (const QString &event : events) {
        const QString date = event.section(QLatin1Char(' '), 0, 0);
        QVERIFY2(date >= today && date > previous, qPrintable(event));
        QVERIFY2(event.contains("Mei") && event.endsWith("True"), qPrintable(event));
        previous = date;
    }
}

QTEST_MAIN(TestChineseBirth)
#include "test_chinese_birth.moc"
