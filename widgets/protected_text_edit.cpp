#include "widgets/protected_text_edit.h"

#include <QKeyEvent>
#include <QMimeData>

ProtectedTextEdit::ProtectedTextEdit(QWidget *parent)
    : QTextEdit(parent)
{
}

QMimeData *ProtectedTextEdit::createMimeDataFromSelection() const
{
    return new QMimeData;
}

void ProtectedTextEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut)
        || (event->key() == Qt::Key_Insert && event->modifiers() == Qt::ControlModifier)) {
        event->accept();   // swallowed: neither our text nor an empty clipboard
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void ProtectedTextEdit::contextMenuEvent(QContextMenuEvent *event)
{
    // The standard menu offers Copy and Copy Link Location; there is nothing else worth offering.
    event->accept();
}
