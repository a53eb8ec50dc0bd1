#include "app/frmMDI.h"
#include "australian/modAustralianAstrology.h"
#include "chinese/calendar/chinese_calendar.h"
#include "chinese/frmChineseZodiacDisplay.h"
#include "chinese/calendar/year_start.h"
#include "common/calendar_lists.h"
#include "common/program_texts.h"
#include "overview/four_signs.h"
#include "overview/frmAllFourSignsDisplay.h"
#include "overview/tile_texts.h"
#include "ui/frame_fixture.h"
#include "ui/support.h"

#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using Icon = DialogService::Icon;
using System = systems::System;
using Tile = frmAllFourSignsDisplay::Tile;

namespace {
// The control of a tile by its objectName: "lblSign" of tile 2 is "lblSign_2".
template<class W>
W *tileControl(const QWidget *display, const char *name, int tile)
{
    return FrameFixture::control<W>(display, QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(tile));
}
}   // namespace

class TestOverview : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void tilesShowTheFourSigns_data();
    void tilesShowTheFourSigns();
    void australianLineSaysMoreThanTheMonth_data();
    void australianLineSaysMoreThanTheMonth();
    void badInputKeepsTheEntries_data();
    void badInputKeepsTheEntries();
    void backKeepsEntriesAndExitShowsStartPanel();
    void fullReadingLandsOnTheSystemsResult_data();
    void fullReadingLandsOnTheSystemsResult();
    void backFromFullReadingShowsTheTiles_data();
    void backFromFullReadingShowsTheTiles();
    void fullReadingKeepsTheYearStart_data();
    void fullReadingKeepsTheYearStart();
    void fullReadingAsksForWhatTheOverviewLacks_data();
    void fullReadingAsksForWhatTheOverviewLacks();
    void fullReadingAtTheEndsOfTheSystemsYears_data();
    void fullReadingAtTheEndsOfTheSystemsYears();
    void printsOnePageWithTheFourSigns();
    void printThatFailsSaysSo();
    void pageGoesOutEveryWay_data();
    void pageGoesOutEveryWay();

private:
    frmAllFourSignsDisplay *showOverview(const QString &name, const QDate &date, const QString &sex = {});

    std::unique_ptr<FrameFixture> ui;
    frmMDI *frame = nullptr;
    ScriptedDialogs *dialogs = nullptr;
};

void TestOverview::initTestCase()
{
    // The Chinese year start is the user's preference: keep the tests' choices out of the user's settings.
    QVERIFY(useOwnSettings());
}

void TestOverview::init()
{
    chinese::setPreferredYearStart(chinese::YearStart::LunarNewYear);
    ui = std::make_unique<FrameFixture>();
    frame = ui->frame();
    dialogs = ui->dialogs();
}

void TestOverview::cleanup()
{
    frame = nullptr;
    dialogs = nullptr;
    ui.reset();
}

frmAllFourSignsDisplay *TestOverview::showOverview(const QString &name, const QDate &date, const QString &sex)
{
    return qobject_cast<frmAllFourSignsDisplay *>(
        ui->reading(System::AllFourSigns, {name, sex, date.day(), date.month(), date.year()}));
}

void TestOverview::tilesShowTheFourSigns_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<chinese::YearStart>("start");
    QTest::addColumn<QString>("chinese");
    QTest::addColumn<QString>("australian");
    QTest::newRow("12 May 1990") << QDate(1990, 5, 12) << chinese::YearStart::LunarNewYear
                                 << QStringLiteral("Metal Horse") << QStringLiteral("Kangaroo");
    // Between the start of spring (4 February) and the new year (10 February 2024).
    QTest::newRow("5 Feb 2024, new year") << QDate(2024, 2, 5) << chinese::YearStart::LunarNewYear
                                          << QStringLiteral("Water Rabbit") << QStringLiteral("Koala");
    QTest::newRow("5 Feb 2024, spring") << QDate(2024, 2, 5) << chinese::YearStart::StartOfSpring
                                        << QStringLiteral("Wood Dragon") << QStringLiteral("Koala");
}

