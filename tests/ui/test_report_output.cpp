#include "app/frmMDI.h"
#include "common/program_settings.h"
#include "common/program_texts.h"
#include "forms/dialog_folders.h"
#include "forms/orvo_form.h"
#include "forms/save_dialog.h"
#include "report/report_printing.h"
#include "widgets/modHelp.h"
#include "shared/file_size_limit.h"
#include "ui/frame_fixture.h"
#include "ui/real_message_boxes.h"
#include "ui/support.h"

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextEdit>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

using System = systems::System;
using F = FrameFixture;

namespace {

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


// The user guide's window while it exists.
QWidget *userGuide()
{
    F::flushDeletes();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("frmUserGuide"))
            return window;
    }
    return nullptr;
}

// The Help menu's entry that opens the user guide.
QAction *guideEntry(const QWidget *window)
{
    for (QAction *entry : F::control<QMenu>(window, "mnuHelp")->actions()) {
        if (entry->objectName() == QLatin1String("mnuGuide"))
            return entry;
    }
    return nullptr;
}

} // namespace

class TestReportOutput : public FrameTestCase
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void pdfHoldsTheReport_data();
    void pdfHoldsTheReport();
    void failedPdfSaveKeepsEarlierFile_data();
    void failedPdfSaveKeepsEarlierFile();
    void previewPaintsTheReport();
    void suggestedNamesAreSafe_data();
    void suggestedNamesAreSafe();
    void longSuggestedNamesStillSave_data();
    void longSuggestedNamesStillSave();
    void guideOpensOnF1_data();
    void guideOpensOnF1();
    void guideLinksOpenOnlyWebPages();
    void dialogFolderRemembered();

private:
    // The report of the person of this name in the system, or nullptr.
    OrvoForm *openReport(System system, const QString &name);
};

void TestReportOutput::initTestCase()
{
    // The folders the saves remember go to this test's own settings file, never to the user's.
    QVERIFY(useOwnSettings());
    QFile::remove(programSettings::open()->fileName());
}

void TestReportOutput::init()
{
    FrameTestCase::init();
    QVERIFY(QTest::qWaitForWindowActive(ui->frame()));
}

OrvoForm *TestReportOutput::openReport(System system, const QString &name)
{
    Entries entries{name, {}, 5, 5, 1980};
    if (system == System::Australian)
        entries = {name, {}, 0, 6};
    else if (system == System::Celtic)
        entries = {name, {}, 5, 1};
    else if (system == System::Chinese)
        entries = {name, "Female", 5, 2, 1970};
    return ui->reading(system, entries) ? ui->report(system) : nullptr;
}
void TestReportOutput::pdfHoldsTheReport_data()
{
    QTest::addColumn<System>("system");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("print");           // false: Save as PDF
    QTest::addColumn<QString>("offeredPdf");   // the name Save as PDF offers
    QTest::addColumn<QString>("offeredSave");  // the name Save offers
    QTest::newRow("Australian, a colon in the name, Save as PDF")
        << System::Australian << "Bruce: Lee" << false << "Bruce_ Lee - Australian.pdf" << "Bruce_ Lee - Australian.zod";
    QTest::newRow("Celtic, Print") << System::Celtic << "Anna Kowalska" << true << "" << "Anna Kowalska - Celtic.rtf";
    QTest::newRow("Chinese, a slash in the name, several pages, Save as PDF")
        << System::Chinese << "Anna/Kowalska" << false << "Anna_Kowalska - Chinese.pdf" << "Anna_Kowalska - Chinese.str";
    QTest::newRow("Chinese, several pages, Print") << System::Chinese << "Ann Lee" << true << "" << "Ann Lee - Chinese.str";
    QTest::newRow("Mayan, letters beyond ASCII, Save as PDF")
        << System::Mayan << "Zoë Łukasik" << false << "Zoë Łukasik - Mayan.pdf" << "Zoë Łukasik - Mayan.zod";
}

