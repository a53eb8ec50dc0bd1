#include "forms/guide_browser_accessible.h"

#include "forms/guide_browser.h"
#include "forms/guide_link_accessible.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

GuideBrowserAccessible::GuideBrowserAccessible(GuideBrowser *browser)
    : QAccessibleWidget(browser, QAccessible::EditableText)
{
}

GuideBrowserAccessible::~GuideBrowserAccessible()
{
    for (const QAccessible::Id id : std::as_const(m_linkIds))
        QAccessible::deleteAccessibleInterface(id);
}

GuideBrowser *GuideBrowserAccessible::browser() const
{
    return static_cast<GuideBrowser *>(widget());
}

void *GuideBrowserAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State GuideBrowserAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.editable = false;
    state.multiLine = true;
    state.selectableText = true;
    state.focusable = true;
    return state;
}

int GuideBrowserAccessible::childCount() const
{
    return int(browser()->links().size());
}

// Created once per link and kept by Qt's registry until the guide goes, so that every event and
// every query about a link meets the same object.
QAccessibleInterface *GuideBrowserAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    if (const auto known = m_linkIds.constFind(index); known != m_linkIds.cend())
        return QAccessible::accessibleInterface(*known);
    QAccessibleInterface *link = new GuideLinkAccessible(browser(), index);
    m_linkIds.insert(index, QAccessible::registerAccessibleInterface(link));
    return link;
}

int GuideBrowserAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    for (auto it = m_linkIds.cbegin(); it != m_linkIds.cend(); ++it) {
        if (QAccessible::accessibleInterface(it.value()) == child)
            return it.key();
    }
    return -1;
}

QAccessibleInterface *GuideBrowserAccessible::childAt(int x, int y) const
{
    const GuideBrowser *text = browser();
    const QString href = text->anchorAt(text->viewport()->mapFromGlobal(QPoint(x, y)));
    if (href.isEmpty())
        return nullptr;
    const int offset = offsetAtPoint(QPoint(x, y));
    const QList<GuideBrowser::Link> &links = text->links();
    for (int index = 0; index < links.size(); ++index) {
        if (links[index].start <= offset && offset <= links[index].end)
            return child(index);
    }
    return nullptr;
}

QAccessibleInterface *GuideBrowserAccessible::focusChild() const
{
    return browser()->hasFocus() && browser()->currentLink() >= 0 ? child(browser()->currentLink()) : nullptr;
}

void GuideBrowserAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    const QTextCursor cursor = browser()->textCursor();
    const bool any = selectionIndex == 0 && cursor.hasSelection();
    *startOffset = any ? cursor.selectionStart() : 0;
    *endOffset = any ? cursor.selectionEnd() : 0;
}

int GuideBrowserAccessible::selectionCount() const
{
    return browser()->textCursor().hasSelection() ? 1 : 0;
}

void GuideBrowserAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void GuideBrowserAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex != 0)
        return;
    QTextCursor cursor = browser()->textCursor();
    cursor.clearSelection();
    browser()->setTextCursor(cursor);
}

void GuideBrowserAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    const int last = characterCount();
    if (selectionIndex != 0 || startOffset < 0 || endOffset < 0 || startOffset > last || endOffset > last)
        return;
    QTextCursor cursor(browser()->document());
    cursor.setPosition(startOffset);
    cursor.setPosition(endOffset, QTextCursor::KeepAnchor);
    browser()->setTextCursor(cursor);
}

int GuideBrowserAccessible::cursorPosition() const
{
    return browser()->textCursor().position();
}

void GuideBrowserAccessible::setCursorPosition(int position)
{
    if (position < 0 || position > characterCount())
        return;
    QTextCursor cursor(browser()->document());
    cursor.setPosition(position);
    browser()->setTextCursor(cursor);
    browser()->ensureCursorVisible();
}

// One character per document position: each paragraph ends in "\n", as the caret counts it.
QString GuideBrowserAccessible::plainText() const
{
    return browser()->document()->toPlainText();
}

QString GuideBrowserAccessible::text(int startOffset, int endOffset) const
{
    const QString all = plainText();
    startOffset = std::clamp(startOffset, 0, int(all.size()));
    endOffset = endOffset < 0 ? int(all.size()) : std::clamp(endOffset, startOffset, int(all.size()));
    return all.mid(startOffset, endOffset - startOffset);
}

