#include "app/frmMDI.h"
#include "australian/frmAustralianAstrologyDisplay.h"
#include "australian/frmAustralianAstrologyMain.h"
#include "australian/frmAustralianAstrologySave.h"
#include "celtic/frmCelticAnimalBirthSignDisplay.h"
#include "celtic/frmCelticAnimalBirthSignMain.h"
#include "celtic/frmCelticAnimalBirthSignSave.h"
#include "chinese/frmChineseZodiacDisplay.h"
#include "chinese/frmChineseZodiacMain.h"
#include "chinese/frmChineseZodiacSave.h"
#include "common/program_settings.h"
#include "common/program_texts.h"
#include "forms/save_dialog.h"
#include "forms/common_menus.h"
#include "forms/dialog_folders.h"
#include "forms/form_registry.h"
#include "forms/frmUserGuide.h"
#include "widgets/modHelp.h"
#include "widgets/protected_text_edit.h"
#include "report/report_printing.h"
#include "mayan/frmMayanAnimalSignDisplay.h"
#include "mayan/frmMayanAnimalSignMain.h"
#include "mayan/frmMayanAnimalSignSave.h"
#include "shared/file_size_limit.h"
#include "ui/real_message_boxes.h"
#include "ui/support.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextBlock>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

// Blanks and line breaks (which fall elsewhere on paper) and ligatures do not count.
QString simplified(const QString &text)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return text.normalized(QString::NormalizationForm_KC).remove(blanks);
}

QString readAll(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void writeFile(const QString &fileName, const QByteArray &content)
{
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}


enum class System { Australian, Celtic, Chinese, Mayan };

} // namespace

Q_DECLARE_METATYPE(System)

class TestReportOutput : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void pdfHoldsTheReport_data();
    void pdfHoldsTheReport();
    void failedPdfSaveKeepsEarlierFile_data();
    void failedPdfSaveKeepsEarlierFile();
    void previewPaintsTheReport();
    void suggestedNamesAreSafe_data();
    void suggestedNamesAreSafe();
    void outputNamesPersonAndSystem_data();
    void outputNamesPersonAndSystem();
    void longSuggestedNamesStillSave_data();
    void longSuggestedNamesStillSave();
    void guideOpensOnF1_data();
    void guideOpensOnF1();
    void guideLinksOpenOnlyWebPages();
    void dialogFolderRemembered();

private:
    ReportForm *openReport(System system, const QString &name);

    std::unique_ptr<frmMDI> frame;
    std::unique_ptr<ScriptedDialogs> dialogs;
};

void TestReportOutput::initTestCase()
{
    // The folders the saves remember go to this test's own settings file, never to the user's.
    QVERIFY(useOwnSettings());
    QFile::remove(programSettings::open()->fileName());
}

void TestReportOutput::init()
{
    installTestFonts();
    dialogs = std::make_unique<ScriptedDialogs>();
    frame = std::make_unique<frmMDI>();
    frame->show();
    QVERIFY(QTest::qWaitForWindowActive(frame.get()));
}

