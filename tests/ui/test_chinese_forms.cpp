#include "chinese/chinese_animal_record.h"
#include "chinese/calendar/year_start.h"
#include "common/program_settings.h"
#include "common/saved_reading.h"
#include "forms/orvo_form.h"
#include "widgets/look.h"
#include "ui/frame_fixture.h"
#include "ui/support.h"

#include <QAction>
#include <QCalendarWidget>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QToolTip>
#include <QtTest>

using Icon = DialogService::Icon;
using System = systems::System;
using chinese::YearStart;
using F = FrameFixture;

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

constexpr System Chinese = System::Chinese;
const QString inputName = "frmChineseZodiacMain";

QRect placeOf(const QWidget *form, const char *name)
{
    return F::control<QWidget>(form, QLatin1String(name))->geometry();
}

} // namespace

class TestChineseForms : public FrameTestCase
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void inputFormStartsEmpty();
    void validationOrderAndFocus();
    void proceedShowsReading_data();
    void proceedShowsReading();
    void nameShownWholeOrShortened_data();
    void nameShownWholeOrShortened();
    void nameBoxTakesOneBoundedLine_data();
    void nameBoxTakesOneBoundedLine();
    void backKeepsEntriesAndSecondReadingReplacesFirst();
    void exitAndChoiceCloseEveryWindow_data();
    void exitAndChoiceCloseEveryWindow();
    void yearStartDecidesTheYear_data();
    void yearStartDecidesTheYear();
    void yearStartByKeyboard();
    void yearStartIsRemembered();
    void nothingClipped();
};

void TestChineseForms::initTestCase()
{
    // The year-start preference goes to this test's own settings file, never to the user's.
    QVERIFY(useOwnSettings());
}

void TestChineseForms::init()
{
    programSettings::open()->clear();
    FrameTestCase::init();
}

void TestChineseForms::inputFormStartsEmpty()
{
    const OrvoForm *input = ui->open(Chinese);
    QVERIFY(input);
    QVERIFY(!ui->startPanelShown());
    QCOMPARE(input->windowTitle(), "Orvo Chinese Zodiac Software \u2014 Input");
    QVERIFY(input->menuBarActions().isEmpty());
    const auto list = [input](const char *name) { return F::control<QComboBox>(input, QLatin1String(name)); };
    QCOMPARE(list("cboDate")->count(), 31);
    QCOMPARE(list("cboDate")->itemText(30), "31");
    QCOMPARE(list("cboMonth")->count(), 12);
    QCOMPARE(list("cboMonth")->itemText(0), "January");
    QCOMPARE(list("cboYear")->count(), 201);
    QCOMPARE(list("cboYear")->itemText(0), "1900");
    QCOMPARE(list("cboYear")->itemText(200), "2100");
    QVERIFY(!list("cboYear")->isEditable());
    QCOMPARE(F::dateShown(Chinese), "1January1936");
    QVERIFY(F::text(input, "txtName").isEmpty());
    QVERIFY(!F::isChecked(input, "optSex_0"));
    QVERIFY(!F::isChecked(input, "optSex_1"));
    QCOMPARE(F::text(input, "optSex_0"), "Male");
    QCOMPARE(F::text(input, "cmdProceed"), "&Proceed");
    QCOMPARE(F::text(input, "cmdOpen"), "&Open Previously Saved Record");
    QCOMPARE(input->focusWidget()->objectName(), "txtName");
    QCOMPARE(F::text(input, "fraDetails"), "Your Details Please");
    QCOMPARE(F::text(input, "fraYearStart"), "Year begins at:");
    QVERIFY(F::isChecked(input, "optYearStart_0"));
    // The choice sits whole between the details and the Open button.
    for (const char *name : {"optYearStart_0", "optYearStart_1"}) {
        const auto *option = F::control<QRadioButton>(input, QLatin1String(name));
        QVERIFY(option->width() >= option->sizeHint().width());
    }
    QVERIFY(placeOf(input, "fraDetails").bottom() < placeOf(input, "fraYearStart").y());
    // Open stands below what scrolls, in sight however low the window.
    const QWidget *body = F::control<QWidget>(input, "body");
    QVERIFY(body->isAncestorOf(F::control<QWidget>(input, "fraYearStart")));
    QVERIFY(!body->isAncestorOf(F::control<QWidget>(input, "cmdOpen")));
    QVERIFY(placeOf(input, "scrollBody").bottom() < placeOf(input, "cmdOpen").y());

    // Tab goes as the screen reads: top to bottom, left to right.
    const QStringList expected = {"txtName",        "cboDate",        "cboMonth",   "cboYear", "optSex_0", "optSex_1",
                                  "optYearStart_0", "optYearStart_1", "cmdProceed", "cmdOpen"};
    QStringList order;
    QWidget *first = F::control<QWidget>(input, "txtName");
    QWidget *widget = first;
    do {
        if (input->isAncestorOf(widget) && expected.contains(widget->objectName()) && !order.contains(widget->objectName()))
            order.append(widget->objectName());
        widget = widget->nextInFocusChain();
    } while (widget != first && order.size() < expected.size());
    QCOMPARE(order, expected);
}

