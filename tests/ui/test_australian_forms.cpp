#include "australian/modAustralianAstrology.h"
#include "common/calendar_lists.h"
#include "common/content.h"
#include "common/line_codec.h"
#include "common/saved_reading.h"
#include "forms/orvo_form.h"
#include "widgets/link_label.h"
#include "ui/frame_fixture.h"
#include "ui/support.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

using Icon = DialogService::Icon;
using System = systems::System;
using F = FrameFixture;

namespace {

constexpr System Australian = System::Australian;
const QString inputName = "frmAustralianAstrologyMain";
const QString resultName = "frmAustralianAstrologyDisplay";

} // namespace

class TestAustralianForms : public FrameTestCase
{
    Q_OBJECT
private Q_SLOTS:
    void inputFormStartsWithJanuary();
    void blankNameIsRefused();
    void everyMonthShowsItsAnimal_data();
    void everyMonthShowsItsAnimal();
    void resultOffersPrintBackAndExit();
    void reportHoldsTheReading();
    void saveThenOpen();
    void openedFiles_data();
    void openedFiles();
    void linksOnEveryWindow();
};

void TestAustralianForms::inputFormStartsWithJanuary()
{
    OrvoForm *input = ui->open(Australian);
    QVERIFY(input);
    QVERIFY(!ui->startPanelShown());
    QCOMPARE(input->windowTitle(), "Orvo Australian Astrology \u2014 Input");
    const auto *month = F::control<QComboBox>(input, "cboMonth");
    QCOMPARE(month->count(), 12);
    QCOMPARE(month->currentText(), "January");
    QVERIFY(!month->isEditable());
    QVERIFY(F::text(input, "txtName").isEmpty());
    QCOMPARE(F::text(input, "Label2"), "Birth Month");
    QCOMPARE(F::text(input, "cmdProceed"), "Find My Australian Astrology &Sign");
    QVERIFY(input->menuBarActions().isEmpty());

    QStringList order;
    for (QWidget *w = F::control<QWidget>(input, "txtName"); order.size() < 3; w = w->nextInFocusChain()) {
        if (w->focusPolicy() & Qt::TabFocus)
            order.append(w->objectName());
    }
    QCOMPARE(order, QStringList({"txtName", "cboMonth", "cmdProceed"}));
}

void TestAustralianForms::blankNameIsRefused()
{
    OrvoForm *input = ui->open(Australian);
    QVERIFY(input);
    QVERIFY(ui->fill(Australian, {"    "}));
    F::control<QWidget>(input, "cboMonth")->setFocus();
    QVERIFY(!ui->find(Australian));
    QCOMPARE(dialogs()->messageTexts(), QStringList{"Please Enter Your Name"});
    QCOMPARE(dialogs()->messages.first().icon, Icon::Error);
    QCOMPARE(input->focusWidget()->objectName(), "txtName");
    QCOMPARE(ui->shownWindows(), QStringList{inputName});
}

void TestAustralianForms::everyMonthShowsItsAnimal_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("shown");     // empty: the core's animal of the month, in capitals
    QTest::addColumn<QString>("content");   // empty: not compared
    QTest::newRow("June wombat") << 6 << "NORTHERN HAIRY-NOSED WOMBAT" << "northern-hairy-nosed-wombat.txt";
    QTest::newRow("April turtle") << 4 << "WESTERN SWAMP TURTLE" << "western-swamp-turtle.txt";
    QTest::newRow("January galah") << 1 << "GALAH" << "galah.txt";
    QTest::newRow("December emu") << 12 << "EMU" << "emu.txt";
    for (int month : {2, 3, 5, 7, 8, 9, 10, 11})
        QTest::newRow(qPrintable(calendar::monthNames().at(month - 1))) << month << QString() << QString();
}

// The animal in capitals and its text, each fitting its label.
void TestAustralianForms::everyMonthShowsItsAnimal()
{
    QFETCH(int, month);
    QFETCH(QString, shown);
    QFETCH(QString, content);
    const OrvoForm *display = ui->reading(Australian, {" Bruce  ", {}, 0, month});
    QVERIFY(display);
    QVERIFY(dialogs()->messages.isEmpty());
    QCOMPARE(ui->shownWindows(), QStringList{resultName});
    QVERIFY(!ui->startPanelShown());
    if (shown.isEmpty())
        shown = australian::FindAustralianSign(calendar::monthNames().at(month - 1)).toUpper();
    QCOMPARE(F::text(display, "lblLabel_0"), "Sun Sign");
    const auto *sign = F::control<QLabel>(display, "lblResult_0");
    const auto *text = F::control<QLabel>(display, "lblResult_1");
    QCOMPARE(sign->text(), shown);
    if (!content.isEmpty())
        QCOMPARE(text->text(), content::text("australian/" + content));
    QVERIFY(!text->text().isEmpty());
    QVERIFY(sign->sizeHint().width() <= sign->width());
    QVERIFY(text->heightForWidth(text->width()) <= text->height());
}

