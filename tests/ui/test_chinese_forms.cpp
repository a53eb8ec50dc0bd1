#include "app/frmMDI.h"
#include "chinese/chinese_animal_record.h"
#include "chinese/frmChineseZodiacDisplay.h"
#include "chinese/frmChineseZodiacMain.h"
#include "chinese/frmChineseZodiacSave.h"
#include "chinese/calendar/year_start.h"
#include "common/program_settings.h"
#include "common/saved_reading.h"
#include "forms/form_registry.h"
#include "widgets/look.h"
#include "ui/support.h"

#include <QAction>
#include <QMenu>
#include <QCalendarWidget>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QToolTip>
#include <QtTest>

using Icon = DialogService::Icon;
using chinese::YearStart;

namespace {

// What a label or tip shows of text, as Qt renders it: markup only when it takes text as rich.
// Zero-width spaces, where a line may break, show nothing.
QString rendered(const QString &text, Qt::TextFormat format)
{
    const bool rich = format == Qt::RichText || (format == Qt::AutoText && Qt::mightBeRichText(text));
    return QString(rich ? QTextDocumentFragment::fromHtml(text).toPlainText() : text).remove(QChar(0x200B));
}

// Whether widget lies inside a widget of the given class below top (the parts of a compound widget).
bool within(const QWidget *widget, const QWidget *top, const char *className)
{
    for (const QWidget *parent = widget->parentWidget(); parent && parent != top; parent = parent->parentWidget()) {
        if (parent->inherits(className))
            return true;
    }
    return false;
}

// A label's text as one line, with its kept-together blanks as plain ones.
QString oneLine(const QLabel *label)
{
    return label->text().replace(QChar::Nbsp, QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

} // namespace

class TestChineseForms : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void inputFormStartsEmpty();
    void tabOrder();
    void validationOrderAndFocus();
    void proceedShowsReading_data();
    void proceedShowsReading();
    void monthCalendarOnLeapDay();
    void overlongNameIsShortenedNotClipped_data();
    void overlongNameIsShortenedNotClipped();
    void nameIsPlainText_data();
    void nameIsPlainText();
    void nameBoxTakesOneBoundedLine_data();
    void nameBoxTakesOneBoundedLine();
    void backKeepsEntriesAndSecondReadingReplacesFirst();
    void exitShowsStartPanel_data();
    void exitShowsStartPanel();
    void choosingAgainClosesEveryChineseWindow();
    void yearStartDecidesTheYear_data();
    void yearStartDecidesTheYear();
    void yearStartByKeyboard();
    void yearStartIsRemembered();
    void openReadingOfABadPerson_data();
    void openReadingOfABadPerson();
    void nothingClipped();

private:
    frmChineseZodiacMain *openInput();
    void enter(frmChineseZodiacMain *input, const QString &name, int sex, int day, int month, int year);
    frmChineseZodiacDisplay *proceed(const QString &name, int sex, int day, int month, int year);

    std::unique_ptr<frmMDI> frame;
    std::unique_ptr<ScriptedDialogs> dialogs;
};

void TestChineseForms::initTestCase()
{
    // The year-start preference goes to this test's own settings file, never to the user's.
    QVERIFY(useOwnSettings());
}

void TestChineseForms::init()
{
    programSettings::open()->clear();
    installTestFonts();
    dialogs = std::make_unique<ScriptedDialogs>();
    frame = std::make_unique<frmMDI>();
    frame->show();
}

void TestChineseForms::cleanup()
{
    frame->close();
    frame.reset();
    dialogs.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

frmChineseZodiacMain *TestChineseForms::openInput()
{
    frame->cmdSelectOption_Click(2);
    return forms::get<frmChineseZodiacMain>();
}

// sex: 0 Male, 1 Female, -1 none chosen.
void TestChineseForms::enter(frmChineseZodiacMain *input, const QString &name, int sex, int day, int month, int year)
{
    input->txtName->setText(name);
    if (sex >= 0)
        input->optSex[sex]->setChecked(true);
    input->cboDate->setCurrentIndex(day - 1);
    input->cboMonth->setCurrentIndex(month - 1);
    input->cboYear->setCurrentText(QString::number(year));
}

frmChineseZodiacDisplay *TestChineseForms::proceed(const QString &name, int sex, int day, int month, int year)
{
    auto *input = openInput();
    enter(input, name, sex, day, month, year);
    input->cmdProceed->click();
    return forms::isLoaded<frmChineseZodiacDisplay>() ? forms::get<frmChineseZodiacDisplay>() : nullptr;
}

void TestChineseForms::inputFormStartsEmpty()
{
    auto *input = openInput();
    QVERIFY(input->isShownInFrame());
    QVERIFY(!frame->isStartPanelVisible());
    QCOMPARE(input->windowTitle(), QStringLiteral("Orvo Chinese Zodiac Software \u2014 Input"));
    QVERIFY(input->menuBarActions().isEmpty());
    QCOMPARE(input->cboDate->count(), 31);
    QCOMPARE(input->cboDate->itemText(30), QStringLiteral("31"));
    QCOMPARE(input->cboMonth->count(), 12);
    QCOMPARE(input->cboMonth->itemText(0), QStringLiteral("January"));
    QCOMPARE(input->cboYear->count(), 201);
    QCOMPARE(input->cboYear->itemText(0), QStringLiteral("1900"));
    QCOMPARE(input->cboYear->itemText(200), QStringLiteral("2100"));
    QVERIFY(!input->cboYear->isEditable());
    QCOMPARE(input->cboDate->currentText() + input->cboMonth->currentText() + input->cboYear->currentText(),
             QStringLiteral("1January1936"));
    QVERIFY(input->txtName->text().isEmpty());
    QVERIFY(!input->optSex[0]->isChecked());
    QVERIFY(!input->optSex[1]->isChecked());
    QCOMPARE(input->optSex[0]->text(), QStringLiteral("Male"));
    QCOMPARE(input->findChild<QRadioButton *>(QStringLiteral("optSex_1")), input->optSex[1]);
    QCOMPARE(input->cmdProceed->text(), QStringLiteral("&Proceed"));
    QCOMPARE(input->cmdOpen->text(), QStringLiteral("&Open Previously Saved Record"));
    QCOMPARE(input->focusWidget(), input->txtName);
    QCOMPARE(input->fraDetails->title(), QStringLiteral("Your Details Please"));
    QCOMPARE(input->fraYearStart->title(), QStringLiteral("Year begins at:"));
    QVERIFY(input->optYearStart[0]->isChecked());
    QCOMPARE(input->yearStart(), YearStart::LunarNewYear);
    // The choice sits whole between the details and the Open button.
    for (QRadioButton *option : input->optYearStart)
        QVERIFY(option->width() >= option->sizeHint().width());
    QVERIFY(input->fraDetails->geometry().bottom() < input->fraYearStart->y());
    QVERIFY(input->fraYearStart->geometry().bottom() < input->cmdOpen->y());
}

void TestChineseForms::tabOrder()
{
    auto *input = openInput();
    // As on the screen: top to bottom, left to right.
    const QList<QWidget *> expected = {input->txtName,         input->cboDate,          input->cboMonth,
                                       input->cboYear,         input->optSex[0],        input->optSex[1],
                                       input->cmdProceed,      input->optYearStart[0], input->optYearStart[1],
                                       input->cmdOpen};
    QList<QWidget *> order;
    QWidget *widget = input->txtName;
    do {
        if (expected.contains(widget) && !order.contains(widget))
            order.append(widget);
        widget = widget->nextInFocusChain();
    } while (widget != input->txtName && order.size() < expected.size());
    QCOMPARE(order, expected);
}

void TestChineseForms::validationOrderAndFocus()
{
    auto *input = openInput();
    input->cmdProceed->click();
    QCOMPARE(dialogs->messageTexts(), QStringList{QStringLiteral("Please Enter Your Name")});
    QCOMPARE(dialogs->messages.last().icon, Icon::Information);
    QCOMPARE(input->focusWidget(), input->txtName);

    enter(input, QStringLiteral("   "), -1, 1, 1, 1950);
    input->cmdProceed->click();
    QCOMPARE(dialogs->messages.last().text, QStringLiteral("Please Enter Your Name"));

    enter(input, QStringLiteral("Ann"), -1, 31, 2, 1937);
    input->cmdProceed->click();
    QCOMPARE(dialogs->messages.last().text, QStringLiteral("Please Specify Your Sex"));
    QCOMPARE(input->focusWidget(), input->optSex[0]);

    input->txtName->setFocus();
    enter(input, QStringLiteral("Ann"), 1, 29, 2, 1937);
    input->cmdProceed->click();
    QCOMPARE(dialogs->messages.last().text, QStringLiteral("Please Enter Correct Date Or Month!"));
    QCOMPARE(input->focusWidget(), input->txtName);
    enter(input, QStringLiteral("Ann"), 1, 31, 6, 1970);
    input->cmdProceed->click();
    QCOMPARE(dialogs->messages.last().text, QStringLiteral("Please Enter Correct Date Or Month !"));
    QCOMPARE(dialogs->messages.last().icon, Icon::Information);
    QCOMPARE(dialogs->messages.size(), 5);

    QVERIFY(!forms::isLoaded<frmChineseZodiacDisplay>());
    QVERIFY(input->isShownInFrame());
}

void TestChineseForms::proceedShowsReading_data()
{
    QTest::addColumn<int>("sex");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("animal");
    QTest::addColumn<QString>("planet");
    QTest::newRow("first entries: 1 Jan 1936 is the Wood Pig of 1935") << 0 << QDate(1936, 1, 1) << "Wood" << "Pig" << "Mars";
    QTest::newRow("10 Feb 1937 Fire Rat") << 1 << QDate(1937, 2, 10) << "Fire" << "Rat" << "Jupiter";
    QTest::newRow("7 Feb 2008 Earth Rat") << 0 << QDate(2008, 2, 7) << "Earth" << "Rat" << "Jupiter";
}

void TestChineseForms::proceedShowsReading()
{
    QFETCH(int, sex);
    QFETCH(QDate, date);
    QFETCH(QString, element);
    QFETCH(QString, animal);
    QFETCH(QString, planet);
    auto *display = proceed(QStringLiteral("  Ann Lee  "), sex, date.day(), date.month(), date.year());
    QVERIFY(dialogs->messages.isEmpty());
    QVERIFY(display);
    QVERIFY(display->isShownInFrame());
    QVERIFY(!forms::get<frmChineseZodiacMain>()->isShownInFrame());
    QVERIFY(!frame->isStartPanelVisible());

    QCOMPARE(display->lblName->text(), (sex == 0 ? QStringLiteral("Mr. ") : QStringLiteral("Ms. ")) + "Ann Lee");
    QCOMPARE(display->lblChineseSign->text(), animal);
    QCOMPARE(display->lblChineseElement->text(), element);
    QCOMPARE(display->fraStarUserSignDetails->title(), animal);
    QCOMPARE(display->txtRulingPlanet->text(), planet);
    QVERIFY(display->txtChineseElement->toPlainText().contains(element));
    for (QTextEdit *box : {display->txtChineseElement, display->txtPositiveTraits, display->txtNegativeTraits,
                           display->txtFamousPersons}) {
        QVERIFY(!box->toPlainText().isEmpty());
        QVERIFY(box->isReadOnly());
    }
    for (QLineEdit *box : {display->txtRulingPlanet, display->txtLuckyColor, display->txtGemStone, display->txtEnergy,
                           display->txtLuckySeason, display->txtLuckyMonth, display->txtMostCompSign,
                           display->txtLeastCompSign}) {
        QVERIFY(!box->text().isEmpty());
        QVERIFY(box->isReadOnly());
    }
    QCOMPARE(display->windowTitle(), QStringLiteral("Orvo Chinese Zodiac Software \u2014 Result"));
    QCOMPARE(display->lblChineseSign->font().pointSizeF(), 11.25);
    QVERIFY(display->lblChineseElement->font().bold());
    QCOMPARE(display->lblChineseElement->palette().color(QPalette::WindowText), look::darkRed());
    // The result form holds the reading its report and saved file are made from.
    QCOMPARE(display->reading().person.name, QStringLiteral("Ann Lee"));
    QCOMPARE(display->reading().birthDate, date);
}

void TestChineseForms::monthCalendarOnLeapDay()
{
    auto *display = proceed(QStringLiteral("Ann"), 1, 29, 2, 1996);
    QVERIFY(display);
    QCOMPARE(display->MV->selectedDate(), QDate(1996, 2, 29));
    QCOMPARE(display->MV->yearShown(), 1996);
    QCOMPARE(display->MV->monthShown(), 2);
    QCOMPARE(display->lblChineseSign->text(), QStringLiteral("Rat"));

    QStringList fileMenu;
    for (QAction *entry : display->menuBarActions().first()->menu()->actions())
        fileMenu.append(entry->isSeparator() ? QStringLiteral("-") : entry->text());
    QCOMPARE(fileMenu, (QStringList{"&Print", "&Back", "-", "E&xit"}));
}

void TestChineseForms::backKeepsEntriesAndSecondReadingReplacesFirst()
{
    auto *display = proceed(QStringLiteral("Ann"), 1, 5, 3, 1970);
    QVERIFY(display);
    // Every box shows its own field of the Metal Dog.
    const auto dog = ChineseAnimalRecord::forAnimal(QStringLiteral("Dog"));
    QCOMPARE((QStringList{display->txtRulingPlanet->text(), display->txtPositiveTraits->toPlainText(),
                          display->txtNegativeTraits->toPlainText(), display->txtLuckyColor->text(),
                          display->txtGemStone->text(), display->txtEnergy->text(), display->txtLuckySeason->text(),
                          display->txtLuckyMonth->text(), display->txtMostCompSign->text(),
                          display->txtLeastCompSign->text(), display->txtFamousPersons->toPlainText(),
                          display->txtChineseElement->toPlainText()}),
             (QStringList{"Venus", dog->positiveTraits, dog->negativeTraits, "Pale Yellow", "Diamond",
                          "Yang (Negative)", "Winter", "October", "Tiger, Horse", "Dragon", dog->famousPersons,
                          *ChineseAnimalRecord::elementDescription(QStringLiteral("Metal"))}));
    display->cmdBack->click();
    QVERIFY(!forms::isLoaded<frmChineseZodiacDisplay>());
    auto *input = forms::get<frmChineseZodiacMain>();
    QVERIFY(input->isShownInFrame());
    QVERIFY(!frame->isStartPanelVisible());
    QCOMPARE(input->txtName->text(), QStringLiteral("Ann"));
    QVERIFY(input->optSex[1]->isChecked());
    QCOMPARE(input->cboDate->currentText() + input->cboMonth->currentText() + input->cboYear->currentText(),
             QStringLiteral("5March1970"));

    input->optSex[0]->setChecked(true);
    input->txtName->setText(QStringLiteral("Bo"));
    input->cboYear->setCurrentText(QStringLiteral("1977"));   // Fire Snake
    input->cmdProceed->click();
    display = forms::get<frmChineseZodiacDisplay>();
    QCOMPARE(display->lblName->text(), QStringLiteral("Mr. Bo"));
    QCOMPARE(display->lblChineseSign->text(), QStringLiteral("Snake"));
    QCOMPARE(display->lblChineseElement->text(), QStringLiteral("Fire"));
    QCOMPARE(display->txtLeastCompSign->text(), QStringLiteral("Tiger, Pig"));
    QCOMPARE(display->txtEnergy->text(), QStringLiteral("Yin (Positive Energy)"));
    QCOMPARE(display->txtLuckyMonth->text(), QStringLiteral("May"));
    QCOMPARE(display->MV->selectedDate(), QDate(1977, 3, 5));

    // Back from the menu ends the same way.
    display->mnuBack->trigger();
    QVERIFY(!forms::isLoaded<frmChineseZodiacDisplay>());
    QVERIFY(input->isShownInFrame());
    QVERIFY(!frame->isStartPanelVisible());
}

void TestChineseForms::exitShowsStartPanel_data()
{
    QTest::addColumn<int>("way");
    QTest::newRow("Exit button") << 0;
    QTest::newRow("Exit menu entry") << 1;
    QTest::newRow("window closed") << 2;
}

void TestChineseForms::exitShowsStartPanel()
{
    QFETCH(int, way);
    auto *display = proceed(QStringLiteral("Ann"), 0, 5, 3, 1970);
    QVERIFY(display);
    if (way == 0)
        display->cmdExit->click();
    else if (way == 1)
        display->mnuExit->trigger();
    else
        display->close();
    QVERIFY(!forms::isLoaded<frmChineseZodiacDisplay>());
    QVERIFY(frame->isStartPanelVisible());
    QVERIFY(forms::isLoaded<frmChineseZodiacMain>());
    QVERIFY(!forms::get<frmChineseZodiacMain>()->isShownInFrame());
}

void TestChineseForms::choosingAgainClosesEveryChineseWindow()
{
    auto *display = proceed(QStringLiteral("Ann"), 0, 5, 3, 1970);
    QVERIFY(display);
    display->cmdPrint->click();
    QVERIFY(forms::isLoaded<frmChineseZodiacSave>());

    // The report's closing brings the result form back; the second pass closes that too.
    frame->cmdSelectOption_Click(2);
    QVERIFY(!forms::isLoaded<frmChineseZodiacSave>());
    QVERIFY(!forms::isLoaded<frmChineseZodiacDisplay>());
    auto *input = forms::get<frmChineseZodiacMain>();
    QVERIFY(input->isShownInFrame());
    QVERIFY(input->txtName->text().isEmpty());
    QVERIFY(!frame->isStartPanelVisible());

    // Unloading the input form shows the start panel.
    frame->lblCaption_Click(0);
    QVERIFY(!forms::isLoaded<frmChineseZodiacMain>());
    QVERIFY(frame->isStartPanelVisible());
}

void TestChineseForms::overlongNameIsShortenedNotClipped_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("many words") << QStringLiteral("Maximilian Alexander Bartholomew Christopherson-Wolfeschlegel von Hohenberg");
    QTest::newRow("one long word") << QString(60, QLatin1Char('W'));
    QTest::newRow("a 490-letter word") << QString(490, QLatin1Char('W'));
    QTest::newRow("emoji") << QString::fromUtf8("\xF0\x9F\x90\x89").repeated(200);
}

void TestChineseForms::overlongNameIsShortenedNotClipped()
{
    QFETCH(QString, name);
    auto *display = proceed(name, 1, 5, 3, 1970);
    QVERIFY(display);
    QLabel *label = display->lblName;
    QVERIFY(label->text().endsWith(QChar(0x2026)));
    QVERIFY(label->heightForWidth(label->width()) <= label->height());
    QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->width());
    const QString tip = label->toolTip();
    QCOMPARE(rendered(tip, Qt::AutoText), QStringLiteral("Ms. ") + name);
    QVERIFY(tip.isValidUtf16());   // no break inside a character

