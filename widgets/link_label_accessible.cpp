#include "widgets/link_label_accessible.h"

#include "widgets/link_label.h"

LinkLabelAccessible::LinkLabelAccessible(LinkLabel *link)
    : QAccessibleWidget(link, QAccessible::Link)
{
}

LinkLabel *LinkLabelAccessible::link() const
{
    return static_cast<LinkLabel *>(widget());
}

QString LinkLabelAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name) {
        const QString given = link()->accessibleName();
        return given.isEmpty() ? link()->text().simplified() : given;
    }
    return QAccessibleWidget::text(t);
}

QStringList LinkLabelAccessible::actionNames() const
{
    QStringList names{pressAction()};
    if (link()->focusPolicy() & Qt::TabFocus)
        names << setFocusAction();
    return names;
}

void LinkLabelAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction())
        link()->follow();
    else
        QAccessibleWidget::doAction(actionName);
}

QAccessibleInterface *LinkLabelAccessible::factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("LinkLabel") && object && object->isWidgetType())
        return new LinkLabelAccessible(static_cast<LinkLabel *>(object));
    return nullptr;
}
