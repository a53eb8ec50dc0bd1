#pragma once

class QPrinter;
class QTextEdit;

namespace reportPrinting {

// Prints the report box's text (or only its selection) with its fonts, boldness and colours,
// page after page, adding nothing of its own: no header, no page numbers.
void print(const QTextEdit &reportBox, QPrinter &printer, bool selectionOnly);

} // namespace reportPrinting
