#include "app/frmMDI.h"
#include "forms/form_registry.h"
#include "mayan/frmMayanAnimalSignDisplay.h"
#include "mayan/frmMayanAnimalSignMain.h"
#include "mayan/frmMayanAnimalSignSave.h"
#include "overview/frmAllFourSignsDisplay.h"
#include "overview/frmAllFourSignsMain.h"
#include "shared/file_size_limit.h"
#include "shared/small_tmpfs.h"
#include "ui/support.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

namespace {

// The ways a page reaches a file through a printer.
enum class Way { ReportPrint, ReportPreviewPrint, OverviewPrint };
enum class Fault { FullDisk, SizeLimit };

QByteArray contentOf(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestPrintToFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void failedPrintToFileKeepsEarlierFile_data();
    void failedPrintToFileKeepsEarlierFile();

private:
    QPushButton *printButton(Way way);

    std::unique_ptr<frmMDI> frame;
    std::unique_ptr<ScriptedDialogs> dialogs;
};

void TestPrintToFile::initTestCase()
{
    QVERIFY(useOwnSettings());
}

void TestPrintToFile::init()
{
    installTestFonts();
    dialogs = std::make_unique<ScriptedDialogs>();
    frame = std::make_unique<frmMDI>();
    frame->show();
}

void TestPrintToFile::cleanup()
{
    frame->close();
    frame.reset();
    dialogs.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Opens the window whose button prints the way given, and gives that button.
QPushButton *TestPrintToFile::printButton(Way way)
{
    if (way == Way::OverviewPrint) {
        frame->cmdSelectOption[4]->click();
        auto *input = forms::get<frmAllFourSignsMain>();
        input->txtName->setText(QStringLiteral("Ann Lee"));
        input->cboDate->setCurrentIndex(11);
        input->cboMonth->setCurrentIndex(4);
        input->cboYear->setCurrentIndex(input->cboYear->findText(QStringLiteral("1990")));
        input->cmdProceed->click();
        return forms::get<frmAllFourSignsDisplay>()->cmdPrint;
    }
    frame->cmdSelectOption_Click(3);
    auto *input = forms::get<frmMayanAnimalSignMain>();
    input->txtName->setText(QStringLiteral("Ann Lee"));
    input->cboDate->setCurrentIndex(4);
    input->cboMonth->setCurrentText(QStringLiteral("May"));
    input->cboYear->setCurrentText(QStringLiteral("1980"));
    input->cmdProceed->click();
    forms::get<frmMayanAnimalSignDisplay>()->cmdPrint->click();
    auto *report = forms::get<frmMayanAnimalSignSave>();
    return way == Way::ReportPrint ? report->cmdPrint : report->cmdPreview;
}

void TestPrintToFile::failedPrintToFileKeepsEarlierFile_data()
{
    QTest::addColumn<Way>("way");
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<bool>("earlierFile");
    const std::pair<Way, const char *> ways[] = {{Way::ReportPrint, "report's Print"},
                                                 {Way::ReportPreviewPrint, "Print in the report's preview"},
                                                 {Way::OverviewPrint, "All Four Signs' Print"}};
    for (const auto &[way, wayName] : ways) {
        for (const Fault fault : {Fault::FullDisk, Fault::SizeLimit}) {
            for (const bool earlierFile : {true, false}) {
                QTest::addRow("%s, %s, %s", wayName, fault == Fault::FullDisk ? "full tmpfs" : "4 KiB file size limit",
                              earlierFile ? "replacing a file" : "new file")
                    << way << fault << earlierFile;
            }
        }
    }
}

void TestPrintToFile::failedPrintToFileKeepsEarlierFile()
{
    QFETCH(Way, way);
    QFETCH(Fault, fault);
    QFETCH(bool, earlierFile);
    QTemporaryDir dir;
    std::optional<SmallTmpfs> tmpfs;
    if (fault == Fault::FullDisk) {
        tmpfs.emplace(dir.path());
        if (!tmpfs->mounted())
            QSKIP("mounting a tmpfs needs root");
    }
    const QString fileName = dir.filePath(QStringLiteral("reading.pdf"));
    const QByteArray earlier("%PDF-1.4 the earlier reading");
    if (earlierFile) {
        QFile file(fileName);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(earlier), earlier.size());
    }
    (way == Way::ReportPreviewPrint ? dialogs->previewPdfOutput : dialogs->pdfOutput) = fileName;
    QPushButton *print = printButton(way);
    QVERIFY(print);

    {
        std::optional<FileSizeLimit> limit;
        if (fault == Fault::FullDisk) {
            QVERIFY(tmpfs->fill());
        } else {
            limit.emplace(4096);   // as `ulimit -f 4`; every page printed here is larger
            QVERIFY(limit->active());
        }
        print->click();
    }

    QCOMPARE(dialogs->messageTexts(), QStringList{QStringLiteral("The file could not be saved.")});
    QCOMPARE(dialogs->messages.constFirst().icon, DialogService::Icon::Error);
    QCOMPARE(contentOf(fileName), earlierFile ? earlier : QByteArray());
    QStringList left = QDir(dir.path()).entryList(QDir::Files);
    left.removeOne(QStringLiteral("filler"));
    QCOMPARE(left, earlierFile ? QStringList{QStringLiteral("reading.pdf")} : QStringList());
}

QTEST_MAIN(TestPrintToFile)
#include "test_print_to_file.moc"