    // The tip wraps a long name, even a single word, rather than running off the screen.
    QToolTip::showText(label->mapToGlobal(label->rect().center()), tip, label);
    QLabel *shown = nullptr;
    QTRY_VERIFY((shown = label->findChild<QLabel *>(QStringLiteral("qtooltip_label"))) && shown->isVisible());
    QVERIFY2(shown->width() <= 800, qPrintable(QString::number(shown->width())));
    QToolTip::hideText();

    // A name that fits is shown whole.
    display = proceed(QStringLiteral("Ann Lee"), 1, 5, 3, 1970);
    QCOMPARE(display->lblName->text(), QStringLiteral("Ms. Ann Lee"));
}

void TestChineseForms::nameIsPlainText_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("shortened");
    QTest::newRow("bold tags") << QStringLiteral("<b>Ann</b>") << false;
    QTest::newRow("line break tag and entity") << QStringLiteral("Ann<br>&amp; Bo") << false;
    QTest::newRow("long name in italic tags, in the tip")
        << QStringLiteral("<i>Maximilian Alexander Bartholomew Christopherson-Wolfeschlegel</i>") << true;
}

void TestChineseForms::nameIsPlainText()
{
    QFETCH(QString, name);
    QFETCH(bool, shortened);
    auto *display = proceed(name, 1, 5, 3, 1970);
    QVERIFY(display);
    const QLabel *label = display->lblName;
    const QString titled = QStringLiteral("Ms. ") + name;
    if (shortened) {
        QVERIFY(rendered(label->text(), label->textFormat()).startsWith(titled.left(10)));
        QCOMPARE(rendered(label->toolTip(), Qt::AutoText), titled);
    } else {
        QCOMPARE(rendered(label->text(), label->textFormat()), titled);
        QVERIFY(label->toolTip().isEmpty());
    }
}