void TestReportOutput::cleanup()
{
    frame->close();
    frame.reset();
    dialogs.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

ReportForm *TestReportOutput::openReport(System system, const QString &name)
{
    switch (system) {
    case System::Australian: {
        frame->cmdSelectOption_Click(0);
        auto *input = forms::get<frmAustralianAstrologyMain>();
        input->txtName->setText(name);
        input->cboMonth->setCurrentText(QStringLiteral("June"));
        input->cmdProceed->click();
        forms::get<frmAustralianAstrologyDisplay>()->cmdPrint_Click();   // it offers no Print of its own
        return forms::get<frmAustralianAstrologySave>();
    }
    case System::Celtic: {
        frame->cmdSelectOption_Click(1);
        auto *input = forms::get<frmCelticAnimalBirthSignMain>();
        const QStringList names = name.split(QLatin1Char(' '));
        input->txtFName->setText(names.first());
        input->txtlName->setText(names.last());
        input->cmbDate->setCurrentIndex(4);
        input->cmbMonth->setCurrentIndex(0);
        input->Command1->click();
        forms::get<frmCelticAnimalBirthSignDisplay>()->cmdPrint->click();
        return forms::get<frmCelticAnimalBirthSignSave>();
    }
    case System::Chinese: {
        frame->cmdSelectOption_Click(2);
        auto *input = forms::get<frmChineseZodiacMain>();
        input->txtName->setText(name);
        input->optSex[1]->setChecked(true);
        input->cboDate->setCurrentIndex(4);
        input->cboMonth->setCurrentIndex(1);
        input->cboYear->setCurrentText(QStringLiteral("1970"));
        input->cmdProceed->click();
        forms::get<frmChineseZodiacDisplay>()->cmdPrint->click();
        return forms::get<frmChineseZodiacSave>();
    }
    case System::Mayan: {
        frame->cmdSelectOption_Click(3);
        auto *input = forms::get<frmMayanAnimalSignMain>();
        input->txtName->setText(name);
        input->cboDate->setCurrentIndex(4);
        input->cboMonth->setCurrentText(QStringLiteral("May"));
        input->cboYear->setCurrentText(QStringLiteral("1980"));
        input->cmdProceed->click();
        forms::get<frmMayanAnimalSignDisplay>()->cmdPrint->click();
        return forms::get<frmMayanAnimalSignSave>();
    }
    }
    return nullptr;
}

void TestReportOutput::pdfHoldsTheReport_data()
{
    QTest::addColumn<System>("system");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("offeredName");
    QTest::newRow("Australian, a colon in the name") << System::Australian << "Bruce: Lee" << "Bruce_ Lee - Australian.pdf";
    QTest::newRow("Celtic, first and last name") << System::Celtic << "Anna Kowalska" << "Anna Kowalska - Celtic.pdf";
    QTest::newRow("Chinese, a slash in the name") << System::Chinese << "Anna/Kowalska" << "Anna_Kowalska - Chinese.pdf";
    QTest::newRow("Mayan, letters beyond ASCII") << System::Mayan << QString::fromUtf8("Zoë Łukasik")
                                                 << QString::fromUtf8("Zoë Łukasik - Mayan.pdf");
}

void TestReportOutput::pdfHoldsTheReport()
{
    QFETCH(System, system);
    QFETCH(QString, name);
    QFETCH(QString, offeredName);
    QTemporaryDir dir;
    ReportForm *report = openReport(system, name);
    QVERIFY(report && report->isShownInFrame());

    // The four buttons in one row under the report, apart, whole and inside the window.
    const QList<QPushButton *> row = {report->cmdPreview, report->cmdSavePdf, report->cmdSave, report->cmdPrint};
    for (qsizetype i = 0; i < row.size(); ++i) {
        QPushButton *button = row[i];
        QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->text()));
        QVERIFY(report->rect().contains(button->geometry()));
        QCOMPARE(button->y(), report->cmdPrint->y());
        QVERIFY(button->y() > report->RTB->geometry().bottom());
        if (i > 0)
            QVERIFY2(row[i - 1]->geometry().right() < button->x(), qPrintable(button->text()));
    }

    dialogs->fileAnswers = {dir.filePath(QStringLiteral("reading"))};
    report->cmdSavePdf->click();
    QCOMPARE(dialogs->fileRequests.size(), 1);
    const DialogService::FileRequest request = dialogs->fileRequests.constFirst();
    QCOMPARE(request.fileName, offeredName);
    QCOMPARE(request.filter, QStringLiteral("PDF Document (*.pdf)"));
    QVERIFY(request.confirmOverwrite);
    QVERIFY(dialogs->messages.isEmpty());

    const QString pdf = dir.filePath(QStringLiteral("reading.pdf"));
    QVERIFY(QFile::exists(pdf));
    const QString text = simplified(pdfBodyText(pdf));
    QVERIFY2(!text.isEmpty(), "pdftotext is needed for this test");
    QCOMPARE(text, simplified(report->RTB->toPlainText()));
    if (system != System::Celtic)   // the Celtic report names the sign, not the person
        QVERIFY(text.contains(simplified(name)));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("reading.pdf")});
}

void TestReportOutput::failedPdfSaveKeepsEarlierFile_data()
{
    QTest::addColumn<bool>("sizeLimit");
    QTest::newRow("file size limit, replacing a file") << true;
    QTest::newRow("folder is a regular file") << false;
}

