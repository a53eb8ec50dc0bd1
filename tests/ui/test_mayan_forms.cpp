#include "common/calendar_lists.h"
#include "common/content.h"
#include "common/line_codec.h"
#include "common/saved_reading.h"
#include "forms/orvo_form.h"
#include "mayan/modMayanAnimalMoonSign.h"
#include "widgets/link_label.h"
#include "ui/frame_fixture.h"
#include "ui/real_message_boxes.h"
#include "ui/support.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

#include <sys/stat.h>

using Icon = DialogService::Icon;
using System = systems::System;
using F = FrameFixture;

namespace {

constexpr System Mayan = System::Mayan;
const QString inputName = "frmMayanAnimalSignMain";
const QString resultName = "frmMayanAnimalSignDisplay";

QImage pictureOf(const QWidget *display)
{
    return F::control<QLabel>(display, "imgAnimalPics")->pixmap().toImage();
}

} // namespace

class TestMayanForms : public FrameTestCase
{
    Q_OBJECT
private Q_SLOTS:
    void inputFormStartsEmpty();
    void checksStopTheFind_data();
    void checksStopTheFind();
    void findShowsSign_data();
    void findShowsSign();
    void everySignFitsItsLabels();
    void findBackAndExit();
    void reportHasSixBlocksAndClosesToResult();
    void saveThenOpen();
    void openedFiles_data();
    void openedFiles();
    void linksOpenTheirPages();
};

void TestMayanForms::inputFormStartsEmpty()
{
    OrvoForm *input = ui->open(Mayan);
    QVERIFY(input);
    QVERIFY(!ui->startPanelShown());
    QCOMPARE(input->windowTitle(), "Orvo Mayan Animal Sign \u2014 Input");
    const auto list = [input](const char *name) { return F::control<QComboBox>(input, QLatin1String(name)); };
    QCOMPARE(list("cboMonth")->count(), 12);
    QCOMPARE(list("cboDate")->count(), 31);
    QCOMPARE(list("cboYear")->count(), 151);
    QCOMPARE(list("cboYear")->itemText(150), "2050");
    QCOMPARE(F::dateShown(Mayan), "1January1900");
    QVERIFY(!list("cboMonth")->isEditable() && !list("cboDate")->isEditable() && !list("cboYear")->isEditable());
    const auto *name = F::control<QLineEdit>(input, "txtName");
    QVERIFY(name->text().isEmpty());
    QCOMPARE(name->maxLength(), savedReading::MaxNameLength);
    QCOMPARE(F::text(input, "cmdProceed"), "Find My Mayan Animal &Sign");
    QCOMPARE(F::text(input, "cmdOpen"), "&Open Previously Saved Reading");
    QCOMPARE(F::text(input, "fraDetails"), "Personal Details");

    QStringList order;
    for (QWidget *w = F::control<QWidget>(input, "txtName"); order.size() < 5; w = w->nextInFocusChain()) {
        if (w->focusPolicy() & Qt::TabFocus)
            order.append(w->objectName());
    }
    QCOMPARE(order, QStringList({"txtName", "cboMonth", "cboDate", "cboYear", "cmdProceed"}));

    QCOMPARE(F::control<QAction>(input, "mnuFind")->text(), "&Find My Mayan Animal Moon Sign");
    const auto *makeMoney = F::control<QAction>(input, "mnuMakeMoney");
    QCOMPARE(makeMoney->text(), "&Make Money Online");
    QVERIFY(!makeMoney->isVisible());
}

void TestMayanForms::checksStopTheFind_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("errorIcon");
    QTest::addColumn<QString>("entry");   // where the focus goes
    QTest::newRow("blank name beats 31 April") << "   " << 31 << 4 << 1990 << "Please Enter Your Name" << true
                                               << "txtName";
    QTest::newRow("29 February 1900") << "Ana" << 29 << 2 << 1900 << "Please Enter Correct Date Or Month!" << false
                                      << "cboDate";
    QTest::newRow("31 November") << "Ana" << 31 << 11 << 1975 << "Please Enter Correct Date Or Month !" << false
                                 << "cboDate";
}

