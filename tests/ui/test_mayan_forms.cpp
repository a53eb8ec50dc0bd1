#include "app/frmMDI.h"
#include "common/calendar_lists.h"
#include "common/content.h"
#include "common/line_codec.h"
#include "common/saved_reading.h"
#include "forms/form_registry.h"
#include "widgets/link_label.h"
#include "widgets/promotion_band.h"
#include "widgets/protected_text_edit.h"
#include "mayan/frmMayanAnimalSignDisplay.h"
#include "mayan/frmMayanAnimalSignMain.h"
#include "mayan/frmMayanAnimalSignSave.h"
#include "mayan/modMayanAnimalMoonSign.h"
#include "ui/real_message_boxes.h"
#include "ui/support.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QtTest>

#include <sys/stat.h>

using Icon = DialogService::Icon;

class TestMayanForms : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void inputFormStartsEmpty();
    void checksStopTheFind_data();
    void checksStopTheFind();
    void findShowsSign_data();
    void findShowsSign();
    void everySignFitsItsLabels();
    void menuEntriesFindAndExit();
    void backKeepsEntriesAndExitShowsStartPanel();
    void reportHasSixBlocksAndClosesToResult();
    void choosingTheSystemClosesEveryMayanWindow();
    void saveThenOpen();
    void badFilesChangeNothing_data();
    void badFilesChangeNothing();
    void australianFileKeepsDayAndYear();
    void linksOpenTheirPages();

private:
    frmMayanAnimalSignMain *openInput();
    void enter(frmMayanAnimalSignMain *input, const QString &name, int day, const QString &month, int year);
    frmMayanAnimalSignDisplay *find(const QString &name, int day, const QString &month, int year);

    std::unique_ptr<frmMDI> frame;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::unique_ptr<QTemporaryDir> dir;
};

void TestMayanForms::init()
{
    installTestFonts();
    dialogs = std::make_unique<ScriptedDialogs>();
    dir = std::make_unique<QTemporaryDir>();
    frame = std::make_unique<frmMDI>();
    frame->show();
}

void TestMayanForms::cleanup()
{
    frame->close();
    frame.reset();
    dialogs.reset();
    dir.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

frmMayanAnimalSignMain *TestMayanForms::openInput()
{
    frame->cmdSelectOption_Click(3);
    return forms::get<frmMayanAnimalSignMain>();
}

void TestMayanForms::enter(frmMayanAnimalSignMain *input, const QString &name, int day, const QString &month, int year)
{
    input->txtName->setText(name);
    input->cboDate->setCurrentIndex(day - 1);
    input->cboMonth->setCurrentText(month);
    input->cboYear->setCurrentText(QString::number(year));
}

frmMayanAnimalSignDisplay *TestMayanForms::find(const QString &name, int day, const QString &month, int year)
{
    auto *input = openInput();
    enter(input, name, day, month, year);
    input->cmdProceed->click();
    return forms::get<frmMayanAnimalSignDisplay>();
}

void TestMayanForms::inputFormStartsEmpty()
{
    auto *input = openInput();
    QVERIFY(input->isShownInFrame());
    QVERIFY(!frame->isStartPanelVisible());
    QCOMPARE(input->windowTitle(), QStringLiteral("Orvo Mayan Animal Sign \u2014 Input"));
    QCOMPARE(input->cboMonth->count(), 12);
    QCOMPARE(input->cboDate->count(), 31);
    QCOMPARE(input->cboYear->count(), 151);
    QCOMPARE(input->cboYear->itemText(150), QStringLiteral("2050"));
    QCOMPARE(input->cboMonth->currentText() + input->cboDate->currentText() + input->cboYear->currentText(),
             QStringLiteral("January11900"));
    QVERIFY(input->txtName->text().isEmpty());
    QCOMPARE(input->txtName->maxLength(), savedReading::MaxNameLength);
    QVERIFY(!input->cboMonth->isEditable() && !input->cboDate->isEditable() && !input->cboYear->isEditable());
    QCOMPARE(input->cmdProceed->text(), QStringLiteral("Find My Mayan Animal &Sign"));
    QCOMPARE(input->cmdOpen->text(), QStringLiteral("&Open Previously Saved Reading"));
    QCOMPARE(input->fraDetails->title(), QStringLiteral("Personal Details"));

    QList<QWidget *> order;
    for (QWidget *w = input->txtName; order.size() < 5; w = w->nextInFocusChain()) {
        if (w->focusPolicy() & Qt::TabFocus)
            order.append(w);
    }
    QCOMPARE(order, (QList<QWidget *>{input->txtName, input->cboMonth, input->cboDate, input->cboYear, input->cmdProceed}));

    QCOMPARE(input->mnuFind->text(), QStringLiteral("&Find My Mayan Animal Moon Sign"));
    auto *makeMoney = input->findChild<QAction *>(QStringLiteral("mnuMakeMoney"));
    QVERIFY(makeMoney);
    QCOMPARE(makeMoney->text(), QStringLiteral("&Make Money Online"));
    QVERIFY(!makeMoney->isVisible());
}

void TestMayanForms::checksStopTheFind_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("errorIcon");
    QTest::addColumn<QString>("entry");   // where the focus goes
    QTest::newRow("blank name beats 31 April") << "   " << 31 << "April" << 1990 << "Please Enter Your Name" << true
                                               << "txtName";
    QTest::newRow("29 February 1900") << "Ana" << 29 << "February" << 1900 << "Please Enter Correct Date Or Month!"
                                      << false << "cboDate";
    QTest::newRow("31 November") << "Ana" << 31 << "November" << 1975 << "Please Enter Correct Date Or Month !" << false
                                 << "cboDate";
}

