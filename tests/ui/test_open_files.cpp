#include "app/frmMDI.h"
#include "app/instance_channel.h"
#include "app/reading_opener.h"
#include "australian/frmAustralianAstrologyDisplay.h"
#include "australian/frmAustralianAstrologyMain.h"
#include "chinese/frmChineseZodiacDisplay.h"
#include "chinese/frmChineseZodiacMain.h"
#include "common/program_texts.h"
#include "common/saved_reading.h"
#include "forms/form_registry.h"
#include "mayan/frmMayanAnimalSignDisplay.h"
#include "mayan/frmMayanAnimalSignMain.h"
#include "ui/support.h"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <future>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

class TestOpenFiles : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void readingOpensOnItsSystem_data();
    void readingOpensOnItsSystem();
    void badFileLeavesWindowsAsTheyWere_data();
    void badFileLeavesWindowsAsTheyWere();
    void requestWaitsForAnOpenDialog();
    void handOverDeliversTheAbsolutePath_data();
    void handOverDeliversTheAbsolutePath();
    void leftoverSocketFileDoesNotBlockListening();
    void handOverWithoutListenerFails();
    void messageInPiecesIsTaken();
    void overlongMessageIsCutOff();

private:
    QString channelName() const { return dir->filePath(QStringLiteral("channel.socket")); }
    std::unique_ptr<frmMDI> frame;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::unique_ptr<QTemporaryDir> dir;
};

void TestOpenFiles::init()
{
    installTestFonts();
    dialogs = std::make_unique<ScriptedDialogs>();
    dir = std::make_unique<QTemporaryDir>();
    frame = std::make_unique<frmMDI>();
    frame->show();
}

void TestOpenFiles::cleanup()
{
    frame->close();
    frame.reset();
    dialogs.reset();
    dir.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestOpenFiles::readingOpensOnItsSystem_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<int>("system");   // systems::System of the form the reading must land on
    QTest::addColumn<int>("systemOpenBefore");

    const QStringList chinese{"Ann Lee", "Male", "12", "May", "1990"};
    const QStringList mayan{"Maya Test", "March", "15", "1985"};
    const QStringList australian{"Oz Test", "July"};
    QTest::newRow("Chinese .str on the start panel") << "ann.str" << chinese << 2 << -1;
    QTest::newRow("Mayan .zod on the start panel") << "maya.zod" << mayan << 3 << -1;
    QTest::newRow("Australian .zod on the start panel") << "oz.zod" << australian << 0 << -1;
    QTest::newRow("Mayan .zod while the Australian form is open") << "maya.zod" << mayan << 3 << 0;
    QTest::newRow("Australian .zod while the Mayan form is open") << "oz.zod" << australian << 0 << 3;
    QTest::newRow("Chinese .str while the Mayan form is open") << "ann.str" << chinese << 2 << 3;
    QTest::newRow("Mayan .zod whose year line alone survived")
        << "year.zod" << QStringList{"Maya Test", "March", "", "1985"} << 3 << -1;
}

void TestOpenFiles::readingOpensOnItsSystem()
{
    QFETCH(QString, fileName);
    QFETCH(QStringList, fields);
    QFETCH(int, system);
    QFETCH(int, systemOpenBefore);
    const QString file = dir->filePath(fileName);
    QVERIFY(savedReading::writeFile(file, fields));
    if (systemOpenBefore >= 0)
        frame->cmdSelectOption_Click(systemOpenBefore);

    ReadingOpener opener(frame.get());
    QVERIFY(opener.open(file));

    QVERIFY(dialogs->messages.isEmpty());
    QVERIFY(!frame->isStartPanelVisible());
    const bool chinese = system == 2;
    const bool mayan = system == 3;
    const bool australian = system == 0;
    QCOMPARE(forms::isLoaded<frmChineseZodiacDisplay>(), chinese);
    QCOMPARE(forms::isLoaded<frmMayanAnimalSignDisplay>(), mayan);
    QCOMPARE(forms::isLoaded<frmAustralianAstrologyDisplay>(), australian);
    if (chinese) {
        QVERIFY(forms::get<frmChineseZodiacDisplay>()->isVisible());
        auto *input = forms::get<frmChineseZodiacMain>();
        QCOMPARE(input->txtName->text(), fields[0]);
        QVERIFY(input->optSex[0]->isChecked());
        QCOMPARE(input->cboDate->currentText().trimmed(), fields[2]);
        QCOMPARE(input->cboMonth->currentText().trimmed(), fields[3]);
        QCOMPARE(input->cboYear->currentText().trimmed(), fields[4]);
    } else if (mayan) {
        QVERIFY(forms::get<frmMayanAnimalSignDisplay>()->isVisible());
        auto *input = forms::get<frmMayanAnimalSignMain>();
        QCOMPARE(input->txtName->text(), fields[0]);
        QCOMPARE(input->cboMonth->currentText(), fields[1]);
        QCOMPARE(input->cboYear->currentText(), fields[3]);
        QVERIFY(!forms::isLoaded<frmAustralianAstrologyMain>());
    } else {
        QVERIFY(forms::get<frmAustralianAstrologyDisplay>()->isVisible());
        auto *input = forms::get<frmAustralianAstrologyMain>();
        QCOMPARE(input->txtName->text(), fields[0]);
        QCOMPARE(input->cboMonth->currentText(), fields[1]);
        QVERIFY(!forms::isLoaded<frmMayanAnimalSignMain>());
    }
}