void TestChineseForms::nameBoxTakesOneBoundedLine_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("name");
    QTest::newRow("line feed") << QStringLiteral("Ann\nLee") << QStringLiteral("Ann Lee");
    QTest::newRow("CR LF") << QStringLiteral("Ann\r\nLee") << QStringLiteral("Ann Lee");
    QTest::newRow("CR only") << QStringLiteral("Ann\rLee") << QStringLiteral("Ann Lee");
    QTest::newRow("line separator") << QStringLiteral("Ann\u2028Lee") << QStringLiteral("Ann Lee");
    const int longest = savedReading::MaxNameLength;
    QTest::newRow("overlong name cut to the longest")
        << QString(longest + 100, QChar(0x674E)) << QString(longest, QChar(0x674E));
}

void TestChineseForms::nameBoxTakesOneBoundedLine()
{
    QFETCH(QString, pasted);
    QFETCH(QString, name);
    auto *input = openInput();
    QGuiApplication::clipboard()->setText(pasted);
    input->txtName->paste();
    QCOMPARE(input->txtName->text(), name);

    // The same when a saved reading or the program sets the text.
    input->txtName->setText(pasted);
    QCOMPARE(input->txtName->text(), name);
}

void TestChineseForms::yearStartDecidesTheYear_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("start");   // index of the year-start button
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("animal");
    QTest::addColumn<QString>("span");
    QTest::newRow("5 Feb 2024 by the Chinese New Year: Water Rabbit")
        << QDate(2024, 2, 5) << 0 << "Water" << "Rabbit" << "Year of the Water Rabbit: 22 January 2023 \u2013 9 February 2024";
    QTest::newRow("5 Feb 2024 by the Start of Spring: Wood Dragon")
        << QDate(2024, 2, 5) << 1 << "Wood" << "Dragon" << "Year of the Wood Dragon: 4 February 2024 \u2013 2 February 2025";
    QTest::newRow("1 Jan 1900, first of the list: a year begun in 1899")
        << QDate(1900, 1, 1) << 1 << "Earth" << "Pig" << "Year of the Earth Pig: 4 February 1899 \u2013 3 February 1900";
    QTest::newRow("31 Dec 2100, last of the list: a year ending in 2101")
        << QDate(2100, 12, 31) << 0 << "Metal" << "Monkey" << "Year of the Metal Monkey: 9 February 2100 \u2013 28 January 2101";
}