void TestMayanForms::checksStopTheFind()
{
    QFETCH(QString, name);
    QFETCH(int, day);
    QFETCH(QString, month);
    QFETCH(int, year);
    QFETCH(QString, message);
    QFETCH(bool, errorIcon);
    QFETCH(QString, entry);
    auto *input = openInput();
    enter(input, name, day, month, year);
    input->cboYear->setFocus();
    {
        // The program's own message box, as the user sees it.
        RealMessageBoxes shown(*dialogs);
        input->cmdProceed->click();
        QCOMPARE(shown.boxes.size(), 1);
        QCOMPARE(shown.boxes.first().text, message);
        QCOMPARE(shown.boxes.first().icon, errorIcon ? QMessageBox::Critical : QMessageBox::Information);
        QCOMPARE(shown.boxes.first().title, QStringLiteral("Orvo Animal Signs Astrology"));
    }
    QCOMPARE(input->focusWidget()->objectName(), entry);
    QVERIFY(!forms::isLoaded<frmMayanAnimalSignDisplay>());
    QVERIFY(input->isShownInFrame());

    // A person handed over by the rest of the program is checked the same way, and the form
    // shows it with the problem.
    input->cboYear->setFocus();
    QVERIFY(!input->openReading({name, {day, calendar::monthNumber(month), year}}));
    QCOMPARE(dialogs->messageTexts(), QStringList{message});
    QCOMPARE(input->focusWidget()->objectName(), entry);
    QCOMPARE(input->txtName->text(), name);
    QVERIFY(!forms::isLoaded<frmMayanAnimalSignDisplay>());
}

void TestMayanForms::findShowsSign_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("mayanName");
    QTest::addColumn<QString>("englishName");
    QTest::addColumn<QString>("picture");
    QTest::newRow("29 February 1904 Coz, picture 8") << 29 << "February" << 1904 << "Coz" << "Hawk" << "08hawk.jpg";
    QTest::newRow("29 February 2000 Coz") << 29 << "February" << 2000 << "Coz" << "Hawk" << "08hawk.jpg";
    QTest::newRow("25 July Aak, picture 13") << 25 << "July" << 1980 << "Aak" << "Turtle / Tortoise" << "13turtle.jpg";
    QTest::newRow("26 July Tzootz") << 26 << "July" << 1980 << "Tzootz" << "Bat" << "01bat.jpg";
    // The year never changes the sign.
    for (int year : {1900, 1901, 1999, 2000, 2050})
        QTest::addRow("15 March %d Jaguar", year) << 15 << "March" << year << "Jaguar" << "Balam" << "09balam.jpg";
}

