#pragma once

#include "common/file_saving.h"
#include "forms/dialog_service.h"

#include <functional>

// The one way a file the user asks for is saved: ask for its name, write it, report a failure,
// remember the folder.
namespace saveDialog {

// Shows the save dialog of request (asking before overwriting, starting in the folder of the
// last file saved or opened with request.defaultSuffix), adds that suffix to a name chosen
// without one, and calls write with the name. A write that fails (and leaves an earlier file as
// it was) gives "The file could not be saved." with the error icon, and on a second line why,
// where that is known ("The disk is full."); a write that succeeds makes its folder the next
// dialog's start and says in the frame's status bar where the file went, with a button of
// openCaption (when given) that opens it with the desktop's program. Cancel does nothing. True
// when written.
bool save(QWidget *parent, DialogService::FileRequest request,
          const std::function<fileSaving::Result(const QString &)> &write, const QString &openCaption = QString());

// "The file could not be saved." with the reason of failure on a second line, where it has one.
QString failureMessage(const fileSaving::Result &failure);

// The name offered for a file about a person: "Anna Kowalska - Celtic.pdf", with every character
// that some file system refuses in a name (path separators, wildcards, control characters)
// replaced by "_"; only "Celtic.pdf" when the name is empty. A long name is cut at a whole
// character so that the file name, and the temporary name a save writes first, fit the length
// file systems allow in the local encoding's bytes.
QString suggestedName(const QString &personName, const QString &systemName, const QString &extension);

} // namespace saveDialog
