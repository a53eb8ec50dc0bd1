#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

// Saving and opening saved readings with their dialogs and messages, for every system.
namespace readingFiles {

struct Kind
{
    QString saveTitle;
    QString filter;      // "Orvo Free Zodiac Signs (*.zod)"
    QString extension;   // "zod"
};

Kind zodiacSigns();      // Australian and Mayan ".zod"
Kind chineseAstrology(); // Chinese ".str"

// Asks for a file name, offering suggestedName (asking before overwriting), and writes the
// fields; a failure says "The file could not be saved." and leaves an earlier file as it was;
// cancel is silent.
void save(QWidget *parent, const Kind &kind, const QStringList &fields, const QString &suggestedName);

// Asks for a file and reads it (read()). Nothing on cancel.
std::optional<QStringList> open(QWidget *parent, const Kind &kind);

// Reads the fields of fileName, a file chosen elsewhere (Open, the command line, the file
// manager, a second start): the one way every saved reading comes in, so that each opens with
// the same lines whichever way it came. After a message, nothing: that the file does not exist,
// that it is not a saved reading file (a folder, a FIFO, a device), or "Please Check The File."
// for a wrong extension or a file that cannot be read.
std::optional<QStringList> read(QWidget *parent, const QString &fileName, const Kind &kind);

} // namespace readingFiles
