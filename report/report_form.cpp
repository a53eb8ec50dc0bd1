#include "report/report_form.h"

#include "common/program_texts.h"
#include "forms/dialog_service.h"
#include "forms/save_dialog.h"
#include "report/modRTB.h"
#include "report/report_printing.h"
#include "widgets/look.h"
#include "widgets/modHelp.h"
#include "widgets/protected_text_edit.h"

#include <QBoxLayout>
#include <QDesktopServices>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTextCursor>
#include <QUrl>

namespace {

// Design sizes in twips: the report box and the buttons under it.
constexpr int reportWidth = 7665;
constexpr int reportHeight = 6135;
constexpr int buttonWidth = 1125;
constexpr int buttonHeight = 345;
// Pixels: the report box stands this far from the window's sides, the buttons from its right
// edge and from the report box; the links this far from the window's left edge.
constexpr int boxMargin = 2;
constexpr int buttonsRight = 3;
constexpr int buttonsTop = 3;
const int linksLeft = 8;   // pixels
constexpr int gap = 6;

// Printing to a file that could not be saved, or a printer in trouble, is said.
void printOrSay(QWidget *form, const QTextEdit &reportBox, QPrinter &printer, bool selectionOnly,
                const reportPrinting::RunningHead &head)
{
    if (!reportPrinting::print(reportBox, printer, selectionOnly, head))
        showMessage(form, reportPrinting::printsToFile(printer) ? texts::couldNotSave() : QStringLiteral("The report could not be printed."),
                    DialogService::Icon::Error);
}

// A link followed from the keyboard opens as a click on it does: web addresses only.
void openWebAddress(const QString &href)
{
    const QUrl url(href);
    if (url.isValid() && (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"))
        && !url.host().isEmpty())
        QDesktopServices::openUrl(url);
}

} // namespace

ReportForm::ReportForm(const QString &objectName, const QString &caption, int widthTwips, int heightTwips)
    : OrvoForm(objectName, windowTitleFor(caption, WindowKind::Report), widthTwips, heightTwips)
{
    createControls();
    arrangeControls();
    connectSignals();
}

void ReportForm::createControls()
{
    RTB = new ProtectedTextEdit(this);
    RTB->setObjectName(QStringLiteral("RTB"));
    RTB->setAccessibleName(QStringLiteral("Report"));
    ProtectedTextEdit::makeReadOnly(RTB);
    RTB->document()->setDefaultFont(look::verdana(9.75));
    RTB->setFont(look::verdana(9.75));
    RTB->setPreferredSize(QSize(twips::toPixels(reportWidth), twips::toPixels(reportHeight)));
    RTB->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setOpeningFocus(RTB);

    auto button = [this](const char *name, const char *text) {
        auto *push = new QPushButton(QLatin1String(text), this);
        push->setObjectName(QLatin1String(name));
        push->setFont(look::verdana(8.25, true));
        look::setColours(push, Qt::black, QColor(192, 192, 255));
        twips::setLeastSize(push, buttonWidth, buttonHeight);
        return push;
    };
    // "Save" and "Print" keep their letters; the two others take free ones.
    cmdPreview = button("cmdPreview", "Print Pre&view...");
    cmdSavePdf = button("cmdSavePdf", "Save as P&DF...");
    cmdSave = button("cmdSave", "&Save");
    cmdPrint = button("cmdPrint", "&Print");
    // Closing by a button too, not only by the close box or Ctrl+W / Ctrl+F4.
    cmdClose = button("cmdClose", "&Close");
}

void ReportForm::arrangeControls()
{
    // The report box scrolls of itself: where the window is lower than designed, it gives up
    // the height, and the buttons below it stay in sight.
    m_window = new QVBoxLayout(this);
    QBoxLayout *window = m_window;
    window->setContentsMargins(0, 0, 0, 0);
    window->setSpacing(0);

    m_links = new QVBoxLayout;
    m_links->setContentsMargins(linksLeft, twips::windowMargin, twips::windowMargin, twips::windowMargin);
    m_links->setSpacing(0);
    window->addLayout(m_links);

    auto *box = new QHBoxLayout;
    box->setContentsMargins(boxMargin, 0, boxMargin, 0);
    box->addWidget(RTB);
    window->addLayout(box, 1);

    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, buttonsTop, buttonsRight, 0);
    buttons->setSpacing(gap);
    buttons->addStretch();
    for (QPushButton *push : {cmdPreview, cmdSavePdf, cmdSave, cmdPrint, cmdClose})
        buttons->addWidget(push);
    window->addLayout(buttons);