// The result offers Print (its report), Back and Exit. Back keeps the entries, a second Find
// replaces the animal and its text, and Exit closes every Australian window.
void TestAustralianForms::resultOffersPrintBackAndExit()
{
    const OrvoForm *display = ui->reading(Australian, {"Bruce", {}, 0, 6});
    QVERIFY(display);
    QVERIFY(!display->findChild<QLabel *>("imgAnimalPics"));
    for (const char *name : {"cmdPrint", "cmdExit", "cmdBack"}) {
        const auto *button = F::control<QPushButton>(display, QLatin1String(name));
        QVERIFY2(button->isVisibleTo(display) && button->isEnabled(), name);
    }
    QStringList offered;
    const QList<QAction *> fileEntries = F::control<QMenu>(display, "mnuFile")->actions();
    for (QAction *entry : fileEntries) {
        if (!entry->isSeparator() && entry->isVisible() && entry->isEnabled())
            offered.append(entry->text());
    }
    QCOMPARE(offered, (QStringList{"&Print", "&Back", "E&xit"}));
    QVERIFY(!F::control<QAction>(display, "mnuMakeMoney")->isVisible());
    F::control<QMenu>(display, "mnuHelp");

    // The File menu's Print opens the report as the button does.
    QVERIFY(F::trigger(display, "mnuPrint"));
    QCOMPARE(ui->shownWindows(), (QStringList{resultName, "frmAustralianAstrologySave"}));
    F::closeWindow(ui->report(Australian));
    QCOMPARE(ui->shownWindows(), QStringList{resultName});

    const QString wombat = F::text(display, "lblResult_1");
    QVERIFY(F::trigger(display, "mnuBack"));
    QCOMPARE(ui->shownWindows(), QStringList{inputName});
    QVERIFY(!ui->startPanelShown());
    const OrvoForm *input = F::inputForm(Australian);
    QCOMPARE(F::text(input, "txtName"), "Bruce");
    QCOMPARE(F::text(input, "cboMonth"), "June");

    QVERIFY(ui->fill(Australian, {{}, {}, 0, 9}));
    display = ui->find(Australian);
    QVERIFY(display);
    QCOMPARE(F::text(display, "lblResult_0"), "NUMBAT");
    QVERIFY(F::text(display, "lblResult_1") != wombat);
    QVERIFY(F::text(display, "lblResult_1").contains(QLatin1String("Numbat")));

    QVERIFY(F::trigger(display, "mnuExit"));
    QCOMPARE(ui->shownWindows(), QStringList());
    QVERIFY(ui->startPanelShown());
}

// The report holds the reading as the result shows it: name, month, sign and description, each
// block closed by the credit line.
void TestAustralianForms::reportHoldsTheReading()
{
    const OrvoForm *display = ui->reading(Australian, {" Bruce Lee  ", {}, 0, 6});
    QVERIFY(display);
    OrvoForm *report = ui->report(Australian);
    QVERIFY(report);
    const auto *box = F::control<QTextEdit>(report, "RTB");
    const QString text = box->toPlainText();
    QVERIFY2(text.startsWith(QLatin1String("Name: Bruce Lee\n")), qPrintable(text));
    QCOMPARE(text.count("Report Generated By http://"), 4);
    const QStringList blocks = {"Birth Month: June", "Australian Animal Sign: Northern Hairy-nosed Wombat",
                                "Description: " + F::text(display, "lblResult_1")};
    qsizetype from = text.indexOf(QLatin1String("Report Generated By"));
    for (const QString &block : blocks) {
        const qsizetype at = text.indexOf(block, from);
        QVERIFY2(at > from, qPrintable(block));
        from = text.indexOf(QLatin1String("Report Generated By"), at);
        QVERIFY(from > at);
    }
    const QTextFragment heading = box->document()->begin().begin().fragment();
    QCOMPARE(heading.text(), "Name: ");
    QVERIFY(heading.charFormat().fontWeight() >= QFont::Bold);
    QCOMPARE(heading.charFormat().foreground().color(), QColor(0, 128, 128));

    F::closeWindow(report);
    QCOMPARE(ui->shownWindows(), QStringList{resultName});
    QCOMPARE(F::text(display, "lblResult_0"), "NORTHERN HAIRY-NOSED WOMBAT");

    // Choosing the system with the report open closes all three windows and starts afresh.
    QVERIFY(ui->report(Australian));
    const OrvoForm *input = ui->open(Australian);
    QVERIFY(input);
    QCOMPARE(ui->shownWindows(), QStringList{inputName});
    QVERIFY(F::text(input, "txtName").isEmpty());
    QCOMPARE(F::text(input, "cboMonth"), "January");
}