void TestChineseForms::yearStartDecidesTheYear()
{
    QFETCH(QDate, date);
    QFETCH(int, start);
    QFETCH(QString, element);
    QFETCH(QString, animal);
    QFETCH(QString, span);
    auto *input = openInput();
    enter(input, QStringLiteral("Ann"), 1, date.day(), date.month(), date.year());
    QTest::mouseClick(input->optYearStart[start], Qt::LeftButton);
    QVERIFY(input->optYearStart[start]->isChecked());
    input->cmdProceed->click();
    auto *display = forms::get<frmChineseZodiacDisplay>();
    QVERIFY(dialogs->messages.isEmpty());
    QCOMPARE(display->lblChineseSign->text(), animal);
    QCOMPARE(display->lblChineseElement->text(), element);
    QCOMPARE(display->MV->selectedDate(), date);
    QCOMPARE(oneLine(display->lblChineseYear), span);
    QCOMPARE(display->lblYearStart->text(), start == 0 ? QStringLiteral("(year begins at the Chinese New Year)")
                                                       : QStringLiteral("(year begins at the Start of Spring)"));
    // Both fit, and each ends before the next control begins.
    for (QLabel *label : {display->lblChineseYear, display->lblYearStart})
        QVERIFY(label->heightForWidth(label->width()) <= label->height());
    QVERIFY(display->lblChineseElement->geometry().bottom() < display->lblChineseYear->y());
    QVERIFY(display->lblChineseYear->geometry().bottom() < display->lblYearStart->y());
    QVERIFY(display->lblYearStart->geometry().bottom() < display->txtChineseElement->y());
    QVERIFY(display->fraStarUserDetails->contentsRect().contains(display->MV->geometry()));
}