    m_below = new QVBoxLayout;
    m_below->setContentsMargins(0, gap, 0, 0);
    m_below->setSpacing(gap);
    window->addLayout(m_below);
}

void ReportForm::connectSignals()
{
    connect(cmdPreview, &QPushButton::clicked, this, &ReportForm::cmdPreview_Click);
    connect(cmdSavePdf, &QPushButton::clicked, this, &ReportForm::cmdSavePdf_Click);
    connect(cmdSave, &QPushButton::clicked, this, &ReportForm::cmdSave_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &ReportForm::cmdPrint_Click);
    connect(cmdClose, &QPushButton::clicked, this, &OrvoForm::closeRequested);
    connect(RTB, &ProtectedTextEdit::linkActivated, this, &openWebAddress);
}

void ReportForm::addTopStrip(QWidget *strip)
{
    m_window->insertWidget(0, strip);
    m_window->insertSpacing(1, twips::windowMargin);
}

void ReportForm::stackTopLinks(const QList<QLabel *> &links)
{
    for (QLabel *link : links)
        m_links->addWidget(link, 0, Qt::AlignLeft);
}

void ReportForm::addBelowButtons(QWidget *widget)
{
    m_below->addWidget(widget);
}

void ReportForm::setPromotionShown(bool shown)
{
    OrvoForm::setPromotionShown(shown);
    for (int index = 0; index < m_below->count(); ++index) {
        if (QWidget *widget = m_below->itemAt(index)->widget())
            widget->setVisible(shown);
    }
}

void ReportForm::Form_Load()
{
    modRTB::HookReportLinks(RTB, this);
}

void ReportForm::Form_Unload()
{
    modRTB::UnhookReportLinks();
}

void ReportForm::compose()
{
    RTB->clear();
    composeReport();
    RTB->moveCursor(QTextCursor::Start);
}

void ReportForm::insertText(const QString &text, bool bold, const QColor &colour)
{
    QTextCharFormat format;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    format.setForeground(colour);
    QTextCursor cursor(RTB->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text, format);
}

void ReportForm::insertEntry(const QString &heading, const QString &value, const QColor &headingColour, int breaks)
{
    insertText(heading, true, headingColour);
    insertText(value + lineBreaks(breaks));
}

void ReportForm::insertCreditLine()
{
    insertText(QStringLiteral("Report Generated By ") + modHelp::makerWebAddress() + lineBreaks(2));
}

QString ReportForm::lineBreaks(int count)
{
    return QStringLiteral("\r\n").repeated(count);
}

void ReportForm::cmdPrint_Click()
{
    if (printsWithDialog()) {
        QPrinter printer(QPrinter::HighResolution);
        const bool selection = RTB->textCursor().hasSelection();
        if (!DialogService::current().choosePrinter(this, printer, selection))
            return;
        printOrSay(this, *RTB, printer, selection && printer.printRange() == QPrinter::Selection, runningHead());
        return;
    }
    QTextCursor cursor = RTB->textCursor();
    cursor.clearSelection();
    RTB->setTextCursor(cursor);
    if (const auto printer = DialogService::current().defaultPrinter()) {
        printOrSay(this, *RTB, *printer, false, runningHead());
        return;
    }
    // Without a default printer the user picks one (or a PDF file) rather than nothing happening.
    QPrinter printer(QPrinter::HighResolution);
    if (DialogService::current().choosePrinter(this, printer, false))
        printOrSay(this, *RTB, printer, false, runningHead());
}

void ReportForm::cmdPreview_Click()
{
    // The preview's Print button shows the print dialog, so this way never prints silently either.
    DialogService::current().printPreview(this, reportPrinting::previewTitle(runningHead()),
                                          [this](QPrinter &printer) { printOrSay(this, *RTB, printer, false, runningHead()); });
}

void ReportForm::cmdSavePdf_Click()
{
    DialogService::FileRequest request;
    request.title = QStringLiteral("Save as PDF");
    request.filter = QStringLiteral("PDF Document (*.pdf)");
    request.defaultSuffix = QStringLiteral("pdf");
    request.fileName = suggestedFileName(request.defaultSuffix);
    saveDialog::save(this, request,
                     [this](const QString &fileName) { return reportPrinting::savePdf(*RTB, runningHead(), fileName); });
}

QString ReportForm::suggestedFileName(const QString &extension) const
{
    return saveDialog::suggestedName(personName(), systemName(), extension);
}

reportPrinting::RunningHead ReportForm::runningHead() const
{
    return {systemName(), personName()};
}