// Save and Save as PDF offer "person - system.ext"; the PDF, saved or printed, holds the report on
// pages that keep margins around a running head and page number.
void TestReportOutput::pdfHoldsTheReport()
{
    QFETCH(System, system);
    QFETCH(QString, name);
    QFETCH(bool, print);
    QFETCH(QString, offeredPdf);
    QFETCH(QString, offeredSave);
    QTemporaryDir dir;
    const OrvoForm *report = openReport(system, name);
    QVERIFY(report);

    // The four buttons in one row under the report, apart, whole and inside the window.
    const auto placeOf = [report](const char *name) { return F::control<QWidget>(report, name)->geometry(); };
    const char *row[] = {"cmdPreview", "cmdSavePdf", "cmdSave", "cmdPrint"};
    for (qsizetype i = 0; i < 4; ++i) {
        const auto *button = F::control<QPushButton>(report, row[i]);
        QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->text()));
        QVERIFY(report->rect().contains(button->geometry()));
        QCOMPARE(button->y(), placeOf("cmdPrint").y());
        QVERIFY(button->y() > placeOf("RTB").bottom());
        if (i > 0)
            QVERIFY2(placeOf(row[i - 1]).right() < button->x(), qPrintable(button->text()));
    }

    const QString pdf = dir.filePath("reading.pdf");
    dialogs()->fileAnswers = {QString(), dir.filePath("reading")};   // Save cancelled, then the PDF's name
    QVERIFY(F::click(report, "cmdSave"));
    QCOMPARE(dialogs()->fileRequests.constFirst().fileName, offeredSave);
    dialogs()->pdfOutput = pdf;
    QVERIFY(F::click(report, print ? "cmdPrint" : "cmdSavePdf"));
    QVERIFY(dialogs()->messages.isEmpty());
    if (!print) {
        const DialogService::FileRequest request = dialogs()->fileRequests.constLast();
        QCOMPARE(request.fileName, offeredPdf);
        QCOMPARE(request.filter, "PDF Document (*.pdf)");
        QVERIFY(request.confirmOverwrite);
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"reading.pdf"});

    const QString text = withoutBlanks(pdfBodyText(pdf));
    QVERIFY2(!text.isEmpty(), "pdftotext is needed for this test");
    QCOMPARE(text, withoutBlanks(F::text(report, "RTB")));
    if (system != System::Celtic)   // the Celtic report names the sign, not the person
        QVERIFY(text.contains(withoutBlanks(name)));
    const QList<PdfPage> pages = pdfPages(pdf);
    QVERIFY2(pages.size() > (system == System::Chinese ? 1 : 0), "the Chinese report has several pages");
    const qreal margin = reportPrinting::leastMarginMm / 25.4 * 72;
    const QString head = QStringLiteral("%1 \u00b7 %2 \u00b7 %3")
                             .arg(texts::programTitle(), offeredSave.section(" - ", -1).section('.', 0, 0), name);
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
    const OrvoForm *report = openReport(System::Mayan, "Anna");
    QVERIFY(report);
    QString fileName = dir.filePath("reading.pdf");
    const QByteArray earlier("earlier reading");
    if (sizeLimit)
        writeFile(fileName, earlier);
    else
        writeFile(dir.filePath("plain"), earlier), fileName = dir.filePath("plain/reading.pdf");

    dialogs()->fileAnswers = {fileName};
    // The program's own message box, as the user sees it.
    RealMessageBoxes shown(*dialogs());
    {
        std::optional<FileSizeLimit> limit;
        if (sizeLimit) {
            limit.emplace(earlier.size() + 200);   // a report's PDF is several kilobytes
            QVERIFY(limit->active());
        }
        QVERIFY(F::click(report, "cmdSavePdf"));
    }
    QCOMPARE(shown.boxes.size(), 1);
    QCOMPARE(shown.boxes.first().text, sizeLimit ? "The file could not be saved.\nThe file would be larger than allowed."
                                                  : "The file could not be saved.\nThe folder does not exist.");
    QCOMPARE(shown.boxes.first().icon, QMessageBox::Critical);
    QCOMPARE(shown.boxes.first().title, "Orvo Animal Signs Astrology");
    if (sizeLimit) {
        QCOMPARE(readAll(fileName).toUtf8(), earlier);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"reading.pdf"});
    }

    dialogs()->fileAnswers = {QString()};   // cancel says nothing
    QVERIFY(F::click(report, "cmdSavePdf"));
    QCOMPARE(shown.boxes.size(), 1);
}

void TestReportOutput::previewPaintsTheReport()
{
    QTemporaryDir dir;
    const OrvoForm *report = openReport(System::Chinese, "Ada");
    QVERIFY(report);
    dialogs()->previewPdfOutput = dir.filePath("preview.pdf");
    QVERIFY(F::click(report, "cmdPreview"));
    QCOMPARE(dialogs()->previewsShown, 1);
    QCOMPARE(dialogs()->previewTitles, QStringList{"Print Preview \u2014 Ada - Chinese"});
    QCOMPARE(withoutBlanks(pdfBodyText(dialogs()->previewPdfOutput)), withoutBlanks(F::text(report, "RTB")));
    // The preview prints nothing by itself.
    QVERIFY(dialogs()->printDialogOffers.isEmpty());
    QVERIFY(dialogs()->messages.isEmpty());
}

void TestReportOutput::suggestedNamesAreSafe_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain name") << "Anna Kowalska" << "Anna Kowalska - Celtic.pdf";
    QTest::newRow("path separators and wildcards") << "../a\\b*c?d" << ".._a_b_c_d - Celtic.pdf";
    QTest::newRow("quotes, angle brackets, bar") << "\"A\" <B>|C" << "_A_ _B__C - Celtic.pdf";
    QTest::newRow("control character") << "Ann\tLee\x01" << "Ann Lee_ - Celtic.pdf";
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

