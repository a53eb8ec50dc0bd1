#include "app/program_icon.h"

#include "common/content.h"

#include <QApplication>
#include <QIcon>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <initializer_list>

namespace {

const std::initializer_list<int> titleBarSizes = {16, 32};
const std::initializer_list<int> allSizes = {16, 32, 48, 64, 128, 256};

QIcon iconOfSizes(std::initializer_list<int> sizes)
{
    QIcon icon;
    for (const int size : sizes)
        icon.addFile(content::picturePath(QStringLiteral("app/orvo-%1.png").arg(size)), QSize(size, size));
    return icon;
}

// Waits for the first expose of a window; the expose is painted and flushed while it is handled,
// so work queued from here runs after the first picture is on the screen.
class FirstExposeWatch final : public QObject
{
public:
    explicit FirstExposeWatch(QWindow *window)
        : QObject(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, qApp, [] { QApplication::setWindowIcon(iconOfSizes(allSizes)); });
            deleteLater();
        }
        return false;
    }
};

} // namespace

namespace programIcon {

void installForTitleBars()
{
    QApplication::setWindowIcon(iconOfSizes(titleBarSizes));
}

void completeAfterFirstPaint(QWidget *frame)
{
    QWindow *window = frame->windowHandle();
    if (!window || window->isExposed())
        QApplication::setWindowIcon(iconOfSizes(allSizes));
    else
        new FirstExposeWatch(window);
}

} // namespace programIcon
