#include "forms/dialog_service.h"

#include "common/file_saving.h"
#include "common/program_texts.h"

#include <QAction>
#include <QApplication>
#include <QChildEvent>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QFileDialog>
#include <QGuiApplication>
#include <QGridLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>

#include <algorithm>

#include <utility>

namespace {

// Checks the output file of every print dialog a print preview opens for its own Print button.
class PreviewPrintDialogs final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

class SystemDialogs final : public DialogService
{
public:
    void message(QWidget *parent, const QString &text, Icon icon) override
    {
        // Not exec(): its event loop would run inside the caller, whose window may close meanwhile.
        auto *box = new QMessageBox(parent);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowModality(Qt::ApplicationModal);
        box->setWindowTitle(texts::programTitle());
        box->setText(text);
        box->setIcon(icon == Icon::Error         ? QMessageBox::Critical
                     : icon == Icon::Information ? QMessageBox::Information
                                                 : QMessageBox::NoIcon);
        box->setStandardButtons(QMessageBox::Ok);
        keepTitleWhole(*box);
        box->show();
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
        auto *dialog = new QPrintDialog(&printer, parent);
        preparePrintDialog(*dialog, offerSelection);
        return runModal(dialog) == QDialog::Accepted;
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
        auto *dialog = new QPrintPreviewDialog(&printer, parent);
        dialog->setWindowTitle(title);
        QObject::connect(dialog, &QPrintPreviewDialog::paintRequested, dialog,
                         [&paint](QPrinter *pages) { paint(*pages); });
        dialog->installEventFilter(new PreviewPrintDialogs(dialog));
        showPageReadably(*dialog, parent);
        runModal(dialog);
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
        auto *dialog = new QFileDialog(parent, request.title);
        dialog->setAcceptMode(mode);
        dialog->setNameFilter(request.filter);
        dialog->setDefaultSuffix(request.defaultSuffix);
        dialog->setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        dialog->setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
        if (!request.directory.isEmpty())
            dialog->setDirectory(request.directory);
        if (!request.fileName.isEmpty())
            dialog->selectFile(request.fileName);
        QString chosen;
        // Read before runModal() destroys the dialog.
        QObject::connect(dialog, &QFileDialog::accepted, dialog, [dialog, &chosen] {
            chosen = dialog->selectedFiles().value(0);
        });
        return runModal(dialog) == QDialog::Accepted ? chosen : QString();
    }
};

DialogService *installed = nullptr;

// How many dialogs wait for an answer in runModal(), and the windows closed meanwhile.
int waitingDialogs = 0;
QList<QPointer<QWidget>> &windowsToDestroy()
{
    static QList<QPointer<QWidget>> windows;
    return windows;
}

// Marks a dialog that closed because the window it was open on closed: its answer is a cancel,
// whatever it was about to say (a question box inside it answered on its own).
const char *const closedWithWindow = "orvoClosedWithWindow";

// Print to File is refused for anything but a regular file or a new name before the dialog tests
// the file by opening it: opening a FIFO waits for a reader, and the whole program with it.
void checkOutputFileFirst(QPrintDialog &dialog)
{
    auto *buttons = dialog.findChild<QDialogButtonBox *>(QString(), Qt::FindDirectChildrenOnly);
    auto *fileName = dialog.findChild<QLineEdit *>(QStringLiteral("filename"));   // the dialog's own name
    if (!buttons || !fileName)
        return;
    // The dialog's OK runs its own checks (a folder, a file not writable, overwrite?) and then
    // accepts; ours go first. Taking the dialog's connection off and ours on leaves exactly ours,
    // however often this runs.
    QObject::disconnect(buttons, &QDialogButtonBox::accepted, &dialog, nullptr);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&dialog, fileName] {
        // The field is enabled exactly while "Print to File" is the printer.
        const QString name = fileName->text();
        if (fileName->isEnabled() && !name.isEmpty() && !fileSaving::isSaveTarget(name)) {
            showMessage(&dialog, QStringLiteral("%1 is not a regular file.\nPlease choose a different file name.").arg(name),
                        DialogService::Icon::Error);
            fileName->setFocus(Qt::OtherFocusReason);
            return;
        }
        // The dialog's own checks, which its OK button ran; a dialog without them just accepts.
        if (!QMetaObject::invokeMethod(&dialog, "_q_checkFields"))
            dialog.accept();
    });
}

bool PreviewPrintDialogs::eventFilter(QObject *watched, QEvent *event)
{
    // The preview makes its print dialog when its Print button is pressed; polished, the dialog
    // is whole and about to show.
    if (event->type() == QEvent::ChildPolished) {
        if (auto *dialog = qobject_cast<QPrintDialog *>(static_cast<QChildEvent *>(event)->child()))
            checkOutputFileFirst(*dialog);
    }
    return QObject::eventFilter(watched, event);
}

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
    checkOutputFileFirst(dialog);
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

int runModal(QDialog *dialog)
{
    const QPointer<QDialog> guard(dialog);
    ++waitingDialogs;
    int result = dialog->exec();   // QDialog::Rejected where the dialog went meanwhile
    if (guard && guard->property(closedWithWindow).toBool())
        result = QDialog::Rejected;
    delete guard.data();
    if (--waitingDialogs == 0) {
        // Back in the handler that opened the outermost dialog: the windows go once it returns.
        for (const QPointer<QWidget> &window : std::exchange(windowsToDestroy(), {})) {
            if (window)
                window->deleteLater();
        }
    }
    return result;
}

void destroyWindowSafely(QWidget *window)
{
    if (!window)
        return;
    // Innermost first: a question a dialog asks closes before the dialog.
    const QList<QDialog *> dialogs = window->findChildren<QDialog *>();
    for (auto it = dialogs.crbegin(); it != dialogs.crend(); ++it) {
        QDialog *dialog = *it;
        if (dialog->isVisible()) {
            dialog->setProperty(closedWithWindow, true);
            dialog->reject();
        }
    }
    // deleteLater() inside a dialog's event loop would destroy the window in that loop, under
    // the handler that waits for the dialog.
    if (waitingDialogs > 0)
        windowsToDestroy().append(window);
    else
        window->deleteLater();
}

void waitForMessages()
{
    QEventLoop loop;
    int open = 0;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMessageBox *>(window) && window->isVisible()) {
            ++open;
            QObject::connect(window, &QObject::destroyed, &loop, [&open, &loop] {
                if (--open == 0)
                    loop.quit();
            });
        }
    }
    if (open > 0)
        loop.exec();
}
