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
const QString inputName = QStringLiteral("frmAustralianAstrologyMain");
const QString resultName = QStringLiteral("frmAustralianAstrologyDisplay");

} // namespace

class TestAustralianForms : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void inputFormStartsWithJanuary();
    void blankNameIsRefused();
    void everyMonthShowsItsAnimal_data();
    void everyMonthShowsItsAnimal();
    void resultOffersOnlyBack();
    void backKeepsEntriesAndSecondFindReplacesBoth();
    void reportHoldsOnlyTheName();
    void saveThenOpen();
    void openedFiles_data();
    void openedFiles();
    void linksOnEveryWindow();

private:
    std::unique_ptr<FrameFixture> ui;
    ScriptedDialogs *dialogs = nullptr;
    std::unique_ptr<QTemporaryDir> dir;
};

void TestAustralianForms::init()
{
    dir = std::make_unique<QTemporaryDir>();
    ui = std::make_unique<FrameFixture>();
    dialogs = ui->dialogs();
}

void TestAustralianForms::cleanup()
{
    dialogs = nullptr;
    ui.reset();
    dir.reset();
}

void TestAustralianForms::inputFormStartsWithJanuary()
{
    OrvoForm *input = ui->open(Australian);
    QVERIFY(input);
    QVERIFY(!ui->startPanelShown());
    QCOMPARE(input->windowTitle(), QStringLiteral("Orvo Australian Astrology \u2014 Input"));
    const auto *month = F::control<QComboBox>(input, QStringLiteral("cboMonth"));
    QCOMPARE(month->count(), 12);
    QCOMPARE(month->currentText(), QStringLiteral("January"));
    QVERIFY(!month->isEditable());
    QVERIFY(F::text(input, QStringLiteral("txtName")).isEmpty());
    QCOMPARE(F::text(input, QStringLiteral("Label2")), QStringLiteral("Birth Month"));
    QCOMPARE(F::text(input, QStringLiteral("cmdProceed")), QStringLiteral("Find My Australian Astrology &Sign"));
    QVERIFY(input->menuBarActions().isEmpty());

    QStringList order;
    for (QWidget *w = F::control<QWidget>(input, QStringLiteral("txtName")); order.size() < 3; w = w->nextInFocusChain()) {
        if (w->focusPolicy() & Qt::TabFocus)
            order.append(w->objectName());
    }
    QCOMPARE(order, QStringList({"txtName", "cboMonth", "cmdProceed"}));
}

void TestAustralianForms::blankNameIsRefused()
{
    OrvoForm *input = ui->open(Australian);
    QVERIFY(input);
    QVERIFY(ui->fill(Australian, {QStringLiteral("    ")}));
    F::control<QWidget>(input, QStringLiteral("cboMonth"))->setFocus();
    QVERIFY(!ui->find(Australian));
    QCOMPARE(dialogs->messageTexts(), QStringList{QStringLiteral("Please Enter Your Name")});
    QCOMPARE(dialogs->messages.first().icon, Icon::Error);
    QCOMPARE(input->focusWidget()->objectName(), QStringLiteral("txtName"));
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
    const OrvoForm *display = ui->reading(Australian, {QStringLiteral(" Bruce  "), {}, 0, month});
    QVERIFY(display);
    QVERIFY(dialogs->messages.isEmpty());
    QCOMPARE(ui->shownWindows(), QStringList{resultName});
    QVERIFY(!ui->startPanelShown());
    if (shown.isEmpty())
        shown = australian::FindAustralianSign(calendar::monthNames().at(month - 1)).toUpper();
    QCOMPARE(F::text(display, QStringLiteral("lblLabel_0")), QStringLiteral("Sun Sign"));
    const auto *sign = F::control<QLabel>(display, QStringLiteral("lblResult_0"));
    const auto *text = F::control<QLabel>(display, QStringLiteral("lblResult_1"));
    QCOMPARE(sign->text(), shown);
    if (!content.isEmpty())
        QCOMPARE(text->text(), content::text(QStringLiteral("australian/") + content));
    QVERIFY(!text->text().isEmpty());
    QVERIFY(sign->sizeHint().width() <= sign->width());
    QVERIFY(text->heightForWidth(text->width()) <= text->height());
}

