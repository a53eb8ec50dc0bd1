#include "forms/guide_link_accessible.h"

#include "forms/guide_browser.h"

#include <QTextCursor>
#include <QWindow>

GuideLinkAccessible::GuideLinkAccessible(GuideBrowser *browser, int index)
    : m_browser(browser), m_index(index)
{
}

bool GuideLinkAccessible::isValid() const
{
    return m_browser && m_index < m_browser->links().size();
}

QObject *GuideLinkAccessible::object() const
{
    return nullptr;
}

QWindow *GuideLinkAccessible::window() const
{
    return m_browser ? m_browser->window()->windowHandle() : nullptr;
}

QAccessibleInterface *GuideLinkAccessible::parent() const
{
    return m_browser ? QAccessible::queryAccessibleInterface(m_browser.data()) : nullptr;
}

QAccessibleInterface *GuideLinkAccessible::child(int) const
{
    return nullptr;
}

int GuideLinkAccessible::childCount() const
{
    return 0;
}

int GuideLinkAccessible::indexOfChild(const QAccessibleInterface *) const
{
    return -1;
}

QAccessibleInterface *GuideLinkAccessible::childAt(int, int) const
{
    return nullptr;
}

QString GuideLinkAccessible::text(QAccessible::Text t) const
{
    if (!isValid())
        return QString();
    const GuideBrowser::Link &link = m_browser->links().at(m_index);
    switch (t) {
    case QAccessible::Name:
        return link.text;
    case QAccessible::Description:
        return link.target.isRelative() ? QStringLiteral("Goes to that part of this guide")
                                        : QStringLiteral("Opens %1 in your web browser").arg(link.target.toString());
    case QAccessible::Value:
        return link.target.toString();
    default:
        return QString();
    }
}

void GuideLinkAccessible::setText(QAccessible::Text, const QString &)
{
}

// The union of the caret's places along the link: its text on screen, over every line it takes.
QRect GuideLinkAccessible::rect() const
{
    if (!isValid())
        return QRect();
    const GuideBrowser::Link &link = m_browser->links().at(m_index);
    QRect area;
    QTextCursor cursor(m_browser->document());
    for (int position = link.start; position <= link.end; ++position) {
        cursor.setPosition(position);
        area |= m_browser->cursorRect(cursor);
    }
    area &= m_browser->viewport()->rect();
    return area.isEmpty() ? QRect() : QRect(m_browser->viewport()->mapToGlobal(area.topLeft()), area.size());
}

QAccessible::Role GuideLinkAccessible::role() const
{
    return QAccessible::Link;
}

QAccessible::State GuideLinkAccessible::state() const
{
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.focusable = true;
    state.linked = true;
    state.focused = m_browser->hasFocus() && m_browser->currentLink() == m_index;
    state.invisible = !m_browser->isVisible();
    state.offscreen = rect().isEmpty();
    return state;
}

void *GuideLinkAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
}

QStringList GuideLinkAccessible::actionNames() const
{
    return {pressAction(), setFocusAction()};
}

void GuideLinkAccessible::doAction(const QString &actionName)
{
    if (!isValid())
        return;
    if (actionName == setFocusAction() || actionName == pressAction()) {
        m_browser->setFocus(Qt::OtherFocusReason);
        m_browser->selectLink(m_index);
    }
    if (actionName == pressAction())
        m_browser->followLink(m_index);
}

QStringList GuideLinkAccessible::keyBindingsForAction(const QString &actionName) const
{
    return actionName == pressAction() ? QStringList{QStringLiteral("Return")} : QStringList();
}
