#pragma once

#include <QString>

#include <functional>
#include <memory>

class QDialog;
class QPrintDialog;
class QPrinter;
class QWidget;

// Every modal dialog of the program goes through here, so that tests can answer them.
//
// A window may be closed while a handler of it still runs: a screen reader or an automation tool
// presses a window's Exit through the accessibility bus even while a modal dialog is open. So no
// window is destroyed under a handler: a message box does not wait for its answer, a dialog that
// must (a file or print dialog) runs through runModal(), and windows go through
// destroyWindowSafely().
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

    // A message box with one OK button, titled with the program's title. It shows (application
    // modal) and returns at once: the box goes when it is answered or its parent goes.
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

// Shows dialog, made with new, modal and waits for its answer, as QDialog::exec() does; the
// dialog is destroyed before it returns. A window closed meanwhile (destroyWindowSafely) rejects
// the dialog when it is open on that window, and is itself destroyed only once no dialog waits.
int runModal(QDialog *dialog);

// Destroys window, hidden or out of the way already, once the event loop runs and no dialog
// waits for an answer (runModal), so never under a handler that still runs; the dialogs and
// message boxes open on it close now, rejected.
void destroyWindowSafely(QWidget *window);

// Waits until every message box shown so far is answered; for a program about to end (or not yet
// showing a window) that has something to say first.
void waitForMessages();

inline void showMessage(QWidget *parent, const QString &text,
                        DialogService::Icon icon = DialogService::Icon::Information)
{
    DialogService::current().message(parent, text, icon);
}