void TestOverview::tilesShowTheFourSigns()
{
    QFETCH(QDate, date);
    QFETCH(chinese::YearStart, start);
    QFETCH(QString, chinese);
    QFETCH(QString, australian);
    chinese::setPreferredYearStart(start);
    frmAllFourSignsDisplay *display = showOverview(QStringLiteral("Ann Lee"), date);
    QVERIFY(display);
    QVERIFY(display->isShownInFrame());
    QVERIFY(!frame->isStartPanelVisible());
    QVERIFY(!FrameFixture::inputForm(System::AllFourSigns)->isVisible());

    const std::optional<FourSigns> signs = overview::fourSigns(date, start);
    QVERIFY(signs);
    QCOMPARE(tileControl<QLabel>(display, "lblSign", Tile::Chinese)->text(), chinese);
    QCOMPARE(tileControl<QLabel>(display, "lblSign", Tile::Australian)->text(), australian);
    QCOMPARE(tileControl<QLabel>(display, "lblSign", Tile::Celtic)->text(), signs->celtic.sign);
    QVERIFY(tileControl<QLabel>(display, "lblSign", Tile::Mayan)->text().startsWith(signs->mayan.sign + QLatin1String(" (")));
    // The Chinese tile says which year start it counted from, and the span of that year.
    // Its phrases wrap whole: no line break inside "Chinese New Year" or a date.
    const auto unbroken = [](QString phrase) { return phrase.replace(u' ', QChar(QChar::Nbsp)); };
    const QString detail = tileControl<QLabel>(display, "lblDetail", Tile::Chinese)->text();
    QVERIFY2(detail.contains(unbroken(overview::yearStartName(start))), qPrintable(detail));
    QVERIFY2(detail.contains(unbroken(overview::dayMonthYear(signs->chinese.firstDay))), qPrintable(detail));
    QVERIFY2(detail.contains(QStringLiteral("Chinese date: ") + signs->chinese.lunarDate.text()), qPrintable(detail));
    QCOMPARE(tileControl<QLabel>(display, "lblSummary", Tile::Chinese)->text(), signs->chinese.summary);
    QCOMPARE(tileControl<QLabel>(display, "lblSummary", Tile::Mayan)->text(), signs->mayan.summary);
    QCOMPARE(tileControl<QLabel>(display, "lblSummary", Tile::Celtic)->text(), signs->celtic.keywords);
    // The Chinese tile shows the year's own animal, not the system's dragon for every year.
    QCOMPARE(tileControl<QLabel>(display, "imgSign", Tile::Chinese)->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
             QImage(chinese::picturePath(signs->chinese.animal)).convertToFormat(QImage::Format_RGB32));
    for (const QString &animal : chinese::animalNames())
        QVERIFY2(!QImage(chinese::picturePath(animal)).isNull(), qPrintable(animal));
    QVERIFY(FrameFixture::text(display, QStringLiteral("lblHeading")).contains(QStringLiteral("Ann Lee, born %1").arg(overview::dayMonthYear(date))));
    for (int tile = 0; tile < 4; ++tile) {
        QVERIFY2(!tileControl<QLabel>(display, "imgSign", tile)->pixmap().isNull(), qPrintable(tileControl<QGroupBox>(display, "fraSystem", tile)->title()));
        QVERIFY(!tileControl<QLabel>(display, "lblSummary", tile)->text().isEmpty());
        // Nothing is clipped: every label gets the height its wrapped text needs, inside its tile.
        for (QLabel *label : {tileControl<QLabel>(display, "lblSign", tile), tileControl<QLabel>(display, "lblDetail", tile), tileControl<QLabel>(display, "lblSummary", tile)}) {
            QVERIFY2(label->height() >= label->heightForWidth(label->width()), qPrintable(label->objectName()));
            QVERIFY(tileControl<QGroupBox>(display, "fraSystem", tile)->rect().contains(label->geometry()));
        }
        QVERIFY(tileControl<QGroupBox>(display, "fraSystem", tile)->parentWidget()->rect().contains(tileControl<QGroupBox>(display, "fraSystem", tile)->geometry()));
        QVERIFY(tileControl<QGroupBox>(display, "fraSystem", tile)->rect().contains(tileControl<QPushButton>(display, "cmdFullReading", tile)->geometry()));
    }
}

