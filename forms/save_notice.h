#pragma once

#include <QString>

class QWidget;

// What the frame's status bar says after a save.
namespace saveNotice {

// Shows "Saved to <file>" (the file's full path) in the status bar of the main window that holds
// from. With openCaption, a button of that caption beside it opens the file with the desktop's
// program for its type, until the next notice or until the message is cleared. Nothing when from
// is in no main window.
void show(QWidget *from, const QString &fileName, const QString &openCaption = QString());

} // namespace saveNotice