void TestMayanForms::findShowsSign()
{
    QFETCH(int, day);
    QFETCH(QString, month);
    QFETCH(int, year);
    QFETCH(QString, mayanName);
    QFETCH(QString, englishName);
    QFETCH(QString, picture);
    auto *display = find(QStringLiteral("  Ana Lucia "), day, month, year);
    QVERIFY(dialogs->messages.isEmpty());
    QVERIFY(display->isShownInFrame());
    QVERIFY(!forms::get<frmMayanAnimalSignMain>()->isShownInFrame());
    QVERIFY(!frame->isStartPanelVisible());
    QCOMPARE(display->lblResult[0]->text(), mayanName);
    QCOMPARE(display->lblResult[1]->text(), englishName);
    QVERIFY(!display->lblResult[2]->text().isEmpty());
    QVERIFY(display->lblResult[3]->text().size() > 600);
    QCOMPARE(display->imgAnimalPics->pixmap().toImage(),
             QImage(content::picturePath(QStringLiteral("mayan/") + picture)).convertToFormat(QImage::Format_RGB32));

    QCOMPARE(display->reading().person.name, QStringLiteral("Ana Lucia"));
    QCOMPARE(display->reading().birthDate, QDate(year, calendar::monthNumber(month), day));
}

void TestMayanForms::everySignFitsItsLabels()
{
    auto *display = find(QStringLiteral("Ana"), 1, QStringLiteral("June"), 1990);
    for (const mayan::MayanSignRow &row : mayan::LoadMayanSignTable()) {
        ShowMayanSign(row.mayanName);
        QCOMPARE(display->lblResult[0]->text(), row.mayanName);
        for (QLabel *label : display->lblResult) {
            if (label->wordWrap())
                QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(row.mayanName));
            else
                QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->text()));
        }
        QVERIFY(display->imgAnimalPics->contentsRect().contains(QRect(QPoint(), display->imgAnimalPics->pixmap().size())));
    }
}

void TestMayanForms::menuEntriesFindAndExit()
{
    auto *input = openInput();
    enter(input, QStringLiteral("Ana"), 2, QStringLiteral("May"), 1990);
    input->mnuFind->trigger();
    QCOMPARE(forms::get<frmMayanAnimalSignDisplay>()->lblResult[0]->text(), QStringLiteral("Kaw"));
    QVERIFY(!frame->isStartPanelVisible());

    forms::get<frmMayanAnimalSignDisplay>()->mnuBack->trigger();
    input->mnuExit->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!forms::isLoaded<frmMayanAnimalSignMain>());
    QVERIFY(frame->isStartPanelVisible());
}

void TestMayanForms::backKeepsEntriesAndExitShowsStartPanel()
{
    auto *display = find(QStringLiteral("Ana"), 30, QStringLiteral("May"), 1990);
    QCOMPARE(display->lblResult[0]->text(), QStringLiteral("Tzub"));
    display->cmdBack->click();
    QVERIFY(!forms::isLoaded<frmMayanAnimalSignDisplay>());
    auto *input = forms::get<frmMayanAnimalSignMain>();
    QVERIFY(input->isShownInFrame());
    QVERIFY(!frame->isStartPanelVisible());
    QCOMPARE(input->txtName->text(), QStringLiteral("Ana"));
    QCOMPARE(input->cboDate->currentText() + input->cboMonth->currentText() + input->cboYear->currentText(),
             QStringLiteral("30May1990"));

    input->cboDate->setCurrentIndex(0);   // 1 May: Pek
    input->cmdProceed->click();
    display = forms::get<frmMayanAnimalSignDisplay>();
    QCOMPARE(display->lblResult[0]->text(), QStringLiteral("Pek"));
    QCOMPARE(display->lblResult[2]->text(), QStringLiteral("Pearl"));

    display->cmdExit->click();
    QVERIFY(!forms::isLoaded<frmMayanAnimalSignDisplay>());
    QVERIFY(frame->isStartPanelVisible());
    QVERIFY(forms::isLoaded<frmMayanAnimalSignMain>());
    QVERIFY(!input->isShownInFrame());

    auto *fresh = openInput();
    QVERIFY(fresh->txtName->text().isEmpty());
    QCOMPARE(fresh->cboMonth->currentText() + fresh->cboDate->currentText() + fresh->cboYear->currentText(),
             QStringLiteral("January11900"));
}