void TestChineseForms::yearStartByKeyboard()
{
    auto *input = openInput();
    QVERIFY(QTest::qWaitForWindowActive(frame.get()));
    QTest::keyClick(input->txtName, Qt::Key_S, Qt::AltModifier);
    QTRY_VERIFY(input->optYearStart[1]->isChecked());
    QTest::keyClick(input->txtName, Qt::Key_N, Qt::AltModifier);
    QTRY_VERIFY(input->optYearStart[0]->isChecked());
    // The arrow keys move between the two, as in any group of option buttons.
    input->optYearStart[0]->setFocus();
    QTest::keyClick(input->optYearStart[0], Qt::Key_Right);
    QVERIFY(input->optYearStart[1]->isChecked());
    QCOMPARE(chinese::preferredYearStart(), YearStart::StartOfSpring);
    QCOMPARE(input->optYearStart[1]->accessibleName(), QStringLiteral("Year begins at the Start of Spring"));
}

void TestChineseForms::yearStartIsRemembered()
{
    auto *input = openInput();
    QTest::mouseClick(input->optYearStart[1], Qt::LeftButton);
    frame->lblCaption_Click(0);   // the input form unloads
    QVERIFY(!forms::isLoaded<frmChineseZodiacMain>());
    QCOMPARE(programSettings::open()->value(QStringLiteral("chinese/yearStart")).toString(), QStringLiteral("spring"));

    input = openInput();
    QVERIFY(input->optYearStart[1]->isChecked());
    enter(input, QStringLiteral("Ann"), 0, 5, 2, 2024);
    input->cmdProceed->click();
    QCOMPARE(forms::get<frmChineseZodiacDisplay>()->lblChineseSign->text(), QStringLiteral("Dragon"));

    // A reading opened from elsewhere shows its own year start but leaves the preference.
    QVERIFY(input->openReading({QStringLiteral("Bo"), chinese::Sex::Male, {5, 2, 2024}}, YearStart::LunarNewYear));
    QVERIFY(input->optYearStart[0]->isChecked());
    QCOMPARE(forms::get<frmChineseZodiacDisplay>()->lblChineseSign->text(), QStringLiteral("Rabbit"));
    QCOMPARE(chinese::preferredYearStart(), YearStart::StartOfSpring);

    // Back on the user's own choice, Chinese New Year is kept as well.
    QTest::mouseClick(input->optYearStart[0], Qt::LeftButton);
    frame->lblCaption_Click(0);
    QVERIFY(openInput()->optYearStart[0]->isChecked());
    QCOMPARE(chinese::preferredYearStart(), YearStart::LunarNewYear);
}

