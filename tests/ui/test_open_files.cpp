#include "app/frmMDI.h"
#include "app/instance_channel.h"
#include "app/reading_opener.h"
#include "common/program_texts.h"
#include "common/saved_reading.h"
#include "forms/orvo_form.h"
#include "ui/frame_fixture.h"
#include "ui/support.h"

#include <QDeadlineTimer>
#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <future>
#include <optional>

#include <cerrno>
#include <linux/sockios.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using System = systems::System;

class TestOpenFiles : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void readingOpensOnItsSystem_data();
    void readingOpensOnItsSystem();
    void mayanReadingWithoutItsDayIsRefused();
    void traditionKeptEveryWayIn_data();
    void traditionKeptEveryWayIn();
    void badFileLeavesWindowsAsTheyWere_data();
    void badFileLeavesWindowsAsTheyWere();
    void requestWaitsForAnOpenDialog();
    void handOversBehindAMessageOpenInOrder();
    void handOversPastTheWaitingOnesAreRefused();
    void handOverDeliversTheAbsolutePath_data();
    void handOverDeliversTheAbsolutePath();
    void leftoverSocketFileDoesNotBlockListening();
    void handOverWithoutListenerFails();
    void messageInPiecesIsTaken();
    void overlongMessageIsCutOff();

private:
    QString channelName() const { return dir->filePath(QStringLiteral("channel.socket")); }
    std::unique_ptr<FrameFixture> ui;
    frmMDI *frame = nullptr;
    ScriptedDialogs *dialogs = nullptr;
    std::unique_ptr<QTemporaryDir> dir;
};

void TestOpenFiles::init()
{
    dir = std::make_unique<QTemporaryDir>();
    ui = std::make_unique<FrameFixture>();
    frame = ui->frame();
    dialogs = ui->dialogs();
}

void TestOpenFiles::cleanup()
{
    frame = nullptr;
    dialogs = nullptr;
    ui.reset();
    dir.reset();
}

void TestOpenFiles::readingOpensOnItsSystem_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<int>("system");   // systems::System of the form the reading must land on
    QTest::addColumn<int>("systemOpenBefore");   // -1: none

    const QStringList chinese{"Ann Lee", "Male", "12", "May", "1990"};
    const QStringList mayan{"Maya Test", "March", "15", "1985"};
    const QStringList australian{"Oz Test", "July"};
    QTest::newRow("Chinese .str on the start panel") << "ann.str" << chinese << 2 << -1;
    QTest::newRow("Mayan .zod on the start panel") << "maya.zod" << mayan << 3 << -1;
    QTest::newRow("Australian .zod on the start panel") << "oz.zod" << australian << 0 << -1;
    QTest::newRow("Mayan .zod while the Australian form is open") << "maya.zod" << mayan << 3 << 0;
    QTest::newRow("Australian .zod while the Mayan form is open") << "oz.zod" << australian << 0 << 3;
    QTest::newRow("Chinese .str while the Mayan form is open") << "ann.str" << chinese << 2 << 3;
}

void TestOpenFiles::mayanReadingWithoutItsDayIsRefused()
{
    // Only the year line survived: no day of birth, so no reading to show (damaged files are refused).
    const QString file = dir->filePath(QStringLiteral("year.zod"));
    QVERIFY(savedReading::writeFile(file, {QStringLiteral("Maya Test"), QStringLiteral("March"), QString(), QStringLiteral("1985")}));
    ReadingOpener opener(frame);
    opener.open(file);
    QCOMPARE(dialogs->messageTexts(), QStringList{texts::checkTheFile()});
    QVERIFY(!FrameFixture::resultForm(System::Mayan));
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
        QVERIFY(ui->open(System(systemOpenBefore)));

    ReadingOpener opener(frame);
    QVERIFY(opener.open(file));

    QVERIFY(dialogs->messages.isEmpty());
    QVERIFY(!frame->isStartPanelVisible());
    for (const System each : {System::Australian, System::Chinese, System::Mayan})
        QCOMPARE(FrameFixture::resultForm(each) != nullptr, each == System(system));
    QVERIFY(FrameFixture::resultForm(System(system))->isVisible());
    const OrvoForm *input = FrameFixture::inputForm(System(system));
    QVERIFY(input);
    QCOMPARE(FrameFixture::text(input, QStringLiteral("txtName")), fields[0]);
    switch (System(system)) {
    case System::Chinese:
        QVERIFY(FrameFixture::control<QRadioButton>(input, QStringLiteral("optSex_0"))->isChecked());
        QCOMPARE(FrameFixture::text(input, QStringLiteral("cboDate")).trimmed(), fields[2]);
        QCOMPARE(FrameFixture::text(input, QStringLiteral("cboMonth")).trimmed(), fields[3]);
        QCOMPARE(FrameFixture::text(input, QStringLiteral("cboYear")).trimmed(), fields[4]);
        break;
    case System::Mayan:
        QCOMPARE(FrameFixture::text(input, QStringLiteral("cboMonth")), fields[1]);
        QCOMPARE(FrameFixture::text(input, QStringLiteral("cboYear")), fields[3]);
        QVERIFY(!FrameFixture::inputForm(System::Australian));
        break;
    default:
        QCOMPARE(FrameFixture::text(input, QStringLiteral("cboMonth")), fields[1]);
        QVERIFY(!FrameFixture::inputForm(System::Mayan));
        break;
    }
}

