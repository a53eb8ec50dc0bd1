#pragma once

#include <QAccessibleWidget>
#include <QHash>

class GuideBrowser;

// What assistive technology sees of the guide's text: a read-only multi-line text, as the report
// boxes are (Qt's own view of a text browser is a label without a caret), with a caret, its lines
// as laid out on screen, and its links as children of the Link role.
class GuideBrowserAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit GuideBrowserAccessible(GuideBrowser *browser);
    ~GuideBrowserAccessible() override;

    void *interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                             int *endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                            int *endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                         int *endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

    using QAccessibleWidget::text;

    static QAccessibleInterface *factory(const QString &className, QObject *object);

private:
    mutable QHash<int, QAccessible::Id> m_linkIds;

    GuideBrowser *browser() const;
    QString plainText() const;
    // The screen line holding offset, as [start, end) of the text; false past the text.
    bool lineAt(int offset, int *start, int *end) const;
};