void TestChineseForms::openReadingOfABadPerson_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("sex");   // -1 none
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("no name") << "" << 1 << QDate(1970, 3, 5) << "Please Enter Your Name" << "txtName";
    QTest::newRow("no sex") << "Ann" << -1 << QDate(1970, 3, 5) << "Please Specify Your Sex" << "optSex_0";
    QTest::newRow("year the lists lack") << "Ann" << 0 << QDate(1850, 3, 5)
                                         << "Chinese Zodiac takes birth years from 1900 to 2100." << "cboYear";
}

void TestChineseForms::openReadingOfABadPerson()
{
    QFETCH(QString, name);
    QFETCH(int, sex);
    QFETCH(QDate, date);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    auto *input = openInput();
    input->optSex[1 - std::max(sex, 0)]->setChecked(true);   // what the form showed before
    input->hideForm();
    const chinese::Sex sexes[] = {chinese::Sex::None, chinese::Sex::Male, chinese::Sex::Female};
    QVERIFY(!input->openReading({name, sexes[sex + 1], {date.day(), date.month(), date.year()}},
                                YearStart::StartOfSpring));
    QCOMPARE(dialogs->messageTexts(), QStringList{message});
    QVERIFY(!forms::isLoaded<frmChineseZodiacDisplay>());
    // The form shows the person as far as its entries can hold them.
    QVERIFY(input->isShownInFrame());
    QCOMPARE(input->focusWidget()->objectName(), focus);
    QCOMPARE(input->txtName->text(), name);
    QCOMPARE(input->optSex[0]->isChecked(), sex == 0);
    QCOMPARE(input->optSex[1]->isChecked(), sex == 1);
    QCOMPARE(input->cboMonth->currentText(), QStringLiteral("March"));
    QCOMPARE(input->yearStart(), YearStart::StartOfSpring);
    QCOMPARE(chinese::preferredYearStart(), YearStart::LunarNewYear);
}

