#include "forms/orvo_form.h"
#include "shared/file_size_limit.h"
#include "shared/small_tmpfs.h"
#include "ui/frame_fixture.h"
#include "ui/support.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

using System = systems::System;

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

class TestPrintToFile : public FrameTestCase
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void failedPrintToFileKeepsEarlierFile_data();
    void failedPrintToFileKeepsEarlierFile();

private:
    // Opens the window whose button prints the way given, and gives that button.
    QPushButton *printButton(Way way);
};

void TestPrintToFile::initTestCase()
{
    QVERIFY(useOwnSettings());
}

QPushButton *TestPrintToFile::printButton(Way way)
{
    if (way == Way::OverviewPrint) {
        const OrvoForm *display = ui->reading(System::AllFourSigns, {"Ann Lee", {}, 12, 5, 1990});
        return display ? FrameFixture::control<QPushButton>(display, "cmdPrint") : nullptr;
    }
    const OrvoForm *report =
        ui->reading(System::Mayan, {"Ann Lee", {}, 5, 5, 1980}) ? ui->report(System::Mayan) : nullptr;
    if (!report)
        return nullptr;
    return FrameFixture::control<QPushButton>(report, way == Way::ReportPrint ? "cmdPrint" : "cmdPreview");
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
    const QString fileName = dir.filePath("reading.pdf");
    const QByteArray earlier("%PDF-1.4 the earlier reading");
    if (earlierFile) {
        QFile file(fileName);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(earlier), earlier.size());
    }
    (way == Way::ReportPreviewPrint ? dialogs()->previewPdfOutput : dialogs()->pdfOutput) = fileName;
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

    QCOMPARE(dialogs()->messageTexts(), QStringList{"The file could not be saved."});
    QCOMPARE(dialogs()->messages.constFirst().icon, DialogService::Icon::Error);
    QCOMPARE(contentOf(fileName), earlierFile ? earlier : QByteArray());
    QStringList left = QDir(dir.path()).entryList(QDir::Files);
    left.removeOne("filler");
    QCOMPARE(left, earlierFile ? QStringList{"reading.pdf"} : QStringList());
}

QTEST_MAIN(TestPrintToFile)
#include "test_print_to_file.moc"