void TestAustralianForms::resultOffersOnlyBack()
{
    const OrvoForm *display = ui->reading(Australian, {QStringLiteral("Bruce"), {}, 0, 5});
    QVERIFY(display);
    QVERIFY(!display->findChild<QLabel *>(QStringLiteral("imgAnimalPics")));
    const auto *back = F::control<QPushButton>(display, QStringLiteral("cmdBack"));
    QVERIFY(back->isVisibleTo(display) && back->isEnabled());
    for (const char *name : {"cmdPrint", "cmdExit"}) {
        const auto *off = F::control<QPushButton>(display, QLatin1String(name));
        QVERIFY(!off->isEnabled());
        QVERIFY(!off->isVisibleTo(display));
        QVERIFY(off->y() >= display->height());
    }
    QStringList offered;
    const QList<QAction *> fileEntries = F::control<QMenu>(display, QStringLiteral("mnuFile"))->actions();
    for (QAction *entry : fileEntries) {
        if (!entry->isSeparator() && entry->isVisible() && entry->isEnabled())
            offered.append(entry->text());
    }
    QCOMPARE(offered, (QStringList{QStringLiteral("&Back"), QStringLiteral("E&xit")}));
    QCOMPARE(fileEntries.first()->objectName(), QStringLiteral("mnuPrint"));
    QVERIFY(!F::control<QAction>(display, QStringLiteral("mnuMakeMoney"))->isVisible());
    F::control<QMenu>(display, QStringLiteral("mnuHelp"));

    QVERIFY(F::trigger(display, QStringLiteral("mnuExit")));
    QCOMPARE(ui->shownWindows(), QStringList());
    QVERIFY(ui->startPanelShown());
}

void TestAustralianForms::backKeepsEntriesAndSecondFindReplacesBoth()
{
    const OrvoForm *display = ui->reading(Australian, {QStringLiteral("Bruce"), {}, 0, 6});
    QVERIFY(display);
    const QString wombat = F::text(display, QStringLiteral("lblResult_1"));
    QVERIFY(F::trigger(display, QStringLiteral("mnuBack")));
    QCOMPARE(ui->shownWindows(), QStringList{inputName});
    QVERIFY(!ui->startPanelShown());
    const OrvoForm *input = F::inputForm(Australian);
    QCOMPARE(F::text(input, QStringLiteral("txtName")), QStringLiteral("Bruce"));
    QCOMPARE(F::text(input, QStringLiteral("cboMonth")), QStringLiteral("June"));

    QVERIFY(ui->fill(Australian, {{}, {}, 0, 9}));
    display = ui->find(Australian);
    QVERIFY(display);
    QCOMPARE(F::text(display, QStringLiteral("lblResult_0")), QStringLiteral("NUMBAT"));
    QVERIFY(F::text(display, QStringLiteral("lblResult_1")) != wombat);
    QVERIFY(F::text(display, QStringLiteral("lblResult_1")).contains(QLatin1String("Numbat")));
}

void TestAustralianForms::reportHoldsOnlyTheName()
{
    const OrvoForm *display = ui->reading(Australian, {QStringLiteral(" Bruce Lee  "), {}, 0, 6});
    QVERIFY(display);
    OrvoForm *report = ui->report(Australian);   // the only way in: the window offers no Print
    QVERIFY(report);
    const auto *box = F::control<QTextEdit>(report, QStringLiteral("RTB"));
    const QString text = box->toPlainText();
    QVERIFY2(text.startsWith(QLatin1String("Name: Bruce Lee\n")), qPrintable(text));
    QCOMPARE(text.count(QStringLiteral("Report Generated By http://")), 1);
    QVERIFY(text.indexOf(QLatin1String("Report Generated By")) > text.indexOf(QLatin1String("Bruce Lee")));
    QVERIFY(!text.contains(QLatin1String("June")));
    QVERIFY(!text.contains(QLatin1String("Wombat"), Qt::CaseInsensitive));
    const QTextFragment heading = box->document()->begin().begin().fragment();
    QCOMPARE(heading.text(), QStringLiteral("Name: "));
    QVERIFY(heading.charFormat().fontWeight() >= QFont::Bold);
    QCOMPARE(heading.charFormat().foreground().color(), QColor(0, 128, 128));

    F::closeWindow(report);
    QCOMPARE(ui->shownWindows(), QStringList{resultName});
    QCOMPARE(F::text(display, QStringLiteral("lblResult_0")), QStringLiteral("NORTHERN HAIRY-NOSED WOMBAT"));

    // Choosing the system with the report open closes all three windows and starts afresh.
    QVERIFY(ui->report(Australian));
    const OrvoForm *input = ui->open(Australian);
    QVERIFY(input);
    QCOMPARE(ui->shownWindows(), QStringList{inputName});
    QVERIFY(F::text(input, QStringLiteral("txtName")).isEmpty());
    QCOMPARE(F::text(input, QStringLiteral("cboMonth")), QStringLiteral("January"));
}