void TestChineseForms::validationOrderAndFocus()
{
    const OrvoForm *input = ui->open(Chinese);
    QVERIFY(input);
    const auto focus = [input] { return input->focusWidget() ? input->focusWidget()->objectName() : QString(); };
    QVERIFY(!ui->find(Chinese));
    QCOMPARE(dialogs()->messageTexts(), QStringList{"Please Enter Your Name"});
    QCOMPARE(dialogs()->messages.last().icon, Icon::Information);
    QCOMPARE(focus(), "txtName");

    QVERIFY(ui->fill(Chinese, {"   ", {}, 1, 1, 1950}));
    QVERIFY(!ui->find(Chinese));
    QCOMPARE(dialogs()->messages.last().text, "Please Enter Your Name");

    QVERIFY(ui->fill(Chinese, {"Ann", {}, 31, 2, 1937}));
    QVERIFY(!ui->find(Chinese));
    QCOMPARE(dialogs()->messages.last().text, "Please Specify Your Sex");
    QCOMPARE(focus(), "optSex_0");

    F::control<QWidget>(input, "txtName")->setFocus();
    QVERIFY(ui->fill(Chinese, {{}, "Female", 29, 2, 1937}));
    QVERIFY(!ui->find(Chinese));
    QCOMPARE(dialogs()->messages.last().text, "Please Enter Correct Date Or Month!");
    QCOMPARE(focus(), "txtName");
    QVERIFY(ui->fill(Chinese, {{}, {}, 31, 6, 1970}));
    QVERIFY(!ui->find(Chinese));
    QCOMPARE(dialogs()->messages.last().text, "Please Enter Correct Date Or Month !");
    QCOMPARE(dialogs()->messages.last().icon, Icon::Information);
    QCOMPARE(dialogs()->messages.size(), 5);
    QCOMPARE(ui->shownWindows(), QStringList{inputName});
}

void TestChineseForms::proceedShowsReading_data()
{
    QTest::addColumn<QString>("sex");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("animal");
    QTest::addColumn<QString>("planet");
    QTest::newRow("first entries: 1 Jan 1936 is the Wood Pig of 1935") << "Male" << QDate(1936, 1, 1) << "Wood" << "Pig" << "Mars";
    QTest::newRow("10 Feb 1937 Fire Rat") << "Female" << QDate(1937, 2, 10) << "Fire" << "Rat" << "Jupiter";
    QTest::newRow("7 Feb 2008 Earth Rat") << "Male" << QDate(2008, 2, 7) << "Earth" << "Rat" << "Jupiter";
    QTest::newRow("29 Feb 1996 Fire Rat on the calendar") << "Female" << QDate(1996, 2, 29) << "Fire" << "Rat" << "Jupiter";
}

