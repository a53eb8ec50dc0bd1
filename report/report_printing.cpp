#include "report/report_printing.h"

#include "common/file_saving.h"
#include "common/program_texts.h"
#include "widgets/look.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPaintEngine>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTextFrame>
#include <QTextLayout>

#include <algorithm>
#include <memory>

namespace reportPrinting {
namespace {

constexpr qreal headPointSize = 8;
// Between the running head (or the page number) and the text, in millimetres.
constexpr qreal headGapMm = 5;

// The report (or its selection) as a document of its own, to be laid out on pages.
std::unique_ptr<QTextDocument> copyOf(const QTextEdit &reportBox, bool selectionOnly)
{
    const QTextCursor cursor = reportBox.textCursor();
    if (!selectionOnly || !cursor.hasSelection())
        return std::unique_ptr<QTextDocument>(reportBox.document()->clone());
    auto pages = std::make_unique<QTextDocument>();
    pages->setDefaultFont(reportBox.document()->defaultFont());
    QTextCursor(pages.get()).insertFragment(cursor.selection());
    return pages;
}

// Widens device's margins to leastMarginMm where they are narrower.
void keepMargins(QPagedPaintDevice &device)
{
    const QMarginsF margins = device.pageLayout().margins(QPageLayout::Millimeter);
    const QMarginsF wide(std::max(margins.left(), leastMarginMm), std::max(margins.top(), leastMarginMm),
                         std::max(margins.right(), leastMarginMm), std::max(margins.bottom(), leastMarginMm));
    if (wide != margins)
        device.setPageMargins(wide, QPageLayout::Millimeter);
}

QString headText(const RunningHead &head)
{
    QStringList parts{texts::programTitle()};
    for (const QString &part : {head.system.simplified(), head.person.simplified()}) {
        if (!part.isEmpty())
            parts << part;
    }
    return parts.join(QStringLiteral(" \u00b7 "));
}

// Draws the part of pages that context.clip shows. The document's own drawing also sends the
// lines of a paragraph that runs on from the page before, above the clip: invisible on paper, but
// in a PDF a second copy of them that searching and copying find. Text standing directly in the
// document is therefore drawn line by line, only the lines on this page; a document with tables
// or frames (the All Four Signs page) is drawn as a whole.
void drawPage(QPainter &painter, QTextDocument &pages, const QAbstractTextDocumentLayout::PaintContext &context)
{
    if (!pages.rootFrame()->childFrames().isEmpty()) {
        pages.documentLayout()->draw(&painter, context);
        return;
    }
    const QPen pen = painter.pen();
    painter.setPen(context.palette.color(QPalette::Text));
    for (QTextBlock block = pages.begin(); block.isValid(); block = block.next()) {
        const QTextLayout *layout = block.layout();
        if (!layout || !block.isVisible())
            continue;
        const QPointF at = layout->position();
        for (int index = 0; index < layout->lineCount(); ++index) {
            const QTextLine line = layout->lineAt(index);
            const QRectF box = line.naturalTextRect().translated(at);
            if (box.center().y() >= context.clip.top() && box.center().y() < context.clip.bottom())
                line.draw(&painter, at);
        }
    }
    painter.setPen(pen);
}

// Paints pages onto device, which has begun no page yet: the text in the margins' inner area
// between the running head and the page number. One page of the document is that area in
// screen pixels, so the text wraps as on screen and the document adds no page numbers itself.
bool paintPages(QTextDocument &pages, QPagedPaintDevice &device, const RunningHead &head)
{
    keepMargins(device);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QSizeF area(device.width(), device.height());   // inside the margins, device pixels
    const QFont font = look::verdana(headPointSize);
    const QFontMetricsF metrics(font, &device);
    const qreal band = metrics.height() + headGapMm / 25.4 * device.logicalDpiY();
    const QRectF body(0, band, area.width(), area.height() - 2 * band);
    if (body.isEmpty())   // a paper too small for the margins
        return false;

    const QScreen *screen = QGuiApplication::primaryScreen();
    const qreal scaleX = device.logicalDpiX() / (screen ? screen->logicalDotsPerInchX() : 96.0);
    const qreal scaleY = device.logicalDpiY() / (screen ? screen->logicalDotsPerInchY() : 96.0);
    const QSizeF page(body.width() / scaleX, body.height() / scaleY);
    pages.setPageSize(page);
    const int count = std::max(1, pages.pageCount());

    const QString title = metrics.elidedText(headText(head), Qt::ElideRight, area.width());
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    QPen rule(Qt::darkGray);
    rule.setWidthF(device.logicalDpiY() / 200.0);   // about an eighth of a millimetre
    for (int index = 0; index < count; ++index) {
        if (index > 0 && !device.newPage())
            return false;
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, 0, area.width(), metrics.height()), Qt::AlignLeft | Qt::AlignTop, title);
        painter.drawText(QRectF(0, area.height() - metrics.height(), area.width(), metrics.height()),
                         Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("Page %1 of %2").arg(index + 1).arg(count));
        painter.setPen(rule);
        const qreal ruleY = metrics.height() + (band - metrics.height()) / 3;
        painter.drawLine(QPointF(0, ruleY), QPointF(area.width(), ruleY));

