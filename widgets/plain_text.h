#pragma once

#include <QString>

class QWidget;

// Text that came from the user or from a file, shown exactly as it stands, never as markup.
namespace plainText {

// A tooltip shows its text as rich text whenever Qt::mightBeRichText() says it may be; such a
// text is given escaped instead.
void setToolTip(QWidget *widget, const QString &text);

} // namespace plainText