void TestChineseForms::proceedShowsReading()
{
    QFETCH(QString, sex);
    QFETCH(QDate, date);
    QFETCH(QString, element);
    QFETCH(QString, animal);
    QFETCH(QString, planet);
    const OrvoForm *display = ui->reading(Chinese, {"  Ann Lee  ", sex, date.day(), date.month(), date.year()});
    QVERIFY(dialogs()->messages.isEmpty());
    QVERIFY(display);
    QCOMPARE(ui->shownWindows(), QStringList{"frmChineseZodiacDisplay"});
    QVERIFY(!ui->startPanelShown());

    const auto shown = [display](const char *name) { return F::text(display, QLatin1String(name)); };
    QCOMPARE(shown("lblName"), QString(sex == "Male" ? "Mr. " : "Ms. ") + "Ann Lee");
    QCOMPARE(shown("lblChineseSign"), animal);
    QCOMPARE(shown("lblChineseElement"), element);
    QCOMPARE(shown("fraStarUserSignDetails"), animal);
    QCOMPARE(shown("txtRulingPlanet"), planet);
    QVERIFY(shown("txtChineseElement").contains(element));
    for (const char *name : {"txtChineseElement", "txtPositiveTraits", "txtNegativeTraits", "txtFamousPersons"}) {
        QVERIFY2(!shown(name).isEmpty(), name);
        QVERIFY(F::control<QTextEdit>(display, QLatin1String(name))->isReadOnly());
    }
    for (const char *name : {"txtRulingPlanet", "txtLuckyColor", "txtGemStone", "txtEnergy", "txtLuckySeason",
                             "txtLuckyMonth", "txtMostCompSign", "txtLeastCompSign"}) {
        QVERIFY2(!shown(name).isEmpty(), name);
        QVERIFY(F::control<QLineEdit>(display, QLatin1String(name))->isReadOnly());
    }
    const auto *calendar = F::control<QCalendarWidget>(display, "MV");
    QCOMPARE(calendar->selectedDate(), date);
    QCOMPARE(calendar->yearShown(), date.year());
    QCOMPARE(calendar->monthShown(), date.month());
    QCOMPARE(display->windowTitle(), "Orvo Chinese Zodiac Software \u2014 Result");
    QCOMPARE(F::control<QLabel>(display, "lblChineseSign")->font().pointSizeF(), 11.25);
    const auto *elementLabel = F::control<QLabel>(display, "lblChineseElement");
    QVERIFY(elementLabel->font().bold());
    QCOMPARE(elementLabel->palette().color(QPalette::WindowText), look::darkRed());
}

void TestChineseForms::nameShownWholeOrShortened_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("shortened");
    QTest::newRow("a name that fits") << "Ann Lee" << false;
    QTest::newRow("many words") << "Maximilian Alexander Bartholomew Christopherson-Wolfeschlegel von Hohenberg" << true;
    QTest::newRow("one long word") << QString(60, QLatin1Char('W')) << true;
    QTest::newRow("a 490-letter word") << QString(490, QLatin1Char('W')) << true;
    QTest::newRow("emoji") << QString::fromUtf8("\xF0\x9F\x90\x89").repeated(200) << true;
    // Names are plain text: markup is shown, not obeyed, on the label and in the tip.
    QTest::newRow("bold tags") << "<b>Ann</b>" << false;
    QTest::newRow("line break tag and entity") << "Ann<br>&amp; Bo" << false;
    QTest::newRow("long name in italic tags")
        << "<i>Maximilian Alexander Bartholomew Christopherson-Wolfeschlegel</i>" << true;
}

