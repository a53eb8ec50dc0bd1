#include "app/frmMDI.h"
#include "australian/frmAustralianAstrologyDisplay.h"
#include "australian/frmAustralianAstrologyMain.h"
#include "australian/modAustralianAstrology.h"
#include "celtic/frmCelticAnimalBirthSignDisplay.h"
#include "celtic/frmCelticAnimalBirthSignMain.h"
#include "chinese/ChineseReading.h"
#include "chinese/chinese_calendar.h"
#include "chinese/frmChineseZodiacDisplay.h"
#include "chinese/frmChineseZodiacMain.h"
#include "chinese/year_start.h"
#include "common/calendar_lists.h"
#include "common/current_reading.h"
#include "common/program_texts.h"
#include "forms/form_registry.h"
#include "mayan/frmMayanAnimalSignDisplay.h"
#include "mayan/frmMayanAnimalSignMain.h"
#include "overview/four_signs.h"
#include "overview/frmAllFourSignsDisplay.h"
#include "overview/frmAllFourSignsMain.h"
#include "overview/tile_texts.h"
#include "ui/support.h"

#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using Icon = DialogService::Icon;
using Tile = frmAllFourSignsDisplay::Tile;

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
    void fullReadingAsksForWhatTheOverviewLacks_data();
    void fullReadingAsksForWhatTheOverviewLacks();
    void fullReadingOfAYearTheSystemDoesNotList_data();
    void fullReadingOfAYearTheSystemDoesNotList();
    void printsOnePageWithTheFourSigns();
    void printThatFailsSaysSo();

private:
    frmAllFourSignsMain *openInput();
    void enter(frmAllFourSignsMain *input, const QString &name, const QDate &date, const QString &sex = {});
    frmAllFourSignsDisplay *showOverview(const QString &name, const QDate &date, const QString &sex = {});

    QTemporaryDir settingsDir;
    std::unique_ptr<frmMDI> frame;
    std::unique_ptr<ScriptedDialogs> dialogs;
};

void TestOverview::initTestCase()
{
    // The Chinese year start is the user's preference: keep the tests' choices out of the user's settings.
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
}

void TestOverview::init()
{
    installTestFonts();
    chinese::setPreferredYearStart(chinese::YearStart::LunarNewYear);
    dialogs = std::make_unique<ScriptedDialogs>();
    frame = std::make_unique<frmMDI>();
    frame->show();
}