void TestAustralianForms::saveThenOpen()
{
    QTemporaryDir dir;
    QVERIFY(ui->reading(Australian, {"Zoë", {}, 0, 10}));
    const OrvoForm *report = ui->report(Australian);
    QVERIFY(report);
    const QString file = dir.filePath("aussie.zod");
    dialogs()->fileAnswers << file;
    QVERIFY(F::click(report, "cmdSave"));
    QVERIFY(dialogs()->messages.isEmpty());
    QCOMPARE(dialogs()->fileRequests.first().title, "Save Your Zodiac Signs Result ....");
    QCOMPARE(dialogs()->fileRequests.first().filter, "Orvo Free Zodiac Signs (*.zod)");
    QFile saved(file);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), EncodeLine("Zoë") + "\r\n" + EncodeLine("October") + "\r\n");

    QVERIFY(ui->open(Australian));
    const OrvoForm *display = ui->openSaved(Australian, file);
    QVERIFY(dialogs()->messages.isEmpty());
    QVERIFY(display);
    QCOMPARE(ui->shownWindows(), QStringList{resultName});
    QCOMPARE(F::text(display, "lblResult_0"), "DIBBLER");
    const OrvoForm *input = F::inputForm(Australian);
    QCOMPARE(F::text(input, "txtName"), "Zoë");
    QCOMPARE(F::text(input, "cboMonth"), "October");
}

void TestAustralianForms::openedFiles_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("sign");   // empty: refused, or nothing chosen
    QTest::addColumn<bool>("message");
    QTest::newRow("Mayan reading: its first two lines") << "mayan.zod" << "DINGBAT" << false;
    QTest::newRow("upper-case extension ZOD") << "reading.ZOD" << "" << true;
    QTest::newRow("file that is not there") << "missing.zod" << "" << true;
    QTest::newRow("month no list holds") << "marchy.zod" << "" << true;
    QTest::newRow("no name") << "nameless.zod" << "" << true;
    QTest::newRow("cancel") << "" << "" << false;
}

// A readable file shows its reading; anything else leaves the entries as they were.
void TestAustralianForms::openedFiles()
{
    QFETCH(QString, fileName);
    QFETCH(QString, sign);
    QFETCH(bool, message);
    QTemporaryDir dir;
    QVERIFY(savedReading::writeFile(dir.filePath("mayan.zod"), {"Ana", "March", "7", "1985"}));
    QVERIFY(savedReading::writeFile(dir.filePath("reading.ZOD"), {"Other", "May"}));
    QVERIFY(savedReading::writeFile(dir.filePath("marchy.zod"), {"Other", "Marchy"}));
    QVERIFY(savedReading::writeFile(dir.filePath("nameless.zod"), {"  ", "May"}));
    const OrvoForm *input = ui->open(Australian);
    QVERIFY(input);
    QVERIFY(ui->fill(Australian, {"Keep", {}, 0, 8}));
    const OrvoForm *display = ui->openSaved(Australian, fileName.isEmpty() ? QString() : dir.filePath(fileName));
    // A name that is no regular file is said to be missing or no reading; the rest "Please Check The File.".
    const QString said = fileName.startsWith("missing")                                 ? "This file does not exist:\n\n"
                         : fileName.startsWith("folder") || fileName.startsWith("fifo") ? "This is not a saved reading file:\n\n"
                                                                                         : QString();
    QCOMPARE(dialogs()->messageTexts(),
             !message ? QStringList() : QStringList{said.isEmpty() ? "Please Check The File." : said + dir.filePath(fileName)});
    if (message)
        QCOMPARE(dialogs()->messages.first().icon, Icon::Error);
    if (!sign.isEmpty()) {
        QVERIFY(display);
        QCOMPARE(F::text(display, "lblResult_0"), sign);
        QCOMPARE(F::text(input, "txtName"), "Ana");
        QCOMPARE(F::text(input, "cboMonth"), "March");
        return;
    }
    QCOMPARE(F::text(input, "txtName"), "Keep");
    QCOMPARE(F::text(input, "cboMonth"), "August");
    QCOMPARE(ui->shownWindows(), QStringList{inputName});
}

void TestAustralianForms::linksOnEveryWindow()
{
    OpenedPages pages;
    const OrvoForm *display = ui->reading(Australian, {"Bruce", {}, 0, 6});
    QVERIFY(display);
    QVERIFY(ui->report(Australian));
    for (const QWidget *form : {F::inputForm(Australian), F::resultForm(Australian), F::reportForm(Australian)}) {
        QCOMPARE(F::control<LinkLabel>(form, "Label61")->page(), modHelp::Page::Home);
        QCOMPARE(F::control<LinkLabel>(form, "lblCobrand")->page(), modHelp::Page::CoBrand);
        QCOMPARE(F::control<LinkLabel>(form, "lblFullBrand")->page(), modHelp::Page::FullBrand);
    }
    QTest::mouseClick(F::control<LinkLabel>(display, "Label13"), Qt::LeftButton);
    QCOMPARE(pages.urls, QList<QUrl>{modHelp::pageAddress(modHelp::Page::FullBrand)});
}

QTEST_MAIN(TestAustralianForms)
#include "test_australian_forms.moc"
