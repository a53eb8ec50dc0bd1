#include "app/frame_placement.h"

#include "common/program_settings.h"

#include <QScreen>
#include <QWidget>

namespace framePlacement {

namespace {
const QString settingsKey = QStringLiteral("frame/geometry");
} // namespace

void show(QWidget *frame)
{
    const QByteArray saved = programSettings::open()->value(settingsKey).toByteArray();
    // restoreGeometry also brings back the maximized state, and refuses data that is not its own.
    if (!saved.isEmpty() && frame->restoreGeometry(saved)) {
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
