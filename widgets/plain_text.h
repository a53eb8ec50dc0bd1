#pragma once

#include <QString>

class QWidget;

// Text that came from the user or from a file, shown exactly as it stands, never as markup.
namespace plainText {

// text as widget's tip, shown as it stands (never as markup) and wrapped into lines of a readable
// width; a word too long for a line breaks between its characters.
void setToolTip(QWidget *widget, const QString &text);

} // namespace plainText
