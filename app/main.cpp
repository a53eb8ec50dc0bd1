#include "app/command_line.h"
#include "app/content.h"
#include "app/dialog_service.h"
#include "app/frmMDI.h"
#include "app/program_texts.h"
#include "app/single_instance.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QScreen>

int main(int argc, char *argv[])
{
    // Options (--signs, --help, --version ...) are answered on the terminal, before any display
    // is opened or the single-instance lock taken. Plain arguments (a saved reading to open)
    // fall through to the normal start below.
    if (commandLine::claims(argc, argv))
        return commandLine::exec(argc, argv);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvo"));
    QApplication::setDesktopFileName(QStringLiteral("orvo"));
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(content::picturePath(QStringLiteral("app/orvo-%1.png").arg(size)), QSize(size, size));
    QApplication::setWindowIcon(icon);
    QFont::insertSubstitutions(QStringLiteral("Verdana"), {QStringLiteral("DejaVu Sans"), QStringLiteral("Bitstream Vera Sans")});

    SingleInstance instance;
    if (!instance.acquire()) {
        showMessage(nullptr, texts::alreadyRunning(), DialogService::Icon::Information);
        return 0;
    }

    frmMDI frame;
    if (const QScreen *screen = frame.screen())
        frame.setGeometry(screen->availableGeometry());   // also where no window manager maximizes
    frame.showMaximized();
    return app.exec();
}