void TestOpenFiles::badFileLeavesWindowsAsTheyWere_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("readingOpenBefore");
    QTest::newRow("missing file") << "missing.zod" << false;
    QTest::newRow("FIFO named .str") << "fifo.str" << false;
    QTest::newRow("folder named .zod") << "folder.zod" << false;
    QTest::newRow("upper-case extension") << "reading.ZOD" << false;
    QTest::newRow("wrong extension") << "reading.txt" << false;
    QTest::newRow("wrong extension over an open reading") << "reading.txt" << true;
    QTest::newRow("missing file over an open reading") << "missing.str" << true;
}

void TestOpenFiles::badFileLeavesWindowsAsTheyWere()
{
    QFETCH(QString, fileName);
    QFETCH(bool, readingOpenBefore);
    const QStringList australian{"Oz Test", "July"};
    QVERIFY(savedReading::writeFile(dir->filePath(QStringLiteral("reading.ZOD")), australian));
    QVERIFY(savedReading::writeFile(dir->filePath(QStringLiteral("reading.txt")), australian));
    QVERIFY(::mkfifo(QFile::encodeName(dir->filePath(QStringLiteral("fifo.str"))).constData(), 0600) == 0);
    QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("folder.zod")));
    ReadingOpener opener(frame.get());
    if (readingOpenBefore) {
        const QString before = dir->filePath(QStringLiteral("before.zod"));
        QVERIFY(savedReading::writeFile(before, {"Maya Test", "March", "15", "1985"}));
        QVERIFY(opener.open(before));
    }

    QVERIFY(!opener.open(dir->filePath(fileName)));

    QCOMPARE(dialogs->messageTexts(), QStringList{texts::checkTheFile()});
    QCOMPARE(dialogs->messages.constFirst().icon, DialogService::Icon::Error);
    QCOMPARE(frame->isStartPanelVisible(), !readingOpenBefore);
    QCOMPARE(forms::isLoaded<frmMayanAnimalSignDisplay>(), readingOpenBefore);
    if (readingOpenBefore) {
        QVERIFY(forms::get<frmMayanAnimalSignDisplay>()->isVisible());
        QCOMPARE(forms::get<frmMayanAnimalSignMain>()->txtName->text(), QStringLiteral("Maya Test"));
    }
    QVERIFY(!forms::isLoaded<frmAustralianAstrologyMain>());
    QVERIFY(!forms::isLoaded<frmChineseZodiacMain>());
}

// A reading arriving while a dialog is open would otherwise close the form the dialog belongs to.
void TestOpenFiles::requestWaitsForAnOpenDialog()
{
    const QString file = dir->filePath(QStringLiteral("oz.zod"));
    QVERIFY(savedReading::writeFile(file, {"Oz Test", "July"}));
    auto *input = forms::show<frmMayanAnimalSignMain>();
    QPointer<QDialog> dialog = new QDialog(input);   // goes with the form
    dialog->setModal(true);
    dialog->show();
    QTRY_COMPARE(QApplication::activeModalWidget(), dialog.data());

    ReadingOpener opener(frame.get());
    opener.request(file);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QVERIFY(forms::isLoaded<frmMayanAnimalSignMain>());
    QVERIFY(!forms::isLoaded<frmAustralianAstrologyDisplay>());

    dialog->close();
    QTRY_VERIFY(forms::isLoaded<frmAustralianAstrologyDisplay>());
    QVERIFY(!forms::isLoaded<frmMayanAnimalSignMain>());
}

void TestOpenFiles::handOverDeliversTheAbsolutePath_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::newRow("plain name") << "reading.zod";
    QTest::newRow("blanks, accents and a line break") << "my r\u00e9ading\nof May.str";
}