void TestOpenFiles::badFileLeavesWindowsAsTheyWere_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("readingOpenBefore");
    QTest::newRow("missing file") << "missing.zod" << false;
    QTest::newRow("FIFO named .str") << "fifo.str" << false;
    QTest::newRow("folder named .zod") << "folder.zod" << false;
    QTest::newRow("the null device") << "/dev/null" << false;
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
    ReadingOpener opener(frame);
    if (readingOpenBefore) {
        const QString before = dir->filePath(QStringLiteral("before.zod"));
        QVERIFY(savedReading::writeFile(before, {"Maya Test", "March", "15", "1985"}));
        QVERIFY(opener.open(before));
    }

    const QString path = QDir(dir->path()).filePath(fileName);   // "/dev/null" as it is
    QVERIFY(!opener.open(path));

    const bool notRegular = fileName.startsWith(QLatin1String("fifo")) || fileName.startsWith(QLatin1String("folder"))
                            || fileName.startsWith(QLatin1Char('/'));
    const QString expected = fileName.startsWith(QLatin1String("missing"))
                                 ? QStringLiteral("This file does not exist:\n\n") + path
                             : notRegular ? QStringLiteral("This is not a saved reading file:\n\n") + path
                                          : texts::checkTheFile();
    QCOMPARE(dialogs->messageTexts(), QStringList{expected});
    QCOMPARE(dialogs->messages.constFirst().icon, DialogService::Icon::Error);
    QCOMPARE(frame->isStartPanelVisible(), !readingOpenBefore);
    QCOMPARE(FrameFixture::resultForm(System::Mayan) != nullptr, readingOpenBefore);
    if (readingOpenBefore) {
        QVERIFY(FrameFixture::resultForm(System::Mayan)->isVisible());
        QCOMPARE(FrameFixture::text(FrameFixture::inputForm(System::Mayan), QStringLiteral("txtName")),
                 QStringLiteral("Maya Test"));
    }
    QVERIFY(!FrameFixture::inputForm(System::Australian));
    QVERIFY(!FrameFixture::inputForm(System::Chinese));
}

namespace {

enum class Way { CommandLine, HandOver, FileOpen, ChineseOpen };

} // namespace

void TestOpenFiles::traditionKeptEveryWayIn_data()
{
    QTest::addColumn<Way>("way");
    QTest::newRow("orvo FILE") << Way::CommandLine;
    QTest::newRow("handed over by a second start") << Way::HandOver;
    QTest::newRow("File > Open") << Way::FileOpen;
    QTest::newRow("the Chinese input's Open") << Way::ChineseOpen;
}

