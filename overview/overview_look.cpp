#include "overview/overview_look.h"

#include "widgets/look.h"

#include <QLabel>
#include <QPushButton>

namespace overviewLook {

QLabel *makeLabel(const QString &objectName, const QFont &font, const QColor &colour, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setFont(font);
    look::setForeground(label, colour);
    label->setFocusPolicy(Qt::TabFocus);
    return label;
}

QPushButton *makeButton(const QString &objectName, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setFont(look::verdana(8.25, true));
    look::setColours(button, Qt::black, QColor(192, 192, 192));
    return button;
}

} // namespace overviewLook
