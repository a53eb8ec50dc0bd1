#pragma once

#include <QByteArray>
#include <QString>

class QPrinter;
class QTextDocument;
class QTextEdit;

namespace reportPrinting {

// Prints the report box's text (or only its selection) with its fonts, boldness and colours,
// page after page, adding nothing of its own: no header, no page numbers. False when the pages
// did not arrive: see printPages().
bool print(const QTextEdit &reportBox, QPrinter &printer, bool selectionOnly);

// Prints pages laid out for printer. Where the printer writes a file (the print dialog's "Print to
// File"), the document is made in memory and saved as fileSaving::save saves: a failure leaves an
// earlier file as it was and gives false. Otherwise false when the printer reports an error.
bool printPages(QTextDocument &pages, QPrinter &printer);

// True when printer writes a file rather than paper or a print preview.
bool printsToFile(QPrinter &printer);

// The whole report as a PDF document, laid out as print() lays it out on a printer that prints
// to a PDF file.
QByteArray pdf(const QTextEdit &reportBox);

// Writes pdf(reportBox) to fileName through a temporary file; false (and an earlier file left
// as it was) when any write, the flush or the rename failed.
bool savePdf(const QTextEdit &reportBox, const QString &fileName);

// The name offered for a report's PDF: "Anna Kowalska - Celtic.pdf", with every character that
// some file system refuses in a name (path separators, wildcards, control characters) replaced
// by "_"; only "Celtic.pdf" when the name is empty.
QString pdfFileName(const QString &personName, const QString &systemName);

} // namespace reportPrinting