void TestMayanForms::reportHasSixBlocksAndClosesToResult()
{
    auto *display = find(QStringLiteral("Ana Lucia"), 31, QStringLiteral("December"), 2001);
    display->mnuPrint->trigger();
    QVERIFY(forms::isLoaded<frmMayanAnimalSignSave>());
    auto *report = forms::get<frmMayanAnimalSignSave>();
    QVERIFY(report->isShownInFrame());
    QVERIFY(display->isShownInFrame());

    const QString text = report->RTB->toPlainText();
    QCOMPARE(text.count(QStringLiteral("Report Generated By http://")), 6);
    const QStringList headings = {QStringLiteral("Name: Ana Lucia"), QStringLiteral("Date of Birth: December 31, 2001"),
                                  QStringLiteral("Mayan Animal Moon Sign: Xibkay"), QStringLiteral("English Name: Lizard"),
                                  QStringLiteral("Crystal: Garnet And Ruby"),
                                  QStringLiteral("Interpretation: ") + display->lblResult[3]->text()};
    qsizetype from = 0;
    for (const QString &block : headings) {
        const qsizetype at = text.indexOf(block, from);
        QVERIFY2(at >= from, qPrintable(block));
        // Each block is closed by the credit line before the next block starts.
        from = text.indexOf(QStringLiteral("Report Generated By"), at);
        QVERIFY(from > at);
    }
    QVERIFY(!text.startsWith(QLatin1String("Report")));

    // Headings bold teal, values regular black.
    int headingsSeen = 0;
    for (QTextBlock block = report->RTB->document()->begin(); block.isValid(); block = block.next()) {
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
    display->cmdPrint->click();
    QCOMPARE(report->RTB->toPlainText(), text);

    // Closing the report brings back the result form as it was.
    const QImage picture = display->imgAnimalPics->pixmap().toImage();
    report->close();
    QVERIFY(!forms::isLoaded<frmMayanAnimalSignSave>());
    QVERIFY(display->isShownInFrame());
    QCOMPARE(display->lblResult[0]->text(), QStringLiteral("Xibkay"));
    QCOMPARE(display->imgAnimalPics->pixmap().toImage(), picture);
}

void TestMayanForms::choosingTheSystemClosesEveryMayanWindow()
{
    auto *display = find(QStringLiteral("Ana"), 7, QStringLiteral("February"), 1990);
    display->cmdPrint->click();
    auto *input = openInput();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!forms::isLoaded<frmMayanAnimalSignSave>());
    QVERIFY(!forms::isLoaded<frmMayanAnimalSignDisplay>());
    QCOMPARE(forms::loadedForms(), QList<OrvoForm *>{input});
    QVERIFY(input->txtName->text().isEmpty());
    QVERIFY(!frame->isStartPanelVisible());
}

