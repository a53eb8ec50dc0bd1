#include "app/command_line.h"
#include "app/font_warm_up.h"
#include "app/frame_placement.h"
#include "app/frmMDI.h"
#include "app/instance_channel.h"
#include "app/program_icon.h"
#include "app/reading_opener.h"
#include "app/single_instance.h"
#include "common/file_saving.h"
#include "common/native_file_name.h"
#include "common/program_texts.h"
#include "forms/dialog_service.h"

#include <QApplication>
#include <QDir>
#include <QPointer>

#include <cstdio>
#include <cstring>

namespace {

constexpr int handOverPatienceMs = 10000;

// The running copy took the reading's name but has not said so in time: it is stopped or busy,
// and opens the reading once it runs again. The name goes after the first line break, which
// keeps the message plain text.
QString handedOverUnanswered(const QString &reading)
{
    return QStringLiteral("Application is already running, but it has not answered for %1 seconds (it may be "
                          "stopped or busy). It will open this reading when it runs again:\n\n%2")
        .arg(handOverPatienceMs / 1000)
        .arg(QDir::toNativeSeparators(reading));
}

// The running copy has too many readings waiting to be opened and has not taken this one.
QString handOverRefused(const QString &reading)
{
    return QStringLiteral("Application is already running, but it has too many readings waiting to be opened "
                          "(%1). This reading was not opened:\n\n%2")
        .arg(ReadingOpener::MaxWaiting)
        .arg(QDir::toNativeSeparators(reading));
}

// True when a window can be tried: a display is named, or a platform is chosen (QT_QPA_PLATFORM,
// -platform), which then reports its own trouble. Without either, QApplication would end the
// program with an abort and a page about plugins.
bool displayNamed(int argc, char *argv[])
{
    for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (!qEnvironmentVariableIsEmpty(variable))
            return true;
    }
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0
            || std::strncmp(argv[i], "-platform=", 10) == 0 || std::strncmp(argv[i], "--platform=", 11) == 0)
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    // A size limit or a closed pipe must make a write fail, which every write checks, rather
    // than end the program with its windows.
    fileSaving::reportWriteFailuresAsErrors();
    // Options (--signs, --help, --version ...) are answered on the terminal, before any display
    // is opened or the single-instance lock taken. Plain arguments (a saved reading to open)
    // fall through to the normal start below.
    if (commandLine::claims(argc, argv))
        return commandLine::exec(argc, argv);
    if (const QByteArray mistake = commandLine::forgottenSigns(argc, argv); !mistake.isEmpty()) {
        std::fputs(mistake.constData(), stderr);
        return commandLine::UsageError;
    }
    if (!displayNamed(argc, argv)) {
        std::fprintf(stderr, "orvo: no display to show the window on (DISPLAY and WAYLAND_DISPLAY are not set)\n");
        return 1;
    }

    FontWarmUp fonts;
    QApplication app(argc, argv);
    fonts.applicationReady();
    QApplication::setApplicationName(QStringLiteral("orvo"));
    QApplication::setDesktopFileName(QStringLiteral("orvo"));
    programIcon::installForTitleBars();

    // `orvo FILE`, as a file manager starts it: the saved reading to open. QApplication has taken
    // its own options out of argv; the name's bytes are kept even where they are not UTF-8.
    const QString reading = argc > 1 ? nativeFileName::decode(argv[1]) : QString();

    SingleInstance instance;
    InstanceChannel channel(instance.channelName());
    const SingleInstance::Status lock = instance.acquire();
    fonts.wait();   // everything from here on may show text
    switch (lock) {
    case SingleInstance::Status::Acquired:
        // Listening before the frame is built keeps short the time in which a second start
        // finds the lock taken but nobody to hand its reading to.
        if (!channel.listen())
            qWarning("orvo: readings from a second start cannot be taken: %s", qPrintable(channel.errorString()));
        break;
    case SingleInstance::Status::HeldElsewhere: {
        using HandOver = InstanceChannel::HandOver;
        const HandOver handedOver = reading.isEmpty() ? HandOver::NotSent
                                                      : InstanceChannel::handOver(instance.channelName(), reading, handOverPatienceMs);
        switch (handedOver) {
        case HandOver::Taken:
            return 0;
        case HandOver::Refused:
            showMessage(nullptr, handOverRefused(reading), DialogService::Icon::Error);
            waitForMessages();
            return 1;
        case HandOver::Unanswered:
            showMessage(nullptr, handedOverUnanswered(reading), DialogService::Icon::Information);
            waitForMessages();
            return 0;
        case HandOver::NotSent:
            break;
        }
        showMessage(nullptr, texts::alreadyRunning(), DialogService::Icon::Information);
        waitForMessages();
        return 0;
    }
    case SingleInstance::Status::Unavailable:
        // Refusing a second copy is a convenience; a lock that cannot be made must not lock the
        // user out of the program.
        showMessage(nullptr, instance.errorString(), DialogService::Icon::Error);
        waitForMessages();
        break;
    case SingleInstance::Status::NoSafeFolder:
        // Another user could listen there for the readings this user opens: this copy runs on
        // its own, and a second start will too.
        std::fprintf(stderr, "orvo: runs without taking readings from a second start: %s\n",
                     qPrintable(instance.errorString()));
        break;
    }

    frmMDI frame;
    framePlacement::show(&frame);
    programIcon::completeAfterFirstPaint(&frame);

    auto *opener = new ReadingOpener(&frame);
    channel.setRoomCheck([opener = QPointer<ReadingOpener>(opener)] { return opener && opener->hasRoom(); });
    QObject::connect(&channel, &InstanceChannel::readingReceived, opener, &ReadingOpener::request);
    if (!reading.isEmpty())
        opener->request(reading);
    const int status = app.exec();
    framePlacement::save(&frame);
    return status;
}