void TestReportOutput::longSuggestedNamesStillSave_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("300 ASCII letters") << QString(300, QLatin1Char('A'));
    QTest::newRow("80 emoji, 4 bytes each") << QString::fromUtf8("\xF0\x9F\x98\x80").repeated(80);
    QTest::newRow("e with a combining accent, 3 bytes each") << QStringLiteral("e\u0301").repeated(100);
    QTest::newRow("dots and blanks where it is cut") << QString(236, QLatin1Char('B')) + " . . . " + QString(40, QLatin1Char('C'));
}

void TestReportOutput::longSuggestedNamesStillSave()
{
    QFETCH(QString, name);
    const QString suggested = saveDialog::suggestedName(name, "Chinese", "str");
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
    QWidget *focus = ui->frame();
    if (window == 1) {
        QVERIFY(ui->open(System::Celtic));
        focus = F::control<QWidget>(F::inputForm(System::Celtic), "txtFName");
    } else if (window == 2) {
        const OrvoForm *report = openReport(System::Mayan, "Anna");
        QVERIFY(report);
        focus = F::control<QWidget>(report, "RTB");
    }
    focus->setFocus();
    QVERIFY(!userGuide());
    QTest::keyClick(focus, Qt::Key_F1);
    const QPointer<QWidget> guide = userGuide();
    QVERIFY(guide);
    QTRY_VERIFY(guide->isVisible());

    const QString text = F::text(guide, "txtGuide");
    for (const char *needed : {"Chinese New Year", "Start of Spring", "Li Chun", "Water Rabbit", "Wood Dragon",
                               "Save as PDF", "Print Preview"})
        QVERIFY2(text.contains(QLatin1String(needed)), needed);

    // Once made, F1 brings the same window back.
    guide->hide();
    QTest::keyClick(focus, Qt::Key_F1);
    QCOMPARE(userGuide(), guide.data());
    QTRY_VERIFY(guide->isVisible());

    // The Help menu lists it with its key.
    const QAction *entry = guideEntry(focus->window());
    QVERIFY(entry);
    QCOMPARE(entry->text(), "User &Guide");
    QCOMPARE(entry->shortcut(), QKeySequence(Qt::Key_F1));
}

void TestReportOutput::guideLinksOpenOnlyWebPages()
{
    QAction *entry = guideEntry(ui->frame());
    QVERIFY(entry);
    entry->trigger();
    QWidget *guide = userGuide();
    QVERIFY(guide);
    auto *browser = F::control<QTextBrowser>(guide, "txtGuide");
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
    Q_EMIT browser->anchorClicked(QUrl("file:///etc/passwd"));
    Q_EMIT browser->anchorClicked(QUrl("mailto:someone@example.com"));
    Q_EMIT browser->anchorClicked(QUrl("#chinese-year"));
    QCOMPARE(pages.urls.size(), webLinks.size());
    QCOMPARE(browser->source(), QUrl());   // the guide did not navigate away
}

void TestReportOutput::dialogFolderRemembered()
{
    QTemporaryDir first;
    QTemporaryDir second;
    QVERIFY(useOwnSettings());
    const QString settingsFile = programSettings::open()->fileName();

    const OrvoForm *report = openReport(System::Mayan, "Anna");
    QVERIFY(report);
    dialogs()->fileAnswers = {first.filePath("a.pdf"), second.filePath("b.zod"), QString(), QString()};
    for (int round = 0; round < 2; ++round) {
        QVERIFY(F::click(report, "cmdSavePdf"));
        QVERIFY(F::click(report, "cmdSave"));
    }
    QCOMPARE(dialogs()->fileRequests.size(), 4);
    QVERIFY(dialogs()->messages.isEmpty());
    // Each kind starts where its own last file went.
    QCOMPARE(dialogs()->fileRequests[2].directory, first.path());
    QCOMPARE(dialogs()->fileRequests[3].directory, second.path());

    // A cancelled or failed save keeps the folder; a folder that is gone is not offered.
    dialogs()->fileAnswers = {QString()};
    QVERIFY(F::click(report, "cmdSavePdf"));
    QCOMPARE(dialogFolders::last("pdf"), first.path());
    first.remove();
    QVERIFY(dialogFolders::last("pdf") != first.path());
    QVERIFY(QFileInfo(dialogFolders::last("pdf")).isDir());

    // An Open through the dialog remembers its folder as well.
    QVERIFY(ui->open(System::Mayan));
    const QString opened = second.filePath("sub/reading.zod");
    QDir().mkpath(second.filePath("sub"));
    QFile::copy(second.filePath("b.zod"), opened);
    QVERIFY(ui->openSaved(System::Mayan, opened));
    QVERIFY(dialogs()->messages.isEmpty());
    QCOMPARE(dialogFolders::last("zod"), second.filePath("sub"));

    // A damaged settings file reads as no folder at all.
    writeFile(settingsFile, QByteArray("\x00\xff[Folders\nzod=\"\\x", 16));
    QVERIFY(QFileInfo(dialogFolders::last("zod")).isDir());
    QVERIFY(dialogFolders::last("zod") != second.filePath("sub"));
}

QTEST_MAIN(TestReportOutput)
#include "test_report_output.moc"