void TestMayanForms::saveThenOpen()
{
    // A name with letters beyond the old single-byte range comes back whole.
    auto *display = find(QStringLiteral(" Zoë Ängström "), 31, QStringLiteral("December"), 2001);
    display->cmdPrint->click();
    const QString file = dir->filePath(QStringLiteral("reading.zod"));
    dialogs->fileAnswers << file;
    forms::get<frmMayanAnimalSignSave>()->cmdSave->click();
    QVERIFY(dialogs->messages.isEmpty());
    QCOMPARE(dialogs->fileRequests.size(), 1);
    const DialogService::FileRequest saveRequest = dialogs->fileRequests.first();
    QCOMPARE(saveRequest.title, QStringLiteral("Save Your Zodiac Signs Result ...."));
    QCOMPARE(saveRequest.filter, QStringLiteral("Orvo Free Zodiac Signs (*.zod)"));
    QCOMPARE(saveRequest.defaultSuffix, QStringLiteral("zod"));
    QVERIFY(saveRequest.confirmOverwrite);

    QFile saved(file);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = saved.readAll().split('\n');
    QCOMPARE(lines.size(), 5);   // four lines, each ended by CR LF
    QVERIFY(lines.last().isEmpty());
    QCOMPARE(lines.at(1), EncodeLine(QStringLiteral("December")) + '\r');
    QCOMPARE(lines.at(2), QByteArray("\x88\x86\r"));   // "31" as plain digits, each code + 85
    QCOMPARE(DecodeLine(lines.at(3)), QStringLiteral("2001"));
    QCOMPARE(DecodeLine(lines.at(0)), QStringLiteral("Zoë Ängström"));

    // A fresh input form filled from the file shows the same reading.
    auto *input = openInput();
    dialogs->fileAnswers << file;
    input->cmdOpen->click();
    QCOMPARE(dialogs->fileRequests.last().title, QStringLiteral("Select the source file"));
    QCOMPARE(dialogs->fileRequests.last().filter, QStringLiteral("Orvo Free Zodiac Signs (*.zod)"));
    QVERIFY(dialogs->messages.isEmpty());
    QCOMPARE(input->txtName->text(), QStringLiteral("Zoë Ängström"));
    QCOMPARE(input->cboDate->currentText() + input->cboMonth->currentText() + input->cboYear->currentText(),
             QStringLiteral("31December2001"));
    display = forms::get<frmMayanAnimalSignDisplay>();
    QVERIFY(display->isShownInFrame());
    QVERIFY(!input->isShownInFrame());
    QCOMPARE(display->lblResult[0]->text(), QStringLiteral("Xibkay"));
}

void TestMayanForms::badFilesChangeNothing_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("message");
    QTest::newRow("upper-case extension ZOD") << "reading.ZOD" << "Please Check The File.";
    QTest::newRow("Chinese .str file") << "reading.str" << "Please Check The File.";
    QTest::newRow("file that is not there") << "missing.zod" << "Please Check The File.";
    QTest::newRow("folder named .zod") << "folder.zod" << "Please Check The File.";
    QTest::newRow("FIFO named .zod, never opened") << "fifo.zod" << "Please Check The File.";
    QTest::newRow("month no list holds") << "marchy.zod" << "Please Check The File.";
    QTest::newRow("year line missing") << "three-lines.zod" << "Please Check The File.";
    QTest::newRow("cancel") << "" << "";
}

