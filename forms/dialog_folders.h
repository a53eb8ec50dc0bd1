#pragma once

#include <QString>

// The folder of the last file saved or opened through a dialog, one per kind of file (its
// extension: "zod", "str", "rtf", "pdf"), kept in the program's settings so that the next
// dialog of that kind starts there, also after a restart.
namespace dialogFolders {

// The remembered folder of this kind while it still exists; otherwise the user's documents
// folder (or home folder).
QString last(const QString &extension);

// Remembers the folder of fileName, a file just saved or opened successfully.
void remember(const QString &extension, const QString &fileName);

} // namespace dialogFolders