void TestReportOutput::failedPdfSaveKeepsEarlierFile()
{
    QFETCH(bool, sizeLimit);
    QTemporaryDir dir;
    ReportForm *report = openReport(System::Mayan, QStringLiteral("Anna"));
    QString fileName = dir.filePath(QStringLiteral("reading.pdf"));
    const QByteArray earlier("earlier reading");
    if (sizeLimit)
        writeFile(fileName, earlier);
    else
        writeFile(dir.filePath(QStringLiteral("plain")), earlier), fileName = dir.filePath(QStringLiteral("plain/reading.pdf"));

    dialogs->fileAnswers = {fileName};
    // The program's own message box, as the user sees it.
    RealMessageBoxes shown(*dialogs);
    {
        std::optional<FileSizeLimit> limit;
        if (sizeLimit) {
            limit.emplace(earlier.size() + 200);   // a report's PDF is several kilobytes
            QVERIFY(limit->active());
        }
        report->cmdSavePdf->click();
    }
    QCOMPARE(shown.boxes.size(), 1);
    QCOMPARE(shown.boxes.first().text, QStringLiteral("The file could not be saved."));
    QCOMPARE(shown.boxes.first().icon, QMessageBox::Critical);
    QCOMPARE(shown.boxes.first().title, QStringLiteral("Orvo Animal Signs Astrology"));
    if (sizeLimit) {
        QCOMPARE(readAll(fileName).toUtf8(), earlier);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("reading.pdf")});
    }

    dialogs->fileAnswers = {QString()};   // cancel says nothing
    report->cmdSavePdf->click();
    QCOMPARE(shown.boxes.size(), 1);
}

void TestReportOutput::previewPaintsTheReport()
{
    QTemporaryDir dir;
    ReportForm *report = openReport(System::Chinese, QStringLiteral("Ada"));
    dialogs->previewPdfOutput = dir.filePath(QStringLiteral("preview.pdf"));
    report->cmdPreview->click();
    QCOMPARE(dialogs->previewsShown, 1);
    QCOMPARE(simplified(pdfBodyText(dialogs->previewPdfOutput)), simplified(report->RTB->toPlainText()));
    // The preview prints nothing by itself.
    QVERIFY(dialogs->printDialogOffers.isEmpty());
    QVERIFY(dialogs->messages.isEmpty());
}

void TestReportOutput::suggestedNamesAreSafe_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain name") << "Anna Kowalska" << "Anna Kowalska - Celtic.pdf";
    QTest::newRow("path separators and wildcards") << "../a\\b*c?d" << ".._a_b_c_d - Celtic.pdf";
    QTest::newRow("quotes, angle brackets, bar") << "\"A\" <B>|C" << "_A_ _B__C - Celtic.pdf";
    QTest::newRow("control character") << QStringLiteral("Ann\tLee\x01") << "Ann Lee_ - Celtic.pdf";
    QTest::newRow("only dots") << "..." << "Celtic.pdf";
    QTest::newRow("empty") << "" << "Celtic.pdf";
}

void TestReportOutput::suggestedNamesAreSafe()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    const QString fileName = saveDialog::suggestedName(name, QStringLiteral("Celtic"), QStringLiteral("pdf"));
    QCOMPARE(fileName, expected);
    QVERIFY(!fileName.contains(QLatin1Char('/')));
}

void TestReportOutput::outputNamesPersonAndSystem_data()
{
    QTest::addColumn<System>("system");
    QTest::addColumn<bool>("print");   // false: Save as PDF
    QTest::addColumn<QString>("saveName");
    QTest::newRow("Chinese, several pages, Save as PDF") << System::Chinese << false << "Chinese.str";
    QTest::newRow("Chinese, several pages, Print") << System::Chinese << true << "Chinese.str";
    QTest::newRow("Celtic, Print") << System::Celtic << true << "Celtic.rtf";
    QTest::newRow("Australian, Save as PDF") << System::Australian << false << "Australian.zod";
}

