#include "forms/save_notice.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QUrl>

namespace saveNotice {

void show(QWidget *from, const QString &fileName, const QString &openCaption)
{
    QMainWindow *frame = nullptr;
    for (QWidget *widget = from; widget && !frame; widget = widget->parentWidget())
        frame = qobject_cast<QMainWindow *>(widget);
    if (!frame)
        return;
    QStatusBar *bar = frame->statusBar();
    delete bar->findChild<QPushButton *>(QStringLiteral("cmdOpenSaved"), Qt::FindDirectChildrenOnly);
    const QString path = QFileInfo(fileName).absoluteFilePath();
    bar->showMessage(QStringLiteral("Saved to %1").arg(QDir::toNativeSeparators(path)));
    if (openCaption.isEmpty())
        return;
    auto *open = new QPushButton(openCaption, bar);
    open->setObjectName(QStringLiteral("cmdOpenSaved"));
    bar->addPermanentWidget(open);
    QObject::connect(open, &QPushButton::clicked, open, [path] { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); });
    QObject::connect(bar, &QStatusBar::messageChanged, open, [open](const QString &message) {
        if (message.isEmpty())
            open->deleteLater();
    });
}

} // namespace saveNotice