        painter.save();
        painter.translate(body.topLeft());
        painter.scale(scaleX, scaleY);
        painter.setClipRect(QRectF(QPointF(0, 0), page));
        painter.translate(0, -index * page.height());
        context.clip = QRectF(QPointF(0, index * page.height()), page);
        drawPage(painter, pages, context);
        painter.restore();
    }
    return painter.end();
}

} // namespace

bool print(const QTextEdit &reportBox, QPrinter &printer, bool selectionOnly, const RunningHead &head)
{
    const std::unique_ptr<QTextDocument> pages = copyOf(reportBox, selectionOnly);
    printer.setPrintRange(QPrinter::AllPages);
    return printPages(*pages, printer, head);
}

bool printsToFile(QPrinter &printer)
{
    // A print preview paints through the same printer, output file name and all, but into
    // pictures of its own (its paint engine), and writes nothing.
    const QPaintEngine *engine = printer.paintEngine();
    return !printer.outputFileName().isEmpty() && engine && engine->type() != QPaintEngine::Picture;
}

bool printPages(QTextDocument &pages, QPrinter &printer, const RunningHead &head)
{
    printer.setPrintRange(QPrinter::AllPages);
    if (!printsToFile(printer))
        return paintPages(pages, printer, head) && printer.printerState() != QPrinter::Error;
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
        if (!paintPages(pages, writer, head))
            return false;
    }   // the writer finishes the document when it goes
    const QByteArray document = bytes.data();
    if (document.isEmpty())
        return false;
    return fileSaving::save(printer.outputFileName(), [&document](QIODevice &file) { return file.write(document) == document.size(); })
        .written;
}

QString previewTitle(const RunningHead &head)
{
    QStringList about;
    for (const QString &part : {head.person.simplified(), head.system.simplified()}) {
        if (!part.isEmpty())
            about << part;
    }
    return QStringLiteral("Print Preview \u2014 ") + about.join(QStringLiteral(" - "));
}

QByteArray pdf(QTextDocument &pages, const RunningHead &head, const QString &title)
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
        writer.setTitle(title);
        if (!paintPages(pages, writer, head))
            return {};
    }   // the writer finishes the document when it goes
    return bytes.data();
}

QByteArray pdf(const QTextEdit &reportBox, const RunningHead &head)
{
    return pdf(*copyOf(reportBox, false), head, reportBox.window()->windowTitle());
}

namespace {

fileSaving::Result saveDocument(const QByteArray &document, const QString &fileName)
{
    if (document.isEmpty())
        return fileSaving::Result::failed();
    return fileSaving::save(fileName, [&document](QIODevice &file) { return file.write(document) == document.size(); });
}

} // namespace

fileSaving::Result savePdf(const QTextEdit &reportBox, const RunningHead &head, const QString &fileName)
{
    return saveDocument(pdf(reportBox, head), fileName);
}

fileSaving::Result savePdf(QTextDocument &pages, const RunningHead &head, const QString &title, const QString &fileName)
{
    return saveDocument(pdf(pages, head, title), fileName);
}

} // namespace reportPrinting
