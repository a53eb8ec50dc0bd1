#pragma once

#include "common/file_saving.h"

#include <QByteArray>
#include <QString>

class QPrinter;
class QTextDocument;
class QTextEdit;

namespace reportPrinting {

// What the line at the top of every printed page names besides the program: the system
// ("Chinese", "All Four Signs") and whom the pages are about.
struct RunningHead
{
    QString system;
    QString person;
};

// No printed or PDF page puts text closer to the paper's edge than this; a printer or dialog
// asking for wider margins keeps them.
constexpr double leastMarginMm = 15.0;

// Prints the report box's text (or only its selection) with its fonts, boldness and colours,
// page after page, as printPages() frames them. False when the pages did not arrive: see
// printPages().
bool print(const QTextEdit &reportBox, QPrinter &printer, bool selectionOnly, const RunningHead &head);

// Lays pages out on printer's page, inside margins of at least leastMarginMm, each page under a
// running head (the program, head.system and head.person) and over "Page n of m"; the text of
// pages is printed as it stands and wraps as on screen. Where the printer writes a file (the
// print dialog's "Print to File"), the document is made in memory and saved as fileSaving::save
// saves: a failure leaves an earlier file as it was and gives false. Otherwise false when the
// printer reports an error.
bool printPages(QTextDocument &pages, QPrinter &printer, const RunningHead &head);

// The print preview's window title: "Print Preview — Ann Lee - Chinese" (the system alone for
// a report about no one).
QString previewTitle(const RunningHead &head);

// True when printer writes a file rather than paper or a print preview.
bool printsToFile(QPrinter &printer);

// The whole report as a PDF document, laid out as print() lays it out on a printer that prints
// to a PDF file.
QByteArray pdf(const QTextEdit &reportBox, const RunningHead &head);

// pages as a PDF document laid out as printPages() lays them out on a PDF printer, titled title.
QByteArray pdf(QTextDocument &pages, const RunningHead &head, const QString &title);

// Writes pdf(reportBox, head) to fileName through a temporary file; not written (and an earlier
// file left as it was) when any write, the flush or the rename failed.
fileSaving::Result savePdf(const QTextEdit &reportBox, const RunningHead &head, const QString &fileName);
// The same for pages of its own (the All Four Signs page).
fileSaving::Result savePdf(QTextDocument &pages, const RunningHead &head, const QString &title, const QString &fileName);

} // namespace reportPrinting
