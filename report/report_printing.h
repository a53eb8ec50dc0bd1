#pragma once

#include <QByteArray>
#include <QString>

class QPrinter;
class QTextEdit;

namespace reportPrinting {

// Prints the report box's text (or only its selection) with its fonts, boldness and colours,
// page after page, adding nothing of its own: no header, no page numbers.
void print(const QTextEdit &reportBox, QPrinter &printer, bool selectionOnly);

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