void TestOverview::australianLineSaysMoreThanTheMonth_data()
{
    QTest::addColumn<QString>("month");
    for (const QString &month : calendar::monthNames())
        QTest::newRow(qPrintable(month)) << month;
}

void TestOverview::australianLineSaysMoreThanTheMonth()
{
    QFETCH(QString, month);
    const QString sign = australian::FindAustralianSign(month);
    const QString line = overview::australianSummary(sign);
    QVERIFY2(line != sign, qPrintable(line));
    QVERIFY2(!line.contains(month), qPrintable(line));
    QVERIFY(australian::findSignRow(sign)->description.contains(line));
    QVERIFY2(line.endsWith(QLatin1Char('.')) || line.endsWith(QLatin1Char('!')), qPrintable(line));
}

void TestOverview::badInputKeepsTheEntries_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("message");
    QTest::addColumn<Icon>("icon");
    QTest::newRow("no name") << QString() << 12 << 5 << 1990 << texts::enterYourName() << Icon::Error;
    QTest::newRow("name of blanks") << QStringLiteral("   ") << 12 << 5 << 1990 << texts::enterYourName() << Icon::Error;
    QTest::newRow("29 Feb 1900 refused") << QStringLiteral("Ann") << 29 << 2 << 1900 << texts::badFebruary()
                                         << Icon::Information;
    QTest::newRow("30 Feb 2024 refused") << QStringLiteral("Ann") << 30 << 2 << 2024 << texts::badFebruary()
                                         << Icon::Information;
    QTest::newRow("31 April refused") << QStringLiteral("Ann") << 31 << 4 << 1990 << texts::badThirtyFirst()
                                      << Icon::Information;
    // Nothing is chosen at the start: a forgotten date is asked for, not taken as 1 January 1900.
    QTest::newRow("no date") << QStringLiteral("Ann") << 0 << 0 << 0 << texts::badThirtyFirst() << Icon::Information;
    QTest::newRow("no day") << QStringLiteral("Ann") << 0 << 5 << 1990 << texts::badThirtyFirst() << Icon::Information;
    QTest::newRow("no year") << QStringLiteral("Ann") << 12 << 5 << 0 << texts::badThirtyFirst() << Icon::Information;
    QTest::newRow("no name, no date") << QString() << 0 << 0 << 0 << texts::enterYourName() << Icon::Error;
    QTest::newRow("29 Feb 2000 accepted") << QStringLiteral("Ann") << 29 << 2 << 2000 << QString() << Icon::None;
    QTest::newRow("31 Dec 2100 accepted") << QStringLiteral("Ann") << 31 << 12 << 2100 << QString() << Icon::None;
}

void TestOverview::badInputKeepsTheEntries()
{
    QFETCH(QString, name);
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QString, message);
    QFETCH(Icon, icon);
    const OrvoForm *input = ui->open(System::AllFourSigns);
    QVERIFY(input);
    QVERIFY(ui->fill(System::AllFourSigns, {name, {}, day, month, year}));
    const OrvoForm *display = ui->find(System::AllFourSigns);
    if (message.isEmpty()) {
        QVERIFY(dialogs->messages.isEmpty());
        QVERIFY(display);
        return;
    }
    QCOMPARE(dialogs->messageTexts(), QStringList{message});
    QCOMPARE(dialogs->messages.constFirst().icon, icon);
    QVERIFY(!FrameFixture::resultForm(System::AllFourSigns));
    QVERIFY(input->isVisible());
    QCOMPARE(FrameFixture::text(input, QStringLiteral("txtName")), name);
    QCOMPARE(FrameFixture::text(input, QStringLiteral("cboDate")), day > 0 ? QString::number(day) : QString());
    QCOMPARE(FrameFixture::text(input, QStringLiteral("cboMonth")), calendar::monthNames().value(month - 1));
    QCOMPARE(FrameFixture::text(input, QStringLiteral("cboYear")), year > 0 ? QString::number(year) : QString());
}

