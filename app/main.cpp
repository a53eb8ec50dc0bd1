#include "app/command_line.h"
#include "app/font_warm_up.h"
#include "app/frame_placement.h"
#include "app/frmMDI.h"
#include "app/instance_channel.h"
#include "app/program_icon.h"
#include "app/reading_opener.h"
#include "app/single_instance.h"
#include "common/program_texts.h"
#include "forms/dialog_service.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Options (--signs, --help, --version ...) are answered on the terminal, before any display
    // is opened or the single-instance lock taken. Plain arguments (a saved reading to open)
    // fall through to the normal start below.
    if (commandLine::claims(argc, argv))
        return commandLine::exec(argc, argv);

    FontWarmUp fonts;
    QApplication app(argc, argv);
    fonts.applicationReady();
    QApplication::setApplicationName(QStringLiteral("orvo"));
    QApplication::setDesktopFileName(QStringLiteral("orvo"));
    programIcon::installForTitleBars();

    // `orvo FILE`, as a file manager starts it: the saved reading to open.
    const QStringList arguments = QApplication::arguments();
    const QString reading = arguments.size() > 1 ? arguments.at(1) : QString();

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
    case SingleInstance::Status::HeldElsewhere:
        if (!reading.isEmpty() && InstanceChannel::handOver(instance.channelName(), reading))
            return 0;
        showMessage(nullptr, texts::alreadyRunning(), DialogService::Icon::Information);
        return 0;
    case SingleInstance::Status::Unavailable:
        // Refusing a second copy is a convenience; a lock that cannot be made must not lock the
        // user out of the program.
        showMessage(nullptr, instance.errorString(), DialogService::Icon::Error);
        break;
    }

    frmMDI frame;
    framePlacement::show(&frame);
    programIcon::completeAfterFirstPaint(&frame);

    auto *opener = new ReadingOpener(&frame);
    QObject::connect(&channel, &InstanceChannel::readingReceived, opener, &ReadingOpener::request);
    if (!reading.isEmpty())
        opener->request(reading);
    const int status = app.exec();
    framePlacement::save(&frame);
    return status;
}