void TestOverview::cleanup()
{
    frame->close();
    frame.reset();
    dialogs.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

frmAllFourSignsMain *TestOverview::openInput()
{
    frame->cmdSelectOption[4]->click();
    return forms::get<frmAllFourSignsMain>();
}

void TestOverview::enter(frmAllFourSignsMain *input, const QString &name, const QDate &date, const QString &sex)
{
    input->txtName->setText(name);
    input->cboDate->setCurrentIndex(date.day() - 1);
    input->cboMonth->setCurrentIndex(date.month() - 1);
    input->cboYear->setCurrentIndex(input->cboYear->findText(QString::number(date.year())));
    QCOMPARE(input->cboYear->currentText(), QString::number(date.year()));
    if (!sex.isEmpty())
        input->optSex[sex == QLatin1String("Male") ? 0 : 1]->setChecked(true);
}

frmAllFourSignsDisplay *TestOverview::showOverview(const QString &name, const QDate &date, const QString &sex)
{
    frmAllFourSignsMain *input = openInput();
    enter(input, name, date, sex);
    input->cmdProceed->click();
    return forms::isLoaded<frmAllFourSignsDisplay>() ? forms::get<frmAllFourSignsDisplay>() : nullptr;
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
    QVERIFY(!forms::get<frmAllFourSignsMain>()->isVisible());

    const std::optional<FourSigns> signs = overview::fourSigns(date, start);
    QVERIFY(signs);
    QCOMPARE(display->lblSign[Tile::Chinese]->text(), chinese);
    QCOMPARE(display->lblSign[Tile::Australian]->text(), australian);
    QCOMPARE(display->lblSign[Tile::Celtic]->text(), signs->celtic.sign);
    QVERIFY(display->lblSign[Tile::Mayan]->text().startsWith(signs->mayan.sign + QLatin1String(" (")));
    // The Chinese tile says which year start it counted from, and the span of that year.
    const QString detail = display->lblDetail[Tile::Chinese]->text();
    QVERIFY2(detail.contains(overview::yearStartName(start)), qPrintable(detail));
    QVERIFY2(detail.contains(overview::dayMonthYear(signs->chinese.firstDay)), qPrintable(detail));
    QCOMPARE(display->lblSummary[Tile::Chinese]->text(), signs->chinese.summary);
    QCOMPARE(display->lblSummary[Tile::Mayan]->text(), signs->mayan.summary);
    QCOMPARE(display->lblSummary[Tile::Celtic]->text(), signs->celtic.keywords);
    // The Chinese tile shows the year's own animal, not the system's dragon for every year.
    QCOMPARE(display->imgSign[Tile::Chinese]->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
             QImage(chinese::picturePath(signs->chinese.animal)).convertToFormat(QImage::Format_RGB32));
    for (const QString &animal : chinese::animalNames())
        QVERIFY2(!QImage(chinese::picturePath(animal)).isNull(), qPrintable(animal));
    QVERIFY(display->lblHeading->text().contains(QStringLiteral("Ann Lee, born %1").arg(overview::dayMonthYear(date))));
    for (int tile = 0; tile < 4; ++tile) {
        QVERIFY2(!display->imgSign[tile]->pixmap().isNull(), qPrintable(display->fraSystem[tile]->title()));
        QVERIFY(!display->lblSummary[tile]->text().isEmpty());
        // Nothing is clipped: every label gets the height its wrapped text needs, inside its tile.
        for (QLabel *label : {display->lblSign[tile], display->lblDetail[tile], display->lblSummary[tile]}) {
            QVERIFY2(label->height() >= label->heightForWidth(label->width()), qPrintable(label->objectName()));
            QVERIFY(display->fraSystem[tile]->rect().contains(label->geometry()));
        }
        QVERIFY(display->rect().contains(display->fraSystem[tile]->geometry()));
        QVERIFY(display->fraSystem[tile]->rect().contains(display->cmdFullReading[tile]->geometry()));
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
    frmAllFourSignsMain *input = openInput();
    input->txtName->setText(name);
    input->cboDate->setCurrentIndex(day - 1);
    input->cboMonth->setCurrentIndex(month - 1);
    input->cboYear->setCurrentIndex(input->cboYear->findText(QString::number(year)));
    QCOMPARE(input->cboYear->currentText(), QString::number(year));
    input->cmdProceed->click();
    if (message.isEmpty()) {
        QVERIFY(dialogs->messages.isEmpty());
        QVERIFY(forms::get<frmAllFourSignsDisplay>()->isShownInFrame());
        return;
    }
    QCOMPARE(dialogs->messageTexts(), QStringList{message});
    QCOMPARE(dialogs->messages.constFirst().icon, icon);
    QVERIFY(!forms::isLoaded<frmAllFourSignsDisplay>());
    QVERIFY(input->isVisible());
    QCOMPARE(input->txtName->text(), name);
    QCOMPARE(input->cboDate->currentIndex(), day - 1);
    QCOMPARE(input->cboMonth->currentIndex(), month - 1);
    QCOMPARE(input->cboYear->currentText(), QString::number(year));
}

void TestOverview::backKeepsEntriesAndExitShowsStartPanel()
{
    frmAllFourSignsDisplay *display = showOverview(QStringLiteral("Ann Lee"), QDate(1990, 5, 12), QStringLiteral("Female"));
    QVERIFY(display);
    display->cmdBack->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!forms::isLoaded<frmAllFourSignsDisplay>());
    auto *input = forms::get<frmAllFourSignsMain>();
    QVERIFY(input->isVisible());
    QVERIFY(!frame->isStartPanelVisible());
    QCOMPARE(input->txtName->text(), QStringLiteral("Ann Lee"));
    QCOMPARE(input->cboMonth->currentText(), QStringLiteral("May"));
    QVERIFY(input->optSex[1]->isChecked());

    input->cmdProceed->click();
    forms::get<frmAllFourSignsDisplay>()->cmdExit->click();
    QVERIFY(forms::loadedForms().isEmpty());
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
    const QString sign = display->lblSign[tile]->text();
    display->cmdFullReading[tile]->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QVERIFY(dialogs->messages.isEmpty());
    QVERIFY(!forms::isLoaded<frmAllFourSignsDisplay>());
    QVERIFY(!forms::isLoaded<frmAllFourSignsMain>());
    QVERIFY(!frame->isStartPanelVisible());
    const CurrentReading &reading = CurrentReading::instance();
    switch (tile) {
    case Tile::Australian:
        QVERIFY(forms::get<frmAustralianAstrologyDisplay>()->isShownInFrame());
        QCOMPARE(reading.name, QStringLiteral("Mary Ann Lee"));
        QCOMPARE(reading.monthName, QStringLiteral("May"));
        break;
    case Tile::Celtic: {
        QVERIFY(forms::get<frmCelticAnimalBirthSignDisplay>()->isShownInFrame());
        QCOMPARE(forms::get<frmCelticAnimalBirthSignDisplay>()->lblName->text(), sign);
        const auto *input = forms::get<frmCelticAnimalBirthSignMain>();
        QCOMPARE(input->txtFName->text(), QStringLiteral("MARY ANN"));
        QCOMPARE(input->txtlName->text(), QStringLiteral("LEE"));
        QCOMPARE(QDate(input->cmbYear->currentText().toInt(), input->cmbMonth->currentIndex() + 1,
                       input->cmbDate->currentIndex() + 1),
                 date);
        break;
    }
    case Tile::Chinese: {
        QVERIFY(forms::get<frmChineseZodiacDisplay>()->isShownInFrame());
        const ChineseReading &chinese = ChineseReading::instance();
        QCOMPARE(chinese.name, QStringLiteral("Mary Ann Lee"));
        QCOMPARE(chinese.sex, QStringLiteral("Female"));
        QCOMPARE(chinese.birthDate, date);
        QCOMPARE(chinese.element + QLatin1Char(' ') + chinese.animal, sign);
        break;
    }
    case Tile::Mayan:
        QVERIFY(forms::get<frmMayanAnimalSignDisplay>()->isShownInFrame());
        QCOMPARE(reading.name, QStringLiteral("Mary Ann Lee"));
        QCOMPARE(QDate(reading.mayanYear, calendar::monthNumber(reading.monthName), reading.mayanDay), date);
        break;
    }
}

void TestOverview::fullReadingAsksForWhatTheOverviewLacks_data()
{
    QTest::addColumn<int>("tile");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("Celtic, one word: the last name") << int(Tile::Celtic) << QStringLiteral("Ann")
                                                     << QStringLiteral("Please Enter Your Last Name !");
    QTest::newRow("Chinese, no sex") << int(Tile::Chinese) << QStringLiteral("Ann Lee")
                                     << QStringLiteral("Please Specify Your Sex");
}

void TestOverview::fullReadingAsksForWhatTheOverviewLacks()
{
    QFETCH(int, tile);
    QFETCH(QString, name);
    QFETCH(QString, message);
    frmAllFourSignsDisplay *display = showOverview(name, QDate(1990, 5, 12));
    QVERIFY(display);
    display->cmdFullReading[tile]->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(dialogs->messageTexts(), QStringList{message});
    QVERIFY(!forms::isLoaded<frmAllFourSignsDisplay>());
    QVERIFY(!frame->isStartPanelVisible());
    if (tile == Tile::Celtic) {
        auto *input = forms::get<frmCelticAnimalBirthSignMain>();
        QVERIFY(input->isShownInFrame());
        QCOMPARE(input->txtFName->text(), QStringLiteral("ANN"));
        QCOMPARE(input->cmbMonth->currentText(), QStringLiteral("May"));
        QVERIFY(!forms::isLoaded<frmCelticAnimalBirthSignDisplay>());
    } else {
        auto *input = forms::get<frmChineseZodiacMain>();
        QVERIFY(input->isShownInFrame());
        QCOMPARE(input->txtName->text(), name);
        QCOMPARE(input->cboDate->currentText(), QStringLiteral("12"));
        QCOMPARE(input->cboYear->currentText(), QStringLiteral("1990"));
        QVERIFY(!forms::isLoaded<frmChineseZodiacDisplay>());
    }
}

void TestOverview::fullReadingOfAYearTheSystemDoesNotList_data()
{
    QTest::addColumn<int>("tile");
    QTest::addColumn<QDate>("date");
    QTest::newRow("Celtic, 2100") << int(Tile::Celtic) << QDate(2100, 6, 1);
    QTest::newRow("Chinese, 1900") << int(Tile::Chinese) << QDate(1900, 6, 1);
    QTest::newRow("Chinese, 2100") << int(Tile::Chinese) << QDate(2100, 6, 1);
    QTest::newRow("Mayan, 2100") << int(Tile::Mayan) << QDate(2100, 6, 1);
}

void TestOverview::fullReadingOfAYearTheSystemDoesNotList()
{
    QFETCH(int, tile);
    QFETCH(QDate, date);
    // Which years a system lists is its own business; ask its input form, as a user would.
    const auto listsYear = [&date](QComboBox *list) { return list->findText(QString::number(date.year())) >= 0; };
    bool listed = false;
    QString system;
    switch (tile) {
    case Tile::Celtic:
        listed = listsYear(forms::get<frmCelticAnimalBirthSignMain>()->cmbYear);
        system = QStringLiteral("Celtic Animal Birth Sign");
        break;
    case Tile::Chinese:
        listed = listsYear(forms::get<frmChineseZodiacMain>()->cboYear);
        system = QStringLiteral("Chinese Zodiac");
        break;
    default:
        listed = listsYear(forms::get<frmMayanAnimalSignMain>()->cboYear);
        system = QStringLiteral("Mayan Animal Sign");
        break;
    }
    forms::unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (listed)
        QSKIP("the system lists this year now");

    frmAllFourSignsDisplay *display = showOverview(QStringLiteral("Ann Lee"), date, QStringLiteral("Male"));
    QVERIFY(display);
    display->cmdFullReading[tile]->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(dialogs->messages.size(), 1);
    QVERIFY2(dialogs->messages.constFirst().text.startsWith(system + QLatin1String(" takes birth years from ")),
             qPrintable(dialogs->messages.constFirst().text));
    // The overview stays as it was; no system window is left behind.
    QCOMPARE(forms::loadedForms().size(), 2);
    QVERIFY(display->isShownInFrame());
    QVERIFY(!frame->isStartPanelVisible());
}

void TestOverview::printsOnePageWithTheFourSigns()
{
    QTemporaryDir dir;
    frmAllFourSignsDisplay *display = showOverview(QStringLiteral("Zoë <b>Lee</b>"), QDate(1990, 5, 12));
    QVERIFY(display);
    dialogs->pdfOutput = dir.filePath(QStringLiteral("overview.pdf"));
    display->cmdPrint->click();
    QCOMPARE(dialogs->printDialogOffers, QList<bool>{false});
    QVERIFY(dialogs->messages.isEmpty());
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    const QString printed = pdfText(dialogs->pdfOutput).normalized(QString::NormalizationForm_KC).remove(blanks);
    QVERIFY2(!printed.contains(QLatin1Char('\f')) || printed.indexOf(QLatin1Char('\f')) == printed.size() - 1,
             "more than one page");
    // The name stays plain text: its markup is printed, not obeyed.
    QVERIFY2(printed.contains(QStringLiteral("Zoë<b>Lee</b>,born12May1990")), qPrintable(printed));
    for (int tile = 0; tile < 4; ++tile) {
        QVERIFY(printed.contains(display->fraSystem[tile]->title().remove(blanks)));
        QVERIFY2(printed.contains(display->lblSign[tile]->text().remove(blanks)), qPrintable(display->lblSign[tile]->text()));
    }

    // A cancelled dialog prints nothing and says nothing.
    QVERIFY(QFile::remove(dialogs->pdfOutput));
    const QString cancelled = dialogs->pdfOutput;
    dialogs->pdfOutput.clear();
    display->cmdPrint->click();
    QVERIFY(!QFile::exists(cancelled));
    QVERIFY(dialogs->messages.isEmpty());
}

void TestOverview::printThatFailsSaysSo()
{
    QTemporaryDir dir;
    frmAllFourSignsDisplay *display = showOverview(QStringLiteral("Ann Lee"), QDate(1990, 5, 12));
    QVERIFY(display);
    dialogs->pdfOutput = dir.filePath(QStringLiteral("missing folder/overview.pdf"));
    display->cmdPrint->click();
    QCOMPARE(dialogs->messageTexts(), QStringList{QStringLiteral("The file could not be saved.")});
    QCOMPARE(dialogs->messages.constFirst().icon, Icon::Error);
    QVERIFY(display->isShownInFrame());
}

QTEST_MAIN(TestOverview)
#include "test_overview.moc"