void TestMayanForms::checksStopTheFind()
{
    QFETCH(QString, name);
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QString, message);
    QFETCH(bool, errorIcon);
    QFETCH(QString, entry);
    OrvoForm *input = ui->open(Mayan);
    QVERIFY(input);
    QVERIFY(ui->fill(Mayan, {name, {}, day, month, year}));
    F::control<QWidget>(input, "cboYear")->setFocus();
    {
        // The program's own message box, as the user sees it.
        RealMessageBoxes shown(*dialogs());
        QVERIFY(!ui->find(Mayan));
        QCOMPARE(shown.boxes.size(), 1);
        QCOMPARE(shown.boxes.first().text, message);
        QCOMPARE(shown.boxes.first().icon, errorIcon ? QMessageBox::Critical : QMessageBox::Information);
        QCOMPARE(shown.boxes.first().title, "Orvo Animal Signs Astrology");
    }
    QCOMPARE(input->focusWidget()->objectName(), entry);
    QCOMPARE(ui->shownWindows(), QStringList{inputName});
}

void TestMayanForms::findShowsSign_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("mayanName");
    QTest::addColumn<QString>("englishName");
    QTest::addColumn<QString>("picture");
    QTest::newRow("29 February 1904 Coz, picture 8") << 29 << 2 << 1904 << "Coz" << "Hawk" << "08hawk.jpg";
    QTest::newRow("29 February 2000 Coz") << 29 << 2 << 2000 << "Coz" << "Hawk" << "08hawk.jpg";
    QTest::newRow("25 July Aak, picture 13") << 25 << 7 << 1980 << "Aak" << "Turtle / Tortoise" << "13turtle.jpg";
    QTest::newRow("26 July Tzootz") << 26 << 7 << 1980 << "Tzootz" << "Bat" << "01bat.jpg";
    // The year never changes the sign.
    for (int year : {1900, 1901, 1999, 2000, 2050})
        QTest::addRow("15 March %d Jaguar", year) << 15 << 3 << year << "Jaguar" << "Balam" << "09balam.jpg";
}

void TestMayanForms::findShowsSign()
{
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QString, mayanName);
    QFETCH(QString, englishName);
    QFETCH(QString, picture);
    const OrvoForm *display = ui->reading(Mayan, {"Ana Lucia", {}, day, month, year});
    QVERIFY(display);
    QVERIFY(dialogs()->messages.isEmpty());
    QCOMPARE(ui->shownWindows(), QStringList{resultName});
    QVERIFY(!ui->startPanelShown());
    QCOMPARE(F::text(display, "lblResult_0"), mayanName);
    QCOMPARE(F::text(display, "lblResult_1"), englishName);
    QVERIFY(!F::text(display, "lblResult_2").isEmpty());
    QVERIFY(F::text(display, "lblResult_3").size() > 600);
    QCOMPARE(pictureOf(display),
             QImage(content::picturePath("mayan/" + picture)).convertToFormat(QImage::Format_RGB32));
}

// Every sign, found on a day of its own, fits its labels and picture frame.
void TestMayanForms::everySignFitsItsLabels()
{
    QVERIFY(ui->open(Mayan));
    QStringList seen;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= QDate(2001, month, 1).daysInMonth(); ++day) {
            const QString sign = mayan::FindMayanSign(calendar::monthNames().at(month - 1), day);
            if (seen.contains(sign))
                continue;
            seen.append(sign);
            QVERIFY(ui->fill(Mayan, {"Ana", {}, day, month, 2001}));
            const OrvoForm *display = ui->find(Mayan);
            QVERIFY(display);
            QCOMPARE(F::text(display, "lblResult_0"), sign);
            for (int index = 0; index < 4; ++index) {
                const auto *label = F::control<QLabel>(display, QStringLiteral("lblResult_%1").arg(index));
                if (label->wordWrap())
                    QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(sign));
                else
                    QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->text()));
            }
            const auto *picture = F::control<QLabel>(display, "imgAnimalPics");
            QVERIFY(picture->contentsRect().contains(QRect(QPoint(), picture->pixmap().size())));
            QVERIFY(F::click(display, "cmdBack"));
        }
    }
    QCOMPARE(seen.size(), mayan::SignCount);
}

