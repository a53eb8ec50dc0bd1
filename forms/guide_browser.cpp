#include "forms/guide_browser.h"

#include "forms/guide_browser_accessible.h"

#include <QAccessible>
#include <QTextBlock>
#include <QTextDocument>

GuideBrowser::GuideBrowser(QWidget *parent)
    : QTextBrowser(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&GuideBrowserAccessible::factory);
        return true;
    }();
    Q_UNUSED(factoryInstalled)

    setOpenLinks(false);
    document()->setUndoRedoEnabled(false);
    setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    connect(document(), &QTextDocument::contentsChanged, this, [this] { m_linksKnown = false; });
    connect(this, &QTextEdit::selectionChanged, this, &GuideBrowser::followSelection);
    connect(this, &QTextEdit::cursorPositionChanged, this, &GuideBrowser::followSelection);
}

const QList<GuideBrowser::Link> &GuideBrowser::links() const
{
    if (m_linksKnown)
        return m_links;
    m_links.clear();
    // A link whose text changes format part way (a bold word in it) is one link, as Tab sees it.
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QString href = fragment.charFormat().anchorHref();
            if (!fragment.charFormat().isAnchor() || href.isEmpty())
                continue;
            if (!m_links.isEmpty() && m_links.last().end == fragment.position()
                && m_links.last().target == QUrl(href)) {
                m_links.last().end += fragment.length();
                m_links.last().text += fragment.text();
            } else {
                m_links.append({fragment.position(), fragment.position() + fragment.length(), QUrl(href), fragment.text()});
            }
        }
    }
    for (Link &link : m_links)
        link.text = link.text.simplified();
    m_linksKnown = true;
    return m_links;
}

int GuideBrowser::currentLink() const
{
    return m_currentLink;
}

int GuideBrowser::linkOfSelection() const
{
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        return -1;
    const QList<Link> &all = links();
    for (int index = 0; index < all.size(); ++index) {
        if (all[index].start <= cursor.selectionStart() && cursor.selectionEnd() <= all[index].end)
            return index;
    }
    return -1;
}

// The focus moves to a link as Tab selects it and back to the text as the caret leaves it, so that
// a screen reader says "link" and the link's text, then reads on from the caret.
void GuideBrowser::followSelection()
{
    const int now = linkOfSelection();
    if (now == m_currentLink)
        return;
    m_currentLink = now;
    if (!hasFocus())
        return;
    QAccessibleEvent focus(this, QAccessible::Focus);
    if (now >= 0)
        focus.setChild(now);
    QAccessible::updateAccessibility(&focus);
}

// Tab selects the next link without a signal of the text's selection.
bool GuideBrowser::focusNextPrevChild(bool next)
{
    const bool stays = QTextBrowser::focusNextPrevChild(next);
    followSelection();
    return stays;
}

void GuideBrowser::selectLink(int index)
{
    const QList<Link> &all = links();
    if (index < 0 || index >= all.size())
        return;
    QTextCursor cursor(document());
    cursor.setPosition(all[index].start);
    cursor.setPosition(all[index].end, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    ensureCursorVisible();
}

void GuideBrowser::followLink(int index)
{
    const QList<Link> &all = links();
    if (index >= 0 && index < all.size())
        Q_EMIT anchorClicked(all[index].target);
}

bool GuideBrowser::moveToAnchor(const QString &name)
{
    if (name.isEmpty())
        return false;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (!it.fragment().charFormat().anchorNames().contains(name))
                continue;
            QTextCursor cursor(document());
            cursor.setPosition(it.fragment().position());
            setTextCursor(cursor);
            scrollToAnchor(name);
            return true;
        }
    }
    return false;
}