void TestOpenFiles::handOverDeliversTheAbsolutePath()
{
    QFETCH(QString, fileName);
    InstanceChannel channel(channelName());
    QVERIFY2(channel.listen(), qPrintable(channel.errorString()));
    QSignalSpy received(&channel, &InstanceChannel::readingReceived);
    const QString workingFolder = QDir::currentPath();
    QDir::setCurrent(dir->path());
    const auto restore = qScopeGuard([&workingFolder] { QDir::setCurrent(workingFolder); });

    auto handedOver = std::async(std::launch::async, [this, fileName] {
        return InstanceChannel::handOver(channelName(), fileName, 10000);
    });
    QTRY_COMPARE(received.count(), 1);
    QCOMPARE(received.constFirst().constFirst().toString(), QDir(dir->path()).absoluteFilePath(fileName));
    QVERIFY(handedOver.get());
}

// A copy that was killed leaves its socket file behind.
void TestOpenFiles::leftoverSocketFileDoesNotBlockListening()
{
    {
        InstanceChannel crashed(channelName());
        QVERIFY(crashed.listen());
    }
    QFile leftover(channelName());
    QVERIFY(leftover.open(QIODevice::WriteOnly));
    leftover.close();

    InstanceChannel channel(channelName());
    QVERIFY2(channel.listen(), qPrintable(channel.errorString()));
    struct stat info{};
    QCOMPARE(::stat(QFile::encodeName(channelName()).constData(), &info), 0);
    QVERIFY(S_ISSOCK(info.st_mode));
    QCOMPARE(info.st_mode & 077, 0u);   // no one but the user connects

    QSignalSpy received(&channel, &InstanceChannel::readingReceived);
    auto handedOver = std::async(std::launch::async, [this] {
        return InstanceChannel::handOver(channelName(), QStringLiteral("/r.str"), 10000);
    });
    QTRY_COMPARE(received.count(), 1);
    QVERIFY(handedOver.get());
}

void TestOpenFiles::handOverWithoutListenerFails()
{
    QVERIFY(!InstanceChannel::handOver(channelName(), QStringLiteral("/r.str"), 2000));
}

namespace {

// A client of the channel that writes by hand what handOver() would write in one go.
int connectedClient(const QString &path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket >= 0 && ::connect(socket, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
        ::close(socket);
        return -1;
    }
    return socket;
}

bool sendAll(int socket, const QByteArray &bytes)
{
    return ::send(socket, bytes.constData(), size_t(bytes.size()), MSG_NOSIGNAL) == bytes.size();
}

// What the channel answered, once it has closed the connection.
QByteArray answerOf(int socket)
{
    QByteArray answer;
    char chunk[64];
    ssize_t received;
    while ((received = ::recv(socket, chunk, sizeof chunk, 0)) > 0)
        answer.append(chunk, received);
    return answer;
}

} // namespace

// The message arrives in pieces, with another client that never says anything in between.
void TestOpenFiles::messageInPiecesIsTaken()
{
    InstanceChannel channel(channelName());
    QVERIFY(channel.listen());
    QSignalSpy received(&channel, &InstanceChannel::readingReceived);
    const int silent = connectedClient(channelName());
    const int client = connectedClient(channelName());
    QVERIFY(silent >= 0 && client >= 0);
    const auto closeBoth = qScopeGuard([=] { ::close(silent); ::close(client); });

    QVERIFY(sendAll(client, "/home/ann/my rea"));
    QTest::qWait(50);
    QCOMPARE(received.count(), 0);
    QVERIFY(sendAll(client, QByteArray("ding.str") + '\0'));
    QTRY_COMPARE(received.count(), 1);
    QCOMPARE(received.constFirst().constFirst().toString(), QStringLiteral("/home/ann/my reading.str"));
    QCOMPARE(answerOf(client), QByteArray("ok\n"));
}

void TestOpenFiles::overlongMessageIsCutOff()
{
    InstanceChannel channel(channelName());
    QVERIFY(channel.listen());
    QSignalSpy received(&channel, &InstanceChannel::readingReceived);
    const int client = connectedClient(channelName());
    QVERIFY(client >= 0);
    const auto closeClient = qScopeGuard([=] { ::close(client); });
    QVERIFY(sendAll(client, QByteArray(InstanceChannel::MaxMessageBytes + 1, 'a')));
    auto answer = std::async(std::launch::async, [client] { return answerOf(client); });
    QTRY_VERIFY(answer.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
    QCOMPARE(answer.get(), QByteArray());   // closed unanswered
    QCOMPARE(received.count(), 0);
}

QTEST_MAIN(TestOpenFiles)
#include "test_open_files.moc"
