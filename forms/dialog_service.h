#pragma once

#include <QString>

#include <functional>
#include <memory>

class QPrintDialog;
class QPrinter;
class QWidget;

// Every modal dialog of the program goes through here, so that tests can answer them.
class DialogService
{
public:
    enum class Icon { None, Information, Error };

    struct FileRequest
    {
        QString title;
        QString filter;          // "Description (*.ext)"
        QString defaultSuffix;   // without the dot
        bool confirmOverwrite = false;
        bool mustExist = false;
        QString directory;       // where the dialog starts; empty: wherever the platform likes
        QString fileName;        // the name offered in the dialog (save), without a folder
    };

    virtual ~DialogService() = default;

    // A message box with one OK button, titled with the program's title.
    virtual void message(QWidget *parent, const QString &text, Icon icon) = 0;
    // The chosen file name, or an empty text when the user cancelled.
    virtual QString saveFileName(QWidget *parent, const FileRequest &request) = 0;
    virtual QString openFileName(QWidget *parent, const FileRequest &request) = 0;
    // Shows the print dialog for printer (see preparePrintDialog); false when cancelled.
    virtual bool choosePrinter(QWidget *parent, QPrinter &printer, bool offerSelection) = 0;
    // The system's default printer, or nullptr when there is none.
    virtual std::unique_ptr<QPrinter> defaultPrinter() = 0;
    // Shows the print preview, modal, titled title; paint draws the pages on the printer it is
    // given. The preview's own Print button always shows the print dialog first.
    virtual void printPreview(QWidget *parent, const QString &title, const std::function<void(QPrinter &)> &paint) = 0;

    static DialogService &current();
    // Installs another service (tests); nullptr restores the real one. Not owned.
    static void install(DialogService *service);
};

// Sets dialog up as the program shows it: printing to a PDF file offered, no page range (a report
// prints whole, or only its selection), and with offerSelection the selection offered and
// pre-selected. The page fields are switched off once the dialog is on screen, because a dialog
// for a CUPS printer turns them on again whenever it is shown.
void preparePrintDialog(QPrintDialog &dialog, bool offerSelection);

inline void showMessage(QWidget *parent, const QString &text,
                        DialogService::Icon icon = DialogService::Icon::Information)
{
    DialogService::current().message(parent, text, icon);
}
