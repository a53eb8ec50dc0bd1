#pragma once

#include "forms/dialog_service.h"

#include <functional>

// The one way a file the user asks for is saved: ask for its name, write it, report a failure,
// remember the folder.
namespace saveDialog {

// Shows the save dialog of request (asking before overwriting, starting in the folder of the
// last file saved or opened with request.defaultSuffix), adds that suffix to a name chosen
// without one, and calls write with the name. A write that fails (it returns false and leaves an
// earlier file as it was) gives "The file could not be saved." with the error icon; a write that
// succeeds makes its folder the next dialog's start. Cancel does nothing. True when written.
bool save(QWidget *parent, DialogService::FileRequest request, const std::function<bool(const QString &)> &write);

} // namespace saveDialog