void TestMayanForms::badFilesChangeNothing()
{
    QFETCH(QString, fileName);
    QFETCH(QString, message);
    QVERIFY(savedReading::writeFile(dir->filePath(QStringLiteral("reading.ZOD")),
                                    {QStringLiteral("Other"), QStringLiteral("June"), QStringLiteral("5"), QStringLiteral("1960")}));
    QVERIFY(savedReading::writeFile(dir->filePath(QStringLiteral("reading.str")),
                                    {QStringLiteral("Other"), QStringLiteral("June"), QStringLiteral("5"), QStringLiteral("1960")}));
    QVERIFY(savedReading::writeFile(dir->filePath(QStringLiteral("marchy.zod")),
                                    {QStringLiteral("Other"), QStringLiteral("Marchy"), QStringLiteral("5"), QStringLiteral("1960")}));
    QVERIFY(savedReading::writeFile(dir->filePath(QStringLiteral("three-lines.zod")),
                                    {QStringLiteral("Other"), QStringLiteral("June"), QStringLiteral("5")}));
    QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("folder.zod")));
    QCOMPARE(mkfifo(QFile::encodeName(dir->filePath(QStringLiteral("fifo.zod"))).constData(), 0600), 0);

    auto *input = openInput();
    enter(input, QStringLiteral("Keep"), 9, QStringLiteral("March"), 1970);
    dialogs->fileAnswers << (fileName.isEmpty() ? QString() : dir->filePath(fileName));
    input->cmdOpen->click();
    QCOMPARE(dialogs->messageTexts(), message.isEmpty() ? QStringList() : QStringList{message});
    if (!message.isEmpty())
        QCOMPARE(dialogs->messages.first().icon, Icon::Error);
    QCOMPARE(input->txtName->text(), QStringLiteral("Keep"));
    QCOMPARE(input->cboDate->currentText() + input->cboMonth->currentText() + input->cboYear->currentText(),
             QStringLiteral("9March1970"));
    QVERIFY(!forms::isLoaded<frmMayanAnimalSignDisplay>());
    QVERIFY(input->isShownInFrame());
}

void TestMayanForms::australianFileKeepsDayAndYear()
{
    const QString file = dir->filePath(QStringLiteral("australian.zod"));
    QVERIFY(savedReading::writeFile(file, {QStringLiteral("Bruce"), QStringLiteral("June")}));
    auto *input = openInput();
    enter(input, QString(), 28, QStringLiteral("January"), 1988);
    dialogs->fileAnswers << file;
    input->cmdOpen->click();
    QVERIFY(dialogs->messages.isEmpty());
    QCOMPARE(input->txtName->text(), QStringLiteral("Bruce"));
    QCOMPARE(input->cboDate->currentText() + input->cboMonth->currentText() + input->cboYear->currentText(),
             QStringLiteral("28June1988"));
    QCOMPARE(forms::get<frmMayanAnimalSignDisplay>()->lblResult[0]->text(), QStringLiteral("Aak"));

    // A file without a name is damaged: refused, and the entries stay as they were.
    QVERIFY(savedReading::writeFile(file, {QString(), QStringLiteral("March")}));
    forms::get<frmMayanAnimalSignDisplay>()->cmdBack->click();
    dialogs->fileAnswers << file;
    input->cmdOpen->click();
    QCOMPARE(dialogs->messageTexts(), QStringList{QStringLiteral("Please Check The File.")});
    QCOMPARE(input->txtName->text() + input->cboMonth->currentText(), QStringLiteral("BruceJune"));
    QVERIFY(input->isShownInFrame());
    QVERIFY(!forms::isLoaded<frmMayanAnimalSignDisplay>());
}

void TestMayanForms::linksOpenTheirPages()
{
    OpenedPages pages;
    auto *display = find(QStringLiteral("Ana"), 1, QStringLiteral("June"), 1990);
    display->cmdPrint->click();
    const QList<OrvoForm *> windows = {forms::get<frmMayanAnimalSignMain>(), display, forms::get<frmMayanAnimalSignSave>()};
    for (OrvoForm *form : windows) {
        for (const char *name : {"Label61", "lblCobrand", "lblFullBrand"})
            QVERIFY2(form->findChild<LinkLabel *>(QLatin1String(name)), name);
    }
    QCOMPARE(display->Label13->page(), modHelp::Page::FullBrand);
    QTest::mouseClick(display->Label61, Qt::LeftButton);
    QTest::mouseClick(display->Label13, Qt::LeftButton);
    QTest::mouseClick(display->fraFullBrand->lblCobrand, Qt::LeftButton);
    QCOMPARE(pages.urls, (QList<QUrl>{modHelp::pageAddress(modHelp::Page::Home), modHelp::pageAddress(modHelp::Page::FullBrand),
                                      modHelp::pageAddress(modHelp::Page::CoBrand)}));
}

QTEST_MAIN(TestMayanForms)
#include "test_mayan_forms.moc"