// Every caption whole, in the windows as the layouts size them.
void TestChineseForms::nothingClipped()
{
    auto *display = proceed(QStringLiteral("Ann"), 0, 5, 2, 2024);
    QVERIFY(display);
    display->cmdPrint->click();
    for (OrvoForm *form : forms::loadedForms()) {
        form->showForm();
        for (QWidget *widget : form->findChildren<QWidget *>()) {
            if (!widget->isVisibleTo(form) || within(widget, form, "QCalendarWidget")
                || within(widget, form, "QAbstractScrollArea"))
                continue;
            const QString where = form->objectName() + QLatin1Char('.') + widget->objectName();
            QVERIFY2(widget->parentWidget()->rect().contains(widget->geometry()), qPrintable(where));
            auto *label = qobject_cast<QLabel *>(widget);
            if (label && label->wordWrap()) {
                QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(where));
            } else if (label || qobject_cast<QAbstractButton *>(widget) || qobject_cast<QComboBox *>(widget)) {
                QVERIFY2(widget->width() >= widget->sizeHint().width(), qPrintable(where));
                QVERIFY2(widget->height() >= widget->minimumSizeHint().height(), qPrintable(where));
            }
        }
    }
}

QTEST_MAIN(TestChineseForms)
#include "test_chinese_forms.moc"