void TestAustralianForms::saveThenOpen()
{
    QVERIFY(ui->reading(Australian, {QStringLiteral("Zoë"), {}, 0, 10}));
    const OrvoForm *report = ui->report(Australian);
    QVERIFY(report);
    const QString file = dir->filePath(QStringLiteral("aussie.zod"));
    dialogs->fileAnswers << file;
    QVERIFY(F::click(report, QStringLiteral("cmdSave")));
    QVERIFY(dialogs->messages.isEmpty());
    QCOMPARE(dialogs->fileRequests.first().title, QStringLiteral("Save Your Zodiac Signs Result ...."));
    QCOMPARE(dialogs->fileRequests.first().filter, QStringLiteral("Orvo Free Zodiac Signs (*.zod)"));
    QFile saved(file);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), EncodeLine(QStringLiteral("Zoë")) + "\r\n" + EncodeLine(QStringLiteral("October")) + "\r\n");

    QVERIFY(ui->open(Australian));
    const OrvoForm *display = ui->openSaved(Australian, file);
    QVERIFY(dialogs->messages.isEmpty());
    QVERIFY(display);
    QCOMPARE(ui->shownWindows(), QStringList{resultName});
    QCOMPARE(F::text(display, QStringLiteral("lblResult_0")), QStringLiteral("DIBBLER"));
    const OrvoForm *input = F::inputForm(Australian);
    QCOMPARE(F::text(input, QStringLiteral("txtName")), QStringLiteral("Zoë"));
    QCOMPARE(F::text(input, QStringLiteral("cboMonth")), QStringLiteral("October"));
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
    QVERIFY(savedReading::writeFile(dir->filePath(QStringLiteral("mayan.zod")),
                                    {QStringLiteral("Ana"), QStringLiteral("March"), QStringLiteral("7"), QStringLiteral("1985")}));
    QVERIFY(savedReading::writeFile(dir->filePath(QStringLiteral("reading.ZOD")), {QStringLiteral("Other"), QStringLiteral("May")}));
    QVERIFY(savedReading::writeFile(dir->filePath(QStringLiteral("marchy.zod")), {QStringLiteral("Other"), QStringLiteral("Marchy")}));
    QVERIFY(savedReading::writeFile(dir->filePath(QStringLiteral("nameless.zod")), {QStringLiteral("  "), QStringLiteral("May")}));
    const OrvoForm *input = ui->open(Australian);
    QVERIFY(input);
    QVERIFY(ui->fill(Australian, {QStringLiteral("Keep"), {}, 0, 8}));
    const OrvoForm *display = ui->openSaved(Australian, fileName.isEmpty() ? QString() : dir->filePath(fileName));
    QCOMPARE(dialogs->messageTexts(), message ? QStringList{QStringLiteral("Please Check The File.")} : QStringList());
    if (message)
        QCOMPARE(dialogs->messages.first().icon, Icon::Error);
    if (!sign.isEmpty()) {
        QVERIFY(display);
        QCOMPARE(F::text(display, QStringLiteral("lblResult_0")), sign);
        QCOMPARE(F::text(input, QStringLiteral("txtName")), QStringLiteral("Ana"));
        QCOMPARE(F::text(input, QStringLiteral("cboMonth")), QStringLiteral("March"));
        return;
    }
    QCOMPARE(F::text(input, QStringLiteral("txtName")), QStringLiteral("Keep"));
    QCOMPARE(F::text(input, QStringLiteral("cboMonth")), QStringLiteral("August"));
    QCOMPARE(ui->shownWindows(), QStringList{inputName});
}

void TestAustralianForms::linksOnEveryWindow()
{
    OpenedPages pages;
    const OrvoForm *display = ui->reading(Australian, {QStringLiteral("Bruce"), {}, 0, 6});
    QVERIFY(display);
    QVERIFY(ui->report(Australian));
    for (const OrvoForm *form : std::initializer_list<const OrvoForm *>{F::inputForm(Australian), display, F::reportForm(Australian)}) {
        QCOMPARE(F::control<LinkLabel>(form, QStringLiteral("Label61"))->page(), modHelp::Page::Home);
        QCOMPARE(F::control<LinkLabel>(form, QStringLiteral("lblCobrand"))->page(), modHelp::Page::CoBrand);
        QCOMPARE(F::control<LinkLabel>(form, QStringLiteral("lblFullBrand"))->page(), modHelp::Page::FullBrand);
    }
    QTest::mouseClick(F::control<LinkLabel>(display, QStringLiteral("Label13")), Qt::LeftButton);
    QCOMPARE(pages.urls, QList<QUrl>{modHelp::pageAddress(modHelp::Page::FullBrand)});
}

QTEST_MAIN(TestAustralianForms)
#include "test_australian_forms.moc"
