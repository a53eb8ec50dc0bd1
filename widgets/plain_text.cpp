#include "widgets/plain_text.h"

#include <QTextDocument>
#include <QWidget>

namespace plainText {

void setToolTip(QWidget *widget, const QString &text)
{
    widget->setToolTip(Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text) : text);
}

} // namespace plainText
