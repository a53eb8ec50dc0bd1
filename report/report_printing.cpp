#include "report/report_printing.h"

#include "common/file_saving.h"
#include "common/program_texts.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPaintEngine>
#include <QPdfWriter>
#include <QPrinter>
#include <QScreen>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>

#include <memory>

namespace reportPrinting {
namespace {

// The report (or its selection) laid out on the pages of device. A document with a page size
// of its own is printed as it is laid out; without one the text document would add page
// numbers. One page is the device's page in screen pixels, so the text wraps as on screen.
std::unique_ptr<QTextDocument> paginate(const QTextEdit &reportBox, const QPaintDevice &device, bool selectionOnly)
{
    std::unique_ptr<QTextDocument> pages;
    const QTextCursor cursor = reportBox.textCursor();
    if (selectionOnly && cursor.hasSelection()) {
        pages = std::make_unique<QTextDocument>();
        pages->setDefaultFont(reportBox.document()->defaultFont());
        QTextCursor(pages.get()).insertFragment(cursor.selection());
    } else {
        pages.reset(reportBox.document()->clone());
    }
    const QScreen *screen = QGuiApplication::primaryScreen();
    const qreal dpiX = screen ? screen->logicalDotsPerInchX() : 96.0;
    const qreal dpiY = screen ? screen->logicalDotsPerInchY() : 96.0;
    pages->setPageSize(QSizeF(device.width() * dpiX / device.logicalDpiX(), device.height() * dpiY / device.logicalDpiY()));
    return pages;
}

} // namespace

bool print(const QTextEdit &reportBox, QPrinter &printer, bool selectionOnly)
{
    const std::unique_ptr<QTextDocument> pages = paginate(reportBox, printer, selectionOnly);
    printer.setPrintRange(QPrinter::AllPages);
    return printPages(*pages, printer);
}

bool printsToFile(QPrinter &printer)
{
    // A print preview paints through the same printer, output file name and all, but into
    // pictures of its own (its paint engine), and writes nothing.
    const QPaintEngine *engine = printer.paintEngine();
    return !printer.outputFileName().isEmpty() && engine && engine->type() != QPaintEngine::Picture;
}

bool printPages(QTextDocument &pages, QPrinter &printer)
{
    if (!printsToFile(printer)) {
        pages.print(&printer);
        return printer.printerState() != QPrinter::Error;
    }
    // The printer would write straight into the file, leaving a broken one behind on a full disk
    // and telling no one. The same pages on the same page layout go into memory first.
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&bytes);
        writer.setPdfVersion(printer.pdfVersion());
        writer.setResolution(printer.resolution());
        writer.setPageLayout(printer.pageLayout());
        writer.setCreator(printer.creator().isEmpty() ? texts::programTitle() : printer.creator());
        writer.setTitle(printer.docName());
        pages.print(&writer);
    }   // the writer finishes the document when it goes
    const QByteArray document = bytes.data();
    if (document.isEmpty())
        return false;
    return fileSaving::save(printer.outputFileName(), [&document](QIODevice &file) { return file.write(document) == document.size(); });
}

QByteArray pdf(const QTextEdit &reportBox)
{
    // The page size, margins and resolution the print dialog's "print to file" would use.
    QPrinter reference(QPrinter::HighResolution);
    reference.setOutputFormat(QPrinter::PdfFormat);

    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&bytes);
        writer.setResolution(reference.resolution());
        writer.setPageLayout(reference.pageLayout());
        writer.setCreator(texts::programTitle());
        writer.setTitle(reportBox.window()->windowTitle());
        paginate(reportBox, writer, false)->print(&writer);
    }   // the writer finishes the document when it goes
    return bytes.data();
}

bool savePdf(const QTextEdit &reportBox, const QString &fileName)
{
    const QByteArray document = pdf(reportBox);
    if (document.isEmpty())
        return false;
    return fileSaving::save(fileName, [&document](QIODevice &file) { return file.write(document) == document.size(); });
}

QString pdfFileName(const QString &personName, const QString &systemName)
{
    QString name = personName.simplified();
    for (QChar &c : name) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format
            || QStringView(u"/\\:*?\"<>|").contains(c))
            c = QLatin1Char('_');
    }
    // A name of dots alone would name a folder; a name ending in a dot is refused elsewhere.
    while (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    name = name.trimmed();
    const QString file = systemName + QStringLiteral(".pdf");
    return name.isEmpty() ? file : name + QStringLiteral(" - ") + file;
}

} // namespace reportPrinting
