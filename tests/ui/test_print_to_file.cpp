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

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <optional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using System = systems::System;

namespace {

// The ways a page reaches a file through a printer.
enum class Way { ReportPrint, ReportPreviewPrint, OverviewPrint };
enum class Fault { FullDisk, SizeLimit };

// Opens a FIFO for reading when the test has not stopped it in time: a writer that waits in
// opening the FIFO goes on then, so that a test that would hang for ever fails instead.
class FifoWatchdog
{
public:
    explicit FifoWatchdog(const QByteArray &fifo)
        : m_thread([this, fifo] {
            std::unique_lock lock(m_mutex);
            if (m_stopped.wait_for(lock, std::chrono::seconds(20), [this] { return m_stop; }))
                return;
            fired = true;
            const int reader = ::open(fifo.constData(), O_RDONLY | O_NONBLOCK);
            m_stopped.wait(lock, [this] { return m_stop; });
            if (reader >= 0)
                ::close(reader);
        })
    {
    }
    ~FifoWatchdog()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_stopped.notify_all();
        m_thread.join();
    }

    std::atomic<bool> fired = false;

private:
    std::mutex m_mutex;
    std::condition_variable m_stopped;
    bool m_stop = false;
    std::thread m_thread;
};

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

    // The program's own dialogs; each step below runs when its dialog shows.
    DialogService::install(nullptr);
    const auto scripted = qScopeGuard([this] { DialogService::install(dialogs()); });
    const FifoWatchdog watchdog(QFile::encodeName(fifo));
    QStringList said;
    bool printDialogSeen = false;
    QTimer steps;
    steps.setInterval(10);
    connect(&steps, &QTimer::timeout, this, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            said << box->text();
            box->accept();
        } else if (auto *dialog = qobject_cast<QPrintDialog *>(modal); dialog && !printDialogSeen) {
            printDialogSeen = true;
            auto *printers = FrameFixture::control<QComboBox>(dialog, "printers");
            printers->setCurrentIndex(printers->findText("Print to File (PDF)"));
            FrameFixture::control<QLineEdit>(dialog, "filename")->setText(fileName);
            dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        } else if (dialog && !said.isEmpty()) {
            dialog->reject();
        } else if (auto *preview = qobject_cast<QPrintPreviewDialog *>(modal)) {
            if (printDialogSeen) {
                preview->reject();
                return;
            }
            for (QAction *action : preview->findChild<QToolBar *>()->actions()) {
                if (action->text() == "Print")
                    action->trigger();
            }
        }
    });
    steps.start();
    print->click();
    steps.stop();

    QVERIFY(!watchdog.fired);
    QVERIFY(printDialogSeen);
    QCOMPARE(said, QStringList{fileName + " is not a regular file.\nPlease choose a different file name."});
    QFileInfo left(fifo);
    QVERIFY(left.exists() && !left.isFile() && !left.isDir());
}

QTEST_MAIN(TestPrintToFile)
#include "test_print_to_file.moc"