int GuideBrowserAccessible::characterCount() const
{
    return int(plainText().size());
}

bool GuideBrowserAccessible::lineAt(int offset, int *start, int *end) const
{
    const int count = characterCount();
    if (offset < 0 || offset > count)
        return false;
    const QTextBlock block = browser()->document()->findBlock(std::min(offset, std::max(count - 1, 0)));
    if (!block.isValid())
        return false;
    const QTextLayout *layout = block.layout();
    const QTextLine line = layout ? layout->lineForTextPosition(std::min(offset - block.position(), block.length() - 1))
                                  : QTextLine();
    if (!line.isValid()) {   // not laid out: the whole paragraph
        *start = block.position();
        *end = block.position() + block.length();
    } else {
        *start = block.position() + line.textStart();
        *end = *start + line.textLength();
        // The paragraph's last line takes its line break, as a caret moving down passes it.
        if (line.lineNumber() == layout->lineCount() - 1)
            *end = block.position() + block.length();
    }
    *end = std::min(*end, count);
    return true;
}

QString GuideBrowserAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                                             int *endOffset) const
{
    if (boundaryType != QAccessible::LineBoundary)
        return QAccessibleTextInterface::textAtOffset(offset, boundaryType, startOffset, endOffset);
    *startOffset = *endOffset = -1;
    int start = 0, end = 0;
    if (!lineAt(offset, &start, &end))
        return QString();
    *startOffset = start;
    *endOffset = end;
    return text(start, end);
}

QString GuideBrowserAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                                 int *startOffset, int *endOffset) const
{
    if (boundaryType != QAccessible::LineBoundary)
        return QAccessibleTextInterface::textBeforeOffset(offset, boundaryType, startOffset, endOffset);
    *startOffset = *endOffset = -1;
    int start = 0, end = 0;
    if (!lineAt(offset, &start, &end) || start == 0)
        return QString();
    return textAtOffset(start - 1, boundaryType, startOffset, endOffset);
}

QString GuideBrowserAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                                int *startOffset, int *endOffset) const
{
    if (boundaryType != QAccessible::LineBoundary)
        return QAccessibleTextInterface::textAfterOffset(offset, boundaryType, startOffset, endOffset);
    *startOffset = *endOffset = -1;
    int start = 0, end = 0;
    if (!lineAt(offset, &start, &end) || end >= characterCount())
        return QString();
    return textAtOffset(end, boundaryType, startOffset, endOffset);
}

QRect GuideBrowserAccessible::characterRect(int offset) const
{
    if (offset < 0 || offset >= characterCount())
        return QRect();
    const GuideBrowser *text = browser();
    QTextCursor cursor(text->document());
    cursor.setPosition(offset);
    const QRect here = text->cursorRect(cursor);
    cursor.setPosition(offset + 1);
    const QRect next = text->cursorRect(cursor);
    // The next position on the same line gives the width; a line's last character gets its font's.
    const int width = next.top() == here.top() && next.left() > here.left() ? next.left() - here.left()
                                                                              : text->fontMetrics().averageCharWidth();
    return QRect(text->viewport()->mapToGlobal(here.topLeft()), QSize(width, here.height()));
}

int GuideBrowserAccessible::offsetAtPoint(const QPoint &point) const
{
    const GuideBrowser *text = browser();
    const QPoint inside = text->viewport()->mapFromGlobal(point);
    if (!text->viewport()->rect().contains(inside))
        return -1;
    return text->cursorForPosition(inside).position();
}

void GuideBrowserAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    const int last = characterCount();
    if (startIndex < 0 || endIndex < startIndex || endIndex > last)
        return;
    GuideBrowser *text = browser();
    QTextCursor cursor(text->document());
    cursor.setPosition(endIndex);
    text->setTextCursor(cursor);
    text->ensureCursorVisible();
    cursor.setPosition(startIndex);
    text->setTextCursor(cursor);
    text->ensureCursorVisible();
}

// The guide carries no attributes a reader needs: one run covering the whole text.
QString GuideBrowserAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    Q_UNUSED(offset)
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}

QAccessibleInterface *GuideBrowserAccessible::factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("GuideBrowser") && object && object->isWidgetType())
        return new GuideBrowserAccessible(static_cast<GuideBrowser *>(object));
    return nullptr;
}
