#include "forms/orvo_form.h"
#include "shared/file_size_limit.h"
#include "shared/small_tmpfs.h"
#include "ui/frame_fixture.h"
#include "ui/support.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

#include <chrono>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>

using System = systems::System;

namespace {

// The ways a page reaches a file through a printer.
enum class Way { ReportPrint, ReportPreviewPrint, OverviewPrint };
enum class Fault { FullDisk, SizeLimit };

// Were a dialog to open the FIFO for writing, it would wait for a reader for ever: one comes after
// a while, so that such a test fails (the dialog goes on to its own questions) instead of hanging.
void readerComesLater(const QString &fifo)
{
    std::thread([name = QFile::encodeName(fifo)] {
        std::this_thread::sleep_for(std::chrono::seconds(20));
        if (const int reader = ::open(name.constData(), O_RDONLY | O_NONBLOCK); reader >= 0)
            ::close(reader);
    }).detach();
}

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
    void printToFifoIsRefusedWithoutOpeningIt_data();
    void printToFifoIsRefusedWithoutOpeningIt();

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

void TestPrintToFile::printToFifoIsRefusedWithoutOpeningIt_data()
{
    QTest::addColumn<Way>("way");
    QTest::addColumn<QString>("target");
    QTest::newRow("report's print dialog, FIFO") << Way::ReportPrint << "fifo";
    QTest::newRow("print dialog of the report's preview, FIFO") << Way::ReportPreviewPrint << "fifo";
    QTest::newRow("All Four Signs' print dialog, link to a FIFO") << Way::OverviewPrint << "link";
}

void TestPrintToFile::printToFifoIsRefusedWithoutOpeningIt()
{
    QFETCH(Way, way);
    QFETCH(QString, target);
    QTemporaryDir dir;
    const QString fifo = dir.filePath("fifo");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QVERIFY(QFile::link(fifo, dir.filePath("link")));
    const QString fileName = dir.filePath(target);
    // The Celtic report prints through the print dialog always, the Mayan one where there is no
    // default printer: only its preview is used here.
    QPushButton *print = nullptr;
    if (way == Way::ReportPrint) {
        const OrvoForm *report = ui->reading(System::Celtic, {"Ann Lee", {}, 5, 5, 1980}) ? ui->report(System::Celtic) : nullptr;
        print = report ? FrameFixture::control<QPushButton>(report, "cmdPrint") : nullptr;
    } else {
        print = printButton(way);
    }
    QVERIFY(print);

    // The program's own dialogs; each step below runs when its dialog shows. A press is queued:
    // a dialog it opens runs an event loop in which this timer, still in its slot, would not run.
    DialogService::install(nullptr);
    const auto scripted = qScopeGuard([this] { DialogService::install(dialogs()); });
    readerComesLater(fifo);
    QStringList said;
    bool printDialogSeen = false;
    bool previewPrintPressed = false;
    QTimer steps;
    steps.setInterval(10);
    connect(&steps, &QTimer::timeout, this, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        auto *dialog = qobject_cast<QPrintDialog *>(modal);
        auto *preview = qobject_cast<QPrintPreviewDialog *>(modal);
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            said << box->text();
            box->accept();
        } else if (dialog && !printDialogSeen) {
            printDialogSeen = true;
            auto *printers = FrameFixture::control<QComboBox>(dialog, "printers");
            printers->setCurrentIndex(printers->findText("Print to File (PDF)"));
            FrameFixture::control<QLineEdit>(dialog, "filename")->setText(fileName);
            QAbstractButton *ok = dialog->findChild<QDialogButtonBox *>(QString(), Qt::FindDirectChildrenOnly)->button(QDialogButtonBox::Ok);
            QMetaObject::invokeMethod(ok, &QAbstractButton::click, Qt::QueuedConnection);
        } else if ((dialog && !said.isEmpty()) || (preview && printDialogSeen)) {
            static_cast<QDialog *>(modal)->reject();
        } else if (preview && !std::exchange(previewPrintPressed, true)) {
            for (QAction *action : preview->findChild<QToolBar *>()->actions()) {
                if (action->text() == "Print")
                    QMetaObject::invokeMethod(action, &QAction::trigger, Qt::QueuedConnection);
            }
        }
    });
    steps.start();
    print->click();
    steps.stop();

    QVERIFY(printDialogSeen);
    QCOMPARE(said, QStringList{fileName + " is not a regular file.\nPlease choose a different file name."});
    QFileInfo left(fifo);
    QVERIFY(left.exists() && !left.isFile() && !left.isDir());
}

QTEST_MAIN(TestPrintToFile)
#include "test_print_to_file.moc"
