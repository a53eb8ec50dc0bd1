#include "app/dialog_service.h"

#include "app/program_texts.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

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
        QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintToFile
                                                           | QAbstractPrintDialog::PrintShowPageSize;
        if (offerSelection)
            options |= QAbstractPrintDialog::PrintSelection;
        dialog.setOptions(options);
        if (offerSelection)
            dialog.setPrintRange(QAbstractPrintDialog::Selection);
        return dialog.exec() == QDialog::Accepted;
    }

    std::unique_ptr<QPrinter> defaultPrinter() override
    {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            return nullptr;
        return std::make_unique<QPrinter>(info);
    }

private:
    static QString runFileDialog(QWidget *parent, const FileRequest &request, QFileDialog::AcceptMode mode)
    {
        QFileDialog dialog(parent, request.title);
        dialog.setAcceptMode(mode);
        dialog.setNameFilter(request.filter);
        dialog.setDefaultSuffix(request.defaultSuffix);
        dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }
};

DialogService *installed = nullptr;

} // namespace

DialogService &DialogService::current()
{
    static SystemDialogs system;
    return installed ? *installed : static_cast<DialogService &>(system);
}

void DialogService::install(DialogService *service)
{
    installed = service;
}
