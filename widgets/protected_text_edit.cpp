#include "widgets/protected_text_edit.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QList>
#include <QTextCursor>

ProtectedTextEdit::ProtectedTextEdit(QWidget *parent)
    : QTextEdit(parent)
{
}

void ProtectedTextEdit::makeReadOnly(QTextEdit *box)
{
    box->setReadOnly(true);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
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
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (const QString href = anchorAtCaret(); !href.isEmpty()) {
            event->accept();
            Q_EMIT linkActivated(href);
            return;
        }
    }
    QTextEdit::keyPressEvent(event);
}

QString ProtectedTextEdit::anchorAtCaret() const
{
    // A cursor's format is the one of the character before it (at a line's start, after it):
    // first the character after the caret, then the one before.
    const QTextCursor caret = textCursor();
    QList<QTextCursor> candidates;
    if (!caret.atBlockEnd()) {
        QTextCursor after(document());
        after.setPosition(caret.position() + 1);
        candidates.append(after);
    }
    if (!caret.atBlockStart())
        candidates.append(caret);
    for (const QTextCursor &at : std::as_const(candidates)) {
        const QTextCharFormat format = at.charFormat();
        if (format.isAnchor() && !format.anchorHref().isEmpty())
            return format.anchorHref();
    }
    return {};
}

void ProtectedTextEdit::contextMenuEvent(QContextMenuEvent *event)
{
    // The standard menu offers Copy and Copy Link Location; there is nothing else worth offering.
    event->accept();
}

void ProtectedTextEdit::setPreferredSize(const QSize &size)
{
    m_preferredSize = size;
    updateGeometry();
}

QSize ProtectedTextEdit::sizeHint() const
{
    return m_preferredSize.isValid() ? m_preferredSize.expandedTo(minimumSizeHint()) : QTextEdit::sizeHint();
}

QSize ProtectedTextEdit::minimumSizeHint() const
{
    const int frame = 2 * frameWidth();
    return QSize(QTextEdit::minimumSizeHint().width(), 3 * fontMetrics().lineSpacing() + frame + int(2 * document()->documentMargin()));
}