// A name too long for its label is shortened, never clipped, and shown whole in a tip.
void TestChineseForms::nameShownWholeOrShortened()
{
    QFETCH(QString, name);
    QFETCH(bool, shortened);
    const OrvoForm *display = ui->reading(Chinese, {name, "Female", 5, 3, 1970});
    QVERIFY(display);
    auto *label = F::control<QLabel>(display, "lblName");
    const QString titled = "Ms. " + name;
    QCOMPARE(rendered(label->text(), label->textFormat()), QString(label->text()).remove(QChar(0x200B)));
    if (!shortened) {
        QCOMPARE(label->text(), titled);
        QVERIFY(label->toolTip().isEmpty());
        return;
    }
    QVERIFY(label->text().endsWith(QChar(0x2026)));
    QVERIFY2(titled.startsWith(label->text().chopped(1)), qPrintable(label->text()));
    QVERIFY(label->heightForWidth(label->width()) <= label->height());
    QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->width());
    const QString tip = label->toolTip();
    QCOMPARE(rendered(tip, Qt::AutoText), titled);
    QVERIFY(tip.isValidUtf16());   // no break inside a character

    // The tip wraps a long name, even a single word, rather than running off the screen.
    QToolTip::showText(label->mapToGlobal(label->rect().center()), tip, label);
    QLabel *tipLabel = nullptr;
    QTRY_VERIFY((tipLabel = label->findChild<QLabel *>("qtooltip_label")) && tipLabel->isVisible());
    QVERIFY2(tipLabel->width() <= 800, qPrintable(QString::number(tipLabel->width())));
    QToolTip::hideText();
}

void TestChineseForms::nameBoxTakesOneBoundedLine_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("name");
    QTest::newRow("line feed") << "Ann\nLee" << "Ann Lee";
    QTest::newRow("CR LF") << "Ann\r\nLee" << "Ann Lee";
    QTest::newRow("CR only") << "Ann\rLee" << "Ann Lee";
    QTest::newRow("line separator") << "Ann\u2028Lee" << "Ann Lee";
    const int longest = savedReading::MaxNameLength;
    QTest::newRow("overlong name cut to the longest")
        << QString(longest + 100, QChar(0x674E)) << QString(longest, QChar(0x674E));
}

void TestChineseForms::nameBoxTakesOneBoundedLine()
{
    QFETCH(QString, pasted);
    QFETCH(QString, name);
    QVERIFY(ui->open(Chinese));
    auto *box = F::control<QLineEdit>(F::inputForm(Chinese), "txtName");
    QGuiApplication::clipboard()->setText(pasted);
    box->paste();
    QCOMPARE(box->text(), name);

    // The same when a saved reading or the program sets the text.
    box->setText(pasted);
    QCOMPARE(box->text(), name);
}

void TestChineseForms::backKeepsEntriesAndSecondReadingReplacesFirst()
{
    const OrvoForm *display = ui->reading(Chinese, {"Ann", "Female", 5, 3, 1970});
    QVERIFY(display);
    // Every box shows its own field of the Metal Dog.
    const auto shown = [&display](const char *name) { return F::text(display, QLatin1String(name)); };
    const auto dog = ChineseAnimalRecord::forAnimal("Dog");
    QCOMPARE((QStringList{shown("txtRulingPlanet"), shown("txtPositiveTraits"), shown("txtNegativeTraits"),
                          shown("txtLuckyColor"), shown("txtGemStone"), shown("txtEnergy"), shown("txtLuckySeason"),
                          shown("txtLuckyMonth"), shown("txtMostCompSign"), shown("txtLeastCompSign"),
                          shown("txtFamousPersons"), shown("txtChineseElement")}),
             (QStringList{"Venus", dog->positiveTraits, dog->negativeTraits, "Pale Yellow", "Diamond",
                          "Yang (Negative)", "Winter", "October", "Tiger, Horse", "Dragon", dog->famousPersons,
                          *ChineseAnimalRecord::elementDescription("Metal")}));
    QVERIFY(F::click(display, "cmdBack"));
    QCOMPARE(ui->shownWindows(), QStringList{inputName});
    QVERIFY(!ui->startPanelShown());
    const OrvoForm *input = F::inputForm(Chinese);
    QCOMPARE(F::text(input, "txtName"), "Ann");
    QVERIFY(F::isChecked(input, "optSex_1"));
    QCOMPARE(F::dateShown(Chinese), "5March1970");

    QVERIFY(ui->fill(Chinese, {"Bo", "Male", 0, 0, 1977}));   // Fire Snake
    display = ui->find(Chinese);
    QVERIFY(display);
    QCOMPARE(shown("lblName"), "Mr. Bo");
    QCOMPARE(shown("lblChineseSign"), "Snake");
    QCOMPARE(shown("lblChineseElement"), "Fire");
    QCOMPARE(shown("txtLeastCompSign"), "Tiger, Pig");
    QCOMPARE(shown("txtEnergy"), "Yin (Positive Energy)");
    QCOMPARE(shown("txtLuckyMonth"), "May");
    QCOMPARE(F::control<QCalendarWidget>(display, "MV")->selectedDate(), QDate(1977, 3, 5));

    // Back from the menu ends the same way.
    QVERIFY(F::trigger(display, "mnuBack"));
    QCOMPARE(ui->shownWindows(), QStringList{inputName});
    QVERIFY(!ui->startPanelShown());
}

