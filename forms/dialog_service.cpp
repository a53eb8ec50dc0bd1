#include "forms/dialog_service.h"

#include "common/program_texts.h"

#include <QAction>
#include <QFileDialog>
#include <QGuiApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>

#include <algorithm>

namespace {

class SystemDialogs final : public DialogService
{
public:
    void message(QWidget *parent, const QString &text, Icon icon) override
    {
        QMessageBox box(parent);
        box.setWindowTitle(texts::programTitle());
        box.setText(text);
        box.setIcon(icon == Icon::Error         ? QMessageBox::Critical
                    : icon == Icon::Information ? QMessageBox::Information
                                                : QMessageBox::NoIcon);
        box.setStandardButtons(QMessageBox::Ok);
        keepTitleWhole(box);
        box.exec();
    }

    QString saveFileName(QWidget *parent, const FileRequest &request) override
    {
        return runFileDialog(parent, request, QFileDialog::AcceptSave);
    }

    QString openFileName(QWidget *parent, const FileRequest &request) override
    {
        return runFileDialog(parent, request, QFileDialog::AcceptOpen);
    }

    bool choosePrinter(QWidget *parent, QPrinter &printer, bool offerSelection) override
    {
        QPrintDialog dialog(&printer, parent);
        preparePrintDialog(dialog, offerSelection);
        return dialog.exec() == QDialog::Accepted;
    }

    std::unique_ptr<QPrinter> defaultPrinter() override
    {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            return nullptr;
        return std::make_unique<QPrinter>(info);
    }

    void printPreview(QWidget *parent, const QString &title, const std::function<void(QPrinter &)> &paint) override
    {
        QPrinter printer(QPrinter::HighResolution);
        QPrintPreviewDialog dialog(&printer, parent);
        dialog.setWindowTitle(title);
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                         [&paint](QPrinter *pages) { paint(*pages); });
        showPageReadably(dialog, parent);
        dialog.exec();
    }

private:
    // Qt opens the preview small, with the whole page shrunk into it. It opens instead nearly as
    // high as the screen, wide enough for a page at a size that can be read, showing the page's
    // whole width.
    static void showPageReadably(QPrintPreviewDialog &dialog, QWidget *parent)
    {
        const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
        if (screen) {
            const QRect room = screen->availableGeometry();
            const int height = room.height() * 9 / 10;
            const int width = std::min(room.width() * 9 / 10, std::max(height, 900));
            dialog.resize(width, height);
        }
        if (auto *fitWidth = dialog.findChild<QAction *>(QStringLiteral("fitWidthAction")))
            fitWidth->trigger();
        else if (auto *pages = dialog.findChild<QPrintPreviewWidget *>())
            pages->fitToWidth();
    }

    // A box sized to a short text alone is narrower than its title, which the window manager
    // then cuts ("Orvo An...strology"). Title bars commonly use a bold face of about the
    // application's font; beside the title they hold an icon and up to three buttons.
    static void keepTitleWhole(QMessageBox &box)
    {
        QFont titleFont = box.font();
        titleFont.setBold(true);
        const int decorations = 6 * QFontMetrics(titleFont).height();
        const int width = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + decorations;
        // QMessageBox sets its own size from its text; only what its layout holds widens it.
        if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
            grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0,
                          1, grid->columnCount());
    }

    static QString runFileDialog(QWidget *parent, const FileRequest &request, QFileDialog::AcceptMode mode)
    {
        QFileDialog dialog(parent, request.title);
        dialog.setAcceptMode(mode);
        dialog.setNameFilter(request.filter);
        dialog.setDefaultSuffix(request.defaultSuffix);
        dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
        if (!request.directory.isEmpty())
            dialog.setDirectory(request.directory);
        if (!request.fileName.isEmpty())
            dialog.selectFile(request.fileName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }
};

DialogService *installed = nullptr;

void switchOffPageRange(QPrintDialog &dialog)
{
    // The dialog's own names for its "Pages from ... to" and "Pages" choices and fields.
    for (const char *name : {"printRange", "from", "to", "pagesRadioButton", "pagesLineEdit"}) {
        if (auto *field = dialog.findChild<QWidget *>(QLatin1String(name)))
            field->setEnabled(false);
    }
}

} // namespace

void preparePrintDialog(QPrintDialog &dialog, bool offerSelection)
{
    QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintToFile
                                                       | QAbstractPrintDialog::PrintShowPageSize;
    if (offerSelection)
        options |= QAbstractPrintDialog::PrintSelection;
    dialog.setOptions(options);
    dialog.setPrintRange(offerSelection ? QAbstractPrintDialog::Selection : QAbstractPrintDialog::AllPages);
    // Showing the dialog sets its widgets up afresh; this runs once it is on screen.
    QMetaObject::invokeMethod(&dialog, [&dialog] { switchOffPageRange(dialog); }, Qt::QueuedConnection);
}

DialogService &DialogService::current()
{
    static SystemDialogs system;
    return installed ? *installed : static_cast<DialogService &>(system);
}

void DialogService::install(DialogService *service)
{
    installed = service;
}