// Find and Back by menu and by button keep the entries; Exit, from the result or the input,
// closes every Mayan window, and the next choice of the system starts empty.
void TestMayanForms::findBackAndExit()
{
    OrvoForm *input = ui->open(Mayan);
    QVERIFY(input);
    QVERIFY(ui->fill(Mayan, {"Ana", {}, 2, 5, 1990}));
    QVERIFY(F::trigger(input, "mnuFind"));
    const OrvoForm *display = F::resultForm(Mayan);
    QVERIFY(display);
    QCOMPARE(ui->shownWindows(), QStringList{resultName});
    QCOMPARE(F::text(display, "lblResult_0"), "Kaw");
    QVERIFY(F::trigger(display, "mnuBack"));
    QCOMPARE(ui->shownWindows(), QStringList{inputName});
    QVERIFY(!ui->startPanelShown());
    QCOMPARE(F::text(input, "txtName"), "Ana");
    QCOMPARE(F::dateShown(Mayan), "2May1990");

    QVERIFY(ui->fill(Mayan, {{}, {}, 1}));   // 1 May: Pek
    display = ui->find(Mayan);
    QVERIFY(display);
    QCOMPARE(F::text(display, "lblResult_0"), "Pek");
    QCOMPARE(F::text(display, "lblResult_2"), "Pearl");
    QVERIFY(F::click(display, "cmdBack"));
    QCOMPARE(ui->shownWindows(), QStringList{inputName});
    QCOMPARE(F::dateShown(Mayan), "1May1990");

    QVERIFY(F::click(ui->find(Mayan), "cmdExit"));
    QCOMPARE(ui->shownWindows(), QStringList());
    QVERIFY(ui->startPanelShown());

    input = ui->open(Mayan);
    QVERIFY(input);
    QVERIFY(F::text(input, "txtName").isEmpty());
    QCOMPARE(F::dateShown(Mayan), "1January1900");
    QVERIFY(F::trigger(input, "mnuExit"));
    QCOMPARE(ui->shownWindows(), QStringList());
    QVERIFY(ui->startPanelShown());
}

void TestMayanForms::reportHasSixBlocksAndClosesToResult()
{
    OrvoForm *display = ui->reading(Mayan, {"  Ana Lucia ", {}, 31, 12, 2001});
    QVERIFY(display);
    QVERIFY(F::trigger(display, "mnuPrint"));
    OrvoForm *report = F::reportForm(Mayan);
    QVERIFY(report);
    QCOMPARE(ui->shownWindows(), QStringList({resultName, "frmMayanAnimalSignSave"}));

    const auto *box = F::control<QTextEdit>(report, "RTB");
    const QString text = box->toPlainText();
    QCOMPARE(text.count("Report Generated By http://"), 6);
    const QStringList headings = {"Name: Ana Lucia\n", "Date of Birth: December 31, 2001",
                                  "Mayan Animal Moon Sign: Xibkay", "English Name: Lizard",
                                  "Crystal: Garnet And Ruby",
                                  "Interpretation: " + F::text(display, "lblResult_3")};
    qsizetype from = 0;
    for (const QString &block : headings) {
        const qsizetype at = text.indexOf(block, from);
        QVERIFY2(at >= from, qPrintable(block));
        // Each block is closed by the credit line before the next block starts.
        from = text.indexOf("Report Generated By", at);
        QVERIFY(from > at);
    }
    QVERIFY(!text.startsWith(QLatin1String("Report")));

    // Headings bold teal, values regular black.
    int headingsSeen = 0;
    for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const bool heading = fragment.text().endsWith(QLatin1String(": "));
            QCOMPARE(fragment.charFormat().fontWeight() >= QFont::Bold, heading);
            QCOMPARE(fragment.charFormat().foreground().color(), heading ? QColor(0, 128, 128) : QColor(Qt::black));
            headingsSeen += heading;
        }
    }
    QCOMPARE(headingsSeen, 6);

    // A second Print while the report is open composes nothing again.
    QVERIFY(F::click(display, "cmdPrint"));
    QCOMPARE(box->toPlainText(), text);

    // Closing the report brings back the result form as it was.
    const QImage picture = pictureOf(display);
    F::closeWindow(report);
    QCOMPARE(ui->shownWindows(), QStringList{resultName});
    QCOMPARE(F::text(display, "lblResult_0"), "Xibkay");
    QCOMPARE(pictureOf(display), picture);

    // Choosing the system with the report open closes all three windows and starts empty.
    QVERIFY(ui->report(Mayan));
    const OrvoForm *input = ui->open(Mayan);
    QVERIFY(input);
    QCOMPARE(ui->shownWindows(), QStringList{inputName});
    QVERIFY(F::text(input, "txtName").isEmpty());
    QVERIFY(!ui->startPanelShown());
}

