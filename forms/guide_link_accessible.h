#pragma once

#include <QAccessibleInterface>
#include <QPointer>

class GuideBrowser;

// One link of the user guide as assistive technology sees it: the Link role, the link's text as
// its name, where it leads as its description, focused while Tab has it selected, and Press
// to follow it as Enter does.
class GuideLinkAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    GuideLinkAccessible(GuideBrowser *browser, int index);

    bool isValid() const override;
    QObject *object() const override;
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString &text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

private:
    QPointer<GuideBrowser> m_browser;
    int m_index;
};