void TestChineseForms::exitAndChoiceCloseEveryWindow_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("Exit button") << "cmdExit";
    QTest::newRow("Exit menu entry") << "mnuExit";
    QTest::newRow("window closed") << "close";
    QTest::newRow("system chosen again with the report open, then the input closed") << "choice";
}

void TestChineseForms::exitAndChoiceCloseEveryWindow()
{
    QFETCH(QString, way);
    OrvoForm *display = ui->reading(Chinese, {"Ann", "Male", 5, 3, 1970});
    QVERIFY(display);
    QStringList fileMenu;
    for (QAction *entry : F::control<QMenu>(display, "mnuFile")->actions())
        fileMenu.append(entry->isSeparator() ? "-" : entry->text());
    QCOMPARE(fileMenu, (QStringList{"&Print", "&Back", "-", "E&xit"}));

    if (way == QLatin1String("cmdExit")) {
        QVERIFY(F::click(display, way));
    } else if (way == QLatin1String("mnuExit")) {
        QVERIFY(F::trigger(display, way));
    } else if (way == QLatin1String("close")) {
        F::closeWindow(display);
    } else {
        QVERIFY(ui->report(Chinese));
        OrvoForm *input = ui->open(Chinese);
        QVERIFY(input);
        QCOMPARE(ui->shownWindows(), QStringList{inputName});
        QVERIFY(F::text(input, "txtName").isEmpty());
        QVERIFY(!ui->startPanelShown());
        F::closeWindow(input);
    }
    QCOMPARE(ui->shownWindows(), QStringList());
    QVERIFY(ui->startPanelShown());
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
    const OrvoForm *input = ui->open(Chinese);
    QVERIFY(input);
    QVERIFY(ui->fill(Chinese, {"Ann", "Female", date.day(), date.month(), date.year()}));
    const QString option = QStringLiteral("optYearStart_%1").arg(start);
    QTest::mouseClick(F::control<QRadioButton>(input, option), Qt::LeftButton);
    QVERIFY(F::isChecked(input, option));
    const OrvoForm *display = ui->find(Chinese);
    QVERIFY(dialogs()->messages.isEmpty());
    QVERIFY(display);
    QCOMPARE(F::text(display, "lblChineseSign"), animal);
    QCOMPARE(F::text(display, "lblChineseElement"), element);
    QCOMPARE(F::control<QCalendarWidget>(display, "MV")->selectedDate(), date);
    QCOMPARE(oneLine(F::control<QLabel>(display, "lblChineseYear")), span);
    QCOMPARE(F::text(display, "lblYearStart"),
             start == 0 ? "(year begins at the Chinese New Year)" : "(year begins at the Start of Spring)");
    // Both fit, and each ends before the next control begins.
    for (const char *name : {"lblChineseYear", "lblYearStart"}) {
        const auto *label = F::control<QLabel>(display, QLatin1String(name));
        QVERIFY2(label->heightForWidth(label->width()) <= label->height(), name);
    }
    QVERIFY(placeOf(display, "lblChineseElement").bottom() < placeOf(display, "lblChineseYear").y());
    QVERIFY(placeOf(display, "lblChineseYear").bottom() < placeOf(display, "lblYearStart").y());
    QVERIFY(placeOf(display, "lblYearStart").bottom() < placeOf(display, "txtChineseElement").y());
    QVERIFY(F::control<QGroupBox>(display, "fraStarUserDetails")->contentsRect().contains(placeOf(display, "MV")));
}