void TestMayanForms::saveThenOpen()
{
    QTemporaryDir dir;
    // A name with letters beyond the old single-byte range comes back whole.
    QVERIFY(ui->reading(Mayan, {" Zoë Ängström ", {}, 31, 12, 2001}));
    const OrvoForm *report = ui->report(Mayan);
    QVERIFY(report);
    const QString file = dir.filePath("reading.zod");
    dialogs()->fileAnswers << file;
    QVERIFY(F::click(report, "cmdSave"));
    QVERIFY(dialogs()->messages.isEmpty());
    QCOMPARE(dialogs()->fileRequests.size(), 1);
    const DialogService::FileRequest saveRequest = dialogs()->fileRequests.first();
    QCOMPARE(saveRequest.title, "Save Your Zodiac Signs Result ....");
    QCOMPARE(saveRequest.filter, "Orvo Free Zodiac Signs (*.zod)");
    QCOMPARE(saveRequest.defaultSuffix, "zod");
    QVERIFY(saveRequest.confirmOverwrite);

    QFile saved(file);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = saved.readAll().split('\n');
    QCOMPARE(lines.size(), 5);   // four lines, each ended by CR LF
    QVERIFY(lines.last().isEmpty());
    QCOMPARE(lines.at(1), EncodeLine("December") + '\r');
    QCOMPARE(lines.at(2), QByteArray("\x88\x86\r"));   // "31" as plain digits, each code + 85
    QCOMPARE(DecodeLine(lines.at(3)), "2001");
    QCOMPARE(DecodeLine(lines.at(0)), "Zoë Ängström");

    // A fresh input form filled from the file shows the same reading.
    QVERIFY(ui->open(Mayan));
    const OrvoForm *display = ui->openSaved(Mayan, file);
    QCOMPARE(dialogs()->fileRequests.last().title, "Select the source file");
    QCOMPARE(dialogs()->fileRequests.last().filter, "Orvo Free Zodiac Signs (*.zod)");
    QVERIFY(dialogs()->messages.isEmpty());
    QVERIFY(display);
    QCOMPARE(ui->shownWindows(), QStringList{resultName});
    QCOMPARE(F::text(display, "lblResult_0"), "Xibkay");
    const OrvoForm *input = F::inputForm(Mayan);
    QCOMPARE(F::text(input, "txtName"), "Zoë Ängström");
    QCOMPARE(F::dateShown(Mayan), "31December2001");
}