void TestOverview::backKeepsEntriesAndExitShowsStartPanel()
{
    frmAllFourSignsDisplay *display = showOverview(QStringLiteral("Ann Lee"), QDate(1990, 5, 12), QStringLiteral("Female"));
    QVERIFY(display);
    QVERIFY(FrameFixture::click(display, QStringLiteral("cmdBack")));
    FrameFixture::flushDeletes();
    QVERIFY(!FrameFixture::resultForm(System::AllFourSigns));
    const OrvoForm *input = FrameFixture::inputForm(System::AllFourSigns);
    QVERIFY(input);
    QVERIFY(input->isVisible());
    QVERIFY(!frame->isStartPanelVisible());
    QCOMPARE(FrameFixture::text(input, QStringLiteral("txtName")), QStringLiteral("Ann Lee"));
    QCOMPARE(FrameFixture::text(input, QStringLiteral("cboMonth")), QStringLiteral("May"));
    QVERIFY(FrameFixture::control<QRadioButton>(input, QStringLiteral("optSex_1"))->isChecked());

    QVERIFY(FrameFixture::click(ui->find(System::AllFourSigns), QStringLiteral("cmdExit")));
    QVERIFY(FrameFixture::loadedForms().isEmpty());
    QVERIFY(frame->isStartPanelVisible());
}

void TestOverview::fullReadingLandsOnTheSystemsResult_data()
{
    QTest::addColumn<int>("tile");
    QTest::newRow("Australian") << int(Tile::Australian);
    QTest::newRow("Celtic") << int(Tile::Celtic);
    QTest::newRow("Chinese") << int(Tile::Chinese);
    QTest::newRow("Mayan") << int(Tile::Mayan);
}

void TestOverview::fullReadingLandsOnTheSystemsResult()
{
    QFETCH(int, tile);
    const QDate date(1990, 5, 12);
    frmAllFourSignsDisplay *display = showOverview(QStringLiteral("Mary Ann Lee"), date, QStringLiteral("Female"));
    QVERIFY(display);
    const QString sign = tileControl<QLabel>(display, "lblSign", tile)->text();
    QVERIFY(FrameFixture::click(display, QStringLiteral("cmdFullReading_%1").arg(tile)));
    FrameFixture::flushDeletes();

    QVERIFY(dialogs->messages.isEmpty());
    QVERIFY(!FrameFixture::resultForm(System::AllFourSigns));
    QVERIFY(!FrameFixture::inputForm(System::AllFourSigns));
    QVERIFY(!frame->isStartPanelVisible());
    const System system = System(tile);
    const OrvoForm *result = FrameFixture::resultForm(system);
    QVERIFY(result);
    QVERIFY(result->isShownInFrame());
    // The system's input form holds the person as if typed there, for Back and for a new reading.
    const OrvoForm *input = FrameFixture::inputForm(system);
    QVERIFY(input);
    const auto entry = [input](const char *name) { return FrameFixture::text(input, QLatin1String(name)); };
    const auto shown = [result](const char *name) { return FrameFixture::text(result, QLatin1String(name)); };
    if (system == System::Celtic) {
        QCOMPARE(shown("lblName"), sign);
        QCOMPARE(entry("txtFName"), QStringLiteral("MARY ANN"));
        QCOMPARE(entry("txtlName"), QStringLiteral("LEE"));
        QCOMPARE(QDate(entry("cmbYear").toInt(), calendar::monthNumber(entry("cmbMonth")), entry("cmbDate").toInt()), date);
        return;
    }
    QCOMPARE(entry("txtName"), QStringLiteral("Mary Ann Lee"));
    QCOMPARE(entry("cboMonth"), QStringLiteral("May"));
    switch (system) {
    case System::Australian:
        QCOMPARE(shown("lblResult_0"), sign.toUpper());
        break;
    case System::Chinese:
        QCOMPARE(shown("lblChineseElement") + QLatin1Char(' ') + shown("lblChineseSign"), sign);
        QVERIFY(FrameFixture::control<QRadioButton>(input, QStringLiteral("optSex_1"))->isChecked());
        QCOMPARE(QDate(entry("cboYear").toInt(), 5, entry("cboDate").toInt()), date);
        break;
    default:
        QVERIFY2(sign.startsWith(shown("lblResult_0") + QLatin1String(" (")), qPrintable(sign));
        QCOMPARE(QDate(entry("cboYear").toInt(), 5, entry("cboDate").toInt()), date);
        break;
    }
}