// A reading counted in Vietnam (its eleventh line) opens in Vietnam whichever way it comes in:
// the Wood Buffalo from Tet 1985, not China's Wood Rat.
void TestOpenFiles::traditionKeptEveryWayIn()
{
    QFETCH(Way, way);
    const QString file = dir->filePath(QStringLiteral("ann.str"));
    QVERIFY(savedReading::writeFile(file, {"Ann Lee", "Female", "25", "January", "1985", "new-year", "14:30",
                                           "Asia/Ho_Chi_Minh", "", "midnight", "vietnam"}));
    ReadingOpener opener(frame);
    InstanceChannel channel(channelName());
    switch (way) {
    case Way::CommandLine:
        opener.request(file);
        break;
    case Way::HandOver: {
        QVERIFY2(channel.listen(), qPrintable(channel.errorString()));
        connect(&channel, &InstanceChannel::readingReceived, &opener, &ReadingOpener::request);
        auto handedOver = std::async(std::launch::async, [this, file] { return InstanceChannel::handOver(channelName(), file); });
        QTRY_VERIFY(handedOver.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
        QCOMPARE(handedOver.get(), InstanceChannel::HandOver::Taken);
        break;
    }
    case Way::FileOpen:
        dialogs->fileAnswers = {file};
        FrameFixture::control<QAction>(frame, QStringLiteral("mnuOpen"))->trigger();
        break;
    case Way::ChineseOpen:
        QVERIFY(ui->open(System::Chinese));
        QVERIFY(ui->openSaved(System::Chinese, file));
        break;
    }
    QTRY_VERIFY(FrameFixture::resultForm(System::Chinese));
    QVERIFY(dialogs->messages.isEmpty());
    const OrvoForm *display = FrameFixture::resultForm(System::Chinese);
    QVERIFY(FrameFixture::text(display, QStringLiteral("lblChineseYear")).startsWith("Year of the Wood Buffalo, Ất Sửu:"));
    QCOMPARE(FrameFixture::text(display, QStringLiteral("lblYearStart")), "(year begins at T\u1EBFt)");
}

// A reading arriving while a dialog is open would otherwise close the form the dialog belongs to.
void TestOpenFiles::requestWaitsForAnOpenDialog()
{
    const QString file = dir->filePath(QStringLiteral("oz.zod"));
    QVERIFY(savedReading::writeFile(file, {"Oz Test", "July"}));
    OrvoForm *input = ui->open(System::Mayan);
    QVERIFY(input);
    QPointer<QDialog> dialog = new QDialog(input);   // goes with the form
    dialog->setModal(true);
    dialog->show();
    QTRY_COMPARE(QApplication::activeModalWidget(), dialog.data());

    ReadingOpener opener(frame);
    opener.request(file);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QVERIFY(FrameFixture::inputForm(System::Mayan));
    QVERIFY(!FrameFixture::resultForm(System::Australian));

    dialog->close();
    QTRY_VERIFY(FrameFixture::resultForm(System::Australian));
    QVERIFY(!FrameFixture::inputForm(System::Mayan));
}

// `orvo bad.str` leaves its message up; `orvo missing.str` and `orvo oz.zod` come meanwhile:
// each is opened in its turn once the message is closed, none lost.
void TestOpenFiles::handOversBehindAMessageOpenInOrder()
{
    const QString damaged = dir->filePath(QStringLiteral("bad.str"));
    const QString oz = dir->filePath(QStringLiteral("oz.zod"));
    QVERIFY(savedReading::writeFile(damaged, {"Ann", "Male", "31", "June", "1990"}));
    QVERIFY(savedReading::writeFile(oz, {"Oz Test", "July"}));
    QPointer<QDialog> message = new QDialog(frame);   // stands for the message box of a first reading
    message->setModal(true);
    message->show();
    QTRY_COMPARE(QApplication::activeModalWidget(), message.data());

    ReadingOpener opener(frame);
    for (const QString &file : {damaged, dir->filePath(QStringLiteral("missing.str")), oz})
        opener.request(file);
    QCoreApplication::processEvents();
    QVERIFY(dialogs->messages.isEmpty());

    delete message;
    QTRY_VERIFY(FrameFixture::resultForm(System::Australian));
    QCOMPARE(dialogs->messageTexts().size(), 2);
    QCOMPARE(dialogs->messageTexts().constLast(), QStringLiteral("This file does not exist:\n\n") + dir->filePath("missing.str"));
}

// Seventy second starts while the running copy shows a message: it takes as many as may wait
// and refuses the rest, whose starts learn it; none is acknowledged and then dropped.
void TestOpenFiles::handOversPastTheWaitingOnesAreRefused()
{
    InstanceChannel channel(channelName());
    QVERIFY2(channel.listen(), qPrintable(channel.errorString()));
    ReadingOpener opener(frame);
    channel.setRoomCheck([&opener] { return opener.hasRoom(); });
    connect(&channel, &InstanceChannel::readingReceived, &opener, &ReadingOpener::request);
    QPointer<QDialog> message = new QDialog(frame);
    message->setModal(true);
    message->show();
    QTRY_COMPARE(QApplication::activeModalWidget(), message.data());

    constexpr int starts = ReadingOpener::MaxWaiting + 6;
    QStringList files;
    for (int i = 0; i < starts; ++i) {
        files << dir->filePath(QStringLiteral("oz%1.zod").arg(i));
        QVERIFY(savedReading::writeFile(files.constLast(), {QStringLiteral("Oz %1").arg(i), "July"}));
    }
    auto handedOver = std::async(std::launch::async, [this, files] {
        QList<InstanceChannel::HandOver> answers;
        for (const QString &file : files)
            answers << InstanceChannel::handOver(channelName(), file);
        return answers;
    });
    QTRY_VERIFY_WITH_TIMEOUT(handedOver.wait_for(std::chrono::seconds(0)) == std::future_status::ready, 60000);
    const QList<InstanceChannel::HandOver> answers = handedOver.get();
    QCOMPARE(answers.mid(0, ReadingOpener::MaxWaiting), QList<InstanceChannel::HandOver>(ReadingOpener::MaxWaiting, InstanceChannel::HandOver::Taken));
    QCOMPARE(answers.mid(ReadingOpener::MaxWaiting), QList<InstanceChannel::HandOver>(starts - ReadingOpener::MaxWaiting, InstanceChannel::HandOver::Refused));

    // Those taken open in turn once the message is closed.
    delete message;
    const auto nameShown = [] {
        const OrvoForm *input = FrameFixture::inputForm(System::Australian);
        return input ? FrameFixture::text(input, QStringLiteral("txtName")) : QString();
    };
    QTRY_COMPARE_WITH_TIMEOUT(nameShown(), QStringLiteral("Oz %1").arg(ReadingOpener::MaxWaiting - 1), 60000);
    QVERIFY(dialogs->messages.isEmpty());
    QVERIFY(opener.hasRoom());
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
    QCOMPARE(handedOver.get(), InstanceChannel::HandOver::Taken);
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
    QCOMPARE(handedOver.get(), InstanceChannel::HandOver::Taken);
}

void TestOpenFiles::handOverWithoutListenerFails()
{
    QCOMPARE(InstanceChannel::handOver(channelName(), QStringLiteral("/r.str"), 2000), InstanceChannel::HandOver::NotSent);
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

// What the channel answered up to closing the connection; nothing when it has not closed it
// within the time. The channel answers from this thread's event loop, which runs meanwhile, and
// closes a connection in the step that takes or refuses its message: far sooner than the
// patience it has with a silent client (5 s), which must not be what closes it here.
std::optional<QByteArray> answerOf(int socket, int timeoutMs = 1000)
{
    QByteArray answer;
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        char chunk[64];
        const ssize_t received = ::recv(socket, chunk, sizeof chunk, MSG_DONTWAIT);
        if (received > 0) {
            answer.append(chunk, received);
        } else if (received == 0 || (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)) {
            return answer;   // closed; a reset too (a refused message may be left unread)
        } else if (deadline.hasExpired()) {
            return std::nullopt;
        } else {
            QTest::qWait(5);
        }
    }
}

// The bytes sent on the socket that the other end has not read yet.
int unreadBytes(int socket)
{
    int queued = -1;
    return ::ioctl(socket, SIOCOUTQ, &queued) == 0 ? queued : -1;
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
    // Once the channel has read the first piece, it has done all it will do with it.
    QTRY_COMPARE(unreadBytes(client), 0);
    QCOMPARE(received.count(), 0);
    QVERIFY(sendAll(client, QByteArray("ding.str") + '\0'));
    QTRY_COMPARE(received.count(), 1);
    QCOMPARE(received.constFirst().constFirst().toString(), QStringLiteral("/home/ann/my reading.str"));
    const std::optional<QByteArray> answer = answerOf(client);
    QVERIFY2(answer, "the connection stayed open");
    QCOMPARE(*answer, QByteArray("ok\n"));
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
    const std::optional<QByteArray> answer = answerOf(client);
    QVERIFY2(answer, "the connection stayed open");
    QCOMPARE(*answer, QByteArray());   // closed unanswered
    QCOMPARE(received.count(), 0);
}

QTEST_MAIN(TestOpenFiles)
#include "test_open_files.moc"