// Save offers "person - system.ext"; printed pages keep margins around a running head and page number.
void TestReportOutput::outputNamesPersonAndSystem()
{
    QFETCH(System, system);
    QFETCH(bool, print);
    QFETCH(QString, saveName);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("pages.pdf"));
    ReportForm *report = openReport(system, QStringLiteral("Ann Lee"));
    QVERIFY(report);
    dialogs->fileAnswers = {QString(), pdf};   // Save cancelled, then the PDF's name
    report->cmdSave_Click();
    QCOMPARE(dialogs->fileRequests.constFirst().fileName, QStringLiteral("Ann Lee - ") + saveName);
    dialogs->pdfOutput = pdf;
    (print ? report->cmdPrint : report->cmdSavePdf)->click();
    QVERIFY(dialogs->messages.isEmpty());
    const QList<PdfPage> pages = pdfPages(pdf);
    QVERIFY2(pages.size() > (system == System::Chinese ? 1 : 0), "pdftotext is needed; the Chinese report has several pages");
    const qreal margin = reportPrinting::leastMarginMm / 25.4 * 72;
    const QString head = QStringLiteral("%1 \u00b7 %2 \u00b7 Ann Lee").arg(texts::programTitle(), saveName.section(QLatin1Char('.'), 0, 0));
    for (qsizetype index = 0; index < pages.size(); ++index) {
        const PdfPage &page = pages.at(index);
        const QRectF inside(margin, margin, page.size.width() - 2 * margin, page.size.height() - 2 * margin);
        QVERIFY(page.lines.size() > 2);
        for (const PdfLine &line : page.lines)
            QVERIFY2(inside.contains(line.box), qPrintable(QStringLiteral("page %1: %2").arg(index + 1).arg(line.text)));
        QCOMPARE(page.lines.constFirst().text, head);
        QCOMPARE(page.lines.constLast().text, QStringLiteral("Page %1 of %2").arg(index + 1).arg(pages.size()));
    }
}

void TestReportOutput::longSuggestedNamesStillSave_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("300 ASCII letters") << QString(300, QLatin1Char('A'));
    QTest::newRow("80 emoji, 4 bytes each") << QString::fromUtf8("\xF0\x9F\x98\x80").repeated(80);
    QTest::newRow("e with a combining accent, 3 bytes each") << QStringLiteral("e\u0301").repeated(100);
    QTest::newRow("dots and blanks where it is cut") << QString(236, QLatin1Char('B')) + QStringLiteral(" . . . ") + QString(40, QLatin1Char('C'));
}

void TestReportOutput::longSuggestedNamesStillSave()
{
    QFETCH(QString, name);
    const QString suggested = saveDialog::suggestedName(name, QStringLiteral("Chinese"), QStringLiteral("str"));
    QVERIFY2(suggested.endsWith(QLatin1String(" - Chinese.str")), qPrintable(suggested));
    const QString person = suggested.chopped(14);
    QVERIFY(!person.isEmpty() && name.startsWith(person) && person.isValidUtf16());
    // An accent stays with its letter; no blank or dot is left at the end.
    QVERIFY(name.size() == person.size() || name.at(person.size()).category() != QChar::Mark_NonSpacing);
    QVERIFY(!person.endsWith(QLatin1Char(' ')) && !person.endsWith(QLatin1Char('.')));

    QTemporaryDir dir;
    QFile file(dir.filePath(suggested));
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(file.errorString()));
}

void TestReportOutput::guideOpensOnF1_data()
{
    QTest::addColumn<int>("window");
    QTest::newRow("frame") << 0;
    QTest::newRow("input form with a menu bar") << 1;
    QTest::newRow("report form without a menu bar") << 2;
}

void TestReportOutput::guideOpensOnF1()
{
    QFETCH(int, window);
    QWidget *focus = frame.get();
    if (window == 1) {
        frame->cmdSelectOption_Click(1);
        focus = forms::get<frmCelticAnimalBirthSignMain>()->txtFName;
    } else if (window == 2) {
        focus = openReport(System::Mayan, QStringLiteral("Anna"))->RTB;
    }
    focus->setFocus();
    QVERIFY(!frmUserGuide::instance());
    QTest::keyClick(focus, Qt::Key_F1);
    frmUserGuide *guide = frmUserGuide::instance();
    QVERIFY(guide);
    QTRY_VERIFY(guide->isVisible());

    const QString text = guide->txtGuide->toPlainText();
    for (const char *needed : {"Chinese New Year", "Start of Spring", "Li Chun", "Water Rabbit", "Wood Dragon",
                               "Save as PDF", "Print Preview"})
        QVERIFY2(text.contains(QLatin1String(needed)), needed);

    // Once made, F1 brings the same window back.
    guide->hide();
    QTest::keyClick(focus, Qt::Key_F1);
    QCOMPARE(frmUserGuide::instance(), guide);
    QTRY_VERIFY(guide->isVisible());

    // The Help menu lists it with its key.
    auto *help = frame->findChild<QMenu *>(QStringLiteral("mnuHelp"));
    QVERIFY(help);
    QVERIFY(help->actions().contains(userGuideAction()));
    QCOMPARE(userGuideAction()->text(), QStringLiteral("User &Guide"));
    QCOMPARE(userGuideAction()->shortcut(), QKeySequence(Qt::Key_F1));
}