void TestOverview::backFromFullReadingShowsTheTiles_data()
{
    fullReadingLandsOnTheSystemsResult_data();
}

void TestOverview::backFromFullReadingShowsTheTiles()
{
    QFETCH(int, tile);
    frmAllFourSignsDisplay *display = showOverview(QStringLiteral("Mary Ann Lee"), QDate(1990, 5, 12), QStringLiteral("Female"));
    QVERIFY(display);
    const QString heading = FrameFixture::text(display, QStringLiteral("lblHeading"));
    QVERIFY(FrameFixture::click(display, QStringLiteral("cmdFullReading_%1").arg(tile)));
    FrameFixture::flushDeletes();
    QVERIFY(FrameFixture::click(FrameFixture::resultForm(System(tile)), QStringLiteral("cmdBack")));
    FrameFixture::flushDeletes();

    QVERIFY(dialogs->messages.isEmpty());
    QVERIFY(!FrameFixture::resultForm(System(tile)));
    QVERIFY(!FrameFixture::inputForm(System(tile)));
    auto *tiles = qobject_cast<frmAllFourSignsDisplay *>(FrameFixture::resultForm(System::AllFourSigns));
    QVERIFY(tiles);
    QVERIFY(tiles->isShownInFrame());
    QCOMPARE(FrameFixture::text(tiles, QStringLiteral("lblHeading")), heading);
    QVERIFY(!frame->isStartPanelVisible());
    // And Back from there reaches the overview's own entries, the sex included.
    QVERIFY(FrameFixture::click(tiles, QStringLiteral("cmdBack")));
    FrameFixture::flushDeletes();
    const OrvoForm *input = FrameFixture::inputForm(System::AllFourSigns);
    QVERIFY(input && input->isVisible());
    QVERIFY(FrameFixture::control<QRadioButton>(input, QStringLiteral("optSex_1"))->isChecked());
}

void TestOverview::fullReadingKeepsTheYearStart_data()
{
    QTest::addColumn<chinese::YearStart>("start");
    QTest::newRow("new year: Water Rabbit") << chinese::YearStart::LunarNewYear;
    QTest::newRow("spring: Wood Dragon, not the new year's Water Rabbit") << chinese::YearStart::StartOfSpring;
}

void TestOverview::fullReadingKeepsTheYearStart()
{
    QFETCH(chinese::YearStart, start);
    chinese::setPreferredYearStart(start);
    frmAllFourSignsDisplay *display = showOverview(QStringLiteral("Ann Lee"), QDate(2024, 2, 5), QStringLiteral("Female"));
    QVERIFY(display);
    const QString tile = tileControl<QLabel>(display, "lblSign", Tile::Chinese)->text();
    QVERIFY(FrameFixture::click(display, QStringLiteral("cmdFullReading_%1").arg(Tile::Chinese)));
    FrameFixture::flushDeletes();
    QVERIFY(dialogs->messages.isEmpty());
    const OrvoForm *result = FrameFixture::resultForm(System::Chinese);
    QVERIFY(result);
    const auto shown = [result](const char *name) { return FrameFixture::text(result, QLatin1String(name)); };
    QCOMPARE(shown("lblChineseElement") + QLatin1Char(' ') + shown("lblChineseSign"), tile);
}

