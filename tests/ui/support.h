#pragma once

#include "forms/dialog_service.h"

#include <QList>
#include <QRectF>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <memory>

class QPrinter;

// Answers every dialog of the program without showing one, and records what was asked.
class ScriptedDialogs : public DialogService
{
public:
    struct Message
    {
        QString text;
        Icon icon;
        QString title;
    };

    ScriptedDialogs();
    ~ScriptedDialogs() override;

    void message(QWidget *parent, const QString &text, Icon icon) override;
    QString saveFileName(QWidget *parent, const FileRequest &request) override;
    QString openFileName(QWidget *parent, const FileRequest &request) override;
    bool choosePrinter(QWidget *parent, QPrinter &printer, bool offerSelection) override;
    std::unique_ptr<QPrinter> defaultPrinter() override;
    void printPreview(QWidget *parent, const QString &title, const std::function<void(QPrinter &)> &paint) override;

    QList<Message> messages;
    QStringList messageTexts() const;

    // Answers of the next file dialogs, first in first out; an empty text is a cancel.
    QStringList fileAnswers;
    QList<FileRequest> fileRequests;

    // Printing goes to this PDF file; an empty name stands for "no printer" / a cancelled dialog.
    QString pdfOutput;
    bool hasDefaultPrinter = true;   // false: the default printer is missing, the dialog still prints
    QList<bool> printDialogOffers;   // offerSelection of each print dialog shown

    int previewsShown = 0;
    QStringList previewTitles;
    // The preview's pages are painted into this PDF file; empty: the preview paints nothing.
    QString previewPdfOutput;
};

// Catches the web pages the program opens instead of starting a browser.
class OpenedPages : public QObject
{
    Q_OBJECT
public:
    OpenedPages();
    ~OpenedPages() override;
    QList<QUrl> urls;

public Q_SLOTS:
    void open(const QUrl &url);
};

// The text of a PDF file as poppler's pdftotext reads it (empty when it cannot).
QString pdfText(const QString &pdfFile);
// The lines of each page of a PDF file, top to bottom, boxes in points from the top left corner
// (none when pdftotext cannot read it).
struct PdfLine { QString text; QRectF box; };
struct PdfPage { QSizeF size; QList<PdfLine> lines; };
// The page lines without each page's first (running head) and last (page number), joined.
QString pdfBodyText(const QString &pdfFile);
QList<PdfPage> pdfPages(const QString &pdfFile);
// Text as printed text and the report's are compared: blanks and line breaks (which fall elsewhere
// on paper, also after a hyphen) left out, ligatures (as pdftotext writes them) as their letters.
QString withoutBlanks(const QString &text);

// Fonts as the program sets them up.
void installTestFonts();

// Keeps the program's settings in this test program's own folder: the one ctest gives each test
// (XDG_CONFIG_HOME), else a temporary one set here. Test programs running side by side never share
// a settings file, and none touches the user's. Call it before anything reads settings; true when
// the settings file lies in that folder.
bool useOwnSettings();