void TestReportOutput::guideLinksOpenOnlyWebPages()
{
    frmUserGuide *guide = frmUserGuide::showGuide();
    QTextBrowser *browser = guide->txtGuide;
    QStringList webLinks;
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QString href = it.fragment().charFormat().anchorHref();
            if (!href.isEmpty() && !href.startsWith(QLatin1Char('#')) && !webLinks.contains(href))
                webLinks.append(href);
        }
    }
    // Every outside link goes to the maker's site as the build names it; none is left unfilled.
    QVERIFY(!webLinks.isEmpty());
    for (const QString &link : std::as_const(webLinks))
        QCOMPARE(QUrl(link).host(), QLatin1String(modHelp::MakerHost));

    OpenedPages pages;
    for (const QString &link : std::as_const(webLinks))
        Q_EMIT browser->anchorClicked(QUrl(link));
    QCOMPARE(pages.urls.size(), webLinks.size());
    Q_EMIT browser->anchorClicked(QUrl(QStringLiteral("file:///etc/passwd")));
    Q_EMIT browser->anchorClicked(QUrl(QStringLiteral("mailto:someone@example.com")));
    Q_EMIT browser->anchorClicked(QUrl(QStringLiteral("#chinese-year")));
    QCOMPARE(pages.urls.size(), webLinks.size());
    QCOMPARE(browser->source(), QUrl());   // the guide did not navigate away
}

void TestReportOutput::dialogFolderRemembered()
{
    QTemporaryDir first;
    QTemporaryDir second;
    QVERIFY(useOwnSettings());
    const QString settingsFile = programSettings::open()->fileName();

    ReportForm *report = openReport(System::Mayan, QStringLiteral("Anna"));
    dialogs->fileAnswers = {first.filePath(QStringLiteral("a.pdf")), second.filePath(QStringLiteral("b.zod")),
                            QString(), QString()};
    report->cmdSavePdf->click();
    report->cmdSave->click();
    report->cmdSavePdf->click();
    report->cmdSave->click();
    QCOMPARE(dialogs->fileRequests.size(), 4);
    QVERIFY(dialogs->messages.isEmpty());
    // Each kind starts where its own last file went.
    QCOMPARE(dialogs->fileRequests[2].directory, first.path());
    QCOMPARE(dialogs->fileRequests[3].directory, second.path());

    // A cancelled or failed save keeps the folder; a folder that is gone is not offered.
    dialogs->fileAnswers = {QString()};
    report->cmdSavePdf->click();
    QCOMPARE(dialogFolders::last(QStringLiteral("pdf")), first.path());
    first.remove();
    QVERIFY(dialogFolders::last(QStringLiteral("pdf")) != first.path());
    QVERIFY(QFileInfo(dialogFolders::last(QStringLiteral("pdf"))).isDir());

    // An Open through the dialog remembers its folder as well.
    frame->cmdSelectOption_Click(3);
    const QString opened = second.filePath(QStringLiteral("sub/reading.zod"));
    QDir().mkpath(second.filePath(QStringLiteral("sub")));
    QFile::copy(second.filePath(QStringLiteral("b.zod")), opened);
    dialogs->fileAnswers = {opened};
    forms::get<frmMayanAnimalSignMain>()->cmdOpen->click();
    QVERIFY(dialogs->messages.isEmpty());
    QCOMPARE(dialogFolders::last(QStringLiteral("zod")), second.filePath(QStringLiteral("sub")));

    // A damaged settings file reads as no folder at all.
    writeFile(settingsFile, QByteArray("\x00\xff[Folders\nzod=\"\\x", 16));
    QVERIFY(QFileInfo(dialogFolders::last(QStringLiteral("zod"))).isDir());
    QVERIFY(dialogFolders::last(QStringLiteral("zod")) != second.filePath(QStringLiteral("sub")));
}

QTEST_MAIN(TestReportOutput)
#include "test_report_output.moc"