void TestOverview::fullReadingAsksForWhatTheOverviewLacks_data()
{
    QTest::addColumn<int>("tile");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("Celtic, one word: the last name") << int(Tile::Celtic) << QStringLiteral("Ann")
                                                     << QStringLiteral("Please Enter Your Last Name !");
    QTest::newRow("Chinese, no sex: asked in the window") << int(Tile::Chinese) << QStringLiteral("Ann Lee") << QString();
}

void TestOverview::fullReadingAsksForWhatTheOverviewLacks()
{
    QFETCH(int, tile);
    QFETCH(QString, name);
    QFETCH(QString, message);
    frmAllFourSignsDisplay *display = showOverview(name, QDate(1990, 5, 12));
    QVERIFY(display);
    QVERIFY(FrameFixture::click(display, QStringLiteral("cmdFullReading_%1").arg(tile)));
    FrameFixture::flushDeletes();
    QCOMPARE(dialogs->messageTexts(), message.isEmpty() ? QStringList() : QStringList{message});
    QVERIFY(!FrameFixture::resultForm(System::AllFourSigns));
    QVERIFY(!frame->isStartPanelVisible());
    const System system = System(tile);
    OrvoForm *input = FrameFixture::inputForm(system);
    QVERIFY(input);
    QVERIFY(input->isShownInFrame());
    QVERIFY(!FrameFixture::resultForm(system));
    if (system == System::Celtic) {
        QCOMPARE(FrameFixture::text(input, QStringLiteral("txtFName")), QStringLiteral("ANN"));
        QCOMPARE(FrameFixture::text(input, QStringLiteral("cmbMonth")), QStringLiteral("May"));
    } else {
        QCOMPARE(FrameFixture::text(input, QStringLiteral("txtName")), name);
        QCOMPARE(FrameFixture::text(input, QStringLiteral("cboDate")), QStringLiteral("12"));
        QCOMPARE(FrameFixture::text(input, QStringLiteral("cboYear")), QStringLiteral("1990"));
        // The sex is asked for beside its choice, which holds the focus: one choice and Enter
        // show the reading.
        QVERIFY(FrameFixture::control<QLabel>(input, QStringLiteral("lblSexPrompt"))->isVisible());
        if (const QString shots = qEnvironmentVariable("ORVO_SCREENSHOTS"); !shots.isEmpty())
            input->grab().save(shots + QStringLiteral("/chinese-input-asks-for-sex.png"));
        QTRY_COMPARE(QApplication::focusWidget(), FrameFixture::control<QRadioButton>(input, QStringLiteral("optSex_0")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(FrameFixture::control<QRadioButton>(input, QStringLiteral("optSex_1"))->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(dialogs->messages.isEmpty());
        const OrvoForm *result = FrameFixture::resultForm(system);
        QVERIFY(result && result->isShownInFrame());
        QVERIFY(!input->isVisible());
    }
}

void TestOverview::fullReadingAtTheEndsOfTheSystemsYears_data()
{
    QTest::addColumn<int>("tile");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("refusal");   // empty: the system's reading opens
    const QString celtic = QStringLiteral("Celtic Animal Birth Sign takes birth years from 1900 to 2099.");
    const QString mayan = QStringLiteral("Mayan Animal Sign takes birth years from 1900 to 2050.");
    QTest::newRow("Celtic, 31 Dec 2099 opens") << int(Tile::Celtic) << QDate(2099, 12, 31) << QString();
    QTest::newRow("Celtic, 1 Jan 2100 refused") << int(Tile::Celtic) << QDate(2100, 1, 1) << celtic;
    QTest::newRow("Celtic, 2100 refused") << int(Tile::Celtic) << QDate(2100, 6, 1) << celtic;
    // The Chinese tables span all the years the overview offers.
    QTest::newRow("Chinese, 1 Jan 1900 opens") << int(Tile::Chinese) << QDate(1900, 1, 1) << QString();
    QTest::newRow("Chinese, 31 Dec 2100 opens") << int(Tile::Chinese) << QDate(2100, 12, 31) << QString();
    QTest::newRow("Mayan, 31 Dec 2050 opens") << int(Tile::Mayan) << QDate(2050, 12, 31) << QString();
    QTest::newRow("Mayan, 1 Jan 2051 refused") << int(Tile::Mayan) << QDate(2051, 1, 1) << mayan;
    QTest::newRow("Mayan, 2100 refused") << int(Tile::Mayan) << QDate(2100, 6, 1) << mayan;
}

void TestOverview::fullReadingAtTheEndsOfTheSystemsYears()
{
    QFETCH(int, tile);
    QFETCH(QDate, date);
    QFETCH(QString, refusal);
    frmAllFourSignsDisplay *display = showOverview(QStringLiteral("Ann Lee"), date, QStringLiteral("Male"));
    QVERIFY(display);
    const QString sign = tileControl<QLabel>(display, "lblSign", tile)->text();
    QVERIFY(FrameFixture::click(display, QStringLiteral("cmdFullReading_%1").arg(tile)));
    FrameFixture::flushDeletes();
    const System system = System(tile);
    if (refusal.isEmpty()) {
        QVERIFY2(dialogs->messages.isEmpty(), qPrintable(dialogs->messageTexts().join(u'|')));
        QVERIFY(!FrameFixture::resultForm(System::AllFourSigns));
        const OrvoForm *result = FrameFixture::resultForm(system);
        QVERIFY(result);
        QVERIFY(result->isShownInFrame());
        if (system == System::Chinese) {
            QCOMPARE(FrameFixture::text(result, QStringLiteral("lblChineseElement")) + QLatin1Char(' ')
                         + FrameFixture::text(result, QStringLiteral("lblChineseSign")),
                     sign);
        }
        return;
    }
    QCOMPARE(dialogs->messageTexts(), QStringList{refusal});
    // The overview stays as it was; no system window is left behind.
    QCOMPARE(FrameFixture::loadedForms().size(), 2);
    QVERIFY(display->isShownInFrame());
    QVERIFY(!frame->isStartPanelVisible());
}

void TestOverview::printsOnePageWithTheFourSigns()
{
    QTemporaryDir dir;
    frmAllFourSignsDisplay *display = showOverview(QStringLiteral("Zoë <b>Lee</b>"), QDate(1990, 5, 12));
    QVERIFY(display);
    dialogs->pdfOutput = dir.filePath(QStringLiteral("overview.pdf"));
    QVERIFY(FrameFixture::click(display, QStringLiteral("cmdPrint")));
    QCOMPARE(dialogs->printDialogOffers, QList<bool>{false});
    QVERIFY(dialogs->messages.isEmpty());
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    const QString printed = pdfText(dialogs->pdfOutput).normalized(QString::NormalizationForm_KC).remove(blanks);
    QVERIFY2(!printed.contains(QLatin1Char('\f')) || printed.indexOf(QLatin1Char('\f')) == printed.size() - 1,
             "more than one page");
    // The name stays plain text: its markup is printed, not obeyed.
    QVERIFY2(printed.contains(QStringLiteral("Zoë<b>Lee</b>,born12May1990")), qPrintable(printed));
    for (int tile = 0; tile < 4; ++tile) {
        QVERIFY(printed.contains(tileControl<QGroupBox>(display, "fraSystem", tile)->title().remove(blanks)));
        QVERIFY2(printed.contains(tileControl<QLabel>(display, "lblSign", tile)->text().remove(blanks)), qPrintable(tileControl<QLabel>(display, "lblSign", tile)->text()));
    }
    // Under the running head, over its number, and 15 mm clear of the paper's edges.
    const QList<PdfPage> pages = pdfPages(dialogs->pdfOutput);
    QCOMPARE(pages.size(), 1);
    const PdfPage &page = pages.constFirst();
    QCOMPARE(page.lines.constFirst().text, texts::programTitle() + QStringLiteral(" \u00b7 All Four Signs \u00b7 Zoë <b>Lee</b>"));
    QCOMPARE(page.lines.constLast().text, QStringLiteral("Page 1 of 1"));
    const qreal margin = 15 / 25.4 * 72;
    for (const PdfLine &line : page.lines)
        QVERIFY2(QRectF(margin, margin, page.size.width() - 2 * margin, page.size.height() - 2 * margin).contains(line.box),
                 qPrintable(line.text));

    // A cancelled dialog prints nothing and says nothing.
    QVERIFY(QFile::remove(dialogs->pdfOutput));
    const QString cancelled = dialogs->pdfOutput;
    dialogs->pdfOutput.clear();
    QVERIFY(FrameFixture::click(display, QStringLiteral("cmdPrint")));
    QVERIFY(!QFile::exists(cancelled));
    QVERIFY(dialogs->messages.isEmpty());
}

void TestOverview::printThatFailsSaysSo()
{
    QTemporaryDir dir;
    frmAllFourSignsDisplay *display = showOverview(QStringLiteral("Ann Lee"), QDate(1990, 5, 12));
    QVERIFY(display);
    dialogs->pdfOutput = dir.filePath(QStringLiteral("missing folder/overview.pdf"));
    QVERIFY(FrameFixture::click(display, QStringLiteral("cmdPrint")));
    QCOMPARE(dialogs->messageTexts(), QStringList{QStringLiteral("The file could not be saved.")});
    QCOMPARE(dialogs->messages.constFirst().icon, Icon::Error);
    QVERIFY(display->isShownInFrame());
}

void TestOverview::pageGoesOutEveryWay_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("Print") << QStringLiteral("cmdPrint");
    QTest::newRow("Print Preview") << QStringLiteral("cmdPreview");
    QTest::newRow("Save as PDF") << QStringLiteral("cmdSavePdf");
}

// Each way out gives the same page, the Chinese tile's two lines apart as on screen.
void TestOverview::pageGoesOutEveryWay()
{
    QFETCH(QString, button);
    QTemporaryDir dir;
    frmAllFourSignsDisplay *display = showOverview(QStringLiteral("Zoë Lee"), QDate(1990, 5, 12));
    QVERIFY(display);
    const QString file = dir.filePath(QStringLiteral("out.pdf"));
    dialogs->pdfOutput = file;
    dialogs->previewPdfOutput = file;
    dialogs->fileAnswers << file;
    QVERIFY(FrameFixture::click(display, button));
    QVERIFY(dialogs->messages.isEmpty());
    if (button == QLatin1String("cmdPreview"))
        QCOMPARE(dialogs->previewTitles, QStringList{QStringLiteral("Print Preview \u2014 Zoë Lee - All Four Signs")});
    if (button == QLatin1String("cmdSavePdf"))
        QCOMPARE(dialogs->fileRequests.constFirst().fileName, QStringLiteral("Zoë Lee - All Four Signs.pdf"));

    // With ORVO_SCREENSHOTS set to a folder, the saved PDF is kept there to be looked at.
    if (const QString shots = qEnvironmentVariable("ORVO_SCREENSHOTS"); !shots.isEmpty() && button == QLatin1String("cmdSavePdf"))
        QFile::copy(file, shots + QStringLiteral("/all-four-signs.pdf"));
    const QList<PdfPage> pages = pdfPages(file);
    QCOMPARE(pages.size(), 1);
    const QStringList detail = tileControl<QLabel>(display, "lblDetail", Tile::Chinese)->text().split(QLatin1Char('\n'));
    QCOMPARE(detail.size(), 2);
    bool secondLineStarts = false;
    for (const PdfLine &line : pages.constFirst().lines) {
        QVERIFY2(!(line.text.contains(detail.constFirst().right(8)) && line.text.contains(detail.constLast().left(9))),
                 qPrintable(line.text));
        secondLineStarts = secondLineStarts || line.text.startsWith(detail.constLast().left(9));
    }
    QVERIFY(secondLineStarts);
}

QTEST_MAIN(TestOverview)
#include "test_overview.moc"
