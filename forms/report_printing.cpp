#include "forms/report_printing.h"

#include <QGuiApplication>
#include <QPrinter>
#include <QScreen>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>

#include <memory>

namespace reportPrinting {

void print(const QTextEdit &reportBox, QPrinter &printer, bool selectionOnly)
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
    // A document with a page size of its own is printed as it is laid out; without one the
    // text document would add page numbers. One page is the printer's page in screen pixels.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const qreal dpiX = screen ? screen->logicalDotsPerInchX() : 96.0;
    const qreal dpiY = screen ? screen->logicalDotsPerInchY() : 96.0;
    pages->setPageSize(QSizeF(printer.width() * dpiX / printer.logicalDpiX(), printer.height() * dpiY / printer.logicalDpiY()));
    printer.setPrintRange(QPrinter::AllPages);
    pages->print(&printer);
}

} // namespace reportPrinting