void TestMayanForms::openedFiles_data()
{
    QTest::addColumn<QString>("fileName");   // empty: the dialog is cancelled
    QTest::addColumn<QString>("sign");       // empty: refused, or nothing chosen
    QTest::addColumn<bool>("message");
    // An Australian reading has no day or year: those the form showed stay.
    QTest::newRow("Australian reading keeps day and year") << "australian.zod" << "Aak" << false;
    QTest::newRow("Australian reading without a name") << "nameless.zod" << "" << true;
    QTest::newRow("upper-case extension ZOD") << "reading.ZOD" << "" << true;
    QTest::newRow("Chinese .str file") << "reading.str" << "" << true;
    QTest::newRow("file that is not there") << "missing.zod" << "" << true;
    QTest::newRow("folder named .zod") << "folder.zod" << "" << true;
    QTest::newRow("FIFO named .zod, never opened") << "fifo.zod" << "" << true;
    QTest::newRow("month no list holds") << "marchy.zod" << "" << true;
    QTest::newRow("year line missing") << "three-lines.zod" << "" << true;
    QTest::newRow("cancel") << "" << "" << false;
}

// A readable file shows its reading; anything else leaves the entries as they were.
void TestMayanForms::openedFiles()
{
    QFETCH(QString, fileName);
    QFETCH(QString, sign);
    QFETCH(bool, message);
    QTemporaryDir dir;
    const QStringList other{"Other", "June", "5", "1960"};
    QVERIFY(savedReading::writeFile(dir.filePath("australian.zod"), {"Bruce", "June"}));
    QVERIFY(savedReading::writeFile(dir.filePath("nameless.zod"), {"", "March"}));
    QVERIFY(savedReading::writeFile(dir.filePath("reading.ZOD"), other));
    QVERIFY(savedReading::writeFile(dir.filePath("reading.str"), other));
    QVERIFY(savedReading::writeFile(dir.filePath("marchy.zod"), {"Other", "Marchy", "5", "1960"}));
    QVERIFY(savedReading::writeFile(dir.filePath("three-lines.zod"), other.mid(0, 3)));
    QVERIFY(QDir(dir.path()).mkdir("folder.zod"));
    QCOMPARE(mkfifo(QFile::encodeName(dir.filePath("fifo.zod")).constData(), 0600), 0);

    const OrvoForm *input = ui->open(Mayan);
    QVERIFY(input);
    QVERIFY(ui->fill(Mayan, {"Keep", {}, 28, 1, 1988}));
    const OrvoForm *display = ui->openSaved(Mayan, fileName.isEmpty() ? QString() : dir.filePath(fileName));
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
        QCOMPARE(F::text(input, "txtName"), "Bruce");
        QCOMPARE(F::dateShown(Mayan), "28June1988");
        return;
    }
    QCOMPARE(F::text(input, "txtName"), "Keep");
    QCOMPARE(F::dateShown(Mayan), "28January1988");
    QCOMPARE(ui->shownWindows(), QStringList{inputName});
}

void TestMayanForms::linksOpenTheirPages()
{
    OpenedPages pages;
    const OrvoForm *display = ui->reading(Mayan, {"Ana", {}, 1, 6, 1990});
    QVERIFY(display);
    QVERIFY(ui->report(Mayan));
    for (const QWidget *form : {F::inputForm(Mayan), F::resultForm(Mayan), F::reportForm(Mayan)}) {
        for (const char *name : {"Label61", "lblCobrand", "lblFullBrand"})
            F::control<LinkLabel>(form, QLatin1String(name));
    }
    auto *fullBrand = F::control<LinkLabel>(display, "Label13");
    QCOMPARE(fullBrand->page(), modHelp::Page::FullBrand);
    QTest::mouseClick(F::control<LinkLabel>(display, "Label61"), Qt::LeftButton);
    QTest::mouseClick(fullBrand, Qt::LeftButton);
    QTest::mouseClick(F::control<LinkLabel>(F::control<QWidget>(display, "fraFullBrand"), "lblCobrand"),
                      Qt::LeftButton);
    QCOMPARE(pages.urls, (QList<QUrl>{modHelp::pageAddress(modHelp::Page::Home),
                                      modHelp::pageAddress(modHelp::Page::FullBrand),
                                      modHelp::pageAddress(modHelp::Page::CoBrand)}));
}

QTEST_MAIN(TestMayanForms)
#include "test_mayan_forms.moc"
