#pragma once

#include <QString>

#include <memory>

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
    };

    virtual ~DialogService() = default;

    // A message box with one OK button, titled with the program's title.
    virtual void message(QWidget *parent, const QString &text, Icon icon) = 0;
    // The chosen file name, or an empty text when the user cancelled.
    virtual QString saveFileName(QWidget *parent, const FileRequest &request) = 0;
    virtual QString openFileName(QWidget *parent, const FileRequest &request) = 0;
    // Shows the print dialog for printer; false when cancelled. offerSelection adds and
    // pre-selects "selection" as the print range.
    virtual bool choosePrinter(QWidget *parent, QPrinter &printer, bool offerSelection) = 0;
    // The system's default printer, or nullptr when there is none.
    virtual std::unique_ptr<QPrinter> defaultPrinter() = 0;

    static DialogService &current();
    // Installs another service (tests); nullptr restores the real one. Not owned.
    static void install(DialogService *service);
};

inline void showMessage(QWidget *parent, const QString &text,
                        DialogService::Icon icon = DialogService::Icon::Information)
{
    DialogService::current().message(parent, text, icon);
}
