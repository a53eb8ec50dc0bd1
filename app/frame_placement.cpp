#include "app/frame_placement.h"

#include "common/program_settings.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace framePlacement {

namespace {
const QString settingsKey = QStringLiteral("frame/geometry");
} // namespace

void show(QWidget *frame)
{
    const QByteArray saved = programSettings::open()->value(settingsKey).toByteArray();
    // restoreGeometry also brings back the maximized state, and refuses data that is not its own,
    // but takes any size: a damaged setting must not make a window larger than the screen.
    if (!saved.isEmpty() && frame->restoreGeometry(saved)) {
        if (const QScreen *screen = frame->screen(); screen && !frame->isMaximized() && !frame->isFullScreen()) {
            const QRect available = screen->availableGeometry();
            QRect placed = frame->geometry();
            placed.setSize(placed.size().boundedTo(available.size()));
            placed.moveLeft(std::clamp(placed.left(), available.left(), available.right() - placed.width() + 1));
            placed.moveTop(std::clamp(placed.top(), available.top(), available.bottom() - placed.height() + 1));
            frame->setGeometry(placed);
        }
        frame->show();
        return;
    }
    if (const QScreen *screen = frame->screen())
        frame->setGeometry(screen->availableGeometry());   // also where no window manager maximizes
    frame->showMaximized();
}

void save(const QWidget *frame)
{
    programSettings::open()->setValue(settingsKey, frame->saveGeometry());
}

} // namespace framePlacement