void TestChineseForms::yearStartByKeyboard()
{
    const OrvoForm *input = ui->open(Chinese);
    QVERIFY(input);
    QVERIFY(QTest::qWaitForWindowActive(input->window()));
    auto *name = F::control<QWidget>(input, "txtName");
    auto *newYear = F::control<QRadioButton>(input, "optYearStart_0");
    auto *spring = F::control<QRadioButton>(input, "optYearStart_1");
    QTest::keyClick(name, Qt::Key_S, Qt::AltModifier);
    QTRY_VERIFY(spring->isChecked());
    QTest::keyClick(name, Qt::Key_N, Qt::AltModifier);
    QTRY_VERIFY(newYear->isChecked());
    // The arrow keys move between the two, as in any group of option buttons.
    newYear->setFocus();
    QTest::keyClick(newYear, Qt::Key_Right);
    QVERIFY(spring->isChecked());
    QCOMPARE(chinese::preferredYearStart(), YearStart::StartOfSpring);
    QCOMPARE(spring->accessibleName(), "Year begins at the Start of Spring");
}

void TestChineseForms::yearStartIsRemembered()
{
    OrvoForm *input = ui->open(Chinese);
    QVERIFY(input);
    QTest::mouseClick(F::control<QRadioButton>(input, "optYearStart_1"), Qt::LeftButton);
    F::closeWindow(input);
    QVERIFY(ui->startPanelShown());
    QCOMPARE(programSettings::open()->value("chinese/yearStart").toString(), "spring");

    input = ui->open(Chinese);
    QVERIFY(input);
    QVERIFY(F::isChecked(input, "optYearStart_1"));
    QVERIFY(ui->fill(Chinese, {"Ann", "Male", 5, 2, 2024}));
    const OrvoForm *display = ui->find(Chinese);
    QVERIFY(display);
    QCOMPARE(F::text(display, "lblChineseSign"), "Dragon");

    // A saved reading of five lines is counted from the Chinese New Year, and shows it, but
    // leaves the preference as it was.
    QTemporaryDir dir;
    const QString file = dir.filePath("bo.str");
    QVERIFY(savedReading::writeFile(file, {"Bo", "Male", "5", "February", "2024"}));
    QVERIFY(F::click(display, "cmdBack"));
    display = ui->openSaved(Chinese, file);
    QVERIFY(display);
    QCOMPARE(F::text(display, "lblChineseSign"), "Rabbit");
    QVERIFY(F::isChecked(input, "optYearStart_0"));
    QCOMPARE(chinese::preferredYearStart(), YearStart::StartOfSpring);

    // Chosen by the user again, Chinese New Year is kept as well.
    QVERIFY(F::click(display, "cmdBack"));
    QTest::mouseClick(F::control<QRadioButton>(input, "optYearStart_0"), Qt::LeftButton);
    F::closeWindow(input);
    input = ui->open(Chinese);
    QVERIFY(input);
    QVERIFY(F::isChecked(input, "optYearStart_0"));
    QCOMPARE(chinese::preferredYearStart(), YearStart::LunarNewYear);
}

// Every caption whole, in each window as its layout sizes it when shown.
void TestChineseForms::nothingClipped()
{
    const auto verifyWhole = [](const OrvoForm *form) {
        QVERIFY(form && form->isShownInFrame());
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
    };
    verifyWhole(ui->open(Chinese));
    QVERIFY(ui->fill(Chinese, {"Ann", "Male", 5, 2, 2024}));
    verifyWhole(ui->find(Chinese));
    verifyWhole(ui->report(Chinese));
}

QTEST_MAIN(TestChineseForms)
#include "test_chinese_forms.moc"
